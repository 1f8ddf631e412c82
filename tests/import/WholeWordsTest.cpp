#include "StageTwoFixture.h"

#include "import/ImportResult.h"
#include "model/Global.h"

namespace {

using WholeWords = StageTwo;

// Every accessory and weapon of the rules, named in a block that claims no
// figure: its name is read as itself, and no claim keyword is found inside
// one of its words (the "HC" of "Brushcutter", the "Speed" of a name).
TEST_F(WholeWords, NoClaimIsReadFromInsideAPartsName)
{
    QStringList Names;
    for (const auto& Row : EquipmentTypes.Items)
        Names << Row.Name;
    for (const auto& Row : WeaponTypes.Items)
        Names << Row.Name;
    for (const QString& Name : Names) {
        for (const bool Capitals : {false, true}) {
            QString Text = QStringLiteral("Gadfly by Uma\nSedan, Light Chassis, back: %1, Ejection Seat").arg(Name);
            if (Capitals)
                Text = Text.toUpper();
            TImportResult Out;
            ImportDescription(Text, Out);
            const std::string Shown = Text.toStdString() + "\n" + Out.Result.join(QLatin1Char('\n')).toStdString();
            for (const char* Claim : {"* HC: ", "* Speed: ", "* Acceleration: ", "* Weight: ", "* Cost: "})
                for (const QString& Line : Out.Result)
                    EXPECT_FALSE(Line.startsWith(QLatin1String(Claim))) << Shown;
            EXPECT_TRUE(Out.Result.contains(QStringLiteral("Ejection Seat"))) << Shown;
        }
    }
}

// A claim keyword inside a longer word is no claim; the same keyword as a
// word of its own is, in any case and before any value.
TEST_F(WholeWords, ClaimKeywordsAreWholeWords)
{
    const struct {
        const char* Inside;
        const char* Claim;
        const char* Line;
    } Cases[] = {
        {"Archcraft", "HC 4", "* HC: 4"},        {"Speedster decal", "Top Speed 95", "* Speed: 95"},
        {"Decelerator note", "Accel 10", "* Acceleration: 10"}, {"Lightweight: yes", "Weight: 4100", "* Weight: 4100"},
    };
    for (const auto& Case : Cases)
        for (const bool WithClaim : {false, true}) {
            QString Text = QStringLiteral("Gadfly by Uma\nSedan, Light Chassis, %1").arg(QLatin1String(Case.Inside));
            if (WithClaim)
                Text += QStringLiteral(", ") + QLatin1String(Case.Claim);
            TImportResult Out;
            ImportDescription(Text, Out);
            EXPECT_EQ(Out.Result.contains(QLatin1String(Case.Line)), WithClaim)
                << Text.toStdString() << "\n" << Out.Result.join(QLatin1Char('\n')).toStdString();
        }
}

// "Tire" begins a word: a note that holds it inside another word names no
// tires.
TEST_F(WholeWords, TiresAreAWordOfTheirOwn)
{
    TImportResult Out;
    ImportDescription(QStringLiteral("Gadfly by Uma\nSedan, Light Chassis, the entire roof retired"), Out);
    EXPECT_TRUE(Out.Result.contains(QStringLiteral("# Vehicle Tire Info not found!")));
    EXPECT_EQ(Out.Leftovers.toStdString(), "the entire roof retired");
}

} // namespace
