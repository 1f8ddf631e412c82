// One rules data file of any content in an otherwise good Data folder: the
// first byte picks the file, the rest is its content. The tables are read as
// at start-up; when they hold what a design needs, a new design and every
// sample design are figured and described on them.

#include "FuzzCommon.h"
#include "common/WorkingFolder.h"

#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"
#include "model/Vehicle.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

struct TScratchRuntime {
    QString Folder;
    QStringList DataFiles;
    QStringList Designs;
};

// A copy of the runtime folder's Data and Designs in the scratch folder.
const TScratchRuntime& Runtime()
{
    static const TScratchRuntime runtime = [] {
        TScratchRuntime r;
        r.Folder = ScratchPath(QStringLiteral("runtime"));
        const QDir shipped(QStringLiteral(RIGSMITH_RUNTIME_DIR));
        for (const char* sub : {"Data", "Designs"}) {
            const QString name = QString::fromLatin1(sub);
            QDir().mkpath(r.Folder + QLatin1Char('/') + name);
            for (const QString& file : QDir(shipped.filePath(name)).entryList(QDir::Files, QDir::Name))
                QFile::copy(shipped.filePath(name + QLatin1Char('/') + file),
                            r.Folder + QLatin1Char('/') + name + QLatin1Char('/') + file);
        }
        // In byte order, as scripts/fuzz.sh numbers them in the seeds.
        r.DataFiles = QDir(r.Folder + QStringLiteral("/Data")).entryList(QDir::Files);
        std::sort(r.DataFiles.begin(), r.DataFiles.end());
        r.Designs = QDir(r.Folder + QStringLiteral("/Designs")).entryList(QDir::Files, QDir::Name);
        return r;
    }();
    return runtime;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetUpOnce();
    const TScratchRuntime& runtime = Runtime();
    if (size == 0 || runtime.DataFiles.isEmpty())
        return 0;
    const QString dataFile =
        runtime.Folder + QStringLiteral("/Data/") + runtime.DataFiles[data[0] % runtime.DataFiles.size()];
    const QByteArray good = ReadFile(dataFile);
    if (!WriteFile(dataFile, QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1))))
        return 0;

    const TWorkingFolder folder(runtime.Folder);
    SetSettingsDefaults(runtime.Folder);
    ReadAllTypes();
    WriteFile(dataFile, good);
    if (!EmptyDesignTables().isEmpty())
        return 0;

    TVehicle fresh;
    ComputeEverything(fresh);
    for (const QString& design : runtime.Designs) {
        TVehicle v;
        QString err;
        v.Load(QStringLiteral("Designs/") + design, err);
        if (err.isEmpty())
            ComputeEverything(v);
    }
    return 0;
}
