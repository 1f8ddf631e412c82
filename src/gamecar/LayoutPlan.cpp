#include "gamecar/LayoutPlan.h"

#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "gamecar/LayoutPlanPlaces.h"
#include "model/EnumTexts.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "model/MapGeometry.h"
#include "model/RuleTables.h"
#include "platform/Format.h"

#include <QFontMetrics>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Places of the parts, by body size. Sizes 2 and 3 share their places, and so
// do sizes 6 and 7, so most tables hold seven rows.

constexpr int PlaceRows = 7;

int PlaceRow(int size)
{
    static constexpr int Rows[BodySizeCount] = {0, 1, 2, 2, 3, 4, 5, 5, 6};
    return Rows[size];
}

struct TTirePlaces {
    QPoint FL, FR, RL, RR;
    // The two extra rear tires: twin rear wheels (two axles), a middle axle (three).
    std::optional<std::pair<QPoint, QPoint>> TwinRear, MiddleAxle;
    int W, H; // frame size of the tire picture
};

const TTirePlaces TirePositions[PlaceRows] = {
    {{130, 142}, {209, 142}, {130, 195}, {209, 195}, std::nullopt, std::nullopt, 19, 33},
    {{122, 122}, {223, 122}, {121, 194}, {224, 194}, std::nullopt, std::nullopt, 19, 41},
    {{114, 116}, {225, 116}, {112, 224}, {227, 224}, {{{128, 224}, {211, 224}}}, {{{112, 174}, {227, 174}}}, 25, 61},
    {{99, 92}, {238, 92}, {99, 243}, {238, 243}, {{{115, 243}, {222, 243}}}, {{{99, 195}, {238, 195}}}, 25, 61},
    {{106, 104}, {233, 104}, {106, 236}, {233, 236}, {{{122, 236}, {217, 236}}}, {{{106, 184}, {233, 184}}}, 25, 61},
    {{100, 99}, {238, 99}, {100, 252}, {238, 252}, {{{116, 252}, {222, 252}}}, {{{100, 200}, {238, 200}}}, 25, 61},
    {{92, 89}, {245, 89}, {92, 238}, {245, 238}, {{{108, 238}, {229, 238}}}, {{{92, 186}, {245, 186}}}, 25, 61},
};

// Wheel guards and hubcaps: a place per wheel and the offset of its first
// damage box from it (left wheels, right wheels).
struct TWheelPlaces {
    QPoint FL, FR, RL, RR;
    std::optional<std::pair<QPoint, QPoint>> Middle;
    QPoint BoxLeft, BoxRight;
};

const TWheelPlaces WheelGuardPositions[PlaceRows] = {
    {{127, 149}, {213, 149}, {127, 202}, {213, 202}, std::nullopt, {-12, 5}, {22, 5}},
    {{119, 129}, {227, 129}, {118, 201}, {228, 201}, std::nullopt, {-12, 5}, {22, 5}},
    {{110, 122}, {229, 122}, {108, 230}, {231, 230}, {{{108, 180}, {231, 180}}}, {-9, 9}, {24, 9}},
    {{95, 98}, {244, 98}, {95, 249}, {244, 249}, {{{95, 201}, {244, 201}}}, {-9, 9}, {22, 9}},
    {{102, 111}, {239, 111}, {102, 243}, {239, 243}, {{{102, 191}, {239, 191}}}, {-12, 20}, {26, 20}},
    {{96, 106}, {244, 106}, {96, 259}, {244, 259}, {{{96, 207}, {244, 207}}}, {-9, 11}, {22, 11}},
    {{88, 96}, {251, 96}, {88, 245}, {251, 245}, {{{88, 193}, {251, 193}}}, {-9, 11}, {22, 11}},
};

const TWheelPlaces WheelHubPositions[PlaceRows] = {
    {{137, 155}, {205, 155}, {137, 208}, {205, 208}, std::nullopt, {-12, 0}, {20, 0}},
    {{129, 136}, {219, 136}, {128, 207}, {220, 207}, std::nullopt, {-12, 0}, {20, 0}},
    {{123, 130}, {223, 130}, {121, 238}, {225, 238}, {{{121, 188}, {225, 188}}}, {-12, 2}, {20, 2}},
    {{105, 106}, {239, 106}, {105, 256}, {239, 256}, {{{105, 209}, {239, 209}}}, {-12, 2}, {20, 2}},
    {{112, 119}, {234, 119}, {112, 252}, {234, 252}, {{{112, 199}, {234, 199}}}, {-11, 4}, {19, 4}},
    {{106, 115}, {239, 115}, {106, 266}, {239, 266}, {{{106, 215}, {239, 215}}}, {-11, 4}, {19, 4}},
    {{98, 104}, {246, 104}, {98, 253}, {246, 253}, {{{98, 201}, {246, 201}}}, {-11, 4}, {19, 4}},
};

