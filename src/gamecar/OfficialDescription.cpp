#include "gamecar/OfficialDescription.h"

#include "model/Global.h"
#include "model/Vehicle.h"
#include "platform/Format.h"

#include <QVector>

#include <algorithm>

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString S(const char* text)
{
    return QString::fromLatin1(text);
}

// The summary of all mounted weapons that share an abbreviation and a mount
// location.
struct TWeaponList {
    QString Abbreviation; // empty: a free entry
    TLocation Location = locNotPlaced;
    int Count = 0;
    int ExtraAmmoCount = 0;
    bool SWC = false;
    bool HRSWC = false;
    QString Ammo; // the group's special ammunition, joined by ", "
    bool LaserIR = false;
    bool LaserPulse = false;
    int CA = 0;
    bool CA_FP = false;
};

bool HasSpecialAmmo(const TWeaponType& W)
{
    return !W.Ammo.isEmpty() && W.Ammo != QLatin1String("-");
}

// Groups are made in the order of the weapons' first appearance, which is
// the order of the text; the flags are those of the group's last weapon.
void GroupWeapon(QVector<TWeaponList>& Groups, const TWeaponType& W)
{
    auto group = std::find_if(Groups.begin(), Groups.end(), [&](const TWeaponList& g) {
        return g.Abbreviation == W.Abbreviation && g.Location == W.Location;
    });
    if (group == Groups.end()) {
        group = std::find_if(Groups.begin(), Groups.end(),
                             [](const TWeaponList& g) { return g.Abbreviation.isEmpty(); });
        // An entry taken by a weapon without abbreviation counts as free:
        // the new group starts from nothing.
        *group = TWeaponList();
        group->Abbreviation = W.Abbreviation;
        group->Location = W.Location;
    }
    ++group->Count;
    if (W.ExtraAmmo)
        ++group->ExtraAmmoCount;
    if (HasSpecialAmmo(W))
        group->Ammo = group->Ammo.isEmpty() ? W.Ammo : group->Ammo + S(", ") + W.Ammo;
    group->SWC = W.SWC;
    group->HRSWC = W.HRSWC;
    group->LaserIR = W.LaserIR;
    group->LaserPulse = W.LaserPulse;
    group->CA = W.CA;
    group->CA_FP = W.CA_FP;
}

QString WeaponGroupText(const QVector<TWeaponList>& Groups, TLocation Location)
{
    QString text;
    for (const TWeaponList& g : Groups) {
        if (g.Abbreviation.isEmpty() || g.Count == 0 || g.Location != Location)
            continue;
        const QString ir = g.LaserIR ? S("IR ") : QString();
        const QString pulse = g.LaserPulse ? S("Pulse ") : QString();
        if (g.Count == 1)
            text += Format(S(", %s%s%s"), {ir, pulse, g.Abbreviation});
        else
            text += Format(S(", %d %s%s%s"), {g.Count, ir, pulse, g.Abbreviation});
        if (g.SWC)
            text += S("+SWC ");
        if (g.HRSWC)
            text += S("+HRSWC ");
        if (g.CA > 0)
            text += Format(S("(%d pt%s CA) "), {g.CA, g.CA_FP ? S(" FP") : QString()});
        QString separator = S(" (");
        if (!g.Ammo.isEmpty()) {
            text += S(" (") + g.Ammo;
            separator = S(", ");
        }
        if (g.ExtraAmmoCount == 0) {
            if (!g.Ammo.isEmpty())
                text += S(")");
        } else if (g.ExtraAmmoCount == 1) {
            text += separator + S("+Ammo)");
        } else {
            text += separator + Format(S("+%d Ammo)"), {g.ExtraAmmoCount});
        }
    }
    return text.mid(2);
}

// An engine's options: " (" and the pieces, each ending in ", ", closed by
// "), "; without options just ", ".
void AppendOptions(QString& Text, const QString& Pieces)
{
    if (Pieces.isEmpty()) {
        Text += S(", ");
        return;
    }
    Text += S(" (") + Pieces;
    Text.chop(2);
    Text += S("), ");
}

