#include "import/TextSearch.h"

#include "platform/Numbers.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const QString TrimSet = QStringLiteral(" ,-.:;");
// The name, author and notes keep their full stops ("Mk. II", "arena.").
const QString TrimSetKeepingStops = QStringLiteral(" ,-:;");
const QString WordSeparators = QStringLiteral(" ,.:;");
const QString ItemEndSet = QStringLiteral("),.;");
const QString ItemStartSet = QStringLiteral("(,;");
const QString WordBoundarySet = QStringLiteral(" ()+,.;_");

// The character at a 1-based position; a null character outside the text,
// which belongs to no separator set.
QChar At(const QString& S, int I)
{
    return I >= 1 && I <= S.size() ? S[I - 1] : QChar();
}

bool In(QChar C, const QString& Set)
{
    return !C.isNull() && Set.contains(C);
}

bool IsDigit(QChar C)
{
    return C >= QLatin1Char('0') && C <= QLatin1Char('9');
}

// Leading and trailing characters up to and including the blank go, line
// breaks among them.
QString TrimBlanks(const QString& S)
{
    int First = 0;
    int Last = S.size() - 1;
    while (First <= Last && S[First].unicode() <= ' ')
        ++First;
    while (Last >= First && S[Last].unicode() <= ' ')
        --Last;
    return S.mid(First, Last - First + 1);
}

QChar UpperAscii(QChar C)
{
    return C >= QLatin1Char('a') && C <= QLatin1Char('z') ? QChar(C.unicode() - ('a' - 'A')) : C;
}

} // namespace

QString AnsiUpper(const QString& S)
{
    // A text without small letters is shared, not copied.
    if (std::none_of(S.cbegin(), S.cend(), [](QChar C) { return UpperAscii(C) != C; }))
        return S;
    QString Result = S;
    for (QChar& C : Result)
        C = UpperAscii(C);
    return Result;
}

int Pos(const QString& Sub, const QString& S)
{
    if (Sub.isEmpty())
        return 0;
    return S.indexOf(Sub) + 1;
}

namespace {



// The 0-based index of Sub in S at or after From, ignoring the case of ASCII
// letters; -1 when absent. It copies nothing: the recognisers search every
// item of a long text for every keyword of their tables.
qsizetype IndexOfText(QStringView S, QStringView Sub, qsizetype From = 0)
{
    const qsizetype N = Sub.size();
    if (N == 0)
        return -1;
    const QChar First = UpperAscii(Sub[0]);
    for (qsizetype I = qMax<qsizetype>(From, 0); I + N <= S.size(); ++I) {
        if (UpperAscii(S[I]) != First)
            continue;
        qsizetype J = 1;
        while (J < N && UpperAscii(S[I + J]) == UpperAscii(Sub[J]))
            ++J;
        if (J == N)
            return I;
    }
    return -1;
}

} // namespace

int PosText(const QString& Sub, const QString& S)
{
    return int(IndexOfText(S, Sub)) + 1;
}

QString Copy(const QString& S, int Index, int Count)
{
    if (Index < 1)
        Index = 1;
    if (Count < 1 || Index > S.size())
        return {};
    return S.mid(Index - 1, Count);
}

QString ReplaceText(const QString& S, const QString& From, const QString& To)
{
    if (From.isEmpty())
        return S;
    const QString U = AnsiUpper(S);
    const QString Key = AnsiUpper(From);
    QString Result;
    Result.reserve(S.size());
    qsizetype Start = 0;
    for (qsizetype P = U.indexOf(Key); P >= 0; P = U.indexOf(Key, Start)) {
        Result += QStringView(S).mid(Start, P - Start);
        Result += To;
        Start = P + Key.size();
    }
    Result += QStringView(S).mid(Start);
    return Result;
}

QString ReplaceLineBreaks(const QString& S, const QString& With)
{
    QString Result;
    Result.reserve(S.size());
    for (qsizetype I = 0; I < S.size(); ++I) {
        if (S[I] == QLatin1Char('\r') || S[I] == QLatin1Char('\n')) {
            if (S[I] == QLatin1Char('\r') && I + 1 < S.size() && S[I + 1] == QLatin1Char('\n'))
                ++I;
            Result += With;
        } else {
            Result += S[I];
        }
    }
    return Result;
}

