// The seeds of the load fuzzer are saves in the current format: each loads and
// saves again to the same bytes. With QLB_WRITE_LOAD_CORPUS set to a folder, the
// hand-built seeds are written there first.
#include "persist/SaveFormat.h"
#include "persist/SaveGame.h"
#include "support/TestEnv.h"

#include "SampleGame.h"

#include "sim/Clock.h"
#include "sim/Startup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Buys a building and fills its open positions from the candidates, the way the
// player's commands do.
void BuyAndStaff(const BarDescr& d, const char* name) {
    auto p = NewPropertyRecord();
    p->BarId = d.Id;
    CopyText(p->Name, name);
    p->Value = d.Value;
    std::memcpy(p->Potential, d.Potential, sizeof p->Potential);
    p->Supplies = 25.0;
    GameState.Cash -= d.Value;
    GameState.Properties.push_back(std::move(p));
    GameState.SelectedProperty = GameState.PropertyCount() - 1;
    GameState.ClockSpeed = 1;
    for (int32_t slot = 0; slot < VacancyCount; ++slot) {
        const Vacancy& v = d.Vacancies[slot];
        if (!v.Open) continue;
        for (auto& c : GameState.Characters) {
            const CharDescr* cd = DescrOf(c.get());
            if (c->Employed || !cd || !cd->IsProfession || cd->Role != v.Kind) continue;
            c->Employed = 1;
            c->EmployerId = d.Id;
            c->SlotIndex = slot;
            break;
        }
    }
}

// A game played through the core for twelve days: two staffed buildings with
// visitors, logs and reports.
void WritePlayedGame(const TempProgramFolder& folder, const std::string& path) {
    WriteBuildingFile(folder, "3.dat", MakeBarDescr(3, 20000, 20, {1, 2, 3, 4, 5, 8}, "Dock Bar"));
    WriteBuildingFile(folder, "8.dat", MakeBarDescr(8, 30000, 30, {3, 4, 6, 7, 7, 9}, "Loft Club"));
    GameStartup(77u);
    NewGameOnDay(46000);
    BuyAndStaff(GameState.BarDescrs[0], "Quelbrin");
    BuyAndStaff(GameState.BarDescrs[1], "Second Floor");
    for (int hour = 0; hour < 24 * 12; ++hour)
        HourTick();
    if (!SaveGame(path)) ADD_FAILURE() << "cannot write " << path;
    GameShutdown();
}

void WriteSeeds(const TempProgramFolder& folder, const std::string& out) {
    const struct {
        const char* name;
        int properties, characters;
    } seeds[] = {{"empty.sav", 0, 0}, {"one-bar.sav", 1, 3}, {"two-bars.sav", 2, 14}};
    for (const auto& s : seeds) {
        sample::FillGame(21, s.properties, s.characters);
        std::ofstream(fs::path(out) / s.name, std::ios::binary) << EncodeGame(GameState);
    }
    ResetGameState();
    WritePlayedGame(folder, (fs::path(out) / "played-twelve-days.sav").string());
}

TEST(LoadCorpus, SeedsAreSavesOfTheCurrentFormat) {
    TempProgramFolder folder;
    HostRecorder host;
    if (const char* out = std::getenv("QLB_WRITE_LOAD_CORPUS")) WriteSeeds(folder, out);
    const char* source = std::getenv("QLB_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const fs::path corpus = fs::path(source) / "fuzz/corpus/load";
    int seeds = 0;
    for (const auto& e : fs::directory_iterator(corpus)) {
        SCOPED_TRACE(e.path().string());
        ResetGameState();
        ASSERT_TRUE(LoadGame(e.path().string()));
        EXPECT_TRUE(EncodeGame(GameState) == ReadWholeFile(e.path().string()));
        ++seeds;
    }
    EXPECT_GE(seeds, 3);
    EXPECT_TRUE(host.SystemErrors.empty());
}

} // namespace
