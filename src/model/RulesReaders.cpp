#include "model/RulesReaders.h"

#include "model/EnumTexts.h"
#include "model/ErrorReport.h"
#include "model/Global.h"
#include "model/Utils.h"
#include "platform/Errors.h"
#include "platform/FileLookup.h"
#include "platform/Numbers.h"
#include "platform/ProfileFile.h"

#include <algorithm>
#include <iterator>

namespace {

QString DataFileName(const QString& baseName)
{
    return ResolvePath(QStringLiteral("Data/%1.txt").arg(baseName));
}

// A conversion error's text behind the place of the value, when it is known.
// The value the text quotes is cut to a readable length, so that a value of
// megabytes makes a short message.
QString AtPlace(const QString& place, const QString& message)
{
    QString text = message;
    const qsizetype open = text.indexOf(QLatin1Char('\''));
    const qsizetype close = text.lastIndexOf(QLatin1Char('\''));
    if (open >= 0 && close > open)
        text = text.left(open + 1) + BriefValue(text.mid(open + 1, close - open - 1)) + text.mid(close);
    return place.isEmpty() ? text : place + QStringLiteral(": ") + text;
}

// The largest figure a rules value may hold, either way: some eight times
// the largest of the shipped tables (12,000). A design's figures add up the
// values of thousands of parts and multiply them by counts and rates, which
// stays within the integers for values of this size; a larger value is
// refused like any other bad value, instead of overflowing the first
// figures the window computes.
constexpr int LargestRulesFigure = 100000;

// The value, when it is within the largest figure.
template <typename TNumber>
TNumber WithinLargestFigure(TNumber value, const QString& text)
{
    if (value > LargestRulesFigure || value < -LargestRulesFigure)
        throw EConvertError(QStringLiteral("'%1' is beyond %2, the largest figure a rules value may hold")
                                .arg(text.trimmed())
                                .arg(LargestRulesFigure));
    return value;
}

// The values of one item section, by the kinds the data files use.
class TItemReader
{
public:
    TItemReader(const TProfileFile& file, const QString& section, int position)
        : FFile(file), FSection(section), FPosition(position)
    {
    }

    // Where the key's value stands, so that the user can find a bad one: the
    // file, the item by its name (by its count in the file when it has none)
    // and the key.
    QString Place(const char* key) const
    {
        const QString item = FSection.isEmpty() ? QStringLiteral("item %1").arg(FPosition + 1)
                                                : QStringLiteral("item \"%1\"").arg(FSection);
        return QStringLiteral("%1, %2, key \"%3\"").arg(FFile.FileName(), item, QLatin1String(key));
    }

    QString Text(const char* key, const QString& def = QString()) const
    {
        Note(key);
        return FFile.ReadString(FSection, QLatin1String(key), def);
    }
    // The key's text through parse; a value that is not the number it should
    // be ends the reading of the file with a report of its place.
    template <typename TParse>
    auto Parsed(const char* key, const QString& def, TParse parse) const
    {
        try {
            return parse(Text(key, def));
        } catch (const EConvertError& e) {
            throw EConvertError(AtPlace(Place(key), e.Message()));
        }
    }
    double Decimal(const char* key) const
    {
        return Parsed(key, QStringLiteral("-1"),
                      [](const QString& text) { return WithinLargestFigure(StrToFloatDot(text), text); });
    }

    int Integer(const char* key, int def = -1) const
    {
        return Parsed(key, QString::number(def), [&](const QString& text) {
            return WithinLargestFigure(FFile.ReadInteger(FSection, QLatin1String(key), def), text);
        });
    }
    // Any value other than 0 is true, however large.
    bool Flag(const char* key) const
    {
        Note(key);
        return FFile.ReadInteger(FSection, QLatin1String(key), 0) != 0;
    }
    // Whether the section holds any key of the table: one that holds none
    // is no item but the remains of a damaged file.
    bool Usable() const { return FUsable; }

private:
    void Note(const char* key) const
    {
        if (!FUsable)
            FUsable = FFile.ValueExists(FSection, QLatin1String(key));
    }

