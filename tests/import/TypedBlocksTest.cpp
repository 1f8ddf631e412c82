#include "StageTwoFixture.h"

#include "import/ImportResult.h"

namespace {

// Blocks as players type them and as a forum or a mail program lays out the
// program's own: every word ends in the result or in the leftovers, nothing
// is invented. Each case names result lines that must stand in the result,
// exactly, the whole leftovers, and lines that must not stand in the result.
using TypedBlocks = StageTwo;

struct TTypedCase {
    const char* What;
    const char* Text;
    std::vector<const char*> Lines;
    const char* Leftovers;
    std::vector<const char*> Absent = {};
};

void CheckCases(const std::vector<TTypedCase>& Cases)
{
    for (const TTypedCase& Case : Cases) {
        TImportResult Out;
        ImportDescription(QString::fromLatin1(Case.Text), Out);
        const std::string Shown = Out.Result.join(QLatin1Char('\n')).toStdString();
        for (const char* Line : Case.Lines)
            EXPECT_TRUE(Out.Result.contains(QLatin1String(Line))) << Case.What << ": no line \"" << Line << "\" in\n"
                                                                  << Shown;
        for (const char* Line : Case.Absent)
            EXPECT_FALSE(Out.Result.contains(QLatin1String(Line))) << Case.What << ": line \"" << Line << "\" in\n"
                                                                   << Shown;
        EXPECT_EQ(Out.Leftovers.toStdString(), Case.Leftovers) << Case.What << "\n" << Shown;
    }
}

// The program's own weapon groups: a "-" in a bracket of loads is one
// weapon's plain load, and "(T)" after a weapon is its tracer load.
TEST_F(TypedBlocks, LoadBracketsAreLoads)
{
    CheckCases({
        {"plain load written", "Van, front: 2 MG (AP, -), 2 RL (-, HEAT, +Ammo)",
         {"front:  2x Machine Gun (Ammo: AP, -)", "front:  2x Rocket Launcher (Ammo: -, HEAT) (+1 Ammo)"}, ""},
        {"tracer", "Van, front: MG (T), back: 3 VMG (T, T, +2 Ammo)",
         {"front:  Machine Gun (Ammo: T)", "back:  3x Vulcan Machine Gun (Ammo: T, T, -) (+2 Ammo)"}, ""},
        {"tracer of part of a group", "Van, 2 AC (T)", {"front:  2x Autocannon (Ammo: T, -)"}, ""},
        {"a place in brackets stays a place", "Van, MG (B)", {"back:  Machine Gun"}, ""},
        // Magazines in a bracket of their own are no count and no leftover.
        {"magazines beside the loads", "Van, front: MG (AP) (+2 Ammo), back: MG (T) (+Ammo)",
         {"front:  Machine Gun (Ammo: AP) (+Ammo)", "back:  Machine Gun (Ammo: T) (+Ammo)"}, ""},
        {"magazines before the loads", "Van, 3 RL (+2 Ammo) (HEAT, -, -)",
         {"front:  3x Rocket Launcher (Ammo: HEAT, -, -) (+2 Ammo)"}, ""},
        // A second bracket of loads is more than the weapon holds: it stays
        // with the user, and "(T)" in it is no place.
        {"a second bracket of loads", "Van, RL (HEAT) (T), MG", {"front:  Rocket Launcher (Ammo: HEAT)",
                                                                "front:  Machine Gun"}, "(T)"},
    });
}

// A line break after a count, a laser option or an item, wherever a mail
// program put it, changes nothing.
TEST_F(TypedBlocks, LineBreaksInsideAndBetweenItems)
{
    CheckCases({
        {"count on the line before", "Van, front: 3\nSD(2 pt CA) (+Ammo), 2\nLL",
         {"front:  3x Spikedropper (+1 Ammo) (2 pt CA)", "front:  2x Light Laser"}, ""},
        {"laser option on the line after", "Van, front: 3 HL\nPulse, back: P\nHL",
         {"front:  3x Heavy Laser (Pulse)", "back:  Heavy Laser (Pulse)"}, ""},
        {"laser options on the line before", "Van, in turret: IR\nPulse L+SWC, front: IR\nLL",
         {"turret:  Laser (IR) (Pulse) (+SWC)", "front:  Light Laser (IR)"}, ""},
        {"item before the armor", "Van\nSpoiler (front)\nFireproof Armor F10, R10, L10, B10, T10, U10",
         {"* Armor: Fireproof Plastic Armor: F10, L10, R10, B10, T10, U10", "Spoiler (front)"}, ""},
        {"pod before the armor", "Van\nOne-Space Side EWP (3 pt) (Plastic)\nMetal Armor F2, R2, L2, B2, T2, U2",
         {"* Armor: Metal Armor: F2, L2, R2, B2, T2, U2", "One-space  Side  (3 pt) EWP"}, ""},
        {"pod with its plastic bracket before the armor",
         "Van\nThree-space Top Rocket EWP (6 pt) (Plastic)\nFireproof Composite Armor F8/28\nR1/1\nL8/34\nB1/35\nT8/35\n"
         "U7/29\n5 Cargo",
         {"* Armor: Fireproof Composite Armor: F8/28, L8/34, R1/1, B1/35, T8/35, U7/29", "Three-space  Top Rocket  (6 pt) EWP"},
         "5 Cargo"},
        {"tank on its own line",
         "Van\n300 cid Gas Engine (Carburetor, 3x N2O)\nHeavy Duty Tank with one gallon\nSolid Front & Rear Tires",
         {"* Engine: 300 cid Gas Engine  with Carburetor, 3x N2O, Gas Tank: Heavy Duty, 1 gal."}, ""},
        {"add-ons one a line", "Van\nThree-space Pop-up Turret\nTwo-Space Top Rocket EWP (4 pt)\n2x Spoiler\nTwo-space Rocket Platform",
         {"Three-space Pop-up Turret", "Two-space  Top Rocket  (4 pt) EWP", "2x Spoiler", "Two-space  Rocket Platform "},
         ""},
        {"body over two lines", "Hornet by Kay\nFast one\nStation\nWagon, Heavy Chassis",
         {"* Type: Station Wagon", "* Description: Fast one", "* Chassis: Heavy"}, ""},
        {"streamlined on the line before", "Hornet by Kay\nFast one\nStreamlined\nVan, Heavy Chassis",
         {"* Type: Van", "* Streamlined ", "* Description: Fast one"}, ""},
    });
}

// Items a player separates by blanks or dashes only, loads written out and
// sizes written short: what is read goes into the result, the rest stays in
// the leftovers whole.
TEST_F(TypedBlocks, NothingVanishes)
{
    CheckCases({
        {"no commas",
         "Hornet by Kay\nVan Heavy Chassis Improved Suspension Solid Tires Large Power Plant Driver Body Armor front: 2 MG Spoiler Armor "
         "F10 R10 Accel. 5 HC 2 4000 lbs",
         {"* Chassis: Heavy", "* Suspension: Improved", "* Tires: Front & Rear Tires: Solid", "* Crew: Driver: Body Armor",
          "* Engine: Large Power Plant", "front:  2x Machine Gun", "Spoiler", "* Acceleration: 5", "* HC: 2",
          "* Weight: 4000"},
         ""},
        {"dashes", "Van - Heavy Chassis - Large Power Plant - front: 2 MG - Spoiler - Armor F10, R10",
         {"* Chassis: Heavy", "* Engine: Large Power Plant", "front:  2x Machine Gun", "Spoiler",
          "* Armor: Plastic Armor: F10, L, R10, B, T, U"},
         ""},
        {"load written out", "Van, front: 2 MG (AP ammo), 2 RL (HEAT ammo), back: RL with HEAT ammo",
         {"front:  2x Machine Gun (Ammo: AP)", "front:  2x Rocket Launcher (Ammo: HEAT)",
          "back:  Rocket Launcher (Ammo: HEAT)"},
         ""},
        {"size short before a plant", "Van, Med. Power Plant (Superconductors), Spoiler",
         {"* Engine: Medium Power Plant with Superconductors", "Spoiler"}, ""},
        {"plant of unknown size", "Van, Lg. Power Plant, Spoiler", {"Spoiler"}, "Lg\r\nPower Plant"},
        {"unknown words", "Van, Spoiler, Flux Capacitor, front: MG", {"Spoiler", "front:  Machine Gun"},
         "Flux Capacitor"},
        // Without a name line, the first heading's ":" or the first dash
        // lies inside the stat block: no name swallows the parts before it.
        {"no commas and no name line",
         "Van Heavy Chassis Heavy Suspension Solid Tires 200 cid Gas Engine Economy Tank with 5 gallons front: RL Airdam "
         "Armor F5 R5 L5 B5 T5 U5",
         {"* Type: Van", "* Chassis: Heavy", "* Suspension: Heavy", "* Tires: Front & Rear Tires: Solid",
          "* Engine: 200 cid Gas Engine, Gas Tank: Economy, 5 gal.", "front:  Rocket Launcher", "Airdam",
          "* Armor: Plastic Armor: F5, L5, R5, B5, T5, U5"},
         ""},
        {"dashes and no name line", "Van - Light Chassis - Medium Power Plant - back: 2 SD - Airdam",
         {"# Vehicle name not found", "* Type: Van", "* Chassis: Light", "* Engine: Medium Power Plant",
          "back:  2x Spikedropper", "Airdam"},
         ""},
        {"a name before the dash", "Hornet - Van, Light Chassis", {"* Name: Hornet", "* Type: Van"}, ""},
        // A count after "and" or "with" is the count of what follows it.
        {"count after and", "Van, back: FT and 2 SD, MG", {"back:  Flamethrower", "back:  2x Spikedropper",
                                                           "back:  Machine Gun"}, ""},
        {"count after with", "Van, Spoiler with 2 MG", {"Spoiler", "front:  2x Machine Gun"}, ""},
        {"laser options in brackets", "Van, front: 2 L (IR), back: LL (IR) (Pulse)",
         {"front:  2x Laser (IR)", "back:  Light Laser (IR) (Pulse)"}, ""},
        // A part cut out of the text leaves ", ," behind; the wheelguards
        // after it are read all the same.
        {"wheelguards after a cut part", "Van, 4 PR radial tires, Driver (Body Armor), Gunner (TC), Wheelguards 5-point "
                                         "(front), front: MG",
         {"* Wheelguards:  (front) (5pt)", "front:  Machine Gun"}, "4"},
        {"tabs between words", "Van,\tHeavy\tChassis,\tfront:\t2\tMG\t(AP,\t-)",
         {"* Chassis: Heavy", "front:  2x Machine Gun (Ammo: AP, -)"}, ""},
        // An accessory's note keeps its place word, which places nothing.
        {"place word in a note", "Van, back: RL, Searchlight (on the front), MG, Armored Searchlight (left) extra",
         {"back:  Rocket Launcher", "Searchlight (on the front)", "back:  Machine Gun", "Armored Searchlight (left)"},
         "extra"},
        // The invalid mark wrapped after its "##": nothing of the reason
        // ("Laser") is read as a part.
        {"invalid mark wrapped", "Van, Spoiler, Accel. 0\r\n##\r\nINVALID ## (Laser\r\nrequires a battery)",
         {"# Vehicle marked as invalid!", "# No weapons found!", "Spoiler"}, ""},
    });
}

// A size is the size of an add-on, never a count; weapons named with an
// add-on go into it, and an add-on the text does not size stays in the
// leftovers with its weapons.
TEST_F(TypedBlocks, AddOnsHoldTheirWeapons)
{
    CheckCases({
        {"turret heading", "Van, two-space turret: VMG, MG",
         {"Two-space Turret", "turret:  Vulcan Machine Gun", "turret:  Machine Gun"}, ""},
        {"turret with", "Van, Three-space Turret with 2 MG", {"Three-space Turret", "turret:  2x Machine Gun"}, ""},
        {"platform with a count", "Van, Two-space Rocket Platform with 3 MR",
         {"Two-space  Rocket Platform ", "rocket platform:  3x Medium Rocket"}, ""},
        {"pod with", "Van, One-space EWP with RL", {"One-space   EWP", "ewp:  Rocket Launcher"}, ""},
        // The count of what a pod holds is no armor of the pod; the loads go
        // with the weapons, and the place does not carry on.
        {"pod with a count and loads", "Van, Two-space Top EWP with 2 RL (HEAT, HEAT), MG",
         {"Two-space  Top  EWP", "ewp:  2x Rocket Launcher (Ammo: HEAT)", "front:  Machine Gun"}, ""},
        {"turret with loads", "Van, Three-space Turret with 2 MG (AP, -)",
         {"Three-space Turret", "turret:  2x Machine Gun (Ammo: AP, -)"}, ""},
        {"what it holds in brackets, with options", "Van, Two-space Side EWP (3 pt) (rear) (2 RL+SWC), MG",
         {"Two-space  Side  (rear) (3 pt) EWP", "ewp:  2x Rocket Launcher (+SWC)", "front:  Machine Gun"}, ""},
        {"several items after a heading", "Van, Three-space turret: 2 MG, LL, back: FT",
         {"Three-space Turret", "turret:  2x Machine Gun", "turret:  Light Laser", "back:  Flamethrower"}, ""},
        {"bumper trigger beside an accessory", "Van, Spoiler, Bumper Trigger Back Searchlight",
         {"Bumper Trigger Back", "Spoiler"}, "Searchlight"},
        // A size in the add-on's own bracket is its size, not what it holds.
        {"size in brackets", "Van, Rocket Platform (two-space), MG", {"Two-space  Rocket Platform ", "front:  Machine Gun"},
         ""},
        {"platform without a size", "Van, rocket platform with 3 MR, front: MG", {"front:  Machine Gun"},
         "rocket platform with 3 MR"},
        {"pod without a size", "Van, EWP with 2 RL", {"# Vehicle Weapon or Equipment Info not found"},
         "EWP with 2 RL"},
        {"turret without a size", "Van, Turret with RL, front: MG", {"front:  Machine Gun"}, "Turret with RL",
         {"turret:  Rocket Launcher"}},
        {"turret without a size holding in brackets", "Van, Turret (2 MG), back: RL", {"back:  Rocket Launcher"},
         "Turret (2 MG)", {"turret:  2x Machine Gun"}},
        // A turret written as the place of a weapon stays its place.
        {"weapon in a turret", "Van, Heavy Chassis, MG in turret", {"turret:  Machine Gun"}, ""},
    });
}

// The name, author and notes keep their full stops; the body comes from the
// line that begins with one, else from the first body word anywhere, never
// from a word that merely holds one.
TEST_F(TypedBlocks, HeaderAndBody)
{
    CheckCases({
        {"full stops", "R. Calder's Mk. II, designed by R. Calder\nBuilt for St. Ives.\nVan, Heavy Chassis",
         {"* Name: R. Calder's Mk. II", "* Author: R. Calder", "* Description: Built for St. Ives.", "* Type: Van"}, ""},
        {"name with a comma", "Hornet, the second by Kay\nVan, Heavy Chassis",
         {"* Name: Hornet, the second", "* Author: Kay", "* Type: Van"}, ""},
        // A mail program wraps the header line at a blank of its separator,
        // and leaves blanks at the line's end.
        {"header wrapped in the separator", "Mk. II Hornet,\r\ndesigned by R. Calder  \r\nFast one\r\nVan, Heavy Chassis",
         {"* Name: Mk. II Hornet", "* Author: R. Calder", "* Description: Fast one", "* Type: Van"}, ""},
        {"header wrapped after by", "HORNET, DESIGNED BY\nKAY\nFAST ONE\nVAN", {"* Name: HORNET", "* Author: KAY",
                                                                              "* Description: FAST ONE"}, ""},
        // A comment under the block may begin with a body word; the block's
        // line is the one with its chassis after it.
        {"comment under the block beginning with a body word",
         "Hornet by Kay\nFast car\nPickup, Heavy Chassis, front: MG\nVan owners will love it",
         {"* Type: Pickup", "* Description: Fast car", "* Chassis: Heavy", "front:  Machine Gun"},
         "Van owners will love it"},
        {"comment under the block", "Hornet by Kay\nMy fast Pickup, Heavy Chassis\nBuilt for the adVANtage of all",
         {"* Type: Pickup", "* Description: My fast", "* Chassis: Heavy"}, "Built for the adVANtage of all"},
        // A comment under the block may mention a chassis too: the block is
        // the line that carries the parts.
        {"comment under the block mentioning a chassis",
         "Hornet by Kay\nVan, Heavy Chassis, Large Power Plant, Driver, Armor F10, front: MG\n"
         "Sedan drivers: the heavy chassis is worth every penny.",
         {"* Type: Van", "* Chassis: Heavy", "* Engine: Large Power Plant", "* Crew: Driver: ",
          "* Armor: Plastic Armor: F10, L, R, B, T, U", "front:  Machine Gun"},
         "Sedan drivers: the heavy chassis is worth every penny", {"* Description: Hornet by Kay"}},
        {"comment above the block one part a line", "Hornet by Kay\nVan owners will love it\nPickup\nHeavy Chassis\n"
                                                    "Large Power Plant",
         {"* Type: Pickup", "* Description: Van owners will love it", "* Chassis: Heavy",
          "* Engine: Large Power Plant"},
         ""},
        // Two lines that carry as much: the first body word of the list.
        {"two lines carrying as much", "Hornet by Kay\nPickup, Light Chassis\nVan, Heavy Chassis",
         {"* Type: Pickup", "* Chassis: Light"}, "Van\r\nHeavy Chassis", {"* Type: Van"}},
    });
}

// A name may hold a comma; a separator lies inside the block only where a
// body word stands before it and none after it.
TEST_F(TypedBlocks, NamesAndHeaders)
{
    CheckCases({
        {"comma before the colon", "Hawk, Mk 2: Sedan, Heavy Chassis",
         {"* Name: Hawk, Mk 2", "* Type: Sedan", "* Chassis: Heavy"}, ""},
        {"comma before the dash", "Speedy, the Second - Joe\nVan, Heavy Chassis",
         {"* Name: Speedy, the Second", "* Description: Joe", "* Type: Van"}, ""},
        {"by inside a block without a name line", "Van, Heavy Chassis, Searchlight (mounted by the door)",
         {"# Vehicle name not found", "# Author name not found", "* Type: Van", "* Chassis: Heavy",
          "Searchlight (mounted by the door)"},
         ""},
        // The header under a greeting: the name begins at the start of its
        // line, and the greeting is the description.
        {"header on a later line",
         "Hi all, here is my new car. Comments welcome!\n\nNightshade, designed by Kim\nVan, Heavy Chassis",
         {"* Name: Nightshade", "* Author: Kim", "* Description: Hi all, here is my new car. Comments welcome!",
          "* Type: Van", "* Chassis: Heavy"},
         ""},
        {"header with a dash on a later line", "Hi all\n\nNightshade - Kim\nVan, Heavy Chassis",
         {"* Name: Nightshade", "* Description: Hi all Kim", "* Type: Van"}, ""},
        {"by on a later line inside the block", "Van, Heavy Chassis\nSearchlight (mounted by the door)",
         {"# Vehicle name not found", "* Type: Van", "Searchlight (mounted by the door)"}, ""},
    });
}

// A word before an armor's kind that the kind does not take is no part of
// its own.
TEST_F(TypedBlocks, ArmorKindKeepsItsWords)
{
    CheckCases({
        {"laser reflective", "Van, back: MG, Laser Reflective Armor F30, R30, L30, B30, T30, U30",
         {"* Armor: Reflective Plastic Armor: F30, L30, R30, B30, T30, U30", "back:  Machine Gun"}, "",
         {"back:  Laser"}},
        {"sloped laser reflective", "Van, Sloped Laser Reflective Metal Armor F3, R3, front: L",
         {"* Armor: Sloped Reflective Metal Armor: F3, L, R3, B, T, U", "front:  Laser"}, ""},
    });
}

// Text between the driver's gear and the gunner is the driver's gear where it
// is gear, else it stays with the user.
TEST_F(TypedBlocks, NothingOfTheCrewVanishes)
{
    CheckCases({
        {"passengers between the seats", "Van, Driver, 2 passengers, Gunner (Body Armor)",
         {"* Crew: Driver: ", "Gunner: Body Armor"}, "2 passengers"},
        {"gear after the passengers", "Van, Driver, Gas Mask, 2 passengers, Body Armor, Gunner (TC)",
         {"* Crew: Driver: Gas Mask, Body Armor", "Gunner: Targeting Computer"}, "2 passengers"},
        {"no commas", "Van Driver Gas Mask Gunner Body Armor",
         {"* Crew: Driver: Gas Mask", "Gunner: Body Armor"}, ""},
        {"bracketed gear then passengers", "Van, Driver (Gas Mask), 2 passengers, Gunner (TC), Spoiler",
         {"* Crew: Driver: Gas Mask", "Gunner: Targeting Computer", "Spoiler"}, "2 passengers"},
    });
}

} // namespace