struct TSinglePlaces {
    QPoint CellEngine, GasEngine, Ramplate, Airdam, Spoiler, Turret, EWPLeft, EWPRight, EWPTop;
};

const TSinglePlaces SinglePositions[PlaceRows] = {
    {{158, 142}, {155, 124}, {146, 120}, {146, 112}, {140, 246}, {151, 201}, {67, 167}, {216, 167}, {141, 198}},
    {{161, 122}, {158, 111}, {139, 93}, {139, 84}, {133, 268}, {154, 221}, {57, 160}, {232, 160}, {144, 219}},
    {{161, 116}, {157, 96}, {128, 76}, {120, 62}, {111, 301}, {153, 244}, {51, 170}, {236, 170}, {144, 215}},
    {{160, 92}, {160, 92}, {110, 53}, {93, 40}, {103, 322}, {152, 250}, {37, 170}, {248, 170}, {144, 215}},
    {{160, 104}, {160, 80}, {116, 48}, {112, 36}, {111, 327}, {152, 255}, {44, 170}, {243, 170}, {144, 215}},
    {{160, 99}, {160, 70}, {113, 33}, {113, 19}, {111, 344}, {152, 250}, {38, 170}, {249, 170}, {144, 215}},
    {{160, 89}, {160, 80}, {103, 38}, {103, 24}, {96, 326}, {152, 260}, {30, 170}, {255, 170}, {144, 215}},
};

// Only these accessories have a place of their own on the plan.
const int PlacedAccessories[] = {3, 4, 7};
const QPoint AccessoryPlaces[PlaceRows][3] = {
    {{147, 117}, {147, 243}, {146, 149}}, {{141, 89}, {137, 269}, {142, 130}}, {{135, 75}, {118, 300}, {170, 200}},
    {{112, 50}, {110, 323}, {170, 200}},  {{128, 55}, {128, 330}, {170, 200}}, {{134, 31}, {124, 345}, {170, 200}},
    {{147, 34}, {103, 326}, {170, 200}},
};

std::optional<QPoint> AccessoryPositions(int size, int nr)
{
    for (int k = 0; k < 3; ++k)
        if (PlacedAccessories[k] == nr)
            return AccessoryPlaces[PlaceRow(size)][k];
    return std::nullopt;
}

constexpr int CrewGearCount = 7;

// A seat's crew picture and the places of its seven gear pictures, in the
// order of the seat's gear flags (two pairs share a place).
struct TCrewPlaces {
    QPoint Crew, Gear0, Gear12, Gear3, Gear4, Gear56;
    QPoint Gear(int g) const
    {
        static constexpr QPoint TCrewPlaces::*Places[CrewGearCount] = {
            &TCrewPlaces::Gear0, &TCrewPlaces::Gear12, &TCrewPlaces::Gear12, &TCrewPlaces::Gear3,
            &TCrewPlaces::Gear4, &TCrewPlaces::Gear56, &TCrewPlaces::Gear56};
        return this->*Places[g];
    }
};

const TCrewPlaces CrewPositions[2][PlaceRows] = {
    {
        {{164, 181}, {168, 174}, {168, 167}, {191, 176}, {150, 170}, {144, 136}},
        {{166, 169}, {170, 162}, {170, 155}, {193, 164}, {151, 158}, {139, 102}},
        {{138, 152}, {142, 145}, {142, 138}, {157, 170}, {138, 168}, {139, 102}},
        {{134, 152}, {138, 145}, {138, 138}, {153, 170}, {134, 168}, {119, 68}},
        {{135, 152}, {139, 145}, {139, 138}, {154, 170}, {135, 168}, {120, 67}},
        {{138, 152}, {142, 145}, {142, 138}, {157, 170}, {138, 168}, {129, 46}},
        {{138, 145}, {142, 138}, {142, 131}, {157, 163}, {138, 161}, {126, 64}},
    },
    {
        {{162, 212}, {168, 205}, {168, 198}, {191, 205}, {150, 199}, {201, 136}},
        {{164, 200}, {170, 193}, {170, 186}, {193, 194}, {151, 188}, {211, 102}},
        {{188, 153}, {194, 146}, {194, 139}, {209, 170}, {190, 168}, {217, 102}},
        {{193, 153}, {199, 146}, {199, 139}, {214, 170}, {195, 168}, {228, 68}},
        {{189, 153}, {195, 146}, {195, 139}, {210, 170}, {191, 168}, {229, 67}},
        {{186, 153}, {192, 146}, {192, 139}, {207, 170}, {188, 168}, {220, 46}},
        {{186, 146}, {192, 139}, {192, 132}, {207, 164}, {188, 162}, {221, 64}},
    },
};

