#include "firing/Fire.h"

#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "model/EnumTexts.h"
#include "model/Global.h"
#include "model/MapGeometry.h"
#include "model/Utils.h"
#include "platform/Format.h"
#include "platform/Numbers.h"
#include "platform/Random.h"

#include <algorithm>
#include <array>

namespace {

constexpr int MaxConsideredWeapons = 10;
constexpr int MountKinds = 7;
constexpr TColor32 TraceColor = 0xFF007F00;
constexpr TColor32 SolidPixel = 0xFF000000;
constexpr TColor32 ErodedPixel = 0xFFDDDDDD;
constexpr TColor32 SilhouettePixel = 0xFFFFFFFF;
constexpr double ScatterDivisor = 6;
constexpr int UnderbodySide = 8;
constexpr int RampPlateNr = 2;

// The firing's own numbering of weapon places; it runs clockwise, unlike
// TLocation.
enum TMountIndex { miFront = 0, miRight = 1, miBack = 2, miLeft = 3, miTurret = 4, miEWP = 5, miRocketPlatform = 6 };

TMountIndex MountIndexOf(TLocation location)
{
    switch (location) {
    case locFront:
        return miFront;
    case locRight:
        return miRight;
    case locBack:
        return miBack;
    case locLeft:
        return miLeft;
    case locEWP:
        return miEWP;
    case locRocketPlatform:
        return miRocketPlatform;
    default:
        // The location text of any other value reads "turret".
        return miTurret;
    }
}

// Where a shot starts beside its weapon's icon (added to the icon's place)
// and where it flies without an aim point.
struct TShotRow {
    int OffX = 0;
    int OffY = 0;
    double DX = 0;
    double DY = 0;
};

// The row of a weapon at mount; inPod when it sits in a pod or on the rocket
// platform, whose icons face front with EWPFF and back otherwise. fw and h are
// the width of one frame and the height of the weapon's icon.
TShotRow ShotRow(TMountIndex mount, bool inPod, bool ewpff, int fw, int h)
{
    if (inPod)
        return ewpff ? TShotRow{fw / 2, -1, 0, -1} : TShotRow{fw / 2, h + 1, 0, 1};
    switch (mount) {
    case miBack:
        return {fw / 2, h + 1, 0, 1};
    case miRight:
        return {fw + 1, h / 2, 1, 0};
    case miLeft:
        return {-1, h / 2, -1, 0};
    default:
        return {fw / 2, -1, 0, -1};
    }
}

// Clipped reading: outside the picture nothing is solid.
bool IsSolid(const TBitmap32& map, int x, int y)
{
    return map.Contains(x, y) && map.Pixel(x, y) == SolidPixel;
}

void PaintMapPixel(TBitmap32& map, int x, int y)
{
    map.SetPixelS(x, y, ErodedPixel);
}

// One component of an erosion walk's step, leaning the way the shot went.
double WalkComponent(double shotComponent)
{
    if (shotComponent < -0.5)
        return RandomFloat() - 1;
    if (shotComponent <= 0.5)
        return RandomFloat() - 0.5;
    return RandomFloat();
}

// Erodes the solid pixels about the hit point (x, y): up to (d - 1) x 20 + 1
// of them, mostly ahead of the shot and within d x 10 pixels.
void DamageMap(TBitmap32& map, int x, int y, double dx, double dy, const TWeaponType& w)
{
    int d = 0;
    switch (w.DamageKind) {
    case dkNone:
        return;
    case dkFixed:
        d = w.DamageMod;
        break;
    case dkDice:
        d = w.DamageMod;
        for (int i = 0; i < w.DamageDice; ++i)
            d = CheckedAdd(d, Random(6) + 1);
        break;
    }
    if (d < 1)
        return;
    const int walks = CheckedAdd(CheckedMul(d - 1, 20), 1);
    const int steps = CheckedMul(d, 10);
    for (int walk = 0; walk < walks; ++walk) {
        if (IsSolid(map, x, y)) {
            PaintMapPixel(map, x, y);
            continue;
        }
        double sx = 0;
        double sy = 0;
        do {
            sx = WalkComponent(dx);
            sy = WalkComponent(dy);
        } while (sx == 0 && sy == 0);
        double px = x;
        double py = y;
        for (int step = 0; step < steps; ++step) {
            px += sx;
            py += sy;
            const int rx = Round(px);
            const int ry = Round(py);
            if (IsSolid(map, rx, ry)) {
                PaintMapPixel(map, rx, ry);
                break;
            }
        }
    }
}

// The parts inside a car that a shot through its armor can reach.
enum TInnerPart { ipEngine = 0, ipCrew = 1, ipCargo = 2 };

struct TInnerPartTexts;

// The working state of one fire command, shared by the shot loop and the
// hit resolution.
struct TFiring {
    TFiring(TGameCar& attacker, TGameCar& target, const TBitmap32& mask, const TFireInput& input)
        : Attacker(attacker), Target(target), Mask(mask), Input(input)
    {
    }

