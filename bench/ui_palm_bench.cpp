// The palm screen's cost per state change (the longest report page) and per
// paint (the viewport copy).
#include "model/Game.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "support/TestEnv.h"
#include "ui/Palmscreen.h"

#include <benchmark/benchmark.h>

namespace {

struct LongReport {
    LongReport() : strip(260, 450) {
        BuildServices();
        GameState.GameInProgress = true;
        GameState.GameTime = 46088.5;
        GameState.BarDescrs.push_back(MakeBarDescr(1, 50000, 10, {}, "Blue Lamp"));
        auto p = NewPropertyRecord();
        p->BarId = 1;
        CopyText(p->Name, "Blue Lamp");
        p->Supplies = 64;
        const std::string text = "Party Teens came in at nine, danced until the small hours "
                                 "and left the bar with empty pockets and happy faces.";
        for (int i = 0; i < MaxReportLines; ++i) {
            CopyText(p->Report[i].Text, "Report line " + std::to_string(i) + ": " + text);
            p->Report[i].Color = ColorReportText;
        }
        p->ReportCount = MaxReportLines;
        for (int i = 0; i < MaxLogEntries; ++i) {
            CopyText(p->Log[i].Text, text);
            p->Log[i].Kind = static_cast<uint8_t>(i % 3);
        }
        p->LogCount = MaxLogEntries;
        GameState.Properties.push_back(std::move(p));
        GameState.SelectedProperty = 0;
        palm = std::make_unique<GPalmScreen>(&strip);
        palm->SetMode(pmReport);
    }
    TempProgramFolder folder;
    Bitmap strip;
    std::unique_ptr<GPalmScreen> palm;
};

void BM_RedrawLongestReport(benchmark::State& state) {
    LongReport r;
    for (auto _ : state)
        r.palm->UpdateInternalScreen();
    state.counters["height"] = r.palm->ScreenHeight();
}
BENCHMARK(BM_RedrawLongestReport)->Unit(benchmark::kMicrosecond);

void BM_PaintViewport(benchmark::State& state) {
    LongReport r;
    r.palm->SetScroll(200);
    Bitmap window(780, 560);
    for (auto _ : state)
        r.palm->PaintTo(window.GetCanvas(), 524, 56);
}
BENCHMARK(BM_PaintViewport)->Unit(benchmark::kMicrosecond);

} // namespace
