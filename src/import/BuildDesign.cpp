#include "import/BuildDesign.h"

#include "import/ClaimedFigures.h"
#include "import/ImportTarget.h"
#include "import/TextSearch.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "model/Vehicle.h"
#include "model/VehicleFigures.h"
#include "platform/Errors.h"
#include "platform/Format.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

constexpr int ToEnd = std::numeric_limits<int>::max();

// More copies than any design could carry are a typing error; the limit
// keeps such a line from running for ever.
constexpr int MaxImportCount = 100;

QStringList LinesOf(const QString& Value)
{
    return ReplaceLineBreaks(Value, QStringLiteral("\n")).split(QLatin1Char('\n'));
}

bool StartsWithDigit(const QString& S)
{
    return !S.isEmpty() && S[0] >= QLatin1Char('0') && S[0] <= QLatin1Char('9');
}

// "2x Name": the count before the X, and Line continues after it; 1 when
// the line carries no count.
int TakeCount(QString& Line)
{
    Line = Line.trimmed();
    const int X = Pos(QStringLiteral("X"), AnsiUpper(Line));
    if (!StartsWithDigit(Line) || X == 0)
        return 1;
    const int Count = CleanStrToInt(Copy(Line, 1, X - 1));
    Line = Copy(Line, X + 1, ToEnd).trimmed();
    return std::min(Count, MaxImportCount);
}

// The count written with the keyword in its list item ("2x N2O", "3
// Improved Supercharger Capacitors"): a number standing as a word of its own
// before the keyword, 1 when there is none. Digits inside a word (the 2 of
// N2O) are no count.
int CountBefore(const QString& U, const QString& Key)
{
    const int P = Pos(Key, U);
    int From = P - 1;
    while (From > 0 && U[From - 1] != QLatin1Char(',') && U[From - 1] != QLatin1Char('('))
        --From;
    const QString Count = OwnNumber(U.mid(From, P - 1 - From));
    return Count.isEmpty() ? 1 : std::min(CleanStrToInt(Count), MaxImportCount);
}

// The first row, in table order, whose name stands in U as a whole word
// (removed from U); row 0 when none does.
template <typename TItem>
QString RowNamedIn(QString& U, const QVector<TItem>& Items)
{
    for (const TItem& Item : Items)
        if (!Item.Name.isEmpty() && FindWordAndRemove(U, Item.Name))
            return Item.Name;
    return Items.isEmpty() ? QString() : Items[0].Name;
}

// Applies a name lookup only when it finds the name, so that an unknown name
// keeps the new design's part.
template <typename TItem>
void SetFound(bool (*Find)(const QString&, TItem&), const QString& Name, TItem& Field)
{
    TItem Item;
    if (Find(Name.trimmed(), Item))
        Field = Item;
}

// "a/b" gives metal a and plastic b; a single value goes to the kind's side.
void SplitArmorPair(const QString& Value, bool Metal, int& PlasticSide, int& MetalSide)
{
    PlasticSide = 0;
    MetalSide = 0;
    const int Slash = Pos(QStringLiteral("/"), Value);
    if (Slash > 0) {
        MetalSide = CleanStrToInt(Copy(Value, 1, Slash - 1));
        PlasticSide = CleanStrToInt(Copy(Value, Slash + 1, ToEnd));
    } else if (Metal) {
        MetalSide = CleanStrToInt(Value);
    } else {
        PlasticSide = CleanStrToInt(Value);
    }
}

QString ArmorValueAfterLetter(const QString& S, QChar Letter)
{
    const int P = Pos(QString(Letter), S);
    if (P == 0)
        return QStringLiteral("0");
    QString Rest = Copy(S, P + 1, ToEnd);
    const int Comma = Pos(QStringLiteral(","), Rest);
    if (Comma > 0)
        Rest = Copy(Rest, 1, Comma - 1);
    return Rest.isEmpty() ? QStringLiteral("0") : Rest;
}