QString TrimSeparators(const QString& S, bool KeepStops)
{
    const QString& Set = KeepStops ? TrimSetKeepingStops : TrimSet;
    QString Result = TrimBlanks(S);
    qsizetype First = 0;
    while (First < Result.size() && In(Result[First], Set))
        ++First;
    if (First == Result.size())
        return {};
    qsizetype Last = Result.size() - 1;
    while (Last > First && In(Result[Last], Set))
        --Last;
    return TrimBlanks(Result.mid(First, Last - First + 1));
}

QString CollapseSpaces(const QString& S)
{
    QString Result;
    Result.reserve(S.size());
    for (QChar C : S)
        if (!(C == QLatin1Char(' ') && !Result.isEmpty() && Result.back() == QLatin1Char(' ')))
            Result += C;
    return Result;
}

QString RemoveThousandsCommas(const QString& S)
{
    QString Result;
    Result.reserve(S.size());
    for (int I = 1; I <= S.size(); ++I) {
        const bool Drop = At(S, I) == QLatin1Char(',')
                          && (I == 1 || (IsDigit(At(S, I - 1)) && IsDigit(At(S, I + 1))));
        if (!Drop)
            Result += At(S, I);
    }
    return Result;
}

QString MarkAndWith(const QString& S)
{
    // Every change leaves the text's ends alone once it has been trimmed, so
    // the search goes on from the change instead of from the start: a long
    // text full of "and" stays quick.
    QString Text = S;
    bool Trimmed = false;
    const struct {
        QString Key;
        QString Marker;
    } Keywords[] = {{QStringLiteral(" AND "), QStringLiteral("*#A* ")},
                    {QStringLiteral(" WITH "), QStringLiteral("*#W* ")}};
    for (const auto& K : Keywords) {
        QString U = AnsiUpper(Text);
        qsizetype From = 0;
        for (qsizetype P = U.indexOf(K.Key); P >= 0; P = U.indexOf(K.Key, From)) {
            const qsizetype After = P + K.Key.size();
            if (After >= Text.size())
                return TrimSeparators(ReplaceText(ReplaceText(Text, QStringLiteral("*#A*"), QStringLiteral(" and ")),
                                                  QStringLiteral("*#W*"), QStringLiteral(" with ")));
            const QString& By = IsDigit(Text[After]) ? QStringLiteral(", ") : K.Marker;
            Text.replace(P, K.Key.size(), By);
            U.replace(P, K.Key.size(), By);
            // The replacement ends in a blank, which may start the next keyword.
            From = P + By.size() - 1;
            if (!Trimmed) {
                Trimmed = true;
                const QString T = TrimSeparators(Text);
                if (T != Text) {
                    Text = T;
                    U = AnsiUpper(Text);
                    From = 0;
                }
            }
        }
    }
    return TrimSeparators(ReplaceText(ReplaceText(Text, QStringLiteral("*#A*"), QStringLiteral(" and ")),
                                      QStringLiteral("*#W*"), QStringLiteral(" with ")));
}

bool CutInvalidMark(QString& S)
{
    // A mail program may wrap the mark's line right after "##", or put a tab
    // there.
    static const QRegularExpression Mark(QStringLiteral("##\\s+INVALID"), QRegularExpression::CaseInsensitiveOption);
    const qsizetype At = S.indexOf(Mark);
    if (At < 0)
        return false;
    S.truncate(At);
    return true;
}

QString FirstNumber(const QString& S)
{
    static const char* const Words[] = {"ONE ", "TWO ", "THREE ", "FOUR ", "FIVE ",
                                        "SIX ", "SEVEN ", "EIGHT ", "NINE ", "TEN "};
    for (int I = 0; I < 10; ++I)
        if (S.contains(QLatin1String(Words[I])))
            return QString::number(I + 1);
    qsizetype First = 0;
    while (First < S.size() && !IsDigit(S[First]))
        ++First;
    qsizetype Last = First;
    while (Last < S.size() && IsDigit(S[Last]))
        ++Last;
    return S.mid(First, Last - First);
}

QString OwnNumber(const QString& S)
{
    static const QRegularExpression Number(QStringLiteral("(?:^|[^A-Za-z0-9])(\\d+)[Xx]?(?![A-Za-z0-9])"));
    return Number.match(S).captured(1);
}

int CleanStrToInt(const QString& S)
{
    const QString T = TrimSeparators(S);
    return T.isEmpty() ? 0 : StrToInt(T);
}

int FindCharInSet(const QString& S, const QString& Set, int Start, int Step)
{
    if (S.isEmpty())
        return Start;
    for (int I = Start; I >= 1 && I <= S.size(); I += Step)
        if (In(UpperAscii(At(S, I)), Set))
            return I;
    return -1;
}

