#include "SheetFixture.h"

#include "gamecar/LayoutPlan.h"
#include "gamecar/OfficialDescription.h"
#include "model/Global.h"
#include "model/Vehicle.h"
#include "printing/SheetTexts.h"

#include <QPoint>
#include <QRect>
#include <QRegularExpression>
#include <QMap>
#include <QVector>
#include <gtest/gtest-spi.h>

namespace {

// One text of a printed sheet with the boxes drawn before it and its line
// in the log.
struct TPlacedText
{
    TRecordedText Text;
    qsizetype BoxesBefore = 0;
    qsizetype LogLine = 0;
};

// A white area laid on the page, a section box or a field behind a text,
// with its line in the log: it blanks the pictures drawn before it.
struct TWhiteArea
{
    QRect Place;
    qsizetype LogLine = 0;
};

// A printed sheet as the recording printer saw it: the boxes, whether filled
// rectangles or outlines of four lines, in drawing order, the texts, the
// pictures and the white areas.
struct TSheetPlaces
{
    QVector<QRect> Boxes;
    QVector<TPlacedText> Texts;
    QVector<TRecordedPicture> Pictures;
    QVector<TWhiteArea> WhiteAreas;
    // The horizontal rules drawn on their own, a pixel high.
    QVector<QRect> Rules;
};

// "x1,y1,x2,y2" with the right and bottom edges exclusive.
QRect RectOf(const QString& corners)
{
    const QStringList c = corners.split(QLatin1Char(','));
    return QRect(QPoint(c[0].toInt(), c[1].toInt()), QPoint(c[2].toInt() - 1, c[3].toInt() - 1));
}

QPoint PointOf(const QString& line)
{
    const QStringList xy = line.section(QLatin1Char(' '), 1, 1).split(QLatin1Char(','));
    return {xy[0].toInt(), xy[1].toInt()};
}

TSheetPlaces Read(const QStringList& log, const QVector<TRecordedText>& texts,
                  const QVector<TRecordedPicture>& pictures = {})
{
    TSheetPlaces sheet;
    sheet.Pictures = pictures;
    qsizetype nextText = 0;
    for (qsizetype i = 0; i < log.size(); ++i) {
        const QString& line = log[i];
        if (line.startsWith(QLatin1String("Text "))) {
            sheet.Texts.append({texts[nextText++], sheet.Boxes.size(), i});
        } else if (line.startsWith(QLatin1String("Rect "))) {
            sheet.Boxes.append(RectOf(line.mid(5)));
            sheet.WhiteAreas.append({sheet.Boxes.last(), i});
        } else if (line.startsWith(QLatin1String("Fill "))) {
            sheet.WhiteAreas.append({RectOf(line.mid(5)), i});
        } else if (line.startsWith(QLatin1String("MoveTo ")) && i + 4 < log.size()) {
            // An outline: four lines round a rectangle back to the start.
            QVector<QPoint> corners{PointOf(line)};
            for (qsizetype k = 1; k <= 4 && log[i + k].startsWith(QLatin1String("LineTo ")); ++k)
                corners << PointOf(log[i + k]);
            if (corners.size() == 5 && corners[4] == corners[0] && corners[1].y() == corners[0].y()
                && corners[2].x() == corners[1].x() && corners[3].y() == corners[2].y()
                && corners[3].x() == corners[0].x())
                sheet.Boxes.append(QRect(corners[0], corners[2]).normalized());
            else if (corners.size() == 2 && corners[1].y() == corners[0].y())
                sheet.Rules.append(QRect(corners[0], corners[1]).normalized());
        }
    }
    return sheet;
}

QString Describe(const QRect& r)
{
    return QStringLiteral("(%1,%2)-(%3,%4)").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
}

// Every text lies wholly inside the box it stands in (the last one drawn
// before it round its centre), a text outside every box touches none, and no
// two texts share a pixel.
void ExpectEveryTextInItsBoxAndClearOfTheOthers(const TSheetPlaces& sheet)
{
    const QRect page(0, 0, 4761, 6780);
    QVector<const TPlacedText*> drawn;
    for (const TPlacedText& placed : sheet.Texts) {
        // An empty text puts nothing on the page.
        if (placed.Text.Text.isEmpty())
            continue;
        drawn << &placed;
        const QRect place = placed.Text.Place;
        const std::string what = (placed.Text.Text + QLatin1Char(' ') + Describe(place)).toStdString();
        EXPECT_TRUE(page.contains(place)) << what;
        const QRect* box = nullptr;
        for (qsizetype b = placed.BoxesBefore - 1; b >= 0 && !box; --b) {
            if (sheet.Boxes[b].contains(place.center()))
                box = &sheet.Boxes[b];
        }
        if (box) {
            EXPECT_TRUE(box->contains(place)) << what << " outside its box " << Describe(*box).toStdString();
        } else {
            for (const QRect& other : sheet.Boxes)
                EXPECT_FALSE(other.intersects(place)) << what << " on the box " << Describe(other).toStdString();
        }
    }
    // What the letters ink: two lines of a row may share their cells' edges.
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        for (qsizetype j = i + 1; j < drawn.size(); ++j) {
            EXPECT_FALSE(drawn[i]->Text.Ink.intersects(drawn[j]->Text.Ink))
                << drawn[i]->Text.Text.toStdString() << " " << Describe(drawn[i]->Text.Ink).toStdString()
                << " over " << drawn[j]->Text.Text.toStdString() << " " << Describe(drawn[j]->Text.Ink).toStdString();
        }
    }
    // No text's letters touch a table's rule, nor the row of paper next to it.
    for (const QRect& rule : sheet.Rules)
        for (const TPlacedText* placed : drawn)
            EXPECT_FALSE(placed->Text.Ink.intersects(rule.adjusted(0, -1, 0, 1)))
                << placed->Text.Text.toStdString() << " " << Describe(placed->Text.Ink).toStdString()
                << " on the rule " << Describe(rule).toStdString();
}

