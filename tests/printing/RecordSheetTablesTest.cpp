#include "SheetFixture.h"

#include "model/Global.h"
#include "model/Lookups.h"
#include "model/RuleTables.h"
#include "printing/PrintUtils.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

using RecordSheetTablesTest = SheetTest;

// The texts of a weapon table row r at the record sheet's place.
QStringList Row(int r, const char* name, const char* toHit, const char* damage, const char* effect, const char* ammo)
{
    const int y = 3900 + 128 + 100 * r;
    return {QStringLiteral("76,%1 10 %2").arg(y).arg(QLatin1String(name)),
            QStringLiteral("2101,%1 10 %2").arg(y).arg(QLatin1String(toHit)),
            QStringLiteral("2401,%1 10 %2").arg(y).arg(QLatin1String(damage)),
            QStringLiteral("2801,%1 10 %2").arg(y).arg(QLatin1String(effect)),
            QStringLiteral("3301,%1 10 %2").arg(y).arg(QLatin1String(ammo))};
}

const QStringList Headings{"1,3900 10b Weapon", "2001,3900 10b To Hit", "2401,3900 10b Dmg.",
                           "2801,3900 10b Effect", "3201,3900 10b Ammo", "3701,3900 10b Current"};

TEST_F(RecordSheetTablesTest, WeaponTableOfTheSamplePickupWithTheGunnersHandGun)
{
    Open("Thunderwagon.vx");
    Form->PrintWeaponTable(1, 3900, 4755);
    // The driver carries no hand gun, so row 4 stays empty and the gunner's takes row 5.
    const QStringList expected = Headings + Row(0, "Machine Gun", "7", "1d6", "-", "20 AP")
        + Row(1, "Machine Gun", "7", "1d6", "-", "20 AP") + Row(2, "Medium Rocket", "9", "2d6", "-", "1")
        + Row(3, "Medium Rocket", "9", "2d6", "-", "1") + Row(5, "Gunner: Submachine Gun", "7", "1d6", "-", "30");
    EXPECT_THAT(Texts(), ElementsAreArray(expected));
    QStringList shapes{"Rect 1,3900,4756,5020"};
    for (int i = 0; i < 10; ++i)
        shapes << QStringLiteral("MoveTo 0,%1").arg(4020 + 100 * i) << QStringLiteral("LineTo 4754,%1").arg(4020 + 100 * i);
    EXPECT_THAT(Shapes(), ElementsAreArray(shapes));
}

TEST_F(RecordSheetTablesTest, WeaponNamesCarryLocationAndOptions)
{
    Open("Thunderwagon.vx");
    PrinterWeaponLoc = true;
    V().Weapons.Items[0].SWC = true;
    V().Weapons.Items[1].HRSWC = true;
    V().Weapons.Items[1].ExtraAmmo = true;
    V().Weapons.Items[2].CA = 2;
    V().Weapons.Items[3].CA = 1;
    V().Weapons.Items[3].CA_FP = true;
    Form->PrintWeaponTable(1, 3900, 4755);
    EXPECT_EQ(Texts()[6], "76,4028 10 Machine Gun, front (SWC)");
    EXPECT_EQ(Texts()[11], "76,4128 10 Machine Gun, front (HRSWC)");
    EXPECT_EQ(Texts()[15], "3301,4128 10 40 AP");
    EXPECT_EQ(Texts()[16], "76,4228 10 Medium Rocket, rocket platform(2 pt CA) ");
    EXPECT_EQ(Texts()[21], "76,4328 10 Medium Rocket, rocket platform(1 pt FP CA) ");
}

TEST_F(RecordSheetTablesTest, LaserOptionsGoInFrontOfTheName)
{
    Open("Lightbringer.vx");
    V().Weapons.Items[0].LaserIR = true;
    V().Weapons.Items[0].LaserPulse = true;
    Form->PrintWeaponTable(1, 3900, 4755);
    EXPECT_TRUE(Texts()[6].startsWith(QLatin1String("76,4028 10 Infrared Pulse ")))
        << Texts()[6].toStdString();
}

