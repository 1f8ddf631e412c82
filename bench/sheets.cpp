// Drawing one record sheet and one duel sheet of a sample design into a
// printer that writes the calls down: the time of the sheet's own work, with
// no printer driver behind it.

#include "common/WorkingFolder.h"
#include "gamecar/GameCarFixture.h"
#include "printing/RecordingPrinter.h"

#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "model/Global.h"
#include "model/Vehicle.h"
#include "printing/PrintForm.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// kind 0 the record sheet, 1 the duel sheet.
void BM_Sheet(benchmark::State& state, int kind)
{
    UseShippedRules();
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    LoadGraphics();
    {
        TRecordingPrinter page;
        TGameCar car;
        QString err;
        car.Vehicle->Load(QStringLiteral("Designs/Thunderwagon.vx"), err);
        if (!err.isEmpty())
            state.SkipWithError(err.toStdString().c_str());
        CrewBuffer = car.Vehicle->Crew;
        car.Reset();
        TBitmap32 layoutPicture;
        layoutPicture.SetSize(365, 373);
        TfrmPrint form(nullptr, layoutPicture);
        form.SetupPrint(&car, true);
        int calls = 0;
        for (auto _ : state) {
            page.Recorder.Log.clear();
            page.Recorder.Texts.clear();
            page.Recorder.DrawnCorners.clear();
            form.PrintSheet(kind, &car);
            calls = page.Recorder.Log.size();
        }
        state.counters["calls"] = calls;
    }
    FreeGraphics();
}
BENCHMARK_CAPTURE(BM_Sheet, RecordSheet, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sheet, DuelSheet, 1)->Unit(benchmark::kMillisecond);

} // namespace
