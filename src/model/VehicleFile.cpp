#include "model/Vehicle.h"

#include "model/EnumTexts.h"
#include "model/ErrorReport.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "model/Utils.h"
#include "model/VehicleFigures.h"
#include "platform/Errors.h"
#include "platform/FileLookup.h"
#include "platform/Format.h"
#include "platform/Numbers.h"
#include "platform/ProfileFile.h"

#include <QFileInfo>

#include <algorithm>

namespace {

QString S(const char* text)
{
    return QString::fromLatin1(text);
}

QString ExceptionText(const std::exception& e)
{
    const auto* error = dynamic_cast<const EError*>(&e);
    return error ? error->Message() : QString::fromUtf8(e.what());
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
    // A number the design took from the file, by its place there.
    struct TNumber {
        QString Section;
        QString Key;
        int Value;
    };

    TDesignReader(const TProfileFile& ini, TVehicle& v, QString& err) : Ini(ini), V(v), Err(err) {}

    bool Read()
    {
        return ReadBody() && ReadEngines() && ReadTires() && ReadRest();
    }

    // Every number other than 0 that was read, in reading order.
    const QVector<TNumber>& Numbers() const { return FNumbers; }

private:
    QString Str(const char* section, const char* key, const QString& def) const
    {
        return Ini.ReadString(S(section), S(key), def);
    }
    QString Str(const QString& section, const char* key, const QString& def) const
    {
        return Ini.ReadString(section, S(key), def);
    }
    int Int(const QString& section, const char* key, int def = 0)
    {
        const int value = Ini.ReadInteger(section, S(key), def);
        if (value != 0)
            FNumbers.append(TNumber{section, S(key), value});
        return value;
    }
    int Int(const char* section, const char* key, int def = 0) { return Int(S(section), key, def); }
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
        Err = Format(S(message), {BriefValue(name)});
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
        if (number > MostDesignWeapons) {
            Err = Format(S("The file holds %d weapons, more than the %d a design may hold"),
                         {number, MostDesignWeapons});
            return false;
        }
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
    int AccessoryNr(const QString& section)
    {
        const QString name = Str(section, "Name", QString());
        if (!name.isEmpty())
            for (const TEquipmentType& e : V.Equipment.Items)
                if (QString::compare(e.Name, name, Qt::CaseInsensitive) == 0)
                    return e.Nr;
        return Int(section, "Nr");
    }

    // The numbers below the count that have an accessory section in the
    // file, in order. A count far beyond the file costs no more than the
    // file's sections, and a number without a section (a gap left by a hand
    // edit) changes no accessory.
    QVector<int> AccessorySections(int number) const
    {
        const QString prefix = S("Accessories_");
        QVector<int> found;
        for (const QString& name : Ini.ReadSections()) {
            int j = -1;
            if (name.startsWith(prefix, Qt::CaseInsensitive) && TryStrToInt(name.mid(prefix.size()), j) && j >= 0
                && j < number && QString::compare(name, Format(S("Accessories_%d"), {j}), Qt::CaseInsensitive) == 0)
                found.append(j);
        }
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        return found;
    }

    void ReadAccessories()
    {
        for (const int j : AccessorySections(Int("Accessories", "Number"))) {
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
    QVector<TNumber> FNumbers;
};

// Why the figures of a design just read cannot be computed, with the number
// of the file that causes it when one alone does: the first of the largest
// numbers without which the figures can be computed. Only a few are tried, so
// that a file of many numbers costs a few readings more at the most.
QString FiguresError(const TProfileFile& ini, const QVector<TDesignReader::TNumber>& numbers, const EError& error)
{
    QString text = S("The design's figures cannot be computed: ") + error.Message();
    QVector<TDesignReader::TNumber> largest = numbers;
    const auto magnitude = [](const TDesignReader::TNumber& n) { return qAbs(qint64(n.Value)); };
    std::stable_sort(largest.begin(), largest.end(),
                     [&](const auto& a, const auto& b) { return magnitude(a) > magnitude(b); });
    constexpr qsizetype Tries = 3;
    for (const TDesignReader::TNumber& n : largest.mid(0, Tries)) {
        TProfileFile without = ini;
        without.WriteInteger(n.Section, n.Key, 0);
        TVehicle trial;
        QString err;
        try {
            if (!TDesignReader(without, trial, err).Read())
                continue;
            ComputeFigures(trial);
        } catch (const EError&) {
            continue;
        }
        return text + Format(S("\r\nThe value %d of [%s] %s is out of range"), {n.Value, n.Section, n.Key});
    }
    return text;
}

// Writes a design in the order in which the sections and keys have always
// stood in a design file.
class TDesignWriter
{
public:
    TDesignWriter(TProfileFile& ini, const TVehicle& v) : Ini(ini), V(v) {}

    void Write()
    {
        WriteBodyAndEngines();
        WriteTires();
        WriteArmor();
        WriteWeapons();
        WriteAccessories();
        WriteCrew();
        Str("Text", "Name", V.Name);
        Str("Text", "Author", V.Author);
        Str("Text", "Comment", V.Comment);
    }

private:
    void Str(const QString& section, const char* key, const QString& value) { Ini.WriteString(section, S(key), value); }
    void Str(const char* section, const char* key, const QString& value) { Str(S(section), key, value); }
    void Int(const QString& section, const char* key, int value) { Ini.WriteInteger(section, S(key), value); }
    void Int(const char* section, const char* key, int value) { Int(S(section), key, value); }
    void Bool(const QString& section, const char* key, bool value) { Ini.WriteBool(section, S(key), value); }
    void Bool(const char* section, const char* key, bool value) { Bool(S(section), key, value); }

    void WriteBodyAndEngines()
    {
        Str("Body", "BodyType", V.Body.Name);
        Str("Body", "Chassis", V.Chassis.Name);
        Str("Body", "Suspension", V.Suspension.Name);
        Bool("Body", "Streamlined", V.Streamlined);
        Bool("Body", "CAFrame", V.CAFrame);
        Bool("Body", "Rollcage", V.Rollcage);

        const TCEngineType& plant = V.PowerCellEngine;
        Str("PowerCellEngine", "Type", plant.Name);
        Bool("PowerCellEngine", "PC", plant.PC);
        Bool("PowerCellEngine", "SC", plant.SC);
        Bool("PowerCellEngine", "EPC", plant.EPC);
        Int("PowerCellEngine", "ISC", plant.ISC);

        const TGEngineType& gas = V.GasEngine;
        Str("GasEngine", "Type", gas.Name);
        Str("GasEngine", "TankType", V.GasTank.Name);
        Int("GasEngine", "TankSize", V.TankSize);
        Bool("GasEngine", "C", gas.C);
        Bool("GasEngine", "MC", gas.MC);
        Bool("GasEngine", "TH", gas.TH);
        Bool("GasEngine", "BP", gas.BP);
        Bool("GasEngine", "TC", gas.TC);
        Bool("GasEngine", "VTC", gas.VTC);
        Bool("GasEngine", "SC", gas.SC);
        Int("GasEngine", "NO", gas.NO);

        Int("Engine", "CA", V.EngineCA);
        Bool("Engine", "CA_FP", V.EngineCA_FP);
    }

    void WriteTireOptions(const char* section, const TTireType& tire)
    {
        Bool(section, "Radial", tire.Radial);
        Bool(section, "OffRoad", tire.OffRoad);
        Bool(section, "Racing", tire.Racing);
        Bool(section, "Steelbelt", tire.Steelbelt);
        Bool(section, "Fireproof", tire.Fireproof);
    }

    void WriteTires()
    {
        Str("TiresFront", "Name", V.TiresFront.Name);
        WriteTireOptions("TiresFront", V.TiresFront);
        Int("TiresFront", "Guards", V.GuardsFront);
        Int("TiresFront", "Hubs", V.HubsFront);
        Str("TiresRear", "Name", V.TiresRear.Name);
        Str("TiresRear", "Axis", WheelLayoutToStr(V.Axis));
        WriteTireOptions("TiresRear", V.TiresRear);
        Int("TiresRear", "Guards", V.GuardsRear);
        Int("TiresRear", "Hubs", V.HubsRear);
    }

    void WriteArmor()
    {
        const TArmor& a = V.Armor;
        Int("Armor", "Front", a.Front);
        Int("Armor", "Left", a.Left);
        Int("Armor", "Right", a.Right);
        Int("Armor", "Back", a.Back);
        Int("Armor", "Top", a.Top);
        Int("Armor", "Bottom", a.Bottom);
        Int("Armor", "EWP", a.EWP);
        Int("Armor", "FrontM", a.FrontM);
        Int("Armor", "LeftM", a.LeftM);
        Int("Armor", "RightM", a.RightM);
        Int("Armor", "BackM", a.BackM);
        Int("Armor", "TopM", a.TopM);
        Int("Armor", "BottomM", a.BottomM);
        Bool("Armor", "Sloped", V.Sloped);
        Bool("Armor", "FP", a.FP);
        Bool("Armor", "LR", a.LR);
    }

    void WriteWeapons()
    {
        Int("Weapon", "Turret", V.Turret);
        Int("Weapon", "EWP", V.EWP);
        Bool("Weapon", "EWPFF", V.EWPFF);
        Bool("Weapon", "EWPR", V.EWPR);
        Int("Weapon", "RocketPlatform", V.RocketPlatform);
        Int("Weapon", "Number", V.WeaponCount());
        for (int i = 0; i < V.WeaponCount(); ++i) {
            const QString section = Format(S("Weapon_%d"), {i});
            const TWeaponType& w = V.Weapons.Items[i];
            Str(section, "Name", w.Abbreviation);
            Str(section, "Location", LocationToStr(w.Location));
            Bool(section, "ExtraAmmo", w.ExtraAmmo);
            Bool(section, "SWC", w.SWC);
            Bool(section, "HRSWC", w.HRSWC);
            Bool(section, "LaserIR", w.LaserIR);
            Bool(section, "LaserPulse", w.LaserPulse);
            Int(section, "CA", w.CA);
            Bool(section, "CA_FP", w.CA_FP);
            Str(section, "Ammo", w.Ammo);
        }
    }

    void WriteAccessories()
    {
        int n = 0;
        for (const TEquipmentType& e : V.Equipment.Items) {
            if (e.Amount == 0)
                continue;
            const QString section = Format(S("Accessories_%d"), {n});
            Int(section, "Nr", e.Nr);
            Int(section, "Amount", e.Amount);
            Str(section, "Info", e.Info);
            // Older readers ignore the name; it finds the accessory again
            // when the table's numbers change.
            Str(section, "Name", e.Name);
            ++n;
        }
        Int("Accessories", "Number", n);
    }

    void WriteCrew()
    {
        for (int k = 0; k < 2; ++k) {
            const QString section = Format(S("Crew_%d"), {k});
            const TCrewType& c = V.Crew[k];
            Bool(section, "Seat", c.Seat);
            Bool(section, "BodyArmor", c.BodyArmor);
            Bool(section, "ImprovedBodyArmor", c.ImprovedBodyArmor);
            Bool(section, "ImpactArmor", c.ImpactArmor);
            Bool(section, "GasMask", c.GasMask);
            Bool(section, "PFE", c.PFE);
            Bool(section, "TC", c.TC);
            Bool(section, "ITC", c.ITC);
            Str(section, "HandGun", c.HandGun);
            Bool(section, "CA_FP", c.CA_FP);
            Int(section, "CA", c.CA);
        }
    }

    TProfileFile& Ini;
    const TVehicle& V;
};

} // namespace

bool TVehicle::Save(const QString& FileName)
{
    try {
        // A design file is written from scratch: nothing of an older file at
        // that place survives, and the older file stays whole until the new
        // one is complete.
        TProfileFile ini = TProfileFile::NewFile(FileName);
        TDesignWriter(ini, *this).Write();

        // The design browser's preview, computed afresh for the saved design.
        // The weight report runs before the figures that read its result.
        const QString preview = S("Preview");
        ini.WriteInteger(preview, S("Year"), GetYear(YearList));
        ini.WriteInteger(preview, S("Cost"), GetCost(CostList));
        ini.WriteInteger(preview, S("Weight"), GetWeight(WeightList));
        ini.WriteInteger(preview, S("HC"), GetHC());
        ini.WriteInteger(preview, S("MaxSpeed"), GetTopSpeed());
        ini.WriteInteger(preview, S("MaxAcc"), GetAcceleration());
        ini.WriteInteger(preview, S("Range"), GetRange());

        QString error;
        if (ini.Save(&error))
            return true;
        ReportError(error, S("Save"), 2);
    } catch (const std::exception& e) {
        ReportError(ExceptionText(e), S("Save"), 2);
    }
    return false;
}

void TVehicle::Load(const QString& FileName, QString& Err)
{
    Err.clear();
    try {
        // Designs were written for a file system that ignores letter case.
        const QString path = ResolvePath(FileName);
        const QFileInfo file(path);
        if (!file.isFile()) {
            Err = Format(S("File '%s' not found"), {FileName});
            return;
        }
        if (file.size() > LargestDesignFile) {
            Err = QStringLiteral("The file holds %1 bytes, more than the %2 a design file may hold")
                      .arg(file.size())
                      .arg(LargestDesignFile);
            return;
        }
        // Read into a new design, so that a file that fails half-way leaves
        // the open design as it was.
        TVehicle loaded;
        {
            const TGUILoadingScope loading;
            const TProfileFile ini(path);
            // A damaged byte would drop its line, and with it a part or a
            // text of the design, without a trace.
            if (ini.FirstLineWithNul() != 0) {
                Err = Format(S("Line %d of the file is damaged: it holds a NUL character"),
                             {int(ini.FirstLineWithNul())});
                return;
            }
            TDesignReader reader(ini, loaded, Err);
            if (!reader.Read())
                return;
            // A design whose figures cannot be computed could be neither
            // shown nor saved: it is refused like one that cannot be read.
            try {
                ComputeFigures(loaded);
            } catch (const EError& e) {
                Err = FiguresError(ini, reader.Numbers(), e);
                return;
            }
        }
        *this = loaded;
    } catch (const std::exception& e) {
        Err = S("Error in function 'Load': ") + ExceptionText(e);
    }
}
