#include "PrintFixture.h"

#include "model/Global.h"
#include "model/Vehicle.h"

namespace {

using DuelSheetTest = PrintFixture;

// The texts of one row of the duel weapon table, whose row r stands at y 2868 + 100 r.
QStringList RowTexts(const QStringList& log, int r)
{
    return Matching(log, QStringLiteral("Text %1,%2 ").arg(56).arg(2868 + 100 * r))
           + Matching(log, QStringLiteral("Text 501,%1 ").arg(2868 + 100 * r))
           + Matching(log, QStringLiteral("Text 701,%1 ").arg(2868 + 100 * r))
           + Matching(log, QStringLiteral("Text 1201,%1 ").arg(2868 + 100 * r));
}

TEST_F(DuelSheetTest, WeaponTableHasItsBoxRulesAndHeadingsWithoutCurrentOrEffect)
{
    Form->PrintDuelWeaponTable(1, 2760, 1857);
    QStringList expected{QStringLiteral("Rect 1,2760,1858,3860")};
    for (int i = 1; i <= 10; ++i)
        expected << QStringLiteral("MoveTo 0,%1").arg(2760 + 100 * i) << QStringLiteral("LineTo 1856,%1").arg(2760 + 100 * i);
    expected << QStringLiteral("Text 1,2770 10b Weapon") << QStringLiteral("Text 401,2770 10b To Hit")
             << QStringLiteral("Text 701,2770 10b Dmg.") << QStringLiteral("Text 1101,2770 10b Ammo");
    EXPECT_EQ(Log(), expected);
}

TEST_F(DuelSheetTest, WeaponRowsShowAbbreviationToHitDamageAndAmmunition)
{
    Mount("MG", locFront);
    Mount("L", locTurret);
    Weapon(0).ExtraAmmo = true;
    Weapon(0).Ammo = QStringLiteral("HEAT");
    Weapon(0).CA = 4;
    Weapon(0).CA_FP = true;
    Weapon(1).LaserIR = true;
    Weapon(1).LaserPulse = true;
    Weapon(1).SWC = true;
    Form->PrintDuelWeaponTable(1, 2760, 1857);
    // The weapon column ends at 475, before the to-hit figures: an entry
    // wider than that at size 10 is printed smaller, on the row's baseline
    // (66 below its top at size 10, 40 at size 6, 60 at size 9), the other
    // columns not.
    EXPECT_EQ(RowTexts(Log(), 0), (QStringList{QStringLiteral("Text 501,2868 10 7"), QStringLiteral("Text 701,2868 10 1d6"),
                                               QStringLiteral("Text 1201,2868 10 40 HEAT")}));
    EXPECT_EQ(Matching(Log(), QStringLiteral("Text 56,2894 ")), QStringList{QStringLiteral("Text 56,2894 6 MG(4 pt FP CA) ")});
    EXPECT_EQ(RowTexts(Log(), 1), (QStringList{QStringLiteral("Text 501,2968 10 6"), QStringLiteral("Text 701,2968 10 3d6"),
                                               QStringLiteral("Text 1201,2968 10 --")}));
    EXPECT_EQ(Matching(Log(), QStringLiteral("Text 56,2974 ")), QStringList{QStringLiteral("Text 56,2974 9 IR pL (SWC)")});
}

TEST_F(DuelSheetTest, TheLocationFollowsTheAbbreviationWhenTheSettingIsOn)
{
    PrinterWeaponLoc = true;
    Mount("MG", locFront);
    Weapon(0).HRSWC = true;
    Form->PrintDuelWeaponTable(1, 2760, 1857);
    PrinterWeaponLoc = false;
    // Even at size 6 the entry is wider than its column: it reaches 45 into
    // the cell's margin and stays whole.
    EXPECT_EQ(Matching(Log(), QStringLiteral("Text 11,2894 ")),
              QStringList{QStringLiteral("Text 11,2894 6 MG, front (HRSWC)")});
}

TEST_F(DuelSheetTest, AnEntryTooWideForOneLineTakesTwoBetweenItsRulesEachPieceWhole)
{
    PrinterWeaponLoc = true;
    Mount("MG", locFront);
    Mount("MG", locFront);
    Mount("ATG", locRocketPlatform);
    Mount("TGas", locRocketPlatform);
    Weapon(0).CA = 4;
    Weapon(0).CA_FP = true;
    Weapon(1).SWC = true;
    Weapon(1).CA = 14;
    Weapon(1).CA_FP = true;
    Weapon(2).HRSWC = true;
    Weapon(2).CA = 3;
    Weapon(3).SWC = true;
    Weapon(3).HRSWC = true;
    Weapon(3).CA = 14;
    Weapon(3).CA_FP = true;
    Form->PrintDuelWeaponTable(1, 2760, 1857);
    PrinterWeaponLoc = false;
    // At size 6 a line from the cell's margin holds 18 letters (465 of 25).
    // Between the rules at 2860 and 2960 the two lines' letters, 40 high
    // from 10 below their tops, keep 6 apart from the rules and each other.
    // "MG, front(4 pt FP CA)": the name and place stay whole on the first.
    // "MG, front (SWC)(14 pt FP CA)": the SWC mark goes with the name.
    // "ATG, rocket platform (HRSWC)(3 pt CA)": no break keeps everything
    // whole; the name and marks are broken as without the place, and the
    // place keeps what the first line leaves room for.
    // "TGas, rocket platform (SWC) (HRSWC)(14 pt FP CA)": the place gives
    // way wholly, and the name and every mark stand whole.
    EXPECT_EQ(Matching(Log(), QStringLiteral("Text 11,")),
              (QStringList{QStringLiteral("Text 11,2857 6 MG, front"), QStringLiteral("Text 11,2903 6 (4 pt FP CA)"),
                           QStringLiteral("Text 11,2957 6 MG, front (SWC)"), QStringLiteral("Text 11,3003 6 (14 pt FP CA)"),
                           QStringLiteral("Text 11,3057 6 ATG, rock\u2026 (HRSWC)"),
                           QStringLiteral("Text 11,3103 6 (3 pt CA)"),
                           QStringLiteral("Text 11,3157 6 TGas (SWC) (HRSWC)"),
                           QStringLiteral("Text 11,3203 6 (14 pt FP CA)")}));
    // The other columns stay on the row's baseline.
    EXPECT_EQ(RowTexts(Log(), 0), (QStringList{QStringLiteral("Text 501,2868 10 7"), QStringLiteral("Text 701,2868 10 1d6"),
                                               QStringLiteral("Text 1201,2868 10 20")}));
}

TEST_F(DuelSheetTest, MarksTwoLinesCannotHoldWholeTakeTheirShorterFormsBeforeAnyIsCut)
{
    PrinterWeaponLoc = true;
    Mount("VMG", locRocketPlatform);
    Weapon(0).LaserIR = true;
    Weapon(0).LaserPulse = true;
    Weapon(0).SWC = true;
    Weapon(0).HRSWC = true;
    Weapon(0).CA = 13;
    Weapon(0).CA_FP = true;
    Form->PrintDuelWeaponTable(1, 2760, 1857);
    PrinterWeaponLoc = false;
    // The place gives way wholly; the name and each mark stay whole and
    // recognisable.
    EXPECT_EQ(Matching(Log(), QStringLiteral("Text 11,")),
              (QStringList{QStringLiteral("Text 11,2857 6 IR pVMG SWC HRSWC"), QStringLiteral("Text 11,2903 6 13 FP CA")}));
}

TEST_F(DuelSheetTest, APlaceThatStartsTheSecondLineLeavesItsCommaOnTheFirst)
{
    PrinterWeaponLoc = true;
    Mount("MR", locRocketPlatform);
    Form->PrintDuelWeaponTable(1, 2760, 1857);
    PrinterWeaponLoc = false;
    EXPECT_EQ(Matching(Log(), QStringLiteral("Text 11,")),
              (QStringList{QStringLiteral("Text 11,2857 6 MR,"), QStringLiteral("Text 11,2903 6 rocket platform")}));
}

TEST_F(DuelSheetTest, WithoutWeaponsTheHandGunsTakeTheFirstTwoRows)
{
    CrewBuffer[0].HandGun = QStringLiteral("Light Pistol");
    CrewBuffer[1].HandGun = QStringLiteral("Heavy Pistol");
    Form->PrintDuelWeaponTable(1, 2760, 1857);
    EXPECT_EQ(RowTexts(Log(), 0), (QStringList{QStringLiteral("Text 56,2868 10 Drv LP"), QStringLiteral("Text 501,2868 10 7"),
                                               QStringLiteral("Text 701,2868 10 1d6-1"), QStringLiteral("Text 1201,2868 10 10")}));
    EXPECT_EQ(Matching(Log(), QStringLiteral("Text 56,2968 ")), QStringList{QStringLiteral("Text 56,2968 10 Gnr: HP")});
}

TEST_F(DuelSheetTest, AHandGunTheRulesDoNotKnowLeavesItsRowEmpty)
{
    CrewBuffer[0].HandGun = QStringLiteral("Ray Gun");
    CrewBuffer[1].HandGun = QStringLiteral("Light Pistol");
    Form->PrintDuelWeaponTable(1, 2760, 1857);
    EXPECT_TRUE(RowTexts(Log(), 0).isEmpty());
    EXPECT_EQ(Matching(Log(), QStringLiteral("Text 56,2968 ")), QStringList{QStringLiteral("Text 56,2968 10 Gnr: LP")});
}

TEST_F(DuelSheetTest, ADriverWithoutHandGunLeavesHisRowEmpty)
{
    Mount("MG", locFront);
    CrewBuffer[1].HandGun = QStringLiteral("Light Pistol");
    Form->PrintDuelWeaponTable(1, 2760, 1857);
    EXPECT_TRUE(RowTexts(Log(), 1).isEmpty());
    EXPECT_EQ(Matching(Log(), QStringLiteral("Text 56,3068 ")), QStringList{QStringLiteral("Text 56,3068 10 Gnr: LP")});
}

TEST_F(DuelSheetTest, TwelveWeaponsFillTenRowsAndLeaveNoRoomForHandGuns)
{
    for (int i = 0; i < 12; ++i)
        Mount("MG", locFront);
    CrewBuffer[0].HandGun = QStringLiteral("Light Pistol");
    Form->PrintDuelWeaponTable(1, 2760, 1857);
    EXPECT_EQ(Matching(Log(), QStringLiteral("Text 56,")).size(), 10);
    EXPECT_EQ(Matching(Log(), QStringLiteral("Text 56,3768 ")), QStringList{QStringLiteral("Text 56,3768 10 MG")});
}

TEST_F(DuelSheetTest, NineWeaponsLeaveRoomForTheDriversHandGunOnly)
{
    for (int i = 0; i < 9; ++i)
        Mount("MG", locFront);
    CrewBuffer[0].HandGun = QStringLiteral("Light Pistol");
    CrewBuffer[1].HandGun = QStringLiteral("Heavy Pistol");
    Form->PrintDuelWeaponTable(1, 2760, 1857);
    EXPECT_EQ(Matching(Log(), QStringLiteral("Text 56,3768 ")), QStringList{QStringLiteral("Text 56,3768 10 Drv LP")});
    EXPECT_TRUE(Matching(Log(), QStringLiteral("Text 56,3868 ")).isEmpty());
}

TEST_F(DuelSheetTest, TurnGridHasThirtyNumberedTurnsWithSixteenHandlingValues)
{
    Form->PrintTurnGrid(1900, 2760, 2855, 3100);
    const QStringList log = Log();
    EXPECT_EQ(log.first(), QStringLiteral("Rect 1900,2760,4755,5860"));
    EXPECT_EQ(log[1], QStringLiteral("Text 1910,2770 10b Turn"));
    EXPECT_EQ(log[2], QStringLiteral("Text 2290,2770 10b Speed"));
    // The rule under the headings, then one per turn from the top edge on.
    EXPECT_EQ(Matching(log, QStringLiteral("MoveTo 1900,2860")).size(), 2);
    EXPECT_EQ(Matching(log, QStringLiteral("MoveTo")).size(), 32);
    EXPECT_EQ(Matching(log, QStringLiteral("LineTo 4754,5760")).size(), 1);
    EXPECT_EQ(Matching(log, QStringLiteral("Text 1900,2870 ")), QStringList{QStringLiteral("Text 1900,2870 10  1:")});
    EXPECT_EQ(Matching(log, QStringLiteral("Text 1900,5770 ")), QStringList{QStringLiteral("Text 1900,5770 10 30:")});
    EXPECT_TRUE(Matching(log, QStringLiteral("Text 1900,5870 ")).isEmpty());
    QStringList values;
    for (int k = 0; k < 16; ++k)
        values << QStringLiteral("Text %1,2870 10 %2").arg(2700 + 130 * k).arg(7 - k, 2);
    EXPECT_EQ(Matching(log, QStringLiteral("Text ")).filter(QStringLiteral(",2870 ")).mid(1), values);
    EXPECT_EQ(values.last(), QStringLiteral("Text 4650,2870 10 -8"));
}

TEST_F(DuelSheetTest, HandlingHeadingShowsTheRegainOnlyWhenItDiffersFromTheHandlingClass)
{
    struct Case {
        int Guards;
        QString Heading;
    };
    for (const Case& c : {Case{0, QStringLiteral("Handling Status (HC: 3)")},
                          Case{1, QStringLiteral("Handling Status (HC: 2, regain 3)")}}) {
        Log().clear();
        Page->Recorder.Texts.clear();
        V().GuardsFront = c.Guards;
        Form->PrintTurnGrid(1900, 2760, 2855, 3100);
        const TRecordedText& heading = Page->Recorder.Texts[2];
        EXPECT_EQ(heading.Text, c.Heading);
        // Centred on 1900 + 600 + (2855 - 600) div 2 = 3627.
        EXPECT_EQ(heading.X, 3627 - int(c.Heading.length()) * 10 * 600 / 144 / 2);
        EXPECT_EQ(heading.Y, 2770);
        EXPECT_EQ(heading.Font.Style, fsBold);
    }
}

} // namespace
