#include "StageTwoFixture.h"

#include "import/BuildDesign.h"
#include "import/ImportResult.h"

namespace {

using LoadsAndCounts = StageTwo;

// A load that names fewer weapons than the group holds loads that many, the
// rest carrying the plain load, however the number is written.
TEST_F(LoadsAndCounts, ALoadForSomeWeaponsLoadsThatMany)
{
    const char* const Words[] = {"one", "two", "three"};
    for (int Group = 2; Group <= 4; ++Group)
        for (int Loaded = 1; Loaded <= 3 && Loaded <= Group; ++Loaded)
            for (int Form = 0; Form < 4; ++Form)
                for (const char* Ammo : {"HEAT", "AP"}) {
                    const QString Count = Form == 0   ? QLatin1String(Words[Loaded - 1])
                                          : Form == 1 ? QString::number(Loaded)
                                          : Form == 2 ? QString::number(Loaded) + QLatin1Char('x')
                                                      : QString(QLatin1String(Words[Loaded - 1])).toUpper();
                    const QString Text = QStringLiteral("Gadfly by Uma\nSedan, Light Chassis, back: %1 RL (%2 %3), MG")
                                             .arg(QString::number(Group), Count, QLatin1String(Ammo));
                    TImportResult Out;
                    ImportDescription(Text, Out);
                    QStringList Loads;
                    for (int I = 0; I < Loaded; ++I)
                        Loads << QLatin1String(Ammo);
                    if (Loaded < Group)
                        Loads << QStringLiteral("-");
                    const QString Expected = QStringLiteral("back:  %1x Rocket Launcher (Ammo: %2)")
                                                 .arg(QString::number(Group),
                                                      Loaded == Group ? QString(QLatin1String(Ammo))
                                                                      : Loads.join(QStringLiteral(", ")));
                    EXPECT_TRUE(Out.Result.contains(Expected))
                        << Text.toStdString() << "\n" << Out.Result.join(QLatin1Char('\n')).toStdString();
                    EXPECT_TRUE(Out.Result.contains(QStringLiteral("back:  Machine Gun"))) << Text.toStdString();
                    EXPECT_EQ(Out.Leftovers.toStdString(), "") << Text.toStdString();
                }
}

// A count over what the import takes is built as the most it takes and
// reported with its line, as a claim not understood is.
TEST_F(LoadsAndCounts, ACutCountIsReported)
{
    const struct {
        const char* Item;
        const char* Report;
    } Cases[] = {
        {"back: 250 FT", "Count not taken whole: * Weapons: back:  250x Flamethrower"},
        {"777 Spoilers", "Count not taken whole: * Equipment: 777x Spoiler"},
        {"300 cid Gas Engine (140 N2O), Racing Tank with 9 gallons",
         "Count not taken whole: * Engine: 300 cid Gas Engine  with 140x N2O, Gas Tank: Racing, 9 gal."},
        {"300 cid Gas Engine, Racing Tank with 4000 gallons",
         "Count not taken whole: * Engine: 300 cid Gas Engine, Gas Tank: Racing, 4000 gal."},
    };
    for (const auto& Case : Cases) {
        TImportResult Out;
        ImportDescription(QStringLiteral("Gadfly by Uma\nSedan, Light Chassis, %1").arg(QLatin1String(Case.Item)), Out);
        THeadlessMain Main;
        const QString Report = AcceptImport(Out.Result, Main);
        EXPECT_TRUE(Report.split(QStringLiteral("\r\n")).contains(QLatin1String(Case.Report)))
            << Case.Item << "\n" << Out.Result.join(QLatin1Char('\n')).toStdString() << "\n" << Report.toStdString();
    }
    // Within what the import takes, nothing is reported.
    TImportResult Out;
    ImportDescription(QStringLiteral("Gadfly by Uma\nSedan, Light Chassis, back: 3 FT, 2 Spoilers"), Out);
    THeadlessMain Main;
    EXPECT_FALSE(AcceptImport(Out.Result, Main).contains(QLatin1String("not taken whole")));
}

} // namespace
