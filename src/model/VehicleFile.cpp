#include "model/Vehicle.h"

#include "model/EnumTexts.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "platform/Errors.h"
#include "platform/FileLookup.h"
#include "platform/Format.h"
#include "platform/ProfileFile.h"

#include <QFileInfo>

namespace {

QString S(const char* text)
{
    return QString::fromLatin1(text);
}

// Holds off the main window's recalculation while a design is half read.
class TGUILoadingScope
{
public:
    TGUILoadingScope() { GUILoading = true; }
    ~TGUILoadingScope() { GUILoading = false; }
    TGUILoadingScope(const TGUILoadingScope&) = delete;
    TGUILoadingScope& operator=(const TGUILoadingScope&) = delete;
};

// Reads a design from a profile file, section by section in the order the
// file was always read. A part name that the rules tables lack stops it with
// the reason in Err.
class TDesignReader
{
public:
    TDesignReader(const TProfileFile& ini, TVehicle& v, QString& err) : Ini(ini), V(v), Err(err) {}

    bool Read()
    {
        return ReadBody() && ReadEngines() && ReadTires() && ReadRest();
    }

private:
    QString Str(const char* section, const char* key, const QString& def) const
    {
        return Ini.ReadString(S(section), S(key), def);
    }
    QString Str(const QString& section, const char* key, const QString& def) const
    {
        return Ini.ReadString(section, S(key), def);
    }
    int Int(const QString& section, const char* key, int def = 0) const
    {
        return Ini.ReadInteger(section, S(key), def);
    }
    int Int(const char* section, const char* key, int def = 0) const { return Int(S(section), key, def); }
    bool Bool(const QString& section, const char* key, bool def = false) const
    {
        return Ini.ReadBool(section, S(key), def);
    }
    bool Bool(const char* section, const char* key, bool def = false) const { return Bool(S(section), key, def); }

    // The rules record of that name into the design's field; false with the
    // reason when the table has none.
    template <typename TItem>
    bool Lookup(bool (*find)(const QString&, TItem&), const QString& name, TItem& field, const char* message)
    {
        find(name, field);
        if (field.Nr != -1)
            return true;
        Err = Format(S(message), {name});
        return false;
    }

    bool ReadBody()
    {
        if (!Lookup(FindBodyType, Str("Body", "BodyType", QString()), V.Body, "Body Type '%s' not found"))
            return false;
        V.Streamlined = Bool("Body", "Streamlined");
        if (!Lookup(FindChassisType, Str("Body", "Chassis", QString()), V.Chassis, "Chassis Type '%s' not found"))
            return false;
        V.CAFrame = Bool("Body", "CAFrame");
        V.Rollcage = Bool("Body", "Rollcage");
        return Lookup(FindSuspensionType, Str("Body", "Suspension", QString()), V.Suspension,
                      "Suspension Type '%s' not found");
    }

    bool ReadEngines()
    {
        TCEngineType& plant = V.PowerCellEngine;
        if (!Lookup(FindCEngineType, Str("PowerCellEngine", "Type", QString()), plant,
                    "Power Cell Engine Type '%s' not found"))
            return false;
        plant.PC = Bool("PowerCellEngine", "PC");
        plant.SC = Bool("PowerCellEngine", "SC");
        plant.EPC = Bool("PowerCellEngine", "EPC");
        plant.ISC = Int("PowerCellEngine", "ISC");

        TGEngineType& gas = V.GasEngine;
        if (!Lookup(FindGEngineType, Str("GasEngine", "Type", QString()), gas, "GasEngine Type '%s' not found"))
            return false;
        if (!Lookup(FindGasTankType, Str("GasEngine", "TankType", QString()), V.GasTank,
                    "Gas Tank Type '%s' not found"))
            return false;
        V.TankSize = Int("GasEngine", "TankSize");
        gas.C = Bool("GasEngine", "C");
        gas.MC = Bool("GasEngine", "MC");
        gas.TH = Bool("GasEngine", "TH");
        gas.BP = Bool("GasEngine", "BP");
        gas.TC = Bool("GasEngine", "TC");
        gas.VTC = Bool("GasEngine", "VTC");
        gas.SC = Bool("GasEngine", "SC");
        gas.NO = Int("GasEngine", "NO");

        V.EngineCA = AllowCA ? Int("Engine", "CA") : 0;
        V.EngineCA_FP = AllowCA && Bool("Engine", "CA_FP");
        return true;
    }

