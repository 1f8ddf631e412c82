#include "import/PartRecognisers.h"

#include "import/TextSearch.h"

#include <QRegularExpression>
#include <QStringList>

#include <initializer_list>

namespace {

const int MaxPos = 0x7FFFFFFF;

QChar At(const QString& S, int I)
{
    return I >= 1 && I <= S.size() ? S[I - 1] : QChar();
}

QString Rest(const QString& S, int From)
{
    return Copy(S, From, MaxPos);
}

bool HasAny(const QString& S, std::initializer_list<const char*> Keys)
{
    for (const char* K : Keys)
        if (PosText(QLatin1String(K), S) > 0)
            return true;
    return false;
}

bool HasAnyWord(const QString& S, std::initializer_list<const char*> Keys)
{
    for (const char* K : Keys)
        if (HasWord(S, QLatin1String(K)))
            return true;
    return false;
}

// Cuts [From, To] out of S together with the separators that follow it; what
// stood before From stays as it was.
void CutSpan(QString& S, int From, int To)
{
    // A bracket opened inside the span closes inside it too ("(15 gal.)").
    const QString Span = Copy(S, From, To - From + 1);
    int Open = int(Span.count(QLatin1Char('('))) - int(Span.count(QLatin1Char(')')));
    const QString Separators = QStringLiteral(" ,.:;-\r\n");
    while (To < S.size() && (Separators.contains(S[To]) || (S[To] == QLatin1Char(')') && Open > 0))) {
        if (S[To] == QLatin1Char(')'))
            --Open;
        ++To;
    }
    const QString Before = Copy(S, 1, From - 1);
    S = TrimSeparators(Before.isEmpty() ? Rest(S, To + 1) : Before + QLatin1Char(' ') + Rest(S, To + 1));
}

bool IsLineBreak(QChar C)
{
    return C == QLatin1Char('\n') || C == QLatin1Char('\r');
}

// Where Key matches the upper-cased U from First on, a blank of the key
// standing for any run of blanks and line breaks: the end of the match
// (0-based, exclusive), or 0 when it does not match.
qsizetype MatchAcrossBreaks(const QString& U, qsizetype First, QLatin1String Key)
{
    qsizetype I = First;
    for (const char C : Key) {
        if (C == ' ') {
            if (I >= U.size() || !U[I].isSpace())
                return 0;
            while (I < U.size() && U[I].isSpace())
                ++I;
            continue;
        }
        if (I >= U.size() || U[I] != QLatin1Char(C >= 'a' && C <= 'z' ? C - 'a' + 'A' : C))
            return 0;
        ++I;
    }
    return I;
}

// The notations of the armor's kinds, each a row: what the kind phrase may
// hold, and the kind it names. Every word about lasers names the
// laser-reflective kind ("Anti-Laser", "Laser Resistant", "Laser-proof").
enum TArmorKindWord { kwFireproof, kwReflective, kwMetal, kwPlastic, kwComposite };
struct TKindNotation {
    const char* Pattern;
    TArmorKindWord Kind;
};
const TKindNotation KindNotations[] = {
    {"\\bFIRE[\\s-]*(?:PROOF|RESISTANT|RETARDANT)\\w*|\\bFP\\b", kwFireproof},
    {"\\b(?:ANTI[\\s-]*)?LASER(?:[\\s-]*(?:REFLECTIVE|REFLECTING|RESISTANT|PROOF))?\\w*|\\bREFLECTIVE\\w*|\\bLR\\b",
     kwReflective},
    {"\\bMETAL\\w*", kwMetal},
    {"\\bPLASTIC\\w*", kwPlastic},
    {"\\bCOMPOSITE\\w*", kwComposite},
};

// The kinds the phrase names, each notation taken out of it;
// Phrase keeps what names no kind.
QVector<TArmorKindWord> ReadKindPhrase(QString& Phrase)
{
    static const QVector<QRegularExpression> Patterns = [] {
        QVector<QRegularExpression> List;
        for (const TKindNotation& Notation : KindNotations)
            List << QRegularExpression(QLatin1String(Notation.Pattern), QRegularExpression::CaseInsensitiveOption);
        return List;
    }();
    QVector<TArmorKindWord> Kinds;
    for (qsizetype I = 0; I < Patterns.size(); ++I)
        for (QRegularExpressionMatch M; (M = Patterns[I].match(Phrase)).hasMatch();) {
            if (!Kinds.contains(KindNotations[I].Kind))
                Kinds << KindNotations[I].Kind;
            Phrase.replace(M.capturedStart(), M.capturedLength(), QLatin1Char(' '));
        }
    Phrase = TrimSeparators(Phrase.simplified());
    return Kinds;
}

// Where the armor's kind phrase begins within S[From, To) (0-based) in a
// block that does not separate its items: the run of words right before the
// keyword that the kind notations read whole. Words before them are parts of
// their own ("Spoiler Armor") and stay in the text.
int KindPhraseStart(const QString& S, int From, int To)
{
    QVector<int> Starts = {From};
    for (int I = From + 1; I < To; ++I)
        if (!S[I].isSpace() && S[I - 1].isSpace())
            Starts << I;
    for (const int Start : Starts) {
        QString Rest = S.mid(Start, To - Start);
        ReadKindPhrase(Rest);
        if (Rest.isEmpty())
            return Start;
    }
    return To;
}

// The armor's sides as a text names them: a letter of its own (F10, f 10),
// a side's name, or a group of sides that share one value ("L/R 20",
// "T & U 5", "left and right 20", "sides 20").
struct TSideName {
    const char* Name;
    int Sides[2];
};
const TSideName SideNames[] = {
    {"F", {0, -1}},     {"L", {1, -1}},      {"R", {2, -1}},     {"B", {3, -1}},        {"T", {4, -1}},
    {"U", {5, -1}},     {"FRONT", {0, -1}},  {"LEFT", {1, -1}},  {"RIGHT", {2, -1}},    {"BACK", {3, -1}},
    {"REAR", {3, -1}},  {"TOP", {4, -1}},    {"UNDER", {5, -1}}, {"UNDERBODY", {5, -1}}, {"BOTTOM", {5, -1}},
    {"SIDES", {1, 2}},  {"SIDE", {1, 2}},
};
// The words that join the sides of one group.
const char* const SideJoiners[] = {"/", "&", "+", "AND"};

// The side name that stands as a word of its own at I (0-based) of U, its
// sides in Sides and its end in End; false when none does.
bool SideNameAt(const QString& U, qsizetype I, QVector<int>& Sides, qsizetype& End)
{
    for (const TSideName& Name : SideNames) {
        const QLatin1String Text(Name.Name);
        if (!QStringView(U).mid(I).startsWith(Text))
            continue;
        const qsizetype After = I + Text.size();
        if (After < U.size() && U[After].isLetter())
            continue;
        Sides.clear();
        for (const int Side : Name.Sides)
            if (Side >= 0)
                Sides.append(Side);
        End = After;
        return true;
    }
    return false;
}

// A group of sides from I on: names joined by the joiners, with the end of
// the group in End; a single name written out ("front", "sides") is a side
// only where a value follows it and the value is not the count of a part
// ("front: 2 MG" after the armor is a place heading). Empty when none.
QVector<int> SideGroupAt(const QString& U, qsizetype I, qsizetype& End)
{
    QVector<int> Group;
    if (!SideNameAt(U, I, Group, End))
        return {};
    int Names = 1;
    for (;;) {
        qsizetype J = End;
        while (J < U.size() && U[J] == QLatin1Char(' '))
            ++J;
        qsizetype JoinerEnd = -1;
        for (const char* Joiner : SideJoiners) {
            const QLatin1String Text(Joiner);
            if (QStringView(U).mid(J).startsWith(Text)
                && !(QChar(Text.front()).isLetter() && J + Text.size() < U.size() && U[J + Text.size()].isLetter()))
                JoinerEnd = J + Text.size();
        }
        if (JoinerEnd < 0)
            break;
        while (JoinerEnd < U.size() && U[JoinerEnd] == QLatin1Char(' '))
            ++JoinerEnd;
        QVector<int> More;
        qsizetype MoreEnd = 0;
        if (!SideNameAt(U, JoinerEnd, More, MoreEnd))
            break;
        Group += More;
        End = MoreEnd;
        ++Names;
    }
    if (Names == 1 && End - I > 1) {
        qsizetype J = End;
        while (J < U.size() && (U[J] == QLatin1Char(' ') || U[J] == QLatin1Char(':')))
            ++J;
        qsizetype Digits = J;
        while (Digits < U.size() && (U[Digits].isDigit() || U[Digits] == QLatin1Char('/')))
            ++Digits;
        if (Digits == J)
            return {};
        while (Digits < U.size() && U[Digits] == QLatin1Char(' '))
            ++Digits;
        QVector<int> Next;
        qsizetype NextEnd = 0;
        if (Digits < U.size() && U[Digits].isLetter() && !SideNameAt(U, Digits, Next, NextEnd))
            return {};
    }
    return Group;
}

// Reads the side values that follow the armor keyword at P (1-based) into
// Sides; returns where the values end. The first word that names no side
// is the next part and ends the values; a side is read once, and holds one
// pair of metal and plastic points at most ("5/5", never "5/5/5").
int ReadArmorSides(const QString& S, int P, QString (&Sides)[6])
{
    const QString U = AnsiUpper(S);
    QVector<int> Current = {0};
    qsizetype I = P - 1;
    while (I < U.size() && I > 0 && U[I - 1].isLetter() && U[I].isLetter())
        ++I;
    for (; I < U.size(); ++I) {
        const QChar C = U[I];
        if (C == QLatin1Char(' ') || C == QLatin1Char(':'))
            continue;
        if (C.isLetter()) {
            qsizetype End = 0;
            const QVector<int> Group = SideGroupAt(U, I, End);
            if (Group.isEmpty())
                break;
            // A side named again ("R5/5 R5/5") is no value of the first.
            bool Again = false;
            for (const int Side : Group)
                Again = Again || !Sides[Side].isEmpty();
            if (Again)
                break;
            Current = Group;
            I = End - 1;
        } else if (C.isDigit() || (C == QLatin1Char('/') && I + 1 < U.size() && U[I + 1].isDigit())) {
            // A slash between digits stands between metal and plastic
            // points; one that no digit follows only lists the next side.
            if (Current.isEmpty() || (C == QLatin1Char('/') && Sides[Current.first()].contains(QLatin1Char('/'))))
                break;
            for (const int Side : Current)
                Sides[Side] += C;
        } else {
            Current.clear();
        }
    }
    return int(I) + 1;
}

// The body keywords in the order they are tried, each with its body name.
const char* const Bodies[][2] = {
    {"Subcompact", "Subcompact"},    {"Sub-compact", "Subcompact"},      {"Compact", "Compact"},
    {"Mid-Sized", "Mid-Sized"},      {"MidSized", "Mid-Sized"},          {"MidSize", "Mid-Sized"},
    {"Sedan", "Sedan"},              {"Luxury", "Luxury"},               {"Station Wagon", "Station Wagon"},
    {"Station-Wagon", "Station Wagon"}, {"Pickup", "Pickup"},            {"Pick-up", "Pickup"},
    {"Camper", "Camper"},            {"Van", "Van"}};

// Whether the text holds a body keyword anywhere, as the body's whole-text
// search finds it.
bool HoldsBodyKeyword(const QString& S)
{
    const QString U = AnsiUpper(S);
    // A body word of its own: "Vanguard" and "Caravan" hold none.
    for (const auto& Entry : Bodies)
        if (PosOfWord(AnsiUpper(QLatin1String(Entry[0])), U) > 0)
            return true;
    return false;
}

// The first place (0-based) where Key matches S ignoring case, a blank of
// the key standing for any run of blanks and line breaks, with the end of
// the match in End; -1 when it matches nowhere.
qsizetype FindAcrossBreaks(const QString& S, QLatin1String Key, qsizetype& End)
{
    const QString U = AnsiUpper(S);
    for (qsizetype I = 0; I < U.size(); ++I)
        if ((End = MatchAcrossBreaks(U, I, Key)) > 0)
            return I;
    return -1;
}

} // namespace