bool GearFlag(const TCrewType& crew, int g)
{
    const bool flags[CrewGearCount] = {crew.BodyArmor, crew.ImprovedBodyArmor, crew.ImpactArmor, crew.GasMask,
                                       crew.PFE,       crew.TC,                crew.ITC};
    return flags[g];
}

// ---------------------------------------------------------------------------
// Places of the weapons, by body size, location and how many share it.

using TRow = std::vector<int>;
using TRows = std::vector<TRow>; // entry n - 1 for n weapons

// from, from + step, ... up to and including to.
TRow Steps(int from, int to, int step)
{
    TRow row;
    for (int v = from; v <= to; v += step)
        row.push_back(v);
    return row;
}

const TRows RowA0 = {{178}, {156, 200}};
const TRows RowA1 = {{181}, {161, 201}, {161, 181, 201}, {151, 171, 191, 211}};
const TRows RowA2 = {{180},
                     {160, 200},
                     {160, 180, 200},
                     {150, 170, 190, 210},
                     {140, 160, 180, 200, 220},
                     {139, 155, 171, 188, 204, 220},
                     Steps(120, 240, 20),
                     Steps(124, 236, 16),
                     Steps(116, 244, 16),
                     Steps(108, 252, 16)};
const TRows RowB = {{175},
                    {166, 183},
                    {167, 183, 199},
                    {172, 188, 204, 220},
                    {170, 186, 202, 218, 234},
                    {165, 181, 197, 213, 229, 245},
                    Steps(155, 251, 16),
                    Steps(139, 251, 16)};

// The most weapons a location shows on a body of each size.
constexpr int BodyMaximum[BodySizeCount] = {2, 3, 4, 4, 6, 7, 8, 8, 10};

struct TWeaponPlaces {
    int Maximum;       // the location shows no more, whatever the body allows
    int Fixed;         // the coordinate all the location's weapons share
    const TRows* Rows; // the varying coordinate by count
};

struct TNoseTailRow {
    int FrontY, BackY;
    const TRows* Rows;
};
const TNoseTailRow NoseTail[PlaceRows] = {
    {120, 250, &RowA0}, {99, 282, &RowA1}, {90, 305, &RowA1}, {68, 330, &RowA2},
    {60, 320, &RowA2},  {42, 344, &RowA2}, {46, 340, &RowA2},
};

const TRows SideRows23 = {{194}, {184, 204}, {174, 194, 214}, {167, 185, 203, 221}};
const TRows SideRows[BodySizeCount] = {
    {{184}, {177, 192}},
    {{178}, {168, 188}, {162, 178, 194}},
    SideRows23,
    SideRows23,
    {{194}, {184, 204}, {174, 194, 214}, {167, 185, 203, 221}, {154, 174, 194, 214, 234},
     {154, 170, 186, 202, 218, 234}},
    {{198}, {188, 208}, {178, 198, 218}, {171, 189, 207, 225}, {162, 180, 198, 216, 232}, Steps(155, 235, 16),
     Steps(155, 251, 16)},
    RowB,
    RowB,
    {{163}, {155, 171}, Steps(155, 187, 16), Steps(155, 203, 16), Steps(155, 219, 16), Steps(155, 235, 16),
     Steps(155, 251, 16), Steps(139, 251, 16), Steps(139, 267, 16), Steps(123, 267, 16)},
};
constexpr int SideRightX[BodySizeCount] = {230, 241, 247, 247, 260, 253, 253, 259, 252};
constexpr int SideLeftX[BodySizeCount] = {125, 121, 113, 113, 99, 108, 108, 102, 107};

// Side weapons of a design with side pods sit in the pods.
struct TPodRow {
    int Maximum;
    int YForward, YBackward;
    const TRows* Right;
    const TRows* Left;
};
const TRows PodRight0 = {{253}};
const TRows PodLeft0 = {{108}};
const TRows PodRight1 = {{263}};
const TRows PodLeft1 = {{98}};
const TRows PodRight2 = {{263}, {253, 283}};
const TRows PodLeft2 = {{98}, {78, 108}};
const TRows PodRight4 = {{272}, {272, 298}};
const TRows PodLeft4 = {{83}, {63, 88}};
const TRows PodRight8 = {{272}, {272, 298}, {272, 298, 319}};
const TRows PodLeft8 = {{83}, {63, 88}, {63, 88, 42}};
const TPodRow SidePods[PlaceRows] = {
    {1, 164, 208, &PodRight0, &PodLeft0}, {1, 164, 199, &PodRight1, &PodLeft1}, {2, 170, 210, &PodRight2, &PodLeft2},
    {2, 170, 210, &PodRight4, &PodLeft4}, {2, 170, 208, &PodRight4, &PodLeft4}, {2, 170, 209, &PodRight4, &PodLeft4},
    {3, 170, 209, &PodRight8, &PodLeft8},
};

