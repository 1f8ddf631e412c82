#include "import/ImportResult.h"

#include "import/ClaimedFigures.h"
#include "import/CrewWeaponRecognisers.h"
#include "import/PartRecognisers.h"
#include "import/TextSearch.h"

#include <initializer_list>

void TImportResult::Clear()
{
    Result.clear();
    History.clear();
    Leftovers.clear();
}

void TImportResult::Add(const QString& Value)
{
    Result += ReplaceLineBreaks(Value, QStringLiteral("\n")).split(QLatin1Char('\n'));
}

void TImportResult::Log(const QString& What, const QString& Found, const QString& Remains)
{
    const QString Rest = ReplaceLineBreaks(Remains, QStringLiteral(", "));
    if (What == QLatin1String("Init"))
        History += QStringLiteral("> %1, remains: %2").arg(What, Rest);
    else if (Rest.isEmpty())
        History += QStringLiteral("> %1 = \"%2\"").arg(What, Found);
    else
        History += QStringLiteral("> %1 = \"%2\", remains: %3").arg(What, Found, Rest);
}

QString KeyLine(const QString& Key, const QString& Value)
{
    return QStringLiteral("* ") + Key + QStringLiteral(": ") + Value;
}

QString FlagLine(const QString& Key)
{
    return QStringLiteral("* ") + Key + QLatin1Char(' ');
}

namespace {

// The first of Keys that FindAndRemove takes out of T writes the flag.
void TakeFlag(QString& T, std::initializer_list<const char*> Keys, const QString& Flag, const QString& What,
              TImportResult& Out)
{
    for (const char* Key : Keys)
        if (FindAndRemove(T, QLatin1String(Key))) {
            Out.Add(FlagLine(Flag));
            Out.Log(What, QStringLiteral("Yes"), T);
            return;
        }
}

// A recogniser's key line with its history line, or its problem line.
void Report(const QString& Value, const QString& Key, const QString& What, const QString& Problem,
            const QString& T, TImportResult& Out)
{
    if (Value.isEmpty()) {
        Out.Add(Problem);
        return;
    }
    Out.Add(KeyLine(Key, Value));
    Out.Log(What, Value, T);
}

// The length of a component-armor bracket, "(5 pt CA)" or "(5 pt FP CA)",
// starting at I; 0 when none starts there.
qsizetype ArmorBracketAt(const QString& U, qsizetype I)
{
    if (U[I] != QLatin1Char('('))
        return 0;
    qsizetype J = I + 1;
    while (J < U.size() && U[J] >= QLatin1Char('0') && U[J] <= QLatin1Char('9'))
        ++J;
    if (J == I + 1)
        return 0;
    for (const QLatin1String Tail : {QLatin1String(" PT CA)"), QLatin1String(" PT FP CA)")})
        if (QStringView(U).mid(J).startsWith(Tail))
            return J + Tail.size() - I;
    return 0;
}

// The result text has no place for component armor, yet its bracket stands
// right before the gear list of a crew seat and the option list of a power
// plant, which the recognisers would then not read. The brackets leave the
// working text before any recogniser runs and go to the leftovers.
QStringList TakeArmorBrackets(QString& T)
{
    const QString U = AnsiUpper(T);
    QString Kept;
    QStringList Taken;
    for (qsizetype I = 0; I < T.size(); ++I) {
        if (const qsizetype Length = ArmorBracketAt(U, I)) {
            if (Kept.endsWith(QLatin1Char(' ')))
                Kept.chop(1);
            Taken += T.mid(I, Length);
            I += Length - 1;
        } else {
            Kept += T[I];
        }
    }
    if (!Taken.isEmpty())
        T = TrimSeparators(Kept);
    return Taken;
}

} // namespace

