#include "StageTwoFixture.h"

#include "import/ImportResult.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

using ArmorNotations = StageTwo;

const char* const SideLetters[] = {"F", "L", "R", "B", "T", "U"};
const char* const SideWords[] = {"front", "left", "right", "back", "top", "under"};

// A side as the text writes it: its letter, or its name in one of three cases.
QString SideName(int Side, int Form)
{
    const QString Word = QLatin1String(SideWords[Side]);
    switch (Form) {
    case 0: return QLatin1String(SideLetters[Side]);
    case 1: return Word;
    case 2: return Word.toUpper();
    default: return Word.left(1).toUpper() + Word.mid(1);
    }
}

// The armor line of a block whose sides hold Values (empty: not named).
QString ArmorLine(const QString& Kind, const std::vector<int>& Values)
{
    QString Line = QStringLiteral("* Armor: ") + Kind + QStringLiteral(" Armor: ");
    QStringList Sides;
    for (int I = 0; I < 6; ++I)
        Sides << QLatin1String(SideLetters[I]) + (Values[I] > 0 ? QString::number(Values[I]) : QString());
    return Line + Sides.join(QStringLiteral(", "));
}

// Two sides that share one value get it both, whichever two they are, however
// they are named and joined, and wherever a mail program broke the line; the
// sides named one by one around them keep theirs.
TEST_F(ArmorNotations, APairOfSidesGivesBothSidesTheValue)
{
    struct TJoiner {
        const char* Text;
        // The blanks of the joined group where a line may break.
        std::vector<int> Breaks;
    };
    const TJoiner Joiners[] = {{"/", {}}, {" / ", {0, 1}}, {"&", {}}, {" & ", {0, 1}}, {" and ", {0, 1}}, {"+", {}}};
    int Cases = 0;
    for (int A = 0; A < 6; ++A)
        for (int B = 0; B < 6; ++B) {
            if (A == B)
                continue;
            for (int Form = 0; Form < 4; ++Form)
                for (const TJoiner& Joiner : Joiners) {
                    std::vector<int> Breaks = Joiner.Breaks;
                    Breaks.push_back(-1);
                    // Between the group and its value: after the group's last
                    // blank.
                    Breaks.push_back(2);
                    for (const int Break : Breaks) {
                        // Letters break only in capitals, as a text writes them.
                        QString Group = SideName(A, Form);
                        const QString Joined = QLatin1String(Joiner.Text);
                        QString Pieces[3] = {Group, Joined.trimmed(), SideName(B, Form)};
                        QString Text = QStringLiteral("Hornet by Kay\nPickup, Light Chassis, Fireproof Metal Armor ");
                        std::vector<int> Values(6, 0);
                        QStringList Others;
                        for (int Side = 0; Side < 6; ++Side)
                            if (Side != A && Side != B) {
                                Values[Side] = 3 + Side;
                                Others << QLatin1String(SideLetters[Side]) + QString::number(Values[Side]);
                            }
                        Values[A] = Values[B] = 17;
                        const QString Blank0 = Joined.startsWith(QLatin1Char(' ')) ? QStringLiteral(" ") : QString();
                        const QString Blank1 = Joined.endsWith(QLatin1Char(' ')) ? QStringLiteral(" ") : QString();
                        const QString Sep[3] = {Break == 0 ? QStringLiteral("\n") : Blank0,
                                                Break == 1 ? QStringLiteral("\n") : Blank1,
                                                Break == 2 ? QStringLiteral("\n") : QStringLiteral(" ")};
                        Text += Others.mid(0, 2).join(QStringLiteral(", ")) + QStringLiteral(", ") + Pieces[0] + Sep[0]
                                + Pieces[1] + Sep[1] + Pieces[2] + Sep[2] + QStringLiteral("17, ")
                                + Others.mid(2).join(QStringLiteral(", ")) + QStringLiteral(", Spoiler");
                        const TImportResult Read = StageOne(Text);
                        EXPECT_TRUE(Read.Result.contains(ArmorLine(QStringLiteral("Fireproof Metal"), Values)))
                            << Text.toStdString() << "\n" << Read.Result.join(QLatin1Char('\n')).toStdString();
                        EXPECT_TRUE(Read.Result.contains(QStringLiteral("Spoiler"))) << Text.toStdString();
                        EXPECT_EQ(Read.Leftovers.toStdString(), "") << Text.toStdString();
                        ++Cases;
                    }
                }
        }
    EXPECT_GT(Cases, 0);
}

// "Sides" is both sides, in any case, also with the value on the next line;
// a place heading after the armor stays a place.
TEST_F(ArmorNotations, TheSidesAreLeftAndRight)
{
    for (const char* Sides : {"sides", "Sides", "SIDES"})
        for (const char* Before : {" ", "\n", ": "}) {
            const QString Text = QStringLiteral("Hornet by Kay\nSedan, Plastic Armor F12, %1%2%3, B6, T2, U2, back: 2 FT")
                                     .arg(QLatin1String(Sides), QLatin1String(Before), QStringLiteral("9"));
            const TImportResult Read = StageOne(Text);
            EXPECT_TRUE(Read.Result.contains(QStringLiteral("* Armor: Plastic Armor: F12, L9, R9, B6, T2, U2")))
                << Text.toStdString() << "\n" << Read.Result.join(QLatin1Char('\n')).toStdString();
            EXPECT_TRUE(Read.Result.contains(QStringLiteral("back:  2x Flamethrower"))) << Text.toStdString();
            EXPECT_EQ(Read.Leftovers.toStdString(), "") << Text.toStdString();
        }
}

