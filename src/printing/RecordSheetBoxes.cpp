// The sheet sections of the upper half: title, names, skills, figures,
// handling, deceleration, armor, tires and description.
#include "printing/PrintForm.h"

void TfrmPrint::PrintTitleBlock(int, int, int) {}
void TfrmPrint::PrintNames(int, int, int) {}
void TfrmPrint::PrintDriverSkills(int, int, int) {}
void TfrmPrint::PrintGunnerSkills(int, int, int) {}
void TfrmPrint::PrintBasicInfo(int, int, int) {}
void TfrmPrint::PrintPerformance(int, int, int, int, bool) {}
void TfrmPrint::PrintHandling(int, int, int) {}
void TfrmPrint::PrintDecelerationTable(int, int, int) {}
void TfrmPrint::PrintArmor(int, int, int) {}
void TfrmPrint::PrintTires(int, int, int) {}
void TfrmPrint::PrintDescription(int, int, int, int, bool) {}
