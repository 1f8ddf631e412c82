// The sheet sections of the lower half: weapon table, tracks, yes/no boxes,
// notes, notice lines, options line and counters.
#include "printing/PrintForm.h"

void TfrmPrint::PrintWeaponTable(int, int, int) {}
void TfrmPrint::PrintSpeedTrack(int, int, int) {}
void TfrmPrint::PrintHandlingTrack(int, int, int) {}
void TfrmPrint::PrintDifficultyTrack(int, int, int) {}
void TfrmPrint::PrintYesNoBox(const QString&, int, int, int) {}
void TfrmPrint::PrintNotes(int, int, int, int) {}
void TfrmPrint::PrintLegalNotice(int, int) {}
void TfrmPrint::PrintOptionsLine(int, int) {}
void TfrmPrint::PrintCounterStrip() {}
void TfrmPrint::PrintCounter(int, int, int, int) {}