QString ComponentArmor(int Points, bool Fireproof)
{
    return Format(S(" (%d pt %sCA)"), {Points, Fireproof ? S("FP ") : QString()});
}

QString EngineText(const TVehicle& V)
{
    QString text;
    QString pieces;
    const TCEngineType& plant = V.PowerCellEngine;
    if (plant.Nr != 0) {
        text = plant.Name + S(" Power Plant");
        if (V.EngineCA > 0)
            text += ComponentArmor(V.EngineCA, V.EngineCA_FP);
        if (plant.PC)
            pieces += S("Platinum Catalyst, ");
        if (plant.SC)
            pieces += S("Superconductors, ");
        if (plant.EPC)
            pieces += S("Extra Power Cells, ");
        if (plant.ISC == 1)
            pieces += S("Improved Supercharger Capacitor, ");
        else if (plant.ISC > 1)
            pieces += Format(S("%dx Improved Supercharger Capacitors, "), {plant.ISC});
        AppendOptions(text, pieces);
        return text;
    }
    const TGEngineType& gas = V.GasEngine;
    if (gas.Nr == 0)
        return text;
    text = gas.Name + S(" Gas Engine");
    if (gas.C)
        pieces += S("Carburetor, ");
    if (gas.MC)
        pieces += S("Multibarrel Carburetor, ");
    if (gas.TH)
        pieces += S("Tubular Headers, ");
    if (gas.BP)
        pieces += S("Blueprinting, ");
    if (gas.TC)
        pieces += S("Turbocharger, ");
    if (gas.VTC)
        pieces += S("Variable-pitch Turbocharger, ");
    if (gas.SC)
        pieces += S("Supercharger, ");
    if (gas.NO == 1)
        pieces += S("N2O, ");
    else if (gas.NO > 1)
        pieces += Format(S("%dx N2O, "), {gas.NO});
    AppendOptions(text, pieces);
    if (V.GasTank.Nr == 0)
        text += S("no Tank, ");
    else if (V.TankSize == 1)
        text += Format(S("%s Tank with one gallon, "), {V.GasTank.Name});
    else
        text += Format(S("%s Tank with %d gallons, "), {V.GasTank.Name, V.TankSize});
    return text;
}

QString CrewText(const TVehicle& V, bool WithHeader)
{
    QString text;
    for (int seat = 0; seat < 2; ++seat) {
        const TCrewType& c = V.Crew[seat];
        if (!c.Seat)
            continue;
        text += seat == 0 ? S(", Driver") : S(", Gunner");
        if (c.CA > 0)
            text += ComponentArmor(c.CA, c.CA_FP);
        QString gear;
        if (c.BodyArmor)
            gear += S(", Body Armor");
        if (c.ImprovedBodyArmor)
            gear += S(", Improved Body Armor");
        if (c.ImpactArmor)
            gear += S(", Impact Armor");
        if (c.GasMask)
            gear += S(", Gas Mask");
        if (c.PFE)
            gear += S(", Portable Fire Extinguisher");
        if (c.TC)
            gear += S(", Targeting Computer");
        if (c.ITC)
            gear += S(", Improved Targeting Computer");
        // The hand guns are entered in the window and shown only on screen.
        if (WithHeader && !CrewBuffer[seat].HandGun.isEmpty())
            gear += S(", ") + CrewBuffer[seat].HandGun;
        if (!gear.isEmpty())
            text += S(" (") + gear.mid(2) + S(")");
    }
    return text;
}

QString PodText(const TVehicle& V)
{
    QString armor;
    if (V.Armor.EWP != 0) {
        armor = Format(S(" (%s pt)"), {QString::number(V.Armor.EWP)});
        if (V.ArmorKind() != akPlastic)
            armor += S(" (Plastic)");
    }
    QString text;
    const QString title = PodDescription(V.EWP, V.EWPR);
    if (!title.isEmpty())
        text = title + armor;
    if (V.EWP > 0 && !V.EWPFF)
        text += S(" (rear)");
    return text;
}

