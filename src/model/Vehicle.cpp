#include "model/Vehicle.h"

#include "model/ErrorReport.h"
#include "model/Global.h"
#include "model/RuleTables.h"
#include "model/VehicleRules.h"
#include "platform/Format.h"
#include "platform/Numbers.h"
#include "platform/Random.h"

#include <algorithm>

namespace {

// The test map's spot for the own car.
constexpr int HomeX = 157;
constexpr int HomeY = 109;

} // namespace

TVehicle::TVehicle()
{
    Clear();
}

void TVehicle::Clear()
{
    WeaponSerial = 0;
    Body = BodyTypes.Items[0];
    Streamlined = false;
    Chassis = ChassisTypes.Items[0];
    CAFrame = false;
    Rollcage = false;
    Suspension = SuspensionTypes.Items[0];
    PowerCellEngine = CEngineTypes.Items[0];
    GasEngine = GEngineTypes.Items[0];
    TiresFront = TireTypes.Items[0];
    TiresRear = TireTypes.Items[0];
    Axis = wl4Wheels;
    for (TTireType* tire : {&TiresFront, &TiresRear}) {
        tire->Radial = false;
        tire->OffRoad = false;
        tire->Racing = false;
        tire->Steelbelt = false;
        tire->Fireproof = false;
    }
    PowerCellEngine.PC = false;
    PowerCellEngine.SC = false;
    PowerCellEngine.EPC = false;
    PowerCellEngine.ISC = 0;
    GasEngine.C = false;
    GasEngine.MC = false;
    GasEngine.TH = false;
    GasEngine.BP = false;
    GasEngine.TC = false;
    GasEngine.VTC = false;
    GasEngine.SC = false;
    GasEngine.NO = 0;
    GasEngine.CurrentMPG = GasEngine.MPG;
    TankSize = 0;
    EngineCA = 0;
    EngineCA_FP = false;
    Armor = TArmor();
    Sloped = false;
    GuardsFront = 0;
    GuardsRear = 0;
    HubsFront = 0;
    HubsRear = 0;
    Weapons.Name = WeaponTypes.Name;
    Weapons.Comment = WeaponTypes.Comment;
    Weapons.Author = WeaponTypes.Author;
    Weapons.Items.clear();
    Ammo = AmmoTypes;
    Equipment = EquipmentTypes;
    GasTank = GasTankTypes.Items[0];
    Turret = tkNone;
    EWP = ewpNone;
    EWPFF = true;
    EWPR = false;
    RocketPlatform = 0;
    Crew = TCrewTypes();
    Crew[0].Seat = true;
    Name = QStringLiteral("<Vehicle Name>");
    Comment = QStringLiteral("<Vehicle Description>");
    Author = Username;
    // The stored figures must be valid for the new design.
    GetCost(ScratchList);
    GetWeight(ScratchList);
    GetSpace(ScratchList);
    GetCargoSpace();
    GetHC();
    GetAcceleration();
    TargetX = -1;
    TargetY = -1;
    PosX = HomeX;
    PosY = HomeY;
}

int TVehicle::AddWeapon(const TWeaponType& W, int& Index)
{
    Weapons.Items.append(W);
    Index = Weapons.Items.size() - 1;
    return ++WeaponSerial;
}

void TVehicle::DeleteWeapon(int i)
{
    Weapons.Items.removeAt(i);
}

void TVehicle::SetWeaponLocation(int i, TLocation L)
{
    Weapons.Items[i].Location = L;
}

void TVehicle::GetWeapon(int i, TWeaponType& W) const
{
    W = Weapons.Items[i];
}

int TVehicle::WeaponCount() const
{
    return Weapons.Items.size();
}

bool TVehicle::HasWeaponClass(TWeaponClass C) const
{
    return std::any_of(Weapons.Items.cbegin(), Weapons.Items.cend(),
                       [C](const TWeaponType& w) { return w.Class == C; });
}

const TEquipmentType* TVehicle::FindEquipment(int Nr) const
{
    for (const TEquipmentType& e : Equipment.Items)
        if (e.Nr == Nr)
            return &e;
    return nullptr;
}

int TVehicle::EquipmentCount() const
{
    return Equipment.Items.size();
}

void TVehicle::GetEquipment(int Nr, TEquipmentType& E) const
{
    if (const TEquipmentType* e = FindEquipment(Nr))
        E = *e;
}

int TVehicle::EquipmentAmount(int Nr) const
{
    const TEquipmentType* e = FindEquipment(Nr);
    if (!e)
        return 0;
    if (e->Amount == 0 && e->Installed)
        return 1;
    return e->Amount;
}

