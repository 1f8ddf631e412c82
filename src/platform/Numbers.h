#pragma once

#include <QString>
#include <limits>

// The accounting's fractional arithmetic runs in 80-bit extended precision, as
// the game's figures were first computed: exact halves then round as players
// know them (a price of 350 with a factor 0.15L rounds to 53).
static_assert(std::numeric_limits<long double>::digits == 64,
              "the accounting needs 80-bit extended precision long double");
using Extended = long double;

// Nearest whole number, ties to even; EOverflow outside the 32-bit range.
int Round(Extended value);
// Toward zero; EOverflow outside the 32-bit range.
int Trunc(Extended value);
// The nearest whole number to numerator / denominator (denominator above 0),
// ties to even, in integer arithmetic, so that an exact half is a half and
// not whatever a floating-point quotient makes of it; EOverflow outside the
// 32-bit range.
int RoundDiv(long long numerator, long long denominator);

// Integer arithmetic that raises EOverflow instead of wrapping.
int CheckedAdd(int a, int b);
int CheckedSub(int a, int b);
int CheckedMul(int a, int b);

// Locale-free integer parsing of profile values: optional sign, decimal, or
// hexadecimal after "0x" or "$". Surrounding blanks are allowed.
bool TryStrToInt(const QString& text, int& value);
// As TryStrToInt; raises EConvertError ("'%s' is not a valid integer value").
int StrToInt(const QString& text);

// Fixes the number format used by StrToFloatDot: the given locale's settings
// with "." as the decimal separator.
void InitFormatSettings(int localeId);
// A decimal number written with "." whatever the user's locale; raises
// EConvertError ("'%s' is not a valid floating point value") otherwise.
double StrToFloatDot(const QString& text);

// The decimal separator of shown numbers: the user's by default, settable so
// that tests can show the effect of another one.
QChar DecimalSeparator();
void SetDecimalSeparator(QChar separator);
// The thousands separator of shown numbers ("%n"), likewise; a null QChar
// shows no grouping.
QChar ThousandSeparator();
void SetThousandSeparator(QChar separator);
