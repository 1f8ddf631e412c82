#include "DesignerWindow.h"

#include "designer/DesignOptions.h"
#include "model/Global.h"
#include "printing/PrintForm.h"
#include "printing/QtPrinter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QTimer>

namespace {

using PrintCommandsTest = DesignerWindowTest;

// Closes the modal dialog of type TDialog once it shows and tells whether it did.
template <typename TDialog>
void CloseWhenShown(bool& shown, std::function<void(TDialog&)> step = {})
{
    QTimer::singleShot(10, [&shown, step] {
        if (auto* dialog = dynamic_cast<TDialog*>(QApplication::activeModalWidget())) {
            shown = true;
            if (step)
                step(*dialog);
            dialog->close();
        } else {
            CloseWhenShown<TDialog>(shown, step);
        }
    });
}

TEST_F(PrintCommandsTest, ThePrintCommandShowsThePrintFormForTheEditedCar)
{
    TfrmMain& window = Start();
    ASSERT_NE(frmPrint, nullptr);
    bool shown = false;
    CloseWhenShown<TfrmPrint>(shown, [](TfrmPrint& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Print the Vehicle Record Sheet"));
    });
    window.acPrint->trigger();
    EXPECT_TRUE(shown);
}

TEST_F(PrintCommandsTest, PrintSetupRunsThePrinterSetUpDialog)
{
    TfrmMain& window = Start();
    const auto kept = PrintSetupDialog;
    int runs = 0;
    PrintSetupDialog = [&runs] { ++runs; };
    window.acPrintSetup->trigger();
    PrintSetupDialog = kept;
    EXPECT_EQ(runs, 1);
}

TEST_F(PrintCommandsTest, TheOptionsDialogLoadsTheOtherLogoWhenTheSettingChanges)
{
    TfrmMain& window = Start();
    OldLogo = false;
    frmPrint->SetupPrint(Car);
    const QImage modern = LogoImage->Image();
    bool shown = false;
    CloseWhenShown<TfrmDesign>(shown, [](TfrmDesign& dialog) { dialog.chkOldLogo->setChecked(true); });
    window.acOptions->trigger();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(OldLogo);
    EXPECT_NE(LogoImage->Image(), modern);
    EXPECT_EQ(CounterImage->Width(), 50);
}

} // namespace
