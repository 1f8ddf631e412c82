#include "PrintFixture.h"

#include "common/RecordingErrorSink.h"
#include "common/WorkingFolder.h"
#include "model/Global.h"
#include "platform/widgets/MessageDlg.h"
#include "printing/PrintUtils.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

namespace {

using PrintFormTest = PrintFixture;

TEST_F(PrintFormTest, EachPrintIsAJobOfItsOwnWithTheSameTitle)
{
    Form->acPrintDuelSheet->trigger();
    Form->acPrintRecordSheet->trigger();
    EXPECT_EQ(Page->Jobs, (QStringList{QStringLiteral("BeginDoc Roadvex Record Sheet"), QStringLiteral("EndDoc"),
                                       QStringLiteral("BeginDoc Roadvex Record Sheet"), QStringLiteral("EndDoc")}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PrintFormTest, TheLayoutPlanTheArmorFrameAndTheLogoComeBeforeTheSections)
{
    LayoutPicture.Clear(clBlack32);
    Form->PrintSheet(1, nullptr);
    const QStringList& log = Log();
    // The plan (365 x 373 at factor 6 from (-160, 500)) in 3 x 3 tiles, the
    // armor frame, then the logo at (0, 0) four times enlarged.
    ASSERT_GE(log.size(), 15);
    EXPECT_EQ(log[0], QStringLiteral("Draw -160,500 1024x1024"));
    EXPECT_EQ(log[8], QStringLiteral("Draw 1888,2548 142x190"));
    EXPECT_EQ(Matching(log.mid(0, 9), QStringLiteral("Draw")).size(), 9);
    EXPECT_EQ(log.mid(9, 5), (QStringList{QStringLiteral("MoveTo 1,540"), QStringLiteral("LineTo 1858,540"),
                                          QStringLiteral("LineTo 1858,2717"), QStringLiteral("LineTo 1,2717"),
                                          QStringLiteral("LineTo 1,540")}));
    EXPECT_EQ(log[14], QStringLiteral("Draw 0,0 1024x%1").arg(LogoImage->Height() * 4));
    // The duel sheet's own sections follow.
    EXPECT_TRUE(log.contains(QStringLiteral("Rect 1,2760,1858,3860")));
    EXPECT_TRUE(log.contains(QStringLiteral("Rect 1900,2760,4755,5860")));
}

// Each section blanks its box before it writes, so the order of the boxes
// decides what covers what.
TEST_F(PrintFormTest, TheSectionBoxesOfEachSheetComeInTheirOrder)
{
    const QStringList top{"Rect 1900,7,4755,521",     "Rect 1900,540,4755,740",   "Rect 3327,540,3329,740",
                          "Rect 1900,750,3322,1209",  "Rect 3333,750,4755,1209",  "Rect 1900,1219,3322,1949"};
    Form->PrintSheet(0, nullptr);
    const QStringList record = top + QStringList{
        "Rect 1900,1979,3322,2698", "Rect 3333,1219,4755,1639", "Rect 3333,1657,4755,2698", "Rect 1,3510,1858,3830",
        "Rect 1900,2760,4755,3830", "Rect 1,3900,4756,5020",    "Rect 1,5093,4756,5593",    "Rect 1,5636,4756,5836",
        "Rect 1,5879,4756,6079",    "Rect 0,6122,905,6322",     "Rect 1132,6122,2037,6322", "Rect 1,2760,1858,3440"};
    EXPECT_EQ(Matching(Log(), QStringLiteral("Rect ")), record);
    Log().clear();
    Form->PrintSheet(1, nullptr);
    const QStringList duel = top + QStringList{
        "Rect 3333,1219,4755,1949", "Rect 1900,1979,4755,2698", "Rect 1,2760,1858,3860", "Rect 1900,2760,4755,5860",
        "Rect 1,3880,906,4080",     "Rect 953,3880,1858,4080",  "Rect 1,4100,1858,5860"};
    EXPECT_EQ(Matching(Log(), QStringLiteral("Rect ")), duel);
}

TEST_F(PrintFormTest, AnUnknownKindPrintsOnlyThePlanTheFrameAndTheLogo)
{
    Form->PrintSheet(7, nullptr);
    EXPECT_TRUE(Matching(Log(), QStringLiteral("Text")).isEmpty());
    EXPECT_TRUE(Matching(Log(), QStringLiteral("Rect")).isEmpty());
    EXPECT_EQ(Page->Jobs.size(), 2);
}

TEST_F(PrintFormTest, AnErrorWhileDrawingEndsTheJobAndReachesTheCaller)
{
    struct TJammedPrinter : TRecordingPrinter {
        TPageCanvas& Canvas() override { throw std::runtime_error("paper jam"); }
    } jammed;
    EXPECT_THROW(Form->PrintSheet(1, nullptr), std::runtime_error);
    EXPECT_EQ(jammed.Jobs, (QStringList{QStringLiteral("BeginDoc Roadvex Record Sheet"), QStringLiteral("EndDoc")}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PrintFormTest, APageWithoutPixelsIsReportedAndNotPrinted)
{
    struct Case {
        bool HandSet;
        int X;
        int Y;
        int PixelsPerInch;
        QString Error;
    };
    const QString place = QStringLiteral("An error occured in PrintSheet:\r\n");
    for (const Case& c : {
             Case{true, 0, 6780, 600, QStringLiteral("The printer resolution of 0 x 6780 pixels at 600 pixels per inch cannot hold a sheet.")},
             Case{true, 4761, -1, 600, QStringLiteral("The printer resolution of 4761 x -1 pixels at 600 pixels per inch cannot hold a sheet.")},
             Case{false, 0, 0, 0, QStringLiteral("The printer resolution of 4761 x 6780 pixels at 0 pixels per inch cannot hold a sheet.")},
         }) {
        TRecordingPrinter printer(4761, 6780, c.PixelsPerInch);
        PrinterRes = c.HandSet;
        PrinterResX = c.X;
        PrinterResY = c.Y;
        const TRecordingErrorSink errors;
        Form->PrintSheet(0, nullptr);
        PrinterRes = false;
        EXPECT_EQ(errors.Texts(), QStringList{place + c.Error});
        EXPECT_TRUE(printer.Jobs.isEmpty());
        EXPECT_TRUE(printer.Recorder.Log.isEmpty());
    }
}

TEST_F(PrintFormTest, AHandSetResolutionThatWouldGarbleTheSheetIsNamedBeforePrinting)
{
    // The box shows the message's line break as one new line.
    const QString ask = QStringLiteral("\nPrint the sheet all the same?");
    const struct {
        int Width, Height, PixelsPerInch, X, Y;
        QString Warning;
    } cases[] = {
        // The defaults on a 1200-dpi page: a quarter of the page, doubled fonts.
        {9522, 13560, 1200, 4761, 6780,
         QStringLiteral("The hand-set printer resolution of 4761 x 6780 pixels does not match this printer's page of "
                        "9522 x 13560 pixels: the sheet would take 50 % of the page's width and 50 % of its height. At "
                        "a hand-set height of 6780 pixels the texts would print at 2 times their size (a size-10 text "
                        "at 20 points).")},
        // The printer's own page, as the options dialog reads it.
        {9522, 13560, 1200, 9522, 13560,
         QStringLiteral("At a hand-set height of 13560 pixels the texts would print at 4 times their size (a size-10 "
                        "text at 40 points).")},
        // Too large for a 300-dpi page, at the fonts' own sizes.
        {2380, 3390, 300, 4761, 3390,
         QStringLiteral("The hand-set printer resolution of 4761 x 3390 pixels does not match this printer's page of "
                        "2380 x 3390 pixels: the sheet would take 200 % of the page's width and 100 % of its height.")},
        // A page larger than the printer's by 9 %: the right-hand column
        // would fall off the paper.
        {4760, 6780, 600, 5188, 6780,
         QStringLiteral("The hand-set printer resolution of 5188 x 6780 pixels does not match this printer's page of "
                        "4760 x 6780 pixels: the sheet would take 109 % of the page's width and 100 % of its height. At "
                        "a hand-set height of 6780 pixels the texts would print at 2 times their size (a size-10 text "
                        "at 20 points).")},
        // Larger by a few pixels is larger all the same.
        {2380, 3390, 300, 2400, 3390,
         QStringLiteral("The hand-set printer resolution of 2400 x 3390 pixels does not match this printer's page of "
                        "2380 x 3390 pixels: the sheet would take 101 % of the page's width and 100 % of its height.")},
        {2380, 3390, 300, 2380, 3391,
         QStringLiteral("The hand-set printer resolution of 2380 x 3391 pixels does not match this printer's page of "
                        "2380 x 3390 pixels: the sheet would take 100 % of the page's width and 100 % of its height.")},
        // What the setting is for: a 300-dpi page, smaller within a tenth.
        {2380, 3390, 300, 2360, 3390, QString()},
        {2380, 3390, 300, 2142, 3051, QString()},
    };
    for (const auto& c : cases) {
        for (const bool printAnyway : {false, true}) {
            SCOPED_TRACE(c.Warning.toStdString());
            UsePrinter(c.Width, c.Height, c.PixelsPerInch);
            PrinterRes = true;
            PrinterResX = c.X;
            PrinterResY = c.Y;
            QStringList seen;
            // Where a box is to come, it is read and answered once it shows.
            if (!c.Warning.isEmpty())
                QTimer::singleShot(0, [&seen, printAnyway] {
                    auto* box = qobject_cast<TMessageForm*>(QApplication::activeModalWidget());
                    ASSERT_NE(box, nullptr);
                    ASSERT_EQ(box->Buttons().size(), 2);
                    seen << box->windowTitle() + QStringLiteral(": ") + box->MessageLabel()->text();
                    box->Buttons()[printAnyway ? 0 : 1]->click();
                });
            Form->PrintSheet(0, nullptr);
            PrinterRes = false;
            if (c.Warning.isEmpty()) {
                // No box: the sheet is printed at once.
                EXPECT_EQ(Page->Jobs.size(), 2);
                continue;
            }
            EXPECT_EQ(seen, QStringList{QStringLiteral("Warning: ") + c.Warning + ask});
            EXPECT_EQ(Page->Jobs.size(), printAnyway ? 2 : 0);
        }
    }
}

TEST_F(PrintFormTest, AHandSetResolutionTooLargeToComputeASheetForIsReportedAndNotPrinted)
{
    const QString place = QStringLiteral("An error occured in PrintSheet:\r\n");
    // Beyond four times the layout space on a side (2400 dots per inch),
    // whether the figures could still be computed or not.
    const struct {
        int X, Y;
    } cases[] = {{4761, 2147483647}, {2147483647, 2147483647}, {4761, 40000000}, {100000, 150000}, {19045, 6780},
                 {4761, 27121}};
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(c.X).arg(c.Y).toStdString());
        Page->Jobs.clear();
        PrinterRes = true;
        PrinterResX = c.X;
        PrinterResY = c.Y;
        const TRecordingErrorSink errors;
        Form->PrintSheet(1, nullptr);
        PrinterRes = false;
        EXPECT_EQ(errors.Texts(),
                  QStringList{place
                              + QStringLiteral("The hand-set printer resolution of %1 x %2 pixels is too large for the "
                                               "sheet to be computed: set a smaller one at \"Set printer resolution\" "
                                               "in the options.")
                                    .arg(c.X)
                                    .arg(c.Y)});
        // No job is started, and no warning asks first.
        EXPECT_TRUE(Page->Jobs.isEmpty());
    }
}

TEST_F(PrintFormTest, ChangingTheLogoSettingReloadsTheLogoAndKeepsTheCounterPicture)
{
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    const QImage first = LogoImage->Image();
    OldLogo = true;
    Form->SetupPrint(FCar.get(), true);
    OldLogo = false;
    EXPECT_NE(LogoImage->Image(), first);
    EXPECT_EQ(CounterImage->Width(), 50);
    EXPECT_EQ(CounterImage->Height(), 100);
}

TEST_F(PrintFormTest, AMissingLogoEndsTheSetUpWithThePicturesError)
{
    // Outside the runtime folder there is no Graphics folder.
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_TEST_DIR));
    EXPECT_ANY_THROW(Form->SetupPrint(FCar.get(), true));
}

TEST_F(PrintFormTest, EscClosesTheForm)
{
    Form->show();
    ASSERT_TRUE(Form->isVisible());
    QTest::keyClick(Form.get(), Qt::Key_Escape);
    EXPECT_FALSE(Form->isVisible());
    Form->show();
    Form->acReturn->trigger();
    EXPECT_FALSE(Form->isVisible());
}

TEST_F(PrintFormTest, EveryJokeEntryShowsTheSameErrorMessageWithAnOkButton)
{
    QMenu* fablor = Form->findChild<QMenu*>(QStringLiteral("mnupFablor"));
    ASSERT_NE(fablor, nullptr);
    QStringList seen;
    int entries = 0;
    for (QAction* entry : fablor->actions()) {
        if (entry->isSeparator())
            continue;
        ++entries;
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<TMessageForm*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            ASSERT_EQ(box->Buttons().size(), 1);
            seen << box->windowTitle() + QStringLiteral(": ") + box->MessageLabel()->text() + QStringLiteral(" [")
                        + box->Buttons()[0]->text().remove(QLatin1Char('&')) + QStringLiteral("]");
            box->Buttons()[0]->click();
        });
        entry->trigger();
    }
    EXPECT_EQ(entries, 10);
    EXPECT_EQ(fablor->actions().size(), 15);
    ASSERT_EQ(seen.size(), 10);
    EXPECT_EQ(seen.first(), QStringLiteral("Error: Yeah... right... *sigh* [OK]"));
    EXPECT_EQ(seen.count(seen.first()), 10);
}

TEST_F(PrintFormTest, AClickOnAPreviewPrintsItsSheet)
{
    EXPECT_FALSE(Form->imgDefault->pixmap().isNull());
    EXPECT_FALSE(Form->imgDuel->pixmap().isNull());
    Form->show();
    QTest::mouseClick(Form->imgDuel, Qt::LeftButton);
    EXPECT_TRUE(Log().contains(QStringLiteral("Rect 1900,2760,4755,5860")));
    Log().clear();
    QTest::mouseClick(Form->imgDefault, Qt::LeftButton);
    EXPECT_EQ(Page->Jobs.size(), 4);
    EXPECT_FALSE(Log().contains(QStringLiteral("Rect 1900,2760,4755,5860")));
}

} // namespace