namespace {

// Where the first line of S ends (0-based), -1 when S is one line.
qsizetype FirstLineEnd(const QString& S)
{
    for (qsizetype I = 0; I < S.size(); ++I)
        if (IsLineBreak(S[I]))
            return I;
    return -1;
}

// Whether a separator on a later line stands in a header line of its own:
// the line opens a paragraph (a blank line above it) and nothing of the
// stat block (a body word) follows the separator on it.
bool IsHeaderLine(const QString& Above, const QString& After, bool OwnHeader)
{
    const QStringList Lines = ReplaceLineBreaks(Above, QStringLiteral("\n")).split(QLatin1Char('\n'));
    const qsizetype LineEnd = FirstLineEnd(After);
    // The program's own header needs no blank line above it: a greeting may
    // stand right over it.
    const bool Opens = OwnHeader || (Lines.size() >= 3 && Lines[Lines.size() - 2].trimmed().isEmpty());
    return Opens && !HoldsBodyKeyword(LineEnd < 0 ? After : After.left(LineEnd));
}

} // namespace

namespace {

// Whether a line ends a sentence: a "!" or "?", or a full stop after a word
// that is no capitalised abbreviation or initial ("it." does, "Mk." and "R."
// do not).
bool EndsSentence(const QString& Line)
{
    if (Line.endsWith(QLatin1Char('!')) || Line.endsWith(QLatin1Char('?')))
        return true;
    if (!Line.endsWith(QLatin1Char('.')))
        return false;
    const qsizetype Blank = Line.lastIndexOf(QLatin1Char(' '));
    const QString Word = Line.mid(Blank + 1).chopped(1);
    return Word.size() > 2 || Word.isEmpty() || !Word[0].isUpper();
}

} // namespace

