#include "SheetFixture.h"

#include "gamecar/OfficialDescription.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "printing/PrintUtils.h"

#include <algorithm>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

using RecordSheetBoxesTest = SheetTest;

TEST_F(RecordSheetBoxesTest, TitleBlockCentresNameAuthorAndYear)
{
    Open("Gadfly.vx");
    for (const bool sheetFont : {true, false}) {
        PrintFont = sheetFont;
        Clear();
        Form->PrintTitleBlock(1900, 7, 2855);
        // Centre 1900 + 2855 div 2 = 3327.
        EXPECT_THAT(Texts(), ElementsAre("2952,57 30b Gadfly", "3194,307 8b Rigsmith", "3194,407 8b - 2038 -"));
        EXPECT_THAT(Fonts(), ElementsAre(sheetFont ? "StopD 30" : "Courier New 30", "MS Sans Serif 8",
                                                "MS Sans Serif 8"));
        EXPECT_THAT(Shapes(), ElementsAre("Rect 1900,7,4755,521"));
    }
}

TEST_F(RecordSheetBoxesTest, ANameTooWideForTheTitleBoxIsPrintedSmallerInsideIt)
{
    Open("Gadfly.vx");
    const struct {
        const char* Name;
        const char* Printed;
    } cases[] = {
        // 2775 pixels between the box's margins hold 22 characters of size
        // 30 (125 each), 29 of size 22 and 110 of size 6 with an ellipsis.
        {"Thunderwagon Mark VIII", "1952,57 30b Thunderwagon Mark VIII"},
        {"Thunderwagon Mark VIII Deluxe", "1998,57 22b Thunderwagon Mark VIII Deluxe"},
    };
    for (const auto& c : cases) {
        V().Name = QString::fromLatin1(c.Name);
        Clear();
        Form->PrintTitleBlock(1900, 7, 2855);
        EXPECT_EQ(Texts().first(), c.Printed);
    }
    V().Name = QString(120, QLatin1Char('W'));
    Clear();
    Form->PrintTitleBlock(1900, 7, 2855);
    const TRecordedText& name = Page->Recorder.Texts.first();
    EXPECT_EQ(name.Text, QString(110, QLatin1Char('W')) + Ellipsis);
    EXPECT_EQ(name.Font.Size, ReadableFontSize);
    EXPECT_GE(name.Place.left(), 1900 + 40);
    EXPECT_LE(name.Place.right(), 4755 - 40);
    // Below it the author line, clear of it.
    EXPECT_LT(name.Place.bottom(), Page->Recorder.Texts[1].Place.top());
}

TEST_F(RecordSheetBoxesTest, ANameTallerThanItsRowRisesClearOfTheAuthorLine)
{
    const struct {
        int PixelsPerInch, Size, Top;
    } cases[] = {
        // The size-30 name is 250 pixels high at 600 pixels per inch: from
        // 57 it ends where the author line starts, at 307.
        {600, 30, 57},
        // 258 high at 620: it rises 8 so as to end there still.
        {620, 30, 49},
        // 300 high at 720, its letters 240 from 60 below its top: they fit
        // the 260 between the box's margin at 47 and the author line, so it
        // keeps size 30 and rises to 7, its letters from 67 to 307.
        {720, 30, 7},
        // At 800 its letters are 267 high, more than those 260: it is
        // printed smaller, in size 29, its letters 258 high from 49.
        {800, 29, -15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.PixelsPerInch);
        UsePrinter(4761, 6780, c.PixelsPerInch);
        Open("Gadfly.vx");
        Form->PrintTitleBlock(1900, 7, 2855);
        const QVector<TRecordedText>& texts = Page->Recorder.Texts;
        EXPECT_EQ(texts[0].Font.Size, c.Size);
        EXPECT_EQ(texts[0].Place.top(), c.Top);
        EXPECT_LE(texts[0].Place.bottom() + 1, texts[1].Place.top());
    }
}

TEST_F(RecordSheetBoxesTest, NamesAndSkillBoxesLeaveRoomForHandwriting)
{
    Open("Gadfly.vx");
    Form->PrintNames(1900, 540, 2855);
    Form->PrintDriverSkills(1900, 750, 1422);
    Form->PrintGunnerSkills(3333, 750, 1422);
    EXPECT_THAT(Texts(), ElementsAre("1900,540 10b Player Name:", "3327,540 10b Driver Name:",
                                            "1900,750 10b Driver Skills:", "3333,770 10b Gunner Skills:"));
    EXPECT_THAT(Shapes(), ElementsAre("Rect 1900,540,4755,740", "Rect 3327,540,3329,740",
                                             "Rect 1900,750,3322,1209", "Rect 3333,750,4755,1209"));
}