QString TextInBrackets(const QString& S)
{
    const qsizetype Open = S.indexOf(QLatin1Char('('));
    if (Open < 0)
        return {};
    const qsizetype Close = S.indexOf(QLatin1Char(')'), Open + 1);
    if (Close < 0)
        return {};
    return S.mid(Open + 1, Close - Open - 1);
}

QString NextWord(const QString& S, int& Pos)
{
    const int N = S.size();
    if (Pos >= N - 1)
        return {};
    int I = qMax(Pos, 1);
    while (I <= N && !In(At(S, I), WordSeparators))
        ++I;
    while (I <= N && In(At(S, I), WordSeparators))
        ++I;
    const int Start = I;
    while (I <= N && !In(At(S, I), WordSeparators))
        ++I;
    const QString Word = TrimBlanks(Copy(S, Start, I - Start));
    Pos = qMin(I + 1, N + 1);
    return Word;
}

QString PrevWord(const QString& S, int& Pos, bool KeepDot)
{
    const QString Separators = KeepDot ? QStringLiteral("\n\r ,:;") : QStringLiteral("\n\r ,:;.");
    int I = qMin(Pos - 1, int(S.size()));
    while (I > 1 && At(S, I) == QLatin1Char(' '))
        --I;
    if (I <= 0)
        return {};
    while (I > 1 && !In(At(S, I), Separators))
        --I;
    const QString Word = TrimBlanks(Copy(S, I, Pos - 1 - I));
    Pos = I + 1;
    return Word;
}

QString NextItem(const QString& S, int& Pos, bool SkipKeyword)
{
    const int N = S.size();
    if (Pos >= N - 1)
        return {};
    const auto EndsKeyword = [&](int I) { return At(S, I) == QLatin1Char(' ') || In(At(S, I), ItemEndSet); };
    int I = qMax(Pos, 1);
    if (SkipKeyword) {
        while (I <= N && !EndsKeyword(I))
            ++I;
    } else {
        while (I > 0 && !EndsKeyword(I))
            --I;
    }
    if (I >= N - 1) {
        // The item runs to the end: the cursor goes there, so that a caller
        // walking the items comes to an end.
        const QString Item = TrimBlanks(Copy(S, Pos, I - Pos + 1));
        Pos = I;
        return Item;
    }
    ++I;
    while (I <= N && In(At(S, I), ItemEndSet))
        ++I;
    const int Start = I;
    while (I < N && !In(At(S, I), ItemEndSet))
        ++I;
    Pos = I;
    return TrimBlanks(Copy(S, Start, I - Start + 1));
}

QString PrevItem(const QString& S, int& Pos, bool FromWordStart)
{
    if (Pos < 0)
        return {};
    int I = qMin(Pos, int(S.size()));
    if (FromWordStart)
        while (I > 0 && At(S, I) != QLatin1Char(' ') && !In(At(S, I), ItemStartSet))
            --I;
    if (I <= 1)
        return {};
    --I;
    while (I > 0 && In(At(S, I), ItemStartSet))
        --I;
    const int End = I;
    while (I > 0 && !In(At(S, I), ItemStartSet))
        --I;
    Pos = I;
    return TrimBlanks(Copy(S, I, End - qMax(I, 1) + 1));
}

QString RemoveKeyword(const QString& S, const QString& Key)
{
    const int P = PosText(Key, S);
    if (P == 0)
        return S;
    int Length = Key.size();
    if (At(S, P + Length) == QLatin1Char(','))
        ++Length;
    return QString(S).remove(P - 1, Length);
}

bool FindAndRemove(QString& S, const QString& Key)
{
    if (PosText(Key, S) == 0)
        return false;
    S = TrimSeparators(RemoveKeyword(S, Key));
    return true;
}

bool FindWordAndRemove(QString& S, const QString& Key)
{
    // The first occurrence that stands as a word: "L" in "Pulse L" is the
    // second one.
    for (qsizetype I = IndexOfText(S, Key); I >= 0; I = IndexOfText(S, Key, I + 1)) {
        const int P = int(I) + 1;
        const int After = P + int(Key.size());
        const bool StartsWord = P == 1 || In(At(S, P - 1), WordBoundarySet);
        const bool EndsWord = After > S.size() || In(At(S, After), WordBoundarySet);
        if (StartsWord && EndsWord) {
            S.remove(I, Key.size() + (At(S, After) == QLatin1Char(',') ? 1 : 0));
            S = TrimSeparators(S);
            return true;
        }
    }
    return false;
}

