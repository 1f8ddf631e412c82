// A design file of any content: loading it, then every figure and both
// descriptions as the main window's recalculation asks them, then a save and
// a reload. A design whose figures cannot be computed must be refused by the
// loading with its reason, as the window reports it; one that loads must
// compute, save, and read back to the same design, so that saving the
// reloaded design gives the same file.

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
    Require(ComputeEverything(v), "a design that loads computes its figures and descriptions");
    Require(v.Save(saved), "a design that loads saves");

    TVehicle reloaded;
    reloaded.Load(saved, err);
    Require(err.isEmpty(), "a saved design loads");
    Require(reloaded.Save(again), "a reloaded design saves");
    Require(ReadFile(again) == ReadFile(saved), "a reloaded design saves to the same file");
    return 0;
}
