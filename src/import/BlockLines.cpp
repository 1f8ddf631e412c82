#include "import/BlockLines.h"

#include "import/TextSearch.h"
#include "model/Global.h"

#include <QHashFunctions>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <optional>

namespace {

// A word as the pairs compare it: upper-cased, without the separators and
// brackets around it; a word holding a number is any number ("4-point",
// "130"), while digits between letters belong to a name (N2O).
QString PairWord(QString Word)
{
    // Options and brackets glued to a weapon ("LL+SWC", "SD(3 pt CA)") are
    // not part of its name.
    for (const QChar Glue : {QLatin1Char('+'), QLatin1Char('(')})
        if (const qsizetype At = Word.indexOf(Glue); At > 0)
            Word.truncate(At);
    Word = AnsiUpper(TrimSeparators(Word));
    while (Word.endsWith(QLatin1Char(')')) || Word.endsWith(QLatin1Char('(')))
        Word.chop(1);
    while (Word.startsWith(QLatin1Char('(')) || Word.startsWith(QLatin1Char(')')))
        Word.remove(0, 1);
    for (qsizetype I = 0; I < Word.size(); ++I)
        if (Word[I].isDigit() && !(I > 0 && Word[I - 1].isLetter() && I + 1 < Word.size() && Word[I + 1].isLetter()))
            return QStringLiteral("#");
    return Word;
}

// Marks a word in the pair set as one that can begin a part.
const QString FirstWordMark = QStringLiteral("^");

void AddPairs(QSet<QString>& Pairs, const QString& Phrase)
{
    const QStringList Words = Phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!Words.isEmpty())
        Pairs.insert(FirstWordMark + PairWord(Words.first()));
    for (qsizetype I = 1; I < Words.size(); ++I)
        Pairs.insert(PairWord(Words[I - 1]) + QLatin1Char(' ') + PairWord(Words[I]));
}