TLocation WeaponLocation(QString& Line)
{
    struct TPlace {
        const char* Word;
        TLocation Location;
    };
    // Top and under weapons sit where the rest of the program can take them:
    // on the roof in the turret, under the body at the back with the dropped
    // weapons.
    static const TPlace Places[] = {
        {"rocket platform:", locRocketPlatform},
        {"FRONT:", locFront},
        {"LEFT:", locLeft},
        {"RIGHT:", locRight},
        {"BACK:", locBack},
        {"TOP:", locTurret},
        {"UNDER:", locBack},
        {"TURRET:", locTurret},
        {"PLATFORM:", locRocketPlatform},
        {"EWP:", locEWP},
    };
    for (const TPlace& Place : Places)
        if (FindWordAndRemove(Line, QLatin1String(Place.Word)))
            return Place.Location;
    return locFront;
}

template <typename TItem>
const TItem* RowWithName(const QVector<TItem>& Items, const QString& Name)
{
    const QString Wanted = AnsiUpper(Name.trimmed());
    for (const TItem& Item : Items)
        if (AnsiUpper(Item.Name) == Wanted)
            return &Item;
    return nullptr;
}

// A claimed figure that is no number in range is compared with nothing; its
// line is shown to the user as not understood.
void ReadClaim(int& Claim, TClaims& Claims, const QString& Key, const QString& Value)
{
    try {
        Claim = ClaimValue(Value);
    } catch (const EConvertError&) {
        Claims.NotUnderstood << Key + LinesOf(Value).first();
    }
}

// The lines of a multi-part item whose counts the import does not take
// whole (more than MaxImportCount): each is shown to the user, as a claim
// not understood is, while the design gets the most it takes.
void NoteCutCounts(TClaims& Claims, const QString& Key, const QString& Value)
{
    static const char* const EngineCounts[] = {"N2O", "GAL", "IMPROVED SUPERCHARGER"};
    const bool Listed = Key == QLatin1String("* Weapons: ") || Key == QLatin1String("* Equipment: ");
    if (!Listed && Key != QLatin1String("* Engine: "))
        return;
    for (const QString& Line : LinesOf(Value)) {
        const QString U = AnsiUpper(Line.trimmed());
        QStringList Counts;
        // A weapon's count follows its place ("back:  3x").
        static const QRegularExpression Listing(QStringLiteral("^(?:[A-Z ]+:\\s*)?(\\d+)\\s*X"));
        if (const QRegularExpressionMatch M = Listing.match(U); Listed && M.hasMatch())
            Counts << M.captured(1);
        // An engine's count stands right before its keyword ("3x N2O").
        for (const char* Keyword : EngineCounts)
            if (!Listed)
                if (const QRegularExpressionMatch M =
                        QRegularExpression(QStringLiteral("(\\d+)\\s*X?\\s+") + QLatin1String(Keyword)).match(U);
                    M.hasMatch())
                    Counts << M.captured(1);
        for (const QString& Count : Counts) {
            bool Number = false;
            const qlonglong N = TrimSeparators(Count).toLongLong(&Number);
            if (Number && N > MaxImportCount && N <= std::numeric_limits<int>::max())
                Claims.Cut << Key + Line.trimmed();
        }
    }
}