    const TProfileFile& FFile;
    const QString& FSection;
    int FPosition;
    mutable bool FUsable = false;
};

// The keys of the overview section that make a table's header.
constexpr const char* OverviewKeys[] = {"Name", "Comment", "Author"};

// One reader for every table: the header from the overview, then one item per
// section after the first, which is skipped by its position whatever its name.
template <typename TItem, typename ReadItem>
TRulesTable<TItem> ReadTable(const QString& baseName, const char* context, ReadItem readItem)
{
    TRulesTable<TItem> table;
    try {
        const TProfileFile file(DataFileName(baseName));
        const QString overview = QStringLiteral("Overview");
        table.Name = file.ReadString(overview, QStringLiteral("Name"), QStringLiteral("<Overview.Name not found>"));
        table.Comment = file.ReadString(overview, QStringLiteral("Comment"), QString());
        table.Author = file.ReadString(overview, QStringLiteral("Author"), QString());

        const QStringList sections = file.ReadSections();
        if (sections.isEmpty())
            throw EError(QStringLiteral("No sections found in %1").arg(file.FileName()));
        table.Items.reserve(sections.size() - 1);
        bool anyUsable = false;
        for (int i = 0; i + 1 < sections.size(); ++i) {
            TItem item;
            item.Name = sections[i + 1];
            const TItemReader reader(file, sections[i + 1], i);
            readItem(reader, i, item);
            anyUsable = anyUsable || reader.Usable();
            table.Items.append(item);
        }
        // Sections that hold none of the table's keys are what random bytes
        // or a file of another kind read as; they make no table. A file of
        // its first section alone is such remains too when that section
        // holds nothing of the overview either.
        const bool overviewRead = std::any_of(
            std::begin(OverviewKeys), std::end(OverviewKeys),
            [&](const char* key) { return file.ValueExists(overview, QLatin1String(key)); });
        if (!anyUsable && (!table.Items.isEmpty() || !overviewRead)) {
            table.Items.clear();
            throw EError(QStringLiteral("No usable items found in %1").arg(file.FileName()));
        }
    } catch (const EError& e) {
        ReportError(e.Message(), QLatin1String(context), 2);
    } catch (const std::exception& e) {
        ReportError(QString::fromLocal8Bit(e.what()), QLatin1String(context), 2);
    }
    return table;
}

// A single digit of a fraction such as "1/2".
int DigitAt(const QString& text, int index)
{
    const QChar c = index < text.size() ? text.at(index) : QChar();
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(QString(c)));
    return c.unicode() - '0';
}

} // namespace

TEffectKind StringToEffect(const QString& value, double& radius, const QString& place)
{
    TEffectKind kind = ekNone;
    radius = -1.0;
    QString text = value.trimmed().toUpper();
    if (text.isEmpty())
        return kind;
    switch (text.at(0).unicode()) {
    case 'A': kind = ekArea; break;
    case 'P': kind = ekPaint; break;
    case 'S': kind = ekSmoke; break;
    case 'D': kind = ekDropped; break;
    case 'B': kind = ekBurst; break;
    default: kind = ekNone; break;
    }
    if (kind != ekArea && kind != ekBurst)
        return kind;
    const int blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return kind;
    text = text.mid(blank + 1);
    try {
        if (!text.contains(QLatin1Char('/'))) {
            radius = StrToInt(text);
        } else {
            const int numerator = DigitAt(text, 0);
            const int denominator = DigitAt(text, 2);
            if (denominator == 0)
                throw EConvertError(QStringLiteral("'%1' is not a valid fraction").arg(text));
            radius = double(numerator) / double(denominator);
        }
    } catch (const EError& e) {
        ReportError(AtPlace(place, e.Message()), QStringLiteral("ReadWeaponTypes/StringToEffect"), 2);
    }
    return kind;
}