// Every pair of words that stands together in a part's name or in a phrase
// the recognisers read, and (marked) every word that begins one.
QSet<QString> KnownPairs()
{
    QSet<QString> Pairs;
    static const char* const Phrases[] = {
        "Power Plant", "Gas Engine", "Front Tires", "Rear Tires", "Front & Rear Tires", "Top Speed 1",
        "Accel 1", "HC 1", "1 lbs", "$ 1", "Wheelguards 1-point", "Hubcaps 1-point", "Wheel guards",
        "Wheel hubs", "Hub caps", "Driver and Gunner", "Tank with 1 gallons", "with one gallon",
        "Body Armor", "Improved Body Armor", "Impact Armor", "Gas Mask", "Portable Fire Extinguisher",
        "High-Res Targeting Computer", "Improved Targeting Computer", "Rocket Platform", "Top Rocket EWP",
        "Side Rocket EWP", "Top EWP", "Side EWP", "Pop-up Turret", "1-space Turret", "One-space Turret",
        "Two-space Turret", "Three-space Turret", "Zero-space Turret", "One-space Rocket Platform",
        "Two-space Rocket Platform", "Three-space Rocket Platform", "One-space EWP", "Two-space EWP",
        "Three-space EWP", "Extra Heavy Chassis", "X-Heavy Chassis", "Extra-Heavy Chassis",
        "Offroad Suspension", "1 Bumper Triggers", "Active Suspension", "Sloped Armor", "Fireproof Armor",
        "Reflective Armor", "Composite Armor", "Metal Armor", "Plastic Armor", "1 Cargo",
        "Improved Supercharger Capacitors", "Extra Power Cells", "Platinum Catalyst", "Extra Magazine",
        "Hi-Res Single Weapon Computer", "Single Weapon Computer", "Steel Belted", "Heavy Duty",
        "Puncture Resistant", "Fire Proof", "Six Wheels", "Roll cage", "designed by", "update by",
        "in turret", "on rocket platform", "on rocket EWP", "on EWP", "1 pt", "1 pt CA", "1 pt FP CA",
        "1 x", "Tubular Headers", "Multibarrel Carburetor", "Variable-pitch Turbocharger"};
    for (const char* Phrase : Phrases)
        AddPairs(Pairs, QLatin1String(Phrase));
    const auto AddNames = [&Pairs](const auto& Table, const char* Keyword) {
        for (const auto& Row : Table.Items) {
            AddPairs(Pairs, Row.Name);
            if (Keyword)
                AddPairs(Pairs, Row.Name + QLatin1Char(' ') + QLatin1String(Keyword));
        }
    };
    // The words that chain into one part in any order, up to the word that
    // ends it: tire, armor and add-on words.
    const auto AddGroup = [&Pairs](const QStringList& Words, const QStringList& Ends) {
        for (const QString& A : Words)
            for (const QString& B : Words + Ends) {
                Pairs.insert(FirstWordMark + PairWord(A));
                Pairs.insert(PairWord(A) + QLatin1Char(' ') + PairWord(B));
            }
    };
    // The places of a tire set end its options: a word after "Front" or
    // "Rear" ("(front), Fireproof Armor" joined) is no tire option.
    // The tire recogniser's short forms are tire words too ("PR radial").
    QStringList TireWords = {QStringLiteral("Radial"), QStringLiteral("Steelbelted"),
                             QStringLiteral("Steel-belted"), QStringLiteral("Fireproof"),
                             QStringLiteral("Off-road"), QStringLiteral("Racing"), QStringLiteral("HD"),
                             QStringLiteral("FP"), QStringLiteral("PR"), QStringLiteral("PC"),
                             QStringLiteral("SB")};
    for (const auto& Row : TireTypes.Items)
        TireWords += Row.Name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    AddGroup(TireWords, {QStringLiteral("Tires"), QStringLiteral("Tire"), QStringLiteral("Front"),
                         QStringLiteral("Rear")});
    AddGroup({QStringLiteral("Sloped"), QStringLiteral("Fireproof"), QStringLiteral("Reflective"),
              QStringLiteral("Composite"), QStringLiteral("Metal"), QStringLiteral("Plastic")},
             {QStringLiteral("Armor")});
    AddGroup({QStringLiteral("Zero-space"), QStringLiteral("One-space"), QStringLiteral("Two-space"),
              QStringLiteral("Three-space"), QStringLiteral("Pop-up"), QStringLiteral("Top"),
              QStringLiteral("Side"), QStringLiteral("Rocket")},
             {QStringLiteral("EWP"), QStringLiteral("Turret"), QStringLiteral("Platform")});
    // A count before a weapon or an accessory.
    // Counted names are read in the plural too ("2 Bumper Triggers").
    for (const auto& Row : WeaponTypes.Items) {
        AddPairs(Pairs, QStringLiteral("1 ") + Row.Name);
        AddPairs(Pairs, QStringLiteral("1 ") + Row.Name + QLatin1Char('s'));
        AddPairs(Pairs, QStringLiteral("1 ") + Row.Abbreviation);
        AddPairs(Pairs, QStringLiteral("1 IR Pulse ") + Row.Abbreviation);
        AddPairs(Pairs, QStringLiteral("1 Pulse ") + Row.Abbreviation);
        AddPairs(Pairs, QStringLiteral("IR ") + Row.Abbreviation);
        AddPairs(Pairs, QStringLiteral("1 IR P ") + Row.Abbreviation);
        AddPairs(Pairs, QStringLiteral("1 P ") + Row.Abbreviation);
        AddPairs(Pairs, QStringLiteral("Infrared ") + Row.Abbreviation);
        AddPairs(Pairs, QStringLiteral("Infra-red ") + Row.Abbreviation);
        AddPairs(Pairs, Row.Abbreviation);
    }
    for (const auto& Row : EquipmentTypes.Items) {
        AddPairs(Pairs, QStringLiteral("1 ") + Row.Name);
        AddPairs(Pairs, QStringLiteral("1 ") + Row.Name + QLatin1Char('s'));
    }
    // A load written out, "HEAT ammo".
    for (const auto& Row : AmmoTypes.Items)
        if (Row.Abbreviation != QLatin1String("-"))
            AddPairs(Pairs, Row.Abbreviation + QStringLiteral(" ammo"));
    AddNames(BodyTypes, nullptr);
    AddNames(ChassisTypes, "Chassis");
    AddNames(SuspensionTypes, "Suspension");
    AddNames(CEngineTypes, "Power Plant");
    AddNames(GEngineTypes, "Gas Engine");
    AddNames(GasTankTypes, "Tank");
    AddNames(TireTypes, "Tires");
    AddNames(WeaponTypes, nullptr);
    AddNames(HandGunTypes, nullptr);
    AddNames(EquipmentTypes, nullptr);
    return Pairs;
}

// What the pairs are built from: the names of the rules tables (and the
// abbreviations of weapons and loads), so that the pairs are built again only
// when other rules were read.
size_t RulesFingerprint()
{
    size_t Seed = 0;
    const auto Mix = [&Seed](const auto& Table) {
        Seed = qHashMulti(Seed, Table.Items.size());
        for (const auto& Row : Table.Items)
            Seed = qHashMulti(Seed, Row.Name);
    };
    Mix(BodyTypes);
    Mix(ChassisTypes);
    Mix(SuspensionTypes);
    Mix(CEngineTypes);
    Mix(GEngineTypes);
    Mix(GasTankTypes);
    Mix(TireTypes);
    Mix(WeaponTypes);
    Mix(HandGunTypes);
    Mix(EquipmentTypes);
    for (const auto& Row : WeaponTypes.Items)
        Seed = qHashMulti(Seed, Row.Abbreviation);
    for (const auto& Row : AmmoTypes.Items)
        Seed = qHashMulti(Seed, Row.Abbreviation);
    return Seed;
}