void ProcessItem(TVehicle& V, TImportTarget& Main, TClaims& Claims, const QString& Key, const QString& Value)
{
    NoteCutCounts(Claims, Key, Value);
    if (Key == QLatin1String("* Name: "))
        V.Name = Value;
    else if (Key == QLatin1String("* Author: "))
        V.Author = Value;
    else if (Key == QLatin1String("* Description: "))
        V.Comment = Value;
    else if (Key == QLatin1String("* Type: "))
        SetFound(FindBodyType, Value, V.Body);
    else if (Key == QLatin1String("* Chassis: "))
        SetFound(FindChassisType, Value, V.Chassis);
    else if (Key == QLatin1String("* Six-wheeled "))
        // "(3 axis)" or "(three axles)" after the flag.
        V.Axis = Pos(QStringLiteral("3"), Value) > 0 || PosText(QStringLiteral("three"), Value) > 0 ? wl6Wheels3Axis
                                                                                                   : wl6Wheels2Axis;
    else if (Key == QLatin1String("* Streamlined "))
        V.Streamlined = true;
    else if (Key == QLatin1String("* Rollcage "))
        V.Rollcage = true;
    else if (Key == QLatin1String("* CA-Frame "))
        V.CAFrame = true;
    else if (Key == QLatin1String("* Suspension: "))
        SetFound(FindSuspensionType, Value, V.Suspension);
    else if (Key == QLatin1String("* Tires: "))
        ApplyTires(V, Value);
    else if (Key == QLatin1String("* Crew: "))
        ApplyCrew(V, Value);
    else if (Key == QLatin1String("* Wheelguards: "))
        ApplyWheelguards(V, Value);
    else if (Key == QLatin1String("* Hubcaps: "))
        ApplyHubcaps(V, Value);
    else if (Key == QLatin1String("* Armor: "))
        ApplyArmor(V, Value);
    else if (Key == QLatin1String("* Engine: "))
        ApplyEngine(V, Value);
    else if (Key == QLatin1String("* Weapons: "))
        ApplyWeapons(V, Main, Value);
    else if (Key == QLatin1String("* Equipment: "))
        ApplyEquipment(V, Value);
    else if (Key == QLatin1String("* Acceleration: "))
        ReadClaim(Claims.Acceleration, Claims, Key, Value);
    else if (Key == QLatin1String("* Speed: "))
        ReadClaim(Claims.Speed, Claims, Key, Value);
    else if (Key == QLatin1String("* HC: "))
        ReadClaim(Claims.HC, Claims, Key, Value);
    else if (Key == QLatin1String("* Weight: "))
        ReadClaim(Claims.Weight, Claims, Key, Value);
    else if (Key == QLatin1String("* Cost: "))
        ReadClaim(Claims.Cost, Claims, Key, Value);
}

// One item of the result text: its key and its value with the continuation
// lines.
struct TResultItem {
    QString Key;
    QString Value;
};

QVector<TResultItem> ResultItems(const QStringList& ResultLines)
{
    QVector<TResultItem> Items;
    for (QString Line : ResultLines) {
        if (Line.endsWith(QLatin1Char('\r')))
            Line.chop(1);
        if (Line.isEmpty() || Line.startsWith(QLatin1Char('#')))
            continue;
        if (!Line.startsWith(QLatin1Char('*'))) {
            if (!Items.isEmpty())
                Items.last().Value += LineBreak + Line;
            continue;
        }
        TResultItem Item;
        SplitResultLine(Line, Item.Key);
        Item.Value = Line;
        if (!Item.Key.isEmpty())
            FindWordAndRemove(Item.Value, Item.Key);
        Items.append(Item);
    }
    return Items;
}

// Every item but the one numbered Skip.
void ReadItems(const QVector<TResultItem>& Items, TVehicle& V, TImportTarget& Main, TClaims& Claims,
               qsizetype Skip = -1)
{
    for (qsizetype I = 0; I < Items.size(); ++I)
        if (I != Skip)
            ProcessItem(V, Main, Claims, Items[I].Key, Items[I].Value);
}

// The main window's part while the result is tried on a design of its own.
class TTrialTarget final : public TImportTarget
{
    TVehicle& FVehicle;

public:
    explicit TTrialTarget(TVehicle& V) : FVehicle(V) {}
    TVehicle& Vehicle() const override { return FVehicle; }
    void FileNew() override {}
    void AddWeaponToList(const TWeaponType&, int, QString&, TLocation) override {}
    void LoadGUI() override {}
    void RecalcVehicle(bool) override {}
    void HandleEWPArmor() override {}
    void HandleRocketVis() override {}
};

