#include "import/SecondVehicle.h"

#include "import/TextSearch.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// The kinds of parts a stat block carries; a block that names two of them
// besides its body is a vehicle of its own.
int PartKinds(const QString& Text)
{
    static const QRegularExpression Kinds[] = {
        QRegularExpression(QStringLiteral("\\bCHASSIS\\b"), QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral("\\bSUSP"), QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral("\\bTIRES?\\b"), QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral("\\bARMOR\\b"), QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral("\\bPOWER\\s+PLANT\\b|\\bCID\\b"), QRegularExpression::CaseInsensitiveOption),
    };
    int Count = 0;
    for (const QRegularExpression& Kind : Kinds)
        Count += Kind.match(Text).hasMatch() ? 1 : 0;
    return Count;
}

// A line that begins with a body word, as a block's body line does.
bool BeginsWithBody(const QString& Line)
{
    static const QRegularExpression Body(
        QStringLiteral("^\\s*(?:Streamlined\\s+)?(?:Sub-?compact|Compact|Mid-?Sized?|Sedan|Luxury|Station[\\s-]Wagon|"
                       "Pick-?up|Camper|Van)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return Body.match(Line).hasMatch();
}

// The program's own header line, or a name and author line of a block.
bool IsHeader(const QString& Line, bool AfterBlankLine)
{
    static const QRegularExpression Own(QStringLiteral(", designed by "), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression Other(QStringLiteral("\\S\\s+(?:by|-)\\s+\\S"),
                                          QRegularExpression::CaseInsensitiveOption);
    return Own.match(Line).hasMatch() || (AfterBlankLine && Other.match(Line).hasMatch());
}

} // namespace

QString CutSecondVehicle(QString& Text)
{
    const QStringList Lines = ReplaceLineBreaks(Text, QStringLiteral("\n")).split(QLatin1Char('\n'));
    qsizetype FirstBody = -1;
    for (qsizetype I = 0; I < Lines.size(); ++I) {
        if (FirstBody < 0) {
            if (BeginsWithBody(Lines[I]))
                FirstBody = I;
            continue;
        }
        const bool AfterBlankLine = I > 0 && Lines[I - 1].trimmed().isEmpty();
        const bool Starts = IsHeader(Lines[I], AfterBlankLine) || (AfterBlankLine && BeginsWithBody(Lines[I]));
        if (!Starts)
            continue;
        const QString Before = Lines.mid(FirstBody, I - FirstBody).join(QLatin1Char('\n'));
        const QString After = Lines.mid(I).join(LineBreak);
        // Each side a complete block: a body and parts of two kinds.
        qsizetype SecondBody = -1;
        for (qsizetype J = I; J < Lines.size() && SecondBody < 0; ++J)
            if (BeginsWithBody(Lines[J]))
                SecondBody = J;
        if (SecondBody < 0 || PartKinds(Before) < 2 || PartKinds(After) < 2)
            continue;
        Text = Lines.mid(0, I).join(LineBreak);
        return TrimSeparators(After);
    }
    return {};
}