// No text stands over a pixel that a picture drew, unless a white area laid
// after the picture and before the text (a section box or a field of its
// own) blanks that pixel.
void ExpectNoTextOverAPicture(const TSheetPlaces& sheet)
{
    for (const TPlacedText& placed : sheet.Texts) {
        if (placed.Text.Text.isEmpty())
            continue;
        for (const TRecordedPicture& picture : sheet.Pictures) {
            if (picture.LogLinesBefore > placed.LogLine)
                continue;
            const QRect drawn(picture.X, picture.Y, picture.Bitmap.Width(), picture.Bitmap.Height());
            const QRect common = drawn.intersected(placed.Text.Place);
            if (common.isEmpty())
                continue;
            QVector<QRect> blanks;
            for (const TWhiteArea& area : sheet.WhiteAreas)
                if (area.LogLine > picture.LogLinesBefore && area.LogLine < placed.LogLine)
                    blanks << area.Place;
            const auto blank = [&blanks](QPoint p) {
                return std::any_of(blanks.begin(), blanks.end(), [p](const QRect& r) { return r.contains(p); });
            };
            int over = 0;
            for (int y = common.top(); y <= common.bottom(); ++y)
                for (int x = common.left(); x <= common.right(); ++x)
                    if ((picture.Bitmap.Pixel(x - picture.X, y - picture.Y) & 0xFFFFFFu) != 0xFFFFFFu
                        && !blank(QPoint(x, y)))
                        ++over;
            EXPECT_EQ(over, 0) << placed.Text.Text.toStdString() << " " << Describe(placed.Text.Place).toStdString()
                               << " over the picture at " << Describe(drawn).toStdString();
        }
    }
}