// The known pairs of the rules in force, built once for them rather than for
// every block.
const QSet<QString>& RulesPairs()
{
    static QSet<QString> Pairs;
    static std::optional<size_t> BuiltFor;
    const size_t Fingerprint = RulesFingerprint();
    if (BuiltFor != Fingerprint) {
        Pairs = KnownPairs();
        BuiltFor = Fingerprint;
    }
    return Pairs;
}

QString LastWord(const QString& Line)
{
    const qsizetype Blank = Line.lastIndexOf(QLatin1Char(' '));
    return Line.mid(Blank + 1);
}

QString FirstWord(const QString& Line)
{
    const qsizetype Blank = Line.indexOf(QLatin1Char(' '));
    return Blank < 0 ? Line : Line.left(Blank);
}

// A word that joins what stands on both sides of it into one part; the
// words that also open an item ("in turret:", "on EWP:") join only what
// stands before them.
bool IsJoiningWord(const QString& Word, bool AtEnd)
{
    static const QStringList Words = {QStringLiteral("WITH"), QStringLiteral("AND"), QStringLiteral("&"),
                                      QStringLiteral("OF")};
    static const QStringList Openers = {QStringLiteral("BY"), QStringLiteral("IN"), QStringLiteral("ON")};
    const QString U = AnsiUpper(Word);
    return Words.contains(U) || (AtEnd && Openers.contains(U));
}

// Whether a word that follows a blank can begin a part of its own: a place
// heading ("back:") does, a bare place word ("2 MG front") ends the part
// before it.
bool BeginsAPart(const QSet<QString>& Pairs, const QString& Word)
{
    static const QStringList Places = {QStringLiteral("FRONT"), QStringLiteral("REAR"), QStringLiteral("LEFT"),
                                       QStringLiteral("RIGHT"), QStringLiteral("BACK"), QStringLiteral("UNDER")};
    if (Word.endsWith(QLatin1Char(':')))
        return true;
    const QString Key = PairWord(Word);
    return !Places.contains(Key) && Pairs.contains(FirstWordMark + Key);
}

// Whether a line break between these two words falls inside a group of
// armor sides that share one value ("L /" "R 20", "sides" "20", "left and"
// "right 20"): a side letter (in capitals), a side's name or a group of
// them, a joiner between sides, and the value after them.
bool InsideArmorSides(const QString& Joined, const QString& Next)
{
    // Only inside the armor's list of sides: nothing but sides, joiners and
    // values since the word "Armor".
    static const QRegularExpression SidesSoFar(
        QStringLiteral("ARMOR:?((?:[\\s,;:/&+]|\\d|(?<![A-Z])(?:[FLRBTU]|FRONT|LEFT|RIGHT|BACK|TOP|UNDER|BOTTOM|SIDES|AND)(?![A-Z]))*)$"),
        QRegularExpression::CaseInsensitiveOption);
    if (!SidesSoFar.match(QStringView(Joined).right(200)).hasMatch())
        return false;
    const QStringList Tail = Joined.right(40).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString Last = Tail.isEmpty() ? QString() : Tail.last();
    const QString Before = Tail.size() > 1 ? Tail[Tail.size() - 2] : QString();
    static const QStringList Names = {QStringLiteral("FRONT"), QStringLiteral("LEFT"), QStringLiteral("RIGHT"),
                                      QStringLiteral("BACK"), QStringLiteral("TOP"), QStringLiteral("UNDER"),
                                      QStringLiteral("BOTTOM"), QStringLiteral("SIDES")};
    static const QString Letters = QStringLiteral("FLRBTU");
    static const QString Joiners = QStringLiteral("/&+");
    const auto IsJoiner = [](const QString& Word) {
        return (Word.size() == 1 && Joiners.contains(Word[0])) || AnsiUpper(Word) == QLatin1String("AND");
    };
    // Letters only in capitals, names in any case; a group "L/R" of its own.
    const auto IsSides = [](const QString& Word, bool LettersToo) {
        QString Piece;
        int Pieces = 0;
        for (qsizetype I = 0; I <= Word.size(); ++I) {
            if (I < Word.size() && !Joiners.contains(Word[I])) {
                Piece += Word[I];
                continue;
            }
            const bool Letter = Piece.size() == 1 && Letters.contains(Piece[0]);
            if (!(Letter && LettersToo) && !Names.contains(AnsiUpper(Piece)))
                return false;
            Piece.clear();
            ++Pieces;
        }
        return Pieces > 0;
    };
    const bool Group = Last.contains(QRegularExpression(QStringLiteral("[/&+]"))) || IsJoiner(Before);
    const bool NextIsValue = !Next.isEmpty() && Next[0].isDigit();
    if (IsJoiner(Last))
        return IsSides(Next, true);
    if (!IsSides(Last, true))
        return false;
    if (IsJoiner(Next))
        return true;
    // A single side's name before a number may be a place and a count
    // ("front" "2 MG"); a letter, a group and "sides" are sides.
    const bool Single = !Group && Last.size() > 1 && AnsiUpper(Last) != QLatin1String("SIDES");
    return NextIsValue && !Single;
}

} // namespace

