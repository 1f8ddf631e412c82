#include "import/CrewWeaponRecognisers.h"

#include "import/TextSearch.h"
#include "model/Global.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <limits>

namespace {

constexpr int ToEnd = std::numeric_limits<int>::max();

bool Holds(const QString& U, const char* Text)
{
    return U.contains(QLatin1String(Text));
}

void ClearSearchTables()
{
    SearchTable.clear();
    SortedSearchTable.clear();
}

// A name goes into one gear list once, whichever row (full name, synonym or
// abbreviation) found it; the mark is kept in the table that every re-sort
// copies from.
void AddGear(QStringList& Gear, const QString& Name)
{
    if (SearchEntryFound(Name))
        return;
    Gear.append(Name);
    for (TSearchFor& Row : SearchTable)
        if (Row.Name == Name)
            Row.Used = true;
    for (TSearchFor& Row : SortedSearchTable)
        if (Row.Name == Name)
            Row.Used = true;
}

bool KeyPass(QString& Text, QStringList& Gear)
{
    SortSearchTable(false);
    bool Found = false;
    for (const TSearchFor& Row : SortedSearchTable)
        if (FindAndRemove(Text, Row.Key)) {
            AddGear(Gear, Row.Name);
            Found = true;
        }
    return Found;
}

bool AbbrevPass(QString& Text, QStringList& Gear)
{
    ResetSearchFlags(false);
    SortSearchTable(true);
    bool Found = false;
    for (const TSearchFor& Row : SortedSearchTable)
        if (!Row.Abbrev.isEmpty() && FindWordAndRemove(Text, Row.Abbrev)) {
            AddGear(Gear, Row.Name);
            Found = true;
        }
    return Found;
}

// The words of a consumed crew text that named nothing, for the leftovers.
void KeepUnread(const QString& Text, QStringList& Unread)
{
    QString Rest = Text;
    Rest.remove(QLatin1Char('('));
    Rest.remove(QLatin1Char(')'));
    for (const QString& Piece : Rest.split(QLatin1Char(',')))
        if (const QString Word = TrimSeparators(Piece); !Word.isEmpty())
            Unread << Word;
}

// One gear list from the seat keyword at P in U; CutEnd is left after the
// last item consumed, and what the consumed items held besides gear names
// goes to Unread. GunnerAt, when not 0, is where the gunner's keyword stands:
// the list ends there, and up to it an item that names nothing does not end
// the list (the text between the seats is read for the driver's gear, and
// what is no gear stays in the text).
QString ParseCrewMember(const QString& S, const QString& U, int P, int GunnerAt, int& CutEnd, QStringList& Unread)
{
    for (TSearchFor& Row : SearchTable)
        Row.Used = false;
    SortSearchTable(false);
    QStringList Gear;
    int At = P;
    const QString First = NextItem(U, At, true);
    // Where the plain list begins: at the keyword, or after its bracket,
    // where more gear may follow ("Driver (Body Armor), Gas Mask").
    int PlainFrom = P;
    bool Bracketed = false;
    if (First.startsWith(QLatin1Char('('))) {
        const int Open = Pos(QStringLiteral("("), Copy(U, P, ToEnd)) + P - 1;
        const int Close = Pos(QStringLiteral(")"), Copy(U, Open, ToEnd)) + Open - 1;
        if (Close >= Open && Close > Open + 1) {
            CutEnd = Close + 1;
            QString List = Copy(S, Open, Close - Open + 1);
            KeyPass(List, Gear);
            AbbrevPass(List, Gear);
            KeepUnread(List, Unread);
            PlainFrom = Close;
            Bracketed = true;
        }
    }
    if (Bracketed || !First.startsWith(QLatin1Char('('))) {
        static const char* const Stops[] = {"FRONT", "LEFT", "RIGHT", "BACK", "TOP", "UNDER", "TURRET",
                                            "EWP", "F:", "L:", "R:", "B:", "T:", "U:", "TIRE", "PLANT",
                                            "METAL", "PLASTIC", "SPOILER", "FAKE"};
        // Items that named nothing before the gunner; they leave the text
        // with a later item that names gear, and go to Unread then.
        QStringList Passed;
        At = PlainFrom;
        for (;;) {
            const int Before = At;
            QString Item = NextItem(U, At, true);
            if (Item.isEmpty())
                break;
            // The same item in the case it was written in, for the leftovers.
            int Same = Before;
            QString Written = NextItem(S, Same, true);
            // What stands before the gunner's keyword in the item is still
            // the driver's ("Driver Gas Mask Gunner Body Armor").
            const bool AtGunner = GunnerAt > 0 && Holds(Item, "GUNNER");
            if (AtGunner && GunnerAt < P)
                break;
            if (AtGunner) {
                const qsizetype Keyword = Item.indexOf(QLatin1String("GUNNER"));
                Item.truncate(Keyword);
                Written.truncate(Keyword);
            }
            FindAndRemove(Item, QStringLiteral("GUNNER"));
            bool Stop = false;
            for (const char* Word : Stops)
                Stop = Stop || Holds(Item, Word);
            if (Stop)
                break;
            FindAndRemove(Written, QStringLiteral("GUNNER"));
            // The "and" of the label "Driver and Gunner" is no gear.
            if (AnsiUpper(Written).startsWith(QLatin1String("AND ")))
                Written.remove(0, 4);
            const bool Named = KeyPass(Written, Gear) || AbbrevPass(Written, Gear);
            if (!Named && !AtGunner && GunnerAt > At && At != Before) {
                Passed << Written;
                continue;
            }
            if (!Named)
                break;
            for (const QString& Text : Passed)
                KeepUnread(Text, Unread);
            Passed.clear();
            KeepUnread(Written, Unread);
            if (AtGunner) {
                CutEnd = GunnerAt;
                break;
            }
            // An item that runs to the end of the text leaves the cursor
            // where it was.
            if (At == Before) {
                CutEnd = static_cast<int>(U.size()) + 1;
                break;
            }
            CutEnd = At + 1;
        }
    }
    QString Result = Gear.join(QStringLiteral(", "));
    FindAndRemove(Result, QStringLiteral("DRIVER"));
    FindAndRemove(Result, QStringLiteral("GUNNER"));
    return TrimSeparators(Result);
}

// A seat's component armor stands right after its keyword; it leaves the
// text and goes with the seat's label into the result.
QString SeatArmor(QString& S, const char* Keyword)
{
    const int P = Pos(QLatin1String(Keyword), AnsiUpper(S));
    if (P == 0)
        return {};
    const QString Bracket = TakeComponentArmor(S, P - 1 + qstrlen(Keyword), true);
    return Bracket.isEmpty() ? QString() : QLatin1Char(' ') + Bracket;
}

} // namespace

