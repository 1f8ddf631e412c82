#include "DesignSummary.h"
#include "StageTwoFixture.h"

#include "SampleDesigns.h"
#include "gamecar/OfficialDescription.h"
#include "import/BuildDesign.h"
#include "import/ImportResult.h"
#include "import/TextSearch.h"
#include "model/Global.h"
#include "model/Lookups.h"

#include <functional>
#include <string>

namespace {

template <typename TItem>
TItem Named(bool (*Find)(const QString&, TItem&), const char* Name)
{
    TItem Item;
    EXPECT_TRUE(Find(QString::fromLatin1(Name), Item)) << Name;
    return Item;
}

// A van with every frame option, a gas engine with the first set of its
// options and one N2O, and every kind of add-on that carries weapons.
void GasVan(TVehicle& V)
{
    V.Name = QStringLiteral("Gas Van");
    V.Author = QStringLiteral("Tester");
    V.Comment = QStringLiteral("Everything a frame can have.");
    V.Body = Named(FindBodyType, "Van");
    V.Chassis = Named(FindChassisType, "Extra Heavy");
    V.Suspension = Named(FindSuspensionType, "Off-Road");
    V.Streamlined = true;
    V.CAFrame = true;
    V.Rollcage = true;
    V.Axis = wl6Wheels3Axis;
    V.GuardsFront = 4;
    V.GuardsRear = 3;
    V.HubsFront = 2;
    V.HubsRear = 5;
    V.PowerCellEngine = Named(FindCEngineType, "None");
    V.GasEngine = Named(FindGEngineType, "300 cid");
    V.GasEngine.C = true;
    V.GasEngine.TH = true;
    V.GasEngine.BP = true;
    V.GasEngine.TC = true;
    V.GasEngine.SC = true;
    V.GasEngine.NO = 1;
    V.GasTank = Named(FindGasTankType, "Heavy Duty");
    V.TankSize = 15;
    V.TiresFront = Named(FindTireType, "Solid");
    V.TiresFront.Steelbelt = true;
    V.TiresRear = Named(FindTireType, "Plasticore");
    V.TiresRear.Fireproof = true;
    V.Crew[0].Seat = true;
    V.Crew[0].ImpactArmor = true;
    V.Crew[0].GasMask = true;
    V.Crew[0].TC = true;
    V.Crew[0].CA = 2;
    V.Crew[1].Seat = true;
    V.Crew[1].BodyArmor = true;
    V.Crew[1].PFE = true;
    V.Crew[1].ITC = true;
    V.Crew[1].HandGun = QStringLiteral("Shotgun");
    V.Crew[1].CA = 3;
    V.Crew[1].CA_FP = true;
    V.Turret = tkThreeSpacePopUp;
    V.EWP = ewpTwoSpaceTop;
    V.EWPR = true;
    V.EWPFF = false;
    V.RocketPlatform = 3;
    V.Armor.EWP = 5;
    V.Armor.Front = 30;
    V.Armor.Left = 20;
    V.Armor.Right = 21;
    V.Armor.Back = 22;
    V.Armor.Top = 10;
    V.Armor.Bottom = 11;
    V.Armor.FP = true;
    V.Sloped = true;
    // A group's text names its loads and the number of its magazines, not
    // which weapon has which: they go to the first of the group.
    Mount(V, {"MG", locFront, "AP", true});
    Mount(V, {"MG", locFront, "AP", true});
    Mount(V, {"MG", locFront});
    Mount(V, {"HR", locTurret, "HEAT"});
    Mount(V, {"HR", locTurret, "HEAT"});
    Mount(V, {"MR", locEWP});
    // A group carries one component armor.
    Mount(V, {"LtR", locRocketPlatform, "-", false, false, false, false, false, 2});
    Mount(V, {"LtR", locRocketPlatform, "-", false, false, false, false, false, 2});
    Mount(V, {"FT", locLeft, "-", false, false, false, false, false, 3, true});
    Mount(V, {"MD", locBack, "-", true});
    Mount(V, {"OJ", locRight, "-", false, true});
}

// A sedan with a power plant carrying every option and its own component
// armor, the other gas options on no engine, metal armor, lasers with their
// options and one of every accessory.
void PlantSedan(TVehicle& V)
{
    V.Name = QStringLiteral("Plant Sedan");
    V.Author = QStringLiteral("Tester");
    V.Comment = QStringLiteral("Every accessory, every plant option.");
    V.Body = Named(FindBodyType, "Sedan");
    V.Chassis = Named(FindChassisType, "Light");
    V.Suspension = Named(FindSuspensionType, "Improved");
    V.Axis = wl6Wheels2Axis;
    V.PowerCellEngine = Named(FindCEngineType, "Sport");
    V.PowerCellEngine.PC = true;
    V.PowerCellEngine.SC = true;
    V.PowerCellEngine.EPC = true;
    V.PowerCellEngine.ISC = 3;
    V.EngineCA = 4;
    V.EngineCA_FP = true;
    V.TiresFront = Named(FindTireType, "Heavy-Duty");
    V.TiresFront.Radial = true;
    V.TiresFront.OffRoad = true;
    V.TiresFront.Racing = true;
    V.TiresRear = V.TiresFront;
    V.Crew[0].Seat = true;
    V.Crew[0].ImprovedBodyArmor = true;
    V.Crew[0].ITC = true;
    V.Crew[0].HandGun = QStringLiteral("Heavy Pistol");
    V.Crew[1].Seat = false;
    V.Turret = tkOneSpacePopUp;
    V.EWP = ewpOneSpaceSide;
    V.Armor.EWP = 2;
    V.RocketPlatform = 1;
    V.Armor.FrontM = 5;
    V.Armor.LeftM = 3;
    V.Armor.RightM = 3;
    V.Armor.BackM = 4;
    V.Armor.TopM = 2;
    V.Armor.BottomM = 1;
    V.Armor.LR = true;
    Mount(V, {"L", locTurret, "-", false, false, true, true, true});
    Mount(V, {"LL", locFront, "-", false, true, false, false, true, 1});
    Mount(V, {"LL", locFront, "-", false, true, false, false, true, 1});
    Mount(V, {"LtR", locEWP});
    Mount(V, {"LtR", locRocketPlatform});
    Mount(V, {"SD", locBack});
    for (const TEquipmentType& E : EquipmentTypes.Items)
        V.SetEquipment(E.Nr, E.MaxAmt > 1 ? 2 : 1, E.AddInfoOk ? QStringLiteral("on the left") : QString());
}

// A compact with a gas engine carrying the other options, two N2O, no tank,
// composite armor and a plain rocket pod.
void GasCompact(TVehicle& V)
{
    V.Name = QStringLiteral("Gas Compact");
    V.Author = QStringLiteral("Tester");
    V.Body = Named(FindBodyType, "Compact");
    V.Chassis = Named(FindChassisType, "Heavy");
    V.Suspension = Named(FindSuspensionType, "Light");
    V.PowerCellEngine = Named(FindCEngineType, "None");
    V.GasEngine = Named(FindGEngineType, "100 cid");
    V.GasEngine.MC = true;
    V.GasEngine.VTC = true;
    V.GasEngine.NO = 2;
    V.GasTank = Named(FindGasTankType, "Economy");
    V.TankSize = 1;
    V.TiresFront = Named(FindTireType, "Standard");
    V.TiresRear = Named(FindTireType, "Puncture-Resistant");
    V.Crew[1].Seat = true;
    V.Crew[1].ImpactArmor = true;
    V.Turret = tkZeroSpace;
    V.EWP = ewpThreeSpaceSide;
    V.Armor.FrontM = 3;
    V.Armor.Front = 10;
    V.Armor.Back = 8;
    V.Armor.TopM = 1;
    V.Armor.Top = 4;
    V.Armor.FP = true;
    Mount(V, {"AC", locFront, "HEAT", true, false, true});
    Mount(V, {"AC", locFront, "Sabot", false, false, true});
    Mount(V, {"VMG", locTurret, "APe"});
    Mount(V, {"RL", locEWP});
    Mount(V, {"RL", locEWP});
}

struct TRoundTrip {
    std::string Name;
    std::function<void(TVehicle&)> Build;
};

std::vector<TRoundTrip> RoundTripDesigns()
{
    std::vector<TRoundTrip> Designs;
    for (const TSampleDesign& Sample : SampleDesigns())
        Designs.push_back({Sample.FileName, Sample.Build});
    Designs.push_back({"GasVan", GasVan});
    Designs.push_back({"PlantSedan", PlantSedan});
    Designs.push_back({"GasCompact", GasCompact});
    // The compact with each turret kind, each pod kind, plain and for
    // rockets, and each platform size.
    for (int Kind = tkZeroSpace; Kind <= tkThreeSpacePopUp; ++Kind) {
        const int Pod = (Kind - 1) % ewpThreeSpaceTop + 1;
        Designs.push_back({"GasCompact with add-ons " + std::to_string(Kind), [Kind, Pod](TVehicle& V) {
                               GasCompact(V);
                               V.Turret = Kind;
                               V.EWP = Pod;
                               V.EWPR = Kind % 2 == 0;
                               V.RocketPlatform = (Kind - 1) % 3 + 1;
                           }});
    }
    return Designs;
}

using RoundTrip = StageTwo;

// What the program writes of a design, with its header and in the printed
// form, in capitals and laid over several lines, reads back into a design
// with the same accounting. The printed form names no hand guns, so the design it is
// compared with carries none.
TEST_F(RoundTrip, OfficialDescriptionReadsBackToTheSameDesign)
{
    for (const TRoundTrip& Design : RoundTripDesigns()) {
        for (const bool WithHeader : {true, false}) {
            // Width -1 leaves the text as written, 30 wraps it, 0 is one item
            // a line.
            for (const auto& [Capitals, Width] : {std::pair{false, -1}, std::pair{true, -1}, std::pair{false, 30},
                                                 std::pair{false, 0}}) {
                TVehicle Original;
                Design.Build(Original);
                if (!WithHeader)
                    for (TCrewType& Seat : Original.Crew)
                        Seat.HandGun.clear();
                RecalculateFigures(Original);
                CrewBuffer = Original.Crew;
                QString Text;
                OfficialDescription(Original, WithHeader, Text);
                if (Capitals)
                    Text = AnsiUpper(Text);
                if (Width >= 0)
                    Text = LaidOut(Text, Width);
                TImportResult Out;
                ImportDescription(Text, Out);
                THeadlessMain Main;
                AcceptImport(Out.Result, Main);
                // Names and notes the user wrote come back in the case they
                // were written in.
                const auto Compared = [Capitals](TVehicle& V) {
                    const QString Text = DesignSummary(V, false);
                    return (Capitals ? AnsiUpper(Text) : Text).toStdString();
                };
                EXPECT_EQ(Compared(Main.Design), Compared(Original))
                    << Design.Name << (WithHeader ? " with header" : " printed") << (Capitals ? " in capitals" : "")
                    << (Width > 0 ? " wrapped" : Width == 0 ? " item per line" : "")
                    << "\n"
                    << Text.toStdString() << "\n--- result\n"
                    << Out.Result.join(QLatin1Char('\n')).toStdString() << "\n--- leftovers\n"
                    << Out.Leftovers.toStdString();
            }
        }
    }
}

} // namespace
