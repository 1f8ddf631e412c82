#include "common/RecordingErrorSink.h"
#include "common/WorkingFolder.h"

#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "gamecar/LayoutPlan.h"
#include "model/Global.h"
#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"
#include "model/Vehicle.h"
#include "platform/widgets/MessageDlg.h"
#include "printing/PrintForm.h"
#include "printing/PrintUtils.h"
#include "printing/QtPrinter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A sample design printed through the program's own printer on a machine
// without printers: the sheet goes to the PDF file the user names.
class PdfSheetTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
        SetSettingsDefaults(QStringLiteral(RIGSMITH_RUNTIME_DIR));
        ReadAllTypes();
        LoadGraphics();
    }

    static void TearDownTestSuite() { FreeGraphics(); }

    PdfSheetTest() : FKeptInstalled(PrinterInstalled), FKeptAsk(AskPdfFileName)
    {
        PrinterInstalled = [] { return false; };
    }

    ~PdfSheetTest() override
    {
        PrinterInstalled = FKeptInstalled;
        AskPdfFileName = FKeptAsk;
    }

    // Prints the sheet of that kind for the design file into a PDF and
    // returns the PDF's text.
    QString PrintToPdf(const QString& design, int kind)
    {
        const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
        TGameCar car;
        QString err;
        car.Vehicle->Load(QStringLiteral("Designs/") + design, err);
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
        car.Reset();
        CrewBuffer = car.Vehicle->Crew;
        TBitmap32 plan(365, 373);
        DrawLayout(car, plan);
        TfrmPrint form(nullptr, plan);
        form.SetupPrint(&car, true);
        const QString pdf = FDir.filePath(QStringLiteral("sheet.pdf"));
        AskPdfFileName = [pdf] { return pdf; };
        form.PrintSheet(kind, nullptr);
        EXPECT_GT(QFileInfo(pdf).size(), 0);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.waitForFinished(30000));
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    QTemporaryDir FDir;
    std::function<bool()> FKeptInstalled;
    std::function<QString()> FKeptAsk;
};

TEST_F(PdfSheetTest, TheDuelSheetOfASampleDesignCarriesItsWeaponsAndTurnGrid)
{
    const QString text = PrintToPdf(QStringLiteral("Gadfly.vx"), 1);
    for (const char* key : {"Weapon", "To Hit", "Dmg.", "Ammo", "SD", "SmD", "Turn", "Speed", "Handling Status (HC: ",
                            "1:", "30:", "-8"})
        EXPECT_TRUE(text.contains(QLatin1String(key))) << key << "\n" << text.toStdString();
}

TEST_F(PdfSheetTest, EveryWordOfTheRecordSheetLiesOnThePage)
{
    PrintToPdf(QStringLiteral("Thunderwagon.vx"), 0);
    QProcess boxes;
    boxes.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), FDir.filePath(QStringLiteral("sheet.pdf")),
                                              QStringLiteral("-")});
    ASSERT_TRUE(boxes.waitForFinished(30000));
    const QString html = QString::fromUtf8(boxes.readAllStandardOutput());
    const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    const QRegularExpressionMatch size = page.match(html);
    ASSERT_TRUE(size.hasMatch());
    const double width = size.captured(1).toDouble();
    const double height = size.captured(2).toDouble();
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.-]+)\" yMin=\"([0-9.-]+)\" xMax=\"([0-9.-]+)\" yMax=\"([0-9.-]+)\">([^<]*)</word>"));
    int words = 0;
    for (QRegularExpressionMatchIterator it = word.globalMatch(html); it.hasNext(); ++words) {
        const QRegularExpressionMatch m = it.next();
        EXPECT_GE(m.captured(1).toDouble(), 0) << m.captured(5).toStdString();
        EXPECT_GE(m.captured(2).toDouble(), 0) << m.captured(5).toStdString();
        EXPECT_LE(m.captured(3).toDouble(), width) << m.captured(5).toStdString();
        EXPECT_LE(m.captured(4).toDouble(), height) << m.captured(5).toStdString();
    }
    EXPECT_GT(words, 300);
}

