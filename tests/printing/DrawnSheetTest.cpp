#include "ImagePrinter.h"
#include "PrintFixture.h"

#include "model/EnumTexts.h"
#include "model/Global.h"
#include "model/RuleTables.h"
#include "printing/PrintUtils.h"
#include "printing/SheetTexts.h"

namespace {

// Sheets drawn with the program's own canvas, in the system's fonts, and
// read from the pixels.
class DrawnSheetTest : public PrintFixture
{
protected:
    // A printer of an A4 page at that resolution drawing the part window
    // (layout units) of it.
    TImagePrinter& UseImagePrinter(int pixelsPerInch, const QRect& window)
    {
        const int width = 4761 * pixelsPerInch / 600;
        const int height = 6780 * pixelsPerInch / 600;
        const QRect pixels(QPoint(window.left() * width / 4761, window.top() * height / 6780),
                           QPoint(window.right() * width / 4761 + 1, window.bottom() * height / 6780 + 1));
        FImage.reset();
        FImage = std::make_unique<TImagePrinter>(width, height, pixelsPerInch, pixels);
        ReadPrinterMetrics();
        return *FImage;
    }
    ~DrawnSheetTest() override { FImage.reset(); }

    std::unique_ptr<TImagePrinter> FImage;
};

TEST_F(DrawnSheetTest, ATwentyCharacterNameThatFitsPrintsAtThirtyPointsBetweenTheBoxAndTheAuthorLine)
{
    // The sheet font's stand-in, a sans face, holds twenty letters across
    // the box; the fixed face of the other setting eighteen.
    const struct {
        bool SheetFont;
        const char* Name;
    } cases[] = {{true, "Lightbringer Mark II"}, {false, "Lightbringer Mk II"}};
    for (const auto& c : cases) {
        for (const int dpi : {300, 600, 1200}) {
            SCOPED_TRACE(QStringLiteral("%1 %2 dpi").arg(QLatin1String(c.Name)).arg(dpi).toStdString());
            V().Name = QString::fromLatin1(c.Name);
            PrintFont = c.SheetFont;
            TImagePrinter& page = UseImagePrinter(dpi, QRect(1900, 7, 2856, 515));
            Form->PrintTitleBlock(1900, 7, 2855);
            PrintFont = false;
            const QVector<TDrawnText>& texts = page.Noted().Texts;
            ASSERT_GE(texts.size(), 2);
            EXPECT_EQ(texts[0].Text, V().Name);
            EXPECT_EQ(texts[0].Size, 30);
            // Its letters keep below the box's top edge and above the author's.
            EXPECT_GT(texts[0].Y + texts[0].Ink.Top, ScaleY(7) + 1);
            EXPECT_LE(texts[0].Y + texts[0].Ink.Bottom, texts[1].Y + texts[1].Ink.Top);
        }
    }
}

TEST_F(DrawnSheetTest, EveryDuelEntryKeepsItsAbbreviationItsPlaceAndItsMarksBetweenItsRules)
{
    constexpr int X = 1;
    constexpr int Y = 2760;
    for (const int dpi : {300, 600, 1200}) {
        for (const bool place : {false, true}) {
            for (const bool fireproof : {false, true}) {
                for (int t = 0; t < WeaponTypes.Items.size(); ++t) {
                    TWeaponType w = WeaponTypes.Items[t];
                    SCOPED_TRACE(QStringLiteral("%1 dpi %2 %3 %4").arg(dpi).arg(w.Abbreviation).arg(place).arg(fireproof).toStdString());
                    V().Weapons.Items.clear();
                    w.Location = locRocketPlatform;
                    w.SWC = true;
                    w.HRSWC = true;
                    w.CA = 3;
                    w.CA_FP = fireproof;
                    int index = 0;
                    V().AddWeapon(w, index);
                    PrinterWeaponLoc = place;
                    TImagePrinter& page = UseImagePrinter(dpi, QRect(0, Y, 1860, 210));
                    Form->PrintDuelWeaponTable(X, Y, 1857);
                    const TWeaponEntry entry = WeaponEntry(w.Abbreviation, w);
                    PrinterWeaponLoc = false;
                    QStringList lines;
                    for (const TDrawnText& text : page.Noted().Texts)
                        if (text.X < ScaleX(X + 500) && text.Y > ScaleY(Y + 100) - 20)
                            lines << text.Text;
                    ASSERT_FALSE(lines.isEmpty());
                    const QString printed = lines.join(QLatin1Char('\n'));
                    const QString ca = entry.Marks.last().trimmed();
                    // The abbreviation and the component armor stay whole
                    // whatever else must give way.
                    EXPECT_TRUE(lines[0].startsWith(w.Abbreviation)) << printed.toStdString();
                    EXPECT_TRUE(lines.last().endsWith(ca)) << printed.toStdString();
                    // With plain component armor two lines hold both SWC
                    // marks, and everything when the place is not shown.
                    const auto letters = [](QString text) { return text.remove(QLatin1Char(' ')).remove(QLatin1Char('\n')); };
                    if (!fireproof) {
                        EXPECT_TRUE(printed.contains(QLatin1String("(HRSWC)"))) << printed.toStdString();
                        if (!place) {
                            EXPECT_EQ(letters(printed), letters(w.Abbreviation + entry.Marks.join(QString())));
                        }
                    }
                    EXPECT_TRUE(printed.contains(QLatin1String("(SWC)"))) << printed.toStdString();
                    // The letters keep inside the column and off the row's
                    // rules, with a row of paper next to each from 600 dpi
                    // on (at 300 dpi the two lines fill the row).
                    const int air = dpi >= 600 ? 1 : 0;
                    const int left = ScaleX(X + 10);
                    const int right = ScaleX(X + 475);
                    const int ruleAbove = ScaleY(Y + 100);
                    const int ruleBelow = ScaleY(Y + 200);
                    for (int x = ScaleX(X) + 2; x < ScaleX(X + 500); ++x) {
                        for (int y = ruleAbove + 1; y < ruleBelow; ++y) {
                            if (!page.Inked(x, y) || x >= ScaleX(X + 500) - 1)
                                continue;
                            ASSERT_TRUE(x >= left - 1 && x <= right) << "column " << x << " of " << left << " to " << right;
                            ASSERT_TRUE(y > ruleAbove + air && y < ruleBelow - air)
                                << "row " << y << " between rules at " << ruleAbove << " and " << ruleBelow;
                        }
                    }
                }
            }
        }
    }
}

} // namespace
