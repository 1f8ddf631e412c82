#include "platform/Numbers.h"

#include "platform/Errors.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr int MaxInt = std::numeric_limits<int>::max();
constexpr int MinInt = std::numeric_limits<int>::min();

TEST(NumbersTest, RoundsHalvesToEven)
{
    const struct {
        Extended Value;
        int Expected;
    } cases[] = {
        {0.5L, 0},   {1.5L, 2},    {2.5L, 2},     {3.5L, 4},    {-0.5L, 0},
        {-1.5L, -2}, {-2.5L, -2},  {85.5L, 86},   {86.5L, 86},  {0.49L, 0},
        {0.51L, 1},  {-0.51L, -1}, {52.5L, 52},
        // 0.15L is stored a little above 0.15: no tie left to break.
        {350 * 0.15L, 53},
        {2147483646.5L, 2147483646},              {-2147483648.5L, MinInt},
        {2147483647.4L, MaxInt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Round(c.Value), c.Expected) << static_cast<double>(c.Value);
}

TEST(NumbersTest, DividesToTheNearestWholeNumberWithHalvesToEven)
{
    const struct {
        long long Numerator;
        long long Denominator;
        int Expected;
    } cases[] = {
        {1, 2, 0},   {3, 2, 2},   {5, 2, 2},    {7, 2, 4},   {-1, 2, 0},  {-3, 2, -2}, {-5, 2, -2},
        {7, 3, 2},   {8, 3, 3},   {-7, 3, -2},  {-8, 3, -3}, {6, 3, 2},   {0, 7, 0},
        // A page of 3390 pixels down: y 7 is exactly three and a half pixels,
        // y 113 fifty-six and a half.
        {7LL * 3390, 6780, 4},    {113LL * 3390, 6780, 56}, {6780LL * 3390, 6780, 3390},
        {2LL * MaxInt - 1, 2, MaxInt - 1},                 {2LL * MinInt, 2, MinInt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundDiv(c.Numerator, c.Denominator), c.Expected) << c.Numerator << " / " << c.Denominator;
    EXPECT_THROW(RoundDiv(2LL * MaxInt + 1, 2), EOverflow);
    EXPECT_THROW(RoundDiv(2LL * MinInt - 2, 2), EOverflow);
}

TEST(NumbersTest, TruncatesTowardZero)
{
    const struct {
        Extended Value;
        int Expected;
    } cases[] = {
        {1.9L, 1}, {-1.9L, -1}, {0.99L, 0}, {-0.99L, 0}, {2147483647.9L, MaxInt}, {-2147483648.9L, MinInt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Trunc(c.Value), c.Expected) << static_cast<double>(c.Value);
}

TEST(NumbersTest, RoundAndTruncOutsideTheIntegerRangeOverflow)
{
    const Extended cases[] = {
        2147483647.5L, -2147483649.0L, 1e20L, -1e20L,
        std::numeric_limits<Extended>::infinity(), std::numeric_limits<Extended>::quiet_NaN(),
    };
    for (const Extended v : cases)
        EXPECT_THROW(Round(v), EOverflow) << static_cast<double>(v);
    EXPECT_THROW(Trunc(2147483648.0L), EOverflow);
    EXPECT_THROW(Trunc(-2147483649.0L), EOverflow);
    EXPECT_THROW(Trunc(std::numeric_limits<Extended>::quiet_NaN()), EOverflow);
}

TEST(NumbersTest, CheckedArithmeticRaisesOnOverflow)
{
    EXPECT_EQ(CheckedAdd(MaxInt - 1, 1), MaxInt);
    EXPECT_EQ(CheckedSub(MinInt + 1, 1), MinInt);
    EXPECT_EQ(CheckedMul(-46340, 46340), -2147395600);
    EXPECT_THROW(CheckedAdd(MaxInt, 1), EOverflow);
    EXPECT_THROW(CheckedAdd(MinInt, -1), EOverflow);
    EXPECT_THROW(CheckedSub(MinInt, 1), EOverflow);
    EXPECT_THROW(CheckedSub(0, MinInt), EOverflow);
    EXPECT_THROW(CheckedMul(65536, 32768), EOverflow);
    EXPECT_THROW(CheckedMul(-1, MinInt), EOverflow);
}

TEST(NumbersTest, ReadsIntegerTexts)
{
    const struct {
        const char* Text;
        int Expected;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"-17", -17},
        {"+8", 8},
        {"  12 ", 12},
        {"\t7", 7},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"$1f", 31},
        {"-$10", -16},
        {"$7FFFFFFF", MaxInt},
        {"$80000000", MinInt},
        {"$FFFFFFFF", -1},
        {"2147483647", MaxInt},
        {"-2147483648", MinInt},
        {"007", 7},
    };
    for (const auto& c : cases) {
        int value = 12345;
        EXPECT_TRUE(TryStrToInt(QString::fromLatin1(c.Text), value)) << c.Text;
        EXPECT_EQ(value, c.Expected) << c.Text;
        EXPECT_EQ(StrToInt(QString::fromLatin1(c.Text)), c.Expected) << c.Text;
    }
}

TEST(NumbersTest, RejectsMalformedIntegerTexts)
{
    const char* cases[] = {
        "", "   ", "+", "-", "+-1", "-+1", "--1", "1 2", "12a", "1.5", "0x", "$", "0x-1", "$-1", "$+1",
        "x1F", "1e3", "2147483648", "-2147483649", "$100000000", "-$FFFFFFFF", "99999999999999999999",
    };
    for (const char* text : cases) {
        int value = 12345;
        EXPECT_FALSE(TryStrToInt(QString::fromLatin1(text), value)) << text;
        EXPECT_EQ(value, 12345) << text;
    }
    try {
        StrToInt(QStringLiteral("12a"));
        FAIL() << "no EConvertError";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'12a' is not a valid integer value"));
    }
}

TEST(NumbersTest, ReadsFractionsWrittenWithADot)
{
    const struct {
        const char* Text;
        double Expected;
    } cases[] = {
        {"1.5", 1.5}, {"-2", -2}, {"+0.25", 0.25}, {" 3.75 ", 3.75}, {"10", 10}, {"1e2", 100}, {"-0.5", -0.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToFloatDot(QString::fromLatin1(c.Text)), c.Expected) << c.Text;
}

TEST(NumbersTest, RejectsMalformedFractions)
{
    const char* cases[] = {"", "  ", "1,5", "+-1", "-+1", "++1", "1.5.2", "abc", "1.5x", "inf", "nan", "1e999", "+"};
    for (const char* text : cases)
        EXPECT_THROW(StrToFloatDot(QString::fromLatin1(text)), EConvertError) << text;
    try {
        StrToFloatDot(QStringLiteral("1,5"));
        FAIL() << "no EConvertError";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'1,5' is not a valid floating point value"));
    }
}

} // namespace
