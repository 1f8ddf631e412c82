#include "platform/Format.h"

#include "platform/Errors.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// Fractions show two decimals unless the format says otherwise.
constexpr int DefaultPrecision = 2;

struct TSpec {
    int Width = 0;
    int Precision = -1;
    QChar Kind;
};

EConvertError InvalidFormat(const QString& format)
{
    return EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
}

QString PadLeft(const QString& text, int width)
{
    return text.size() >= width ? text : QString(width - text.size(), QLatin1Char(' ')) + text;
}

// The exact decimal expansion of value, without sign: a long double is a
// 64-bit mantissa times a power of two, so 64 - exponent fractional digits
// always suffice, and with them to_chars has nothing left to round.
std::string ExactDigits(Extended value)
{
    int exponent = 0;
    std::frexp(value, &exponent);
    const int precision = std::max(0, 64 - exponent);
    std::string digits(static_cast<size_t>(std::max(exponent, 1)) / 3 + static_cast<size_t>(precision) + 8, '\0');
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), std::fabs(value),
                                         std::chars_format::fixed, precision);
    if (ec != std::errc())
        throw EConvertError(QStringLiteral("Invalid floating point value"));
    digits.resize(static_cast<size_t>(end - digits.data()));
    return digits;
}

// Rounds half away from zero to `decimals` decimals, deciding on the exact
// value so that 0.125 shows as 0.13 and 1.005 (stored a little below) as 1.00.
// The digits of |value| rounded half away from zero to `decimals` decimals,
// without the decimal point, from the exact decimal expansion.
std::string RoundedDigitsExact(Extended value, int decimals)
{
    const std::string exact = ExactDigits(value);
    const size_t point = exact.find('.');
    std::string whole = exact.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : exact.substr(point + 1);
    fraction.resize(static_cast<size_t>(decimals) + 1, '0');
    const bool roundUp = fraction.back() >= '5';
    fraction.pop_back();

    std::string digits = whole + fraction;
    if (roundUp) {
        size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    return digits;
}

// The same, quickly, for the common case: a value of moderate size whose
// scaled fraction is clearly away from a half, where the one rounding of the
// scaling cannot change the result. Returns false when it cannot decide.
bool RoundedDigitsFast(Extended value, int decimals, std::string& digits)
{
    if (decimals > 6)
        return false;
    static constexpr Extended Powers[] = {1.0L, 10.0L, 100.0L, 1000.0L, 10000.0L, 100000.0L, 1000000.0L};
    const Extended scaled = std::fabs(value) * Powers[decimals];
    if (!(scaled < 1e15L))
        return false;
    const Extended whole = std::floor(scaled);
    const Extended rest = scaled - whole;
    if (std::fabs(rest - 0.5L) < 1e-6L)
        return false;
    const long long rounded = static_cast<long long>(whole) + (rest > 0.5L ? 1 : 0);
    digits = std::to_string(rounded);
    return true;
}

QString FixedText(Extended value, int decimals, QChar thousandSeparator)
{
    if (!std::isfinite(value))
        throw EConvertError(QStringLiteral("Invalid floating point value"));
    std::string digits;
    if (!RoundedDigitsFast(value, decimals, digits))
        digits = RoundedDigitsExact(value, decimals);
    // At least one digit before the point.
    if (digits.size() < static_cast<size_t>(decimals) + 1)
        digits.insert(0, static_cast<size_t>(decimals) + 1 - digits.size(), '0');
    const std::string whole = digits.substr(0, digits.size() - static_cast<size_t>(decimals));
    const std::string fraction = digits.substr(whole.size());

    QString text;
    const bool shownZero = digits.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !shownZero)
        text += QLatin1Char('-');
    for (size_t i = 0; i < whole.size(); ++i) {
        if (!thousandSeparator.isNull() && i > 0 && (whole.size() - i) % 3 == 0)
            text += thousandSeparator;
        text += QLatin1Char(whole[i]);
    }
    if (decimals > 0)
        text += DecimalSeparator() + QString::fromLatin1(fraction.data(), static_cast<qsizetype>(fraction.size()));
    return text;
}

QString FormatOne(const QString& format, const TSpec& spec, const TFormatArg& arg)
{
    const auto& value = arg.Value();
    const auto* integer = std::get_if<long long>(&value);
    const auto* fraction = std::get_if<Extended>(&value);
    const auto* text = std::get_if<QString>(&value);
    const int decimals = spec.Precision < 0 ? DefaultPrecision : spec.Precision;
    const char kind = spec.Kind.toLatin1();
    if (kind == 'd' && integer && spec.Precision < 0)
        return PadLeft(QString::number(*integer), spec.Width);
    if (kind == 's' && text && spec.Precision < 0)
        return PadLeft(*text, spec.Width);
    if ((kind == 'f' || kind == 'n') && (integer || fraction)) {
        const Extended number = integer ? static_cast<Extended>(*integer) : *fraction;
        return PadLeft(FixedText(number, decimals, kind == 'n' ? ThousandSeparator() : QChar()), spec.Width);
    }
    throw InvalidFormat(format);
}

int ReadNumber(const QString& format, qsizetype& i)
{
    // Widths and precisions beyond this are typing errors in the format.
    constexpr int Largest = 9999;
    int number = 0;
    for (; i < format.size() && format[i] >= QLatin1Char('0') && format[i] <= QLatin1Char('9'); ++i) {
        number = number * 10 + (format[i].unicode() - '0');
        if (number > Largest)
            throw InvalidFormat(format);
    }
    return number;
}

} // namespace

QString Format(const QString& format, std::initializer_list<TFormatArg> args)
{
    QString result;
    result.reserve(format.size() + 16);
    auto arg = args.begin();
    qsizetype i = 0;
    while (i < format.size()) {
        if (format[i] != QLatin1Char('%')) {
            const qsizetype next = format.indexOf(QLatin1Char('%'), i);
            const qsizetype end = next < 0 ? format.size() : next;
            result += QStringView(format).mid(i, end - i);
            i = end;
            continue;
        }
        ++i;
        TSpec spec;
        spec.Width = ReadNumber(format, i);
        if (i < format.size() && format[i] == QLatin1Char('.')) {
            ++i;
            spec.Precision = ReadNumber(format, i);
        }
        if (i == format.size())
            throw InvalidFormat(format);
        spec.Kind = format[i++].toLower();
        if (spec.Kind == QLatin1Char('%')) {
            result += spec.Kind;
            continue;
        }
        if (arg == args.end())
            throw EConvertError(QStringLiteral("No argument for format '%1'").arg(format));
        result += FormatOne(format, spec, *arg++);
    }
    if (arg != args.end())
        throw EConvertError(QStringLiteral("Too many arguments for format '%1'").arg(format));
    return result;
}