TEST_F(RecordSheetTablesTest, TenRowsLeaveNoRoomForHandGuns)
{
    Open("Gadfly.vx");
    CrewBuffer[0].HandGun = QStringLiteral("Light Pistol");
    CrewBuffer[1].HandGun = QStringLiteral("Heavy Pistol");
    TWeaponType mg;
    ASSERT_TRUE(FindWeaponType(QStringLiteral("MG"), mg));
    int index = 0;
    for (int i = 0; i < 7; ++i)
        V().AddWeapon(mg, index);
    // Nine weapons: only the driver's hand gun fits, in row 9.
    Form->PrintWeaponTable(1, 3900, 4755);
    ASSERT_EQ(Texts().size(), 6 + 10 * 5);
    EXPECT_EQ(Texts()[6 + 9 * 5], "76,4928 10 Driver: Light Pistol");
    EXPECT_EQ(Texts()[6 + 9 * 5 + 4], "3301,4928 10 10");

    for (int i = 0; i < 3; ++i)
        V().AddWeapon(mg, index);
    Clear();
    Form->PrintWeaponTable(1, 3900, 4755);
    ASSERT_EQ(Texts().size(), 6 + 10 * 5);
    EXPECT_EQ(Texts()[6 + 9 * 5], "76,4928 10 Machine Gun");
}

TEST_F(RecordSheetTablesTest, AHandGunTheRulesDoNotKnowLeavesItsRowEmpty)
{
    Open("Thunderwagon.vx");
    CrewBuffer[0].HandGun = QStringLiteral("Ray Gun");
    Form->PrintWeaponTable(1, 3900, 4755);
    const QStringList expected = Headings + Row(0, "Machine Gun", "7", "1d6", "-", "20 AP")
        + Row(1, "Machine Gun", "7", "1d6", "-", "20 AP") + Row(2, "Medium Rocket", "9", "2d6", "-", "1")
        + Row(3, "Medium Rocket", "9", "2d6", "-", "1") + Row(5, "Gunner: Submachine Gun", "7", "1d6", "-", "30");
    EXPECT_THAT(Texts(), ElementsAreArray(expected));
}

TEST_F(RecordSheetTablesTest, SpeedTrackCellsRunFromMinusTwentyTo295)
{
    Open("Gadfly.vx");
    Form->PrintSpeedTrack(1, 5093, 4755);
    ASSERT_EQ(Texts().size(), 1 + 64);
    EXPECT_EQ(Texts()[0], "1,5093 10b Current Speed");
    // s = 297; "-20" is 125 wide: 1 + 148 - 62.
    EXPECT_EQ(Texts()[1], "87,5203 10 -20");
    EXPECT_EQ(Texts()[16], "4563,5203 10 55");
    EXPECT_EQ(Texts()[17], "108,5303 10 60");
    EXPECT_EQ(Texts()[64], "4542,5503 10 295");
    EXPECT_EQ(Shapes().size(), 1 + 2 * 4 + 2 * 15);
    EXPECT_THAT(Shapes().mid(1, 2), ElementsAre("MoveTo 0,5193", "LineTo 4754,5193"));
    EXPECT_THAT(Shapes().mid(9, 2), ElementsAre("MoveTo 298,5193", "LineTo 297,5593"));
}