TEST_F(RecordSheetBoxesTest, BasicInfoOfTheSampleSubcompact)
{
    Open("Gadfly.vx");
    Form->PrintBasicInfo(1900, 1219, 1422);
    // Without cargo space the space figure ends in a blank.
    EXPECT_THAT(Texts(),
                ElementsAre("1900,1219 10b Basic Info", "1975,1339 10 Size:", "3175,1339 10R Subcompact",
                            "1975,1439 10 Chassis:", "3175,1439 10R Standard", "1975,1539 10 Suspension:",
                            "3175,1539 10R Improved", "1975,1639 10 Weight:", "3175,1639 10R 2240/2600",
                            "1975,1739 10 Cost:", "3175,1739 10R $3145", "1975,1839 10 Space:",
                            "3175,1839 10R 0/7 "));
    EXPECT_THAT(Shapes(), ElementsAre("Rect 1900,1219,3322,1949"));
    // The sheet's totals refill the main window's breakdowns.
    EXPECT_FALSE(CostList.isEmpty());
    EXPECT_FALSE(WeightList.isEmpty());
    EXPECT_FALSE(SpaceList.isEmpty());
}

TEST_F(RecordSheetBoxesTest, PerformanceRowsOfRecordAndDuelSheet)
{
    Open("Gadfly.vx");
    // On both sheets the basic info runs the weight report first.
    Form->PrintBasicInfo(1900, 1219, 1422);
    Clear();
    Form->PrintPerformance(1900, 1979, 1422, 719, false);
    EXPECT_THAT(Texts(),
                ElementsAre("1900,1979 10b Basic Performance:", "1975,2089 10 Acceleration:", "3175,2089 10R   5",
                            "1975,2189 10 Forward Top Speed:", "3175,2189 10R 110", "1975,2289 10 Reverse Top Speed:",
                            "3175,2289 10R  20", "1975,2389 10 Cruising Speed:", "3175,2389 10R  65",
                            "1975,2489 10 Range:", "3175,2489 10R 150", "1975,2589 10 Power Units:",
                            "3175,2589 10R 800"));
    Clear();
    Form->PrintPerformance(3333, 1219, 1422, 730, true);
    EXPECT_THAT(Texts(),
                ElementsAre("3333,1219 10b Basic Performance:", "3408,1339 10 Handling Class:", "4608,1339 10R   2",
                            "3408,1439 10 Acceleration:", "4608,1439 10R   5", "3408,1539 10 Forward Top Speed:",
                            "4608,1539 10R 110", "3408,1639 10 Reverse Top Speed:", "4608,1639 10R  20",
                            "3408,1739 10 Cruising Speed:", "4608,1739 10R  65", "3408,1839 10 Range:",
                            "4608,1839 10R 150"));
}

TEST_F(RecordSheetBoxesTest, HandlingOffroadNeedsOffroadTiresAllRound)
{
    Open("Gadfly.vx");
    const auto offroadRow = [this] {
        Clear();
        Form->PrintHandling(3333, 1219, 1422);
        return Texts().mid(3, 2);
    };
    Form->PrintHandling(3333, 1219, 1422);
    EXPECT_THAT(Texts(),
                ElementsAre("3333,1219 10b Handling:", "3408,1339 10 Normal HC:", "4608,1339 10R   2",
                            "3408,1439 10 Offroad HC:", "4608,1439 10R   2", "3408,1539 10 HC Regain:",
                            "4608,1539 10R   2"));
    V().TiresFront.OffRoad = true;
    EXPECT_THAT(offroadRow(), ElementsAre("3408,1439 10 Offroad HC:", "4608,1439 10R   2"));
    V().TiresRear.OffRoad = true;
    EXPECT_THAT(offroadRow(), ElementsAre("3408,1439 10 Offroad HC:", "4608,1439 10R   3"));
}