void BuildCrewSearchTable()
{
    struct TSynonym {
        const char* Key;
        const char* Abbrev;
        const char* Name;
    };
    static const TSynonym CrewSynonyms[] = {
        {"AV Rifle", "", "Anti-Vehicular Rifle"},
        {"L Rifle", "", "Laser Rifle"},
        {"G Rifle", "", "Gauss Rifle"},
        {"DB Shotgun", "", "Double-Barreled Shotgun"},
        {"H Pistol", "", "Heavy Pistol"},
        {"Lgt Pistol", "", "Light Pistol"},
        {"L Pistol", "", "Light Pistol"},
        {"G Pistol", "", "Gauss Pistol"},
        {"Micro", "", "Portable Micromissile Launchen"},
        {"Portable FT", "", "Portable Flamethrower"},
        {"Improved Body Armor", "IBA", "Improved Body Armor"},
        {"Body Armor", "BA", "Body Armor"},
        {"Impact Body Armor", "IA", "Impact Armor"},
        {"Impact Armor", "IA", "Impact Armor"},
        {"Gas Mask", "GM", "Gas Mask"},
        {"Portable Fire Extinguisher", "PFE", "Portable Fire Extinguisher"},
        {"Fire Extinguisher", "PFE", "Portable Fire Extinguisher"},
        {"Improved Targeting Computer", "HTC", "High-Res Targeting Computer"},
        {"Res Targeting Computer", "", "High-Res Targeting Computer"},
        {"Targeting Computer", "TC", "Targeting Computer"},
    };
    ClearSearchTables();
    for (const THandGunType& Gun : HandGunTypes.Items)
        SearchTable.append(MakeSearchRow(Gun.Name, Gun.Abbreviation, Gun.Name));
    for (const TSynonym& Synonym : CrewSynonyms)
        SearchTable.append(MakeSearchRow(QLatin1String(Synonym.Key), QLatin1String(Synonym.Abbrev),
                                         QLatin1String(Synonym.Name)));
}

QString ParseCrew(QString& S)
{
    BuildCrewSearchTable();
    const bool Both = Pos(QStringLiteral("DRIVER AND GUNNER"), AnsiUpper(S)) > 0;
    const QString DriverArmor = SeatArmor(S, Both ? "DRIVER AND GUNNER" : "DRIVER");
    const QString GunnerArmor = Both ? QString() : SeatArmor(S, "GUNNER");
    const QString U = AnsiUpper(S);
    QString Value;
    QStringList Unread;
    // The spans the seats' keywords and consumed gear take up (1-based,
    // the end exclusive); the text between them stays.
    struct TSpan {
        int From;
        int To;
    };
    QVector<TSpan> Spans;
    const auto Seat = [&](int At, int KeyLength, int GunnerAt) {
        int CutEnd = 0;
        const QString Gear = ParseCrewMember(S, U, At, GunnerAt, CutEnd, Unread);
        Spans.append({At, qMax(CutEnd, At + KeyLength)});
        return Gear;
    };
    if (const int P = Pos(QStringLiteral("DRIVER AND GUNNER"), U); P > 0) {
        Value = QStringLiteral("Driver and Gunner") + DriverArmor + QStringLiteral(": ") + Seat(P, 17, 0);
    } else if (const int D = Pos(QStringLiteral("DRIVER"), U); D > 0) {
        const int G = Pos(QStringLiteral("GUNNER"), U);
        Value = QStringLiteral("Driver") + DriverArmor + QStringLiteral(": ") + Seat(D, 6, G);
        if (G > 0)
            Value += LineBreak + QStringLiteral("Gunner") + GunnerArmor + QStringLiteral(": ") + Seat(G, 6, 0);
    }
    if (!Spans.isEmpty()) {
        std::sort(Spans.begin(), Spans.end(), [](const TSpan& A, const TSpan& B) { return A.From < B.From; });
        QString Kept = Copy(S, 1, Spans.first().From - 1);
        if (!Unread.isEmpty())
            Kept += Unread.join(QStringLiteral(", ")) + QStringLiteral(", ");
        int From = Spans.first().To;
        for (qsizetype I = 1; I < Spans.size(); ++I) {
            if (Spans[I].From > From)
                Kept += Copy(S, From, Spans[I].From - From);
            From = qMax(From, Spans[I].To);
        }
        S = TrimSeparators(Kept + Copy(S, From, ToEnd));
    }
    ClearSearchTables();
    return Value;
}

void BuildWeaponSearchTable()
{
    ClearSearchTables();
    for (const TWeaponType& Weapon : WeaponTypes.Items)
        SearchTable.append(MakeSearchRow(Weapon.Name, Weapon.Abbreviation, Weapon.Name, false));
    for (const TEquipmentType& Accessory : EquipmentTypes.Items)
        SearchTable.append(MakeSearchRow(Accessory.Name, QString(), Accessory.Name, true));
}