// A design of its own for a trial build, with the main window's part and the
// claims.
struct TTrial {
    TVehicle V;
    TTrialTarget Main{V};
    TClaims Claims;
};

QString RefusalText(const QString& What)
{
    return Format(QStringLiteral("Nothing was imported: %s. The design that was open stays open."), {What});
}

// The result line of an item that fails: the first of its lines that fails
// alone, else its key line.
QString FailingLine(const TResultItem& Item)
{
    const QStringList Lines = LinesOf(Item.Value);
    for (qsizetype I = 0; I < Lines.size(); ++I) {
        TTrial Trial;
        try {
            ProcessItem(Trial.V, Trial.Main, Trial.Claims, Item.Key, Lines[I]);
        } catch (const EError&) {
            return I == 0 ? Item.Key + Lines[I] : Lines[I];
        }
    }
    return Item.Key + Lines.first();
}

// Why the figures of the tried design cannot be computed, with the item
// without which they can, when one alone does.
QString FiguresRefusal(const QVector<TResultItem>& Items, const EError& Error)
{
    QString What = QStringLiteral("the design's figures cannot be computed (") + Error.Message() + QLatin1Char(')');
    // The line to blame is the one whose value overflows: the lines with the
    // longest numbers are tried first, those without a number (a body's
    // name, which only scales the others) last.
    const auto LongestNumber = [](const QString& Value) {
        qsizetype Longest = 0;
        qsizetype Run = 0;
        for (const QChar C : Value) {
            Run = C.isDigit() ? Run + 1 : 0;
            Longest = std::max(Longest, Run);
        }
        return Longest;
    };
    QVector<qsizetype> Order;
    for (qsizetype I = 0; I < Items.size(); ++I)
        Order << I;
    std::stable_sort(Order.begin(), Order.end(), [&](qsizetype A, qsizetype B) {
        return LongestNumber(Items[A].Value) > LongestNumber(Items[B].Value);
    });
    for (const qsizetype I : Order) {
        TTrial Without;
        try {
            ReadItems(Items, Without.V, Without.Main, Without.Claims, I);
            ComputeFigures(Without.V);
        } catch (const EError&) {
            continue;
        }
        What += QStringLiteral(" with the result line \"") + Items[I].Key + LinesOf(Items[I].Value).first()
                + QLatin1Char('"');
        break;
    }
    return RefusalText(What);
}

// Builds the result on a design of its own and computes its figures first,
// so that a result that cannot become a design fails before the open design
// is touched, saying in which line.
void TryResult(const QVector<TResultItem>& Items)
{
    TTrial Trial;
    for (const TResultItem& Item : Items) {
        try {
            ProcessItem(Trial.V, Trial.Main, Trial.Claims, Item.Key, Item.Value);
        } catch (const EConvertError& e) {
            throw EConvertError(RefusalText(e.Message() + QStringLiteral(" in the result line \"") + FailingLine(Item)
                                            + QLatin1Char('"')));
        } catch (const ERangeError& e) {
            throw ERangeError(RefusalText(e.Message()));
        }
    }
    try {
        ComputeFigures(Trial.V);
    } catch (const EOverflow& e) {
        throw EOverflow(FiguresRefusal(Items, e));
    } catch (const EError& e) {
        throw EConvertError(FiguresRefusal(Items, e));
    }
}

} // namespace

void SplitResultLine(QString& Line, QString& Key)
{
    Key.clear();
    if (Line.isEmpty())
        return;
    if (Line.startsWith(QLatin1Char('#'))) {
        Key = QStringLiteral("Error");
        return;
    }
    if (!Line.startsWith(QLatin1Char('*')) || Line.size() < 3)
        return;
    const qsizetype Blank = Line.indexOf(QLatin1Char(' '), 2);
    if (Blank < 0)
        return;
    Key = Line.left(Blank + 1);
    Line = Line.mid(Blank + 1);
}

