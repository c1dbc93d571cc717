// quelbrin-sim: the real core, run headless from the folder of its executable
// with a scripted player.
#include "Options.h"
#include "SimHost.h"
#include "SimRun.h"

#include "model/Game.h"
#include "persist/Recording.h"
#include "sim/Startup.h"
#include "sim/Stats.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

int Fail(const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "quelbrin-sim: %s\n", message.c_str());
    GameShutdown();
    return 1;
}

bool ReadBytes(const std::string& path, std::string& bytes) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    std::ostringstream s;
    s << f.rdbuf();
    bytes = s.str();
    return true;
}

int Replay(SimRun& run) {
    Recording rec;
    std::string error;
    if (!ReadRecording(run.Options.ReplayFile, rec, error)) {
        std::fprintf(stderr, "quelbrin-sim: %s\n", error.c_str());
        return 1;
    }
    run.Seed = rec.Seed;
    GameStartup(run.Seed);
    if (!ReplayRecording(run, rec, error)) return Fail(run.Options.ReplayFile + ": " + error);
    int rc = 0;
    if (!run.Options.SaveFile.empty() && !SimSaveGame(run.Options.SaveFile)) rc = 1;
    std::printf("%s\n", SummaryLine(run).c_str());
    std::fflush(stdout);
    GameShutdown();
    return rc;
}

} // namespace

int main(int argc, char** argv) {
    SimRun run;
    std::string error;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!ParseSimOptions(args, run.Options, error)) {
        std::fprintf(stderr, "quelbrin-sim: %s\n%s\n", error.c_str(), SimUsage);
        return 2;
    }
    const SimOptions& o = run.Options;
    if (o.Help) {
        std::printf("%s\n", SimUsage);
        return 0;
    }
    if (!o.LoadFile.empty() && (o.StartDay || o.Difficulty)) {
        std::fprintf(stderr,
                     "quelbrin-sim: --date and --difficulty set up a new game; a loaded "
                     "game keeps its own\n%s\n",
                     SimUsage);
        return 2;
    }

    InstallSimHost();
    if (!o.ReplayFile.empty()) return Replay(run);
    run.Seed = o.Seed ? *o.Seed : static_cast<uint32_t>(std::time(nullptr));
    GameStartup(run.Seed);

    if (o.Catalogue) {
        PrintCatalogue();
        GameShutdown();
        return 0;
    }

    int rc = 0;
    SessionRecorder recorder;
    if (!o.LoadFile.empty()) {
        std::string bytes;
        if (!o.RecordFile.empty() && !ReadBytes(o.LoadFile, bytes))
            return Fail("cannot read " + o.LoadFile);
        if (!SimLoadGame(o.LoadFile)) {
            GameShutdown();
            return 1;
        }
        recorder.StartLoaded(run.Seed, bytes);
    } else {
        // Never NewGame itself: that deletes the player's autosave.
        GameState.Difficulty = static_cast<uint8_t>(o.Difficulty.value_or(0));
        const int32_t day = o.StartDay ? *o.StartDay : LocalDayNumber();
        NewGameOnDay(day);
        recorder.StartNew(run.Seed, GameState.Difficulty, day);
    }
    if (!o.RecordFile.empty()) run.Recorder = &recorder;

    ResetGameStats();
    RunDays(run);
    if (run.Recorder) {
        recorder.Finish();
        std::string error;
        if (!WriteRecording(o.RecordFile, recorder.Current(), error)) return Fail(error);
    }

    if (!o.SaveFile.empty() && !SimSaveGame(o.SaveFile)) rc = 1;
    std::printf("%s\n", SummaryLine(run).c_str());
    std::fflush(stdout);
    GameShutdown();
    return rc;
}
