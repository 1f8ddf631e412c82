#pragma once

#include "RecordingPrinter.h"

#include "gamecar/GameCar.h"
#include "platform/gui/Bitmap32.h"
#include "printing/PrintForm.h"

#include <gtest/gtest.h>
#include <memory>

// The shipped rules tables and part pictures for the suite; each test gets a
// game car of a plain design, a print form set up for it and a recording
// printer at the layout space's own size, so printer pixels are layout units.
class PrintFixture : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    PrintFixture();
    ~PrintFixture() override;

    void Mount(const char* abbreviation, TLocation location);
    // A recording printer of that page size and resolution in place of the
    // suite's, its page read as a print job reads it.
    void UsePrinter(int pageWidth, int pageHeight, int pixelsPerInch);
    TWeaponType& Weapon(int i) { return FCar->Vehicle->Weapons.Items[i]; }
    TVehicle& V() { return *FCar->Vehicle; }
    QStringList& Log() { return Page->Recorder.Log; }

    std::unique_ptr<TRecordingPrinter> Page;
    std::unique_ptr<TGameCar> FCar;
    TBitmap32 LayoutPicture;
    std::unique_ptr<TfrmPrint> Form;
};
