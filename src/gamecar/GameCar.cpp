#include "gamecar/GameCar.h"

#include "gamecar/Graphics.h"
#include "model/Global.h"

namespace {

constexpr int SpriteSide = 120;
constexpr int BodyWidth = 50;
constexpr int BodyHeight = 100;

// Damage points of a crew member by personal armor.
int CrewDamagePoints(const TCrewType& crew)
{
    if (crew.ImprovedBodyArmor || crew.ImpactArmor)
        return 9;
    if (crew.BodyArmor)
        return 6;
    return 3;
}

} // namespace

TGameCar::TGameCar() : Vehicle(std::make_shared<TVehicle>())
{
    CreateImages();
    Reset();
    SetFrame(CarFrameNr);
}

void TGameCar::CreateImages()
{
    for (TBitmap32* view : {&Sprite, &Rotated}) {
        view->SetSize(SpriteSide, SpriteSide);
        view->DrawMode = TDrawMode::dmBlend;
        view->MasterAlpha = 255;
    }
    RotatedMask = Rotated;
    Body = std::make_shared<TBitmap32>(BodyWidth, BodyHeight);
    BodyMask = std::make_shared<TBitmap32>(BodyWidth, BodyHeight);
}

void TGameCar::Reset()
{
    const TVehicle& v = *Vehicle;
    Damage.Armor = v.Armor;
    CopyWeaponTypes(v.Weapons, Damage.Weapons);
    Damage.EngineDP = v.PowerCellEngine.Name != QLatin1String("None") ? v.PowerCellEngine.DP : v.GasEngine.DP;
    Damage.EngineMaxDP = Damage.EngineDP;
    for (int seat = 0; seat < 2; ++seat) {
        if (v.Crew[seat].Seat) {
            Damage.CrewDP[seat] = CrewDamagePoints(v.Crew[seat]);
            Damage.CrewMaxDP[seat] = Damage.CrewDP[seat];
        } else {
            Damage.CrewDP[seat] = 0;
        }
    }
    Damage.CargoDP = v.CargoSpace;
    Damage.Log.clear();

    CopyWeaponTypes(v.Weapons, Stats.Weapons);
    for (TWeaponType& w : Stats.Weapons.Items) {
        w.Shots = 0;
        w.Cost = 0;
        w.Weight = 0;
    }
}

void TGameCar::SetFrame(int n)
{
    const int count = CarImages.size();
    if (count == 0) {
        // Without car pictures the car shows nothing of a picture.
        BodyMask->Clear(clBlack32);
        return;
    }
    // A stored number that no longer fits the pictures wraps around, as the
    // picture buttons do.
    n = ((n % count) + count) % count;
    CarImages[n].DrawTo(*Body, 0, 0);
    CarMasks[n].DrawTo(*BodyMask, 0, 0);
}