QString RocketPlatformText(int Kind)
{
    switch (Kind) {
    case 1:
        return S(", One-space Rocket Platform");
    case 2:
        return S(", Two-space Rocket Platform");
    case 3:
        return S(", Three-space Rocket Platform");
    default:
        return QString();
    }
}

QString WeaponsText(const TVehicle& V)
{
    QVector<TWeaponList> groups(V.WeaponCount());
    for (int i = 0; i < V.WeaponCount(); ++i) {
        TWeaponType w;
        V.GetWeapon(i, w);
        GroupWeapon(groups, w);
    }
    const struct {
        TLocation location;
        QString heading;
    } places[] = {
        {locFront, S(", front: ")},
        {locLeft, S(", left: ")},
        {locRight, S(", right: ")},
        {locBack, S(", back: ")},
        {locTurret, S(", in turret: ")},
        {locRocketPlatform, S(", on rocket platform: ")},
        {locEWP, V.EWPR ? S(", on Rocket EWP: ") : S(", on EWP: ")},
    };
    QString text;
    for (const auto& p : places) {
        const QString list = WeaponGroupText(groups, p.location);
        if (!list.isEmpty())
            text += p.heading + list;
    }
    return text;
}

QString ArmorText(const TVehicle& V)
{
    const TArmor& a = V.Armor;
    const TArmorKind kind = V.ArmorKind();
    QString text;
    if (V.Sloped)
        text += S("Sloped ");
    if (a.FP && kind != akMetal)
        text += S("Fireproof ");
    if (a.LR)
        text += S("Reflective ");
    // Sides in the order of the game's stat blocks: front, right, left,
    // back, top, underbody.
    switch (kind) {
    case akPlastic:
        text += Format(S("Armor F%d, R%d, L%d, B%d, T%d, U%d"),
                       {a.Front, a.Right, a.Left, a.Back, a.Top, a.Bottom});
        break;
    case akMetal:
        text += Format(S("Metal Armor F%d, R%d, L%d, B%d, T%d, U%d"),
                       {a.FrontM, a.RightM, a.LeftM, a.BackM, a.TopM, a.BottomM});
        break;
    case akComposite:
        text += Format(S("Composite Armor F%d/%d, R%d/%d, L%d/%d, B%d/%d, T%d/%d, U%d/%d"),
                       {a.FrontM, a.Front, a.RightM, a.Right, a.LeftM, a.Left, a.BackM, a.Back, a.TopM, a.Top,
                        a.BottomM, a.Bottom});
        break;
    }
    return text;
}

// An accessory as the descriptions list it: "%dx %s" (amount, name) for more
// than one, else its name.
QString AccessoryEntry(const TEquipmentType& E)
{
    return E.Amount > 1 ? Format(S("%dx %s"), {E.Amount, E.Name}) : E.Name;
}

} // namespace

QString TireDescription(const TTireType& Tire)
{
    QString text = Tire.Name;
    if (Tire.Fireproof)
        text += S(" Fireproof");
    if (Tire.Steelbelt)
        text += S(" Steelbelted");
    if (Tire.Radial)
        text += S(" Radial");
    if (Tire.OffRoad)
        text += S(" Off-road");
    if (Tire.Racing)
        text += S(" Racing");
    return text;
}

QString TiresDescription(const TTireType& Front, const TTireType& Rear)
{
    const bool alike = Front.Name == Rear.Name && Front.Radial == Rear.Radial && Front.OffRoad == Rear.OffRoad &&
                       Front.Racing == Rear.Racing && Front.Steelbelt == Rear.Steelbelt &&
                       Front.Fireproof == Rear.Fireproof;
    if (alike)
        return TireDescription(Front) + S(" Front & Rear Tires");
    return TireDescription(Front) + S(" Front Tires, ") + TireDescription(Rear) + S(" Rear Tires");
}