// The smallest body has no turret places of its own; its turret weapon sits
// at the turret's middle, as on the larger bodies.
const TRows Turret0 = {{179}};
const TRows Turret1 = {{181}};
const TRows Turret2 = {{181}, {171, 191}};
const TRows Turret4 = {{180}, {170, 190}};
const TRows Turret8 = {{180}, {170, 190}, {165, 180, 195}};
const TWeaponPlaces TurretWeapons[PlaceRows] = {
    {1, 202, &Turret0}, {1, 223, &Turret1}, {2, 245, &Turret2}, {2, 255, &Turret4},
    {2, 260, &Turret4}, {2, 255, &Turret4}, {3, 265, &Turret8},
};

// A top pod or rocket platform shows at most four weapons side by side.
const TRows Top0 = {{153}};
const TRows Top1 = {{178}};
const TRows Top2 = {{180}, {160, 200}};
const TRows Top4 = {{180}, {160, 200}, {160, 180, 200}, {150, 170, 190, 210}};
struct TTopRow {
    int Maximum;
    int YForward, YBackward;
    const TRows* Rows;
};
const TTopRow TopWeapons[PlaceRows] = {
    {1, 198, 215, &Top0}, {1, 219, 236, &Top1}, {2, 215, 232, &Top2}, {4, 215, 232, &Top4},
    {4, 215, 232, &Top4}, {4, 215, 232, &Top4}, {4, 215, 232, &Top4},
};

// A weapon's layout picture shows it at four facings, then the same with an
// extra magazine.
constexpr int FacingFront = 0;
constexpr int FacingRight = 1;
constexpr int FacingBack = 2;
constexpr int FacingLeft = 3;
constexpr int ExtraMagazineFrames = 4;

const TBitmap32* LayoutWeaponPicture(const TWeaponType& weapon)
{
    const int i = FindWeaponTypeIndex(weapon.Abbreviation);
    if (i < 0 || i >= LayoutWeapons.size())
        return nullptr;
    return &LayoutWeapons[i].Image;
}

// ---------------------------------------------------------------------------

struct TPlan {
    const TGameCar& Car;
    const TVehicle& V;
    TBitmap32& Target;
    int Size;
    TLayoutSlots Slots;

    void Put(const TBitmap32& picture, QPoint at) { picture.DrawTo(Target, at.x(), at.y()); }
    void PutPart(const TBitmap32& picture, QPoint at, const QRect& part) { picture.DrawTo(Target, at.x(), at.y(), part); }

    void DrawPods();
    void DrawTires();
    void DrawGuards();
    void DrawHubs();
    void DrawEngine();
    void DrawAccessories();
    void DrawCrew();
    void DrawLocationWeapons(const QString& location);
};

void TPlan::DrawPods()
{
    const TSinglePlaces& p = SinglePositions[PlaceRow(Size)];
    constexpr int PodW = 75;
    constexpr int PodH = 38;
    if (V.EWP > 0) {
        if (V.HasSidePods()) {
            PutPart(LayoutEWP, p.EWPLeft, QRect(0, 0, PodW, PodH));
            PutPart(LayoutEWP, p.EWPRight, QRect(PodW, 0, PodW, PodH));
        } else {
            PutPart(LayoutEWP, p.EWPTop, QRect(2 * PodW, 0, PodW, PodH));
        }
    }
    if (V.RocketPlatform > 0)
        Put(LayoutRocketPlatform, p.EWPTop);
}

void TPlan::DrawTires()
{
    const TTirePlaces& t = TirePositions[PlaceRow(Size)];
    const TBitmap32& strip = LayoutTire[Size];
    const QRect front(TireDPFrame(V.GetTireDP(V.TiresFront)) * t.W, 0, t.W, t.H);
    const QRect rear(TireDPFrame(V.GetTireDP(V.TiresRear)) * t.W, 0, t.W, t.H);
    PutPart(strip, t.FL, front);
    PutPart(strip, t.FR, front);
    PutPart(strip, t.RL, rear);
    PutPart(strip, t.RR, rear);
    // The two smallest bodies have no places for a third pair of wheels.
    const auto& extra = V.Axis == wl6Wheels2Axis ? t.TwinRear : t.MiddleAxle;
    if (V.Axis != wl4Wheels && extra) {
        PutPart(strip, extra->first, rear);
        PutPart(strip, extra->second, rear);
    }
}