void TVehicle::SetEquipment(int Nr, int Amount, const QString& Info)
{
    for (TEquipmentType& e : Equipment.Items) {
        if (e.Nr == Nr) {
            e.Amount = Amount;
            e.Installed = Amount != 0;
            e.Info = Info;
            return;
        }
    }
    if (Amount != 0)
        ReportError(QStringLiteral("Nr not found"),
                    Format(QStringLiteral("Vehicle.SetEquipment(%d,%d)"), {Nr, Amount}), 2);
}

bool TVehicle::HasEquipment(int Nr) const
{
    const TEquipmentType* e = FindEquipment(Nr);
    return e && e->Installed;
}

bool TVehicle::HasActiveSuspension() const
{
    return HasEquipment(ActiveSuspensionNr);
}

bool TVehicle::HasABS() const
{
    return HasEquipment(ABSNr);
}

bool TVehicle::HasHDShocks() const
{
    return HasEquipment(HDShocksNr);
}

bool TVehicle::IgnoresPaintClouds() const
{
    return HasEquipment(PaintCloudFilterNr);
}

QString TVehicle::GetAirdamSpoilerCode() const
{
    QString code;
    for (const TEquipmentType& e : Equipment.Items) {
        if (!e.Installed)
            continue;
        if (e.Nr == AirdamNr)
            code += QStringLiteral("AD");
        else if (e.Nr == SpoilerNr)
            code += QStringLiteral("SP");
    }
    return code;
}

void TVehicle::FindAmmo(const QString& Abbreviation, TAmmoType& A) const
{
    for (const TAmmoType& a : AmmoTypes.Items) {
        if (a.Abbreviation == Abbreviation) {
            A = a;
            return;
        }
    }
}

TArmorKind TVehicle::ArmorKind() const
{
    // The pods' plastic armor counts here too.
    const int plastic = CheckedAdd(PlasticPoints(Armor), Armor.EWP);
    if (MetalPoints(Armor) > 0)
        return plastic > 0 ? akComposite : akMetal;
    return akPlastic;
}

bool TVehicle::HasSidePods() const
{
    return EWP > 0 && EWP % 2 == 1;
}

int TVehicle::RollWeaponDamage(const TWeaponType& W, int& Min, int& Max, int& Sixes) const
{
    Sixes = 0;
    // A weapon that does no damage (a smokescreen, say) rolls nothing.
    if (W.DamageKind == dkNone) {
        Min = 0;
        Max = 0;
        return 0;
    }
    const int dice = W.DamageDice;
    int m = W.DamageMod;
    if (W.LaserPulse)
        m = CheckedAdd(m, dice);
    TAmmoType ammo;
    FindAmmo(W.Ammo, ammo);
    if (ammo.Damage != QLatin1String("0"))
        m = CheckedAdd(m, CheckedMul(dice, AmmoDamagePerDie(ammo)));
    int result = m;
    if (dice == 0) {
        Min = m;
        Max = m;
    } else {
        Min = CheckedAdd(m, dice);
        Max = CheckedAdd(m, CheckedMul(6, dice));
        for (int i = 0; i < dice; ++i) {
            const int roll = Random(6) + 1;
            if (roll == 6)
                ++Sixes;
            result = CheckedAdd(result, roll);
        }
    }
    if (W.NrOfObjects >= 2) {
        Min = CheckedMul(Min, W.NrOfObjects);
        Max = CheckedMul(Max, W.NrOfObjects);
        result = CheckedMul(result, W.NrOfObjects);
    }
    return result;
}

int TVehicle::EffectivePower() const
{
    const TCEngineType& plant = PowerCellEngine;
    if (plant.Power > 0) {
        if (plant.PC && plant.SC)
            return Round(plant.Power * 1.15L);
        if (plant.PC)
            return Round(plant.Power * 1.05L);
        if (plant.SC)
            return Round(plant.Power * 1.1L);
        return plant.Power;
    }
    const TGEngineType& gas = GasEngine;
    if (gas.Power > 0) {
        int p = 0;
        if (gas.C)
            p -= 15;
        if (gas.MC)
            p -= 10;
        if (gas.TH)
            p += 5;
        if (gas.BP)
            p += 10;
        if (gas.TC)
            p += 25;
        if (gas.VTC)
            p += 25;
        if (gas.SC)
            p += 40;
        if (p == 0)
            return gas.Power;
        return CheckedAdd(gas.Power, Round(static_cast<Extended>(gas.Power) * p / 100.0L));
    }
    return 0;
}

void CopyWeaponTypes(const TWeaponTypes& Source, TWeaponTypes& Dest)
{
    // The records hold only values and implicitly shared Qt strings, and the
    // item array detaches on the first write, so a plain copy shares nothing
    // that a change could reach.
    Dest = Source;
}