void ApplyTires(TVehicle& V, const QString& Value)
{
    for (const QString& Line : LinesOf(AnsiUpper(Value))) {
        const auto Holds = [&Line](const char* Text) { return Pos(QLatin1String(Text), Line) > 0; };
        // The tire kind is the first of the rules' kinds whose name the line
        // holds as a word of its own, else Standard.
        QString Name = QStringLiteral("Standard");
        for (const TTireType& Kind : TireTypes.Items)
            if (Kind.Name != Name && PosOfWord(AnsiUpper(Kind.Name), Line) > 0) {
                Name = Kind.Name;
                break;
            }
        TTireType Tire;
        if (!FindTireType(Name, Tire))
            continue;
        Tire.Radial = Holds("RADIAL");
        Tire.OffRoad = Holds("OFF-ROAD");
        Tire.Racing = Holds("RACING");
        Tire.Steelbelt = Holds("STEELBELTED");
        Tire.Fireproof = Holds("FIREPROOF");
        if (Holds("FRONT & REAR")) {
            V.TiresFront = Tire;
            V.TiresRear = Tire;
            return;
        }
        if (Holds("REAR"))
            V.TiresRear = Tire;
        else
            V.TiresFront = Tire;
    }
}

void ApplyCrew(TVehicle& V, const QString& Value)
{
    TCrewTypes Crew{};
    for (QString Line : LinesOf(AnsiUpper(Value))) {
        TCrewType Seat;
        Seat.ImprovedBodyArmor = FindAndRemove(Line, QStringLiteral("Improved Body Armor"));
        Seat.BodyArmor = FindAndRemove(Line, QStringLiteral("Body Armor"));
        Seat.ImpactArmor = FindAndRemove(Line, QStringLiteral("Impact Armor"));
        Seat.GasMask = FindAndRemove(Line, QStringLiteral("Gas Mask"));
        Seat.PFE = FindAndRemove(Line, QStringLiteral("Portable Fire Extinguisher"));
        Seat.ITC = FindAndRemove(Line, QStringLiteral("High-Res Targeting Computer"));
        Seat.TC = FindAndRemove(Line, QStringLiteral("Targeting Computer"));
        Seat.Seat = true;
        ReadComponentArmor(Line, Seat.CA, Seat.CA_FP);
        // The hand weapon is any one of the listed names after the seat's
        // label, wherever the gear names left it in the list.
        const int Colon = Pos(QStringLiteral(":"), Line);
        for (const QString& Item : Copy(Line, Colon + 1, ToEnd).split(QLatin1Char(','))) {
            const QString Wanted = TrimSeparators(Item);
            if (const THandGunType* Gun = RowWithName(HandGunTypes.Items, Wanted); Gun && !Wanted.isEmpty()) {
                Seat.HandGun = Gun->Name;
                break;
            }
        }
        if (Pos(QStringLiteral("DRIVER AND GUNNER"), Line) > 0) {
            Crew[0] = Seat;
            Crew[1] = Seat;
            break;
        }
        Crew[Pos(QStringLiteral("GUNNER"), Line) > 0 ? 1 : 0] = Seat;
    }
    // Every design has its driver, as the design file has it.
    Crew[0].Seat = true;
    V.Crew = Crew;
}

namespace {

void ApplyGuardPoints(const QString& Value, int& Front, int& Rear)
{
    const QString U = AnsiUpper(Value);
    const QString N = FirstNumber(U);
    if (N.isEmpty())
        return;
    const int Points = CleanStrToInt(N);
    if (Pos(QStringLiteral("FRONT & REAR"), U) > 0) {
        Front = Points;
        Rear = Points;
    } else if (Pos(QStringLiteral("REAR"), U) > 0) {
        Rear = Points;
    } else {
        Front = Points;
    }
}

} // namespace

void ApplyWheelguards(TVehicle& V, const QString& Value)
{
    ApplyGuardPoints(Value, V.GuardsFront, V.GuardsRear);
}