TEST_F(PdfSheetTest, NamingNoFilePrintsNothing)
{
    AskPdfFileName = [] { return QString(); };
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    TGameCar car;
    TBitmap32 plan(365, 373);
    TfrmPrint form(nullptr, plan);
    form.SetupPrint(&car, true);
    form.PrintSheet(1, nullptr);
    EXPECT_TRUE(QDir(FDir.path()).isEmpty());
}

TEST_F(PdfSheetTest, AFileThatCannotBeWrittenIsReported)
{
    const QString pdf = FDir.filePath(QStringLiteral("no such folder/sheet.pdf"));
    AskPdfFileName = [pdf] { return pdf; };
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    TGameCar car;
    TBitmap32 plan(365, 373);
    TfrmPrint form(nullptr, plan);
    form.SetupPrint(&car, true);
    const TRecordingErrorSink errors;
    form.PrintSheet(1, nullptr);
    EXPECT_EQ(errors.Texts(), QStringList{QStringLiteral("An error occured in PrintSheet:\r\nThe sheet could not be "
                                                         "written to %1.").arg(pdf)});
    EXPECT_FALSE(QFileInfo::exists(pdf));
    // The next job starts afresh.
    const QString good = FDir.filePath(QStringLiteral("sheet.pdf"));
    AskPdfFileName = [good] { return good; };
    form.PrintSheet(1, nullptr);
    EXPECT_GT(QFileInfo(good).size(), 0);
    EXPECT_EQ(errors.Texts().size(), 1);
}

TEST_F(PdfSheetTest, AFileNameTypedWithoutThePdfExtensionGetsIt)
{
    // The program's own dialog, answered as a user would type the names.
    AskPdfFileName = FKeptAsk;
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    TGameCar car;
    TBitmap32 plan(365, 373);
    TfrmPrint form(nullptr, plan);
    form.SetupPrint(&car, true);
    // A dot of the name's own does not pass for an extension.
    for (const char* typed : {"sheet", "other.pdf", "third.PDF", "St. Louis Special", "Thunderwagon v1.2", "fifth.Pdf"}) {
        SCOPED_TRACE(typed);
        bool asked = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            asked = true;
            dialog->setDirectory(FDir.path());
            dialog->selectFile(QString::fromLatin1(typed));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        form.PrintSheet(1, nullptr);
        EXPECT_TRUE(asked);
    }
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("St. Louis Special.pdf"), QStringLiteral("Thunderwagon v1.2.pdf"),
                           QStringLiteral("fifth.Pdf"), QStringLiteral("other.pdf"), QStringLiteral("sheet.pdf"),
                           QStringLiteral("third.PDF")}));
    EXPECT_GT(QFileInfo(FDir.filePath(QStringLiteral("sheet.pdf"))).size(), 0);
}

TEST_F(PdfSheetTest, AHandSetResolutionTooLargeToComputeLeavesNoFileBehind)
{
    const QString pdf = FDir.filePath(QStringLiteral("sheet.pdf"));
    AskPdfFileName = [pdf] { return pdf; };
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    TGameCar car;
    TBitmap32 plan(365, 373);
    plan.Clear(clWhite32);
    TfrmPrint form(nullptr, plan);
    form.SetupPrint(&car, true);
    PrinterRes = true;
    PrinterResX = 4761;
    PrinterResY = 2147483647;
    const TRecordingErrorSink errors;
    form.PrintSheet(0, nullptr);
    PrinterRes = false;
    ASSERT_EQ(errors.Texts().size(), 1);
    EXPECT_TRUE(errors.Texts()[0].contains(QLatin1String("\"Set printer resolution\""))) << errors.Texts()[0].toStdString();
    EXPECT_TRUE(QDir(FDir.path()).isEmpty());
}

} // namespace