namespace {

// A tire item that names no kind of tire ("a spare tire in the bed") is no
// tire set and replaces none read before it: it stays with the user, in
// every place it stands.
TEST_F(TypedBlocks, ATireOfNoKindIsNoTireSet)
{
    const char* const Comments[] = {"extra tire under the floor", "the tires are bald", "a spare tire"};
    for (const char* Comment : Comments)
        for (int Place = 0; Place < 3; ++Place) {
            QStringList Items = {QStringLiteral("Solid tires front"), QStringLiteral("Radial PC tires back")};
            Items.insert(Place, QLatin1String(Comment));
            const QString Text = QStringLiteral("Gadfly by Uma\nSedan, Light Chassis, ") + Items.join(QStringLiteral(", "))
                                 + QStringLiteral(", back: FT");
            TImportResult Out;
            ImportDescription(Text, Out);
            const std::string Shown = Text.toStdString() + "\n" + Out.Result.join(QLatin1Char('\n')).toStdString();
            EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Tires: Front Tires: Solid"))) << Shown;
            EXPECT_TRUE(Out.Result.contains(QStringLiteral("Rear Tires: Plasticore Radial"))) << Shown;
            EXPECT_EQ(Out.Result.filter(QStringLiteral("Tires")).size(), 2) << Shown;
            EXPECT_TRUE(Out.Result.contains(QStringLiteral("back:  Flamethrower"))) << Shown;
            EXPECT_EQ(Out.Leftovers.toStdString(), Comment) << Shown;
        }
}

} // namespace