void ApplyHubcaps(TVehicle& V, const QString& Value)
{
    ApplyGuardPoints(Value, V.HubsFront, V.HubsRear);
}

void ApplyArmor(TVehicle& V, const QString& Value)
{
    QString U = AnsiUpper(Value);
    const bool Metal = FindAndRemove(U, QStringLiteral("Metal"));
    if (!Metal)
        FindAndRemove(U, QStringLiteral("Composite"));
    TArmor A = V.Armor;
    V.Sloped = FindAndRemove(U, QStringLiteral("Sloped"));
    A.FP = FindAndRemove(U, QStringLiteral("Fireproof"));
    A.LR = FindAndRemove(U, QStringLiteral("Reflective"));
    U = Copy(U, Pos(QStringLiteral(":"), U) + 1, ToEnd);
    const auto Side = [&U, Metal](char Letter, int& Plastic, int& MetalSide) {
        SplitArmorPair(ArmorValueAfterLetter(U, QLatin1Char(Letter)), Metal, Plastic, MetalSide);
    };
    Side('F', A.Front, A.FrontM);
    Side('L', A.Left, A.LeftM);
    Side('R', A.Right, A.RightM);
    Side('B', A.Back, A.BackM);
    Side('T', A.Top, A.TopM);
    Side('U', A.Bottom, A.BottomM);
    V.Armor = A;
}

void ApplyEngine(TVehicle& V, const QString& Value)
{
    QString U = AnsiUpper(Value);
    if (Pos(QStringLiteral("CID"), U) > 0) {
        TGEngineType Engine;
        if (!FindGEngineType(RowNamedIn(U, GEngineTypes.Items), Engine))
            return;
        Engine.MC = FindAndRemove(U, QStringLiteral("Multibarrel Carburetor"));
        Engine.C = FindAndRemove(U, QStringLiteral("Carburetor"));
        Engine.TH = FindAndRemove(U, QStringLiteral("Tubular Headers"));
        Engine.BP = FindAndRemove(U, QStringLiteral("Blueprinting"));
        Engine.VTC = FindAndRemove(U, QStringLiteral("VP Turbocharger"));
        Engine.TC = FindAndRemove(U, QStringLiteral("Turbocharger"));
        Engine.SC = FindAndRemove(U, QStringLiteral("Supercharger"));
        if (Pos(QStringLiteral("N2O"), U) > 0)
            Engine.NO = CountBefore(U, QStringLiteral("N2O"));
        TGasTankType Tank;
        if (FindGasTankType(RowNamedIn(U, GasTankTypes.Items), Tank))
            V.GasTank = Tank;
        if (Pos(QStringLiteral("GAL"), U) > 0)
            V.TankSize = CountBefore(U, QStringLiteral("GAL"));
        V.GasEngine = Engine;
        return;
    }
    int ArmorPoints = 0;
    bool ArmorFireproof = false;
    ReadComponentArmor(U, ArmorPoints, ArmorFireproof);
    TakeComponentArmor(U);
    TCEngineType Plant;
    if (!FindCEngineType(RowNamedIn(U, CEngineTypes.Items), Plant))
        return;
    V.EngineCA = ArmorPoints;
    V.EngineCA_FP = ArmorFireproof;
    Plant.PC = FindAndRemove(U, QStringLiteral("Platinum Catalyst"));
    Plant.SC = FindAndRemove(U, QStringLiteral("Superconductors"));
    Plant.EPC = FindAndRemove(U, QStringLiteral("Extra Power Cells"));
    if (Pos(QStringLiteral("IMPROVED SUPERCHARGER"), U) > 0)
        Plant.ISC = CountBefore(U, QStringLiteral("IMPROVED SUPERCHARGER"));
    V.PowerCellEngine = Plant;
}