// No number of the source text is split between two lines of a text block
// (the same left edge and size, one line under the other): where a line ends
// in a digit followed by a comma or full stop, or in a minus, and the next
// goes on with a digit, or where a line ends in a digit and a hyphen, the
// source must have a blank between the two; and no line ends in the dollar
// sign of the amount that starts the next.
void ExpectNoNumberSplit(const TSheetPlaces& sheet, const QString& source)
{
    static const QRegularExpression cutEnd(QStringLiteral("(\\d[,.]|-|\\$)$"));
    static const QRegularExpression digitStart(QStringLiteral("^\\d"));
    static const QRegularExpression countEnd(QStringLiteral("\\d-$"));
    for (qsizetype i = 1; i < sheet.Texts.size(); ++i) {
        const TRecordedText& above = sheet.Texts[i - 1].Text;
        const TRecordedText& below = sheet.Texts[i].Text;
        const bool nextLine = above.X == below.X && above.Font.Size == below.Font.Size && below.Y > above.Y
                              && below.Y - above.Y <= 2 * above.Place.height();
        if (!nextLine
            || !((above.Text.contains(cutEnd) && below.Text.contains(digitStart)) || above.Text.contains(countEnd)))
            continue;
        EXPECT_FALSE(above.Text.endsWith(QLatin1Char('$')) || source.contains(above.Text.right(12) + below.Text.left(12)))
            << above.Text.toStdString() << " | " << below.Text.toStdString();
    }
}

// Every weapon in a table row keeps its SWC marks and its component armor
// whole on the sheet, whatever of its name had to give way.
void ExpectEveryWeaponsMarksWhole(const TSheetPlaces& sheet, const TVehicle& V)
{
    QString printed;
    for (const TPlacedText& placed : sheet.Texts)
        printed += placed.Text.Text + QLatin1Char('\n');
    for (int i = 0; i < std::min(V.WeaponCount(), 10); ++i) {
        TWeaponType w;
        V.GetWeapon(i, w);
        for (const QString& mark : WeaponEntry(w.Abbreviation, w).Marks)
            EXPECT_TRUE(printed.contains(mark.trimmed())) << mark.toStdString();
    }
}

class SheetTextPlacesTest : public SheetTest
{
protected:
    SheetTextPlacesTest() { Page->Recorder.KeepPictures = true; }

    // Both sheets of the open design, printed with its own layout plan.
    void ExpectBothSheetsInTheirBoxes()
    {
        DrawPlan();
        for (const int kind : {0, 1}) {
            SCOPED_TRACE(kind == 0 ? "record sheet" : "duel sheet");
            Clear();
            Form->PrintSheet(kind, nullptr);
            const TSheetPlaces sheet = Read(Log(), Page->Recorder.Texts, Page->Recorder.Pictures);
            ASSERT_GT(sheet.Texts.size(), 100);
            ASSERT_FALSE(sheet.Pictures.isEmpty());
            ExpectEveryTextInItsBoxAndClearOfTheOthers(sheet);
            ExpectNoTextOverAPicture(sheet);
            QString description;
            OfficialDescription(V(), false, description);
            ExpectNoNumberSplit(sheet, description);
            ExpectEveryWeaponsMarksWhole(sheet, V());
        }
    }
};

TEST_F(SheetTextPlacesTest, EveryTextOfASampleDesignsSheetsLiesInsideItsBoxAndOverNoOther)
{
    for (const char* design : {"Brickhouse.vx", "Gadfly.vx", "Lightbringer.vx", "Thunderwagon.vx", "VezeRidiv.vx"}) {
        SCOPED_TRACE(design);
        Open(design);
        ExpectBothSheetsInTheirBoxes();
    }
}

TEST_F(SheetTextPlacesTest, EveryNoteOnBothSheetsLiesInsideTheNotesBoxAndOverNoOtherText)
{
    Open("Thunderwagon.vx");
    AddEveryNote();
    ExpectBothSheetsInTheirBoxes();
}

TEST_F(SheetTextPlacesTest, TheLongestNameStaysInTheTitleBox)
{
    Open("Thunderwagon.vx");
    GiveLongestName();
    ExpectBothSheetsInTheirBoxes();
}

TEST_F(SheetTextPlacesTest, TheMostWeaponsKeepToTheirTablesAndThePlansListToItsCorner)
{
    for (const char* design : {"Thunderwagon.vx", "Brickhouse.vx", "VezeRidiv.vx"}) {
        SCOPED_TRACE(design);
        Open(design);
        MountMostWeapons();
        ExpectBothSheetsInTheirBoxes();
    }
}