TDamageKind StringToDamage(const QString& value, int& dice, int& modifier, const QString& place)
{
    TDamageKind kind = dkNone;
    dice = -1;
    modifier = -1;
    QString text = value.trimmed().toUpper();
    if (text.isEmpty())
        return kind;
    try {
        const int d = text.indexOf(QLatin1Char('D'));
        if (d < 0) {
            kind = dkFixed;
            dice = 0;
            modifier = StrToInt(text);
            return kind;
        }
        kind = dkDice;
        dice = StrToInt(text.left(d));
        modifier = 0;
        text = text.mid(d + 1);
        if (text.isEmpty() || text == QLatin1String("6"))
            return kind;
        if (text.startsWith(QLatin1Char('6')))
            text.remove(0, 1);
        modifier = StrToInt(text);
    } catch (const EError& e) {
        ReportError(AtPlace(place, e.Message()), QStringLiteral("ReadWeaponTypes/StringToDamage"), 2);
    }
    return kind;
}

void ParseNrOfObjects(const QString& value, int& nrOfObjects, bool& upTo)
{
    const QString text = value.toUpper();
    if (text.isEmpty()) {
        nrOfObjects = 0;
        upTo = false;
    } else if (text.contains(QLatin1String("UP"))) {
        nrOfObjects = StrToInt(text.mid(2));
        upTo = true;
    } else {
        nrOfObjects = StrToInt(text);
        upTo = false;
    }
}

TBodyTypes ReadBodyTypes(const QString& baseName)
{
    return ReadTable<TBodyType>(baseName, "ReadBodyTypes", [](const TItemReader& r, int position, TBodyType& b) {
        b.Nr = position;
        b.Comment = r.Text("Comment");
        b.Year = r.Integer("Year");
        b.Price = r.Integer("Price");
        b.Weight = r.Integer("Weight");
        b.MaxLoad = r.Integer("MaxLoad");
        b.Space = r.Integer("Space");
        b.CargoSpace = r.Integer("CargoSpace");
        b.SixWheels = r.Flag("SixWheels");
        b.SixWheelsForce = r.Flag("SixWheelsForce");
        b.HcCost = r.Integer("HcCost");
        b.ArmorCost = r.Decimal("ArmorCost");
        b.ArmorWeight = r.Decimal("ArmorWeight");
        b.Oversize = r.Flag("Oversize");
        b.Racer = r.Flag("Racer");
    });
}

TChassisTypes ReadChassisTypes(const QString& baseName)
{
    return ReadTable<TChassisType>(baseName, "ReadChassisTypes", [](const TItemReader& r, int position, TChassisType& c) {
        c.Nr = r.Integer("Nr", position);
        c.Comment = r.Text("Comment");
        c.Year = r.Integer("Year");
        c.Price = r.Integer("Price");
        c.WeightMod = r.Integer("WeightMod");
        c.SixWheels = r.Flag("SixWheels");
    });
}

TSuspensionTypes ReadSuspensionTypes(const QString& baseName)
{
    return ReadTable<TSuspensionType>(baseName, "ReadSuspensionTypes",
                                      [](const TItemReader& r, int position, TSuspensionType& s) {
                                          s.Nr = r.Integer("Nr", position);
                                          s.Comment = r.Text("Comment");
                                          s.Year = r.Integer("Year");
                                          s.Price = r.Integer("Price");
                                          s.HC = r.Integer("HC");
                                      });
}

TCEngineTypes ReadCEngineTypes(const QString& baseName)
{
    return ReadTable<TCEngineType>(baseName, "ReadCEngineTypes", [](const TItemReader& r, int position, TCEngineType& e) {
        e.Nr = position;
        e.Comment = r.Text("Comment");
        e.Year = r.Integer("Year");
        e.Price = r.Integer("Price");
        e.Weight = r.Integer("Weight");
        e.Space = r.Integer("Space");
        e.DP = r.Integer("DP");
        e.Power = r.Integer("Power");
        e.Oversize = r.Flag("Oversize");
    });
}

