#include "RecordingPrinter.h"

#include "model/Global.h"
#include "platform/gui/Bitmap32.h"
#include "printing/PrintUtils.h"

#include <gtest/gtest.h>

namespace {

// Every test prints on a recording printer whose page it chooses; the
// resolution settings start as the program's defaults.
class PrintUtilsTest : public ::testing::Test
{
protected:
    PrintUtilsTest()
    {
        PrinterRes = false;
        PrinterResX = 4761;
        PrinterResY = 6780;
    }

    void UsePage(int width, int height)
    {
        Page = std::make_unique<TRecordingPrinter>(width, height);
        ReadPrinterMetrics();
    }

    QStringList& Log() { return Page->Recorder.Log; }

    std::unique_ptr<TRecordingPrinter> Page;
};

TEST_F(PrintUtilsTest, LayoutUnitsAreThePixelsOfTheDefaultPage)
{
    UsePage(4761, 6780);
    for (int v : {0, 1, 160, 2380, 4761, 6780})
        EXPECT_EQ(ScaleX(v), v);
    EXPECT_EQ(ScaleY(6780), 6780);
}

TEST_F(PrintUtilsTest, A300DpiPageHalvesTheLayoutAndKeepsNegativeCoordinates)
{
    UsePage(2380, 3390);
    EXPECT_EQ(ScaleX(4761), 2380);
    EXPECT_EQ(ScaleY(6780), 3390);
    EXPECT_EQ(ScaleX(-160), -80);
    // 3 / 4761 * 2380 is just below 1.5, 3 / 6780 * 3390 exactly 1.5: even.
    EXPECT_EQ(ScaleX(3), 1);
    EXPECT_EQ(ScaleY(3), 2);
    EXPECT_EQ(ScaleY(1), 0);
}

TEST_F(PrintUtilsTest, AnExactHalfPixelGoesToTheEvenPixel)
{
    UsePage(2380, 3390);
    // In floating point 7 / 6780 * 3390 comes out just below 3.5 and
    // 113 / 6780 * 3390 just above 56.5.
    const struct {
        int Y;
        int Expected;
    } cases[] = {{1, 0}, {5, 2}, {7, 4}, {113, 56}, {-7, -4}, {-113, -56}};
    for (const auto& c : cases)
        EXPECT_EQ(ScaleY(c.Y), c.Expected) << c.Y;
}

TEST_F(PrintUtilsTest, MetricsComeFromTheSettingsWhenTheResolutionIsSetByHand)
{
    UsePage(2380, 3390);
    EXPECT_EQ(ScaleFontSize(10), 10);
    PrinterRes = true;
    ReadPrinterMetrics();
    EXPECT_EQ(PageWidth, 4761);
    EXPECT_EQ(PageHeight, 6780);
    EXPECT_EQ(ScaleFontSize(10), 20);
    PrinterResY = 3390;
    ReadPrinterMetrics();
    EXPECT_EQ(ScaleFontSize(10), 10);
    EXPECT_EQ(ScaleFontSize(7), 7);
}

TEST_F(PrintUtilsTest, HandSetResolutionPrintsASizeTenTextWithATwentyPointFont)
{
    UsePage(2380, 3390);
    PrinterRes = true;
    ReadPrinterMetrics();
    PrintText(QStringLiteral("Notes:"), 1, 2760, 10, fsBold, false);
    EXPECT_EQ(Log(), QStringList{QStringLiteral("Text 1,2760 20b Notes:")});
    EXPECT_EQ(Page->Recorder.Texts[0].Font.PixelsPerInch, 600);
}

TEST_F(PrintUtilsTest, TextIsWrittenAtItsTopLeftOrCentredWithTheHalfWidthTruncated)
{
    UsePage(2380, 3390);
    Page->Recorder.Font.Name = QStringLiteral("MS Sans Serif");
    PrintText(QStringLiteral("Weapon"), 1900, 2770, 10, fsBold, false);
    // "abc" at size 10 and 600 pixels per inch measures 125 pixels: the left
    // edge is 62, not 62.5 or 63, pixels left of the centre.
    PrintText(QStringLiteral("abc"), 1000, 100, 10, 0, true);
    EXPECT_EQ(Log(), (QStringList{QStringLiteral("Text 950,1385 10b Weapon"), QStringLiteral("Text 438,50 10 abc")}));
    EXPECT_EQ(Page->Recorder.Texts[1].Font.Name, QStringLiteral("MS Sans Serif"));
}

TEST_F(PrintUtilsTest, AFittedTextKeepsItsSizeIsPrintedSmallerOrIsCut)
{
    UsePage(4761, 6780);
    // 420 pixels hold ten characters of size 10, eleven of size 9 and
    // sixteen of size 6, the smallest. A smaller text stands on the baseline
    // of size 10, 66 below the top: 6 lower at size 9, 26 at size 6.
    const struct {
        const char* Text;
        const char* Printed;
    } cases[] = {
        {"abcdefghij", "Text 0,0 10 abcdefghij"},
        {"abcdefghijk", "Text 0,6 9 abcdefghijk"},
        {"abcdefghijklmnop", "Text 0,26 6 abcdefghijklmnop"},
        {"abcdefghijklmnopqrst", "Text 0,26 6 abcdefghijklmno\u2026"},
        // A cut word leaves no blank before the ellipsis.
        {"abcdefghijklmn pqrst", "Text 0,26 6 abcdefghijklmn\u2026"},
    };
    for (const auto& c : cases) {
        Log().clear();
        PrintPlacedText(PlaceFittedText(QString::fromLatin1(c.Text), 0, 0, 420, 10, 0, false));
        EXPECT_EQ(Log(), QStringList{QString::fromUtf8(c.Printed)});
    }
}

TEST_F(PrintUtilsTest, APictureIsDrawnUnderAPlaceOnlyWhereItPutsMoreThanWhitePaper)
{
    UsePage(4761, 6780);
    // A 10 x 10 picture enlarged 6 times from (-160, 500): its pixel (5, 5)
    // covers the page from (-130, 530) to (-124, 536).
    TBitmap32 picture(10, 10);
    picture.Clear(clWhite32);
    picture.SetPixel(5, 5, clBlack32);
    EXPECT_TRUE(DrawnUnder(picture, -160, 500, 6, TRect{-130, 530, -124, 536}));
    EXPECT_TRUE(DrawnUnder(picture, -160, 500, 6, TRect{-200, 400, -129, 531}));
    EXPECT_FALSE(DrawnUnder(picture, -160, 500, 6, TRect{-124, 530, -100, 560}));
    EXPECT_FALSE(DrawnUnder(picture, -160, 500, 6, TRect{0, 0, 100, 100}));
    // Transparent pixels print white when the picture blends.
    picture.Clear(0u);
    picture.DrawMode = TDrawMode::dmBlend;
    EXPECT_FALSE(DrawnUnder(picture, -160, 500, 6, TRect{-160, 500, -100, 560}));
    // A field reaches FieldMargin beyond the text's ends, not above or below.
    Log().clear();
    PrintField(TRect{100, 200, 300, 250});
    EXPECT_EQ(Log(), QStringList{QStringLiteral("Fill 92,200,308,250")});
}

TEST_F(PrintUtilsTest, BoxesScaleTheirSizeOnTheirOwn)
{
    UsePage(2380, 3390);
    PrintRect(1900, 2760, 2855, 1100);
    PrintBox(1900, 2760, 2855, 1100);
    EXPECT_EQ(Log(), (QStringList{QStringLiteral("Rect 950,1380,2377,1930"), QStringLiteral("MoveTo 950,1380"),
                                  QStringLiteral("LineTo 2377,1380"), QStringLiteral("LineTo 2377,1930"),
                                  QStringLiteral("LineTo 950,1930"), QStringLiteral("LineTo 950,1380")}));
}

TEST_F(PrintUtilsTest, LinesEndOnePixelLeftOfTheirOffset)
{
    UsePage(4761, 6780);
    PrintLine(1, 2860, 1857, 0);
    PrintLine(1900, 2860, 0, 100);
    EXPECT_EQ(Log(), (QStringList{QStringLiteral("MoveTo 1,2860"), QStringLiteral("LineTo 1857,2860"),
                                  QStringLiteral("MoveTo 1900,2860"), QStringLiteral("LineTo 1899,2960")}));
}

TEST(FitRectTest, TheLargestRectangleOfTheSourceShapeIsCentred)
{
    struct Case {
        TRect Src, Dst, Expected;
    };
    const Case cases[] = {
        {{0, 0, 50, 100}, {151, 6450, 776, 6750}, {388, 6450, 538, 6750}},
        {{0, 0, 2000, 3000}, {0, 0, 4000, 4000}, {666, 0, 3333, 4000}},
        {{0, 0, 100, 10}, {0, 0, 100, 100}, {0, 45, 100, 55}},
        {{0, 0, 30, 30}, {-80, 250, -20, 310}, {-80, 250, -20, 310}},
    };
    for (const Case& c : cases) {
        TRect r;
        FitRect(c.Src, c.Dst, r);
        EXPECT_EQ(r, c.Expected) << c.Dst.Left << "," << c.Dst.Top;
    }
}

TEST(FitRectTest, AnEmptySourceLeavesTheResultAlone)
{
    const TRect untouched{1, 2, 3, 4};
    for (const TRect& src : {TRect{0, 0, 0, 10}, TRect{0, 0, 10, 0}}) {
        TRect r = untouched;
        FitRect(src, TRect{0, 0, 100, 100}, r);
        EXPECT_EQ(r, untouched);
    }
}

TEST_F(PrintUtilsTest, ACounterPictureIsFittedIntoItsBoxInOneTile)
{
    UsePage(4761, 6780);
    TBitmap32 counter(50, 100);
    counter.Clear(clBlack32);
    PrintBitmapTiled(counter, TRect{151, 6450, 776, 6750}, 1024);
    EXPECT_EQ(Log(), QStringList{QStringLiteral("Draw 388,6450 150x300")});
}

TEST_F(PrintUtilsTest, ALargePictureGoesOutInTilesTheLastColumnAndRowNarrower)
{
    UsePage(4761, 6780);
    TBitmap32 picture(2000, 3000);
    picture.Clear(clBlack32);
    PrintBitmapTiled(picture, TRect{0, 0, 4000, 4000}, 1024);
    QStringList expected;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j)
            expected << QStringLiteral("Draw %1,%2 %3x%4")
                            .arg(666 + 1024 * i)
                            .arg(1024 * j)
                            .arg(i < 2 ? 1024 : 619)
                            .arg(j < 3 ? 1024 : 928);
    EXPECT_EQ(Log(), expected);
}

