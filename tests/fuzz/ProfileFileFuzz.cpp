// The profile-file reader on a file of any content: every section, key and
// value read in every way the program reads them, and the file as it would
// be written read back to the same image.

#include "FuzzCommon.h"

#include "platform/ProfileFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetUpOnce();
    const QString given = ScratchPath(QStringLiteral("given.ini"));
    const QString written = ScratchPath(QStringLiteral("written.ini"));
    if (!WriteFile(given, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))))
        return 0;

    TProfileFile ini(given);
    // The keys of a name are those of its first section: each name once.
    QStringList sections = ini.ReadSections();
    sections.removeDuplicates();
    for (const QString& section : sections) {
        Require(ini.SectionExists(section), "a listed section exists");
        for (const QString& key : ini.ReadSection(section)) {
            Require(ini.ValueExists(section, key), "a listed key exists");
            ini.ReadString(section, key, QString());
            ini.ReadInteger(section, key, 0);
            ini.ReadBool(section, key, false);
        }
    }
    const QByteArray bytes = ini.ToBytes();
    if (!WriteFile(written, bytes))
        return 0;
    Require(TProfileFile(written).ToBytes() == bytes, "a written file reads back to the same image");
    return 0;
}
