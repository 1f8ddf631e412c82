// Both stages of the text import on a pasted text of any content: stage 1
// makes the result text, stage 2 builds a design from it through a window
// without widgets, and the design is figured as the window would.

#include "FuzzCommon.h"
#include "import/StageTwoFixture.h"

#include "import/BuildDesign.h"
#include "import/ImportResult.h"
#include "platform/Errors.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool rulesRead = [] {
        SetUpOnce();
        UseShippedRulesForImport();
        return true;
    }();
    (void)rulesRead;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    TImportResult out;
    try {
        ImportDescription(text, out);
    } catch (const EError&) {
        // The click ends in the error box; stage 2 is not reached.
        return 0;
    }
    THeadlessMain main;
    try {
        AcceptImport(out.Result, main);
    } catch (const EError&) {
    }
    ComputeEverything(main.Design);
    return 0;
}
