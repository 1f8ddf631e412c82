#include "StageTwoFixture.h"

#include "import/BlockLines.h"
#include "import/ImportResult.h"

namespace {

using BlockLines = StageTwo;

// A line break between items ends the first; one inside a part is a blank.
TEST_F(BlockLines, BreakEndsAnItemOrRunsOnInsideAPart)
{
    const struct {
        const char* Text;
        const char* Joined;
    } Cases[] = {
        {"Pickup\nHeavy Chassis\nLarge Power Plant", "Pickup, Heavy Chassis, Large Power Plant"},
        {"Heavy\r\nChassis, Large\rPower Plant", "Heavy Chassis, Large Power Plant"},
        {"front: 2 Machine\nGun, Heavy Rocket\nMachine Gun", "front: 2 Machine Gun, Heavy Rocket, Machine Gun"},
        {"Driver,\nGunner\n\n  \nSpoiler", "Driver, Gunner, Spoiler"},
        {"Puncture-\nResistant Tires", "Puncture-Resistant Tires"},
        {"Solid Front Tires\nPlasticore Rear Tires", "Solid Front Tires, Plasticore Rear Tires"},
        {"Driver (Body Armor,\nGas Mask)\nfront:\nMG", "Driver (Body Armor, Gas Mask), front: MG"},
        {"Searchlight (on the\nleft)\nSpoiler", "Searchlight (on the left), Spoiler"},
        {"Six-wheeled\n(3 axis)", "Six-wheeled (3 axis)"},
        {"Van, 4 PR\nradial\ntires", "Van, 4 PR radial tires"},
        {"Van, X-Heavy\nchassis, Offroad\nSuspension", "Van, X-Heavy chassis, Offroad Suspension"},
        {"Van, 2 Machine\nGuns, 2 Bumper\nTriggers", "Van, 2 Machine Guns, 2 Bumper Triggers"},
        {"Van, back: RL\nwith HEAT\nammo, MG", "Van, back: RL with HEAT ammo, MG"},
        // A closed bracket ends its part, however the next line begins.
        {"Van, Top Rocket EWP (6 pt) (Plastic)\nFireproof Composite Armor F8/28",
         "Van, Top Rocket EWP (6 pt) (Plastic), Fireproof Composite Armor F8/28"},
        {"Van, Spoiler (front)\nSloped Armor F10", "Van, Spoiler (front), Sloped Armor F10"},
        {"Top Speed\n130\n5273\nlbs", "Top Speed 130, 5273 lbs"},
        {"Duelling Tank with\n10 gallons", "Duelling Tank with 10 gallons"},
        {"Fancy words\nmore text, Spoiler", "Fancy words, more text, Spoiler"},
        {"Fancy words\nof text, Spoiler", "Fancy words of text, Spoiler"},
        // Without a comma or semicolon between items every blank is judged
        // as a line break is.
        {"Heavy Chassis Large Power Plant Solid Tires Driver (Body Armor Gas Mask) front: 2 MG Spoiler",
         "Heavy Chassis, Large Power Plant, Solid Tires, Driver (Body Armor Gas Mask), front: 2 MG, Spoiler"},
        {"Sloped Armor F10 B10 Accel. 5 Top Speed 100 HC 2 4000 lbs $ 12000",
         "Sloped Armor, F10, B10, Accel. 5, Top Speed 100, HC 2, 4000 lbs, $ 12000"},
        // A word that begins no part goes on with the item before it.
        {"Fancy words of text", "Fancy words of text"},
        {"Built for the adVANtage of all Spoiler", "Built for the adVANtage of all, Spoiler"},
        {"", ""},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(JoinBlockLines(QLatin1String(Case.Text)).toStdString(), Case.Joined) << Case.Text;
}

// The name, author and description lines come first; the block below them
// reads the same on one line or over many.
TEST_F(BlockLines, MultiLineBlockReadsAsTheSameBlockOnOneLine)
{
    const QString Header = QStringLiteral("Hornet, designed by Kay\nA pickup, fast as a van\n");
    TImportResult OneLine;
    ImportDescription(Header + QStringLiteral("Pickup, Heavy Chassis, Large Power Plant, Heavy Suspension, "
                                              "Solid Tires, Driver, front: MG, Armor F10, B10"),
                      OneLine);
    TImportResult Lines;
    ImportDescription(Header + QStringLiteral("Pickup\nHeavy\nChassis\nLarge Power\nPlant\nHeavy Suspension\n"
                                              "Solid Tires\nDriver\nfront: MG\nArmor F10\nB10"),
                      Lines);
    EXPECT_EQ(Lines.Result, OneLine.Result);
    EXPECT_EQ(Lines.Leftovers, QString());
    EXPECT_TRUE(Lines.Result.contains(QStringLiteral("* Description: A pickup, fast as a van")));
}

} // namespace