void ImportDescription(const QString& Text, TImportResult& Out)
{
    Out.Clear();
    QString T = ReplaceText(Text, QStringLiteral("--"), QStringLiteral("-"));
    T = RemoveThousandsCommas(T);
    T = ReplaceText(T, QStringLiteral("W/"), QString());
    T = ReplaceText(T, QStringLiteral("Hvy."), QStringLiteral("Heavy "));
    T = ReplaceText(T, QStringLiteral("Hvy-"), QStringLiteral("Heavy "));
    T = ReplaceText(T, QStringLiteral("Hvy"), QStringLiteral("Heavy"));
    T = CollapseSpaces(T);
    // No recogniser sees a full stop.
    T = ReplaceText(T, QStringLiteral("."), QStringLiteral(","));
    T = TrimSeparators(T);
    Out.Log(QStringLiteral("Init"), QString(), T);

    if (CutInvalidMark(T))
        Out.Add(QStringLiteral("# Vehicle marked as invalid!"));
    const QStringList ArmorBrackets = TakeArmorBrackets(T);

    bool HasAuthor = false;
    const QString Name = ParseName(T, HasAuthor);
    Out.Add(Name.isEmpty() ? QStringLiteral("# Vehicle name not found") : KeyLine(QStringLiteral("Name"), Name));
    Out.Log(QStringLiteral("Name"), Name, T);

    const QString Author = ParseAuthor(T, HasAuthor);
    Out.Add(Author.isEmpty() ? QStringLiteral("# Author name not found") : KeyLine(QStringLiteral("Author"), Author));
    Out.Log(QStringLiteral("Author"), Author, T);

    QString Description;
    const QString Body = ParseBody(T, Description);
    if (Body.isEmpty()) {
        Out.Add(QStringLiteral("# Vehicle Body Type not found!"));
    } else {
        if (!Description.isEmpty()) {
            Out.Add(KeyLine(QStringLiteral("Description"), Description));
            Out.Log(QStringLiteral("Description"), Description, QString());
        }
        Out.Add(KeyLine(QStringLiteral("Type"), Body));
        Out.Log(QStringLiteral("Body"), Body, T);
    }

    const QString Chassis = ParseChassis(T);
    Out.Add(Chassis.isEmpty() ? QStringLiteral("# Vehicle Chassis Type not found!")
                              : KeyLine(QStringLiteral("Chassis"), Chassis));
    Out.Log(QStringLiteral("Chassis"), Chassis, T);

    TakeFlag(T, {"6-wheeled", "6-wheel", "SIX-WHEELED", "SIX WHEELS"}, QStringLiteral("Six-wheeled"),
             QStringLiteral("6-Wheels"), Out);
    TakeFlag(T, {"Streamlined"}, QStringLiteral("Streamlined"), QStringLiteral("Streamlined"), Out);
    TakeFlag(T, {"Rollcage", "Roll cage"}, QStringLiteral("Rollcage"), QStringLiteral("Rollcage"), Out);
    TakeFlag(T, {"framed", "Frame"}, QStringLiteral("CA-Frame"), QStringLiteral("CA Frame"), Out);

    Report(ParseSuspension(T), QStringLiteral("Suspension"), QStringLiteral("Suspension"),
           QStringLiteral("# Vehicle Suspension Type not found!"), T, Out);
    Report(ParseTires(T), QStringLiteral("Tires"), QStringLiteral("Tires"),
           QStringLiteral("# Vehicle Tire Info not found!"), T, Out);

    const QString Crew = ParseCrew(T);
    if (!Crew.isEmpty()) {
        Out.Add(KeyLine(QStringLiteral("Crew"), Crew));
        Out.Log(QStringLiteral("Crew"), Crew, T);
    }

    const QString Guards = ParseWheelguards(T);
    if (!Guards.isEmpty()) {
        Out.Add(Guards);
        Out.Log(QStringLiteral("Wheelsguards and -hubs"), Guards, T);
    }

    const QString Armor = ParseArmor(T);
    if (Armor == NoArmorMarker)
        Out.Add(QStringLiteral("### The key word 'Armor' was not found - plase add it by hand ###"));
    else
        Report(Armor, QStringLiteral("Armor"), QStringLiteral("Armor"), QStringLiteral("# Vehicle Armor Info not found"),
               T, Out);

    // The engine recogniser stops its backward scan at a hyphen; the T-Cat
    // power plant must reach it as one word.
    T = ReplaceText(T, QStringLiteral("T-CAT"), QStringLiteral("TTCAT"));
    Report(ParseEngine(T), QStringLiteral("Engine"), QStringLiteral("Engine"),
           QStringLiteral("# Vehicle Engine Info not found"), T, Out);

    Report(ParseAcceleration(T), QStringLiteral("Acceleration"), QStringLiteral("Acceleration"),
           QStringLiteral("# Vehicle Acceleration Info not found"), T, Out);
    Report(ParseTopSpeed(T), QStringLiteral("Speed"), QStringLiteral("Max. Speed"),
           QStringLiteral("# Vehicle Top Speed Info not found"), T, Out);
    Report(ParseHC(T), QStringLiteral("HC"), QStringLiteral("HC"), QStringLiteral("# Vehicle HC Info not found"), T,
           Out);
    Report(ParseWeight(T), QStringLiteral("Weight"), QStringLiteral("Weight"),
           QStringLiteral("# Vehicle Weight Info not found"), T, Out);
    Report(ParseCost(T), QStringLiteral("Cost"), QStringLiteral("Cost"), QStringLiteral("# Vehicle Cost Info not found"),
           T, Out);

    const QString Weapons = ParseWeapons(T);
    if (Weapons.isEmpty()) {
        Out.Add(QStringLiteral("# Vehicle Weapon or Equipment Info not found"));
    } else {
        Out.Add(Weapons);
        Out.Log(QStringLiteral("Weapons and Equipment"), Weapons, T);
    }

    Out.Leftovers = TrimSeparators((QStringList(T) + ArmorBrackets).join(LineBreak));
}
