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

TEST_F(DrawnSheetTest, EveryDuelEntryKeepsItsAbbreviationWholeThenEveryMarkBetweenItsRules)
{
    constexpr int X = 1;
    constexpr int Y = 2760;
    const QString prefixes[] = {QString(), QStringLiteral("p"), QStringLiteral("IR "), QStringLiteral("IR p")};
    // Blanks and the line break aside, so that a mark split from the
    // previous text by the break still reads as itself.
    const auto letters = [](QString text) { return text.remove(QLatin1Char(' ')).remove(QLatin1Char('\n')); };
    for (const int dpi : {300, 600, 1200}) {
        for (const bool place : {false, true}) {
            for (int marks = 0; marks < 12; ++marks) {
                for (int t = 0; t < WeaponTypes.Items.size(); ++t) {
                    for (int laser = 0; laser < 4; ++laser) {
                        TWeaponType w = WeaponTypes.Items[t];
                        w.LaserPulse = laser % 2 == 1;
                        w.LaserIR = laser >= 2;
                        w.Location = locRocketPlatform;
                        w.SWC = marks % 2 == 1;
                        w.HRSWC = marks / 2 % 2 == 1;
                        w.CA = marks / 4 > 0 ? 3 : 0;
                        w.CA_FP = marks / 4 == 2;
                        const QString name = prefixes[laser] + w.Abbreviation;
                        SCOPED_TRACE(QStringLiteral("%1 dpi %2 place %3 marks %4").arg(dpi).arg(name).arg(place).arg(marks).toStdString());
                        V().Weapons.Items.clear();
                        int index = 0;
                        V().AddWeapon(w, index);
                        PrinterWeaponLoc = place;
                        TImagePrinter& page = UseImagePrinter(dpi, QRect(0, Y, 1860, 210));
                        Form->PrintDuelWeaponTable(X, Y, 1857);
                        const TWeaponEntry entry = WeaponEntry(name, w);
                        PrinterWeaponLoc = false;
                        QStringList lines;
                        for (const TDrawnText& text : page.Noted().Texts)
                            if (text.X < ScaleX(X + 500) && text.Y > ScaleY(Y + 100) - 20)
                                lines << text.Text;
                        ASSERT_FALSE(lines.isEmpty());
                        const QString printed = lines.join(QLatin1Char('\n'));
                        // The name stays whole, and every mark, in its own
                        // form or its shorter one; only the place may be cut.
                        ASSERT_TRUE(lines[0].startsWith(name)) << printed.toStdString();
                        QString rest = letters(printed.mid(name.size()));
                        const QString placeLetters = letters(entry.Place);
                        if (!placeLetters.isEmpty()) {
                            qsizetype p = 0;
                            while (p < rest.size() && p < placeLetters.size() && rest[p] == placeLetters[p])
                                ++p;
                            if (p < rest.size() && rest[p] == Ellipsis)
                                ++p;
                            rest.remove(0, p);
                        }
                        const QString full = letters(entry.Marks.join(QString()));
                        const QString shorter = letters(entry.ShortMarks.join(QString()));
                        EXPECT_TRUE(rest == full || rest == shorter) << printed.toStdString();
                        if (!place && marks < 4) {
                            EXPECT_EQ(rest, full) << printed.toStdString();
                        }
                        // The letters keep inside the column and off the
                        // row's rules, with a row of paper next to each
                        // from 600 dpi on (at 300 dpi two lines fill the row).
                        const int air = dpi >= 600 ? 1 : 0;
                        const int left = ScaleX(X + 10);
                        const int right = ScaleX(X + 475);
                        const int ruleAbove = ScaleY(Y + 100);
                        const int ruleBelow = ScaleY(Y + 200);
                        for (int x = ScaleX(X) + 2; x < ScaleX(X + 500) - 1; ++x) {
                            for (int y = ruleAbove + 1; y < ruleBelow; ++y) {
                                if (!page.Inked(x, y))
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
}

} // namespace