    TGameCar& Attacker;
    TGameCar& Target;
    const TBitmap32& Mask;
    const TFireInput& Input;
    int WeaponIndex = 0; // the design's index of the weapon now firing
    double X = 0;
    double Y = 0;
    double DX = 0; // kept from shot to shot
    double DY = 0;
    int Sixes = 0;
    QString LogLine;

    bool InSilhouette(int x, int y) const { return Mask.Contains(x, y) && Mask.Pixel(x, y) != SolidPixel; }

    void ResolveShot(int x, int y, const TWeaponType& w);
    int DamageSide(int side, int d, const TWeaponType& w, bool via);
    int DamageWeaponAt(int side, int d);
    // Takes d off one inner part's damage points and logs it; returns what
    // passes on beyond the part.
    int DamageInnerPoints(int& dp, int d, const TInnerPartTexts& texts);
    int DamageEngine(int d);
    int DamageCrew(int seat, int d);
    int DamageCargo(int d);
    int DamageInner(TInnerPart part, int d);
    void TraceThroughTarget(double& ex, double& ey) const;
    void DrawHitMark(int damage, double px, double py, int kind, bool hasMetal);
};

QString SideName(int side)
{
    if (side == UnderbodySide)
        return QStringLiteral("underbody");
    return LocationToStr(static_cast<TLocation>(side));
}

// The plastic and metal points left on one side of the damage state.
struct TSideArmor {
    int& Plastic;
    int& Metal;
};

TSideArmor SideArmor(TArmor& armor, int side)
{
    switch (side) {
    case locFront:
        return {armor.Front, armor.FrontM};
    case locLeft:
        return {armor.Left, armor.LeftM};
    case locRight:
        return {armor.Right, armor.RightM};
    case locBack:
        return {armor.Back, armor.BackM};
    default:
        return {armor.Bottom, armor.BottomM};
    }
}

int TFiring::DamageSide(int side, int d, const TWeaponType& w, bool via)
{
    const int d0 = d;
    TSideArmor armor = SideArmor(Target.Damage.Armor, side);
    int p = armor.Plastic;
    int m = armor.Metal;
    int s = Sixes;

    bool reflected = false;
    if (w.Class == wcLasers && Target.Vehicle->Armor.LR) {
        s /= 2;
        d /= 2;
        reflected = true;
    }

    // Metal stops damage up to its value and loses one point per six rolled.
    int absorbed = 0;
    bool metalSentence = false;
    if (m > 0) {
        metalSentence = Sixes > 0;
        d = std::max(d - m, 0);
        absorbed = m;
        m = std::max(m - s, 0);
    }

    int taken = d;
    if (p > 0) {
        p -= d;
        if (p >= 0) {
            d = 0;
        } else {
            d = -p;
            taken = d;
            p = 0;
        }
    }
    armor.Plastic = p;
    armor.Metal = m;

    if (side == locFront && p == 0 && m == 0 && Target.Vehicle->EquipmentAmount(RampPlateNr) != 0)
        Target.Vehicle->SetEquipment(RampPlateNr, 0, QStringLiteral("Shot off"));

    const QString name = SideName(side);
    LogLine += Format(QStringLiteral("Damage to %s side%s: %d"),
                      {name, via ? QStringLiteral(" via ") + w.Name : QString(), d0});
    if (reflected)
        LogLine += Format(QStringLiteral(", %d reflected"), {d0 / 2});
    if (absorbed > 0)
        LogLine += Format(QStringLiteral(", %d absorbed by metal armor"), {absorbed});
    LogLine += QStringLiteral("\r\n");
    if (metalSentence) {
        if (m > 0)
            LogLine += Format(QStringLiteral("Damage to %s metal armor: %d, remaining metal armor: %d. "), {name, s, m});
        else
            LogLine += Format(QStringLiteral("No metal armor left, damage passed into %s side: %d. "), {name, s});
    }
    if (p > 0)
        LogLine += Format(QStringLiteral("Damage to %s armor: %d, remaining plastic armor: %d. "), {name, taken, p});
    else
        LogLine += Format(QStringLiteral("No plastic armor left, damage passed into to %s side: %d. "), {name, taken});
    return d;
}

int TFiring::DamageWeaponAt(int side, int d)
{
    const TVehicle& design = *Target.Vehicle;
    QVector<int> candidates;
    const int count = std::min<int>(design.Weapons.Items.size(), Target.Damage.Weapons.Items.size());
    for (int i = 0; i < count; ++i) {
        if (design.Weapons.Items[i].Location == side)
            candidates.append(i);
    }
    if (candidates.isEmpty())
        return d;
    TWeaponType& hit = Target.Damage.Weapons.Items[candidates[Random(candidates.size())]];
    if (hit.DP == 0) {
        LogLine += Format(QStringLiteral("%s is already dead. "), {hit.Abbreviation});
        return d;
    }
    if (hit.DP <= d) {
        d -= hit.DP;
        LogLine += Format(QStringLiteral("%s destroyed. "), {hit.Abbreviation});
        hit.DP = 0;
        return d;
    }
    LogLine += Format(QStringLiteral("%s receives %d damage. "), {hit.Abbreviation, d});
    hit.DP -= d;
    return 0;
}

// What the log says of one inner part: when it was dead before the shot,
// the name that "Damage to %s: %d. " takes, and when the shot ends it.
struct TInnerPartTexts {
    QString AlreadyDead;
    QString Name;
    QString Destroyed;
};

int TFiring::DamageInnerPoints(int& dp, int d, const TInnerPartTexts& texts)
{
    if (dp <= 0) {
        LogLine += texts.AlreadyDead;
        return d;
    }
    dp -= d;
    if (dp > 0) {
        LogLine += Format(QStringLiteral("Damage to %s: %d. "), {texts.Name, d});
        return 0;
    }
    const int excess = -dp;
    LogLine += texts.Destroyed;
    dp = 0;
    return excess;
}

int TFiring::DamageEngine(int d)
{
    return DamageInnerPoints(Target.Damage.EngineDP, d,
                             {QStringLiteral("Engine is already dead. "), QStringLiteral("engine"),
                              QStringLiteral("Engine destroyed. ")});
}

int TFiring::DamageCrew(int seat, int d)
{
    const QString name = seat == 0 ? QStringLiteral("Driver") : QStringLiteral("Gunner");
    return DamageInnerPoints(Target.Damage.CrewDP[seat], d,
                             {name + QStringLiteral(" is already dead. "), name, name + QStringLiteral(" killed. ")});
}

int TFiring::DamageCargo(int d)
{
    // A design without cargo space (or one overfull) has no cargo to hit.
    if (Target.Vehicle->CargoSpace <= 0)
        return d;
    return DamageInnerPoints(Target.Damage.CargoDP, d,
                             {QStringLiteral("Cargo space is already destroyed. "), QStringLiteral("cargo space"),
                              QStringLiteral("Cargo space destroyed. ")});
}

int TFiring::DamageInner(TInnerPart part, int d)
{
    switch (part) {
    case ipEngine:
        return DamageEngine(d);
    case ipCrew:
        // The gunner, when there is one, is struck every other time.
        return DamageCrew(Target.Vehicle->Crew[1].Seat && Random(2) == 1 ? 1 : 0, d);
    case ipCargo:
        return DamageCargo(d);
    }
    return d;
}

void TFiring::TraceThroughTarget(double& ex, double& ey) const
{
    double x = X;
    double y = Y;
    ex = x;
    ey = y;
    for (;;) {
        x += DX;
        y += DY;
        if (x < 0 || x > Mask.Width() - 1 || y < 0 || y > Mask.Height() - 1)
            return;
        if (Mask.Pixel(Round(x), Round(y)) == SilhouettePixel) {
            ex = x;
            ey = y;
        }
    }
}

void TFiring::DrawHitMark(int damage, double px, double py, int kind, bool hasMetal)
{
    ::DrawHitMark(*Target.Body, *Target.BodyMask, Target.X, Target.Y, Target.Facing, damage, px, py, kind, hasMetal);
}

void TFiring::ResolveShot(int x, int y, const TWeaponType& w)
{
    const TVehicle& attacker = *Attacker.Vehicle;
    TVehicle& target = *Target.Vehicle;

    // The best targeting computer of the crew counts once.
    int m = 0;
    for (const TCrewType& seat : attacker.Crew) {
        if (seat.Seat && seat.TC)
            m = std::max(m, 1);
        if (seat.Seat && seat.ITC)
            m = std::max(m, 2);
    }
    if (w.SWC)
        m += 1;
    if (w.HRSWC)
        m += 2;
    const QString body = target.Body.Name.toUpper();
    if (body == QLatin1String("SUBCOMPACT") || body == QLatin1String("COMPACT"))
        m -= 1;

    if (!AlwaysHit) {
        const int roll = (Random(6) + 1) + (Random(6) + 1);
        LogLine = Format(QStringLiteral("To hit %d, rolled %d. "), {w.ToHit - m, roll});
        if (roll < w.ToHit - m) {
            Target.Damage.Log.append(LogLine);
            LogLine.clear();
            return;
        }
    }

    const bool hasMetal = target.ArmorKind() != akPlastic;
    const int side = GetHitSide(Input.AttackLocation, Input.TargetFacing);

    int min = 0;
    int max = 0;
    int d = attacker.RollWeaponDamage(w, min, max, Sixes);
    if (DamageCaused == 0)
        d = min;
    else if (DamageCaused == 1)
        d = max;
    // A modifier below the dice can make a roll negative; such a hit does no
    // damage rather than adding points to the armor it strikes.
    d = std::max(d, 0);

    TWeaponType& stats = Attacker.Stats.Weapons.Items[WeaponIndex];
    stats.Cost += 1;
    stats.Weight = CheckedAdd(stats.Weight, d);

    int r = DamageSide(side, d, w, true);
    if (r > 0) {
        DrawHitMark(d, x, y, 0, hasMetal);
        r = DamageWeaponAt(side, r);
    } else {
        DrawHitMark(d, x, y, 1, hasMetal);
    }

    if (r > 0 && side != UnderbodySide) {
        double ex = 0;
        double ey = 0;
        TraceThroughTarget(ex, ey);
        if (side == locFront) {
            for (TInnerPart part : {ipEngine, ipCrew, ipCargo}) {
                if (r > 0)
                    r = DamageInner(part, r);
            }
        } else if (side == locBack) {
            for (TInnerPart part : {ipCargo, ipCrew, ipEngine}) {
                if (r > 0)
                    r = DamageInner(part, r);
            }
        } else {
            r = DamageInner(static_cast<TInnerPart>(Random(target.CargoSpace > 0 ? 3 : 2)), r);
        }

        const int far = FireSectorIndex(side);
        if (r > 0) {
            DrawHitMark(r, ex, ey, 1, hasMetal);
            r = DamageWeaponAt(far, r);
        }
        if (r > 0) {
            if (side == locFront) {
                DrawHitMark(r, ex, ey, 0, hasMetal);
                r = DamageSide(far, r, w, false);
            } else {
                r = DamageSide(far, r, w, false);
                DrawHitMark(r, ex, ey, 0, hasMetal);
            }
        }
    }

    if (r > 0)
        LogLine += Format(QStringLiteral("%d damage passes through vehicle."), {r});
    Target.Damage.Log.append(LogLine);
    LogLine.clear();
}

} // namespace

