// The ruler's strip rebuild with a long row and the plan page's paint of a
// full building with its news.
#include "model/Game.h"
#include "model/Text.h"
#include "support/TestEnv.h"
#include "ui/Planpage.h"
#include "ui/Ruler.h"
#include "ui/Tempbitmap.h"

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

void WritePicture(const std::string& path, int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, RGB(x % 256, y % 256, 90));
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    SDL_SaveBMP(b.Surface(), path.c_str());
}

struct FullGame {
    FullGame() : buttons(260, 450) {
        WritePicture(folder.Sub("Images/people_i.bmp"), 400, 40);
        WritePicture(folder.Sub("Buildings/1p.bmp"), 380, 380);
        TempBitmaps = std::make_unique<GTempBitmapCache>();
        GameState.GameInProgress = true;
        GameState.GameTime = 46000.5;
        std::vector<uint8_t> kinds(VacancyCount, skServing);
        BarDescr d = MakeBarDescr(1, 50000, 10, kinds);
        for (int v = 0; v < VacancyCount; ++v) {
            d.Vacancies[v].X = 10 + 70 * (v % 5);
            d.Vacancies[v].Y = 10 + 70 * (v / 5);
        }
        GameState.BarDescrs.push_back(d);
        auto p = NewPropertyRecord();
        p->BarId = 1;
        for (int i = 0; i < 6; ++i) {
            CopyText(p->Log[i].Text, "A fight broke out near the dance floor; the guards threw "
                                     "two drunkards out and a table was broken.");
            p->Log[i].Kind = static_cast<uint8_t>(i % 3);
            p->Log[i].Time = GameState.GameTime - 0.3 * i;
        }
        p->LogCount = 6;
        GameState.Properties.push_back(std::move(p));
        GameState.SelectedProperty = 0;
        CharDescr cd{};
        cd.Id = 1;
        cd.IsProfession = 1;
        cd.Role = skServing;
        CopyText(cd.Picture, "people");
        GameState.CharDescrs.push_back(cd);
        for (int i = 0; i < 90; ++i) {
            auto c = NewCharacterRecord();
            c->DescrId = 1;
            if (i < VacancyCount) {
                c->Employed = 1;
                c->EmployerId = 1;
                c->SlotIndex = i;
            }
            GameState.Characters.push_back(std::move(c));
        }
    }
    ~FullGame() { TempBitmaps.reset(); }
    TempProgramFolder folder;
    Bitmap buttons;
};

void BM_RulerStripSeventyIcons(benchmark::State& state) {
    FullGame g;
    GRuler ruler(&g.buttons);
    ruler.SetTab(rtCandidates);
    for (auto _ : state)
        ruler.UpdateStrip();
    state.counters["width"] = ruler.StripWidth();
}
BENCHMARK(BM_RulerStripSeventyIcons)->Unit(benchmark::kMicrosecond);

void BM_PlanPageFullBuilding(benchmark::State& state) {
    FullGame g;
    GPlanPage plan(&g.buttons);
    Bitmap window(780, 560);
    for (auto _ : state)
        plan.PaintTo(window.GetCanvas(), 0, 0);
}
BENCHMARK(BM_PlanPageFullBuilding)->Unit(benchmark::kMicrosecond);

} // namespace