int PosOfWord(const QString& Key, const QString& S, qsizetype From)
{
    if (Key.isEmpty())
        return 0;
    const bool LetterEnd = Key.back().isLetter();
    const bool LetterStart = Key.front().isLetterOrNumber();
    for (qsizetype I = IndexOfText(S, Key, From); I >= 0; I = IndexOfText(S, Key, I + 1)) {
        const qsizetype After = I + Key.size();
        if (LetterStart && I > 0 && S[I - 1].isLetterOrNumber())
            continue;
        if (LetterEnd && After < S.size() && S[After].isLetter())
            continue;
        return int(I) + 1;
    }
    return 0;
}

bool HasWord(const QString& S, const QString& Key)
{
    QString Probe = S;
    return FindWordAndRemove(Probe, Key);
}

void StripLeadingChar(QString& S, const QString& Set)
{
    if (!S.isEmpty() && In(S[0], Set))
        S.remove(0, 1);
    S = TrimSeparators(S);
}

namespace {

const QRegularExpression& ComponentArmorPattern()
{
    static const QRegularExpression Pattern(
        QStringLiteral("\\(\\s*(\\d{1,6})\\s*-?\\s*(?:pts?|points?)\\s*(FP\\s*)?CA\\s*\\)"),
        QRegularExpression::CaseInsensitiveOption);
    return Pattern;
}

} // namespace

QString TakeComponentArmor(QString& S, qsizetype From, bool AtFrom)
{
    // Most items hold no bracket at all.
    if (!S.contains(QLatin1Char('(')))
        return {};
    qsizetype Start = From;
    if (AtFrom)
        while (Start < S.size() && S[Start] == QLatin1Char(' '))
            ++Start;
    const QRegularExpressionMatch M
        = ComponentArmorPattern().match(S, Start, QRegularExpression::NormalMatch,
                                        AtFrom ? QRegularExpression::AnchorAtOffsetMatchOption
                                               : QRegularExpression::NoMatchOption);
    if (!M.hasMatch())
        return {};
    const QString Bracket = QStringLiteral("(%1 pt %2CA)")
                                .arg(M.captured(1).toInt())
                                .arg(M.capturedLength(2) > 0 ? QStringLiteral("FP ") : QString());
    S.remove(M.capturedStart(), M.capturedLength());
    return Bracket;
}

bool ReadComponentArmor(const QString& S, int& Points, bool& Fireproof)
{
    if (!S.contains(QLatin1Char('(')))
        return false;
    const QRegularExpressionMatch M = ComponentArmorPattern().match(S);
    if (!M.hasMatch())
        return false;
    Points = M.captured(1).toInt();
    Fireproof = M.capturedLength(2) > 0;
    return true;
}

TSearchArray SearchTable;
TSearchArray SortedSearchTable;

TSearchFor MakeSearchRow(const QString& Key, const QString& Abbrev, const QString& Name, bool IsEquipment)
{
    TSearchFor Row;
    Row.Key = AnsiUpper(Key);
    Row.Abbrev = Abbrev;
    Row.Name = Name;
    Row.IsEquipment = IsEquipment;
    return Row;
}

void SortSearchTable(bool ByAbbrev)
{
    for (TSearchFor& Row : SearchTable)
        Row.Taken = false;
    SortedSearchTable.resize(SearchTable.size());
    for (TSearchFor& Place : SortedSearchTable) {
        qsizetype Best = -1;
        for (qsizetype I = 0; I < SearchTable.size(); ++I) {
            const TSearchFor& Row = SearchTable[I];
            if (Row.Taken)
                continue;
            const auto Length = (ByAbbrev ? Row.Abbrev : Row.Key).size();
            if (Best < 0 || Length > (ByAbbrev ? SearchTable[Best].Abbrev : SearchTable[Best].Key).size())
                Best = I;
        }
        Place = SearchTable[Best];
        SearchTable[Best].Taken = true;
    }
}

void ResetSearchFlags(bool AlsoUsed)
{
    for (TSearchFor& Row : SortedSearchTable) {
        Row.Found = false;
        if (AlsoUsed)
            Row.Used = false;
    }
}

bool SearchEntryFound(const QString& Name)
{
    for (const TSearchFor& Row : SortedSearchTable)
        if (Row.Name == Name && Row.Used)
            return true;
    return false;
}
