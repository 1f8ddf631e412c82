#include "platform/Numbers.h"

#include "platform/Errors.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

EOverflow OverflowError()
{
    return EOverflow(QStringLiteral("Arithmetic overflow"));
}

int ToInt32(Extended whole)
{
    if (!(whole >= static_cast<Extended>(std::numeric_limits<int>::min())
          && whole <= static_cast<Extended>(std::numeric_limits<int>::max())))
        throw OverflowError();
    return static_cast<int>(whole);
}

// "." whatever the user's locale: the rules files are written that way.
QChar& DotSeparator()
{
    static QChar separator = QLatin1Char('.');
    return separator;
}

std::optional<QChar>& ShownSeparator()
{
    static std::optional<QChar> separator;
    return separator;
}

std::optional<QChar>& ShownThousandSeparator()
{
    static std::optional<QChar> separator;
    return separator;
}

} // namespace

int Round(Extended value)
{
    // rintl rounds in the default mode, to nearest with ties to even, as
    // nearbyintl does, without saving and restoring the floating-point state
    // (nobody here reads it). The checked whole number is then stored by
    // lrintl, which keeps the rounding mode as it is, where a cast would
    // switch it to truncation and back: Round runs for most breakdown lines.
    const Extended whole = std::rintl(value);
    ToInt32(whole);
    return static_cast<int>(std::lrintl(whole));
}

int Trunc(Extended value)
{
    return ToInt32(std::truncl(value));
}

int RoundDiv(long long numerator, long long denominator)
{
    // Floor division, then the remainder (0 to denominator - 1) decides.
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    if (quotient < std::numeric_limits<int>::min() || quotient > std::numeric_limits<int>::max())
        throw OverflowError();
    return static_cast<int>(quotient);
}

int CheckedAdd(int a, int b)
{
    int r;
    if (__builtin_add_overflow(a, b, &r))
        throw OverflowError();
    return r;
}

int CheckedSub(int a, int b)
{
    int r;
    if (__builtin_sub_overflow(a, b, &r))
        throw OverflowError();
    return r;
}

int CheckedMul(int a, int b)
{
    int r;
    if (__builtin_mul_overflow(a, b, &r))
        throw OverflowError();
    return r;
}

bool TryStrToInt(const QString& text, int& value)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    int base = 10;
    if (end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        base = 16;
        p += 2;
    } else if (p != end && *p == '$') {
        base = 16;
        ++p;
    }
    if (p == end || *p == '+' || *p == '-')
        return false;
    long long magnitude = 0;
    const auto [rest, ec] = std::from_chars(p, end, magnitude, base);
    if (ec != std::errc() || rest != end)
        return false;
    const long long signedValue = negative ? -magnitude : magnitude;
    if (base == 16 && !negative && signedValue > std::numeric_limits<int>::max()
        && signedValue <= static_cast<long long>(std::numeric_limits<unsigned>::max())) {
        // Hexadecimal values name a bit pattern: $FFFFFFFF is -1.
        value = static_cast<int>(static_cast<unsigned>(signedValue));
        return true;
    }
    if (signedValue < std::numeric_limits<int>::min() || signedValue > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(signedValue);
    return true;
}

int StrToInt(const QString& text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

void InitFormatSettings(int /*localeId*/)
{
    // Only the decimal separator of the format is ever used, and it is fixed.
    DotSeparator() = QLatin1Char('.');
}

double StrToFloatDot(const QString& text)
{
    const QString trimmed = text.trimmed();
    QByteArray bytes = trimmed.toLatin1();
    if (DotSeparator() != QLatin1Char('.'))
        bytes.replace(DotSeparator().toLatin1(), '.');
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    // from_chars takes a minus sign but no plus: one plus sign is ours to
    // skip, and a second sign after it is malformed.
    bool signAfterPlus = false;
    if (p != end && *p == '+') {
        ++p;
        signAfterPlus = p != end && (*p == '+' || *p == '-');
    }
    double value = 0;
    const auto [rest, ec] = std::from_chars(p, end, value, std::chars_format::general);
    if (trimmed.isEmpty() || signAfterPlus || ec != std::errc() || rest != end || !std::isfinite(value))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

QChar DecimalSeparator()
{
    if (!ShownSeparator())
        ShownSeparator() = QLocale::system().decimalPoint().at(0);
    return *ShownSeparator();
}

void SetDecimalSeparator(QChar separator)
{
    ShownSeparator() = separator;
}

QChar ThousandSeparator()
{
    if (!ShownThousandSeparator()) {
        const QString group = QLocale::system().groupSeparator();
        ShownThousandSeparator() = group.isEmpty() ? QChar() : group.at(0);
    }
    return *ShownThousandSeparator();
}

void SetThousandSeparator(QChar separator)
{
    ShownThousandSeparator() = separator;
}