int GetHitSide(int attackLocation, int targetFacing)
{
    // Rows: where the opponent stands from the own car; columns: its facing.
    static constexpr int Sides[4][4] = {
        {locBack, locLeft, locRight, locFront},
        {locRight, locBack, locFront, locLeft},
        {locLeft, locFront, locBack, locRight},
        {locFront, locRight, locLeft, locBack},
    };
    if (attackLocation < 0 || attackLocation > 3 || targetFacing < 0 || targetFacing > 3)
        return UnderbodySide;
    return Sides[attackLocation][targetFacing];
}

int FiringSide(const TGameCar& attacker, const TFireInput& input)
{
    if (input.AimX == -1) {
        if (input.AttackLocation < 0 || input.AttackLocation > 3)
            return -1;
        return input.AttackLocation;
    }
    const TVehicle& v = *attacker.Vehicle;
    return DirectionSector(v.PosX + attacker.Body->Width() / 2, v.PosY + attacker.Body->Height() / 2, input.AimX,
                           input.AimY);
}

QVector<int> SelectWeapons(const TVehicle& vehicle, int side)
{
    // With side pods the left and right weapons sit in the pods and fire
    // where the pods do.
    const bool pods = !HasNoSideEWP(vehicle);
    const bool podSide = (side == locFront && vehicle.EWPFF) || (side == locBack && !vehicle.EWPFF);
    QVector<int> selected;
    for (int i = 0; i < vehicle.WeaponCount(); ++i) {
        const TLocation l = vehicle.Weapons.Items[i].Location;
        const bool sideWeapon = l == locLeft || l == locRight;
        if ((l == side && !(sideWeapon && pods)) || l == locTurret || l == locRocketPlatform
            || ((l == locEWP || (sideWeapon && pods)) && podSide))
            selected.append(i);
    }
    return selected;
}

