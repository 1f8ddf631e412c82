#include "StageTwoFixture.h"

#include "import/ImportResult.h"

namespace {

using PodsAndTurrets = StageTwo;

std::string Shown(const QString& Text, const TImportResult& Read)
{
    return Text.toStdString() + "\n" + Read.Result.join(QLatin1Char('\n')).toStdString() + "\n["
           + Read.Leftovers.toStdString() + "]";
}

const char* const Verbs[] = {"with", "holding", "mounting", "carrying", "WITH", "Holding"};

// A pod in every way a text sizes, places and arms it: the size is its size
// and never armor, its points are its own, and what it holds goes into it.
TEST_F(PodsAndTurrets, APodHoldsWhatItIsNamedWith)
{
    const char* const Sizes[][2] = {{"Two-space %1", ""},  {"2-space %1", ""}, {"two space %1", ""},
                                    {"%1 (2 space)", ""},  {"%1 (two-space)", ""}, {"%1 (2-space, 4 pt)", "4"}};
    for (const auto& Size : Sizes)
        for (const char* Place : {"Top", "Side", "top"})
            for (const char* Kind : {"EWP", "rocket EWP", "EWPs"})
                for (const char* Verb : Verbs) {
                    const QString Pod = QLatin1String(Place) + QLatin1Char(' ') + QLatin1String(Kind);
                    const QString Text = QStringLiteral("Gadfly by Uma\nSedan, Light Chassis, %1 %2 3 MR, back: FT")
                                             .arg(QString::fromLatin1(Size[0]).arg(Pod), QLatin1String(Verb));
                    const TImportResult Read = StageOne(Text);
                    QString Line;
                    for (const QString& L : Read.Result)
                        if (L.startsWith(QLatin1String("Two-space")) && L.endsWith(QLatin1String("EWP")))
                            Line = L;
                    EXPECT_FALSE(Line.isEmpty()) << Shown(Text, Read);
                    EXPECT_EQ(Line.contains(QLatin1String(" pt)")), *Size[1] != 0) << Shown(Text, Read);
                    if (*Size[1]) {
                        EXPECT_TRUE(Line.contains(QStringLiteral("(%1 pt)").arg(QLatin1String(Size[1]))))
                            << Shown(Text, Read);
                    }
                    EXPECT_TRUE(Read.Result.contains(QStringLiteral("ewp:  3x Medium Rocket"))) << Shown(Text, Read);
                    EXPECT_TRUE(Read.Result.contains(QStringLiteral("back:  Flamethrower"))) << Shown(Text, Read);
                    EXPECT_TRUE(Read.Result.filter(QStringLiteral("front:")).isEmpty()) << Shown(Text, Read);
                    EXPECT_EQ(Read.Leftovers.toStdString(), "") << Shown(Text, Read);
                }
}

// A turret the text does not size names none the design can take: the item
// stays whole with the user whatever word says what it holds; a sized one
// holds it.
TEST_F(PodsAndTurrets, ATurretHoldsWhatItIsNamedWithOnlyWhenSized)
{
    for (const char* Verb : Verbs)
        for (const char* Held : {"2 VMG", "RL", "two FT"})
            for (const bool Sized : {false, true}) {
                const QString Item = (Sized ? QStringLiteral("Two-space Turret ") : QStringLiteral("Turret "))
                                     + QLatin1String(Verb) + QLatin1Char(' ') + QLatin1String(Held);
                const QString Text = QStringLiteral("Gadfly by Uma\nSedan, Light Chassis, %1, back: MG").arg(Item);
                const TImportResult Read = StageOne(Text);
                EXPECT_TRUE(Read.Result.contains(QStringLiteral("back:  Machine Gun"))) << Shown(Text, Read);
                EXPECT_EQ(Read.Result.contains(QStringLiteral("Two-space Turret")), Sized) << Shown(Text, Read);
                EXPECT_EQ(Read.Result.filter(QStringLiteral("turret:")).isEmpty(), !Sized) << Shown(Text, Read);
                EXPECT_EQ(Read.Leftovers.toStdString(), Sized ? "" : Item.toStdString()) << Shown(Text, Read);
            }
    // "w/" is gone before the recognisers read the item.
    const TImportResult Read = StageOne(QStringLiteral("Gadfly by Uma\nSedan, Light Chassis, Turret w/ 2 RL, back: MG"));
    EXPECT_TRUE(Read.Result.filter(QStringLiteral("turret:")).isEmpty());
    EXPECT_EQ(Read.Leftovers.toStdString(), "Turret 2 RL");
}

} // namespace