TEST_F(RecordSheetBoxesTest, DecelerationTableShiftsSpeedsWithAccessoryFive)
{
    Open("Gadfly.vx");
    const QStringList difficulties{"3983,1777 10 safe", "3983,1877 10 D1", "3983,1977 10 D2",
                                   "3983,2077 10 D3",   "3983,2177 10 D5", "3983,2277 10 D7",
                                   "3983,2377 10 D9",   "3983,2477 10 D11", "3983,2577 10 impossible"};
    const QStringList damages{"4383,2277 10 2", "4383,2377 10 1d", "4383,2477 10 1d+3"};
    const auto speedsAndRest = [&](int slowest) {
        QStringList expected{"3333,1657 10b Deceleration Difficulty & Damage"};
        for (int i = 0; i < 9; ++i) {
            expected << QStringLiteral("3408,%1 10 %2 mph").arg(1777 + 100 * i).arg(slowest + 5 * i);
            expected << difficulties[i];
        }
        return expected + damages;
    };
    Form->PrintDecelerationTable(3333, 1657, 1422);
    EXPECT_THAT(Texts(), ElementsAreArray(speedsAndRest(10)));
    EXPECT_THAT(Shapes(), ElementsAre("Rect 3333,1657,4755,2698"));

    V().SetEquipment(5, 1, QString());
    Clear();
    Form->PrintDecelerationTable(3333, 1657, 1422);
    EXPECT_THAT(Texts(), ElementsAreArray(speedsAndRest(15)));
    EXPECT_EQ(Texts()[17], "3408,2577 10 55 mph");
}

// Values are centred: a size-12 text of n characters is 50 n wide.
TEST_F(RecordSheetBoxesTest, ArmorOfMetalSampleAroundTheLayoutPlan)
{
    Open("Gadfly.vx");
    Form->PrintArmor(1, 500, 1857);
    EXPECT_THAT(Texts(),
                ElementsAre("629,540 12b Front Armor:", "904,640 12b 2", "76,1000 12b Left:", "176,1100 12b 1",
                            "1508,1000 12b Right:", "1633,1100 12b 1", "101,1800 12b Top:", "176,1900 12b 1",
                            "1508,1800 12b Under:", "1633,1900 12b 1", "754,2520 12b Back: 2",
                            "575,2620 10 Armor Type: Metal"));
    EXPECT_TRUE(Shapes().isEmpty());
}

TEST_F(RecordSheetBoxesTest, TheLeftFiguresMoveBelowThePlansComponentArmorList)
{
    Open("Gadfly.vx");
    // The list's header at plan row 9, its lines from 19, 15 apart.
    V().Crew[0].CA = 2;
    V().Crew[1].CA = 3;
    const auto leftColumn = [this] {
        Clear();
        Form->PrintArmor(1, 500, 1857);
        QStringList rows;
        for (const QString& text : Texts())
            if (text.section(QLatin1Char(','), 0, 0).toInt() < 400)
                rows << text;
        return rows;
    };
    // Two lines end at plan row 49, layout 794: above "Left:".
    EXPECT_THAT(leftColumn(), ElementsAre("76,1000 12b Left:", "176,1100 12b 1", "101,1800 12b Top:", "176,1900 12b 1"));
    // Fifteen: the last, from row 229, ends at row 241, layout 1946: the
    // column starts 20 below it, its figures 220 apart.
    MountMostWeapons();
    EXPECT_THAT(leftColumn(), ElementsAre("76,1966 12b Left:", "176,2066 12b 1", "101,2186 12b Top:", "176,2286 12b 1"));
    // Beside a plain pod the back's figures follow, still inside the frame;
    // the lines that the pods leave no room for down the left side go down
    // the right, and the left side's list ends at row 238.
    V().EWP = 1;
    V().EWPR = false;
    EXPECT_THAT(leftColumn(), ElementsAre("76,1948 12b Left:", "176,2048 12b 1", "101,2168 12b Top:", "176,2268 12b 1",
                                          "76,2500 12b Back:", "176,2600 12b 2"));
}

TEST_F(RecordSheetBoxesTest, ArmorTypeLineListsOnlyTheOptions)
{
    Open("Gadfly.vx");
    struct Case {
        bool Plastic, Sloped, FP, LR;
        const char* Line;
    };
    const Case cases[] = {
        {true, false, false, false, "Armor Type: Standard"},
        {true, true, true, false, "Armor Type: Sloped, FP"},
        {true, false, false, true, "Armor Type: LR"},
        {false, true, false, false, "Armor Type: Sloped, Metal"},
    };
    for (const Case& c : cases) {
        V().Armor = TArmor();
        if (c.Plastic)
            V().Armor.Front = 10;
        else
            V().Armor.FrontM = 10;
        V().Sloped = c.Sloped;
        V().Armor.FP = c.FP;
        V().Armor.LR = c.LR;
        Clear();
        Form->PrintArmor(1, 500, 1857);
        EXPECT_TRUE(Texts().last().endsWith(QLatin1String(c.Line))) << Texts().last().toStdString();
    }
}