void TPlan::DrawGuards()
{
    const TWheelPlaces& g = WheelGuardPositions[PlaceRow(Size)];
    const TBitmap32& picture = LayoutWheelGuard[Size];
    const int h = picture.Width() / 2;
    const QRect left(0, 0, h, picture.Height());
    const QRect right(h + 1, 0, h, picture.Height());
    const auto guardPair = [&](QPoint l, QPoint r, int points) {
        PutPart(picture, l + QPoint(-3, -7), left);
        DrawDPBoxes(Target, l.x() + g.BoxLeft.x(), l.y() + g.BoxLeft.y(), points, true);
        PutPart(picture, r + QPoint(10, -7), right);
        DrawDPBoxes(Target, r.x() + g.BoxRight.x(), r.y() + g.BoxRight.y(), points, false);
    };
    if (V.GuardsFront > 0)
        guardPair(g.FL, g.FR, V.GuardsFront);
    if (V.GuardsRear > 0) {
        guardPair(g.RL, g.RR, V.GuardsRear);
        if (V.Axis == wl6Wheels3Axis && g.Middle)
            guardPair(g.Middle->first, g.Middle->second, V.GuardsRear);
    }
}

void TPlan::DrawHubs()
{
    const TWheelPlaces& h = WheelHubPositions[PlaceRow(Size)];
    const TBitmap32& picture = LayoutWheelHub[Size];
    const int half = picture.Width() / 2;
    const QRect left(0, 0, half, picture.Height());
    const QRect right(half + 1, 0, half, picture.Height());
    // The hubcaps make room for the wheel guards outside them.
    const int guardWidth = LayoutWheelGuard[Size].Width();
    const auto shift = [guardWidth](int guards, int wideExtra) {
        if (guards <= 0)
            return 0;
        return guards > 5 ? guardWidth + wideExtra : guardWidth / 2 + 9;
    };
    const auto hubPair = [&](QPoint l, QPoint r, int points, int s) {
        PutPart(picture, QPoint(l.x() - 12 - s, l.y() - 7), left);
        DrawDPBoxes(Target, l.x() + h.BoxLeft.x() - s - 9, l.y() + h.BoxLeft.y(), points, true);
        PutPart(picture, QPoint(r.x() + 19 + s, r.y() - 7), right);
        DrawDPBoxes(Target, r.x() + h.BoxRight.x() + s + 9, r.y() + h.BoxRight.y(), points, false);
    };
    if (V.HubsFront > 0)
        hubPair(h.FL, h.FR, V.HubsFront, shift(V.GuardsFront, 6));
    if (V.HubsRear > 0) {
        const int s = shift(V.GuardsRear, 5);
        hubPair(h.RL, h.RR, V.HubsRear, s);
        if (V.Axis == wl6Wheels3Axis && h.Middle)
            hubPair(h.Middle->first, h.Middle->second, V.HubsRear, s);
    }
}

void TPlan::DrawEngine()
{
    const TSinglePlaces& p = SinglePositions[PlaceRow(Size)];
    if (V.PowerCellEngine.Space > 0) {
        PutPart(LayoutCellEngines, p.CellEngine, QRect(V.PowerCellEngine.Nr * 41, 0, 41, 32));
        return;
    }
    if (V.GasEngine.Space <= 0)
        return;
    const QPoint at = p.GasEngine;
    PutPart(LayoutGasEngines, at, QRect(V.GasEngine.Nr * 48, 0, 48, 62));
    if (V.GasEngine.NO > 0)
        Put(LayoutN2O, at + QPoint(20, 18));
    if (V.GasTank.DP > 0) {
        // The larger gas engines push the tank a little outward.
        const int s = V.GasEngine.Nr > 3 ? 3 : 0;
        Put(LayoutGasTank, at + QPoint(45 + s, 20));
        DrawDPBoxes(Target, at.x() + 46 + s, at.y() + 30, V.GasTank.DP, false);
    }
}

void TPlan::DrawAccessories()
{
    for (int i = 0; i < EquipmentTypes.Items.size(); ++i) {
        if (V.EquipmentAmount(i) <= 0 || i >= LayoutAccessories.size())
            continue;
        if (const std::optional<QPoint> at = AccessoryPositions(Size, i))
            Put(LayoutAccessories[i], *at);
    }
}

void TPlan::DrawCrew()
{
    for (int seat = 0; seat < 2; ++seat) {
        const TCrewType& crew = V.Crew[seat];
        if (!crew.Seat)
            continue;
        const TCrewPlaces& places = CrewPositions[seat][PlaceRow(Size)];
        Put(LayoutCrew[seat], places.Crew);
        for (int g = 0; g < CrewGearCount; ++g)
            if (GearFlag(crew, g))
                Put(LayoutCrewEquipment[g], places.Gear(g));
    }
}