QString ParseName(QString& S, bool& HasAuthor)
{
    HasAuthor = false;
    const struct {
        const char* Separator;
        bool Author;
    } Separators[] = {{", designed by ", true}, {" by ", true}, {" - ", false}, {":", false}};
    for (const auto& Sep : Separators) {
        const QLatin1String Key(Sep.Separator);
        // The header line a mail program wrapped: the blanks of "designed
        // by" may be line breaks.
        qsizetype End = 0;
        const qsizetype At = Sep.Author ? FindAcrossBreaks(S, Key, End) : PosText(Key, S) - 1;
        if (!Sep.Author)
            End = At + Key.size();
        if (At < 0 || (Key == QLatin1String(" - ") && At >= 100))
            continue;
        // The name begins at the start of the line that holds the separator;
        // on a later line only a header line of its own names the vehicle.
        qsizetype LineStart = At;
        while (LineStart > 0 && !IsLineBreak(S[LineStart - 1]))
            --LineStart;
        // The program's own header wrapped inside its name: the lines right
        // above it that end no sentence are the name's too ("Mk." and an
        // initial end none).
        if (Key == QLatin1String(", designed by "))
            while (LineStart > 0) {
                qsizetype Above = LineStart - 1;
                while (Above > 0 && IsLineBreak(S[Above - 1]) && Above > LineStart - 2)
                    --Above;
                qsizetype PrevStart = Above;
                while (PrevStart > 0 && !IsLineBreak(S[PrevStart - 1]))
                    --PrevStart;
                const QString Line = S.mid(PrevStart, Above - PrevStart).trimmed();
                if (Line.isEmpty() || EndsSentence(Line))
                    break;
                LineStart = PrevStart;
            }
        const QString Above = S.left(LineStart);
        const QString After = S.mid(End);
        if (LineStart > 0 && !IsHeaderLine(Above, After, Key == QLatin1String(", designed by ")))
            continue;
        // "Van - Heavy Chassis - ...", a block without commas whose first
        // heading ends in ":", or "Searchlight (mounted by the door)" in a
        // block without a name line: the body before the separator and none
        // after it puts the separator inside the stat block.
        if (Key != QLatin1String(", designed by ") && HoldsBodyKeyword(S.left(At)) && !HoldsBodyKeyword(After))
            continue;
        // "Hellcat -- by Marla": the dash before the separator is no part of
        // the name.
        const QString Name =
            TrimSeparators(ReplaceLineBreaks(S.mid(LineStart, At - LineStart), QStringLiteral(" ")).simplified(), true);
        S = TrimSeparators(After);
        HasAuthor = Sep.Author;
        // The lines above the header go on to the description: after the
        // author's line, which the author is read from.
        if (const QString Greeting = Above.trimmed(); !Greeting.isEmpty()) {
            const qsizetype LineEnd = HasAuthor ? FirstLineEnd(S) : 0;
            S = LineEnd < 0 ? S + LineBreak + Greeting
                            : S.left(LineEnd) + (LineEnd > 0 ? LineBreak : QString()) + Greeting + LineBreak
                                  + TrimSeparators(S.mid(LineEnd));
        }
        return Name;
    }
    return {};
}

QString ParseAuthor(QString& S, bool HasAuthor)
{
    if (!HasAuthor) {
        FindAndRemove(S, QStringLiteral("update by "));
        S = TrimSeparators(S);
        return {};
    }
    int Stop = 0;
    for (int I = 1; I <= S.size() && Stop == 0; ++I)
        if (S[I - 1] == QLatin1Char('\n') || S[I - 1] == QLatin1Char('\r') || S[I - 1] == QLatin1Char(':'))
            Stop = I;
    if (S.size() > 90 && (Stop == 0 || Stop > 90))
        return {};
    if (Stop == 0) {
        const QString Author = S;
        S.clear();
        return Author;
    }
    // Blanks at the end of the header line are layout, not the author's; an
    // author that ends in an initial was wrapped, and goes on over the next
    // line ("R." / "Calder").
    QString Author = Copy(S, 1, Stop - 1).trimmed();
    while (S[Stop - 1] != QLatin1Char(':') && !EndsSentence(Author) && Author.endsWith(QLatin1Char('.'))) {
        int Next = Stop + 1;
        if (S[Stop - 1] == QLatin1Char('\r') && Next <= S.size() && S[Next - 1] == QLatin1Char('\n'))
            ++Next;
        int NextStop = 0;
        for (int I = Next; I <= S.size() && NextStop == 0; ++I)
            if (S[I - 1] == QLatin1Char('\n') || S[I - 1] == QLatin1Char('\r') || S[I - 1] == QLatin1Char(':'))
                NextStop = I;
        const QString More = Copy(S, Next, (NextStop == 0 ? int(S.size()) + 1 : NextStop) - Next).trimmed();
        if (More.isEmpty())
            break;
        Author += QLatin1Char(' ') + More;
        if (NextStop == 0) {
            S.clear();
            return Author;
        }
        Stop = NextStop;
    }
    int After = Stop + 1;
    if (S[Stop - 1] == QLatin1Char('\r') && After <= S.size() && S[After - 1] == QLatin1Char('\n'))
        ++After;
    S = TrimSeparators(Rest(S, After));
    return Author;
}