bool SeparatesItems(const QString& Block)
{
    int Depth = 0;
    for (const QChar C : Block) {
        if (C == QLatin1Char('('))
            ++Depth;
        else if (C == QLatin1Char(')') && Depth > 0)
            --Depth;
        else if (Depth == 0 && (C == QLatin1Char(',') || C == QLatin1Char(';')))
            return true;
    }
    return false;
}


// Whether a line break falls inside the armor's kind phrase: the line before
// is a wrapped line of items (it separates items and does not end in a
// separator) and the next line's first item is the armor ("Laser" /
// "Reflective Armor F10"). A line of one item ends its item.
bool WrapsIntoArmor(const QString& Previous, const QString& Line)
{
    if (!SeparatesItems(Previous))
        return false;
    static const QRegularExpression Armor(QStringLiteral("^[^,;()]*(?<!BODY |IMPACT |COMPONENT )\\bARMOR\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    return Armor.match(Line).hasMatch();
}

QString JoinBlockLines(const QString& Block)
{
    const QStringList Lines = ReplaceLineBreaks(Block, QStringLiteral("\n")).split(QLatin1Char('\n'));
    // A block written without separators between its items: a blank may end
    // an item too, where the next word can begin a part.
    const bool ByWords = !SeparatesItems(Block);
    struct TPiece {
        QString Text;
        bool AfterBlank;
    };
    QVector<TPiece> Pieces;
    for (const QString& Line : Lines) {
        if (!ByWords) {
            Pieces.append({Line.trimmed(), false});
            continue;
        }
        bool AfterBlank = false;
        for (const QString& Word : Line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            Pieces.append({Word.trimmed(), AfterBlank});
            AfterBlank = true;
        }
    }
    const QSet<QString>* Pairs = nullptr;
    QString Joined;
    int OpenBrackets = 0;
    QString Previous;
    for (const TPiece& Piece : Pieces) {
        const QString& Line = Piece.Text;
        if (Line.isEmpty())
            continue;
        if (!Joined.isEmpty()) {
            const QChar Last = Joined.back();
            const QChar First = Line.front();
            // A full stop ends an item as a comma does (the recognisers see
            // it as one).
            const bool Separated = QStringLiteral(",;:.").contains(Last) || QStringLiteral(",;:()").contains(First);
            if (Last == QLatin1Char('-') && Joined.size() > 1 && Joined[Joined.size() - 2].isLetter()) {
                // A word divided at its hyphen: "Puncture-" "Resistant".
            } else if (Separated || OpenBrackets > 0 || IsJoiningWord(LastWord(Joined), true)
                       || IsJoiningWord(FirstWord(Line), false)
                       || InsideArmorSides(Joined, FirstWord(Line))) {
                Joined += QLatin1Char(' ');
            } else if (Last == QLatin1Char(')')) {
                // A closed bracket ends its part: "(Plastic)" of a pod is no
                // armor word of the line after it.
                Joined += QStringLiteral(", ");
            } else if (!ByWords && WrapsIntoArmor(Previous, Line)) {
                Joined += QLatin1Char(' ');
            } else {
                if (!Pairs)
                    Pairs = &RulesPairs();
                const QString Next = PairWord(FirstWord(Line));
                const bool OnePart = Pairs->contains(PairWord(LastWord(Joined)) + QLatin1Char(' ') + Next)
                                     || (Piece.AfterBlank && !BeginsAPart(*Pairs, FirstWord(Line)));
                Joined += OnePart ? QStringLiteral(" ") : QStringLiteral(", ");
            }
        }
        for (const QChar C : Line) {
            if (C == QLatin1Char('('))
                ++OpenBrackets;
            else if (C == QLatin1Char(')') && OpenBrackets > 0)
                --OpenBrackets;
        }
        Joined += Line;
        Previous = Line;
    }
    return Joined;
}