// A side's name written out before a count of weapons is a place and a
// count, never a side's value.
TEST_F(ArmorNotations, APlaceAfterTheArmorIsNoSide)
{
    const TImportResult Read = StageOne(QStringLiteral("Hornet by Kay\nSedan, Plastic Armor F12, B6, left 2 MG, Spoiler"));
    EXPECT_TRUE(Read.Result.contains(QStringLiteral("* Armor: Plastic Armor: F12, L, R, B6, T, U")))
        << Read.Result.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(Read.Result.contains(QStringLiteral("left:  2x Machine Gun")));
    EXPECT_EQ(Read.Leftovers.toStdString(), "");
}

// Every wording of the laser-reflective and fireproof kinds, in any order
// with the base kind, in any case, and with the line broken at any blank of
// the phrase (or right before it, on a wrapped line of items): the words
// are the armor's kind, never a laser of their own.
TEST_F(ArmorNotations, TheKindPhraseReadsEveryWordingOfItsKind)
{
    const char* const Lasers[] = {"Laser Reflective", "Laser-Reflective", "Anti-Laser", "Anti Laser",
                                  "Laser Resistant", "Laser-proof", "Laserproof", "Reflective", "LR"};
    const char* const Fires[] = {"", "Fireproof", "Fire-proof", "Fire Resistant", "FP"};
    const char* const Bases[] = {"", "Metal", "Plastic"};
    for (const char* Laser : Lasers)
        for (const char* Fire : Fires)
            for (const char* Base : Bases)
                for (int Order = 0; Order < 2; ++Order)
                    for (const bool Capitals : {false, true}) {
                        QStringList Words;
                        if (*Fire)
                            Words << QLatin1String(Fire);
                        Words << QLatin1String(Laser);
                        if (Order == 1)
                            std::reverse(Words.begin(), Words.end());
                        if (*Base)
                            Words << QLatin1String(Base);
                        const QString Phrase = Words.join(QLatin1Char(' ')) + QStringLiteral(" Armor");
                        // Every blank of the phrase, and the one before it.
                        QVector<int> Blanks = {-1, 0};
                        for (int I = 0; I < Phrase.size(); ++I)
                            if (Phrase[I] == QLatin1Char(' '))
                                Blanks << I + 1;
                        for (const int Break : Blanks) {
                            QString Lead = QStringLiteral("Hornet by Kay\nCompact, Standard Chassis, back: 2 RL, ");
                            QString Armor = Phrase;
                            if (Break == 0) {
                                Lead.chop(1);
                                Lead += QLatin1Char('\n');
                            } else if (Break > 0) {
                                Armor[Break - 1] = QLatin1Char('\n');
                            }
                            QString Text = Lead + Armor + QStringLiteral(" F9, B4, front: VMG");
                            if (Capitals)
                                Text = Text.toUpper();
                            const TImportResult Read = StageOne(Text);
                            const QString Kind = QString(*Fire ? QStringLiteral("Fireproof ") : QString())
                                                 + QStringLiteral("Reflective ")
                                                 + (QLatin1String(Base) == QLatin1String("Metal") ? QStringLiteral("Metal")
                                                                                                   : QStringLiteral("Plastic"));
                            const std::string Shown = Text.toStdString() + "\n" + Read.Result.join(QLatin1Char('\n')).toStdString();
                            EXPECT_TRUE(Read.Result.contains(QStringLiteral("* Armor: ") + Kind
                                                             + QStringLiteral(" Armor: F9, L, R, B4, T, U")))
                                << Shown;
                            EXPECT_TRUE(Read.Result.contains(QStringLiteral("back:  2x Rocket Launcher"))) << Shown;
                            EXPECT_TRUE(Read.Result.contains(QStringLiteral("front:  Vulcan Machine Gun"))) << Shown;
                            for (const QString& Line : Read.Result)
                                EXPECT_FALSE(Line.contains(QLatin1String("Laser"))) << Shown;
                            EXPECT_EQ(Read.Leftovers.toStdString(), "") << Shown;
                        }
                    }
}

// In a block that separates its items, a word of the armor's phrase that
// names no kind is left to the user as written, never read as a part; in a
// block without separators it is a part of its own.
TEST_F(ArmorNotations, AWordOfThePhraseThatNamesNoKindIsLeftToTheUser)
{
    const TImportResult Separated = StageOne(QStringLiteral("Hornet by Kay\nSedan, front: RL, Airdam Metal Armor F6, B6"));
    EXPECT_TRUE(Separated.Result.contains(QStringLiteral("* Armor: Metal Armor: F6, L, R, B6, T, U")));
    EXPECT_FALSE(Separated.Result.contains(QStringLiteral("Airdam")));
    EXPECT_EQ(Separated.Leftovers.toStdString(), "Airdam");
    const TImportResult Words = StageOne(QStringLiteral("Hornet by Kay\nSedan Heavy Chassis front: RL Airdam Metal Armor F6 B6"));
    EXPECT_TRUE(Words.Result.contains(QStringLiteral("* Armor: Metal Armor: F6, L, R, B6, T, U")));
    EXPECT_TRUE(Words.Result.contains(QStringLiteral("Airdam")));
    EXPECT_EQ(Words.Leftovers.toStdString(), "");
}

} // namespace