    void ReadTireOptions(const char* section, TTireType& tire) const
    {
        tire.Radial = Bool(section, "Radial");
        tire.OffRoad = Bool(section, "OffRoad");
        tire.Racing = Bool(section, "Racing");
        tire.Steelbelt = Bool(section, "Steelbelt");
        tire.Fireproof = Bool(section, "Fireproof");
    }

    bool ReadTires()
    {
        // Files of the older layout hold both tire sets in one section,
        // without options.
        const QString legacyFront = Str("Tires", "Front", QString());
        if (!legacyFront.isEmpty()) {
            if (!Lookup(FindTireType, legacyFront, V.TiresFront, "Front Tire Type '%s' not found"))
                return false;
            const QString legacyRear = Str("Tires", "Rear", QString());
            if (!legacyRear.isEmpty() && !Lookup(FindTireType, legacyRear, V.TiresRear, "Rear Tire Type '%s' not found"))
                return false;
            V.Axis = StrToWheelLayout(Str("Tires", "Axis", QString()));
            V.GuardsFront = Int("Tires", "GuardsFront");
            V.GuardsRear = Int("Tires", "GuardsRear");
            V.HubsFront = Int("Tires", "HubsFront");
            V.HubsRear = Int("Tires", "HubsRear");
        }

        const QString front = Str("TiresFront", "Name", QString());
        if (front.isEmpty())
            return true;
        if (!Lookup(FindTireType, front, V.TiresFront, "Front Tire Type '%s' not found"))
            return false;
        ReadTireOptions("TiresFront", V.TiresFront);
        if (!Lookup(FindTireType, Str("TiresRear", "Name", QString()), V.TiresRear, "Rear Tire Type '%s' not found"))
            return false;
        ReadTireOptions("TiresRear", V.TiresRear);
        V.Axis = StrToWheelLayout(Str("TiresRear", "Axis", QString()));
        V.GuardsFront = Int("TiresFront", "Guards");
        V.GuardsRear = Int("TiresRear", "Guards");
        V.HubsFront = Int("TiresFront", "Hubs");
        V.HubsRear = Int("TiresRear", "Hubs");
        return true;
    }

    void ReadArmor()
    {
        TArmor& a = V.Armor;
        a.Front = Int("Armor", "Front");
        a.Left = Int("Armor", "Left");
        a.Right = Int("Armor", "Right");
        a.Back = Int("Armor", "Back");
        a.Top = Int("Armor", "Top");
        a.Bottom = Int("Armor", "Bottom");
        a.EWP = Int("Armor", "EWP");
        a.FrontM = Int("Armor", "FrontM");
        a.LeftM = Int("Armor", "LeftM");
        a.RightM = Int("Armor", "RightM");
        a.BackM = Int("Armor", "BackM");
        a.TopM = Int("Armor", "TopM");
        a.BottomM = Int("Armor", "BottomM");
        V.Sloped = Bool("Armor", "Sloped");
        a.FP = Bool("Armor", "FP");
        a.LR = Bool("Armor", "LR");
    }

