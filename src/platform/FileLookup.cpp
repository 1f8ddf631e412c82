#include "platform/FileLookup.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

// The first entry of the folder, by name, that matches without regard to
// case; empty when there is none.
QString FindEntry(const QString& folder, const QString& name)
{
    QStringList entries = QDir(folder.isEmpty() ? QStringLiteral(".") : folder)
                              .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                         QDir::NoSort);
    // Sorted by code points, not by the user's collation, so that every
    // machine picks the same one.
    std::sort(entries.begin(), entries.end());
    const auto found = std::find_if(entries.cbegin(), entries.cend(), [&](const QString& entry) {
        return entry.compare(name, Qt::CaseInsensitive) == 0;
    });
    return found == entries.cend() ? QString() : *found;
}

} // namespace

QString ResolvePath(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    QString resolved = path.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QString candidate = resolved + part;
        if (!QFileInfo::exists(candidate)) {
            const QString entry = FindEntry(resolved, part);
            if (entry.isEmpty())
                return path;
            candidate = resolved + entry;
        }
        resolved = candidate + QLatin1Char('/');
    }
    resolved.chop(1);
    return resolved;
}