void ApplyWeapons(TVehicle& V, TImportTarget& Main, const QString& Value)
{
    QString Text = Value;
    if (Text.startsWith(LineBreak))
        Text.remove(0, LineBreak.size());
    else if (Text.startsWith(QLatin1Char('\n')))
        Text.remove(0, 1);
    if (Text.isEmpty())
        return;
    static const QRegularExpression SomeMagazines(QStringLiteral("\\(\\+\\s*(\\d{1,6})\\s*AMMO\\)"),
                                                  QRegularExpression::CaseInsensitiveOption);
    for (QString Line : LinesOf(Text)) {
        const TLocation Location = WeaponLocation(Line);
        int CA = 0;
        bool CA_FP = false;
        ReadComponentArmor(Line, CA, CA_FP);
        TakeComponentArmor(Line);
        // "(+2 Ammo)": that many of the group carry an extra magazine;
        // "(+Ammo)" every one of them.
        int Magazines = -1;
        if (const QRegularExpressionMatch M = SomeMagazines.match(Line); M.hasMatch()) {
            Magazines = M.captured(1).toInt();
            Line.remove(M.capturedStart(), M.capturedLength());
        }
        const bool ExtraAmmo = FindWordAndRemove(Line, QStringLiteral("(+AMMO)"));
        const bool IR = FindWordAndRemove(Line, QStringLiteral("(IR)"));
        const bool Pulse = FindWordAndRemove(Line, QStringLiteral("(PULSE)"));
        const bool HRSWC = FindWordAndRemove(Line, QStringLiteral("(+HRSWC)"));
        const bool SWC = FindWordAndRemove(Line, QStringLiteral("(+SWC)"));
        QString Ammo;
        const int AmmoAt = PosText(QStringLiteral("(AMMO:"), Line);
        if (AmmoAt > 0) {
            Ammo = Copy(Line, AmmoAt, ToEnd);
            Line = Copy(Line, 1, AmmoAt - 1);
            Ammo.remove(0, 6);
            if (const qsizetype Close = Ammo.indexOf(QLatin1Char(')')); Close >= 0)
                Ammo.remove(Close, 1);
        }
        const int Count = TakeCount(Line);
        const TWeaponType* Row = RowWithName(WeaponTypes.Items, Line);
        // A name the rules table does not hold adds nothing: no weapon is guessed.
        if (!Row)
            continue;
        TWeaponType Weapon = *Row;
        Weapon.Location = Location;
        Weapon.LaserIR = IR;
        Weapon.LaserPulse = Pulse;
        Weapon.SWC = SWC;
        Weapon.HRSWC = HRSWC;
        Weapon.CA = CA;
        Weapon.CA_FP = CA_FP;
        // One load for the group, or one per weapon ("AP, -": the second
        // with its plain load). The "-" of a plain load is a load of its own,
        // not a separator to trim away.
        QStringList Loads;
        for (const QString& Piece : Ammo.split(QLatin1Char(','))) {
            const QString Load = Piece.trimmed();
            Loads << (Load == QLatin1String("-") ? Load : TrimSeparators(Load));
        }
        for (int i = 0; i < Count; ++i) {
            const QString Load = Loads.size() > 1 ? (i < Loads.size() ? Loads[i] : QString()) : Loads.first();
            Weapon.Ammo = Load == QLatin1String("-") || Load.isEmpty() ? Row->Ammo : Load;
            Weapon.ExtraAmmo = Magazines >= 0 ? i < Magazines : ExtraAmmo;
            if (V.WeaponCount() >= MostDesignWeapons)
                throw ERangeError(QStringLiteral("the text holds more than %1 weapons, the most an import adds")
                                      .arg(MostDesignWeapons));
            int Index = 0;
            const int Serial = V.AddWeapon(Weapon, Index);
            QString LocationText;
            Main.AddWeaponToList(Weapon, Serial, LocationText, Location);
        }
    }
}