QString ParseBody(QString& S, QString& Description)
{
    Description.clear();
    const QString U = AnsiUpper(S);
    // The lines above the stat block (the comment under a header) are the
    // description, even when they mention a body word, and a comment under
    // the block may begin with one too ("Van owners will love it", "Sedan
    // drivers: the heavy chassis ..."). A block starts with its body, so the
    // body is read from a line that begins with one (a body name of two words
    // may be wrapped over two lines); of several such lines, from the one
    // that carries the most kinds of parts (the body's options and the
    // claimed figures among them) up to the next of them. Where that cannot
    // be told, the first body word anywhere in the text.
    struct TBodyLine {
        qsizetype First;
        qsizetype KeyEnd;
        const char* const* Body;
    };
    QVector<TBodyLine> Lines;
    QVector<qsizetype> LineStarts;
    for (qsizetype Start = 0; Start < U.size();) {
        qsizetype End = Start;
        while (End < U.size() && !IsLineBreak(U[End]))
            ++End;
        qsizetype First = Start;
        while (First < End && U[First].isSpace())
            ++First;
        const qsizetype After = MatchAcrossBreaks(U, First, QLatin1String("STREAMLINED "));
        if (After > 0 && After < End)
            First = After;
        for (const auto& Entry : Bodies) {
            const qsizetype Matched = MatchAcrossBreaks(U, First, QLatin1String(Entry[0]));
            if (Matched > 0 && (Matched == U.size() || !U[Matched].isLetter())) {
                Lines.append({First, Matched, Entry});
                LineStarts.append(Start);
                break;
            }
        }
        Start = End + 1;
    }
    const auto PartsCarried = [&U](qsizetype From, qsizetype To) {
        const QString Span = U.mid(From, To - From);
        int Kinds = 0;
        for (const auto& Kind : {std::initializer_list<const char*>{"CHASSIS"}, {"SUSPENSION"}, {"TIRE"},
                                 {"POWER PLANT", " CID"}, {"ARMOR"},
                                 {"FRONT:", "BACK:", "LEFT:", "RIGHT:", "TURRET:", "TOP:", "UNDER:"},
                                 {"STREAMLINED", "ROLLCAGE", "ROLL CAGE", "6-WHEEL", "SIX WHEEL", "SIX-WHEEL"},
                                 {"ACCEL", "TOP SPEED", " LBS", "$"}})
            Kinds += HasAny(Span, Kind) ? 1 : 0;
        return Kinds;
    };
    int P = 0;
    qsizetype KeyEnd = 0;
    const char* const* Body = nullptr;
    int Best = -1;
    for (qsizetype I = 0; I < Lines.size(); ++I) {
        const int Kinds = PartsCarried(LineStarts[I], I + 1 < Lines.size() ? LineStarts[I + 1] : U.size());
        if (Kinds == Best) {
            Body = nullptr;
        } else if (Kinds > Best) {
            Best = Kinds;
            P = int(Lines[I].First) + 1;
            KeyEnd = Lines[I].KeyEnd;
            Body = Lines[I].Body;
        }
    }
    if (!Body) {
        for (const auto& Entry : Bodies) {
            if (const int At = Pos(AnsiUpper(QLatin1String(Entry[0])), U)) {
                P = At;
                KeyEnd = At - 1 + qstrlen(Entry[0]);
                Body = Entry;
                break;
            }
        }
    }
    if (!Body)
        return {};
    // "Streamlined" as the word before the body, also on the line above.
    qsizetype WordEnd = P - 1;
    while (WordEnd > 0 && U[WordEnd - 1].isSpace())
        --WordEnd;
    qsizetype WordStart = WordEnd;
    while (WordStart > 0 && !U[WordStart - 1].isSpace() && !QStringLiteral(",:;.").contains(U[WordStart - 1]))
        --WordStart;
    const bool Streamlined = Pos(QStringLiteral("STREAMLINED"), U.mid(WordStart, WordEnd - WordStart)) > 0;
    QString Value = QLatin1String(Body[1]);
    if (Streamlined)
        Value += LineBreak + QStringLiteral("* Streamlined ");
    const qsizetype DescriptionEnd = Streamlined ? WordStart : P - 1;
    if (DescriptionEnd > 0)
        Description = TrimSeparators(ReplaceLineBreaks(S.left(DescriptionEnd), QStringLiteral(" ")), true);
    S = TrimSeparators(S.mid(KeyEnd));
    return Value;
}

QString ParseChassis(QString& S)
{
    const int P = Pos(QStringLiteral("CHASSIS"), AnsiUpper(S));
    if (P == 0)
        return {};
    int Q = P;
    const QString W = AnsiUpper(PrevWord(S, Q, true));
    int First = Q;
    QString Chassis;
    if (W == QLatin1String("EXTRA-HEAVY") || W == QLatin1String("X-HEAVY")) {
        Chassis = QStringLiteral("Extra Heavy");
    } else if (W == QLatin1String("HEAVY")) {
        int Before = Q;
        if (AnsiUpper(PrevWord(S, Before, false)) == QLatin1String("EXTRA")) {
            Chassis = QStringLiteral("Extra Heavy");
            First = Before;
        } else {
            Chassis = QStringLiteral("Heavy");
        }
    } else if (W == QLatin1String("LIGHT")) {
        Chassis = QStringLiteral("Light");
    } else if (W == QLatin1String("STANDARD")) {
        Chassis = QStringLiteral("Standard");
    }
    if (!Chassis.isEmpty())
        S = Copy(S, 1, First - 2) + Rest(S, P + 7);
    S = TrimSeparators(S);
    return Chassis;
}

