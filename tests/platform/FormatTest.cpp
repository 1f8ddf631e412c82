#include "platform/Format.h"

#include "platform/Errors.h"

#include <gtest/gtest.h>

namespace {

// Shown numbers follow the user's separators; the cases fix them.
class FormatTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FDecimal = DecimalSeparator();
        FThousand = ThousandSeparator();
        SetDecimalSeparator(QLatin1Char('.'));
        SetThousandSeparator(QLatin1Char(','));
    }
    void TearDown() override
    {
        SetDecimalSeparator(FDecimal);
        SetThousandSeparator(FThousand);
    }

private:
    QChar FDecimal;
    QChar FThousand;
};

struct TCase {
    const char* Format;
    TFormatArg Arg;
    const char* Expected;
};

TEST_F(FormatTest, FormatsOneArgument)
{
    const TCase cases[] = {
        {"%d", 42, "42"},
        {"%d", -7, "-7"},
        {"%2d", 5, " 5"},
        {"%2d", 123, "123"},
        {"%5d", -12, "  -12"},
        {"%d", 2147483647LL * 2, "4294967294"},
        {"%s", "Sedan", "Sedan"},
        {"%6s", "MG", "    MG"},
        {"%2s", "Pickup", "Pickup"},
        {"%f", 1.5, "1.50"},
        {"%f", 3, "3.00"},
        {"%2f", 12.5L, "12.50"},
        {"%6f", 1.25L, "  1.25"},
        {"%2.1f", 0.25L, "0.3"},
        // 0.35L is stored a little below the half.
        {"%2.1f", 0.35L, "0.3"},
        {"%4.2f", 7, "7.00"},
        {"%.1f", 2.25L, "2.3"},
        {"%.0f", 0.5L, "1"},
        {"%.0f", 1.5L, "2"},
        {"%.0f", 2.5L, "3"},
        {"%.0f", -2.5L, "-3"},
        {"%f", 0.125L, "0.13"},
        {"%f", 0.375L, "0.38"},
        {"%f", -0.125L, "-0.13"},
        {"%f", -1.5, "-1.50"},
        {"%f", 9.999L, "10.00"},
        {"%f", 99.999L, "100.00"},
        // The double 1.005 lies a little below 1.005: no half to round up.
        {"%f", 1.005, "1.00"},
        {"%f", 1.015625L, "1.02"},
        // A negative value that shows as zero shows no sign.
        {"%f", -0.001L, "0.00"},
        {"%f", 0, "0.00"},
        {"%f", 1e20L, "100000000000000000000.00"},
        {"%.3f", 1e-10L, "0.000"},
        {"%.0n", 1234567.5L, "1,234,568"},
        {"%.0n", 999, "999"},
        {"%.0n", -1000, "-1,000"},
        {"%n", 12345.678L, "12,345.68"},
        {"%%", 0, "%0"},
    };
    for (const TCase& c : cases) {
        const QString format = QString::fromLatin1(c.Format);
        // "%%" takes no argument; the argument of that case fills a "%d" after it.
        const QString actual = format == QLatin1String("%%") ? Format(QStringLiteral("%%%d"), {c.Arg})
                                                             : Format(format, {c.Arg});
        EXPECT_EQ(actual.toStdString(), c.Expected) << c.Format;
    }
}

TEST_F(FormatTest, RoundsTheStoredValueOfAnExtended)
{
    // 2.675L is stored as 2.67499999999999999990...: the exact value decides.
    EXPECT_EQ(Format(QStringLiteral("%f"), {2.675L}), QStringLiteral("2.67"));
    EXPECT_EQ(Format(QStringLiteral("%f"), {9.995L}), QStringLiteral("9.99"));
}

TEST_F(FormatTest, FillsATextWithSeveralArguments)
{
    EXPECT_EQ(Format(QStringLiteral("%6s | %5d | %3d | %4.2f"), {"MG", 20, 1000, 2.5L}),
              QStringLiteral("    MG |    20 | 1000 | 2.50"));
    EXPECT_EQ(Format(QStringLiteral("Accel. %d, %.0n lbs, $ %.0n"), {5, 4650.0, 12345.0}),
              QStringLiteral("Accel. 5, 4,650 lbs, $ 12,345"));
    EXPECT_EQ(Format(QStringLiteral("100%% done"), {}), QStringLiteral("100% done"));
}

TEST_F(FormatTest, ShowsTheUsersSeparators)
{
    SetDecimalSeparator(QLatin1Char(','));
    SetThousandSeparator(QLatin1Char('.'));
    EXPECT_EQ(Format(QStringLiteral("%f"), {1.5}), QStringLiteral("1,50"));
    EXPECT_EQ(Format(QStringLiteral("%n"), {1234.5L}), QStringLiteral("1.234,50"));
    SetThousandSeparator(QChar());
    EXPECT_EQ(Format(QStringLiteral("%.0n"), {1234567}), QStringLiteral("1234567"));
}

TEST_F(FormatTest, RejectsAFormatThatDoesNotMatchItsArguments)
{
    struct TBad {
        const char* Format;
        std::initializer_list<TFormatArg> Args;
    };
    const TBad cases[] = {
        {"%d", {1.5}},
        {"%d", {"12"}},
        {"%s", {12}},
        {"%f", {"1.5"}},
        {"%d", {}},
        {"%d %d", {1}},
        {"%d", {1, 2}},
        {"plain", {1}},
        {"%", {1}},
        {"%5", {1}},
        {"%x", {1}},
        {"%.2d", {1}},
        {"%99999d", {1}},
    };
    for (const TBad& c : cases)
        EXPECT_THROW(Format(QString::fromLatin1(c.Format), c.Args), EConvertError) << c.Format;
}

} // namespace
