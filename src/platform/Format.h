#pragma once

#include "platform/Numbers.h"

#include <QString>
#include <initializer_list>
#include <variant>

// One argument of Format: an integer, a fraction or a text.
class TFormatArg
{
public:
    TFormatArg(int v) : FValue(static_cast<long long>(v)) {}
    TFormatArg(long v) : FValue(static_cast<long long>(v)) {}
    TFormatArg(long long v) : FValue(v) {}
    TFormatArg(double v) : FValue(static_cast<Extended>(v)) {}
    TFormatArg(Extended v) : FValue(v) {}
    TFormatArg(const QString& v) : FValue(v) {}
    TFormatArg(const char* v) : FValue(QString::fromUtf8(v)) {}

    const std::variant<long long, Extended, QString>& Value() const { return FValue; }

private:
    std::variant<long long, Extended, QString> FValue;
};

// The design's format texts, as its breakdowns and descriptions write them:
// "%d" and "%Nd" (at least N wide, padded with blanks on the left), "%s" and
// "%Ns", "%f" and "%Nf" (two decimals), "%N.Mf" and "%.Mf" (M decimals), "%n"
// as "%f" with ThousandSeparator() between groups of three digits, "%%".
// Fractions round half away from zero on their exact decimal value and show
// DecimalSeparator(). A format that does not match its arguments raises
// EConvertError.
QString Format(const QString& format, std::initializer_list<TFormatArg> args);