QString ParseSuspension(QString& S)
{
    // The keyword meant is the first one outside the phrase "active
    // suspension"; only when there is none is the active phrase itself read.
    const QString U = AnsiUpper(S);
    int ActiveKeyword = 0;
    {
        QString Probe = S;
        if (FindWordAndRemove(Probe, QStringLiteral("active suspension")))
            ActiveKeyword = PosText(QStringLiteral("active suspension"), S) + 7;
    }
    const auto Find = [&](const QString& Key, bool SkipActive) {
        int P = Pos(Key, U);
        if (SkipActive && P != 0 && P == ActiveKeyword)
            P = int(U.indexOf(Key, P)) + 1;
        return P;
    };
    bool Active = false;
    int P = 0;
    int CutLength = 0;
    for (bool SkipActive : {true, false}) {
        if ((P = Find(QStringLiteral("SUSPENSION"), SkipActive)) != 0)
            CutLength = 11;
        else if ((P = Find(QStringLiteral("SUSP"), SkipActive)) != 0)
            CutLength = 5;
        if (P != 0) {
            Active = !SkipActive;
            break;
        }
    }
    if (P == 0)
        return {};
    // The word before Q; "Imp," (the short form of Improved, its full stop
    // turned into a comma) reads as Improved.
    const auto WordBefore = [&](int& Q) {
        QString W = AnsiUpper(PrevWord(S, Q, true));
        if (W == QLatin1String(",") && Q >= 5 && AnsiUpper(Copy(S, Q - 4, 3)) == QLatin1String("IMP")
            && (Q == 5 || QStringLiteral("\n\r ,:;").contains(S[Q - 6]))) {
            Q -= 4;
            W = QStringLiteral("IMPROVED");
        }
        return W;
    };
    int Q = P;
    QString W = WordBefore(Q);
    if (Active)
        W = WordBefore(Q);
    QString Suspension;
    if (W == QLatin1String("LIGHT"))
        Suspension = QStringLiteral("Light");
    else if (W == QLatin1String("IMPROVED"))
        Suspension = QStringLiteral("Improved");
    else if (W == QLatin1String("HEAVY"))
        Suspension = QStringLiteral("Heavy");
    else if (W == QLatin1String("OFFROAD") || W == QLatin1String("OFF-ROAD") || W == QLatin1String("ROAD")
             || W == QLatin1String("OR"))
        Suspension = QStringLiteral("Off-Road");
    // "Off Road" written with a blank: the "Off" goes with the "Road".
    if (W == QLatin1String("ROAD")) {
        int Before = Q;
        if (AnsiUpper(PrevWord(S, Before, true)) == QLatin1String("OFF"))
            Q = Before;
    }
    if (!Suspension.isEmpty())
        S = Copy(S, 1, Q - 2) + Rest(S, P + CutLength);
    S = TrimSeparators(S);
    if (Active && !Suspension.isEmpty())
        S += QStringLiteral(", Active Suspension ");
    return Suspension;
}

QString DescribeTireItem(QString Item, bool DefaultRear, QString* Unread)
{
    const bool Front = PosText(QStringLiteral("FRONT"), Item) > 0;
    // "Back" names the rear as "Rear" does.
    const bool Rear = PosText(QStringLiteral("REAR"), Item) > 0 || HasWord(Item, QStringLiteral("BACK"));
    QString Line;
    if (Front && Rear)
        Line = QStringLiteral("Front & Rear Tires: ");
    else if (Front)
        Line = QStringLiteral("Front Tires: ");
    else if (Rear || DefaultRear)
        Line = QStringLiteral("Rear Tires: ");
    else
        Line = QStringLiteral("Front & Rear Tires: ");
    for (const char* Word : {"TIRES", "TIRE", "FRONT", "REAR", "&"})
        Item = ReplaceText(Item, QLatin1String(Word), QString());
    while (FindWordAndRemove(Item, QStringLiteral("BACK"))) {
    }
    // The first alternative is a whole word where it is a bare abbreviation.
    static const struct {
        const char* Word;
        const char* Others[3];
        const char* Text;
    } Groups[] = {
        {"HD", {"Heavy-Duty", "Heavy Duty", "HeavyDuty"}, "Heavy-Duty "},
        {"FP", {"Fire-Proof", "Fire Proof", "FireProof"}, "Fireproof "},
        {"PR", {"Puncture-Resistant", "Puncture Resistant", "PunctureResistant"}, "Puncture-Resistant "},
        {nullptr, {"Solid", nullptr, nullptr}, "Solid "},
        {"PC", {"Plasti-core", "Plasti Core", "Plasticore"}, "Plasticore "},
        {nullptr, {"Standard", nullptr, nullptr}, "Standard "},
        {nullptr, {"Radial", nullptr, nullptr}, "Radial "},
        {"OR", {"Off-Road", "Off Road", "Offroad"}, "Off-road "},
        {nullptr, {"Racing", nullptr, nullptr}, "Racing "},
        {"SB", {"Steel-Belted", "Steel Belted", "SteelBelted"}, "Steelbelted "},
        {"Metal", {nullptr, nullptr, nullptr}, "Metal "},
    };
    for (const auto& G : Groups) {
        bool Found = G.Word && FindWordAndRemove(Item, QLatin1String(G.Word));
        for (const char* Other : G.Others)
            if (!Found && Other)
                Found = FindAndRemove(Item, QLatin1String(Other));
        if (Found)
            Line += QLatin1String(G.Text);
    }
    if (Unread)
        *Unread = TrimSeparators(Item.simplified());
    return TrimSeparators(Line);
}

QString ParseTires(QString& S)
{
    const QString Ends = QStringLiteral(",.;");
    const QString U = AnsiUpper(S);
    QStringList Lines;
    // Each tire item is cut out of the text: what lies between the items is
    // kept, read once from left to right.
    QString Kept;
    int Cursor = 1;
    // "TIRE" begins a word ("Tires", never "entire" or "retired").
    const auto NextTire = [&U](int From) {
        for (qsizetype I = U.indexOf(QLatin1String("TIRE"), From); I >= 0; I = U.indexOf(QLatin1String("TIRE"), I + 1))
            if (I == 0 || !U[I - 1].isLetter())
                return int(I) + 1;
        return 0;
    };
    for (int P = NextTire(0); P > 0; P = NextTire(Cursor - 1)) {
        const int A = qMax(FindCharInSet(U, Ends, P, -1), Cursor - 1);
        int B = FindCharInSet(U, Ends, P, 1);
        if (B < 0)
            B = int(U.size()) + 1;
        // The item in its written case; what it holds besides tire words
        // stays in the text, where the item was.
        QString Unread;
        const QString Line = DescribeTireItem(Copy(S, A + 1, B - A - 1), !Lines.isEmpty(), &Unread);
        // An item that names tires of no kind ("a spare tire in the bed")
        // is no tire set: it stays in the text as it stood.
        if (Line.endsWith(QLatin1String("Tires"))) {
            Kept += Copy(S, Cursor, qMin(B, int(S.size())) - Cursor + 1);
            Cursor = B + 1;
            continue;
        }
        Lines += Line;
        Kept += Copy(S, Cursor, A - Cursor + 1);
        if (!Unread.isEmpty() && Unread != QLatin1String("()"))
            Kept += QLatin1Char(' ') + Unread + QLatin1Char(',');
        Cursor = B + 1;
    }
    if (Lines.isEmpty())
        return {};
    S = TrimSeparators(Kept + Rest(S, Cursor));
    return Lines.join(LineBreak);
}

