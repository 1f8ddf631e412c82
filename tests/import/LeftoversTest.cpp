#include "StageTwoFixture.h"

#include "import/ImportResult.h"
#include "import/TextSearch.h"

#include <QRegularExpression>

namespace {

using Leftovers = StageTwo;

// The words the recognisers read as keywords of a part and write in other
// words ("Accel" as "Acceleration", "$" in none).
bool IsKeyword(const QString& Word)
{
    static const QStringList Keywords = {
        QStringLiteral("DESIGNED"), QStringLiteral("BY"),      QStringLiteral("CHASSIS"), QStringLiteral("SUSPENSION"),
        QStringLiteral("TIRES"),    QStringLiteral("ARMOR"),   QStringLiteral("POWER"),   QStringLiteral("PLANT"),
        QStringLiteral("ACCEL"),    QStringLiteral("TOP"),     QStringLiteral("SPEED"),   QStringLiteral("HC"),
        QStringLiteral("LBS"),      QStringLiteral("$"),       QStringLiteral("FRONT"),   QStringLiteral("GUNS"),
        QStringLiteral("GALLONS"),  QStringLiteral("WITH")};
    // "4-point" is written "(4pt)".
    return Keywords.contains(Word) || Word.endsWith(QLatin1String("-POINT"));
}

// A comma glued to the next word separates all the same.
TEST_F(Leftovers, GluedCommaSeparates)
{
    TImportResult Out;
    ImportDescription(QStringLiteral("Van,Heavy Chassis,Large Power Plant,heavy suspension,Solid Tires"), Out);
    EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Suspension: Heavy")));
    EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Engine: Large Power Plant")));
    EXPECT_EQ(Out.Leftovers, QString());
}

// Texts with unknown words among known parts, odd spacing, letter case,
// numbers in words and line breaks: every word comes back, in the result or
// in the leftovers, and the unknown ones in the leftovers.
TEST_F(Leftovers, EveryWordIsInTheResultOrTheLeftovers)
{
    const struct {
        const char* Text;
        const char* Unknown;
    } Cases[] = {
        {"Zorg, designed by Kay\nA strange one.\nVan, Heavy Chassis, Flux Capacitor, Large Power Plant, Heavy "
         "Suspension, Solid Tires, Driver (Body Armor, Lucky Charm), front: Machine Gun, Rocket Launcher, Wobbly "
         "Thing, Armor F10, B10, Accel. 5, Top Speed 100, HC 2, 3000 lbs, $ 9000",
         "Flux Capacitor Lucky Charm Wobbly Thing"},
        {"  van ,  HEAVY   chassis ;; GLORP  , large power   plant,heavy suspension , solid tires ,  driver ,"
         " front :  machine gun , x2y3 , armor f10 b10",
         "GLORP x2y3"},
        {"Van, Heavy Chassis, R2D2 unit, Large Power Plant, Heavy Suspension, Solid Tires, Driver, front: 3 "
         "Machine Guns, Model T1000, Spoiler, Armor F10",
         "R2D2 unit Model T1000"},
        {"Pickup\nHeavy Chassis\nsome odd words here\nLarge Power Plant\nDriver\nfront: Machine Gun\nmore of them\n"
         "Armor F10",
         "some odd words here more of them"},
        {"VAN, LIGHT CHASSIS, SMALL POWER PLANT, IMPROVED SUSPENSION, SOLID TIRES, DRIVER (GAS MASK, TEDDY BEAR), "
         "BACK: FLAMETHROWER (3 PT CA) (EXTRA HOT), ARMOR F5",
         "TEDDY BEAR EXTRA HOT"},
        {"Van, Heavy Chassis, Large Power Plant (Superconductors, Flux Coil), Heavy Suspension, Solid Tires "
         "(spare ones), Driver, Armor F10, B10, Shiny",
         "Flux Coil spare ones Shiny"},
        {"Van, Heavy Chassis, 250 cid Gas Engine (Turbocharger, Chrome Pipes), Heavy-Duty Tank with 10 gallons, "
         "Heavy Suspension, Solid Tires, Wheelguards 4-point (front), Driver, Armor F10",
         "Chrome Pipes"},
    };
    static const QRegularExpression Separators(QStringLiteral("[\\s,;:.()]+"));
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Text);
        TImportResult Out;
        ImportDescription(QLatin1String(Case.Text), Out);
        const QString Result = AnsiUpper(Out.Result.join(QLatin1Char('\n')));
        const QString Left = AnsiUpper(Out.Leftovers);
        for (const QString& Word : AnsiUpper(QLatin1String(Case.Text)).split(Separators, Qt::SkipEmptyParts))
            EXPECT_TRUE(IsKeyword(Word) || Result.contains(Word) || Left.contains(Word)
                        || Result.contains(QString(Word).replace(QLatin1Char('-'), QLatin1Char(' '))))
                << Word.toStdString() << " of: " << Case.Text << "\n--- result\n"
                << Result.toStdString() << "\n--- leftovers\n"
                << Left.toStdString();
        for (const QString& Word : AnsiUpper(QLatin1String(Case.Unknown)).split(Separators, Qt::SkipEmptyParts))
            EXPECT_TRUE(Left.contains(Word)) << Word.toStdString() << " of: " << Case.Text << "\n--- leftovers\n"
                                             << Left.toStdString();
    }
}

} // namespace
