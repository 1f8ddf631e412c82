#include "import/ClaimedFigures.h"

#include "import/TextSearch.h"
#include "model/Vehicle.h"
#include "platform/Format.h"

#include <QStringList>

#include <initializer_list>
#include <limits>

namespace {

// Position of the first keyword that occurs in U as a word of its own
// (never the "HC" of "Brushcutter"), 0 when none does.
int FirstKeyword(const QString& U, std::initializer_list<const char*> Keys)
{
    for (const char* Key : Keys) {
        const int P = PosOfWord(QLatin1String(Key), U);
        if (P > 0)
            return P;
    }
    return 0;
}

constexpr int ToEnd = std::numeric_limits<int>::max();

// The word after the keyword at P (read from Skip characters further on);
// keyword, value and the separator after it leave the text.
QString CutWordAfter(QString& S, int P, int Skip)
{
    int After = P + Skip;
    const QString Value = NextWord(S, After);
    if (Value.isEmpty())
        return Value;
    S = TrimSeparators(Copy(S, 1, P - 1) + Copy(S, After, ToEnd));
    return Value;
}

bool IsDigit(QChar C)
{
    return C >= QLatin1Char('0') && C <= QLatin1Char('9');
}

} // namespace

QString ParseAcceleration(QString& S)
{
    const int P = FirstKeyword(AnsiUpper(S), {"ACCELERATION", "ACCEL,", "ACCEL:", "ACCEL "});
    return P > 0 ? CutWordAfter(S, P, 0) : QString();
}

QString ParseTopSpeed(QString& S)
{
    const int P = FirstKeyword(AnsiUpper(S), {"TOP SPEED", "MAX SPEED", "SPEED"});
    return P > 0 ? CutWordAfter(S, P, 4) : QString();
}

QString ParseHC(QString& S)
{
    const int P = FirstKeyword(AnsiUpper(S), {"HC:", "HC ", "HC"});
    return P > 0 ? CutWordAfter(S, P, 0) : QString();
}

QString ParseWeight(QString& S)
{
    const QString U = AnsiUpper(S);
    int P = Pos(QStringLiteral(" LBS"), U);
    if (P > 0) {
        ++P;
    } else {
        P = Pos(QStringLiteral("LBS"), U);
        if (P > 0) {
            // Glued to its number: read as if a blank stood between.
            if (P == 1 || !IsDigit(S[P - 2]))
                return QString();
            ++P;
        }
    }
    if (P > 0) {
        int Q = P;
        const QString Weight = AnsiUpper(PrevWord(S, Q, false));
        // A weight that opens the text has no separator before it to keep.
        if (Q == 2 && !QStringLiteral("\n\r ,:;.").contains(S[0]))
            Q = 1;
        S = Copy(S, 1, Q - 1) + Copy(S, P + 3, ToEnd);
        return Weight;
    }
    P = FirstKeyword(U, {"WEIGHT:", "WGT:"});
    return P > 0 ? AnsiUpper(CutWordAfter(S, P, 0)) : QString();
}

QString ParseCost(QString& S)
{
    // A "$" in a bracket belongs to an accessory's note ("Cargo Safe (holds
    // $500)"), not to the cost.
    const auto OutsideBrackets = [&S](const QString& Key) {
        int Depth = 0;
        for (qsizetype I = 0; I < S.size(); ++I) {
            if (S[I] == QLatin1Char('('))
                ++Depth;
            else if (S[I] == QLatin1Char(')') && Depth > 0)
                --Depth;
            else if (Depth == 0 && QStringView(S).mid(I).startsWith(Key))
                return int(I) + 1;
        }
        return 0;
    };
    int P = OutsideBrackets(QStringLiteral("$ "));
    const bool Spaced = P > 0;
    if (Spaced)
        ++P;
    else
        P = OutsideBrackets(QStringLiteral("$"));
    if (P == 0)
        return QString();
    const int Length = static_cast<int>(S.size());
    int Stop = P + 1;
    while (Stop < Length && IsDigit(S[Stop - 1]))
        ++Stop;
    if (Stop > Length)
        Stop = Length;
    QString Value = Copy(S, P, Stop - P + 1).trimmed();
    if (Value.startsWith(QLatin1Char('$')) && Value.size() > 1)
        Value.remove(0, 1);
    // The blank before "$ " goes with it; a glued "$" takes nothing before it.
    S = TrimSeparators(Copy(S, 1, P - (Spaced ? 3 : 1)) + Copy(S, Stop + 1, ToEnd));
    FindWordAndRemove(S, QStringLiteral("COST:"));
    FindWordAndRemove(S, QStringLiteral("COST"));
    return Value;
}

int ClaimValue(const QString& Value)
{
    const QString Number = FirstNumber(Value);
    const int Claim = CleanStrToInt(Number);
    // A minus sign that opens the number keeps it: "-1" is a handling class
    // of -1, as the stat block writes one.
    const qsizetype At = Number.isEmpty() ? -1 : Value.indexOf(Number);
    const bool Negative = At > 0 && Value[At - 1] == QLatin1Char('-')
                          && (At == 1 || !Value[At - 2].isLetterOrNumber());
    return Negative ? -Claim : Claim;
}

QString CompareClaims(TVehicle& Vehicle, const TClaims& Claims)
{
    // A list of its own, so that the main window's breakdowns stay as shown;
    // the weight report runs first because the acceleration reads its result.
    QStringList List;
    const int Weight = Vehicle.GetWeight(List);
    const int Cost = Vehicle.GetCost(List);
    const int Acceleration = Vehicle.GetAcceleration();
    const int Speed = Vehicle.GetTopSpeed();
    const int HC = Vehicle.GetHC();

    QString Report;
    const auto Whole = [&Report](const char* What, int Claim, int Calculated) {
        if (Claim != 0 && Claim != Calculated)
            Report += Format(QStringLiteral("Claimed %s: %d, calculated: %d (%d)"),
                             {What, Claim, Calculated, static_cast<long long>(Calculated) - Claim}) + LineBreak;
    };
    const auto Grouped = [&Report](const char* What, int Claim, int Calculated) {
        if (Claim != 0 && Claim != Calculated)
            Report += Format(QStringLiteral("Claimed %s: %.0n, calculated: %.0n (%.0n)"),
                             {What, double(Claim), double(Calculated), double(Calculated) - double(Claim)})
                      + LineBreak;
    };
    Whole("Acceleration", Claims.Acceleration, Acceleration);
    Whole("Speed", Claims.Speed, Speed);
    Whole("HC", Claims.HC, HC);
    Grouped("Weight", Claims.Weight, Weight);
    Grouped("Cost", Claims.Cost, Cost);
    for (const QString& Line : Claims.NotUnderstood)
        Report += QStringLiteral("Claim not understood: ") + Line + LineBreak;
    for (const QString& Line : Claims.Cut)
        Report += QStringLiteral("Count not taken whole: ") + Line + LineBreak;
    if (Report.isEmpty())
        return Report;
    return LineBreak + QStringLiteral("---") + LineBreak + Report;
}