TEST_F(RecordSheetBoxesTest, CompositeArmorShowsMetalThenPlastic)
{
    Open("Gadfly.vx");
    V().Armor = TArmor();
    V().Armor.FrontM = 10;
    V().Armor.Front = 5;
    V().Armor.BackM = 3;
    V().Armor.Back = 4;
    Form->PrintArmor(1, 500, 1857);
    EXPECT_EQ(Texts()[1], "829,640 12b 10/5");
    EXPECT_EQ(Texts()[10], "704,2520 12b Back: 3/4");
    EXPECT_EQ(Texts()[11], "492,2620 10 Armor Type: Composite");
}

TEST_F(RecordSheetBoxesTest, PlainPodSplitsTheBackRowRocketPodDoesNot)
{
    Open("Gadfly.vx");
    // The pod's plastic points make the metal sample's armor composite.
    V().Armor.EWP = 6;
    V().EWP = 1;
    V().EWPR = false;
    Form->PrintArmor(1, 500, 1857);
    EXPECT_THAT(Texts().mid(10, 4),
                ElementsAre("76,2500 12b Back:", "126,2600 12b 2/0", "1558,2500 12b EWP:", "1633,2600 12b 6"));
    // Beside the back and pod figures the type line keeps to the 1057 units
    // from 401 to 1458: a long one is printed smaller, on the baseline of
    // size 10 (66 below the top, 40 at size 6).
    V().Sloped = true;
    V().Armor.FP = true;
    V().Armor.LR = true;
    Clear();
    Form->PrintArmor(1, 500, 1857);
    EXPECT_EQ(Texts().last(), "467,2646 6 Armor Type: Sloped, FP, LR, Composite");

    V().EWPR = true;
    Clear();
    Form->PrintArmor(1, 500, 1857);
    EXPECT_EQ(Texts().size(), 12);
    EXPECT_EQ(Texts()[10], "704,2520 12b Back: 2/0");
}

TEST_F(RecordSheetBoxesTest, TiresNameTheSetsOnly)
{
    Open("Gadfly.vx");
    Form->PrintTires(1, 3510, 1857);
    EXPECT_THAT(Texts(), ElementsAre("1,3510 10b Tires:", "76,3630 10 Front: Heavy-Duty",
                                            "76,3730 10 Rear: Heavy-Duty"));
    EXPECT_THAT(Shapes(), ElementsAre("Rect 1,3510,1858,3830"));
}

TEST_F(RecordSheetBoxesTest, DescriptionBreaksLongLinesAtSizeTenWhenTheyFit)
{
    Open("Gadfly.vx");
    // The section before it on the sheet leaves another font: the lines are
    // measured in the description's own.
    Form->PrintArmor(1, 500, 1857);
    Clear();
    Form->PrintDescription(1900, 2760, 2855, 1070, false);
    EXPECT_EQ(Shapes(), QStringList{"Rect 1900,2760,4755,3830"});
    // A line is broken once it reaches 2855 x 0.98 = 2798 pixels; at 41.67
    // pixels a character that is at 68 characters.
    const QStringList texts = Texts();
    ASSERT_GT(texts.size(), 2);
    EXPECT_EQ(texts.first().section(QLatin1Char(' '), 0, 1), "1900,2760 10");
    // Broken lines follow 90 below; a new line of the text 100 below.
    EXPECT_EQ(texts[1].section(QLatin1Char(' '), 0, 1), "1900,2850 10");
    for (const QString& line : texts) {
        const QString text = line.section(QLatin1Char(' '), 2);
        EXPECT_LE(text.size(), 68) << text.toStdString();
        EXPECT_EQ(text, text.trimmed());
        EXPECT_TRUE(line.startsWith(QLatin1String("1900,"))) << line.toStdString();
        EXPECT_FALSE(text.contains(Ellipsis)) << text.toStdString();
    }
}

// The description's words as printed, without the blanks between them.
QString PrintedWords(const QVector<TRecordedText>& lines)
{
    QString words;
    for (const TRecordedText& line : lines)
        words += line.Text;
    return words.remove(QLatin1Char(' '));
}