void TPlan::DrawLocationWeapons(const QString& location)
{
    const int count = WeaponSlotsOnPlan(Car, Size, location, Slots);

    int facing = FacingFront;
    if (location == QLatin1String("right"))
        facing = FacingRight;
    else if (location == QLatin1String("back"))
        facing = FacingBack;
    else if (location == QLatin1String("left"))
        facing = FacingLeft;
    const bool inPod = location == QLatin1String("EWP") || location == QLatin1String("rocket platform") ||
                       (!HasNoSideEWP(V) && (location == QLatin1String("left") || location == QLatin1String("right")));
    if (V.EWP > 0 && inPod)
        facing = V.EWPFF ? FacingFront : FacingBack;

    for (int k = 0; k < count; ++k) {
        const TLayoutSlot& slot = Slots[k];
        const TBitmap32* picture = LayoutWeaponPicture(slot.Weapon);
        if (slot.X == -1 || slot.Y == -1 || !picture)
            continue;
        const int s = picture->Height();
        const int frame = facing + (slot.Weapon.ExtraAmmo ? ExtraMagazineFrames : 0);
        picture->DrawTo(Target, slot.X - s / 2, slot.Y - s / 2, QRect(frame * s, 0, s, s));
    }
}

// Which pixels of the plan something has drawn on, counted so that any
// rectangle is asked in four look-ups.
class TDrawnPixels
{
public:
    explicit TDrawnPixels(const TBitmap32& plan) : FWidth(plan.Width() + 1), FSums(FWidth * (plan.Height() + 1), 0)
    {
        for (int y = 0; y < plan.Height(); ++y) {
            const TColor32* row = plan.ScanLine(y);
            int inRow = 0;
            for (int x = 0; x < plan.Width(); ++x) {
                inRow += (row[x] & 0xFFFFFFu) != 0xFFFFFFu;
                FSums[(y + 1) * FWidth + x + 1] = FSums[y * FWidth + x + 1] + inRow;
            }
        }
    }
    // Whether the rectangle lies on the plan with nothing drawn in it.
    bool Free(const QRect& r) const
    {
        if (r.left() < 0 || r.top() < 0 || r.right() + 1 >= FWidth || r.bottom() + 1 >= int(FSums.size()) / FWidth)
            return false;
        const auto sum = [this](int x, int y) { return FSums[y * FWidth + x]; };
        return sum(r.right() + 1, r.bottom() + 1) - sum(r.left(), r.bottom() + 1) - sum(r.right() + 1, r.top())
                   + sum(r.left(), r.top())
               == 0;
    }

private:
    int FWidth;
    std::vector<int> FSums;
};

// The list's lowest line ends above this row, so that the sheet's armor
// figures keep room below it in the frame's left and right columns.
constexpr int CAListBottom = 250;
// The lowest row of the plan inside the frame the sheet draws round it.
constexpr int CAListFrameBottom = 367;
// Between the rows of the sheet's front armor at the frame's top and of its
// back armor at the frame's bottom, the list may take any free place.
constexpr int CAListInnerTop = 42;
constexpr int CAListInnerBottom = 334;
// The smallest type of the list, still 6 points on the sheet.
constexpr int CAListSmallestFont = 9;