TEST_F(PrintUtilsTest, AnEmptyPicturePrintsNothing)
{
    UsePage(4761, 6780);
    PrintBitmapTiled(TBitmap32(), TRect{0, 0, 100, 100}, 1024);
    PrintImage(TBitmap32(), 0, 0, 4);
    EXPECT_TRUE(Log().isEmpty());
}

TEST_F(PrintUtilsTest, AnImageIsEnlargedByItsFactorFromItsLayoutPosition)
{
    UsePage(2380, 3390);
    TBitmap32 plan(365, 373);
    plan.Clear(clBlack32);
    // The layout plan at (-160, 500) with factor 6 spans x -160 to 2030 and
    // y 500 to 2738: (-80, 250) to (1015, 1369) on this page, in 2 x 2 tiles.
    PrintImage(plan, -160, 500, 6);
    EXPECT_EQ(Log(), (QStringList{QStringLiteral("Draw -80,250 1024x1024"), QStringLiteral("Draw -80,1274 1024x95"),
                                  QStringLiteral("Draw 944,250 71x1024"), QStringLiteral("Draw 944,1274 71x95")}));
}

TEST_F(PrintUtilsTest, TransparentPixelsPrintWhite)
{
    UsePage(4761, 6780);
    TBitmap32 logo(2, 1);
    logo.DrawMode = TDrawMode::dmBlend;
    logo.SetPixel(0, 0, 0x00000000u);
    logo.SetPixel(1, 0, 0xFF102030u);
    PrintBitmapTiled(logo, TRect{0, 0, 2, 1}, 1);
    EXPECT_EQ(Page->Recorder.DrawnCorners, (QVector<unsigned>{clWhite32, 0xFF102030u}));
}

} // namespace
