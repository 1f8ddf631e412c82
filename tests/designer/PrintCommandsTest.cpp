#include "DesignerWindow.h"

#include "designer/DesignOptions.h"
#include "model/Global.h"
#include "printing/PrintForm.h"
#include "printing/PrintUtils.h"
#include "printing/QtPrinter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QPageSetupDialog>
#include <QPushButton>
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
    frmPrint->SetupPrint(Car, true);
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

namespace {

// The set-up command sets up: OK and Cancel, no button that prints, and no
// question about a file, also after a print into a file.
TEST_F(PrintCommandsTest, PrintSetupShowsASetUpDialogThatNeitherPrintsNorAsksAboutAFile)
{
    Start();
    auto* printer = dynamic_cast<TQtPrinter*>(&Printer());
    ASSERT_NE(printer, nullptr);
    const QString pdf = Path(QStringLiteral("sheet.pdf"));
    {
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }
    // As a print into a file leaves the printer.
    QPrinter& device = printer->Device();
    const QPrinter::OutputFormat keptFormat = device.outputFormat();
    const QString keptFile = device.outputFileName();
    device.setOutputFileName(pdf);
    bool shown = false;
    QStringList buttons;
    QTimer::singleShot(10, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        shown = dialog && dynamic_cast<QPageSetupDialog*>(dialog);
        if (auto* box = dialog ? dialog->findChild<QDialogButtonBox*>() : nullptr) {
            for (QAbstractButton* button : box->buttons())
                buttons << QString(button->text()).remove(QLatin1Char('&'));
            box->button(QDialogButtonBox::Ok)->click();
        } else if (dialog) {
            dialog->close();
        }
    });
    PrintSetupDialog();
    device.setOutputFileName(keptFile);
    device.setOutputFormat(keptFormat);
    EXPECT_TRUE(shown);
    EXPECT_EQ(buttons, QStringList({"OK", "Cancel"}));
    // No overwrite question came between OK and the end of the dialog.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("kept"));
}

} // namespace