// The list laid out on the plan drawn so far, clear of every part: "CA:" at
// its corner and the lines below it down the left side, each moved down past
// the parts it would lie on (wheel guards' and hubcaps' boxes, pods); those
// that find no room above CAListBottom go down the right side, ending at
// CAListRight. In smaller type where the plan's type does not find room for
// all of them. A list too long even so runs in the smallest type down both
// sides to the frame's bottom and then into any free place inside the
// frame, line after line in reading order; what not even that holds is
// counted on its last line, so that no line goes without a trace.
QVector<TCAListText> LayOutCAList(const TBitmap32& plan, const QStringList& lines)
{
    const TDrawnPixels drawn(plan);
    const auto layOut = [&](int size, int bottom, bool anywhere) {
        QFont font = plan.Font;
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        const int height = metrics.height();
        const int pitch = size + CAListPitch - plan.Font.pixelSize();
        const int firstLine = CAListTop + size - 1;
        const QString heading = QStringLiteral("CA:");
        QVector<TCAListText> laid{
            {heading, size, QRect(CAListLeft, CAListTop, metrics.horizontalAdvance(heading), height)}};
        // A line keeps a pixel of paper round it, and clear of the lines
        // before it.
        TTextPlaces places([&drawn](const QRect& r) { return !drawn.Free(r); });
        const auto free = [&](const QRect& r) { return places.Free(r.adjusted(-1, -1, 1, 1)); };
        // The lane the lines go down: the left side, the right side, then
        // any free place.
        int lane = 0;
        int y = firstLine;
        int innerTop = CAListInnerTop;
        const auto lineAt = [&](const QString& line, int top) {
            const int width = metrics.horizontalAdvance(line);
            return QRect(lane == 1 ? std::min(plan.Width(), CAListRight) - width : CAListLeft, top, width, height);
        };
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            std::optional<QRect> place;
            // Down the side to the first free place above bottom, else on to
            // the next lane.
            while (!place && lane < 2) {
                if (const std::optional<int> top =
                        FirstAccepted(y, bottom - height, 1, [&](int t) { return free(lineAt(line, t)); })) {
                    place = lineAt(line, *top);
                    y = *top + pitch;
                } else {
                    ++lane;
                    y = firstLine;
                }
            }
            if (!place && anywhere) {
                // Line after line in reading order: the search goes on from
                // the row of the line before.
                const QRect inner(QPoint(CAListLeft, innerTop), QPoint(CAListRight, CAListInnerBottom));
                place = FirstInReadingOrder(inner, lineAt(line, 0).size(), 1, free);
                if (place)
                    innerTop = place->top();
                // What no place holds is counted on the last line laid.
                if (!place && laid.size() > 1) {
                    const QString count = QStringLiteral("+%1 more").arg(lines.size() - i + 1);
                    TCAListText& last = laid.last();
                    last = {count, size, QRect(last.Place.topLeft(), QSize(metrics.horizontalAdvance(count), height))};
                }
            }
            if (!place)
                return laid;
            laid.append({line, size, *place});
            places.Take(*place);
        }
        return laid;
    };
    for (int size = plan.Font.pixelSize(); size >= CAListSmallestFont; --size) {
        const QVector<TCAListText> laid = layOut(size, CAListBottom, false);
        if (laid.size() == lines.size() + 1)
            return laid;
    }
    return layOut(CAListSmallestFont, CAListFrameBottom, true);
}

void DrawCAList(const TVehicle& V, TBitmap32& Target)
{
    const QStringList lines = ComponentArmorLines(V);
    if (lines.isEmpty())
        return;
    // Where the list must still run over parts, each line gets a white rim
    // a pixel wide, so that it stays readable over them and covers no more
    // of them than its letters need.
    const QFont kept = Target.Font;
    for (const TCAListText& text : LayOutCAList(Target, lines)) {
        Target.Font.setPixelSize(text.FontSize);
        const TColor32 ink = Target.FontColor;
        Target.FontColor = clWhite32;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx != 0 || dy != 0)
                    Target.TextOut(text.Place.left() + dx, text.Place.top() + dy, text.Text);
        Target.FontColor = ink;
        Target.TextOut(text.Place.left(), text.Place.top(), text.Text);
    }
    Target.Font = kept;
}

} // namespace

void DrawDPBoxes(TBitmap32& target, int x, int y, int count, bool secondColumnLeft)
{
    constexpr int Pitch = 8;
    constexpr int ColumnLength = 5;
    const auto column = [&](int cx, int n) {
        for (int k = 0; k < n; ++k)
            LayoutDP.DrawTo(target, cx, y - 4 * (n - 1) + Pitch * k);
    };
    column(x, std::clamp(count, 0, ColumnLength));
    if (count > ColumnLength)
        column(secondColumnLeft ? x - Pitch : x + Pitch, std::min(count - ColumnLength, ColumnLength));
}

QStringList ComponentArmorLines(const TVehicle& V)
{
    QStringList lines;
    const auto add = [&lines](const QString& name, int points) {
        if (points > 0)
            lines.append(Format(QStringLiteral("%s: %s"), {name, CAText(points)}));
    };
    add(QStringLiteral("Driver"), V.Crew[0].CA);
    add(QStringLiteral("Gunner"), V.Crew[1].CA);
    add(QStringLiteral("Engine"), V.EngineCA);
    for (const TWeaponType& w : V.Weapons.Items)
        add(w.Abbreviation, w.CA);
    return lines;
}

int TireDPFrame(int dp)
{
    if (dp >= 3 && dp <= 16)
        return dp - 3;
    if (dp == 25)
        return 14;
    return 15;
}

QString CAText(int points)
{
    if (points <= 0)
        return QString();
    if (points <= 5)
        return QString(points, QLatin1Char('o'));
    return QString::number(points);
}

int LayoutWeaponHeight(const TWeaponType& weapon)
{
    const TBitmap32* picture = LayoutWeaponPicture(weapon);
    return picture ? picture->Height() : 0;
}

