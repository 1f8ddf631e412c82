#include "import/LabelLines.h"

#include <QRegularExpression>

namespace {

// One row a label: how the label is written, the values it takes and what
// the label and its value become.
struct TLabel {
    const char* Label;
    const char* Value;
    const char* Reading;
};

const TLabel Labels[] = {
    {"Chassis", "(?:Extra[ -]|X-)?(?:Light|Standard|Heavy)", "\\2 Chassis"},
    {"Suspension|Susp\\.?", "Light|Improved|Imp\\.?|Heavy|Off[ -]?Road|OR", "\\2 Suspension"},
    {"Body(?: Type)?|Type",
     "Sub-?compact|Compact|Mid-?Sized?|Sedan|Luxury|Station[ -]Wagon|Pick-?up|Camper|Van", "\\2"},
};

} // namespace

QString PutValuesBeforeLabels(const QString& Text)
{
    static const QVector<QRegularExpression> Patterns = [] {
        QVector<QRegularExpression> List;
        for (const TLabel& Row : Labels)
            List << QRegularExpression(QStringLiteral("\\b(%1)[ \\t]*(?::|=|-)[ \\t]*(%2)(?![A-Za-z])")
                                           .arg(QLatin1String(Row.Label), QLatin1String(Row.Value)),
                                       QRegularExpression::CaseInsensitiveOption);
        return List;
    }();
    QString Result = Text;
    // A block starts with its body: a body label after other labels moves
    // to the first of them, so that the labelled parts above it are not read
    // as the description.
    const QRegularExpressionMatch Body = Patterns.last().match(Result);
    qsizetype FirstLabel = Body.hasMatch() ? Body.capturedStart() : -1;
    for (qsizetype I = 0; I + 1 < Patterns.size(); ++I)
        if (const QRegularExpressionMatch M = Patterns[I].match(Result); M.hasMatch())
            FirstLabel = qMin(FirstLabel, M.capturedStart());
    if (Body.hasMatch() && FirstLabel < Body.capturedStart()) {
        Result.remove(Body.capturedStart(), Body.capturedLength());
        Result.insert(FirstLabel, Body.captured(2) + QStringLiteral(", "));
    }
    for (qsizetype I = 0; I < Patterns.size(); ++I)
        Result.replace(Patterns[I], QLatin1String(Labels[I].Reading));
    return Result;
}