TEST_F(RecordSheetBoxesTest, DescriptionTooLongForItsBoxIsPrintedSmallerInsideIt)
{
    Open("Gadfly.vx");
    V().GetWeight(WeightList);
    Form->PrintDescription(1900, 2760, 2855, 1070, false);
    const QString atTen = PrintedWords(Page->Recorder.Texts);
    Clear();
    Form->PrintDescription(1900, 2760, 2855, 300, false);
    const QVector<TRecordedText>& lines = Page->Recorder.Texts;
    ASSERT_FALSE(lines.isEmpty());
    const int size = lines.first().Font.Size;
    EXPECT_LT(size, 10);
    EXPECT_GE(size, ReadableFontSize);
    for (const TRecordedText& line : lines) {
        EXPECT_EQ(line.Font.Size, size);
        EXPECT_LE(line.Place.bottom(), 2760 + 300 - 1) << line.Text.toStdString();
        EXPECT_LE(line.Place.right(), 4755 - 1) << line.Text.toStdString();
    }
    // Nothing is left out.
    EXPECT_EQ(PrintedWords(lines), atTen);
}

TEST_F(RecordSheetBoxesTest, DescriptionTooLongEvenInTheSmallestPrintCutsThePartsListAndKeepsItsFigures)
{
    Open("Gadfly.vx");
    V().GetWeight(WeightList);
    Form->PrintDescription(1900, 2760, 2855, 1070, false);
    const QString atTen = PrintedWords(Page->Recorder.Texts);
    const QString figures = QStringLiteral("Accel.5,TopSpeed110,HC2,2,240lbs,$3,145");
    ASSERT_TRUE(atTen.endsWith(figures)) << atTen.toStdString();
    Clear();
    // Room for two lines of size 6, 50 pixels high.
    Form->PrintDescription(1900, 2760, 2855, 110, false);
    const QVector<TRecordedText>& lines = Page->Recorder.Texts;
    ASSERT_EQ(lines.size(), 2);
    for (const TRecordedText& line : lines) {
        EXPECT_EQ(line.Font.Size, ReadableFontSize);
        EXPECT_LE(line.Place.bottom(), 2760 + 110 - 1);
    }
    // The start of the parts list, an ellipsis where the middle is left
    // out, and the figures whole.
    const QString printed = PrintedWords(lines);
    const qsizetype ellipsis = printed.indexOf(Ellipsis);
    ASSERT_GT(ellipsis, 0) << printed.toStdString();
    EXPECT_TRUE(atTen.startsWith(printed.left(ellipsis))) << printed.toStdString();
    EXPECT_EQ(printed.mid(ellipsis), Ellipsis + QStringLiteral(",") + figures);
}

TEST_F(RecordSheetBoxesTest, ACutDescriptionKeepsItsInvalidLine)
{
    Open("Thunderwagon.vx");
    AddEveryNote();
    MountMostWeapons();
    QString description;
    OfficialDescription(V(), false, description);
    ASSERT_TRUE(description.contains(QLatin1String("\r\n## INVALID ## (")));
    Clear();
    // A box of nine lines of size 6.
    Form->PrintDescription(1900, 1979, 2855, 470, false);
    const QVector<TRecordedText>& lines = Page->Recorder.Texts;
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines.last().Text.startsWith(QLatin1String("## INVALID ## ("))) << lines.last().Text.toStdString();
    const QString printed = PrintedWords(lines);
    EXPECT_TRUE(printed.contains(Ellipsis + QStringLiteral(",Accel."))) << printed.toStdString();
    for (const TRecordedText& line : lines)
        EXPECT_LE(line.Place.bottom(), 1979 + 470 - 1) << line.Text.toStdString();
}

TEST_F(RecordSheetBoxesTest, DescriptionLineWithoutBreakIsCutWithAnEllipsis)
{
    Open("Gadfly.vx");
    const QString unbreakable(150, QLatin1Char('X'));
    V().Body.Name = unbreakable;
    Form->PrintDescription(1900, 2760, 2855, 1070, false);
    const QVector<TRecordedText>& lines = Page->Recorder.Texts;
    // At size 6 a character is 25 pixels wide: 113 and the ellipsis fit.
    const auto cut = std::find_if(lines.begin(), lines.end(),
                                  [](const TRecordedText& line) { return line.Text.startsWith(QLatin1String("XXX")); });
    ASSERT_NE(cut, lines.end());
    EXPECT_EQ(cut->Text, QString(113, QLatin1Char('X')) + Ellipsis);
    for (const TRecordedText& line : lines) {
        EXPECT_EQ(line.Font.Size, ReadableFontSize);
        EXPECT_LE(line.Place.right(), 4755 - 1) << line.Text.toStdString();
    }
}

} // namespace