void FireWeapons(TGameCar& attacker, TGameCar& target, const QVector<int>& selected, TBitmap32& map,
                 const TBitmap32& mask, const TFireInput& input, const std::function<void()>& shotDone)
{
    const TVehicle& design = *attacker.Vehicle;
    const bool atVehicle = input.Target == 3;
    const bool pods = !HasNoSideEWP(design);
    const bool aimed = input.AimX != -1 || input.AimY != -1;
    // Without an aim point the turret and the rocket platform fire at the
    // chosen side, from its edge of their icons, as that side's own weapons do.
    const int side = aimed ? -1 : FiringSide(attacker, input);
    TFiring f(attacker, target, mask, input);
    // An index that names no weapon of the design fires nothing.
    const auto names = [&](int idx) {
        return idx >= 0 && idx < design.WeaponCount() && idx < attacker.Damage.Weapons.Items.size()
            && idx < attacker.Stats.Weapons.Items.size();
    };

    std::array<int, MountKinds> mountCount{};
    std::array<int, MountKinds> mountUsed{};
    for (int idx : selected) {
        if (names(idx))
            ++mountCount[MountIndexOf(design.Weapons.Items[idx].Location)];
    }

    const int considered = std::min({static_cast<int>(selected.size()), MaxConsideredWeapons, design.WeaponCount()});
    for (int k = 0; k < considered; ++k) {
        const int idx = selected[k];
        // A damage state or statistics older than the weapon list has no
        // entry for this weapon.
        if (!names(idx))
            continue;
        const TWeaponType& w = design.Weapons.Items[idx];
        if ((w.DamageDice == 0 && w.DamageMod == 0) || w.Class >= wcDroppedGases)
            continue;
        // A laser draws on the power plant, not on a magazine: it never runs
        // out, whatever its shots in the rules tables say.
        if (atVehicle && !IgnoreAmmo && w.Class != wcLasers) {
            int& shots = attacker.Damage.Weapons.Items[idx].Shots;
            if (shots <= 0) {
                target.Damage.Log.append(Format(QStringLiteral("%s is out of ammo"), {w.Abbreviation}));
                continue;
            }
            --shots;
        }
        attacker.Stats.Weapons.Items[idx].Shots += 1;
        f.WeaponIndex = idx;

        const TMountIndex mount = MountIndexOf(w.Location);
        QVector<int> xs;
        QVector<int> ys;
        GetWeaponSlots(design, LocationToStr(w.Location), mountCount[mount], xs, ys);
        const int slot = mountUsed[mount]++ % static_cast<int>(std::min(xs.size(), ys.size()));

        // Start just outside the icon, on the side it fires from.
        TMountIndex from = mount;
        bool inPod = mount == miEWP || mount == miRocketPlatform || ((mount == miRight || mount == miLeft) && pods);
        if ((mount == miTurret || mount == miRocketPlatform) && side >= 0) {
            from = MountIndexOf(static_cast<TLocation>(side));
            inPod = false;
        }
        const TBitmap32& icon = WeaponClassIcon(w.Class);
        const TShotRow row = ShotRow(from, inPod, design.EWPFF, icon.Width() / 4, icon.Height());
        f.X = xs[slot] + design.PosX + row.OffX;
        f.Y = ys[slot] + design.PosY + row.OffY;

        if (aimed) {
            NormalizeDirection(Round(f.X), Round(f.Y), input.AimX, input.AimY, f.DX, f.DY, true);
        } else {
            f.DX = row.DX;
            f.DY = row.DY;
        }
        f.DX += RandomGaussUnit() / ScatterDivisor;
        f.DY += RandomGaussUnit() / ScatterDivisor;

        for (;;) {
            if (Trace)
                map.SetPixelS(Round(f.X), Round(f.Y), TraceColor);
            f.X += f.DX;
            f.Y += f.DY;
            if (f.X < 0 || f.X > map.Width() - 1 || f.Y < 0 || f.Y > map.Height() - 1)
                break;
            const int rx = Round(f.X);
            const int ry = Round(f.Y);
            if (map.Pixel(rx, ry) == SolidPixel) {
                DamageMap(map, rx, ry, f.DX, f.DY, w);
                break;
            }
            if (atVehicle && f.InSilhouette(rx, ry)) {
                f.ResolveShot(rx, ry, w);
                break;
            }
        }
        if (shotDone)
            shotDone();
    }
}

bool TestFire(TGameCar& attacker, TGameCar& target, TBitmap32& map, const TBitmap32& mask, const TFireInput& input,
              const std::function<void()>& shotDone)
{
    const int side = FiringSide(attacker, input);
    if (side < 0)
        return false;
    FireWeapons(attacker, target, SelectWeapons(*attacker.Vehicle, side), map, mask, input, shotDone);
    return true;
}
