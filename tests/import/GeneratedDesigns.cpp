#include "GeneratedDesigns.h"

#include "model/Global.h"
#include "model/Vehicle.h"

#include <QSet>
#include <QStringList>

#include <algorithm>
#include <random>
#include <utility>

namespace {

// Draws from one fixed generator, so that a seed gives the same design on
// every machine (the standard distributions may differ between libraries).
class TDraw
{
    std::mt19937 FEngine;

public:
    explicit TDraw(std::uint32_t Seed) : FEngine(Seed) {}

    // 0 to N - 1.
    int Below(int N) { return N <= 1 ? 0 : int(FEngine() % std::uint32_t(N)); }
    int Between(int Low, int High) { return Low + Below(High - Low + 1); }
    bool Chance(int Percent) { return Below(100) < Percent; }

    template <typename TItem>
    const TItem& Row(const QVector<TItem>& Items, int From = 0)
    {
        return Items[From + Below(int(Items.size()) - From)];
    }

    QString Words(const QStringList& Words, int Most)
    {
        QStringList Picked;
        for (int I = Between(1, Most); I > 0; --I)
            Picked << Words[Below(int(Words.size()))];
        return Picked.join(QLatin1Char(' '));
    }
};

// Words of names and notes that name no part of a car.
const QStringList NameWords = {QStringLiteral("Iron"),   QStringLiteral("Hawk"),    QStringLiteral("Mk. II"),
                               QStringLiteral("Red"),    QStringLiteral("Thunder"), QStringLiteral("Runner"),
                               QStringLiteral("Dusk"),   QStringLiteral("No. 7"),   QStringLiteral("Grim")};
const QStringList AuthorWords = {QStringLiteral("R. Calder"), QStringLiteral("Mira"), QStringLiteral("J. P. Olsen"),
                                 QStringLiteral("Tess"), QStringLiteral("Oakes")};
const QStringList NoteWords = {QStringLiteral("Built"),  QStringLiteral("for"),    QStringLiteral("the"),
                               QStringLiteral("arena."), QStringLiteral("Fast"),   QStringLiteral("and"),
                               QStringLiteral("mean"),   QStringLiteral("Sundays"), QStringLiteral("St. Ives")};
const QStringList InfoTexts = {QStringLiteral("on the left"), QStringLiteral("front"), QStringLiteral("rear"),
                               QStringLiteral("spare")};

void DrawFrame(TVehicle& V, TDraw& D)
{
    V.Body = D.Row(BodyTypes.Items);
    V.Chassis = D.Row(ChassisTypes.Items);
    V.Suspension = D.Row(SuspensionTypes.Items);
    V.Streamlined = D.Chance(30);
    V.CAFrame = D.Chance(20);
    V.Rollcage = D.Chance(20);
    V.Axis = TWheelLayout(D.Chance(70) ? 0 : D.Between(1, 2));
    for (int* Guard : {&V.GuardsFront, &V.GuardsRear, &V.HubsFront, &V.HubsRear})
        *Guard = D.Chance(25) ? D.Between(1, 12) : 0;
}

void DrawEngine(TVehicle& V, TDraw& D)
{
    V.PowerCellEngine = CEngineTypes.Items[0];
    V.GasEngine = GEngineTypes.Items[0];
    V.GasTank = GasTankTypes.Items[0];
    V.TankSize = 0;
    const int Kind = D.Below(10);
    if (Kind < 5) {
        TCEngineType& P = V.PowerCellEngine = D.Row(CEngineTypes.Items, 1);
        P.PC = D.Chance(30);
        P.SC = D.Chance(30);
        P.EPC = D.Chance(30);
        P.ISC = D.Chance(30) ? D.Between(1, 3) : 0;
        if (D.Chance(30)) {
            V.EngineCA = D.Between(1, 6);
            V.EngineCA_FP = D.Chance(50);
        }
    } else if (Kind < 9) {
        TGEngineType& G = V.GasEngine = D.Row(GEngineTypes.Items, 1);
        G.C = D.Chance(25);
        G.MC = D.Chance(25);
        G.TH = D.Chance(25);
        G.BP = D.Chance(25);
        G.TC = D.Chance(25);
        G.VTC = D.Chance(25);
        G.SC = D.Chance(25);
        G.NO = D.Chance(30) ? D.Between(1, 4) : 0;
        // Now and then no tank at all.
        if (D.Chance(90)) {
            V.GasTank = D.Row(GasTankTypes.Items, 1);
            V.TankSize = D.Between(1, 25);
        }
    }
}

void DrawTires(TVehicle& V, TDraw& D)
{
    // Every tire kind of the rules.
    const QVector<TTireType> Sets = TireTypes.Items;
    const auto Tire = [&D, &Sets] {
        TTireType T = D.Row(Sets);
        T.Radial = D.Chance(30);
        T.OffRoad = D.Chance(20);
        T.Racing = D.Chance(20);
        T.Steelbelt = D.Chance(30);
        T.Fireproof = D.Chance(30);
        return T;
    };
    V.TiresFront = Tire();
    V.TiresRear = D.Chance(50) ? V.TiresFront : Tire();
}

void DrawCrew(TVehicle& V, TDraw& D, bool WithHandGuns)
{
    for (int Seat = 0; Seat < 2; ++Seat) {
        TCrewType& C = V.Crew[Seat];
        C = TCrewType();
        C.Seat = Seat == 0 || D.Chance(50);
        if (!C.Seat)
            continue;
        // One armor and one targeting computer at most, as the seat's
        // controls offer them.
        switch (D.Below(5)) {
        case 1: C.BodyArmor = true; break;
        case 2: C.ImprovedBodyArmor = true; break;
        case 3: C.ImpactArmor = true; break;
        default: break;
        }
        C.GasMask = D.Chance(30);
        C.PFE = D.Chance(30);
        switch (D.Below(4)) {
        case 1: C.TC = true; break;
        case 2: C.ITC = true; break;
        default: break;
        }
        if (D.Chance(30)) {
            C.CA = D.Between(1, 4);
            C.CA_FP = D.Chance(50);
        }
        if (WithHandGuns && D.Chance(40))
            C.HandGun = D.Row(HandGunTypes.Items).Name;
    }
}

void DrawAddOnsAndArmor(TVehicle& V, TDraw& D)
{
    V.Turret = D.Chance(50) ? 0 : V.Body.Nr >= 1 ? D.Between(tkZeroSpace, tkThreeSpacePopUp) : int(tkZeroSpace);
    V.EWP = D.Chance(60) ? 0 : D.Between(ewpOneSpaceSide, ewpThreeSpaceTop);
    V.EWPR = V.EWP != 0 && D.Chance(50);
    V.EWPFF = V.EWP == 0 || D.Chance(70);
    V.RocketPlatform = D.Chance(70) ? 0 : D.Between(1, 3);
    TArmor& A = V.Armor;
    A = TArmor();
    const int Kind = D.Below(3);
    for (auto [Plastic, Metal] : {std::pair{&A.Front, &A.FrontM}, std::pair{&A.Left, &A.LeftM},
                                  std::pair{&A.Right, &A.RightM}, std::pair{&A.Back, &A.BackM},
                                  std::pair{&A.Top, &A.TopM}, std::pair{&A.Bottom, &A.BottomM}}) {
        if (Kind != akMetal)
            *Plastic = D.Between(Kind == akPlastic ? 0 : 1, 40);
        if (Kind != akPlastic)
            *Metal = D.Between(Kind == akMetal ? 0 : 1, 10);
    }
    if (Kind == akMetal)
        A.FrontM = std::max(A.FrontM, 1);
    if (V.EWP != 0 && D.Chance(50))
        A.EWP = D.Between(1, 8);
    // Metal armor alone is not fireproofed (the text names the option only
    // where plastic armor is present).
    A.FP = V.ArmorKind() != akMetal && D.Chance(30);
    A.LR = D.Chance(30);
    V.Sloped = D.Chance(30);
}

// The loads a weapon can take: its plain load and every ammunition whose
// list names it.
QStringList LoadsFor(const TWeaponType& W)
{
    QStringList Loads = {QStringLiteral("-")};
    for (const TAmmoType& A : AmmoTypes.Items)
        if (A.Abbreviation != QLatin1String("-")
            && A.Weapons.contains(QLatin1Char(';') + W.Abbreviation + QLatin1Char(';')))
            Loads << A.Abbreviation;
    return Loads;
}

void DrawWeapons(TVehicle& V, TDraw& D)
{
    QVector<TLocation> Places = {locFront, locLeft, locRight, locBack};
    if (V.Turret != 0)
        Places << locTurret;
    if (V.EWP != 0)
        Places << locEWP;
    if (V.RocketPlatform != 0)
        Places << locRocketPlatform;
    QSet<QString> Taken;
    for (int Group = D.Between(0, 7); Group > 0; --Group) {
        TWeaponType W = D.Row(WeaponTypes.Items);
        W.Location = Places[D.Below(int(Places.size()))];
        // One group per weapon and place: the text joins them.
        const QString Key = W.Abbreviation + QString::number(int(W.Location));
        if (Taken.contains(Key))
            continue;
        Taken << Key;
        // The options a group shares; the text writes those of its last
        // weapon for the whole group.
        W.SWC = D.Chance(20);
        W.HRSWC = !W.SWC && D.Chance(15);
        W.LaserIR = W.Class == wcLasers && D.Chance(40);
        W.LaserPulse = W.Class == wcLasers && D.Chance(40);
        if (D.Chance(25)) {
            W.CA = D.Between(1, 4);
            W.CA_FP = D.Chance(50);
        }
        // The text names a group's loads and the number of its magazines,
        // not which weapon carries which: the group is drawn in the order
        // the import gives them back, special loads and magazines first.
        const QStringList Loads = LoadsFor(W);
        const int Count = D.Chance(60) ? 1 : D.Between(2, 4);
        QStringList Drawn;
        for (int I = 0; I < Count; ++I)
            if (Loads.size() > 1 && D.Chance(50))
                Drawn << Loads[D.Between(1, int(Loads.size()) - 1)];
        const int Magazines = D.Chance(30) ? D.Between(1, Count) : 0;
        for (int I = 0; I < Count; ++I) {
            W.Ammo = I < Drawn.size() ? Drawn[I] : QStringLiteral("-");
            W.ExtraAmmo = I < Magazines;
            int Index = 0;
            V.AddWeapon(W, Index);
        }
    }
}

void DrawAccessories(TVehicle& V, TDraw& D)
{
    for (const TEquipmentType& E : EquipmentTypes.Items) {
        if (!D.Chance(15))
            continue;
        const int Amount = E.MaxAmt > 1 ? D.Between(1, E.MaxAmt) : 1;
        const QString Info = E.AddInfoOk && D.Chance(50) ? InfoTexts[D.Below(int(InfoTexts.size()))] : QString();
        V.SetEquipment(E.Nr, Amount, Info);
    }
}

} // namespace

void GenerateDesign(TVehicle& V, std::uint32_t Seed, bool WithHandGuns)
{
    TDraw D(Seed);
    V.Clear();
    V.Name = D.Words(NameWords, 3);
    V.Author = D.Words(AuthorWords, 1);
    V.Comment = D.Words(NoteWords, 6);
    DrawFrame(V, D);
    DrawEngine(V, D);
    DrawTires(V, D);
    DrawCrew(V, D, WithHandGuns);
    DrawAddOnsAndArmor(V, D);
    DrawWeapons(V, D);
    DrawAccessories(V, D);
}
