// The main window with the build's real content: a full paint of its eleven
// layers over a game in progress, and start-up to the first painted frame.
// Run under a display (xvfb-run) with QLB_BUILD_DIR pointing at the build.
#include "model/Game.h"
#include "persist/Settings.h"
#include "platform/EventLoop.h"
#include "sim/Actions.h"
#include "support/TestEnv.h"
#include "ui/Main.h"
#include "ui/Palmscreen.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

bool CopyContent(const std::string& folder) {
    const char* build = std::getenv("QLB_BUILD_DIR");
    if (!build || !fs::exists(fs::path(build) / "Images" / "bg.bmp")) return false;
    for (const char* dir : {"Images", "Buildings", "Cursors", "Sounds", "Music"})
        if (fs::exists(fs::path(build) / dir))
            fs::copy(fs::path(build) / dir, folder + dir, fs::copy_options::recursive);
    fs::copy_file(fs::path(build) / "liboggwrap.so", folder + "liboggwrap.so");
    return true;
}

struct Desk {
    TempProgramFolder folder;
    EventLoop loop;
    bool ready = CopyContent(folder.Path());
    Desk() { SetSettingsPath(folder.Sub("config/1.0.reg")); }
    ~Desk() { SetSettingsPath(SettingsStore::DefaultPath()); }
};

void BM_MainFormPaint(benchmark::State& state) {
    Desk desk;
    if (!desk.ready) {
        state.SkipWithError("no content: set QLB_BUILD_DIR");
        return;
    }
    TformMain window(desk.loop);
    GameState.Difficulty = 0;
    PalmScreen->LastHotArea = phDifficulty0;
    window.ProcessPalmScreenClick();
    GameState.Cash = 10000000;
    for (int i = 0; i < 3; ++i)
        BuyBuilding(i);
    window.ShowDefaultPage();
    Bitmap screen(MainWidth, MainHeight);
    for (auto _ : state) {
        window.FormPaint(screen.GetCanvas());
        benchmark::DoNotOptimize(screen.Pixel(400, 300));
    }
}
BENCHMARK(BM_MainFormPaint)->Unit(benchmark::kMicrosecond);

// The constructor's whole start-up (tables, pictures, cursors, the sound player,
// the panels) and the first paint.
void BM_StartupToFirstFrame(benchmark::State& state) {
    Desk desk;
    if (!desk.ready) {
        state.SkipWithError("no content: set QLB_BUILD_DIR");
        return;
    }
    Bitmap screen(MainWidth, MainHeight);
    for (auto _ : state) {
        TformMain window(desk.loop);
        window.FormPaint(screen.GetCanvas());
        benchmark::DoNotOptimize(screen.Pixel(400, 300));
    }
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