TGEngineTypes ReadGEngineTypes(const QString& baseName)
{
    return ReadTable<TGEngineType>(baseName, "ReadGEngineTypes", [](const TItemReader& r, int position, TGEngineType& e) {
        e.Nr = position;
        e.Comment = r.Text("Comment");
        e.Year = r.Integer("Year");
        e.Price = r.Integer("Price");
        e.Weight = r.Integer("Weight");
        e.Space = r.Integer("Space");
        e.DP = r.Integer("DP");
        e.Power = r.Integer("Power");
        e.MPG = r.Integer("MPG");
        e.Oversize = r.Flag("Oversize");
    });
}

TGasTankTypes ReadGasTankTypes(const QString& baseName)
{
    return ReadTable<TGasTankType>(baseName, "ReadGasTankTypes", [](const TItemReader& r, int position, TGasTankType& t) {
        t.Nr = position;
        t.Comment = r.Text("Comment");
        t.Year = r.Integer("Year");
        t.DP = r.Integer("DP");
        t.WPG = r.Integer("WPG");
        t.CPG = r.Integer("CPG");
    });
}

TTireTypes ReadTireTypes(const QString& baseName)
{
    return ReadTable<TTireType>(baseName, "ReadTireTypes", [](const TItemReader& r, int position, TTireType& t) {
        t.Nr = position;
        t.Comment = r.Text("Comment");
        t.Year = r.Integer("Year");
        t.Price = r.Integer("Price");
        t.Weight = r.Integer("Weight");
        t.DP = r.Integer("DP");
        t.HC = r.Flag("HC");
        t.Radial = false;
        t.OffRoad = false;
        t.Racing = false;
        t.Steelbelt = false;
        t.Fireproof = false;
    });
}

TWeaponTypes ReadWeaponTypes(const QString& baseName)
{
    return ReadTable<TWeaponType>(baseName, "ReadWeaponTypes", [](const TItemReader& r, int position, TWeaponType& w) {
        w.Nr = position;
        w.Abbreviation = r.Text("Abbreviation");
        w.Class = StrToWeaponClass(r.Text("Class"));
        w.Comment = r.Text("Comment");
        w.Year = r.Integer("Year");
        w.EffectKind = StringToEffect(r.Text("Effect"), w.EffectValue, r.Place("Effect"));
        w.ToHit = r.Integer("ToHit");
        w.DamageKind = StringToDamage(r.Text("Damage"), w.DamageDice, w.DamageMod, r.Place("Damage"));
        w.DP = r.Integer("DP");
        w.Space = r.Decimal("Space");
        w.Cost = r.Integer("Cost");
        w.Weight = r.Integer("Weight");
        w.CPS = r.Decimal("CPS");
        w.WPS = r.Decimal("WPS");
        w.Shots = r.Integer("Shots");
        w.MountPoints = QLatin1Char(';')
            + r.Text("MountPoints", QStringLiteral("front;left;right;back;turret;EWP;rocket platform;")).toUpper()
            + QLatin1Char(';');
        r.Parsed("NrOfObjects", QString(),
                 [&w](const QString& value) { ParseNrOfObjects(value, w.NrOfObjects, w.NrOfObjectsUpTo); });
    });
}

TAmmoTypes ReadAmmoTypes(const QString& baseName)
{
    // The report's place has always read "ReadSmmoTypes"; players' reports quote it.
    return ReadTable<TAmmoType>(baseName, "ReadSmmoTypes", [](const TItemReader& r, int position, TAmmoType& a) {
        a.Nr = position;
        a.Abbreviation = r.Text("Abbreviation");
        a.Comment = r.Text("Comment");
        a.Year = r.Integer("Year");
        a.Weapons = QLatin1Char(';') + r.Text("Weapons") + QLatin1Char(';');
        a.Cost = r.Decimal("Cost");
        a.Weight = r.Decimal("Weight");
        a.Damage = r.Text("Damage");
    });
}

