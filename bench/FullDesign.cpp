#include "FullDesign.h"

#include "../tests/model/RulesFixture.h"

#include "model/Vehicle.h"

void BuildFullDesign(TVehicle& v)
{
    v.Body = TRulesFixture::Body("Van");
    v.CAFrame = true;
    v.Streamlined = true;
    v.Rollcage = true;
    v.Chassis = TRulesFixture::Chassis("Heavy");
    v.Suspension = TRulesFixture::Suspension("Improved");
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GasEngine = TRulesFixture::GEngine("250 cid");
    v.GasEngine.MC = true;
    v.GasEngine.TH = true;
    v.GasEngine.BP = true;
    v.GasEngine.SC = true;
    v.GasEngine.NO = 2;
    v.GasTank = TRulesFixture::GasTank("Racing");
    v.TankSize = 15;
    v.EngineCA = 3;
    v.Axis = wl6Wheels3Axis;
    v.TiresFront = TRulesFixture::Tire("Puncture-Resistant");
    v.TiresFront.Steelbelt = true;
    v.TiresFront.Radial = true;
    v.TiresRear = v.TiresFront;
    v.Armor = TArmor{30, 20, 20, 20, 10, 10, 5, 5, 5, 5, 5, 2, 2, true, true};
    v.Sloped = true;
    v.GuardsFront = v.GuardsRear = v.HubsFront = v.HubsRear = 2;
    for (const char* abbreviation : {"MG", "RR", "L", "HR", "MD", "SS", "MG", "RR"}) {
        TWeaponType w = TRulesFixture::Weapon(QString::fromLatin1(abbreviation));
        w.SWC = true;
        w.ExtraAmmo = true;
        w.CA = 2;
        w.Ammo = QStringLiteral("EX");
        int index;
        v.AddWeapon(w, index);
    }
    v.Turret = tkTwoSpace;
    v.RocketPlatform = 3;
    v.EWP = ewpThreeSpaceSide;
    for (int nr = 0; nr <= 13; ++nr)
        v.SetEquipment(nr, 2, QString());
    for (TCrewType& seat : v.Crew) {
        seat.Seat = true;
        seat.BodyArmor = seat.GasMask = seat.PFE = seat.TC = true;
        seat.HandGun = QStringLiteral("SMG");
        seat.CA = 2;
    }
}
