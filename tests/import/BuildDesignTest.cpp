#include "StageTwoFixture.h"

#include "SampleDesigns.h"
#include "import/BuildDesign.h"
#include "import/ImportResult.h"
#include "model/Global.h"
#include "model/Vehicle.h"
#include "platform/Errors.h"

#include <QFile>

namespace {

QStringList ResultLines(const QString& Text)
{
    return Text.split(QLatin1Char('\n'));
}

QStringList FixtureLines(const QString& Name)
{
    QFile File(QStringLiteral(RIGSMITH_TEST_DIR "/fixtures/") + Name + QStringLiteral(".result.txt"));
    EXPECT_TRUE(File.open(QIODevice::ReadOnly)) << Name.toStdString();
    return ResultLines(QString::fromUtf8(File.readAll()));
}

using BuildDesign = StageTwo;

TEST_F(BuildDesign, AnEmptyResultStartsNoDesign)
{
    THeadlessMain Main;
    Main.Design.Name = QStringLiteral("Kept");
    EXPECT_EQ(AcceptImport({QStringLiteral("   "), QString()}, Main), QString());
    EXPECT_TRUE(Main.Calls.isEmpty());
    EXPECT_EQ(Main.Design.Name, QStringLiteral("Kept"));
}

TEST_F(BuildDesign, BuildsThroughTheMainWindowInOrder)
{
    THeadlessMain Main;
    AcceptImport(ResultLines(QStringLiteral("* Name: Test\n* Weapons: \nback:  2x Machine Gun\n")), Main);
    EXPECT_EQ(Main.Calls, QStringList({QStringLiteral("FileNew"), QStringLiteral("AddWeaponToList Machine Gun 1 3"),
                                       QStringLiteral("AddWeaponToList Machine Gun 2 3"), QStringLiteral("LoadGUI"),
                                       QStringLiteral("RecalcVehicle"), QStringLiteral("HandleEWPArmor"),
                                       QStringLiteral("HandleRocketVis")}));
    EXPECT_FALSE(GUILoading);
    EXPECT_EQ(Main.Design.Name, QStringLiteral("Test"));
    EXPECT_EQ(Main.Design.Author, QStringLiteral("<Imported>"));
}

TEST_F(BuildDesign, ProblemLinesAndStrayLinesNeverReachTheDesign)
{
    THeadlessMain Main;
    AcceptImport(ResultLines(QStringLiteral("stray line\n# Vehicle name not found\n* Weapons: \n"
                                            "# No weapons found!\nfront:  Machine Gun\n\n* Cost: 100\n")),
                 Main);
    ASSERT_EQ(Main.Design.WeaponCount(), 1);
    EXPECT_EQ(Main.Design.Name, TVehicle().Name);
}

TEST_F(BuildDesign, SplitsResultLines)
{
    const struct {
        const char* Line;
        const char* Key;
        const char* Value;
    } Cases[] = {
        {"* Name: Veze Ridiv", "* Name: ", "Veze Ridiv"},
        {"* Streamlined ", "* Streamlined ", ""},
        {"# Vehicle name not found", "Error", "# Vehicle name not found"},
        {"", "", ""},
        {"*", "", "*"},
        {"*Name", "", "*Name"},
    };
    for (const auto& Case : Cases) {
        QString Line = QLatin1String(Case.Line);
        QString Key;
        SplitResultLine(Line, Key);
        EXPECT_EQ(Key, QLatin1String(Case.Key)) << Case.Line;
        EXPECT_EQ(Line, QLatin1String(Case.Value)) << Case.Line;
    }
}

TEST_F(BuildDesign, CrewSeatsAndGear)
{
    THeadlessMain Main;
    Main.Design.Clear();
    ApplyCrew(Main.Design, QStringLiteral("Driver and Gunner: Body Armor"));
    for (const TCrewType& Seat : Main.Design.Crew) {
        EXPECT_TRUE(Seat.Seat);
        EXPECT_TRUE(Seat.BodyArmor);
    }

    ApplyCrew(Main.Design, QStringLiteral("Driver: Gas Mask\r\nGunner: Body Armor"));
    EXPECT_TRUE(Main.Design.Crew[0].GasMask);
    EXPECT_FALSE(Main.Design.Crew[0].BodyArmor);
    EXPECT_TRUE(Main.Design.Crew[1].BodyArmor);
    EXPECT_FALSE(Main.Design.Crew[1].GasMask);

    ApplyCrew(Main.Design, QStringLiteral("Driver: Improved Body Armor, High-Res Targeting Computer"));
    EXPECT_TRUE(Main.Design.Crew[0].ImprovedBodyArmor);
    EXPECT_FALSE(Main.Design.Crew[0].BodyArmor);
    EXPECT_TRUE(Main.Design.Crew[0].ITC);
    EXPECT_FALSE(Main.Design.Crew[0].TC);
    EXPECT_FALSE(Main.Design.Crew[1].Seat);
}

// The design file always has the driver's seat; an import without a driver
// has it too, so that the saved preview figures are those of the reopened
// design.
TEST_F(BuildDesign, CrewWithoutADriverKeepsTheDriversSeat)
{
    THeadlessMain Main;
    ApplyCrew(Main.Design, QStringLiteral("Gunner (3 pt FP CA): Body Armor"));
    EXPECT_TRUE(Main.Design.Crew[0].Seat);
    EXPECT_FALSE(Main.Design.Crew[0].BodyArmor);
    EXPECT_TRUE(Main.Design.Crew[1].Seat);
    EXPECT_TRUE(Main.Design.Crew[1].BodyArmor);
    EXPECT_EQ(Main.Design.Crew[1].CA, 3);
    EXPECT_TRUE(Main.Design.Crew[1].CA_FP);
}

TEST_F(BuildDesign, HandWeaponIsAnyListedName)
{
    const struct {
        const char* Value;
        const char* HandGun;
    } Cases[] = {
        {"Driver: Submachine Gun, Body Armor", "Submachine Gun"},
        {"Driver: Body Armor, Submachine Gun", "Submachine Gun"},
        {"Driver: Portable Micromissile Launchen", "Portable Micromissile Launchen"},
        {"Driver: Body Armor", ""},
        {"Driver: Ray Gun", ""},
    };
    THeadlessMain Main;
    for (const auto& Case : Cases) {
        ApplyCrew(Main.Design, QLatin1String(Case.Value));
        EXPECT_EQ(Main.Design.Crew[0].HandGun, QLatin1String(Case.HandGun)) << Case.Value;
    }
}

TEST_F(BuildDesign, WeaponLines)
{
    THeadlessMain Main;
    Main.Design.Clear();
    ApplyWeapons(Main.Design, Main,
                 QStringLiteral("\r\nfront:  2x Laser (IR) (+Ammo) (Ammo: APe)\r\n"
                                "rocket platform:  Medium Rocket\r\n"
                                "top:  Machine Gun (+SWC)\r\nunder:  Spikedropper (+HRSWC)\r\nback:  Ray Gun"));
    ASSERT_EQ(Main.Design.WeaponCount(), 5);
    const struct {
        const char* Name;
        TLocation Location;
        const char* Ammo;
        bool IR, ExtraAmmo, SWC, HRSWC;
    } Expected[] = {
        {"Laser", locFront, "APe", true, true, false, false},
        {"Laser", locFront, "APe", true, true, false, false},
        {"Medium Rocket", locRocketPlatform, "", false, false, false, false},
        {"Machine Gun", locTurret, "", false, false, true, false},
        {"Spikedropper", locBack, "", false, false, false, true},
    };
    for (int i = 0; i < 5; ++i) {
        TWeaponType W;
        Main.Design.GetWeapon(i, W);
        EXPECT_EQ(W.Name, QLatin1String(Expected[i].Name)) << i;
        EXPECT_EQ(W.Location, Expected[i].Location) << i;
        EXPECT_EQ(W.Ammo, QLatin1String(Expected[i].Ammo)) << i;
        EXPECT_EQ(W.LaserIR, Expected[i].IR) << i;
        EXPECT_EQ(W.ExtraAmmo, Expected[i].ExtraAmmo) << i;
        EXPECT_EQ(W.SWC, Expected[i].SWC) << i;
        EXPECT_EQ(W.HRSWC, Expected[i].HRSWC) << i;
    }
}

// A group's loads go one a weapon from the first on; "-" is a plain load of
// its own, and the weapons the list does not reach carry plain loads too.
TEST_F(BuildDesign, GroupLoadsGoOneAWeapon)
{
    const struct {
        const char* Line;
        const char* Loads;
    } Cases[] = {
        {"front:  2x Machine Gun (Ammo: AP, -)", "AP|"},
        {"front:  3x Machine Gun (Ammo: -, AP)", "|AP|"},
        {"front:  3x Machine Gun (Ammo: AP, -) (+1 Ammo)", "AP||"},
        {"front:  2x Machine Gun (Ammo: AP)", "AP|AP"},
        {"front:  2x Machine Gun (Ammo: AP, HD)", "AP|HD"},
        {"front:  Machine Gun (Ammo: -)", ""},
    };
    for (const auto& Case : Cases) {
        THeadlessMain Main;
        Main.Design.Clear();
        ApplyWeapons(Main.Design, Main, QLatin1String(Case.Line));
        QStringList Loads;
        for (int i = 0; i < Main.Design.WeaponCount(); ++i) {
            TWeaponType W;
            Main.Design.GetWeapon(i, W);
            Loads << W.Ammo;
        }
        EXPECT_EQ(Loads.join(QLatin1Char('|')).toStdString(), Case.Loads) << Case.Line;
    }
}

TEST_F(BuildDesign, EngineOptions)
{
    THeadlessMain Main;
    TVehicle& V = Main.Design;
    V.Clear();
    ApplyEngine(V, QStringLiteral("Large Power Plant with Extra Power Cells, 2 Improved Supercharger Capacitors"));
    EXPECT_EQ(V.PowerCellEngine.Name, QStringLiteral("Large"));
    EXPECT_TRUE(V.PowerCellEngine.EPC);
    EXPECT_EQ(V.PowerCellEngine.ISC, 2);
    ApplyEngine(V, QStringLiteral("Super Power Plant with Superconductors, Improved Supercharger Capacitor"));
    EXPECT_EQ(V.PowerCellEngine.Name, QStringLiteral("Super"));
    EXPECT_TRUE(V.PowerCellEngine.SC);
    EXPECT_FALSE(V.PowerCellEngine.EPC);
    EXPECT_EQ(V.PowerCellEngine.ISC, 1);

    ApplyEngine(V, QStringLiteral("250 cid Gas Engine  with Multibarrel Carburetor, N2O, Gas Tank: Racing, 15 gal,"));
    EXPECT_EQ(V.GasEngine.Name, QStringLiteral("250 cid"));
    EXPECT_TRUE(V.GasEngine.MC);
    EXPECT_FALSE(V.GasEngine.C);
    EXPECT_EQ(V.GasEngine.NO, 1);
    EXPECT_EQ(V.GasTank.Name, QStringLiteral("Racing"));
    EXPECT_EQ(V.TankSize, 15);
    ApplyEngine(V, QStringLiteral("100 cid Gas Engine  with 3x N2O, Gas Tank: Economy, size unknown"));
    EXPECT_EQ(V.GasEngine.Name, QStringLiteral("100 cid"));
    EXPECT_EQ(V.GasEngine.NO, 3);
}

TEST_F(BuildDesign, EquipmentLines)
{
    THeadlessMain Main;
    TVehicle& V = Main.Design;
    V.Clear();
    ApplyEquipment(V, QStringLiteral("\r\nOne-space Top Rocket  EWP\r\nTwo-space Pop-up Turret\r\n"
                                     "Three-space  Rocket Platform \r\n2x Spoiler\r\nSearchlight (on the roof)"));
    EXPECT_EQ(V.EWP, ewpOneSpaceTop);
    EXPECT_TRUE(V.EWPR);
    EXPECT_TRUE(V.EWPFF);
    EXPECT_EQ(V.Turret, tkTwoSpacePopUp);
    EXPECT_EQ(V.RocketPlatform, 3);
    EXPECT_EQ(V.EquipmentAmount(1), 2);
    TEquipmentType Searchlight;
    V.GetEquipment(8, Searchlight);
    EXPECT_TRUE(Searchlight.Installed);
    EXPECT_EQ(Searchlight.Info, QStringLiteral("on the roof"));

    ApplyEquipment(V, QStringLiteral("One-space Side  EWP (rear)\r\nSpoiler (front)\r\nTurret"));
    EXPECT_EQ(V.EWP, ewpOneSpaceSide);
    EXPECT_FALSE(V.EWPR);
    EXPECT_FALSE(V.EWPFF);
    TEquipmentType Spoiler;
    V.GetEquipment(1, Spoiler);
    EXPECT_EQ(Spoiler.Amount, 1);
    EXPECT_EQ(Spoiler.Info, QStringLiteral("front"));
    // A turret line without a size is no turret.
    EXPECT_EQ(V.Turret, tkTwoSpacePopUp);
}

TEST_F(BuildDesign, KindsFromText)
{
    const struct {
        const char* Text;
        int Turret, EWP, Platform;
    } Cases[] = {
        {"Zero-space", 1, 0, 0},          {"One-space", 2, 1, 1},       {"One-space Pop-up", 3, 1, 1},
        {"Two-space Top", 4, 4, 2},       {"Three-space Pop-up", 7, 5, 3}, {"Three-space Top", 6, 6, 3},
        {"Pop-up", 0, 0, 0},
    };
    for (const auto& Case : Cases) {
        EXPECT_EQ(TurretKindFromText(QLatin1String(Case.Text)), Case.Turret) << Case.Text;
        EXPECT_EQ(EWPKindFromText(QLatin1String(Case.Text)), Case.EWP) << Case.Text;
        EXPECT_EQ(RocketPlatformSizeFromText(QLatin1String(Case.Text)), Case.Platform) << Case.Text;
    }
}

TEST_F(BuildDesign, GuardsAndArmor)
{
    THeadlessMain Main;
    TVehicle& V = Main.Design;
    V.Clear();
    ApplyWheelguards(V, QStringLiteral(" (front & rear) (6pt)"));
    ApplyHubcaps(V, QStringLiteral(" (rear) (3pt)"));
    EXPECT_EQ(V.GuardsFront, 6);
    EXPECT_EQ(V.GuardsRear, 6);
    EXPECT_EQ(V.HubsFront, 0);
    EXPECT_EQ(V.HubsRear, 3);

    ApplyArmor(V, QStringLiteral("Sloped Fireproof Composite Armor: F10/5, L3, B2"));
    EXPECT_TRUE(V.Sloped);
    EXPECT_TRUE(V.Armor.FP);
    EXPECT_FALSE(V.Armor.LR);
    EXPECT_EQ(V.Armor.FrontM, 10);
    EXPECT_EQ(V.Armor.Front, 5);
    EXPECT_EQ(V.Armor.Left, 3);
    EXPECT_EQ(V.Armor.LeftM, 0);
    EXPECT_EQ(V.Armor.Back, 2);
    EXPECT_EQ(V.Armor.Right, 0);
    ApplyArmor(V, QStringLiteral("Metal Armor: F2, U1"));
    EXPECT_EQ(V.Armor.FrontM, 2);
    EXPECT_EQ(V.Armor.Front, 0);
    EXPECT_EQ(V.Armor.BottomM, 1);
}

TEST_F(BuildDesign, UnknownPartNamesKeepTheNewDesignsParts)
{
    THeadlessMain Main;
    AcceptImport(ResultLines(QStringLiteral("* Type: Hovercraft\n* Chassis: Wobbly\n* Equipment: \nFlux Capacitor")),
                 Main);
    TVehicle Fresh;
    EXPECT_EQ(Main.Design.Body.Name, Fresh.Body.Name);
    EXPECT_EQ(Main.Design.Body.Nr, Fresh.Body.Nr);
    EXPECT_EQ(Main.Design.Chassis.Name, Fresh.Chassis.Name);
}

// A result that cannot become a design is refused before the open design is
// touched; the message names what failed and the line it stands in.
// A result of that many lines of a hundred machine guns at the front.
QString WeaponLines(int Lines)
{
    return QStringLiteral("* Weapons: \n") + QStringLiteral("front:  100x Machine Gun\n").repeated(Lines);
}

TEST_F(BuildDesign, AResultThatCannotBeBuiltLeavesTheOpenDesign)
{
    const struct {
        QString Result;
        const char* Message;
    } Cases[] = {
        {"* Name: Bad\n* Armor: Plastic Armor: F1x\n* Cost: 5",
         "Nothing was imported: '1X' is not a valid integer value in the result line \"* Armor: Plastic Armor: F1x\". "
         "The design that was open stays open."},
        {"* Name: Bad\n* Weapons: \nfront:  Machine Gun\nfront:  99999999999x Machine Gun",
         "Nothing was imported: '99999999999' is not a valid integer value in the result line \"front:  99999999999x "
         "Machine Gun\". The design that was open stays open."},
        {"* Name: Bad\n* Armor: Plastic Armor: F2000000000\n* Weapons: \nfront:  Machine Gun",
         "Nothing was imported: the design's figures cannot be computed (Arithmetic overflow) with the result line "
         "\"* Armor: Plastic Armor: F2000000000\". The design that was open stays open."},
        {WeaponLines(MostDesignWeapons / 100 + 1),
         "Nothing was imported: the text holds more than 5000 weapons, the most an import adds. The design that was "
         "open stays open."},
    };
    for (const auto& Case : Cases) {
        THeadlessMain Main;
        Main.Design.Name = QStringLiteral("Open one");
        QString Message;
        try {
            AcceptImport(ResultLines(Case.Result), Main);
        } catch (const EError& e) {
            Message = e.Message();
        }
        EXPECT_EQ(Message.toStdString(), Case.Message) << Case.Result.left(80).toStdString();
        EXPECT_FALSE(GUILoading);
        EXPECT_EQ(Main.Calls, QStringList()) << Case.Result.left(80).toStdString();
        EXPECT_EQ(Main.Design.Name, QStringLiteral("Open one"));
        EXPECT_EQ(Main.Design.WeaponCount(), 0);
    }
}

// When the figures cannot be computed, the line blamed is the one whose
// value overflows, whatever body, chassis and claims stand before it.
TEST_F(BuildDesign, ARefusalNamesTheLineThatOverflows)
{
    int Refused = 0;
    for (const char* Body : {"Van", "Sedan", "Camper", "Subcompact"})
        for (const char* Side : {"F", "L", "R", "B", "T", "U"}) {
            const QString Armor = QStringLiteral("* Armor: Plastic Armor: ") + QLatin1String(Side) + QStringLiteral("100000000");
            const QString Result = QStringLiteral("* Name: Big\n* Type: %1\n* Chassis: Heavy\n* Suspension: Light\n%2\n"
                                                  "* Engine: Large Power Plant\n* Cost: 12500\n* Weapons: \nfront:  Machine Gun")
                                       .arg(QLatin1String(Body), Armor);
            THeadlessMain Main;
            QString Message;
            try {
                AcceptImport(ResultLines(Result), Main);
            } catch (const EError& e) {
                Message = e.Message();
            }
            // Smaller bodies carry the armor within the figures' range.
            if (Message.isEmpty())
                continue;
            ++Refused;
            EXPECT_TRUE(Message.contains(QStringLiteral("with the result line \"") + Armor + QLatin1Char('"')))
                << Result.toStdString() << "\n" << Message.toStdString();
        }
    EXPECT_GT(Refused, 0);
}

// A claimed figure that is no number in range is shown as not understood,
// and the design is built.
TEST_F(BuildDesign, AClaimThatIsNoNumberInRangeIsNotUnderstood)
{
    THeadlessMain Main;
    const QString Report = AcceptImport(
        ResultLines(QStringLiteral("* Name: Claims\n* HC: 99999999999\n* Cost: 314511111111111\n* Weapons: \n"
                                   "front:  Machine Gun")),
        Main);
    EXPECT_EQ(Report, QStringLiteral("\r\n---\r\nClaim not understood: * HC: 99999999999\r\n"
                                     "Claim not understood: * Cost: 314511111111111\r\n"));
    EXPECT_EQ(Main.Design.Name, QStringLiteral("Claims"));
    EXPECT_EQ(Main.Design.WeaponCount(), 1);
}

TEST_F(BuildDesign, AHugeCountStaysWithinReason)
{
    THeadlessMain Main;
    AcceptImport(ResultLines(QStringLiteral("* Weapons: \nfront:  2000000000x Machine Gun")), Main);
    EXPECT_EQ(Main.Design.WeaponCount(), 100);
}

// Counted weapon lines add up to no more weapons than an import adds; a
// result past them is refused whole (see above).
TEST_F(BuildDesign, AsManyWeaponsAsAnImportAddsAreBuilt)
{
    THeadlessMain Main;
    AcceptImport(ResultLines(WeaponLines(MostDesignWeapons / 100)), Main);
    EXPECT_TRUE(Main.Calls.contains(QStringLiteral("LoadGUI")));
    EXPECT_EQ(Main.Design.WeaponCount(), MostDesignWeapons);
}

TEST_F(BuildDesign, SixWheelsOnTwoOrThreeAxles)
{
    const struct {
        const char* Line;
        TWheelLayout Axis;
    } Cases[] = {
        {"* Six-wheeled ", wl6Wheels2Axis},
        {"* Six-wheeled (3 axis)", wl6Wheels3Axis},
        {"* Six-wheeled (three axles)", wl6Wheels3Axis},
    };
    for (const auto& Case : Cases) {
        THeadlessMain Main;
        AcceptImport(ResultLines(QLatin1String(Case.Line)), Main);
        EXPECT_EQ(Main.Design.Axis, Case.Axis) << Case.Line;
    }
}

TEST_F(BuildDesign, AcceptingTwiceBuildsTwoDesigns)
{
    THeadlessMain Main;
    const QStringList Lines = ResultLines(QStringLiteral("* Weapons: \nfront:  Machine Gun"));
    AcceptImport(Lines, Main);
    AcceptImport(Lines, Main);
    EXPECT_EQ(Main.Design.WeaponCount(), 1);
    EXPECT_EQ(Main.Calls.count(QStringLiteral("FileNew")), 2);
}

// The result text of each sample design's stat block gives back the sample.
class SampleRoundTrip : public ::testing::TestWithParam<TSampleDesign>
{
protected:
    static void SetUpTestSuite() { UseShippedRulesForImport(); }
};

void BuildSample(const TSampleDesign& Design, TVehicle& Sample)
{
    Design.Build(Sample);
    RecalculateFigures(Sample);
}

void ExpectSameAccounting(TVehicle& V, TVehicle& Sample)
{
    QStringList List;
    EXPECT_EQ(V.GetCost(List), Sample.GetCost(List));
    EXPECT_EQ(V.GetWeight(List), Sample.GetWeight(List));
    EXPECT_EQ(V.GetSpace(List), Sample.GetSpace(List));
    EXPECT_EQ(V.GetYear(List), Sample.GetYear(List));
    EXPECT_EQ(V.GetHC(), Sample.GetHC());
    EXPECT_EQ(V.GetAcceleration(), Sample.GetAcceleration());
    EXPECT_EQ(V.GetTopSpeed(), Sample.GetTopSpeed());
    EXPECT_EQ(V.GetRange(), Sample.GetRange());
    EXPECT_EQ(V.WeaponCount(), Sample.WeaponCount());
    EXPECT_EQ(V.Name, Sample.Name);
    QString Reason, SampleReason;
    V.CheckValid(Reason);
    Sample.CheckValid(SampleReason);
    EXPECT_EQ(Reason, SampleReason);
}

TEST_P(SampleRoundTrip, ResultTextGivesBackTheSamplesAccounting)
{
    TVehicle Sample;
    BuildSample(GetParam(), Sample);
    THeadlessMain Main;
    const QString Name = QString::fromLatin1(GetParam().FileName).chopped(3);
    const QString Report = AcceptImport(FixtureLines(Name), Main);
    ExpectSameAccounting(Main.Design, Sample);
    EXPECT_EQ(Report, QString()) << Report.toStdString();
}

// Both stages over the stat block the program writes, its comment naming
// body words and weapons ("a machine gun and a rocket launcher up front").
using StatBlockRoundTrip = SampleRoundTrip;

TEST_P(StatBlockRoundTrip, StatBlockGivesBackTheSampleThroughBothStages)
{
    const QString Name = QString::fromLatin1(GetParam().FileName).chopped(3);
    QFile File(QStringLiteral(RIGSMITH_TEST_DIR "/../gamecar/expected/") + Name + QStringLiteral(".official.txt"));
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    TImportResult Out;
    ImportDescription(QString::fromUtf8(File.readAll()), Out);
    TVehicle Sample;
    BuildSample(GetParam(), Sample);
    THeadlessMain Main;
    AcceptImport(Out.Result, Main);
    ExpectSameAccounting(Main.Design, Sample);
}

std::string DesignName(const ::testing::TestParamInfo<TSampleDesign>& Info)
{
    const std::string File = Info.param.FileName;
    return File.substr(0, File.size() - 3);
}

INSTANTIATE_TEST_SUITE_P(Designs, SampleRoundTrip, ::testing::ValuesIn(SampleDesigns()), DesignName);
INSTANTIATE_TEST_SUITE_P(Designs, StatBlockRoundTrip, ::testing::ValuesIn(SampleDesigns()), DesignName);

} // namespace

void PrintTo(const TSampleDesign& Design, std::ostream* Os)
{
    *Os << Design.FileName;
}