TEST_F(SheetTextPlacesTest, TheSideFiguresGoWhereThePlanLeavesThemFree)
{
    for (const char* design : {"Thunderwagon.vx", "Brickhouse.vx", "VezeRidiv.vx", "Lightbringer.vx"}) {
        SCOPED_TRACE(design);
        Open(design);
        FitWheelGuardsAndHubcaps();
        V().Crew[0].CA = 3;
        ExpectBothSheetsInTheirBoxes();
        // No field hides the guards' and hubcaps' boxes: the figures of the
        // side columns stand where the plan has drawn nothing.
        for (const QString& fill : Matching(Log(), QStringLiteral("Fill "))) {
            const QRect field = RectOf(fill.mid(5));
            EXPECT_TRUE(field.left() > 400 && field.right() < 1458) << fill.toStdString();
        }
    }
}

TEST_F(SheetTextPlacesTest, ALongDescriptionWithEveryNoteAndTheMostWeaponsStaysInItsBox)
{
    Open("Thunderwagon.vx");
    GiveLongestName();
    MountMostWeapons();
    AddEveryNote();
    ExpectBothSheetsInTheirBoxes();
}

TEST_F(SheetTextPlacesTest, EveryPartAtOnceKeepsEachFigureClearOfTheOthersAndOfThePlan)
{
    // Side pods and the longest component-armor list push the left
    // column's figures down among the wheel guards' boxes.
    // Only the pickup has the gas engine whose mileage is a note.
    for (const char* design : {"Thunderwagon.vx", "Brickhouse.vx", "VezeRidiv.vx"}) {
        SCOPED_TRACE(design);
        Open(design);
        GiveLongestName();
        MountMostWeapons();
        if (V().GasEngine.CurrentMPG > 0)
            AddEveryNote();
        FitWheelGuardsAndHubcaps();
        FitSidePods();
        GiveCompositeFrontAndBack();
        ExpectBothSheetsInTheirBoxes();
    }
}

TEST_F(SheetTextPlacesTest, TheSideFiguresKeepTheirOrderAndCoverNoLineOfALongComponentArmorList)
{
    // Nineteen lines up to forty, beside side pods and among wheel guards'
    // and hubcaps' boxes.
    for (const int extra : {4, 11, 25})
    for (const int variant : {0, 1, 2}) {
        SCOPED_TRACE(QStringLiteral("%1 lines, variant %2").arg(15 + extra).arg(variant).toStdString());
        Open("Thunderwagon.vx");
        MountMostWeapons();
        for (int i = 0; i < extra; ++i) {
            Mount("MG", locBack);
            Weapon(V().WeaponCount() - 1).CA = 2;
        }
        if (variant >= 1)
            FitSidePods();
        if (variant == 2)
            FitWheelGuardsAndHubcaps();
        ExpectBothSheetsInTheirBoxes();
        const QVector<TCAListText> list = ComponentArmorList(*FCar, LayoutPicture.Width(), LayoutPicture.Height());
        ASSERT_EQ(list.size(), 15 + extra + 1);
        // Every line is laid, in the sheet's readable type, none counting lost ones.
        for (const TCAListText& line : list) {
            EXPECT_GE(line.FontSize, 9);
            EXPECT_FALSE(line.Text.startsWith(QLatin1Char('+'))) << line.Text.toStdString();
        }
        QVector<QRect> lines;
        for (const TCAListText& line : list)
            lines << QRect(-160 + 6 * line.Place.left(), 500 + 6 * line.Place.top(), 6 * line.Place.width(),
                           6 * line.Place.height());
        const auto onList = [&lines](const QRect& r) {
            return std::any_of(lines.begin(), lines.end(), [&r](const QRect& line) { return line.intersects(r); });
        };
        for (const QString& fill : Matching(Log(), QStringLiteral("Fill ")))
            EXPECT_FALSE(onList(RectOf(fill.mid(5)))) << fill.toStdString();
        QMap<QString, int> tops;
        for (const TRecordedText& text : Page->Recorder.Texts) {
            EXPECT_FALSE(onList(text.Ink)) << text.Text.toStdString();
            tops[text.Text] = text.Place.top();
        }
        // Down each column in the sheet's order.
        EXPECT_LT(tops.value(QStringLiteral("Left:")), tops.value(QStringLiteral("Top:")));
        EXPECT_LT(tops.value(QStringLiteral("Right:")), tops.value(QStringLiteral("Under:")));
        if (variant >= 1) {
            EXPECT_LT(tops.value(QStringLiteral("Top:")), tops.value(QStringLiteral("Back:")));
            EXPECT_LT(tops.value(QStringLiteral("Under:")), tops.value(QStringLiteral("EWP:")));
        }
    }
}