int WeaponSlotsOnPlan(const TGameCar& car, int size, const QString& location, TLayoutSlots& plan)
{
    const TVehicle& v = *car.Vehicle;
    int count = 0;
    for (const TWeaponType& w : v.Weapons.Items)
        if (count < 10 && LocationToStr(w.Location) == location)
            plan[count++].Weapon = w;
    if (count == 0)
        return 0;
    size = BodySizeIndex(size);
    count = std::min(count, BodyMaximum[size]);

    const int row = PlaceRow(size);
    // Which coordinate the location's weapons share, and where the other comes from.
    bool fixedIsY = true;
    int fixed = -1;
    const TRows* rows = nullptr;
    if (location == QLatin1String("front") || location == QLatin1String("back")) {
        fixed = location == QLatin1String("front") ? NoseTail[row].FrontY : NoseTail[row].BackY;
        rows = NoseTail[row].Rows;
    } else if (location == QLatin1String("left") || location == QLatin1String("right")) {
        const bool right = location == QLatin1String("right");
        if (HasNoSideEWP(v)) {
            fixedIsY = false;
            fixed = right ? SideRightX[size] : SideLeftX[size];
            rows = &SideRows[size];
        } else {
            const TPodRow& pod = SidePods[row];
            count = std::min(count, pod.Maximum);
            fixed = v.EWPFF ? pod.YForward : pod.YBackward;
            rows = right ? pod.Right : pod.Left;
        }
    } else if (location == QLatin1String("turret")) {
        count = std::min(count, TurretWeapons[row].Maximum);
        fixed = TurretWeapons[row].Fixed;
        rows = TurretWeapons[row].Rows;
    } else if (location == QLatin1String("EWP") || location == QLatin1String("rocket platform")) {
        const TTopRow& top = TopWeapons[row];
        count = std::min(count, top.Maximum);
        fixed = v.EWPFF ? top.YForward : top.YBackward;
        rows = top.Rows;
    }

    for (TLayoutSlot& slot : plan) {
        slot.X = fixedIsY ? -1 : fixed;
        slot.Y = fixedIsY ? fixed : -1;
    }
    if (rows && count <= int(rows->size())) {
        const TRow& places = (*rows)[count - 1];
        for (int k = 0; k < count; ++k)
            (fixedIsY ? plan[k].X : plan[k].Y) = places[k];
    }
    // On the smallest body a side weapon with a short picture stands nearer the body.
    if (size == 0 && !fixedIsY) {
        const int inward = location == QLatin1String("right") ? -10 : 10;
        for (int k = 0; k < count; ++k)
            if (LayoutWeaponHeight(plan[k].Weapon) < 30)
                plan[k].X += inward;
    }
    return count;
}

namespace {

// Steps 1 to 14 of the plan: everything but the component-armor list; false
// when the design has no body, the plan left white.
bool DrawParts(const TGameCar& car, TBitmap32& target)
{
    target.Clear(clWhite32);
    const TVehicle& v = *car.Vehicle;
    if (v.Body.Nr == -1)
        return false;
    TPlan plan{car, v, target, BodySizeIndex(v.Body.Nr), {}};
    const TSinglePlaces& places = SinglePositions[PlaceRow(plan.Size)];

    plan.Put(LayoutBody[plan.Size], QPoint(101, 36));
    plan.DrawPods();
    plan.DrawTires();
    plan.DrawGuards();
    plan.DrawHubs();

    if (v.EquipmentAmount(SpoilerNr) != 0)
        plan.Put(LayoutSpoiler[plan.Size], places.Spoiler);
    if (v.EquipmentAmount(AirdamNr) != 0)
        plan.Put(LayoutAirdam[plan.Size], places.Airdam);
    if (v.EquipmentAmount(RamplateNr) != 0)
        plan.Put(LayoutRamplate[plan.Size], places.Ramplate);

    plan.DrawEngine();

    if (v.Turret > tkNone) {
        plan.Put(v.Turret == tkZeroSpace ? LayoutZeroSpaceTurret : LayoutTurret, places.Turret);
        plan.DrawLocationWeapons(QStringLiteral("turret"));
    }
    for (const char* location : {"front", "left", "right", "back", "EWP", "rocket platform"})
        plan.DrawLocationWeapons(QString::fromLatin1(location));

    plan.DrawAccessories();
    plan.DrawCrew();
    return true;
}

} // namespace

void DrawLayout(const TGameCar& car, TBitmap32& target)
{
    if (DrawParts(car, target))
        DrawCAList(*car.Vehicle, target);
}

QVector<TCAListText> ComponentArmorList(const TGameCar& car, int width, int height)
{
    const QStringList lines = ComponentArmorLines(*car.Vehicle);
    if (lines.isEmpty())
        return {};
    TBitmap32 plan(width, height);
    if (!DrawParts(car, plan))
        return {};
    return LayOutCAList(plan, lines);
}
