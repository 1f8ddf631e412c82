#include "model/ErrorReport.h"

#include <cstdio>

namespace {
TErrorSink& Sink()
{
    static TErrorSink sink;
    return sink;
}

void Show(const QString& text)
{
    if (Sink())
        Sink()(text);
    else
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

void SetErrorSink(TErrorSink sink)
{
    Sink() = std::move(sink);
}

void ReportError(const QString& msg, const QString& where, int level)
{
    if (level == 2)
        Show(QStringLiteral("An error occured in %1:\r\n%2").arg(where, msg));
}

void ShowUncaughtError(const QString& msg)
{
    Show(msg);
}
