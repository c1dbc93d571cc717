// The building catalogue the generator makes: every file loads, and the catalogue
// offers what a game needs from its first day to its last.
#include "model/BarDescrFile.h"
#include "model/Game.h"
#include "model/ProgramFolder.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

std::string BuildDir() {
    const char* b = std::getenv("QLB_BUILD_DIR");
    return b ? b : ".";
}

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder(BuildDir());
        LoadBarDescrs();
    }
    void TearDown() override { ResetGameState(); }
    HostRecorder host;
};

TEST_F(Catalogue, EveryBuildingFileLoadsCleanly) {
    EXPECT_TRUE(host.ErrorBoxes.empty());
    EXPECT_GE(GameState.BarDescrCount(), 16);
    std::set<int32_t> ids;
    for (const BarDescr& d : GameState.BarDescrs) {
        EXPECT_TRUE(ids.insert(d.Id).second) << "id " << d.Id << " twice";
        EXPECT_GT(d.Capacity, 0);
        EXPECT_LE(d.Capacity, 50);
        EXPECT_GT(std::string(d.Name).size(), 0u);
        EXPECT_GT(std::string(d.Location).size(), 0u);
    }
}

TEST_F(Catalogue, ANewPlayerCanBuyAtEveryDifficultyAndTheTopTakesALongGame) {
    ASSERT_FALSE(GameState.BarDescrs.empty());
    int32_t cheapest = INT32_MAX, dearest = 0, largest = 0;
    for (const BarDescr& d : GameState.BarDescrs) {
        cheapest = std::min(cheapest, d.Value);
        dearest = std::max(dearest, d.Value);
        largest = std::max(largest, d.Capacity);
    }
    EXPECT_LT(cheapest, 25000); // the starting cash of the hardest level
    EXPECT_GE(dearest, 250000);
    EXPECT_EQ(largest, 50);
}

TEST_F(Catalogue, EveryVisitorTypeAndEveryTraitIsUsed) {
    int drawnBy[VisitorTypeCount] = {};
    std::set<int> good, bad;
    for (const BarDescr& d : GameState.BarDescrs) {
        for (int t = 1; t < VisitorTypeCount; ++t)
            if (d.Potential[t] > 0) ++drawnBy[t];
        good.insert(d.GoodTrait);
        bad.insert(d.BadTrait);
    }
    for (int t = 1; t < VisitorTypeCount; ++t)
        EXPECT_GE(drawnBy[t], 2) << "visitor type " << t;
    for (int code = 1; code <= 9; ++code) {
        EXPECT_TRUE(good.count(code)) << "good trait " << code;
        EXPECT_TRUE(bad.count(code)) << "bad trait " << code;
    }
}

TEST_F(Catalogue, StaffPositionsFitThePlaceAndThePlan) {
    for (const BarDescr& d : GameState.BarDescrs) {
        bool kinds[ServiceKindCount] = {};
        for (int i = 0; i < VacancyCount; ++i) {
            const Vacancy& v = d.Vacancies[i];
            if (!v.Open) continue;
            kinds[v.Kind] = true;
            EXPECT_GE(v.Kind, 1);
            EXPECT_LE(v.Kind, 9);
            // the box lies in the plan and below the news lines
            EXPECT_GE(v.X, 0);
            EXPECT_LE(v.X + 30, 383);
            EXPECT_GE(v.Y, 90);
            EXPECT_LE(v.Y + 30, 380);
        }
        EXPECT_TRUE(kinds[skManagement]) << d.Name;
        // a restaurant needs chefs, a club DJs, a show needs performers
        EXPECT_TRUE(d.Potential[vtGourmets] <= 10 || kinds[skCooking]) << d.Name;
        EXPECT_TRUE(d.Potential[vtRestlessDancers] <= 10 || kinds[skDanceFloor]) << d.Name;
        EXPECT_TRUE(d.Potential[vtShowFiends] <= 10 || kinds[skEntertainment]) << d.Name;
    }
}

// Width and height from a bitmap file's header; 0 x 0 when it is missing or not a bitmap.
std::pair<int32_t, int32_t> BitmapSize(const std::string& path) {
    std::string b = ReadWholeFile(path);
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return {0, 0};
    int32_t w, h;
    std::memcpy(&w, b.data() + 18, 4);
    std::memcpy(&h, b.data() + 22, 4);
    return {w, h < 0 ? -h : h};
}

TEST_F(Catalogue, EveryBuildingHasItsPhotographAndFloorPlanAtAFittingSize) {
    for (const BarDescr& d : GameState.BarDescrs) {
        const std::string base = BuildDir() + "/Buildings/" + std::to_string(d.Id);
        auto [pw, ph] = BitmapSize(base + "f.bmp");
        EXPECT_GT(pw, 100) << d.Name;
        EXPECT_LE(pw, 184) << d.Name;      // beside nothing, under the buy button's corner
        EXPECT_LE(28 + ph, 163) << d.Name; // above the catalogue's buttons
        auto [lw, lh] = BitmapSize(base + "p.bmp");
        EXPECT_GT(lw, 200) << d.Name;
        EXPECT_LE(85 + lw, 468) << d.Name; // on the notebook page
        EXPECT_LE(68 + lh, 448) << d.Name;
        for (const Vacancy& v : d.Vacancies)
            if (v.Open) {
                EXPECT_LE(v.X + 30, lw) << d.Name;
                EXPECT_LE(v.Y + 30, lh) << d.Name;
            }
    }
}

TEST(BuildingDefinitions, ABadDefinitionStopsTheGeneratorNamingFileAndLine) {
    TempProgramFolder folder;
    folder.WriteFile("src/buildings/01-bad.txt",
                     "id 1\nname Bad\nlocation Nowhere\nvalue 5000\ncapacity 99\n");
    const std::string cmd = "ASAN_OPTIONS=detect_leaks=0 " + BuildDir() + "/quelbrin-content " + folder.Sub("out") + " --sources " +
                            folder.Sub("src") + " --only buildings 2> " + folder.Sub("err.txt");
    int rc = std::system(cmd.c_str());
    EXPECT_NE(rc, 0);
    const std::string err = folder.ReadFile("err.txt");
    EXPECT_NE(err.find("01-bad.txt:5: capacity must lie in 1..50"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(folder.Sub("out/Buildings/1.dat")));
}

} // namespace