TEST_F(RecordSheetTablesTest, CellNumbersAreCentredAtEveryResolution)
{
    Open("Gadfly.vx");
    const struct {
        int Width, Height, PixelsPerInch;
        const char* First;
        const char* Yes;
    } cases[] = {
        // The width of "-20" or "Yes" is halved in printer pixels, after the
        // cell's middle at 1 + 148 (and 1 + 226) is scaled: at 1200 dpi they
        // are 250 pixels wide, 298 - 125 and 454 - 125.
        {4761, 6780, 600, "87,5203 10 -20", "165,6232 10 Yes"},
        {2380, 3390, 300, "43,2602 10 -20", "82,3116 10 Yes"},
        {9522, 13560, 1200, "173,10406 10 -20", "329,12464 10 Yes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.PixelsPerInch);
        UsePrinter(c.Width, c.Height, c.PixelsPerInch);
        Form->PrintSpeedTrack(1, 5093, 4755);
        EXPECT_EQ(Texts()[1], c.First);
        Clear();
        Form->PrintYesNoBox(QStringLiteral("Fired this turn:"), 1, 6122, 905);
        EXPECT_EQ(Texts()[1], c.Yes);
    }
}

TEST_F(RecordSheetTablesTest, HeadingsStandClearOfTheRuleUnderThem)
{
    // At 720 pixels per inch on the layout's page a size-10 heading is 100
    // pixels high: those 10 below a box's top would reach the rule at 100.
    UsePrinter(4761, 6780, 720);
    Open("Gadfly.vx");
    Form->PrintDuelWeaponTable(1, 2760, 1857);
    Form->PrintTurnGrid(1900, 2760, 2855, 3100);
    Form->PrintHandlingTrack(1, 5636, 4755);
    Form->PrintWeaponTable(1, 3900, 4755);
    QStringList headings;
    for (const TRecordedText& text : Page->Recorder.Texts)
        if (text.Font.Style & fsBold)
            headings << QStringLiteral("%1 %2-%3").arg(text.Text).arg(text.Place.top()).arg(text.Place.bottom());
    // Each ends 3 pixels above its rule (2860, 5736) or, where it clears it,
    // stays where it was (3900, rule at 4020).
    EXPECT_EQ(headings, (QStringList{"Weapon 2757-2856", "To Hit 2757-2856", "Dmg. 2757-2856", "Ammo 2757-2856",
                                     "Turn 2757-2856", "Speed 2757-2856", "Handling Status (HC: 2) 2757-2856",
                                     "Handling Status 5633-5732", "Weapon 3900-3999", "To Hit 3900-3999",
                                     "Dmg. 3900-3999", "Effect 3900-3999", "Ammo 3900-3999", "Current 3900-3999"}));
}

TEST_F(RecordSheetTablesTest, HandlingAndDifficultyTracks)
{
    Open("Gadfly.vx");
    Form->PrintHandlingTrack(1, 5636, 4755);
    ASSERT_EQ(Texts().size(), 1 + 14);
    EXPECT_EQ(Texts()[0], "1,5636 10b Handling Status");
    // s = 339: the cell of 7 is centred on 170.
    EXPECT_EQ(Texts()[1], "150,5746 10 7");
    EXPECT_EQ(Texts()[14], "4536,5746 10 -6");
    EXPECT_THAT(Shapes().mid(0, 5),
                ElementsAre("Rect 1,5636,4756,5836", "MoveTo 1,5736", "LineTo 4755,5736", "MoveTo 340,5736",
                            "LineTo 339,5836"));
    EXPECT_EQ(Shapes().size(), 3 + 2 * 13);

    Clear();
    Form->PrintDifficultyTrack(1, 5879, 4755);
    ASSERT_EQ(Texts().size(), 1 + 21);
    EXPECT_EQ(Texts()[0], "1,5879 10b Difficulty this phase:");
    EXPECT_EQ(Texts()[21], "4593,5989 10 20");
    EXPECT_THAT(Shapes().mid(3, 2), ElementsAre("MoveTo 227,5979", "LineTo 226,6078"));
    EXPECT_EQ(Shapes().size(), 3 + 2 * 20);
}

TEST_F(RecordSheetTablesTest, YesNoBox)
{
    Open("Gadfly.vx");
    Form->PrintYesNoBox(QStringLiteral("Fired this turn:"), 1132, 6122, 905);
    EXPECT_THAT(Texts(), ElementsAre("1132,6122 10b Fired this turn:", "1296,6232 10 Yes", "1769,6232 10 No"));
    EXPECT_THAT(Shapes(), ElementsAre("Rect 1132,6122,2037,6322", "MoveTo 1132,6222", "LineTo 2036,6222",
                                             "MoveTo 1584,6222", "LineTo 1583,6321"));
}

TEST_F(RecordSheetTablesTest, NotesOfTheSampleSubcompact)
{
    Open("Gadfly.vx");
    V().GetWeight(WeightList);
    V().GetRange();
    ConfettiNr = false;
    Form->PrintNotes(1, 2760, 1857, 680);
    QString collision;
    V().GetCollisionModifierText(collision);
    // The notes follow one another, the spoiler's right below the first.
    EXPECT_THAT(Texts(), ElementsAre("1,2760 10b Notes:", "76,2870 8 Collision Damage Modifier: " + collision,
                                            "76,2940 8 Spoiler: -1 per 60 mph on Crash Table"));
    EXPECT_THAT(Shapes(), ElementsAre("Rect 1,2760,1858,3440"));

    ConfettiNr = true;
    Clear();
    Form->PrintNotes(1, 2760, 1857, 680);
    int nr = 0;
    int counters = 0;
    ConfettiCounters(V().Weight, nr, counters);
    EXPECT_EQ(Texts()[2], QStringLiteral("76,2940 8 Confetti Nr: %1 (%2 counters)").arg(nr).arg(counters));
    EXPECT_EQ(Texts()[3], "76,3010 8 Spoiler: -1 per 60 mph on Crash Table");
}

// The notes' places below the title, "y size text".
QStringList NotePlaces(const QVector<TRecordedText>& texts)
{
    QStringList places;
    for (const TRecordedText& text : texts.mid(1))
        places << QStringLiteral("%1 %2 %3").arg(text.Y).arg(text.Font.Size).arg(text.Text);
    return places;
}

TEST_F(RecordSheetTablesTest, NotesOfTheRulesThatApply)
{
    Open("Thunderwagon.vx");
    V().GetWeight(WeightList);
    V().GetRange();
    ConfettiNr = false;
    V().CAFrame = true;
    V().Rollcage = true;
    for (const int nr : {0, 1, 9, 10, 11, 12})
        V().SetEquipment(nr, 1, QString());
    ASSERT_GT(V().GasEngine.CurrentMPG, 0);
    QString collision;
    V().GetCollisionModifierText(collision);
    const QStringList notes{"Collision Damage Modifier: " + collision,
                            "Sloped Armor: -1 to hit",
                            QStringLiteral("Engine MPG: %1").arg(V().GasEngine.CurrentMPG),
                            "CA Frame: receive 2x collision damage",
                            "Rollcage: 1/2 damage from collisions,",
                            "  no internal damage when rolling",
                            "Airdam+Spoiler: -2/60 mph on Crash Table",
                            "  and general -1 on Crash Table",
                            "Active Suspension: -1 HC off-road",
                            "  wheel loss: D6 only, HC drops by 2 only",
                            "ABS: road condition hazards reduced by D1 (braking)",
                            "HD shocks: all road hazards reduced by D1",
                            "Paint clouds have no effect"};
    // The duel sheet's box holds them all on their fixed rows in size 8.
    Form->PrintNotes(1, 4100, 1857, 1760);
    QStringList fixedRows;
    const int rows[] = {110, 250, 320, 390, 460, 530, 740, 810, 880, 950, 1020, 1090, 1160};
    for (qsizetype i = 0; i < notes.size(); ++i)
        fixedRows << QStringLiteral("%1 8 %2").arg(4100 + rows[i]).arg(notes[i]);
    EXPECT_EQ(NotePlaces(Page->Recorder.Texts), fixedRows);

    // The record sheet's box, 680 high, holds them neither so nor one after
    // the other in size 8, 7 or 6: in size 6, 52 apart, they take two
    // columns of 848 pixels, the second beside the title from 2770; a note
    // wider than its column goes on in a line of its own, indented, and a
    // note stays together with its own second lines.
    Clear();
    Form->PrintNotes(1, 2760, 1857, 680);
    EXPECT_EQ(NotePlaces(Page->Recorder.Texts),
              (QStringList{"2870 6 Collision Damage Modifier: " + collision, "2922 6 Sloped Armor: -1 to hit",
                           QStringLiteral("2974 6 Engine MPG: %1").arg(V().GasEngine.CurrentMPG),
                           "3026 6 CA Frame: receive 2x collision", "3078 6   damage",
                           "3130 6 Rollcage: 1/2 damage from", "3182 6   collisions,",
                           "3234 6   no internal damage when rolling", "2770 6 Airdam+Spoiler: -2/60 mph on",
                           "2822 6   Crash Table", "2874 6   and general -1 on Crash Table",
                           "2926 6 Active Suspension: -1 HC off-road", "2978 6   wheel loss: D6 only, HC drops",
                           "3030 6   by 2 only", "3082 6 ABS: road condition hazards", "3134 6   reduced by D1 (braking)",
                           "3186 6 HD shocks: all road hazards", "3238 6   reduced by D1",
                           "3290 6 Paint clouds have no effect"}));
    const QVector<TRecordedText>& texts = Page->Recorder.Texts;
    EXPECT_EQ(texts[1].X, 76);
    EXPECT_EQ(texts[9].X, 76 + 848 + 75);
}

TEST_F(RecordSheetTablesTest, EveryNoteTheRulesCanGiveStaysClearOfTheBoxEdges)
{
    Open("Thunderwagon.vx");
    AddEveryNote();
    QVector<int> sizes;
    for (const QRect& box : {QRect(1, 2760, 1857, 680), QRect(1, 4100, 1857, 1760)}) {
        Clear();
        Form->PrintNotes(box.x(), box.y(), box.width(), box.height());
        const QVector<TRecordedText>& texts = Page->Recorder.Texts;
        // The title and fourteen lines at least: a note too wide for its
        // column takes two.
        ASSERT_GE(texts.size(), 15);
        for (qsizetype i = 1; i < texts.size(); ++i) {
            const QRect place = texts[i].Place;
            // Within a column each line stands below the one before.
            if (i > 1 && texts[i].X == texts[i - 1].X) {
                EXPECT_GE(place.top(), texts[i - 1].Place.bottom() + 1) << texts[i].Text.toStdString();
            }
            EXPECT_LE(place.bottom(), box.bottom() - 10) << texts[i].Text.toStdString();
            EXPECT_LE(place.right(), box.right() - 10) << texts[i].Text.toStdString();
            EXPECT_FALSE(texts[i].Text.endsWith(Ellipsis)) << texts[i].Text.toStdString();
        }
        sizes << texts.last().Font.Size;
    }
    // Never below the readable size: on the record sheet all fourteen take
    // two columns in size 6; the duel sheet's box holds them in size 8.
    EXPECT_EQ(sizes, (QVector<int>{ReadableFontSize, 8}));
}

TEST_F(RecordSheetTablesTest, OptionsLineNamesTheSettingsThatDiffer)
{
    Open("Gadfly.vx");
    MaxHCUse = true;
    MaxHC = 3;
    TankGun = false;
    SubHC = false;
    Form->PrintOptionsLine(0, 6340);
    EXPECT_TRUE(Texts().isEmpty());

    MaxHC = 4;
    TankGun = true;
    SubHC = true;
    Form->PrintOptionsLine(0, 6340);
    EXPECT_THAT(Texts(),
                ElementsAre("0,6340 10b Options: Max HC = 4, Tank Guns allowed, Subcompacts get +1 HC"));

    MaxHCUse = false;
    TankGun = false;
    Clear();
    Form->PrintOptionsLine(0, 5910);
    EXPECT_THAT(Texts(), ElementsAre("0,5910 10b Options: Subcompacts get +1 HC"));
}

TEST_F(RecordSheetTablesTest, LegalNoticeIsSmallPrintCentredOnItsPlace)
{
    Open("Gadfly.vx");
    for (const int x : {3400, 2380}) {
        Clear();
        Form->PrintLegalNotice(x, 6110);
        ASSERT_EQ(Page->Recorder.Texts.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const TRecordedText& line = Page->Recorder.Texts[i];
            // The recording canvas measures half an em of 4 points at 600 dots per inch per character.
            EXPECT_EQ(line.X, x - int(line.Text.size() * 4 * 600 / 144) / 2) << line.Text.toStdString();
            EXPECT_EQ(line.Y, 6110 + 50 * i);
            EXPECT_EQ(line.Font.Size, 4);
            EXPECT_EQ(line.Font.Style, 0u);
        }
    }
}

TEST_F(RecordSheetTablesTest, CounterStripOfSevenTurnedCounters)
{
    Open("Gadfly.vx");
    Form->PrintCounterStrip();
    QStringList draws;
    QStringList outlines;
    for (const QString& shape : Shapes()) {
        if (shape.startsWith(QLatin1String("Draw")))
            draws << shape;
        else if (shape.startsWith(QLatin1String("MoveTo")))
            outlines << shape;
    }
    // A 100 x 50 counter fitted into 625 x 300 is printed 600 x 300, centred.
    QStringList expectedDraws;
    QStringList expectedOutlines;
    for (int i = 0; i < 7; ++i) {
        expectedDraws << QStringLiteral("Draw %1,6450 600x300").arg(151 + 625 * i + 12);
        expectedOutlines << QStringLiteral("MoveTo %1,6450").arg(151 + 625 * i);
    }
    EXPECT_THAT(draws, ElementsAreArray(expectedDraws));
    EXPECT_THAT(outlines, ElementsAreArray(expectedOutlines));
    EXPECT_EQ(CounterImage->Width(), 50);
    EXPECT_EQ(CounterImage->Height(), 100);
}

} // namespace