void ApplyEquipment(TVehicle& V, const QString& Value)
{
    QString Text = Value;
    if (Text.startsWith(LineBreak))
        Text.remove(0, LineBreak.size());
    else if (Text.startsWith(QLatin1Char('\n')))
        Text.remove(0, 1);
    if (Text.isEmpty())
        return;
    for (QString Line : LinesOf(Text)) {
        if (FindWordAndRemove(Line, QStringLiteral("Turret"))) {
            if (const int Kind = TurretKindFromText(Line); Kind != 0) {
                V.Turret = Kind;
                continue;
            }
        }
        if (FindWordAndRemove(Line, QStringLiteral("EWP"))) {
            QString Pod = Line;
            const bool Rocket = FindWordAndRemove(Pod, QStringLiteral("Rocket"));
            if (const int Kind = EWPKindFromText(Pod); Kind != 0) {
                V.EWPR = Rocket;
                V.EWP = Kind;
                V.EWPFF = !FindWordAndRemove(Pod, QStringLiteral("(rear)"));
                // "(5 pt)": the pod's own armor.
                static const QRegularExpression PodArmor(QStringLiteral("\\((\\d{1,6}) pt\\)"));
                if (const QRegularExpressionMatch M = PodArmor.match(Pod); M.hasMatch())
                    V.Armor.EWP = CleanStrToInt(M.captured(1));
                continue;
            }
        }
        if (FindWordAndRemove(Line, QStringLiteral("Rocket Platform"))) {
            V.RocketPlatform = RocketPlatformSizeFromText(Line);
            continue;
        }
        const int Count = TakeCount(Line);
        const QString Bracket = TextInBrackets(Line);
        if (!Bracket.isEmpty())
            FindWordAndRemove(Line, QLatin1Char('(') + Bracket + QLatin1Char(')'));
        // A name the rules table does not hold installs nothing.
        if (const TEquipmentType* Row = RowWithName(EquipmentTypes.Items, Line))
            V.SetEquipment(Row->Nr, Count, Bracket);
    }
}

namespace {

// The first size text found (and removed), numbered from 1 in the order given.
int SizeFromText(QString& S, std::initializer_list<const char*> Sizes)
{
    int Size = 1;
    for (const char* Text : Sizes) {
        if (FindAndRemove(S, QLatin1String(Text)))
            return Size;
        ++Size;
    }
    return 0;
}

} // namespace

int TurretKindFromText(QString S)
{
    const int Size = SizeFromText(S, {"Zero-space", "One-Space", "Two-Space", "Three-Space"});
    if (Size <= 1)
        return Size;
    return 2 * Size - 2 + (FindAndRemove(S, QStringLiteral("Pop-up")) ? 1 : 0);
}

int EWPKindFromText(QString S)
{
    const int Size = SizeFromText(S, {"One-Space", "Two-Space", "Three-Space"});
    if (Size == 0)
        return 0;
    return 2 * Size - 1 + (FindAndRemove(S, QStringLiteral("Top")) ? 1 : 0);
}

int RocketPlatformSizeFromText(QString S)
{
    return SizeFromText(S, {"One-Space", "Two-Space", "Three-Space"});
}

QString AcceptImport(const QStringList& ResultLines, TImportTarget& Main)
{
    if (ResultLines.join(QString()).trimmed().isEmpty())
        return QString();
    const QVector<TResultItem> Items = ResultItems(ResultLines);
    TryResult(Items);
    Main.FileNew();
    GUILoading = true;
    TVehicle& V = Main.Vehicle();
    V.Author = QStringLiteral("<Imported>");
    TClaims Claims;
    try {
        ReadItems(Items, V, Main, Claims);
        Main.LoadGUI();
    } catch (...) {
        GUILoading = false;
        Main.RecalcVehicle(true);
        throw;
    }
    GUILoading = false;
    Main.RecalcVehicle(true);
    Main.HandleEWPArmor();
    Main.HandleRocketVis();
    return CompareClaims(V, Claims);
}