QString ParsePoints(QString& Item)
{
    const QString U = AnsiUpper(Item);
    for (const char* Keyword : {"-PT ", "PT ", "-POINT ", "POINT "}) {
        const QString Key = QLatin1String(Keyword);
        const int P = Pos(Key, U);
        if (P == 0)
            continue;
        const QString Digits = Copy(Item, 1, P - 1);
        bool AllDigits = P >= 2;
        for (QChar C : Digits)
            AllDigits = AllDigits && C >= QLatin1Char('0') && C <= QLatin1Char('9');
        if (!AllDigits)
            return {};
        Item = Rest(Item, P + Key.size());
        return Digits;
    }
    return {};
}

QString ParseWheelguards(QString& S)
{
    // The items are read from the text with its "and" and "with" lists
    // marked; the rest of the text keeps them ("rocket platform with 3 MR"
    // stays one item for the weapon recogniser).
    const QString Marked = MarkAndWith(S);
    QStringList Lines;
    QStringList Consumed;
    int At = 1;
    for (;;) {
        // An empty item between two separators (", ," where an earlier part
        // was cut out) does not end the list; the end of the text does.
        const int Before = At;
        const QString Next = NextItem(Marked, At, false);
        if (Next.isEmpty() || At <= Before)
            break;
        QString Item = TrimSeparators(Next);
        if (Item.isEmpty())
            continue;
        const QString Untouched = Item;
        const bool Guard = FindAndRemove(Item, QStringLiteral("WHEELGUARDS"))
                           || FindAndRemove(Item, QStringLiteral("WHEEL GUARDS"))
                           || FindWordAndRemove(Item, QStringLiteral("WG"));
        const bool Hub = FindAndRemove(Item, QStringLiteral("WHEELHUBS"))
                         || FindAndRemove(Item, QStringLiteral("WHEEL HUBS"))
                         || FindAndRemove(Item, QStringLiteral("HUB CAPS"))
                         || FindAndRemove(Item, QStringLiteral("HUBCAPS"))
                         || FindWordAndRemove(Item, QStringLiteral("WH"));
        if (Guard || Hub) {
            QString Where = QStringLiteral("rear");
            if (FindAndRemove(Item, QStringLiteral("FRONT")) || FindWordAndRemove(Item, QStringLiteral("F")))
                Where = QStringLiteral("front");
            if (FindAndRemove(Item, QStringLiteral("REAR")) || FindWordAndRemove(Item, QStringLiteral("R"))
                || FindAndRemove(Item, QStringLiteral("BACK")) || FindWordAndRemove(Item, QStringLiteral("B")))
                Where = QStringLiteral("rear");
            if (FindWordAndRemove(Item, QStringLiteral("4")) || FindWordAndRemove(Item, QStringLiteral("four")))
                Where = QStringLiteral("front & rear");
            const QString Points = ParsePoints(Item);
            if (!Points.isEmpty()) {
                Lines += (Guard ? QStringLiteral("* Wheelguards: ") : QStringLiteral("* Hubcaps: "))
                         + QStringLiteral(" (") + Where + QStringLiteral(") (") + Points + QStringLiteral("pt)");
                Consumed += Untouched;
            }
        }
        if (Guard && Hub)
            break;
    }
    // The consumed items leave the text in one pass, each with the comma
    // after it; an item that the marking changed is found in the marked
    // text only, which then stands for the working text.
    const auto Remove = [&Consumed](const QString& Text, QString& Kept) {
        qsizetype Cursor = 0;
        bool All = true;
        for (const QString& Item : Consumed) {
            const qsizetype I = Text.indexOf(Item, Cursor);
            if (I < 0) {
                All = false;
                continue;
            }
            Kept += QStringView(Text).mid(Cursor, I - Cursor);
            Cursor = I + Item.size();
            if (Cursor < Text.size() && Text[Cursor] == QLatin1Char(','))
                ++Cursor;
        }
        Kept += QStringView(Text).mid(Cursor);
        return All;
    };
    QString Kept;
    if (!Remove(S, Kept)) {
        Kept.clear();
        Remove(Marked, Kept);
    }
    S = TrimSeparators(Kept);
    return Lines.join(LineBreak);
}