QString TurretDescription(TTurretKind Turret, const TBodyType& Body)
{
    static const char* const titles[] = {
        "", ", Zero-space Turret", ", One-space Turret", ", One-space Pop-up Turret", ", Two-space Turret",
        ", Two-space Pop-up Turret", ", Three-space Turret", ", Three-space Pop-up Turret",
    };
    if (Turret == tkZeroSpace || (Turret >= tkOneSpace && Turret <= tkThreeSpacePopUp && Body.Nr >= 1))
        return S(titles[Turret]);
    return QString();
}

QString AccessoriesText(const TVehicle& V, TAccessoryView View)
{
    QString text;
    for (int nr = 0; nr < V.EquipmentCount(); ++nr) {
        TEquipmentType e;
        V.GetEquipment(nr, e);
        if (!e.Installed || (View == TAccessoryView::Outsider && !e.Visible))
            continue;
        text += S(", ") + AccessoryEntry(e);
        if (View == TAccessoryView::Official && e.AddInfoOk && !e.Info.trimmed().isEmpty())
            text += Format(S(" (%s)"), {e.Info});
    }
    return text;
}

QString PodDescription(TEWPKind EWP, bool Rocket)
{
    static const char* const sizes[] = {"One-Space", "Two-Space", "Three-Space"};
    if (EWP < ewpOneSpaceSide || EWP > ewpThreeSpaceTop)
        return QString();
    // Odd kinds are a pair of side pods, even kinds one top pod.
    return Format(S(", %s %s %sEWP"),
                  {S(sizes[(EWP - 1) / 2]), EWP % 2 == 1 ? S("Side") : S("Top"), Rocket ? S("Rocket ") : QString()});
}

void OfficialDescription(TVehicle& Vehicle, bool WithHeader, QString& Text)
{
    TVehicle& V = Vehicle;
    QString text;
    if (WithHeader)
        text = Format(S("%s, designed by %s"), {V.Name, V.Author}) + CrLf + V.Comment + CrLf;
    else
        text = CrLf; // the printed sheets skip this first line
    if (V.Streamlined)
        text += S("Streamlined ");
    text += V.Body.Name + S(", ") + V.Chassis.Name + S(" Chassis, ");
    if (V.CAFrame)
        text += S("CA-framed, ");
    if (V.Rollcage)
        text += S("Rollcage, ");
    if (V.Axis == wl6Wheels2Axis)
        text += S("Six-wheeled, ");
    else if (V.Axis == wl6Wheels3Axis)
        text += S("Six-wheeled (3 axis), ");
    if (V.GuardsFront > 0)
        text += Format(S("Wheelguards %d-point (front), "), {V.GuardsFront});
    if (V.GuardsRear > 0)
        text += Format(S("Wheelguards %d-point (rear), "), {V.GuardsRear});
    if (V.HubsFront > 0)
        text += Format(S("Hubcaps %d-point (front), "), {V.HubsFront});
    if (V.HubsRear > 0)
        text += Format(S("Hubcaps %d-point (rear), "), {V.HubsRear});
    text += EngineText(V);
    text += V.Suspension.Name + S(" Suspension, ");
    text += TiresDescription(V.TiresFront, V.TiresRear);
    text += CrewText(V, WithHeader);
    text += TurretDescription(V.Turret, V.Body);
    text += PodText(V);
    text += RocketPlatformText(V.RocketPlatform);
    text += WeaponsText(V);
    text += AccessoriesText(V, TAccessoryView::Official);
    text += S(", ");
    text += ArmorText(V);
    if (V.CargoSpace != 0)
        text += Format(S(", %d Cargo"), {V.CargoSpace});

    const int acceleration = V.GetAcceleration();
    const int topSpeed = V.GetTopSpeed();
    const int hc = V.GetHC();
    const double weight = V.GetWeight(ScratchList);
    const double cost = V.GetCost(ScratchList);
    text += Format(S(", Accel. %d, Top Speed %d, HC %d, %.0n lbs, $ %.0n"), {acceleration, topSpeed, hc, weight, cost});

    QString reason;
    V.CheckValid(reason);
    if (!reason.isEmpty())
        text += CrLf + S("## INVALID ## (") + reason + S(")");
    Text = text;
}