TEST_F(SheetTextPlacesTest, NoWidthOfTheDescriptionBoxBreaksANumber)
{
    Open("Thunderwagon.vx");
    V().HubsRear = 10;
    V().GuardsFront = 12;
    QString description;
    OfficialDescription(V(), false, description);
    ASSERT_TRUE(description.contains(QLatin1String("lbs, $ ")));
    ASSERT_TRUE(description.contains(QLatin1String("Hubcaps 10-point (rear)")));
    // Some width puts a line's end on every place of the text.
    for (int width = 400; width <= 2855; width += 5) {
        SCOPED_TRACE(width);
        Clear();
        Form->PrintDescription(1900, 2760, width, 3000, false);
        ExpectNoNumberSplit(Read(Log(), Page->Recorder.Texts), description);
    }
}

// The check itself: a text that runs out of its box, or over another, is
// found.
TEST(SheetTextPlacesCheckTest, FindsATextOutOfItsBoxAndTwoTextsOverEachOther)
{
    TRecordedText inside;
    inside.Text = QStringLiteral("Spoiler");
    inside.Place = QRect(76, 3350, 300, 50);
    inside.Ink = inside.Place;
    TRecordedText onTheEdge = inside;
    onTheEdge.Place.moveTop(3395);
    onTheEdge.Ink = onTheEdge.Place;
    const QStringList log{"Rect 1,2760,1858,3440", "Text 76,3350 8 Spoiler", "Text 76,3395 8 Spoiler"};
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        ExpectEveryTextInItsBoxAndClearOfTheOthers(Read(log, {inside, onTheEdge}));
    }
    // The second lies across the box's bottom edge and over the first.
    ASSERT_EQ(failures.size(), 2);
    EXPECT_TRUE(QString::fromStdString(failures.GetTestPartResult(0).message()).contains(QLatin1String("outside its box")));
    EXPECT_TRUE(QString::fromStdString(failures.GetTestPartResult(1).message()).contains(QLatin1String(" over ")));
}

TEST(SheetTextPlacesCheckTest, FindsATextOverAPictureWithoutAFieldAndANumberSplitAcrossLines)
{
    TRecordedPicture picture;
    picture.Bitmap.SetSize(100, 100);
    picture.Bitmap.Clear(clWhite32);
    picture.Bitmap.SetPixel(50, 50, clBlack32);
    picture.LogLinesBefore = 0;
    TRecordedText weight;
    weight.X = 40;
    weight.Y = 40;
    weight.Text = QStringLiteral("5,");
    weight.Font.Size = 10;
    weight.Place = QRect(40, 40, 40, 30);
    TRecordedText rest = weight;
    rest.Y = 70;
    rest.Text = QStringLiteral("273 lbs");
    rest.Place.moveTop(70);
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        const TSheetPlaces sheet = Read({"Draw 0,0 100x100", "Text 40,40 10 5,", "Text 40,70 10 273 lbs"},
                                        {weight, rest}, {picture});
        ExpectNoTextOverAPicture(sheet);
        ExpectNoNumberSplit(sheet, QStringLiteral("Van, 5,273 lbs"));
    }
    ASSERT_EQ(failures.size(), 2);
    EXPECT_TRUE(QString::fromStdString(failures.GetTestPartResult(0).message()).contains(QLatin1String("over the picture")));
    EXPECT_TRUE(QString::fromStdString(failures.GetTestPartResult(1).message()).contains(QLatin1String("5, | 273 lbs")));

    // A field laid behind the text after the picture blanks the pixel.
    ::testing::TestPartResultArray none;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &none);
        ExpectNoTextOverAPicture(Read({"Draw 0,0 100x100", "Fill 35,40,85,70", "Text 40,40 10 5,"}, {weight}, {picture}));
    }
    EXPECT_EQ(none.size(), 0);
}

} // namespace