QString ParseArmor(QString& S, QStringList* Unread)
{
    FindAndRemove(S, QStringLiteral("component armor"));
    const auto FindKeyword = [&]() {
        const QString U = AnsiUpper(S);
        for (const char* Key : {" ARMOR ", " ARMOR,", " ARMOR: "})
            if (const int P = Pos(QLatin1String(Key), U))
                return P;
        if (const int P = Pos(QStringLiteral(" METAL"), U))
            return qMin(P + 7, int(S.size()));
        return 0;
    };
    if (FindKeyword() == 0)
        return NoArmorMarker;
    const bool Sloped = FindAndRemove(S, QStringLiteral("SLOPED"));
    // Taking "Sloped" out moves the keyword, so it is looked for again.
    int P = FindKeyword();
    if (P == 0)
        return NoArmorMarker;
    int Start = P - 1;
    while (Start > 0 && S[Start - 1] != QLatin1Char(',') && S[Start - 1] != QLatin1Char(';'))
        --Start;
    // The kind phrase runs back to the separator before it; what of it
    // names no kind is left to the user. In a block that does not separate
    // its items, the words before the kind are parts of their own.
    if (!Unread)
        Start = KindPhraseStart(S, Start, P - 1);
    QString Words = Copy(S, Start + 1, P - 1 - Start);
    const QVector<TArmorKindWord> Kinds = ReadKindPhrase(Words);
    if (Unread && !Words.isEmpty())
        *Unread << Words;
    // The keyword's own "Armor" goes, not the first one in the text, which may
    // belong to a crew member's body armor.
    if (AnsiUpper(Copy(S, P + 1, 5)) == QLatin1String("ARMOR"))
        S.remove(P, At(S, P + 6) == QLatin1Char(',') ? 6 : 5);
    P = qMax(P, 2);
    QString Sides[6];
    const int End = ReadArmorSides(S, P, Sides);
    // The words on both sides of the cut stay apart ("Spoiler" and "Accel").
    const QString Kept = Copy(S, 1, Start);
    const QString After = Rest(S, End);
    const bool Glued = !Kept.isEmpty() && !After.isEmpty() && Kept.back().isLetterOrNumber()
                       && After.front().isLetterOrNumber();
    S = Kept + (Glued ? QStringLiteral(" ") : QString()) + After;
    QString Result;
    if (Sloped)
        Result += QStringLiteral("Sloped ");
    if (Kinds.contains(kwFireproof))
        Result += QStringLiteral("Fireproof ");
    if (Kinds.contains(kwReflective))
        Result += QStringLiteral("Reflective ");
    bool Composite = false;
    for (const QString& V : Sides)
        Composite = Composite || V.contains(QLatin1Char('/'));
    if (Composite)
        Result += QStringLiteral("Composite");
    else if (Kinds.contains(kwMetal))
        Result += QStringLiteral("Metal");
    else if (Kinds.contains(kwPlastic))
        Result += QStringLiteral("Plastic");
    else if (Kinds.contains(kwComposite))
        Result += QStringLiteral("Composite");
    else
        Result += QStringLiteral("Plastic");
    Result += QStringLiteral(" Armor: ");
    for (int I = 0; I < 6; ++I)
        Result += QLatin1Char("FLRBTU"[I]) + Sides[I] + QStringLiteral(", ");
    return TrimSeparators(Result);
}

QString ParseGasTank(const QString& S, int& Start, int& End)
{
    const QString U = AnsiUpper(S);
    const int P = Pos(QStringLiteral("TANK"), U);
    if (P == 0)
        return {};
    int Before = P;
    const QString Item0 = PrevItem(U, Before, true);
    int After = P;
    const QString Item1 = Rest(NextItem(U, After, false), 4);
    if (Item0.contains(QLatin1String("ANTI")))
        return {};
    QString Type = QStringLiteral("Unknown tank type");
    for (const QString& Item : {Item0, Item1}) {
        if (Item.contains(QLatin1String("ECONOMY")))
            Type = QStringLiteral("Economy");
        if (Item.contains(QLatin1String("DUTY")))
            Type = QStringLiteral("Heavy Duty");
        if (Item.contains(QLatin1String("RACE")) || Item.contains(QLatin1String("RACI")))
            Type = QStringLiteral("Racing");
        if (Item.contains(QLatin1String("DUEL")))
            Type = QStringLiteral("Duelling");
    }
    // The gallons as written: a number too large to hold is passed on
    // whole, for the second stage to report, never read as 0.
    const auto Gallons = [](const QString& Item) {
        const QString N = FirstNumber(Item);
        return N.isEmpty() ? -1 : N.toLongLong();
    };
    const qlonglong G0 = Gallons(Item0);
    qlonglong G1 = Gallons(Item1);
    // The wheelguard reader has turned the "with" of "Tank with 10 gallons"
    // into a list comma, so the gallons may stand in the item after the tank.
    if (G1 < 0) {
        int Next = After;
        const QString Item2 = NextItem(U, Next, false);
        if (Next > After && Item2.contains(QLatin1String("GAL")) && !FirstNumber(Item2).isEmpty()) {
            G1 = Gallons(Item2);
            After = Next;
        }
    }
    const qlonglong G = G0 > G1 ? G0 : G1;
    Start = Before + 1;
    End = qMax(After, P + 3);
    return QStringLiteral("Gas Tank: ") + Type
           + (G < 0 ? QStringLiteral(", size unknown") : QStringLiteral(", ") + QString::number(G) + QStringLiteral(" gal."));
}

