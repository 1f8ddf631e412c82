#include "SampleDesigns.h"

#include "model/Lookups.h"
#include "model/Vehicle.h"

#include <QDir>
#include <stdexcept>

namespace {

// A sample that names an item the shipped tables lack is a mistake in this
// file; it stops the generator instead of writing a broken design.
template <typename TItem>
TItem Item(bool (*find)(const QString&, TItem&), const char* name)
{
    TItem item;
    if (!find(QString::fromLatin1(name), item))
        throw std::runtime_error(std::string("sample design names a missing item: ") + name);
    return item;
}

} // namespace

void Mount(TVehicle& v, const TWeaponMount& m)
{
    TWeaponType w = Item(FindWeaponType, m.Abbreviation);
    w.Location = m.Location;
    w.Ammo = QString::fromLatin1(m.Ammo);
    w.ExtraAmmo = m.ExtraAmmo;
    w.SWC = m.SWC;
    w.HRSWC = m.HRSWC;
    w.LaserIR = m.LaserIR;
    w.LaserPulse = m.LaserPulse;
    w.CA = m.CA;
    w.CA_FP = m.CA_FP;
    int index = 0;
    v.AddWeapon(w, index);
}

namespace {

void Frame(TVehicle& v, const char* body, const char* chassis, const char* suspension)
{
    v.Body = Item(FindBodyType, body);
    v.Chassis = Item(FindChassisType, chassis);
    v.Suspension = Item(FindSuspensionType, suspension);
}

void Tires(TVehicle& v, const char* front, const char* rear)
{
    v.TiresFront = Item(FindTireType, front);
    v.TiresRear = Item(FindTireType, rear);
}

void Texts(TVehicle& v, const char* name, const char* comment)
{
    v.Name = QString::fromLatin1(name);
    v.Author = QStringLiteral("Rigsmith");
    v.Comment = QString::fromLatin1(comment);
}

void PowerPlant(TVehicle& v, const char* name)
{
    v.PowerCellEngine = Item(FindCEngineType, name);
    v.GasEngine = Item(FindGEngineType, "None");
    v.GasTank = Item(FindGasTankType, "None");
    v.TankSize = 0;
}

// The standard opponent: a mid-sized duelling car of the plainest kind.
void VezeRidiv(TVehicle& v)
{
    Texts(v, "Veze Ridiv", "Mid-sized duelling car with a machine gun and a rocket launcher up front.");
    Frame(v, "Mid-Sized", "Standard", "Heavy");
    PowerPlant(v, "Large");
    Tires(v, "Puncture-Resistant", "Puncture-Resistant");
    Mount(v, {"MG", locFront});
    Mount(v, {"RL", locFront});
    v.Armor.Front = 30;
    v.Armor.Left = 20;
    v.Armor.Right = 20;
    v.Armor.Back = 20;
    v.Armor.Top = 10;
    v.Armor.Bottom = 10;
}

// A small town car with dropped weapons, a smoke discharger and metal armor.
void Gadfly(TVehicle& v)
{
    Texts(v, "Gadfly", "Subcompact runabout that leaves spikes and smoke behind it.");
    Frame(v, "Subcompact", "Standard", "Improved");
    PowerPlant(v, "Small");
    v.PowerCellEngine.PC = true;
    Tires(v, "Heavy-Duty", "Heavy-Duty");
    v.TiresFront.Steelbelt = v.TiresRear.Steelbelt = true;
    v.Streamlined = true;
    Mount(v, {"SD", locBack});
    Mount(v, {"SmD", locLeft});
    v.Armor.FrontM = 2;
    v.Armor.LeftM = 1;
    v.Armor.RightM = 1;
    v.Armor.BackM = 2;
    v.Armor.TopM = 1;
    v.Armor.BottomM = 1;
    v.SetEquipment(1, 1, QString());
    v.SetEquipment(28, 1, QString());
}

// A gas-engined pickup with a gunner and rockets on a platform in its bed.
// (A turret would exclude the platform: both sit on the roof.)
void Thunderwagon(TVehicle& v)
{
    Texts(v, "Thunderwagon", "Gas-engined pickup: machine guns up front, rockets on a platform in the bed.");
    Frame(v, "Pickup", "Heavy", "Heavy");
    v.PowerCellEngine = Item(FindCEngineType, "None");
    v.GasEngine = Item(FindGEngineType, "250 cid");
    v.GasEngine.TC = true;
    v.GasTank = Item(FindGasTankType, "Duelling");
    v.TankSize = 10;
    Tires(v, "Puncture-Resistant", "Solid");
    v.TiresFront.Radial = true;
    v.GuardsFront = 4;
    v.GuardsRear = 4;
    v.Crew[1].Seat = true;
    v.Crew[1].BodyArmor = true;
    v.Crew[1].HandGun = QStringLiteral("Submachine Gun");
    v.RocketPlatform = 2;
    Mount(v, {"MG", locFront, "AP"});
    Mount(v, {"MG", locFront, "AP"});
    Mount(v, {"MR", locRocketPlatform});
    Mount(v, {"MR", locRocketPlatform});
    v.Armor.Front = 35;
    v.Armor.Left = 25;
    v.Armor.Right = 25;
    v.Armor.Back = 25;
    v.Armor.Top = 15;
    v.Armor.Bottom = 15;
    v.Sloped = true;
    v.SetEquipment(2, 1, QString());
    v.SetEquipment(8, 1, QStringLiteral("on the roof"));
}

// A luxury laser car: component armor, a targeting laser, well-kept crew.
void Lightbringer(TVehicle& v)
{
    Texts(v, "Lightbringer", "Luxury laser platform with component armor and a careful crew.");
    Frame(v, "Luxury", "Extra Heavy", "Improved");
    PowerPlant(v, "Super");
    v.PowerCellEngine.SC = true;
    v.PowerCellEngine.ISC = 1;
    v.EngineCA = 5;
    v.EngineCA_FP = true;
    Tires(v, "Plasticore", "Plasticore");
    v.HubsFront = 3;
    v.HubsRear = 3;
    v.Rollcage = true;
    v.Crew[0].ImprovedBodyArmor = true;
    v.Crew[0].PFE = true;
    v.Crew[0].CA = 4;
    v.Crew[1].Seat = true;
    v.Crew[1].BodyArmor = true;
    v.Crew[1].GasMask = true;
    v.Crew[1].ITC = true;
    v.Crew[1].HandGun = QStringLiteral("Laser Rifle");
    v.Turret = tkTwoSpace;
    Mount(v, {"L", locTurret, "-", false, false, true, true, false, 3, true});
    Mount(v, {"TL", locFront});
    Mount(v, {"LL", locBack, "-", false, false, false, false, true});
    Mount(v, {"LL", locBack, "-", false, false, false, false, true});
    v.Armor.Front = 30;
    v.Armor.Left = 25;
    v.Armor.Right = 25;
    v.Armor.Back = 20;
    v.Armor.Top = 15;
    v.Armor.Bottom = 15;
    v.Armor.FrontM = 4;
    v.Armor.LR = true;
    v.Armor.FP = true;
    v.SetEquipment(10, 1, QString());
    v.SetEquipment(17, 1, QString());
}

// A six-wheeled van with a pair of rocket pods, flamethrowers and mines.
void Brickhouse(TVehicle& v)
{
    Texts(v, "Brickhouse", "Six-wheeled van with side rocket pods and a rear full of fire.");
    Frame(v, "Van", "Extra Heavy", "Heavy");
    PowerPlant(v, "T-Cat");
    v.PowerCellEngine.EPC = true;
    Tires(v, "Solid", "Solid");
    v.Axis = wl6Wheels2Axis;
    v.CAFrame = true;
    v.Crew[1].Seat = true;
    v.EWP = ewpOneSpaceSide;
    v.EWPR = true;
    v.Armor.EWP = 4;
    Mount(v, {"VMG", locFront, "-", false, true});
    Mount(v, {"FT", locBack});
    Mount(v, {"MD", locBack, "-", true});
    Mount(v, {"MML", locLeft});
    Mount(v, {"MML", locRight});
    v.Armor.Front = 40;
    v.Armor.Left = 30;
    v.Armor.Right = 30;
    v.Armor.Back = 35;
    v.Armor.Top = 20;
    v.Armor.Bottom = 20;
    v.SetEquipment(21, 2, QStringLiteral("front"));
    v.SetEquipment(3, 1, QString());
    v.SetEquipment(20, 2, QString());
}

} // namespace

const std::vector<TSampleDesign>& SampleDesigns()
{
    static const std::vector<TSampleDesign> designs = {
        {"VezeRidiv.vx", VezeRidiv},       {"Gadfly.vx", Gadfly},         {"Thunderwagon.vx", Thunderwagon},
        {"Lightbringer.vx", Lightbringer}, {"Brickhouse.vx", Brickhouse},
    };
    return designs;
}

bool WriteSampleDesigns(const QString& Folder)
{
    for (const TSampleDesign& sample : SampleDesigns()) {
        TVehicle v;
        sample.Build(v);
        if (!v.Save(QDir(Folder).filePath(QString::fromLatin1(sample.FileName))))
            return false;
    }
    return true;
}