namespace {

// A name that holds a body word inside a longer word, with every separator
// the header takes and a dash before "by", in any case: the name is read
// whole and the body from the block.
TEST_F(TypedBlocks, NamesHoldingBodyWordsInsideLongerWords)
{
    for (const char* Name : {"Vanguard", "Caravan", "Compactor", "Sedanza"})
        for (const char* Separator : {": ", " - ", " -- ", " -- by Marla\n", " - by Marla\n", ", designed by Marla\n"})
            for (const bool Capitals : {false, true}) {
                QString Text = QLatin1String(Name) + QLatin1String(Separator) + QStringLiteral("Pickup, Light Chassis");
                if (Capitals)
                    Text = Text.toUpper();
                TImportResult Out;
                ImportDescription(Text, Out);
                const QString Expected = QStringLiteral("* Name: ") + (Capitals ? QString(QLatin1String(Name)).toUpper()
                                                                               : QString(QLatin1String(Name)));
                EXPECT_TRUE(Out.Result.contains(Expected)) << Text.toStdString() << "\n"
                                                            << Out.Result.join(QLatin1Char('\n')).toStdString();
                EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Type: Pickup"))) << Text.toStdString();
                EXPECT_EQ(Out.Leftovers.toStdString(), "") << Text.toStdString();
            }
}

// The program's own header right under a greeting, with or without a blank
// line between, keeps its name and author; the greeting is the description.
TEST_F(TypedBlocks, OwnHeaderUnderAGreeting)
{
    for (const char* Between : {"\n", "\r\n", "\n\n", "\n  \n"})
        for (const char* Greeting : {"Hello all, a new one.", "Greetings!\nTwo lines of it."}) {
            const QString Text = QLatin1String(Greeting) + QLatin1String(Between)
                                 + QStringLiteral("Gray Moth, designed by Ida Rune\nCamper, Standard Chassis");
            TImportResult Out;
            ImportDescription(Text, Out);
            const std::string Shown = Text.toStdString() + "\n" + Out.Result.join(QLatin1Char('\n')).toStdString();
            EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Name: Gray Moth"))) << Shown;
            EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Author: Ida Rune"))) << Shown;
            EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Description: ")
                                            + QString(QLatin1String(Greeting)).replace(QLatin1Char('\n'), QLatin1Char(' '))))
                << Shown;
            EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Type: Camper"))) << Shown;
            EXPECT_EQ(Out.Leftovers.toStdString(), "") << Shown;
        }
}

} // namespace

