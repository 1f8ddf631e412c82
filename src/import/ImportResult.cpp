#include "import/ImportResult.h"

#include "import/BlockLines.h"
#include "import/ClaimedFigures.h"
#include "import/CrewWeaponRecognisers.h"
#include "import/LabelLines.h"
#include "import/PartRecognisers.h"
#include "import/SecondVehicle.h"
#include "import/TextSearch.h"

#include <QRegularExpression>

#include <initializer_list>

void TImportResult::Clear()
{
    Result.clear();
    History.clear();
    Leftovers.clear();
}

void TImportResult::Add(const QString& Value)
{
    QStringList Lines = ReplaceLineBreaks(Value, QStringLiteral("\n")).split(QLatin1Char('\n'));
    // A block that ends in a line break adds no empty line.
    if (Lines.size() > 1 && Lines.last().isEmpty())
        Lines.removeLast();
    Result += Lines;
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

bool IsWordChar(QChar C)
{
    return C.isLetterOrNumber() || C == QLatin1Char('-');
}

// The first of Keys found in T takes the whole word it stands in ("framed"
// the word CA-framed) out of T, with a comma right after it; Tail, when it
// matches right after the word, goes too and becomes the flag's value.
bool TakeFlag(QString& T, std::initializer_list<const char*> Keys, const QString& Flag, const QString& What,
              TImportResult& Out, const QRegularExpression& Tail = QRegularExpression())
{
    for (const char* Key : Keys) {
        const int P = PosText(QLatin1String(Key), T);
        if (P == 0)
            continue;
        qsizetype First = P - 1;
        qsizetype Last = First + qstrlen(Key);
        while (First > 0 && IsWordChar(T[First - 1]))
            --First;
        while (Last < T.size() && IsWordChar(T[Last]))
            ++Last;
        QString Value;
        if (Tail.isValid() && !Tail.pattern().isEmpty()) {
            const QRegularExpressionMatch M = Tail.match(T, Last, QRegularExpression::NormalMatch,
                                                         QRegularExpression::AnchorAtOffsetMatchOption);
            if (M.hasMatch()) {
                Value = M.captured(1);
                Last = M.capturedEnd();
            }
        }
        if (Last < T.size() && T[Last] == QLatin1Char(','))
            ++Last;
        T = TrimSeparators(T.left(First) + T.mid(Last));
        Out.Add(FlagLine(Flag) + Value);
        Out.Log(What, QStringLiteral("Yes"), T);
        return true;
    }
    return false;
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
    T = PutValuesBeforeLabels(T);
    T = TrimSeparators(T);
    Out.Log(QStringLiteral("Init"), QString(), T);

    if (CutInvalidMark(T))
        Out.Add(QStringLiteral("# Vehicle marked as invalid!"));
    const QString Second = CutSecondVehicle(T);

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
    // A tab between the words of the parts is a blank ("front:<tab>MG").
    T = CollapseSpaces(T.replace(QLatin1Char('\t'), QLatin1Char(' ')));
    // A dash between blanks separates two items as a comma does.
    T = ReplaceText(T, QStringLiteral(" - "), QStringLiteral(", "));
    // In a block that separates its items, what a part's phrase holds
    // besides the part is left to the user as it stands, not read as a part
    // of its own.
    const bool Separated = SeparatesItems(T);
    QStringList Unread;
    T = JoinBlockLines(T);
    // The name, the author and the notes keep their full stops ("Mk. II");
    // no recogniser of the parts sees one.
    T = ReplaceText(T, QStringLiteral("."), QStringLiteral(","));
    // A comma glued to the next word ("Plant,Heavy") separates as one with
    // a blank; the recognisers read words between blanks.
    static const QRegularExpression GluedComma(QStringLiteral(",(?=[A-Za-z(])"));
    T.replace(GluedComma, QStringLiteral(", "));

    const QString Chassis = ParseChassis(T);
    Out.Add(Chassis.isEmpty() ? QStringLiteral("# Vehicle Chassis Type not found!")
                              : KeyLine(QStringLiteral("Chassis"), Chassis));
    Out.Log(QStringLiteral("Chassis"), Chassis, T);

    // "(3 axis)" right after the six wheels puts them on three axles.
    static const QRegularExpression ThreeAxles(QStringLiteral("\\s*(\\(\\s*(?:3|three)[\\s-]*ax(?:is|les?)\\s*\\))"),
                                               QRegularExpression::CaseInsensitiveOption);
    TakeFlag(T, {"6-wheeled", "6-wheel", "SIX-WHEELED", "SIX WHEELS"}, QStringLiteral("Six-wheeled"),
             QStringLiteral("6-Wheels"), Out, ThreeAxles);
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

    const QString Armor = ParseArmor(T, Separated ? &Unread : nullptr);
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

    Unread.prepend(T);
    if (!Second.isEmpty())
        Unread << SecondVehicleNote + LineBreak + Second;
    Out.Leftovers = TrimSeparators(Unread.join(LineBreak));
}