namespace {

// The bracketed option items after an engine keyword at P, each with its
// removals; Option gives the text an item adds (empty: the options end).
// Returns the options and leaves in End the last consumed position.
struct TRemoval {
    const char* Key;
    bool Word;
};

// The option items after an engine keyword at P, each with its removals;
// Option gives the text an item adds (empty: the options end there). Returns
// the options and leaves in End the last position consumed.
template <typename TOption>
QString EngineOptions(const QString& S, int P, std::initializer_list<TRemoval> Removals, TOption Option, int& End)
{
    QString Options;
    int At = P;
    for (;;) {
        const int Before = At;
        QString Item = AnsiUpper(NextItem(S, At, true));
        if (Item.isEmpty() || At == Before)
            break;
        for (const TRemoval& R : Removals)
            R.Word ? FindWordAndRemove(Item, QLatin1String(R.Key)) : FindAndRemove(Item, QLatin1String(R.Key));
        Item = TrimSeparators(Item);
        if (!Item.isEmpty()) {
            const QString Text = Option(Item);
            if (Text.isEmpty())
                break;
            Options += Text;
        }
        End = At;
    }
    return Options;
}

QString ParsePowerPlant(QString& S, int P, int KeyLength)
{
    int From = FindCharInSet(S, QStringLiteral(",-"), P, -1);
    if (From < 0)
        From = 0;
    const QString Phrase = AnsiUpper(TrimSeparators(Copy(S, From + 1, P - From - 1)));
    static const char* const Sizes[][2] = {{"SMALL", "Small Power Plant"}, {"MED", "Medium Power Plant"},
                                           {"LARGE", "Large Power Plant"}, {"SUPER", "Super Power Plant"},
                                           {"SPORT", "Sport Power Plant"}, {"TTCAT", "T-Cat Power Plant"}};
    const auto SizeIn = [](const QString& Phrase) {
        for (const auto& Entry : Sizes)
            if (Phrase.contains(QLatin1String(Entry[0])))
                return QLatin1String(Entry[1]);
        return QLatin1String();
    };
    QString Size = SizeIn(Phrase);
    if (Size.isEmpty() && From > 1) {
        // A size written short with a full stop ("Med. Power Plant") stands
        // as a word of its own before the comma that the full stop became.
        int Before = FindCharInSet(S, QStringLiteral(",-"), From - 1, -1);
        if (Before < 0)
            Before = 0;
        const QString Word = AnsiUpper(TrimSeparators(Copy(S, Before + 1, From - Before - 1)));
        if (!Word.contains(QLatin1Char(' ')) && !SizeIn(Word).isEmpty()) {
            Size = SizeIn(Word);
            From = Before;
        }
    }
    // A plant of no size the tables know is no engine; its text stays for
    // the leftovers.
    if (Size.isEmpty())
        return {};
    int End = P + KeyLength - 1;
    const QString Options = EngineOptions(
        S, P, {{"POWER PLANT", false}, {"PP", true}, {"WITH ", false}, {"PLANT", false}, {"PP", true}},
        [](const QString& Item) {
            QString Text;
            if (HasAny(Item, {"CAPACITOR"}) || HasAnyWord(Item, {"ISCS", "ISC"})) {
                const QString N = FirstNumber(Item);
                Text += N.isEmpty() || N == QLatin1String("1")
                            ? QStringLiteral(" Improved Supercharger Capacitor,")
                            : QStringLiteral(" ") + N + QStringLiteral(" Improved Supercharger Capacitors,");
            }
            if (HasAny(Item, {"SUPERCONDUCTOR", "SUPER CONDUCTOR"}) || HasAnyWord(Item, {"SCS", "SC"}))
                Text += QStringLiteral(" Superconductors,");
            if (HasAny(Item, {"CELLS", "EPCS", "EPC"}))
                Text += QStringLiteral(" Extra Power Cells,");
            if (HasAny(Item, {"PLATINUM CATALYST", "PLAT CATS"}) || HasAnyWord(Item, {"PCS", "PC"}))
                Text += QStringLiteral(" Platinum Catalyst,");
            return Text;
        },
        End);
    CutSpan(S, From + 1, qMax(End, P + KeyLength - 1));
    if (Options.isEmpty())
        return Size;
    return Size + QStringLiteral(" with") + Options.chopped(1);
}

QString ParseGasEngine(QString& S, int P)
{
    int From = FindCharInSet(S, QStringLiteral(",-"), P, -1);
    if (From < 0)
        From = 0;
    const QString N = FirstNumber(Copy(S, From + 1, P + 3 - (From + 1)));
    if (N.isEmpty())
        return {};
    QString Value = N + QStringLiteral(" cid Gas Engine ");
    int End = P + 2;
    const QString Options = EngineOptions(
        S, P, {{"WITH ", false}, {"GAS ENGINE", false}, {"ENGINE", false}, {"GAS", true}, {"ICE", true}},
        [](const QString& Item) -> QString {
            // One item may name several options ("turbocharger and nitrous").
            QString Found;
            if (HasAny(Item, {"MULTIBARREL"}) || HasWord(Item, QStringLiteral("MC")))
                Found += QStringLiteral(" Multibarrel Carburetor,");
            else if (HasAny(Item, {"CARBURETOR"}))
                Found += QStringLiteral(" Carburetor,");
            if (HasAny(Item, {"HEADER"}) || HasWord(Item, QStringLiteral("TH")))
                Found += QStringLiteral(" Tubular Headers,");
            if (HasAny(Item, {"PRINT"}) || HasWord(Item, QStringLiteral("BP")))
                Found += QStringLiteral(" Blueprinting,");
            if (HasAny(Item, {"PITCH"}) || HasAnyWord(Item, {"VPT", "VP T"}))
                Found += QStringLiteral(" VP Turbocharger,");
            else if (HasAny(Item, {"TURBO"}))
                Found += QStringLiteral(" Turbocharger,");
            if (HasAny(Item, {"SUPER"}) || HasWord(Item, QStringLiteral("SC")))
                Found += QStringLiteral(" Supercharger,");
            if (HasWord(Item, QStringLiteral("N2O")) || HasAny(Item, {"NITRO"})) {
                // The 2 of N2O is no count: only a number of its own is.
                const QString Count = OwnNumber(Item);
                Found += Count.isEmpty() || Count == QLatin1String("1") ? QStringLiteral(" N2O,")
                                                                        : QStringLiteral(" ") + Count + QStringLiteral("x N2O,");
            }
            return Found;
        },
        End);
    if (!Options.isEmpty())
        Value += QStringLiteral(" with") + Options;
    Value = Value.chopped(1).trimmed();
    int TankStart = 0;
    int TankEnd = 0;
    const QString Tank = ParseGasTank(S, TankStart, TankEnd);
    // The later span goes first, so that the earlier one keeps its place.
    if (!Tank.isEmpty() && TankStart > End) {
        CutSpan(S, TankStart, TankEnd);
        CutSpan(S, From + 1, End);
    } else if (!Tank.isEmpty() && TankEnd < From + 1) {
        CutSpan(S, From + 1, End);
        CutSpan(S, TankStart, TankEnd);
    } else if (!Tank.isEmpty()) {
        CutSpan(S, qMin(From + 1, TankStart), qMax(End, TankEnd));
    } else {
        CutSpan(S, From + 1, End);
    }
    if (Tank.isEmpty())
        return Value + LineBreak + QStringLiteral("# Engine gas tank not found");
    return Value + QStringLiteral(", ") + Tank;
}

} // namespace

QString ParseEngine(QString& S)
{
    const QString U = AnsiUpper(S);
    // A power plant's component armor stands right after its keyword and
    // goes with it into the result.
    const auto Plant = [&S](int P, int KeyLength) {
        const QString Before = S;
        const QString Armor = TakeComponentArmor(S, P - 1 + KeyLength, true);
        QString Value = ParsePowerPlant(S, P, KeyLength);
        if (Value.isEmpty())
            S = Before;
        if (!Armor.isEmpty() && !Value.isEmpty()) {
            const qsizetype With = Value.indexOf(QLatin1String(" with"));
            Value.insert(With < 0 ? Value.size() : With, QLatin1Char(' ') + Armor);
        }
        return Value;
    };
    if (const int P = Pos(QStringLiteral(" PLANT"), U))
        return Plant(P, 6);
    if (const int P = Pos(QStringLiteral(" PP"), U))
        return Plant(P, 3);
    if (const int P = Pos(QStringLiteral("CID"), U))
        return ParseGasEngine(S, P);
    return {};
}
