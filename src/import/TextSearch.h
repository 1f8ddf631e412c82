#pragma once

#include <QString>
#include <QVector>

// The text primitives every recogniser of the import is built from. Positions
// are 1-based character positions, 0 meaning "not found", so that the rules of
// the recognisers read the way they are stated. Upper-casing and case-blind
// comparisons fold ASCII letters only, whatever the user's locale.

// The line break that joins the lines of one value in the result text.
inline const QString LineBreak = QStringLiteral("\r\n");

QString AnsiUpper(const QString& S);

// Position of the first occurrence of Sub in S, 0 when absent; PosText
// ignores case.
int Pos(const QString& Sub, const QString& S);
int PosText(const QString& Sub, const QString& S);

// Count characters of S from Index on, clamped to the text like the
// one-based substring of the rules: a start before 1 counts from 1, a start
// past the end or a count below 1 gives an empty text.
QString Copy(const QString& S, int Index, int Count);

// Every occurrence of From replaced by To, ignoring case.
QString ReplaceText(const QString& S, const QString& From, const QString& To);

// Every line break (CR LF, a lone CR or a lone LF) replaced by With.
QString ReplaceLineBreaks(const QString& S, const QString& With);

// Text cleaning.
// With KeepStops a full stop is no separator: the name, the author and the
// notes keep theirs.
QString TrimSeparators(const QString& S, bool KeepStops = false);
QString CollapseSpaces(const QString& S);
QString RemoveThousandsCommas(const QString& S);
QString MarkAndWith(const QString& S);
bool CutInvalidMark(QString& S);

// Numbers. CleanStrToInt raises EConvertError for a text that is no number.
QString FirstNumber(const QString& S);
// The first number standing as a word of its own, a count such as "2x" or
// "3"; digits inside a word (the 2 of N2O) are none. Empty when none.
QString OwnNumber(const QString& S);
int CleanStrToInt(const QString& S);

// Scanning around a cursor. Set is the list of characters searched for.
int FindCharInSet(const QString& S, const QString& Set, int Start, int Step);
QString TextInBrackets(const QString& S);
QString NextWord(const QString& S, int& Pos);
QString PrevWord(const QString& S, int& Pos, bool KeepDot);
QString NextItem(const QString& S, int& Pos, bool SkipKeyword);
QString PrevItem(const QString& S, int& Pos, bool FromWordStart);

// Keyword removal, ignoring case.
QString RemoveKeyword(const QString& S, const QString& Key);
bool FindAndRemove(QString& S, const QString& Key);
bool FindWordAndRemove(QString& S, const QString& Key);
// Position (1-based) of the first occurrence of Key in S, ignoring case,
// that is no piece of a longer word: no letter or digit right before it,
// and no letter right after it where Key ends in one ("HC" is not found in
// "Brushcutter"); 0 when none.
int PosOfWord(const QString& Key, const QString& S, qsizetype From = 0);
// Whether FindWordAndRemove would find Key in S.
bool HasWord(const QString& S, const QString& Key);
void StripLeadingChar(QString& S, const QString& Set);

// A component-armor bracket, "(5 pt CA)" or "(5 pt FP CA)", in any case and
// spacing: the first one at or after From (0-based) is taken out of S, and
// returned as the result text writes it; empty when none. With AtFrom only a
// bracket that starts at From, after blanks, counts.
QString TakeComponentArmor(QString& S, qsizetype From = 0, bool AtFrom = false);
// The points and fireproof mark of such a bracket; false when S holds none.
bool ReadComponentArmor(const QString& S, int& Points, bool& Fireproof);

// One row of a keyword table: the search text, a whole-word abbreviation
// searched in a second pass, and the canonical name it stands for.
struct TSearchFor {
    QString Key;
    QString Abbrev;
    QString Name;
    bool Found = false;
    bool Used = false;
    bool Taken = false;
    bool IsEquipment = false;
};
using TSearchArray = QVector<TSearchFor>;

// A row as a table builder sets it: the key upper-cased, the flags clear.
TSearchFor MakeSearchRow(const QString& Key, const QString& Abbrev, const QString& Name,
                         bool IsEquipment = false);

// The table one recogniser builds for itself, and its copy in search order;
// both are empty between recognisers.
extern TSearchArray SearchTable;
extern TSearchArray SortedSearchTable;

// Copies SearchTable into SortedSearchTable longest key (or abbreviation)
// first, ties in table order; by abbreviation, rows without one come last.
void SortSearchTable(bool ByAbbrev);
void ResetSearchFlags(bool AlsoUsed);
bool SearchEntryFound(const QString& Name);
