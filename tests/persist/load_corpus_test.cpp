// The seeds of the load fuzzer are saves in the current format: each loads and
// saves again to the same bytes. With QLB_WRITE_LOAD_CORPUS set to a folder, the
// hand-built seeds are written there first.
#include "persist/SaveFormat.h"
#include "persist/SaveGame.h"
#include "support/TestEnv.h"

#include "SampleGame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

void WriteSeeds(const std::string& folder) {
    const struct {
        const char* name;
        int properties, characters;
    } seeds[] = {{"empty.sav", 0, 0}, {"one-bar.sav", 1, 3}, {"two-bars.sav", 2, 14}};
    for (const auto& s : seeds) {
        sample::FillGame(21, s.properties, s.characters);
        std::ofstream(fs::path(folder) / s.name, std::ios::binary) << EncodeGame(GameState);
    }
}

TEST(LoadCorpus, SeedsAreSavesOfTheCurrentFormat) {
    TempProgramFolder folder;
    HostRecorder host;
    if (const char* out = std::getenv("QLB_WRITE_LOAD_CORPUS")) WriteSeeds(out);
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
