#include "import/CrewWeaponRecognisers.h"

#include "import/TextSearch.h"
#include "model/Global.h"

#include <QStringList>

#include <initializer_list>
#include <limits>

namespace {

constexpr int ToEnd = std::numeric_limits<int>::max();

bool Holds(const QString& U, const char* Text)
{
    return Pos(QLatin1String(Text), U) > 0;
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

// One gear list from the seat keyword at P in U; CutEnd is left after the
// last item consumed.
QString ParseCrewMember(const QString& S, const QString& U, int P, bool StopAtGunner, int& CutEnd)
{
    for (TSearchFor& Row : SearchTable)
        Row.Used = false;
    SortSearchTable(false);
    QStringList Gear;
    int At = P;
    const QString First = NextItem(U, At, true);
    if (First.startsWith(QLatin1Char('('))) {
        const int Open = Pos(QStringLiteral("("), Copy(U, P, ToEnd)) + P - 1;
        const int Close = Pos(QStringLiteral(")"), Copy(U, Open, ToEnd)) + Open - 1;
        if (Close >= Open && Close > Open + 1) {
            CutEnd = Close + 1;
            QString List = Copy(S, Open, Close - Open + 1);
            KeyPass(List, Gear);
            AbbrevPass(List, Gear);
        }
    } else {
        static const char* const Stops[] = {"FRONT", "LEFT", "RIGHT", "BACK", "TOP", "UNDER", "TURRET",
                                            "EWP", "F:", "L:", "R:", "B:", "T:", "U:", "TIRE", "PLANT",
                                            "METAL", "PLASTIC", "SPOILER", "FAKE"};
        At = P;
        for (;;) {
            const int Before = At;
            QString Item = NextItem(U, At, true);
            if (Item.isEmpty())
                break;
            if (StopAtGunner && Holds(Item, "GUNNER"))
                break;
            FindAndRemove(Item, QStringLiteral("GUNNER"));
            bool Stop = false;
            for (const char* Word : Stops)
                Stop = Stop || Holds(Item, Word);
            if (Stop)
                break;
            const bool Named = KeyPass(Item, Gear) || AbbrevPass(Item, Gear);
            if (!Named)
                break;
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
    const QString U = AnsiUpper(S);
    int CutEnd = 0;
    QString Value;
    int P = Pos(QStringLiteral("DRIVER AND GUNNER"), U);
    if (P > 0) {
        Value = QStringLiteral("Driver and Gunner: ") + ParseCrewMember(S, U, P, false, CutEnd);
    } else {
        P = Pos(QStringLiteral("DRIVER"), U);
        if (P > 0) {
            Value = QStringLiteral("Driver: ") + ParseCrewMember(S, U, P, true, CutEnd);
            if (const int G = Pos(QStringLiteral("GUNNER"), U); G > 0)
                Value += LineBreak + QStringLiteral("Gunner: ") + ParseCrewMember(S, U, G, false, CutEnd);
        }
    }
    if (P > 0) {
        // Nothing consumed after the keyword: only the keywords leave the text.
        if (CutEnd < P)
            CutEnd = P;
        S = TrimSeparators(Copy(S, 1, P - 1) + Copy(S, CutEnd, ToEnd));
        FindAndRemove(S, QStringLiteral("DRIVER"));
        FindAndRemove(S, QStringLiteral("GUNNER"));
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
int FirstRemoved(QString& Item, std::initializer_list<const char*> Texts, bool WholeWord = false)
{
    int Index = 0;
    for (const char* Text : Texts) {
        const QString Key = QLatin1String(Text);
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
    static const TPlace Places[] = {
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
    QString Location;
    for (const TPlace& Place : Places)
        if (FindWordAndRemove(Item, QLatin1String(Place.Word))) {
            Location = QLatin1String(Place.Text);
            break;
        }
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

QString ParseCount(QString& Item)
{
    QString N = FirstNumber(Item);
    if (!N.isEmpty() && Item.indexOf(N) >= 0 && ArePoints(Item, Item.indexOf(N)))
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
            const int P = Pos(QLatin1String(Words[i]), U);
            if (P > 0) {
                N = QString::number(i + 1);
                Item.remove(P - 1, qsizetype(qstrlen(Words[i])));
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
    if (Item.endsWith(QStringLiteral(" )")) || Item.endsWith(QStringLiteral("()")))
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
    QString Ammo;
    for (const TAmmo& Entry : Ammos)
        if (FindAndRemove(Item, QLatin1String(Entry.Text))) {
            Ammo = QLatin1String(Entry.Abbrev);
            FindAndRemove(Item, QStringLiteral("AMMO"));
            FindWordAndRemove(Item, QStringLiteral("WITH"));
            break;
        }
    DropStrayBracket(Item);
    return Ammo;
}

bool ParseExtraMagazine(QString& Item)
{
    bool Found = FindAndRemove(Item, QStringLiteral("+Ammo"));
    if (!Found && FindAndRemove(Item, QStringLiteral("Magazine"))) {
        FindAndRemove(Item, QStringLiteral("extra "));
        Found = true;
    }
    DropStrayBracket(Item);
    return Found;
}

bool ParseHRSWC(QString& Item)
{
    bool Found = FirstRemoved(Item, {"Hi-Res Single Weapon Computer", "Hi-Res SWC", "HiRes-SWC", "Hi-Res-SWC",
                                     "+HRSWC", "HRSWC for"}) >= 0
                 || FindWordAndRemove(Item, QStringLiteral("HRSWC"));
    DropStrayBracket(Item);
    return Found;
}

bool ParseSWC(QString& Item)
{
    bool Found = FirstRemoved(Item, {"Single Weapon Computer", "Single-Weapon Computer", "+SWC", "SWC for"}) >= 0
                 || FindWordAndRemove(Item, QStringLiteral("SWC"));
    DropStrayBracket(Item);
    return Found;
}

QString ParseSpaces(QString& Item, const QString& Count)
{
    if (!Count.isEmpty()) {
        static const char* const Sizes[] = {"Zero-space ", "One-space ", "Two-space ", "Three-space "};
        for (const QChar C : Count)
            if (C.isDigit()) {
                const int Digit = C.digitValue();
                return Digit <= 3 ? QLatin1String(Sizes[Digit]) : QStringLiteral("-space ");
            }
        return QString();
    }
    return FindWordAndRemove(Item, QStringLiteral("Zero-space")) ? QStringLiteral("Zero-space ") : QString();
}

// The first row of the sorted table of the wanted kind whose key the item
// holds (the plural first when the count is not one); the key leaves the item.
QString FindByKey(QString& Item, bool Equipment, const QString& Count)
{
    SortSearchTable(false);
    for (const TSearchFor& Row : SortedSearchTable) {
        if (Row.IsEquipment != Equipment)
            continue;
        if (Count != QLatin1String("1") && FindAndRemove(Item, Row.Key + QLatin1Char('S')))
            return Row.Name;
        if (FindAndRemove(Item, Row.Key))
            return Row.Name;
    }
    return QString();
}

QString FindWeaponByAbbrev(QString& Item)
{
    ResetSearchFlags(false);
    SortSearchTable(true);
    for (const TSearchFor& Row : SortedSearchTable)
        if (!Row.IsEquipment && !Row.Abbrev.isEmpty() && FindWordAndRemove(Item, Row.Abbrev))
            return Row.Name;
    return QString();
}

QString TurretName(QString& Item, const QString& Count)
{
    const QString Size = ParseSpaces(Item, Count);
    const bool PopUp = FindWordAndRemove(Item, QStringLiteral("Pop-up"))
                       || FindWordAndRemove(Item, QStringLiteral("Popup"));
    return Size + (PopUp ? QStringLiteral("Pop-up ") : QString()) + QStringLiteral("Turret");
}

QString PodName(QString& Item, const QString& Count)
{
    QString E;
    if (FindWordAndRemove(Item, QStringLiteral("Rocket")))
        E = QStringLiteral("Rocket ");
    if (FindWordAndRemove(Item, QStringLiteral("side")))
        E = QStringLiteral("Side ") + E;
    if (FindWordAndRemove(Item, QStringLiteral("top")))
        E = QStringLiteral("Top ") + E;
    if (FindWordAndRemove(Item, QStringLiteral("rear")))
        E += QStringLiteral(" (rear)");
    QString Name = ParseSpaces(Item, Count) + QLatin1Char(' ') + E;
    if (const QString Points = FirstNumber(Item); !Points.isEmpty())
        Name += QStringLiteral(" (") + Points + QStringLiteral(" pt)");
    return Name + QStringLiteral(" EWP");
}

QString CountPrefix(const QString& Count, bool ZeroToo)
{
    if (Count.isEmpty() || Count == QLatin1String("1") || (ZeroToo && Count == QLatin1String("0")))
        return QString();
    return Count + QStringLiteral("x ");
}

void ParseWeaponItems(QString& S, QStringList& WeaponLines, QStringList& EquipmentLines)
{
    QStringList Leftovers;
    QString LastLocation;
    S = TrimSeparators(S);
    for (;;) {
        int At = 1;
        const QString Untouched = NextItem(S, At, false).trimmed();
        if (Untouched.isEmpty())
            break;
        const qsizetype Where = S.indexOf(Untouched);
        if (Where < 0)
            break;
        S.remove(Where, Untouched.size());

        QString Item = Untouched;
        TWeaponItem W;
        // A list such as back: FT, MD places every weapon after the
        // location word there, up to the next location word.
        W.Location = ParseLocation(Item);
        if (W.Location.isEmpty())
            W.Location = LastLocation;
        else
            LastLocation = W.Location;
        W.Count = ParseCount(Item);
        W.Ammo = ParseAmmo(Item);
        W.ExtraAmmo = ParseExtraMagazine(Item);
        W.HRSWC = ParseHRSWC(Item);
        W.SWC = ParseSWC(Item);

        if (Holds(AnsiUpper(Item), "BUMPER TRIGGER")) {
            if (W.Count == QLatin1String("2")) {
                EquipmentLines << QStringLiteral("Bumper Trigger Front") << QStringLiteral("Bumper Trigger Back");
            } else {
                EquipmentLines << (W.Location == QLatin1String("back: ") ? QStringLiteral("Bumper Trigger Back")
                                                                          : QStringLiteral("Bumper Trigger Front"));
            }
            continue;
        }

        QString Weapon = FindByKey(Item, false, W.Count);
        QString Accessory;
        QString Bracket;
        if (Weapon.isEmpty()) {
            if (FindWordAndRemove(Item, QStringLiteral("Turret"))) {
                Accessory = TurretName(Item, W.Count);
            } else if (FindWordAndRemove(Item, QStringLiteral("EWP"))) {
                Accessory = PodName(Item, W.Count);
            } else if (FindWordAndRemove(Item, QStringLiteral("Rocket Platform"))) {
                Accessory = ParseSpaces(Item, W.Count) + QStringLiteral(" Rocket Platform ");
            } else {
                Accessory = FindByKey(Item, true, W.Count);
                // A bracket that held only a location word, as in
                // Bumper Spikes (front), is the accessory's note all the same.
                if (!Accessory.isEmpty()) {
                    Bracket = TextInBrackets(Item);
                    if (Bracket.isEmpty())
                        Bracket = TextInBrackets(Untouched);
                }
            }
        }
        if (Weapon.isEmpty() && Accessory.isEmpty())
            Weapon = FindWeaponByAbbrev(Item);

        // Laser options of an accessory item have no weapon to go with.
        if (!Item.isEmpty() && Accessory.isEmpty()) {
            const bool IR = FirstRemoved(Item, {"Infrared", "Infra-red", "IR"}, true) >= 0;
            const bool Pulse = FirstRemoved(Item, {"Pulse", "P"}, true) >= 0;
            const QString Options = QString(IR ? QStringLiteral(" (IR)") : QString())
                                    + (Pulse ? QStringLiteral(" (Pulse)") : QString());
            if (!Weapon.isEmpty())
                Weapon += Options;
            else if (!WeaponLines.isEmpty())
                WeaponLines.last() += Options;
        }

        if (!Weapon.isEmpty()) {
            QString Line = (W.Location.isEmpty() ? QStringLiteral("front: ") : W.Location) + QLatin1Char(' ')
                           + CountPrefix(W.Count, false) + Weapon;
            if (!W.Ammo.isEmpty())
                Line += QStringLiteral(" (Ammo: ") + W.Ammo + QLatin1Char(')');
            if (W.ExtraAmmo)
                Line += QStringLiteral(" (+Ammo)");
            if (W.HRSWC)
                Line += QStringLiteral(" (+HRSWC)");
            if (W.SWC)
                Line += QStringLiteral(" (+SWC)");
            WeaponLines << Line;
            if (const QString Rest = Item.trimmed(); !Rest.isEmpty())
                Leftovers << Rest;
        } else if (!Accessory.isEmpty()) {
            EquipmentLines << CountPrefix(W.Count, true) + Accessory
                                  + (Bracket.isEmpty() ? QString() : QStringLiteral(" (") + Bracket + QLatin1Char(')'));
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
                Consumed = W.SWC || W.HRSWC || !W.Ammo.isEmpty() || W.ExtraAmmo;
            }
            if (!Consumed)
                Leftovers << Untouched;
        }
    }
    const QString Rest = TrimSeparators(Leftovers.join(LineBreak));
    S = TrimSeparators(S);
    if (!Rest.isEmpty())
        S = S.isEmpty() ? Rest : S + LineBreak + Rest;
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