THandGunTypes ReadHandGunTypes(const QString& baseName)
{
    return ReadTable<THandGunType>(baseName, "ReadHandGunTypes", [](const TItemReader& r, int position, THandGunType& h) {
        h.Nr = position;
        h.Abbreviation = r.Text("Abbreviation");
        h.Year = r.Integer("Year");
        h.EffectKind = StringToEffect(r.Text("Effect"), h.EffectValue, r.Place("Effect"));
        h.ToHit = r.Integer("ToHit");
        h.DamageKind = StringToDamage(r.Text("Damage"), h.DamageDice, h.DamageMod, r.Place("Damage"));
        h.GE = r.Integer("GE");
        h.Cost = r.Integer("Cost");
        h.CPS = r.Decimal("CPS");
        h.Shots = r.Integer("Shots");
        h.FullDamage = r.Flag("FullDamage");
    });
}

TEquipmentTypes ReadEquipmentTypes(const QString& baseName)
{
    return ReadTable<TEquipmentType>(baseName, "ReadEquipmentTypes", [](const TItemReader& r, int, TEquipmentType& e) {
        e.Nr = r.Integer("Nr", -1);
        e.Class = r.Text("Class");
        e.Comment = r.Text("Comment");
        e.Year = r.Integer("Year");
        e.Space = r.Decimal("Space");
        e.Cost = r.Integer("Cost");
        e.Weight = r.Integer("Weight");
        e.MaxAmt = r.Integer("MaxAmt");
        e.Visible = r.Flag("Visible");
        e.AddInfoOk = r.Flag("AddInfoOk");
    });
}

void ReadAllTypes()
{
    InitFormatSettings(1033);
    BodyTypes = ReadBodyTypes(QStringLiteral("BodyTypes"));
    ChassisTypes = ReadChassisTypes(QStringLiteral("ChassisTypes"));
    SuspensionTypes = ReadSuspensionTypes(QStringLiteral("SuspensionTypes"));
    CEngineTypes = ReadCEngineTypes(QStringLiteral("PowerCellEngineTypes"));
    GEngineTypes = ReadGEngineTypes(QStringLiteral("GasEngineTypes"));
    GasTankTypes = ReadGasTankTypes(QStringLiteral("GasTankTypes"));
    TireTypes = ReadTireTypes(QStringLiteral("TireTypes"));
    WeaponTypes = ReadWeaponTypes(QStringLiteral("WeaponTypes"));
    AmmoTypes = ReadAmmoTypes(QStringLiteral("AmmoTypes"));
    HandGunTypes = ReadHandGunTypes(QStringLiteral("HandGunTypes"));
    EquipmentTypes = ReadEquipmentTypes(QStringLiteral("AccessoryTypes"));
}

QStringList EmptyDesignTables()
{
    QStringList empty;
    const auto check = [&empty](bool isEmpty, const char* baseName) {
        if (isEmpty)
            empty.append(QStringLiteral("Data/%1.txt").arg(QLatin1String(baseName)));
    };
    check(BodyTypes.Items.isEmpty(), "BodyTypes");
    check(ChassisTypes.Items.isEmpty(), "ChassisTypes");
    check(SuspensionTypes.Items.isEmpty(), "SuspensionTypes");
    check(CEngineTypes.Items.isEmpty(), "PowerCellEngineTypes");
    check(GEngineTypes.Items.isEmpty(), "GasEngineTypes");
    check(GasTankTypes.Items.isEmpty(), "GasTankTypes");
    check(TireTypes.Items.isEmpty(), "TireTypes");
    return empty;
}
