#include "platform/Format.h"

#include "platform/Errors.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// Fractions show two decimals unless the format says otherwise.
constexpr int DefaultPrecision = 2;

struct TDirective {
    int Width = 0;
    int Precision = -1;
    QChar Kind;
};

EConvertError InvalidFormat(const QString& format)
{
    return EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
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
    const size_t whole = digits.size() - static_cast<size_t>(decimals);

    QString text;
    text.reserve(static_cast<qsizetype>(digits.size() + whole / 3 + 2));
    const bool shownZero = digits.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !shownZero)
        text += QLatin1Char('-');
    for (size_t i = 0; i < whole; ++i) {
        if (!thousandSeparator.isNull() && i > 0 && (whole - i) % 3 == 0)
            text += thousandSeparator;
        text += QLatin1Char(digits[i]);
    }
    if (decimals > 0) {
        text += DecimalSeparator();
        text += QLatin1String(digits.data() + whole, static_cast<qsizetype>(decimals));
    }
    return text;
}

// Appends one argument as its directive says, padded on the left.
void AppendOne(QString& result, const QString& format, const TDirective& directive, const TFormatArg& arg)
{
    const auto& value = arg.Value();
    const auto* integer = std::get_if<long long>(&value);
    const auto* fraction = std::get_if<Extended>(&value);
    const auto* text = std::get_if<QString>(&value);
    const int decimals = directive.Precision < 0 ? DefaultPrecision : directive.Precision;
    const char kind = directive.Kind.toLatin1();
    const auto pad = [&result, &directive](qsizetype length) {
        if (length < directive.Width)
            result.resize(result.size() + directive.Width - length, QLatin1Char(' '));
    };
    if (kind == 'd' && integer && directive.Precision < 0) {
        // The hot path of every breakdown line: no temporary strings.
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, *integer).ptr;
        pad(end - digits);
        result.append(QLatin1String(digits, end));
        return;
    }
    if (kind == 's' && text && directive.Precision < 0) {
        pad(text->size());
        result.append(*text);
        return;
    }
    if ((kind == 'f' || kind == 'n') && (integer || fraction)) {
        const Extended number = integer ? static_cast<Extended>(*integer) : *fraction;
        const QString fixed = FixedText(number, decimals, kind == 'n' ? ThousandSeparator() : QChar());
        pad(fixed.size());
        result.append(fixed);
        return;
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
    result.reserve(format.size() + 48);
    const QChar* const text = format.constData();
    auto arg = args.begin();
    qsizetype i = 0;
    while (i < format.size()) {
        if (text[i] != QLatin1Char('%')) {
            // Breakdown formats are short: a plain scan beats a search call.
            qsizetype end = i + 1;
            while (end < format.size() && text[end] != QLatin1Char('%'))
                ++end;
            result.append(text + i, end - i);
            i = end;
            continue;
        }
        ++i;
        TDirective directive;
        directive.Width = ReadNumber(format, i);
        if (i < format.size() && format[i] == QLatin1Char('.')) {
            ++i;
            directive.Precision = ReadNumber(format, i);
        }
        if (i == format.size())
            throw InvalidFormat(format);
        const char16_t kind = format[i++].unicode();
        // ASCII case folding: "%D" reads as "%d" whatever the user's locale.
        directive.Kind = QChar(kind >= u'A' && kind <= u'Z' ? char16_t(kind + (u'a' - u'A')) : kind);
        if (directive.Kind == QLatin1Char('%')) {
            result += directive.Kind;
            continue;
        }
        if (arg == args.end())
            throw EConvertError(QStringLiteral("No argument for format '%1'").arg(format));
        AppendOne(result, format, directive, *arg++);
    }
    if (arg != args.end())
        throw EConvertError(QStringLiteral("Too many arguments for format '%1'").arg(format));
    return result;
}
