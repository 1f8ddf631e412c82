#include "import/TextSearch.h"

#include "platform/Errors.h"

#include <gtest/gtest.h>

namespace {

struct TTextCase {
    const char* Input;
    const char* Expected;
};

TEST(TextSearch, TrimSeparators)
{
    const TTextCase Cases[] = {{" ,-.:; ", ""}, {"x.", "x"}, {" .5, ", "5"}, {"", ""}, {"-", ""}, {" a b ", "a b"}};
    for (const auto& C : Cases)
        EXPECT_EQ(TrimSeparators(QLatin1String(C.Input)), QLatin1String(C.Expected)) << C.Input;
}

TEST(TextSearch, RemoveThousandsCommas)
{
    const TTextCase Cases[] = {{"12,500", "12500"}, {"1,5", "15"}, {",5", "5"}, {"a, b", "a, b"}, {"12,", "12,"}};
    for (const auto& C : Cases)
        EXPECT_EQ(RemoveThousandsCommas(QLatin1String(C.Input)), QLatin1String(C.Expected)) << C.Input;
}

TEST(TextSearch, CollapseSpacesKeepsTabsAndLineBreaks)
{
    EXPECT_EQ(CollapseSpaces(QStringLiteral("a   b\t\t c\n\nd")), QStringLiteral("a b\t\t c\n\nd"));
}

TEST(TextSearch, MarkAndWith)
{
    const TTextCase Cases[] = {{"2 AND 3", "2, 3"},
                               {"front and rear", "front and  rear"},
                               {"tank with 10 gallons", "tank, 10 gallons"},
                               {"guards with spikes and 2 more", "guards with  spikes, 2 more"}};
    for (const auto& C : Cases)
        EXPECT_EQ(MarkAndWith(QLatin1String(C.Input)), QLatin1String(C.Expected)) << C.Input;
}

TEST(TextSearch, MarkAndWithStaysQuickOnALongText)
{
    const QString Text = QStringLiteral("a and b with 1 ").repeated(20000);
    EXPECT_EQ(MarkAndWith(Text).count(QLatin1String(" and ")), 20000);
}

TEST(TextSearch, CutInvalidMark)
{
    QString S = QStringLiteral("Van, HC 2 ## Invalid design");
    EXPECT_TRUE(CutInvalidMark(S));
    EXPECT_EQ(S, QStringLiteral("Van, HC 2 "));
    EXPECT_FALSE(CutInvalidMark(S));
    // The mark's line wrapped right after "##", or a tab there.
    const TTextCase Wrapped[] = {{"Van, HC 2\r\n##\r\nINVALID ## (Max Weight exceeded)", "Van, HC 2\r\n"},
                                 {"Van, HC 2\n## \ninvalid\n##", "Van, HC 2\n"},
                                 {"Van, HC 2 ##\tINVALID", "Van, HC 2 "}};
    for (const TTextCase& C : Wrapped) {
        QString Text = QLatin1String(C.Input);
        EXPECT_TRUE(CutInvalidMark(Text)) << C.Input;
        EXPECT_EQ(Text, QLatin1String(C.Expected)) << C.Input;
    }
}

TEST(TextSearch, FirstNumber)
{
    const TTextCase Cases[] = {{"TEN ONE ", "1"}, {"ROCKET 12 AND 3", "12"}, {"", ""},
                               {"NONE ", "1"},    {"ten ", ""},              {"X7Y", "7"}};
    for (const auto& C : Cases)
        EXPECT_EQ(FirstNumber(QLatin1String(C.Input)), QLatin1String(C.Expected)) << C.Input;
}

TEST(TextSearch, CleanStrToInt)
{
    EXPECT_EQ(CleanStrToInt(QStringLiteral(" 12, ")), 12);
    EXPECT_EQ(CleanStrToInt(QStringLiteral(" ,")), 0);
    EXPECT_THROW(CleanStrToInt(QStringLiteral("12 lbs")), EConvertError);
}

TEST(TextSearch, FindCharInSet)
{
    EXPECT_EQ(FindCharInSet(QStringLiteral("a, b; c"), QStringLiteral(",;"), 4, 1), 5);
    EXPECT_EQ(FindCharInSet(QStringLiteral("a, b; c"), QStringLiteral(",;"), 4, -1), 2);
    EXPECT_EQ(FindCharInSet(QStringLiteral("abc"), QStringLiteral(","), 1, 1), -1);
    EXPECT_EQ(FindCharInSet(QString(), QStringLiteral(","), 7, 1), 7);
}

TEST(TextSearch, TextInBrackets)
{
    EXPECT_EQ(TextInBrackets(QStringLiteral("PP (PC, SC) x")), QStringLiteral("PC, SC"));
    EXPECT_EQ(TextInBrackets(QStringLiteral(") PP (PC")), QString());
}

TEST(TextSearch, NextWord)
{
    int P = 1;
    EXPECT_EQ(NextWord(QStringLiteral("ACCEL 10"), P), QStringLiteral("10"));
    EXPECT_EQ(P, 9);
    P = 1;
    EXPECT_EQ(NextWord(QStringLiteral("HC: 3, TOP"), P), QStringLiteral("3"));
    EXPECT_EQ(P, 7);
    P = 2;
    EXPECT_EQ(NextWord(QStringLiteral("HC"), P), QString());
    EXPECT_EQ(P, 2);
}

TEST(TextSearch, PrevWord)
{
    int P = 6;
    EXPECT_EQ(PrevWord(QStringLiteral("X 10 LBS"), P, false), QStringLiteral("10"));
    EXPECT_EQ(P, 3);
    P = 3;
    EXPECT_EQ(PrevWord(QStringLiteral("10LBS"), P, false), QStringLiteral("1"));
    P = 11;
    EXPECT_EQ(PrevWord(QStringLiteral("Van,Heavy Chassis"), P, false), QStringLiteral(",Heavy"));
    P = 1;
    EXPECT_EQ(PrevWord(QStringLiteral("Chassis"), P, false), QString());
}

TEST(TextSearch, NextItemWalksAListToItsEnd)
{
    const QString S = QStringLiteral("a, b (c), d");
    QStringList Items;
    int P = 1;
    for (QString Item = NextItem(S, P, false); !Item.isEmpty(); Item = NextItem(S, P, false))
        Items += Item;
    EXPECT_EQ(Items, QStringList({QStringLiteral("a,"), QStringLiteral("b (c)"), QStringLiteral("d")}));
}

TEST(TextSearch, PrevItem)
{
    const QString S = QStringLiteral("X, HEAVY DUTY GAS TANK");
    int P = 19;
    EXPECT_EQ(PrevItem(S, P, true), QStringLiteral(", HEAVY DUTY GAS"));
    EXPECT_EQ(P, 2);
    P = -1;
    EXPECT_EQ(PrevItem(S, P, true), QString());
}

TEST(TextSearch, RemoveKeyword)
{
    EXPECT_EQ(RemoveKeyword(QStringLiteral("a Rollcage, b"), QStringLiteral("ROLLCAGE")), QStringLiteral("a  b"));
    EXPECT_EQ(RemoveKeyword(QStringLiteral("a b"), QStringLiteral("x")), QStringLiteral("a b"));
}

TEST(TextSearch, FindAndRemoveAndItsWholeWordForm)
{
    QString S = QStringLiteral("SHP, HP");
    // The whole word is found after a part of a word.
    EXPECT_TRUE(FindWordAndRemove(S, QStringLiteral("HP")));
    EXPECT_EQ(S, QStringLiteral("SHP"));
    EXPECT_FALSE(FindWordAndRemove(S, QStringLiteral("HP")));
    S = QStringLiteral("SHP, HP");
    EXPECT_TRUE(FindAndRemove(S, QStringLiteral("hp")));
    // The comma right after the keyword goes with it.
    EXPECT_EQ(S, QStringLiteral("S HP"));
    S = QStringLiteral("HD (tires)");
    EXPECT_TRUE(FindWordAndRemove(S, QStringLiteral("hd")));
    EXPECT_EQ(S, QStringLiteral("(tires)"));
}

TEST(TextSearch, StripLeadingChar)
{
    QString S = QStringLiteral("(, x");
    StripLeadingChar(S, QStringLiteral("("));
    EXPECT_EQ(S, QStringLiteral("x"));
}

TEST(TextSearch, SortSearchTableLongestFirst)
{
    SearchTable = {MakeSearchRow(QStringLiteral("ab"), QString(), QStringLiteral("1")),
                   MakeSearchRow(QStringLiteral("abc"), QStringLiteral("A"), QStringLiteral("2")),
                   MakeSearchRow(QStringLiteral("xy"), QStringLiteral("XYZ"), QStringLiteral("3"))};
    SortSearchTable(false);
    QStringList Keys;
    for (const TSearchFor& Row : SortedSearchTable)
        Keys += Row.Key;
    EXPECT_EQ(Keys, QStringList({QStringLiteral("ABC"), QStringLiteral("AB"), QStringLiteral("XY")}));
    SortSearchTable(true);
    QStringList Names;
    for (const TSearchFor& Row : SortedSearchTable)
        Names += Row.Name;
    EXPECT_EQ(Names, QStringList({QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1")}));
    SortedSearchTable[1].Used = true;
    EXPECT_TRUE(SearchEntryFound(QStringLiteral("2")));
    ResetSearchFlags(true);
    EXPECT_FALSE(SearchEntryFound(QStringLiteral("2")));
    SearchTable.clear();
    SortedSearchTable.clear();
}

} // namespace
