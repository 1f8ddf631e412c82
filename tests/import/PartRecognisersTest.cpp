#include "StageTwoFixture.h"

#include "import/ImportResult.h"
#include "import/PartRecognisers.h"

#include <gtest/gtest.h>

namespace {

struct TCase {
    const char* Input;
    const char* Value;
    const char* Remains;
};

// Each recogniser: the value of its result line and the working text it leaves.
template <typename TParse>
void Check(TParse Parse, std::initializer_list<TCase> Cases)
{
    for (const TCase& C : Cases) {
        QString S = QLatin1String(C.Input);
        EXPECT_EQ(Parse(S).toStdString(), C.Value) << C.Input;
        EXPECT_EQ(S.toStdString(), C.Remains) << C.Input;
    }
}

TEST(PartRecognisers, Name)
{
    Check(
        [](QString& S) {
            bool HasAuthor = false;
            const QString Name = ParseName(S, HasAuthor);
            return Name + (HasAuthor ? QStringLiteral("|author") : QString());
        },
        {{"Gadfly, designed by Rigsmith\r\nVan", "Gadfly|author", "Rigsmith\r\nVan"},
         {"Hornet by Kay: Van", "Hornet|author", "Kay: Van"},
         {"Hornet - Van", "Hornet", "Van"},
         {"Hornet: Van", "Hornet", "Van"},
         {"Van, HC 2", "", "Van, HC 2"},
         // Keywords in any case.
         {"HORNET, DESIGNED BY KAY\r\nVAN", "HORNET|author", "KAY\r\nVAN"},
         {"Hornet BY Kay: Van", "Hornet|author", "Kay: Van"},
         // A separator with a body before it and none after it, or on a
         // later line that is no header of its own, lies in the stat block: a
         // block without a name line has no name.
         {"Van, Heavy Chassis, front: MG", "", "Van, Heavy Chassis, front: MG"},
         {"Van, Heavy Chassis - fast, HC 2", "", "Van, Heavy Chassis - fast, HC 2"},
         {"Fast car\r\nVan: extra", "", "Fast car\r\nVan: extra"},
         // A name may hold a comma.
         {"Van, Driver by the door", "", "Van, Driver by the door"},
         {"Hornet, the second by Kay\r\nVan", "Hornet, the second|author", "Kay\r\nVan"},
         {"Hornet, second: Van", "Hornet, second", "Van"},
         {"Hornet, second - Van", "Hornet, second", "Van"},
         // A body before ":" or " - " and none after it: the separator lies
         // inside a block without commas.
         {"Van Heavy Chassis front: MG", "", "Van Heavy Chassis front: MG"},
         {"Van - Heavy Chassis", "", "Van - Heavy Chassis"},
         {"Killer Van: Van", "Killer Van", "Van"},
         // The header line wrapped at a blank of its separator.
         {"Hornet,\r\ndesigned by Kay\r\nVan", "Hornet|author", "Kay\r\nVan"},
         {"Hornet, designed\nby\nKay\nVan", "Hornet|author", "Kay\nVan"},
         {"Hornet\nby Kay\nVan", "Hornet|author", "Kay\nVan"},
         {"Fast car\nbuilt by Kay, Van", "", "Fast car\nbuilt by Kay, Van"},
         // A header line of its own under a greeting: the greeting goes on
         // after the author's line.
         {"Hi all\r\n\r\nHornet, designed by Kay\r\nVan", "Hornet|author", "Kay\r\nHi all\r\nVan"},
         {"Hi all\n\nHornet: Van", "", "Hi all\n\nHornet: Van"},
         {"Hi all\n\nHornet - Kay\nVan", "Hornet", "Hi all\r\nKay\nVan"}});
}

TEST(PartRecognisers, Author)
{
    Check([](QString& S) { return ParseAuthor(S, true); },
          {{"Rigsmith\r\nVan", "Rigsmith", "Van"}, {"Kay: Van", "Kay", "Van"}, {"Kay", "Kay", ""},
           // Blanks at the end of the header line are no part of the author.
           {"Kay \r\nVan", "Kay", "Van"}});
    const QString Long = QStringLiteral("x").repeated(95);
    QString S = Long;
    EXPECT_EQ(ParseAuthor(S, true), QString());
    EXPECT_EQ(S, Long);
    Check([](QString& S) { return ParseAuthor(S, false); }, {{"update by Kay, Van", "", "Kay, Van"}});
}

TEST(PartRecognisers, Body)
{
    Check(
        [](QString& S) {
            QString Description;
            const QString Body = ParseBody(S, Description);
            return Body + QStringLiteral("|") + Description;
        },
        {{"Subcompact, Standard Chassis", "Subcompact|", "Standard Chassis"},
         {"Fast one\r\nStreamlined Subcompact, X", "Subcompact\r\n* Streamlined |Fast one", "X"},
         {"Station-Wagon, X", "Station Wagon|", "X"},
         {"Caravan, X", "Van|Cara", "X"},
         {"Motorcycle", "|", "Motorcycle"}});
    // The comment under a header is the description, whatever body words it
    // holds; the body comes from the stat block, the last line.
    Check(
        [](QString& S) {
            QString Description;
            const QString Body = ParseBody(S, Description);
            return Body + QStringLiteral("|") + Description;
        },
        {{"Gas-engined pickup, with a van's hold,\r\nPickup, Heavy Chassis",
          "Pickup|Gas-engined pickup, with a van's hold", "Heavy Chassis"},
         {"Luxury cruiser\r\nStreamlined Luxury, X", "Luxury\r\n* Streamlined |Luxury cruiser", "X"},
         {"Van, Heavy Chassis\r\nHC 2", "Van|", "Heavy Chassis\r\nHC 2"}});
}

TEST(PartRecognisers, Chassis)
{
    // The phrase goes with the separator before it; the one after it stays.
    Check(ParseChassis, {{"Van, Extra Heavy Chassis, X", "Extra Heavy", "Van,, X"},
                         {"Van, X-Heavy Chassis, X", "Extra Heavy", "Van,, X"},
                         {"Van, Extra-Heavy Chassis, X", "Extra Heavy", "Van,, X"},
                         {"Van, Heavy Chassis, X", "Heavy", "Van,, X"},
                         {"Light Chassis, X", "Light", "X"},
                         {"Van, Odd Chassis, X", "", "Van, Odd Chassis, X"},
                         {"Van, X", "", "Van, X"}});
}

TEST(PartRecognisers, Suspension)
{
    Check(ParseSuspension, {{"A, Improved Suspension, B", "Improved", "A, B"},
                            {"A, Improved active suspension, B", "Improved", "A, B, Active Suspension "},
                            {"A, Active Suspension, Heavy Susp, B", "Heavy", "A, Active Suspension, B"},
                            {"A, Imp, Suspension, B", "Improved", "A, B"},
                            {"A, Off-Road Suspension", "Off-Road", "A"},
                            {"A, Odd Suspension", "", "A, Odd Suspension"}});
}

TEST(PartRecognisers, Tires)
{
    Check(ParseTires, {{"PR radial tires front, HD tires rear",
                        "Front Tires: Puncture-Resistant Radial\r\nRear Tires: Heavy-Duty", ""},
                       {"Solid Tires, X", "Front & Rear Tires: Solid", "X"},
                       {"X, Plasticore tires", "Front & Rear Tires: Plasticore", "X"},
                       {"X, no wheels", "", "X, no wheels"}});
    EXPECT_EQ(DescribeTireItem(QStringLiteral("FP TIRE"), true), QStringLiteral("Rear Tires: Fireproof"));
}

TEST(PartRecognisers, WheelguardsAndHubcaps)
{
    Check(ParseWheelguards,
          {{"Wheelguards 10-point (front), Wheelguards 10-point (rear), X",
            "* Wheelguards:  (front) (10pt)\r\n* Wheelguards:  (rear) (10pt)", "X"},
           {"Hubcaps 3-point (front), X", "* Hubcaps:  (front) (3pt)", "X"},
           {"Wheelguards (front) 10-point, X", "", "Wheelguards (front) 10-point, X"},
           {"X, Y", "", "X, Y"}});
    QString Item = QStringLiteral("10-point ()");
    EXPECT_EQ(ParsePoints(Item), QStringLiteral("10"));
    EXPECT_EQ(Item, QStringLiteral("()"));
}

TEST(PartRecognisers, Armor)
{
    Check([](QString& S) { return ParseArmor(S); }, {{"X, Sloped Fireproof Plastic Armor: F10, L10, R10, B10, T10, U10, Accel",
                        "Sloped Fireproof Plastic Armor: F10, L10, R10, B10, T10, U10", "X,Accel"},
                       {"X, Metal Armor F10/5, Accel", "Composite Armor: F10/5, L, R, B, T, U", "X,Accel"},
                       {"X, Y", "|<no armor>|", "X, Y"},
                       // Side letters in any case and spacing; a letter is
                       // a side, never a weapon, up to the next word.
                       {"X, armor f10 l 10, r10 b 5 t2 u1, Laser",
                        "Plastic Armor: F10, L10, R10, B5, T2, U1", "X,Laser"},
                       {"X, Armor: L 10, Light Laser", "Plastic Armor: F, L10, R, B, T, U", "X,Light Laser"},
                       {"X, Armor F 30 / B 30 / T 5, Y", "Plastic Armor: F30, L, R, B30, T5, U", "X,Y"},
                       // A side named twice, or a second slash, ends the values:
                       // what follows stays in the text.
                       {"X, Armor R5/5 R5/5, Y", "Composite Armor: F, L, R5/5, B, T, U", "X,R5/5, Y"},
                       {"X, Armor F5/5/5, Y", "Composite Armor: F5/5, L, R, B, T, U", "X,/5, Y"}});
}

TEST(PartRecognisers, Engine)
{
    Check(ParseEngine,
          {{"X, TTCAT Power Plant, Y", "T-Cat Power Plant", "X, Y"},
           {"X, Large Power Plant (Superconductors, Platinum Catalyst), Y",
            "Large Power Plant with Superconductors, Platinum Catalyst", "X, Y"},
           {"X, Small PP (ISC), Y", "Small Power Plant with Improved Supercharger Capacitor", "X, Y"},
           {"X, Small PP (3 ISCs), Y", "Small Power Plant with 3 Improved Supercharger Capacitors", "X, Y"},
           {"X, 250 cid Gas Engine (Carburetor, Turbocharger), Heavy-Duty Gas Tank (15 gal,), Y",
            "250 cid Gas Engine  with Carburetor, Turbocharger, Gas Tank: Heavy Duty, 15 gal.", "X, Y"},
           {"X, 100 cid Gas Engine, Y", "100 cid Gas Engine\r\n# Engine gas tank not found", "X, Y"},
           // "Duelling Tank with 10 gallons" as the wheelguard reader leaves it.
           {"X, 250 cid Gas Engine (Turbocharger), Duelling Tank, 10 gallons, Y",
            "250 cid Gas Engine  with Turbocharger, Gas Tank: Duelling, 10 gal.", "X, Y"},
           {"X, 250 cid Gas Engine, Racing Tank with one gallon, Y",
            "250 cid Gas Engine, Gas Tank: Racing, 1 gal.", "X, Y"},
           // One item naming two options.
           {"X, 200 cid gas engine with turbocharger and nitrous, Economy Tank with 10 gallons, Y",
            "200 cid Gas Engine  with Turbocharger, N2O, Gas Tank: Economy, 10 gal.", "X, Y"},
           {"X, Y", "", "X, Y"}});
}

TEST(ImportDescription, NormalisationAndProblemLines)
{
    TImportResult Out;
    ImportDescription(QStringLiteral("Hvy. chassis, Accel. 5 ## INVALID Van"), Out);
    EXPECT_EQ(Out.Result, QStringList({QStringLiteral("# Vehicle marked as invalid!"),
                                       QStringLiteral("# Vehicle name not found"),
                                       QStringLiteral("# Author name not found"),
                                       QStringLiteral("# Vehicle Body Type not found!"),
                                       QStringLiteral("* Chassis: Heavy"),
                                       QStringLiteral("# Vehicle Suspension Type not found!"),
                                       QStringLiteral("# Vehicle Tire Info not found!"),
                                       QStringLiteral("### The key word 'Armor' was not found - plase add it by hand ###"),
                                       QStringLiteral("# Vehicle Engine Info not found"),
                                       QStringLiteral("* Acceleration: 5"),
                                       QStringLiteral("# Vehicle Top Speed Info not found"),
                                       QStringLiteral("# Vehicle HC Info not found"),
                                       QStringLiteral("# Vehicle Weight Info not found"),
                                       QStringLiteral("# Vehicle Cost Info not found"),
                                       QStringLiteral("# Vehicle Weapon or Equipment Info not found")}));
    // The full stops go once the name, author and notes are read.
    EXPECT_EQ(Out.History, QStringList({QStringLiteral("> Init, remains: Heavy chassis, Accel. 5 ## INVALID Van"),
                                        QStringLiteral("> Name = \"\", remains: Heavy chassis, Accel. 5 "),
                                        QStringLiteral("> Author = \"\", remains: Heavy chassis, Accel. 5"),
                                        QStringLiteral("> Chassis = \"Heavy\", remains: Accel, 5"),
                                        QStringLiteral("> Acceleration = \"5\"")}));
    EXPECT_EQ(Out.Leftovers, QString());
}

// The weapon recogniser reads the shipped weapons table.
using ImportWithRules = StageTwo;

TEST_F(ImportWithRules, ComponentArmorGoesWithItsPart)
{
    // The armor bracket of a power plant, a seat and a weapon goes into the
    // result with them; the bracket of an unknown part stays with it in the
    // leftovers.
    TImportResult Out;
    ImportDescription(QStringLiteral("Hornet, designed by Kay\r\nA car\r\nVan, Super Power Plant (5 pt FP CA) "
                                     "(Superconductors), Driver (4 pt CA) (Body Armor), front: X (3 pt CA) , Y, "
                                     "back: MG (2 pt CA)"),
                      Out);
    EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Engine: Super Power Plant (5 pt FP CA) with Superconductors")));
    EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Crew: Driver (4 pt CA): Body Armor")));
    EXPECT_TRUE(Out.Result.contains(QStringLiteral("back:  Machine Gun (2 pt CA)")));
    EXPECT_EQ(Out.Leftovers.toStdString(), "front: X (3 pt CA)\r\nY");
}

TEST(ImportDescription, FlagKeywordsLeaveNoTrace)
{
    TImportResult Out;
    ImportDescription(QStringLiteral("6-wheeled, framed, Roll cage"), Out);
    EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Six-wheeled ")));
    EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Rollcage ")));
    EXPECT_TRUE(Out.Result.contains(QStringLiteral("* CA-Frame ")));
    EXPECT_EQ(Out.Leftovers, QString());
}

// A flag takes its whole word and nothing of the part after it; "(3 axis)"
// goes with the six wheels.
TEST(ImportDescription, FlagWordsLeaveTheirNeighbours)
{
    const struct {
        const char* Text;
        const char* Flag;
        const char* Neighbour;
    } Cases[] = {
        {"CA-framed, Hubcaps 3-point (front)", "* CA-Frame ", "* Hubcaps:  (front) (3pt)"},
        {"CA-Framed Wheelguards 4-point (rear)", "* CA-Frame ", "* Wheelguards:  (rear) (4pt)"},
        {"Six-wheeled (3 axis), Hubcaps 2-point (rear)", "* Six-wheeled (3 axis)", "* Hubcaps:  (rear) (2pt)"},
        {"6-WHEELED (3 AXLES), Hubcaps 2-point (rear)", "* Six-wheeled (3 AXLES)", "* Hubcaps:  (rear) (2pt)"},
        {"six wheels (three axles), Hubcaps 2-point (rear)", "* Six-wheeled (three axles)", "* Hubcaps:  (rear) (2pt)"},
        {"Six-wheeled, Hubcaps 2-point (rear)", "* Six-wheeled ", "* Hubcaps:  (rear) (2pt)"},
    };
    for (const auto& Case : Cases) {
        TImportResult Out;
        ImportDescription(QLatin1String(Case.Text), Out);
        EXPECT_TRUE(Out.Result.contains(QLatin1String(Case.Flag))) << Case.Text;
        EXPECT_TRUE(Out.Result.contains(QLatin1String(Case.Neighbour))) << Case.Text;
        EXPECT_EQ(Out.Leftovers, QString()) << Case.Text;
    }
}

TEST(ImportDescription, HistoryLinesJoinLineBreaks)
{
    TImportResult Out;
    Out.Log(QStringLiteral("Tires"), QStringLiteral("x"), QStringLiteral("a\r\nb\nc"));
    Out.Log(QStringLiteral("Body"), QStringLiteral("%1"), QString());
    EXPECT_EQ(Out.History, QStringList({QStringLiteral("> Tires = \"x\", remains: a, b, c"),
                                        QStringLiteral("> Body = \"%1\"")}));
}

TEST(ImportDescription, AnyTextEnds)
{
    // Stray keywords with nothing around them, brackets and separators only.
    for (const char* Text : {"TIRE", "tire,tire;tire.", "( ) , ; .", "Armor", " ARMOR ", "PLANT", " PP", "CID",
                             "tank", "and with", "Wheelguards Hubcaps", "Chassis", "Suspension", "Van Van",
                             "a by", ", designed by "}) {
        TImportResult Out;
        ImportDescription(QLatin1String(Text), Out);
        EXPECT_FALSE(Out.Result.isEmpty()) << Text;
    }
    TImportResult Out;
    ImportDescription(QStringLiteral("Hubcaps 3-point (front), tire, armor F1, ").repeated(300), Out);
    EXPECT_FALSE(Out.Result.isEmpty());
}

} // namespace
