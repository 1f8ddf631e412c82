#include "StageTwoFixture.h"

#include "import/ImportResult.h"
#include "import/TextSearch.h"

namespace {

using LabelLines = StageTwo;

// Parts written as labels and values, each label in its spellings, each
// value of its table, with every separator, one a line or in a list, in any
// order and case: the value after a label is read for that label.
TEST_F(LabelLines, TheValueAfterALabelBelongsToIt)
{
    const char* const Chassis[][2] = {{"Light", "Light"},       {"Standard", "Standard"},
                                      {"Heavy", "Heavy"},       {"Extra Heavy", "Extra Heavy"},
                                      {"X-Heavy", "Extra Heavy"}, {"Extra-Heavy", "Extra Heavy"}};
    const char* const Suspensions[][2] = {{"Light", "Light"}, {"Improved", "Improved"}, {"Imp.", "Improved"},
                                          {"Heavy", "Heavy"}, {"Off-Road", "Off-Road"}, {"Off Road", "Off-Road"},
                                          {"OR", "Off-Road"}};
    const char* const SuspensionLabels[] = {"Suspension", "Susp", "Susp."};
    const char* const BodyLabels[] = {"Body", "Body Type", "Type"};
    const char* const Separators[] = {": ", ":", " - ", " = "};
    int Round = 0;
    for (const auto& C : Chassis)
        for (const auto& Su : Suspensions)
            for (const char* Sep : Separators)
                for (const char* Between : {"\n", ", "})
                    for (int Order = 0; Order < 3; ++Order) {
                        ++Round;
                        const QString S = QLatin1String(Sep);
                        QStringList Lines = {QLatin1String(BodyLabels[Round % 3]) + S + QStringLiteral("Station Wagon"),
                                             QStringLiteral("Chassis") + S + QLatin1String(C[0]),
                                             QLatin1String(SuspensionLabels[Round % 3]) + S + QLatin1String(Su[0])};
                        std::rotate(Lines.begin(), Lines.begin() + Order, Lines.end());
                        QString Text = QStringLiteral("Gadfly by Uma\n") + Lines.join(QLatin1String(Between))
                                       + QLatin1String(Between) + QStringLiteral("back: FT");
                        if (Round % 2)
                            Text = AnsiUpper(Text);
                        TImportResult Out;
                        ImportDescription(Text, Out);
                        const std::string Shown = Text.toStdString() + "\n" + Out.Result.join(QLatin1Char('\n')).toStdString();
                        EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Type: Station Wagon"))) << Shown;
                        EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Chassis: ") + QLatin1String(C[1]))) << Shown;
                        EXPECT_TRUE(Out.Result.contains(QStringLiteral("* Suspension: ") + QLatin1String(Su[1]))) << Shown;
                        EXPECT_TRUE(Out.Result.contains(QStringLiteral("back:  Flamethrower"))) << Shown;
                        EXPECT_TRUE(Out.Result.filter(QStringLiteral("* Description")).isEmpty()) << Shown;
                        EXPECT_EQ(Out.Leftovers.toStdString(), "") << Shown;
                    }
}

} // namespace
