// The main window with the build's real content shown at a whole-number scale:
// a full paint composed at 780 x 560 and presented N times its size on the
// window. Run under a display large enough for the scale (xvfb-run -s
// "-screen 0 3840x2160x24") with QLB_BUILD_DIR pointing at the build.
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

// Argument: the scale, 1..4.
void BM_MainPaintPresented(benchmark::State& state) {
    TempProgramFolder folder;
    EventLoop loop;
    if (!CopyContent(folder.Path())) {
        state.SkipWithError("no content: set QLB_BUILD_DIR");
        return;
    }
    SetSettingsPath(folder.Sub("config/1.0.reg"));
    WriteSettingInt("WindowScale", int(state.range(0)));
    {
        TformMain window(loop);
        if (!window.Start()) {
            state.SkipWithError("no display");
        } else {
            GameState.Difficulty = 0;
            PalmScreen->LastHotArea = phDifficulty0;
            window.ProcessPalmScreenClick();
            GameState.Cash = 10000000;
            for (int i = 0; i < 3; ++i)
                BuyBuilding(i);
            window.ShowDefaultPage();
            window.Update();
            state.counters["width"] = window.Bounds().Width();
            state.counters["height"] = window.Bounds().Height();
            for (auto _ : state) {
                window.Invalidate();
                window.Update();
                benchmark::DoNotOptimize(window.BackBuffer().Pixel(400, 300));
            }
        }
    }
    SetSettingsPath(SettingsStore::DefaultPath());
    Window::SetScale(1);
}
BENCHMARK(BM_MainPaintPresented)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

} // namespace
