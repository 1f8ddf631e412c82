#pragma once

#include "platform/gui/Bitmap32.h"

#include <QDialog>
#include <QString>
#include <functional>

class QAction;
class QGroupBox;
class QKeyEvent;
class QLabel;
class TGameCar;

// The sheet logo and the picture in which the counters are drawn, created by
// the first set-up and kept until the form goes.
extern TBitmap32* LogoImage;
extern TBitmap32* CounterImage;

// The main window's layout plan is printed at (PlanX, PlanY), enlarged by
// PlanFactor, inside the armor frame; the armor figures stand round it.
constexpr int PlanX = -160;
constexpr int PlanY = 500;
constexpr int PlanFactor = 6;

// The print form: the user prints the edited design on one sheet, the
// "Vehicle Record Sheet" or the "Duel Sheet", at once on the current printer.
// Every sheet section is a method that reads the vehicle of FCar; positions
// are layout units (PrintUtils.h).
class TfrmPrint : public QDialog
{
public:
    // layoutPicture is the main window's layout plan, printed as it stands.
    TfrmPrint(QWidget* owner, const TBitmap32& layoutPicture);
    ~TfrmPrint() override;

    // Loads the logo the OldLogo setting names, makes the counter picture,
    // reads the printer's page and takes Car as the car to print, and, unless
    // SkipFont, registers the sheet font; raises the picture loader's error
    // when the logo cannot be read.
    void SetupPrint(TGameCar* Car, bool SkipFont);
    // Withdraws the sheet font and frees the sheet pictures.
    void FreeSheetImages();
    // Kind 0 the record sheet, 1 the duel sheet; a Car replaces FCar first.
    void PrintSheet(int Kind, TGameCar* Car);
    void PrintRecordSheet();
    void PrintDuelSheet();

    // Sections shared by both sheets.
    void PrintTitleBlock(int X, int Y, int W);
    void PrintNames(int X, int Y, int W);
    void PrintDriverSkills(int X, int Y, int W);
    void PrintGunnerSkills(int X, int Y, int W);
    void PrintBasicInfo(int X, int Y, int W);
    void PrintPerformance(int X, int Y, int W, int H, bool ShowHC);
    void PrintArmor(int X, int Y, int W);
    void PrintDescription(int X, int Y, int W, int H, bool WithHeader);
    void PrintYesNoBox(const QString& Text, int X, int Y, int W);
    void PrintNotes(int X, int Y, int W, int H);
    void PrintLegalNotice(int X, int Y);
    void PrintOptionsLine(int X, int Y);
    void PrintCounterStrip();
    void PrintCounter(int X, int Y, int Opacity, int Turn);
    // Record sheet only.
    void PrintHandling(int X, int Y, int W);
    void PrintDecelerationTable(int X, int Y, int W);
    void PrintTires(int X, int Y, int W);
    void PrintWeaponTable(int X, int Y, int W);
    void PrintSpeedTrack(int X, int Y, int W);
    void PrintHandlingTrack(int X, int Y, int W);
    void PrintDifficultyTrack(int X, int Y, int W);
    // Duel sheet only.
    void PrintDuelWeaponTable(int X, int Y, int W);
    void PrintTurnGrid(int X, int Y, int W, int H);

    void acPrintRecordSheetExecute();
    void acPrintDuelSheetExecute();
    void acReturnExecute();
    void FablorClick();

    QAction* acPrintRecordSheet = nullptr;
    QAction* acPrintDuelSheet = nullptr;
    QAction* acReturn = nullptr;
    QGroupBox* gbRecordSheet = nullptr;
    QGroupBox* gbWalkaround = nullptr;
    QLabel* imgDefault = nullptr;
    QLabel* imgDuel = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TGameCar* FCar = nullptr;
    const TBitmap32& FLayoutPicture;
};

extern TfrmPrint* frmPrint;