namespace {

// Gear listed after the driver's bracket is the driver's, however much of it
// stands in the bracket and after it, up to the gunner or the next part.
TEST_F(TypedBlocks, GearAfterTheDriversBracket)
{
    const QStringList Gear = {QStringLiteral("Impact Armor"), QStringLiteral("Gas Mask"), QStringLiteral("PFE"),
                              QStringLiteral("TC")};
    const QStringList Names = {QStringLiteral("Impact Armor"), QStringLiteral("Gas Mask"),
                               QStringLiteral("Portable Fire Extinguisher"), QStringLiteral("Targeting Computer")};
    for (int InBracket = 1; InBracket < Gear.size(); ++InBracket)
        for (const char* After : {", Gunner (Body Armor)", ", back: FT", ", Gunner, back: FT"}) {
            const QString Text = QStringLiteral("Gadfly by Uma\nSedan, Driver (%1), %2%3")
                                     .arg(Gear.mid(0, InBracket).join(QStringLiteral(", ")),
                                          Gear.mid(InBracket).join(QStringLiteral(", ")), QLatin1String(After));
            TImportResult Out;
            ImportDescription(Text, Out);
            const std::string Shown = Text.toStdString() + "\n" + Out.Result.join(QLatin1Char('\n')).toStdString();
            // The gear list follows the sorted table, not the text.
            const QString Line = Out.Result.filter(QStringLiteral("* Crew: Driver: ")).value(0);
            for (const QString& Name : Names)
                EXPECT_TRUE(Line.contains(Name)) << Shown;
            EXPECT_EQ(Out.Leftovers.toStdString(), "") << Shown;
        }
}

} // namespace