namespace {

// What one list item of the weapon text was read as.
struct TWeaponItem {
    QString Location;
    QString Count;
    QString Ammo;
    bool ExtraAmmo = false;
    bool HRSWC = false;
    bool SWC = false;
};

// The first text of the list found (and removed); its index or -1.
int FirstRemoved(QString& Item, const QStringList& Texts, bool WholeWord = false)
{
    int Index = 0;
    for (const QString& Key : Texts) {
        if (WholeWord ? FindWordAndRemove(Item, Key) : FindAndRemove(Item, Key))
            return Index;
        ++Index;
    }
    return -1;
}

QString ParseLocation(QString& Item)
{
    struct TPlace {
        const char* Word;
        const char* Text;
    };
    // The headings of the program's own stat block first, so that "in" and
    // "on rocket" go with them.
    static const TPlace Places[] = {
        {"IN TURRET:", "turret: "}, {"ON ROCKET PLATFORM:", "rocket platform: "},
        {"ON ROCKET EWP:", "ewp: "}, {"ON EWP:", "ewp: "},
        {"FRONT", "front: "},  {"LEFT", "left: "},     {"RIGHT", "right: "},
        {"BACK", "back: "},    {"TOP", "top: "},       {"UNDER", "under: "},
        {"FRONT:", "front: "}, {"LEFT:", "left: "},    {"RIGHT:", "right: "},
        {"BACK:", "back: "},   {"TOP:", "top: "},      {"UNDER:", "under: "},
        {"TURRET:", "turret: "}, {"PLATFORM:", "rocket platform: "}, {"EWP:", "ewp: "},
        {"F:", "front: "},     {"L:", "left: "},       {"R:", "right: "},
        {"B:", "back: "},      {"T:", "top: "},        {"U:", "under: "},
        {"(F)", "front: "},    {"(L)", "left: "},      {"(R)", "right: "},
        {"(B)", "back: "},     {"(U)", "under: "},     {"(T)", "top: "},
    };
    static const QStringList Words = [] {
        QStringList List;
        for (const TPlace& Place : Places)
            List << QLatin1String(Place.Word);
        return List;
    }();
    QString Location;
    if (const int Found = FirstRemoved(Item, Words, true); Found >= 0)
        Location = QLatin1String(Places[Found].Text);
    StripLeadingChar(Item, QStringLiteral(":"));
    return Location;
}

// Digits at Index that are armor points (4 pt, 3-point), as a pod or a
// component armor writes them, rather than a count.
bool ArePoints(const QString& Item, qsizetype Index)
{
    while (Index < Item.size() && Item[Index] >= QLatin1Char('0') && Item[Index] <= QLatin1Char('9'))
        ++Index;
    const QString Rest = AnsiUpper(Item.mid(Index));
    for (const char* Unit : {"PT", " PT", "-PT", "POINT", " POINT", "-POINT"})
        if (Rest.startsWith(QLatin1String(Unit)))
            return true;
    return false;
}

// Digits at Index glued to the letter before them (the 2 of N2O) are part of
// a name, not a count.
bool InsideWord(const QString& Item, qsizetype Index)
{
    return Index > 0 && Item[Index - 1].isLetter();
}

QString ParseCount(QString& Item)
{
    QString N = FirstNumber(Item);
    if (!N.isEmpty() && Item.indexOf(N) >= 0
        && (ArePoints(Item, Item.indexOf(N)) || InsideWord(Item, Item.indexOf(N))))
        N.clear();
    if (!N.isEmpty()) {
        const qsizetype At = Item.indexOf(N);
        if (At >= 0) {
            qsizetype After = At;
            while (After < Item.size() && Item[After] >= QLatin1Char('0') && Item[After] <= QLatin1Char('9'))
                ++After;
            if (After < Item.size() && (Item[After] == QLatin1Char('X') || Item[After] == QLatin1Char('x')))
                Item.remove(After, 1);
            Item.remove(Item.indexOf(N), N.size());
        }
    } else {
        static const char* const Words[] = {"ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE"};
        const QString U = AnsiUpper(Item);
        for (int i = 0; i < 9; ++i) {
            const qsizetype P = U.indexOf(QLatin1String(Words[i]));
            if (P >= 0) {
                N = QString::number(i + 1);
                Item.remove(P, qsizetype(qstrlen(Words[i])));
                break;
            }
        }
    }
    if (!N.isEmpty())
        StripLeadingChar(Item, QStringLiteral(":"));
    return N;
}

// A closing bracket, or a pair emptied by the removal of its whole content,
// that a removal left behind.
void DropStrayBracket(QString& Item)
{
    // "(HEAT ammo)" leaves "( )" behind once its load and AMMO are read.
    static const QRegularExpression EmptyPair(QStringLiteral("\\(\\s*\\)"));
    Item.remove(EmptyPair);
    if (Item.endsWith(QStringLiteral(" )")))
        Item.chop(2);
    Item = Item.trimmed();
    if (Item.startsWith(QLatin1Char(')')))
        Item.remove(0, 1);
}

QString ParseAmmo(QString& Item)
{
    struct TAmmo {
        const char* Text;
        const char* Abbrev;
    };
    static const TAmmo Ammos[] = {
        {"HEAT", "HEAT"}, {"Sabot", "Sabot"}, {"APFSDS", "Sabot"}, {"(APE", "APe"}, {"(AP", "AP"},
        {"(XPe", "XPe"}, {"(XP", "XP"}, {"(HD", "HD"}, {"(IA", "IA"}, {"(T,", "T"}, {"(T)", "T"},
        {" with APE ammo", "APe"}, {" with AP ammo", "AP"}, {" with XP ammo", "XP"},
        {" with HD ammo", "HD"}, {" with IA ammo", "IA"}, {" with T ammo", "T"},
    };
    static const QStringList Texts = [] {
        QStringList List;
        for (const TAmmo& Entry : Ammos)
            List << QLatin1String(Entry.Text);
        return List;
    }();
    QString Ammo;
    if (const int Found = FirstRemoved(Item, Texts); Found >= 0) {
        Ammo = QLatin1String(Ammos[Found].Abbrev);
        FindAndRemove(Item, QStringLiteral("AMMO"));
        FindWordAndRemove(Item, QStringLiteral("WITH"));
    }
    DropStrayBracket(Item);
    return Ammo;
}

// A bracket of loads as the program's stat block writes a weapon group:
// "(AP, AP)", "(HEAT, +Ammo)", "(+2 Ammo)". Each piece is an ammunition
// abbreviation or an extra-magazine mark; a bracket of anything else is left
// alone. Magazines may stand in brackets of their own beside the loads
// ("(AP) (+2 Ammo)"). A second bracket of loads ("(HEAT) (T)") is taken out
// into Aside, so that no later reading takes it for a place. Loads lists the
// abbreviations as the rules table writes them, Magazines the number of
// extra magazines.
bool ParseLoads(QString& Item, QStringList& Loads, int& Magazines, QString& Aside)
{
    bool Read = false;
    static const QRegularExpression Magazine(QStringLiteral("^\\+\\s*(\\d*)\\s*AMMO$"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression LoadCount(QStringLiteral("^(\\d{1,3}|one|two|three|four|five|six)\\s*x?\\s+(\\S+)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QStringList NumberWords = {QStringLiteral("ONE"), QStringLiteral("TWO"), QStringLiteral("THREE"),
                                            QStringLiteral("FOUR"), QStringLiteral("FIVE"), QStringLiteral("SIX")};
    // More loads than any group holds name no more weapons.
    constexpr int MaxLoadsNamed = 100;
    for (qsizetype Open = Item.indexOf(QLatin1Char('(')); Open >= 0;) {
        const qsizetype Close = Item.indexOf(QLatin1Char(')'), Open);
        if (Close < 0)
            break;
        QStringList Found;
        int Extra = 0;
        bool AllRead = true;
        for (const QString& Piece : Item.mid(Open + 1, Close - Open - 1).split(QLatin1Char(','))) {
            const QString Text = Piece.trimmed();
            const QRegularExpressionMatch M = Magazine.match(Text);
            if (M.hasMatch()) {
                Extra += M.captured(1).isEmpty() ? 1 : M.captured(1).toInt();
                continue;
            }
            // A load for some weapons of the group names how many carry it
            // ("one HEAT", "2x AP"); the others carry the plain load.
            QString Load = Text;
            int Weapons = 1;
            if (const QRegularExpressionMatch C = LoadCount.match(Text); C.hasMatch()) {
                const QString N = AnsiUpper(C.captured(1));
                const int Word = int(NumberWords.indexOf(N));
                Weapons = Word >= 0 ? Word + 1 : qBound(1, N.toInt(), MaxLoadsNamed);
                Load = C.captured(2);
            }
            // "-" is the plain load of one weapon of the group.
            bool Known = Load == QLatin1String("-");
            if (Known)
                Found << Load;
            for (const TAmmoType& Ammo : AmmoTypes.Items)
                if (Ammo.Abbreviation != QLatin1String("-") && AnsiUpper(Ammo.Abbreviation) == AnsiUpper(Load)) {
                    for (int I = 0; I < Weapons; ++I)
                        Found << Ammo.Abbreviation;
                    Known = true;
                    break;
                }
            AllRead = AllRead && Known;
        }
        const bool SecondLoads = !Loads.isEmpty() && !Found.isEmpty();
        if (AllRead && !SecondLoads && (Found.count(QStringLiteral("-")) < Found.size() || Extra > 0)) {
            Item.remove(Open, Close - Open + 1);
            if (!Found.isEmpty())
                Loads = Found;
            Magazines += Extra;
            Read = true;
            Open = Item.indexOf(QLatin1Char('('), Open);
        } else if (AllRead && SecondLoads) {
            Aside += QLatin1Char(' ') + Item.mid(Open, Close - Open + 1);
            Item.remove(Open, Close - Open + 1);
        } else {
            Open = Item.indexOf(QLatin1Char('('), Open + 1);
        }
    }
    if (Read)
        Item = Item.trimmed();
    return Read;
}

bool ParseExtraMagazine(QString& Item)
{
    bool Found = FindAndRemove(Item, QStringLiteral("+Ammo"));
    if (!Found && FindAndRemove(Item, QStringLiteral("Magazine"))) {
        FindWordAndRemove(Item, QStringLiteral("extra"));
        Found = true;
    }
    DropStrayBracket(Item);
    return Found;
}

bool ParseHRSWC(QString& Item)
{
    static const QStringList Texts = {QStringLiteral("Hi-Res Single Weapon Computer"), QStringLiteral("Hi-Res SWC"),
                                      QStringLiteral("HiRes-SWC"), QStringLiteral("Hi-Res-SWC"),
                                      QStringLiteral("+HRSWC"), QStringLiteral("HRSWC for")};
    bool Found = FirstRemoved(Item, Texts) >= 0
                 || FindWordAndRemove(Item, QStringLiteral("HRSWC"));
    DropStrayBracket(Item);
    return Found;
}

bool ParseSWC(QString& Item)
{
    static const QStringList Texts = {QStringLiteral("Single Weapon Computer"),
                                      QStringLiteral("Single-Weapon Computer"), QStringLiteral("+SWC"),
                                      QStringLiteral("SWC for")};
    bool Found = FirstRemoved(Item, Texts) >= 0
                 || FindWordAndRemove(Item, QStringLiteral("SWC"));
    DropStrayBracket(Item);
    return Found;
}

// The weapon table in its two search orders, sorted once for the whole list.
struct TWeaponTables {
    TSearchArray ByKey;
    TSearchArray ByAbbrev;
};

// The first row of the wanted kind whose key the item holds as words of
// their own (the plural first when the count is not one); the key leaves
// the item. A key inside a longer word names nothing.
QString FindByKey(QString& Item, bool Equipment, const QString& Count, const TWeaponTables& Tables)
{
    for (const TSearchFor& Row : Tables.ByKey) {
        // Where the key is absent, so is its plural.
        if (Row.IsEquipment != Equipment || PosText(Row.Key, Item) == 0)
            continue;
        for (const QString& Key : {Row.Key + QLatin1Char('S'), Row.Key}) {
            if (Key.size() > Row.Key.size() && Count == QLatin1String("1"))
                continue;
            if (const int P = PosOfWord(Key, Item)) {
                const int Length = int(Key.size()) + (P + Key.size() <= Item.size() && Item[P - 1 + Key.size()] == QLatin1Char(',') ? 1 : 0);
                Item = TrimSeparators(Item.remove(P - 1, Length));
                return Row.Name;
            }
        }
    }
    return QString();
}

QString FindWeaponByAbbrev(QString& Item, const TWeaponTables& Tables)
{
    for (const TSearchFor& Row : Tables.ByAbbrev)
        if (!Row.IsEquipment && !Row.Abbrev.isEmpty() && FindWordAndRemove(Item, Row.Abbrev))
            return Row.Name;
    return QString();
}

// A size written out, "Two-space" or "2-space".
const QRegularExpression& SpaceSize()
{
    static const QRegularExpression Size(QStringLiteral("\\b(zero|one|two|three|0|1|2|3)[\\s-]*space\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return Size;
}

// The words that say what an add-on holds: "with", "holding", "mounting",
// "carrying", "containing" (the "w/" of a text is gone by then).
const QRegularExpression& HoldingVerb()
{
    static const QRegularExpression Verb(QStringLiteral("^(?:with|holding|mounting|carrying|containing)\\b\\s*"),
                                         QRegularExpression::CaseInsensitiveOption);
    return Verb;
}

// A sized add-on named with what it holds ("Two-space Rocket Platform with
// 3 MR", "Three-space Turret (2 HR)", "Two-space turret: VMG"): Item keeps
// the add-on with the pod's own brackets (its armor points, "(Plastic)",
// "(rear)"), and the result is what it holds, under the add-on's place
// heading; empty when the item is no such add-on or holds nothing. Heading
// tells whether the add-on was written as a heading ("turret:"), whose place
// goes on to the items after it.
QString SplitAddOnContents(QString& Item, bool& Heading)
{
    Heading = false;
    if (!SpaceSize().match(Item).hasMatch())
        return {};
    static const QRegularExpression AddOn(QStringLiteral("\\b(EWP|Rocket\\s+Platform|Turret)\\b(:?)"),
                                          QRegularExpression::CaseInsensitiveOption);
    // The pod's own brackets: its armor points, "(Plastic)", "(rear)" and its
    // size, alone or together ("(two-space, 3 pt)").
    static const QRegularExpression PodBracket(
        QStringLiteral("^\\s*\\((?:\\s*(?:\\d+\\s*-?\\s*(?:pts?|points?)?|plastic|rear|(?:zero|one|two|three|[0-3])[\\s-]*space)"
                       "\\s*,?)+\\)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch M = AddOn.match(Item);
    if (!M.hasMatch())
        return {};
    const QString Kind = AnsiUpper(M.captured(1));
    qsizetype End = M.capturedEnd(1);
    if (Kind == QLatin1String("EWP"))
        for (QRegularExpressionMatch B; (B = PodBracket.match(QStringView(Item).mid(End))).hasMatch();)
            End += B.capturedEnd();
    QString Held = Item.mid(M.capturedEnd(2) > End ? M.capturedEnd(2) : End).trimmed();
    Held.remove(HoldingVerb());
    // "(2 HR)": the whole of what it holds in one bracket.
    if (Held.startsWith(QLatin1Char('(')) && Held.endsWith(QLatin1Char(')'))
        && Held.indexOf(QLatin1Char(')')) == Held.size() - 1)
        Held = Held.mid(1, Held.size() - 2).trimmed();
    // The size is the add-on's own only where it stands before what the
    // add-on holds ("Rocket Platform (two-space)" names no size).
    if (Held.isEmpty() || !SpaceSize().match(Item.left(End)).hasMatch())
        return {};
    Heading = !M.captured(2).isEmpty();
    Item = Item.left(End).trimmed();
    const QString Place = Kind == QLatin1String("EWP")   ? QStringLiteral("EWP: ")
                          : Kind == QLatin1String("TURRET") ? QStringLiteral("Turret: ")
                                                            : QStringLiteral("Platform: ");
    return Place + Held;
}

// "FT and 2 SD", "Spoiler with 2 MG": a count after "and" or "with" begins
// an item of its own, which the result is; the place goes on to it and to
// the items after it. A pod or platform keeps what it is named with, so that
// one without a size stays in the leftovers whole.
QString SplitJoinedCount(QString& Item, bool& Heading)
{
    static const QRegularExpression Joined(QStringLiteral("\\s+(?:and|with)\\s+(?=\\d)"),
                                           QRegularExpression::CaseInsensitiveOption);
    Heading = true;
    if (HasWord(Item, QStringLiteral("EWP")) || HasWord(Item, QStringLiteral("Rocket Platform"))
        || HasWord(Item, QStringLiteral("Turret")))
        return {};
    const QRegularExpressionMatch M = Joined.match(Item);
    if (!M.hasMatch())
        return {};
    const QString Next = Item.mid(M.capturedEnd()).trimmed();
    Item = Item.left(M.capturedStart()).trimmed();
    return Next;
}

// A size written out, "Two-space" or "2-space", taken out of the item.
QString TakeSpaceSize(QString& Item)
{
    const QRegularExpression& Size = SpaceSize();
    static const char* const Sizes[] = {"Zero-space ", "One-space ", "Two-space ", "Three-space "};
    const QRegularExpressionMatch M = Size.match(Item);
    if (!M.hasMatch())
        return {};
    static const QStringList Words = {QStringLiteral("ZERO"), QStringLiteral("ONE"), QStringLiteral("TWO"),
                                      QStringLiteral("THREE")};
    const QString Word = AnsiUpper(M.captured(1));
    const int Index = Word[0].isDigit() ? Word.toInt() : int(Words.indexOf(Word));
    Item.remove(M.capturedStart(), M.capturedLength());
    Item = Item.trimmed();
    return QLatin1String(Sizes[Index]);
}

QString PopUp(QString& Item)
{
    const bool Found = FindWordAndRemove(Item, QStringLiteral("Pop-up")) || FindWordAndRemove(Item, QStringLiteral("Popup"));
    return Found ? QStringLiteral("Pop-up ") : QString();
}

QString PodName(QString& Item, const QString& Size)
{
    QString E;
    if (FindWordAndRemove(Item, QStringLiteral("Rocket")))
        E = QStringLiteral("Rocket ");
    if (FindWordAndRemove(Item, QStringLiteral("side")))
        E = QStringLiteral("Side ") + E;
    if (FindWordAndRemove(Item, QStringLiteral("top")))
        E = QStringLiteral("Top ") + E;
    if (FindWordAndRemove(Item, QStringLiteral("(rear)")) || FindWordAndRemove(Item, QStringLiteral("rear")))
        E += QStringLiteral(" (rear)");
    // The pod's armor is plastic whatever the body carries.
    FindWordAndRemove(Item, QStringLiteral("(Plastic)"));
    QString Name = Size + QLatin1Char(' ') + E;
    if (const QString Points = FirstNumber(Item); !Points.isEmpty()) {
        Name += QStringLiteral(" (") + Points + QStringLiteral(" pt)");
        static const QRegularExpression PointsText(QStringLiteral("\\(?\\s*\\d+\\s*-?\\s*(?:pts?|points?)?\\s*\\)?"),
                                                   QRegularExpression::CaseInsensitiveOption);
        Item.remove(PointsText);
    }
    // A bracket the size and the points were read from leaves no piece.
    static const QRegularExpression Emptied(QStringLiteral("\\((?:\\s|,)*(?:\\)|$)"));
    Item.remove(Emptied);
    return Name + QStringLiteral(" EWP");
}

QString CountPrefix(const QString& Count, bool ZeroToo)
{
    if (Count.isEmpty() || Count == QLatin1String("1") || (ZeroToo && Count == QLatin1String("0")))
        return QString();
    return Count + QStringLiteral("x ");
}

// The end (0-based, exclusive) of the list item that starts at From: the
// next comma, semicolon or line break outside brackets, so that a bracket
// of loads or options stays with its weapon. An unclosed bracket does not
// swallow the rest of the text: the item then ends at the next separator.
qsizetype ItemEnd(const QString& S, qsizetype From)
{
    const auto IsEnd = [](QChar C) {
        return C == QLatin1Char(',') || C == QLatin1Char(';') || C == QLatin1Char('\n') || C == QLatin1Char('\r');
    };
    int Depth = 0;
    qsizetype I = From;
    for (; I < S.size(); ++I) {
        if (S[I] == QLatin1Char('('))
            ++Depth;
        else if (S[I] == QLatin1Char(')') && Depth > 0)
            --Depth;
        else if (Depth == 0 && IsEnd(S[I]))
            return I;
        if (Depth > 0 && I + 1 == S.size())
            break;
    }
    if (Depth == 0)
        return I;
    for (I = From; I < S.size(); ++I)
        if (IsEnd(S[I]))
            return I;
    return I;
}

// The loads of a group as the result text writes them: one abbreviation for
// the whole group, else one per weapon from the first on, ended by "-" when
// the rest of the group carries none.
QString LoadsText(const QStringList& Loads, int Count)
{
    if (Loads.count(QStringLiteral("-")) == Loads.size())
        return QString();
    if (Loads.size() >= Count && Loads.count(Loads.first()) == Loads.size())
        return Loads.first();
    QStringList PerWeapon = Loads;
    if (PerWeapon.size() < Count)
        PerWeapon << QStringLiteral("-");
    return PerWeapon.join(QStringLiteral(", "));
}

void ParseWeaponItems(QString& S, QStringList& WeaponLines, QStringList& EquipmentLines)
{
    TWeaponTables Tables;
    SortSearchTable(false);
    Tables.ByKey = SortedSearchTable;
    SortSearchTable(true);
    Tables.ByAbbrev = SortedSearchTable;

    // Side pods written in the plural are the one side pod of the rules.
    static const QRegularExpression Pods(QStringLiteral("\\bEWPs\\b"), QRegularExpression::CaseInsensitiveOption);
    S.replace(Pods, QStringLiteral("EWP"));
    QStringList Leftovers;
    QString LastLocation;
    // What an add-on item holds ("Three-space Turret with 2 MG (AP)") is
    // read next as an item of its own at the add-on's place; the place
    // carries on to the items after it only where the add-on was written as
    // a heading.
    QString Contents;
    QString LocationAfterContents;
    bool ReadingContents = false;
    bool ContentsHeading = false;
    const QString Separators = QStringLiteral(" ,;:-\r\n");
    // The items are read one after the other with a cursor; nothing is cut
    // out of the text on the way, so a long list is read in one pass.
    for (qsizetype From = 0; From < S.size() || !Contents.isEmpty();) {
        if (ReadingContents) {
            LastLocation = LocationAfterContents;
            ReadingContents = false;
        }
        QString Untouched;
        if (!Contents.isEmpty()) {
            Untouched = Contents;
            Contents.clear();
            LocationAfterContents = LastLocation;
            // What follows an add-on written as a heading goes into it too.
            ReadingContents = !ContentsHeading;
        } else {
            while (From < S.size() && Separators.contains(S[From]))
                ++From;
            if (From >= S.size())
                break;
            const qsizetype To = ItemEnd(S, From);
            Untouched = S.mid(From, To - From).trimmed();
            From = To + 1;
            Contents = SplitAddOnContents(Untouched, ContentsHeading);
            if (Contents.isEmpty())
                Contents = SplitJoinedCount(Untouched, ContentsHeading);
        }
        if (Untouched.isEmpty())
            continue;

        QString Item = Untouched;
        TWeaponItem W;
        const QString ComponentArmor = TakeComponentArmor(Item);
        // A bracket of loads as the stat block writes it is read before the
        // places: "(T)" after a weapon is its tracer load, not the top.
        QStringList Loads;
        int Magazines = 0;
        QString SecondLoads;
        const bool HasLoads = ParseLoads(Item, Loads, Magazines, SecondLoads);
        // An accessory's note may hold a place word ("(on the left)"); the
        // note keeps it, and it places nothing.
        const QString BeforePlace = Item;
        const QString PlaceBefore = LastLocation;
        // The words Top and Side of a pod's name are no location.
        if (!HasWord(Item, QStringLiteral("EWP"))) {
            // A list such as back: FT, MD places every weapon after the
            // location word there, up to the next location word.
            W.Location = ParseLocation(Item);
            if (W.Location.isEmpty())
                W.Location = LastLocation;
            else
                LastLocation = W.Location;
        }
        Item += SecondLoads;
        // A turret, pod or platform is sized by its words ("Two-space"),
        // not counted. A turret is an add-on only where a size says which; a
        // bare "turret" places the weapon or accessory it names.
        const bool Turret = HasWord(Item, QStringLiteral("Turret"));
        QString AddOnSize;
        if (Turret || HasWord(Item, QStringLiteral("EWP")) || HasWord(Item, QStringLiteral("Rocket Platform")))
            AddOnSize = TakeSpaceSize(Item);
        const bool SizedTurret = Turret && !AddOnSize.isEmpty();
        // A pod, platform or turret whose size the text does not give names
        // none the second stage can build: the whole item, with the weapons
        // it holds ("Turret with RL", "Turret (2 MG)"), is left to the user.
        // An unsized turret followed by a word that says what it holds, a
        // bracket or a count ("Turret holding 2 MG", "Turret (2 MG)",
        // "Turret w/ 2 RL") holds what it is named with.
        static const QRegularExpression TurretHolding(
            QStringLiteral("\\bTurret\\s*(?:\\(|\\d|(?:with|holding|mounting|carrying|containing|one|two|three|four)\\b)"),
            QRegularExpression::CaseInsensitiveOption);
        if (AddOnSize.isEmpty()
            && (HasWord(Item, QStringLiteral("EWP")) || HasWord(Item, QStringLiteral("Rocket Platform"))
                || (Turret && TurretHolding.match(Item).hasMatch()))) {
            Leftovers << Untouched;
            continue;
        }
        if (Turret) {
            if (!FindWordAndRemove(Item, QStringLiteral("in Turret")))
                FindWordAndRemove(Item, QStringLiteral("Turret"));
            if (!SizedTurret)
                W.Location = QStringLiteral("turret: ");
        }
        if (AddOnSize.isEmpty())
            W.Count = ParseCount(Item);
        if (HasLoads) {
            W.Ammo = LoadsText(Loads, W.Count.isEmpty() ? 1 : W.Count.toInt());
            W.ExtraAmmo = Magazines > 0;
        } else {
            W.Ammo = ParseAmmo(Item);
            W.ExtraAmmo = ParseExtraMagazine(Item);
        }
        W.HRSWC = ParseHRSWC(Item);
        W.SWC = ParseSWC(Item);

        if (Holds(AnsiUpper(Item), "BUMPER TRIGGER")) {
            if (W.Count == QLatin1String("2")) {
                EquipmentLines << QStringLiteral("Bumper Trigger Front") << QStringLiteral("Bumper Trigger Back");
            } else {
                EquipmentLines << (W.Location == QLatin1String("back: ") ? QStringLiteral("Bumper Trigger Back")
                                                                          : QStringLiteral("Bumper Trigger Front"));
            }
            // What the item holds besides the triggers is left to the user.
            if (!FindAndRemove(Item, QStringLiteral("BUMPER TRIGGERS")))
                FindAndRemove(Item, QStringLiteral("BUMPER TRIGGER"));
            if (const QString Rest = TrimSeparators(Item); !Rest.isEmpty())
                Leftovers << Rest;
            continue;
        }

        QString Weapon;
        QString Accessory;
        QString Bracket;
        if (SizedTurret)
            Accessory = AddOnSize + PopUp(Item) + QStringLiteral("Turret");
        else
            Weapon = FindByKey(Item, false, W.Count, Tables);
        // A pod or platform without a size names none the second stage can
        // build; the item stays in the leftovers.
        if (Weapon.isEmpty() && Accessory.isEmpty()) {
            if (!AddOnSize.isEmpty() && FindWordAndRemove(Item, QStringLiteral("EWP"))) {
                Accessory = PodName(Item, AddOnSize);
            } else if (!AddOnSize.isEmpty() && FindWordAndRemove(Item, QStringLiteral("Rocket Platform"))) {
                Accessory = AddOnSize + QStringLiteral(" Rocket Platform ");
            } else {
                Accessory = FindByKey(Item, true, W.Count, Tables);
                // A bracket that held only a location word, as in
                // Bumper Spikes (front), is the accessory's note all the same.
                if (!Accessory.isEmpty()) {
                    Bracket = TextInBrackets(Item);
                    if (const QString Note = TextInBrackets(BeforePlace); !Note.isEmpty() && Note != Bracket) {
                        // The place was read from inside the note: what is
                        // left of the note goes with it.
                        LastLocation = PlaceBefore;
                        if (const qsizetype Open = Item.indexOf(QLatin1Char('(')); Open >= 0) {
                            const qsizetype Close = Item.indexOf(QLatin1Char(')'), Open);
                            Item.remove(Open, Close < 0 ? Item.size() - Open : Close - Open + 1);
                        }
                        Bracket = Note;
                    } else if (!Bracket.isEmpty()) {
                        Item.remove(QLatin1Char('(') + Bracket + QLatin1Char(')'));
                    } else {
                        Bracket = TextInBrackets(Untouched);
                    }
                    Item.remove(QStringLiteral("()"));
                }
            }
        }
        if (Weapon.isEmpty() && Accessory.isEmpty())
            Weapon = FindWeaponByAbbrev(Item, Tables);

        // Laser options of an accessory item have no weapon to go with.
        bool OptionsApplied = false;
        if (!Item.isEmpty() && Accessory.isEmpty()) {
            static const QStringList IRTexts = {QStringLiteral("Infrared"), QStringLiteral("Infra-red"),
                                                QStringLiteral("IR")};
            static const QStringList PulseTexts = {QStringLiteral("Pulse"), QStringLiteral("P")};
            const bool IR = FirstRemoved(Item, IRTexts, true) >= 0;
            const bool Pulse = FirstRemoved(Item, PulseTexts, true) >= 0;
            // "(IR)" leaves its emptied bracket behind.
            DropStrayBracket(Item);
            const QString Options = QString(IR ? QStringLiteral(" (IR)") : QString())
                                    + (Pulse ? QStringLiteral(" (Pulse)") : QString());
            if (!Weapon.isEmpty())
                Weapon += Options;
            else if (!WeaponLines.isEmpty())
                WeaponLines.last() += Options;
            OptionsApplied = !Options.isEmpty() && !WeaponLines.isEmpty();
        }

        if (!Weapon.isEmpty()) {
            QString Line = (W.Location.isEmpty() ? QStringLiteral("front: ") : W.Location) + QLatin1Char(' ')
                           + CountPrefix(W.Count, false) + Weapon;
            if (!W.Ammo.isEmpty())
                Line += QStringLiteral(" (Ammo: ") + W.Ammo + QLatin1Char(')');
            if (W.ExtraAmmo)
                // "(+Ammo)": every weapon of the line carries one; else the
                // first that many.
                Line += Magazines == 0 || Magazines >= W.Count.toInt() ? QStringLiteral(" (+Ammo)")
                                                                        : QStringLiteral(" (+%1 Ammo)").arg(Magazines);
            if (W.HRSWC)
                Line += QStringLiteral(" (+HRSWC)");
            if (W.SWC)
                Line += QStringLiteral(" (+SWC)");
            if (!ComponentArmor.isEmpty())
                Line += QLatin1Char(' ') + ComponentArmor;
            WeaponLines << Line;
            if (const QString Rest = TrimSeparators(Item); !Rest.isEmpty())
                Leftovers << Rest;
        } else if (!Accessory.isEmpty()) {
            EquipmentLines << CountPrefix(W.Count, true) + Accessory
                                  + (Bracket.isEmpty() ? QString() : QStringLiteral(" (") + Bracket + QLatin1Char(')'));
            if (const QString Rest = TrimSeparators(Item); !Rest.isEmpty())
                Leftovers << Rest;
        } else {
            // Options written apart from their weapon belong to the weapon
            // before them.
            bool Consumed = false;
            if (!WeaponLines.isEmpty()) {
                QString& Last = WeaponLines.last();
                if (W.SWC)
                    Last += QStringLiteral(" (+SWC)");
                else if (W.HRSWC)
                    Last += QStringLiteral(" (+HRSWC)");
                if (!W.Ammo.isEmpty())
                    Last += QStringLiteral(" (Ammo: ") + W.Ammo + QLatin1Char(')');
                if (W.ExtraAmmo)
                    Last += QStringLiteral(" (+Ammo)");
                // Laser options that went to the weapon before are used up
                // as well.
                Consumed = W.SWC || W.HRSWC || !W.Ammo.isEmpty() || W.ExtraAmmo || OptionsApplied;
            }
            if (!Consumed)
                Leftovers << Untouched;
            else if (const QString Rest = TrimSeparators(Item); !Rest.isEmpty())
                Leftovers << Rest;
        }
    }
    S = TrimSeparators(Leftovers.join(LineBreak));
}

} // namespace

QString ParseWeapons(QString& S)
{
    BuildWeaponSearchTable();
    QStringList WeaponLines;
    QStringList EquipmentLines;
    ParseWeaponItems(S, WeaponLines, EquipmentLines);
    ClearSearchTables();
    if (WeaponLines.isEmpty() && EquipmentLines.isEmpty())
        return QString();
    QString Block;
    if (WeaponLines.isEmpty()) {
        Block = QStringLiteral("# No weapons found!") + LineBreak;
    } else {
        Block = QStringLiteral("* Weapons: ") + LineBreak;
        for (const QString& Line : WeaponLines)
            Block += Line + LineBreak;
    }
    if (!EquipmentLines.isEmpty()) {
        Block += QStringLiteral("* Equipment: ") + LineBreak;
        for (const QString& Line : EquipmentLines)
            Block += Line + LineBreak;
    }
    return Block;
}
