// A design file of any content: loading it, then every figure and both
// descriptions, then a save and a reload. What was saved must read back to
// the same design, so that saving the reloaded design gives the same file.
// A save is refused only for a design whose figures overflow.

#include "FuzzCommon.h"
#include "gamecar/GameCarFixture.h"

#include "model/Vehicle.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool rulesRead = [] {
        SetUpOnce();
        UseShippedRules();
        return true;
    }();
    (void)rulesRead;
    const QString given = ScratchPath(QStringLiteral("given.vx"));
    const QString saved = ScratchPath(QStringLiteral("saved.vx"));
    const QString again = ScratchPath(QStringLiteral("again.vx"));
    if (!WriteFile(given, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))))
        return 0;

    TVehicle v;
    QString err;
    v.Load(given, err);
    if (!err.isEmpty())
        return 0;
    ComputeEverything(v);
    // A design whose figures overflow is reported as not saved.
    if (!v.Save(saved))
        return 0;

    TVehicle reloaded;
    reloaded.Load(saved, err);
    Require(err.isEmpty(), "a saved design loads");
    Require(reloaded.Save(again), "a reloaded design saves");
    Require(ReadFile(again) == ReadFile(saved), "a reloaded design saves to the same file");
    return 0;
}
