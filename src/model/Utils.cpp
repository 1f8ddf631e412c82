#include "model/Utils.h"

#include "model/Global.h"
#include "platform/FileLookup.h"
#include "platform/Format.h"
#include "platform/Numbers.h"
#include "platform/Random.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

int CountPngFiles(const QString& folder)
{
    // Name filters match without regard to case unless told otherwise.
    const QDir dir(ResolvePath(folder));
    return static_cast<int>(
        dir.entryList({QStringLiteral("*.png")}, QDir::Files | QDir::Hidden | QDir::System).size());
}

QString FileNameWithoutExt(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.left(name.indexOf(QLatin1Char('.')));
}

int SqrDistance(int x1, int y1, int x2, int y2)
{
    const int dx = CheckedSub(x1, x2);
    const int dy = CheckedSub(y1, y2);
    return CheckedAdd(CheckedMul(dx, dx), CheckedMul(dy, dy));
}

double RandomGaussUnit()
{
    double value = 0;
    do
        value = RandG(0, 0.4);
    while (!(value > -1 && value < 1));
    return value;
}

QString FloatToText(double value)
{
    // "%.0f" of a whole number is its integer text, at any size.
    return Format(value == std::trunc(value) ? QStringLiteral("%.0f") : QStringLiteral("%.1f"), {value});
}

void AddToLastFiles(const QString& path)
{
    int i = LastFilesCount - 1;
    for (int j = 0; j < LastFilesCount; ++j) {
        if (LastFiles[static_cast<size_t>(j)] == path) {
            i = j;
            break;
        }
    }
    for (; i > 0; --i)
        LastFiles[static_cast<size_t>(i)] = LastFiles[static_cast<size_t>(i - 1)];
    LastFiles[0] = path;
}

QString SafeFileName(const QString& name)
{
    QString safe;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u == '-' || u == '_' || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z'))
            safe += c;
    }
    return safe.isEmpty() ? QStringLiteral("VehicleName") : safe;
}

QString BriefValue(const QString& value)
{
    constexpr qsizetype Longest = 64;
    if (value.size() <= Longest)
        return value;
    // A letter beyond the 16-bit range is not cut in two.
    const qsizetype kept = value.at(Longest - 1).isHighSurrogate() ? Longest - 1 : Longest;
    return value.left(kept) + QChar(0x2026);
}