    bool ReadWeapons()
    {
        V.Turret = Int("Weapon", "Turret");
        V.EWP = Int("Weapon", "EWP");
        V.EWPFF = Bool("Weapon", "EWPFF", true);
        V.EWPR = Bool("Weapon", "EWPR");
        V.RocketPlatform = Int("Weapon", "RocketPlatform");
        const int number = Int("Weapon", "Number");
        for (int i = 0; i < number; ++i) {
            const QString section = Format(S("Weapon_%d"), {i});
            TWeaponType w;
            if (!Lookup(FindWeaponType, Str(section, "Name", QString()), w, "Weapon Abbreviation '%s' not found"))
                return false;
            w.Location = StrToLocation(Str(section, "Location", QString()));
            w.ExtraAmmo = Bool(section, "ExtraAmmo");
            w.SWC = Bool(section, "SWC");
            w.HRSWC = Bool(section, "HRSWC");
            w.LaserIR = Bool(section, "LaserIR");
            w.LaserPulse = Bool(section, "LaserPulse");
            w.Ammo = Str(section, "Ammo", S("-"));
            w.CA = AllowCA ? Int(section, "CA") : 0;
            w.CA_FP = AllowCA && Bool(section, "CA_FP");
            int index = 0;
            V.AddWeapon(w, index);
        }
        return true;
    }

    // The accessory's current number: the file's Name when the design's list
    // knows it (so a file survives a renumbered table), else its Nr.
    int AccessoryNr(const QString& section) const
    {
        const QString name = Str(section, "Name", QString());
        if (!name.isEmpty())
            for (const TEquipmentType& e : V.Equipment.Items)
                if (QString::compare(e.Name, name, Qt::CaseInsensitive) == 0)
                    return e.Nr;
        return Int(section, "Nr");
    }

    void ReadAccessories()
    {
        const int number = Int("Accessories", "Number");
        for (int j = 0; j < number; ++j) {
            const QString section = Format(S("Accessories_%d"), {j});
            const QString info = Str(section, "Info", QString());
            const int amount = Int(section, "Amount");
            V.SetEquipment(AccessoryNr(section), amount, info);
        }
    }

    void ReadCrew()
    {
        for (int k = 0; k < 2; ++k) {
            const QString section = Format(S("Crew_%d"), {k});
            TCrewType& c = V.Crew[k];
            // The driver's seat is never empty.
            c.Seat = k == 0 || Bool(section, "Seat");
            c.BodyArmor = Bool(section, "BodyArmor");
            c.ImprovedBodyArmor = Bool(section, "ImprovedBodyArmor");
            c.ImpactArmor = Bool(section, "ImpactArmor");
            c.GasMask = Bool(section, "GasMask");
            c.PFE = Bool(section, "PFE");
            c.TC = Bool(section, "TC");
            c.ITC = Bool(section, "ITC");
            c.HandGun = Str(section, "HandGun", QString());
            c.CA = AllowCA ? Int(section, "CA") : 0;
            c.CA_FP = AllowCA && Bool(section, "CA_FP");
        }
    }

    bool ReadRest()
    {
        ReadArmor();
        if (!ReadWeapons())
            return false;
        ReadAccessories();
        ReadCrew();
        V.Name = Str("Text", "Name", S("<Name>"));
        V.Author = Str("Text", "Author", S("<Author>"));
        V.Comment = Str("Text", "Comment", S("<Comment>"));
        return true;
    }

    const TProfileFile& Ini;
    TVehicle& V;
    QString& Err;
};

} // namespace

void TVehicle::Load(const QString& FileName, QString& Err)
{
    Err.clear();
    try {
        // Designs were written for a file system that ignores letter case.
        const QString path = ResolvePath(FileName);
        if (!QFileInfo(path).isFile()) {
            Err = Format(S("File '%s' not found"), {FileName});
            return;
        }
        // Read into a new design, so that a file that fails half-way leaves
        // the open design as it was.
        TVehicle loaded;
        bool complete = false;
        {
            const TGUILoadingScope loading;
            const TProfileFile ini(path);
            complete = TDesignReader(ini, loaded, Err).Read();
        }
        if (complete)
            *this = loaded;
    } catch (const std::exception& e) {
        const auto* error = dynamic_cast<const EError*>(&e);
        Err = S("Error in function 'Load': ") + (error ? error->Message() : QString::fromUtf8(e.what()));
    }
}
