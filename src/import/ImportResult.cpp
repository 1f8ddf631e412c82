#include "import/ImportResult.h"

#include "import/TextSearch.h"

void TImportResult::Clear()
{
    Result.clear();
    History.clear();
    Leftovers.clear();
}

void TImportResult::Add(const QString& Value)
{
    Result += ReplaceLineBreaks(Value, QStringLiteral("\n")).split(QLatin1Char('\n'));
}

void TImportResult::Log(const QString& What, const QString& Found, const QString& Remains)
{
    const QString Rest = ReplaceLineBreaks(Remains, QStringLiteral(", "));
    if (What == QLatin1String("Init"))
        History += QStringLiteral("> %1, remains: %2").arg(What, Rest);
    else if (Rest.isEmpty())
        History += QStringLiteral("> %1 = \"%2\"").arg(What, Found);
    else
        History += QStringLiteral("> %1 = \"%2\", remains: %3").arg(What, Found, Rest);
}

QString KeyLine(const QString& Key, const QString& Value)
{
    return QStringLiteral("* ") + Key + QStringLiteral(": ") + Value;
}

QString FlagLine(const QString& Key)
{
    return QStringLiteral("* ") + Key + QLatin1Char(' ');
}
