#include "StageTwoFixture.h"

#include "SampleDesigns.h"
#include "import/ClaimedFigures.h"
#include "model/Global.h"

namespace {

using Reader = QString (*)(QString&);

struct TReadCase {
    Reader Read;
    const char* Text;
    const char* Value;
    const char* Remains;
};

TEST(ClaimedFigures, ReadersTakeValueAndKeywordOut)
{
    const TReadCase Cases[] = {
        {ParseAcceleration, "Accel, 5, Top Speed 110", "5", "Top Speed 110"},
        {ParseAcceleration, "Acceleration 10 Cargo", "10", "Cargo"},
        {ParseAcceleration, "Accel: 15", "15", ""},
        {ParseAcceleration, "fast", "", "fast"},
        {ParseTopSpeed, "Top Speed 100, HC 2", "100", "HC 2"},
        {ParseTopSpeed, "Max Speed 100", "100", ""},
        {ParseTopSpeed, "Speed 100", "100", ""},
        {ParseHC, "HC 3, 3820 lbs", "3", "3820 lbs"},
        {ParseHC, "HC: -2", "-2", ""},
        {ParseWeight, "HC 3, 5000 lbs, $ 10", "5000", "HC 3, , $ 10"},
        {ParseWeight, "HC 2, 5000lbs, $ 10", "5000", "HC 2,  $ 10"},
        // A weight that opens the text leaves none of its digits behind.
        {ParseWeight, "3448 lbs, $ 10", "3448", ", $ 10"},
        {ParseWeight, "3448lbs, $ 10", "3448", " $ 10"},
        {ParseWeight, "5 lbs", "5", ""},
        {ParseWeight, "Cargo, xlbs", "", "Cargo, xlbs"},
        {ParseWeight, "Weight: 4000, x", "4000", "x"},
        {ParseCost, "lbs, $ 12345, Accel", "12345,", "lbs, Accel"},
        {ParseCost, "Cost: $9160", "9160", ""},
        {ParseCost, "MG,$500", "500", "MG"},
        {ParseCost, "none", "", "none"},
        // A "$" in an accessory's note is no cost.
        {ParseCost, "Cargo Safe (holds $500), $ 9160", "9160", "Cargo Safe (holds $500)"},
        {ParseCost, "Cargo Safe (holds $500)", "", "Cargo Safe (holds $500)"},
    };
    for (const TReadCase& Case : Cases) {
        QString S = QLatin1String(Case.Text);
        EXPECT_EQ(Case.Read(S).toStdString(), Case.Value) << Case.Text;
        EXPECT_EQ(S.toStdString(), Case.Remains) << Case.Text;
    }
}

// The first number, with the minus sign that opens it (a handling class
// below 0 is claimed as the stat block writes it).
TEST(ClaimedFigures, ClaimValueIsTheFirstNumberWithItsSign)
{
    const struct {
        const char* Value;
        int Claim;
    } Cases[] = {{"-2", -2}, {"-1 HC", -1}, {"(-3)", -3}, {"12345,", 12345}, {"$", 0}, {"3-4", 3}, {"X-2", 2}};
    for (const auto& Case : Cases)
        EXPECT_EQ(ClaimValue(QLatin1String(Case.Value)), Case.Claim) << Case.Value;
}

class CompareClaimsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UseShippedRulesForImport(); }

    // Veze Ridiv: acceleration 5, top speed 106, HC 3, 3,820 lbs, $ 9,160.
    TVehicle Design()
    {
        TVehicle V;
        SampleDesigns().front().Build(V);
        RecalculateFigures(V);
        return V;
    }
};

TEST_F(CompareClaimsTest, ReportsEveryDifferingClaim)
{
    TVehicle V = Design();
    TClaims Claims;
    Claims.Acceleration = 10;
    Claims.Speed = 106;
    Claims.HC = 2;
    Claims.Weight = 4000;
    Claims.Cost = 12000;
    EXPECT_EQ(CompareClaims(V, Claims), QStringLiteral("\r\n---\r\n"
                                                       "Claimed Acceleration: 10, calculated: 5 (-5)\r\n"
                                                       "Claimed HC: 2, calculated: 3 (1)\r\n"
                                                       "Claimed Weight: 4,000, calculated: 3,820 (-180)\r\n"
                                                       "Claimed Cost: 12,000, calculated: 9,160 (-2,840)\r\n"));
}

TEST_F(CompareClaimsTest, EqualOrMissingClaimsReportNothing)
{
    TVehicle V = Design();
    TClaims Claims;
    EXPECT_EQ(CompareClaims(V, Claims), QString());
    Claims.Acceleration = 5;
    Claims.Speed = 106;
    Claims.HC = 3;
    Claims.Weight = 3820;
    Claims.Cost = 9160;
    EXPECT_EQ(CompareClaims(V, Claims), QString());
}

TEST_F(CompareClaimsTest, LeavesTheWindowsBreakdownsAlone)
{
    TVehicle V = Design();
    const QStringList Shown = CostList;
    TClaims Claims;
    Claims.Cost = 1;
    CompareClaims(V, Claims);
    EXPECT_EQ(CostList, Shown);
}

} // namespace
