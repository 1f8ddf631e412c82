#pragma once

#include "SectionRecorder.h"

#include "common/WorkingFolder.h"
#include "gamecar/GameCar.h"
#include "platform/gui/Bitmap32.h"
#include "printing/PrintForm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

// The shipped rules tables, settings and part pictures, a print form set up
// for a game car, and a recording printer that catches what one section
// draws.
class SheetTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    SheetTest();
    ~SheetTest() override;

    // Opens a sample design from the runtime folder's Designs as the main
    // window would, then forgets what the set-up drew.
    void Open(const char* fileName);
    TVehicle& V() { return *Car->Vehicle; }

    TWorkingFolder Folder;
    TSectionRecorder Recorder;
    TBitmap32 LayoutPicture;
    std::unique_ptr<TGameCar> Car;
    std::unique_ptr<TfrmPrint> Form;
};
