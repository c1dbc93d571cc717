// Loading the building description files: order, limits, and every message.
#include "model/BarDescrFile.h"
#include "model/Game.h"
#include "persist/DebugLog.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace {

class BuildingFiles : public ::testing::Test {
protected:
    TempProgramFolder folder;
    HostRecorder host;

    std::string Log() const { return folder.ReadFile("debug.txt"); }
    std::string Path(const std::string& name) const { return folder.Sub("Buildings/" + name); }
};

TEST_F(BuildingFiles, TableIsSortedById) {
    WriteBuildingFile(folder, "a.dat", MakeBarDescr(30, 1, 1));
    WriteBuildingFile(folder, "b.dat", MakeBarDescr(10, 1, 1));
    WriteBuildingFile(folder, "c.dat", MakeBarDescr(20, 1, 1));
    LoadBarDescrs();
    ASSERT_EQ(GameState.BarDescrCount(), 3);
    EXPECT_EQ(GameState.BarDescrs[0].Id, 10);
    EXPECT_EQ(GameState.BarDescrs[1].Id, 20);
    EXPECT_EQ(GameState.BarDescrs[2].Id, 30);
    EXPECT_TRUE(host.ErrorBoxes.empty());
}

TEST_F(BuildingFiles, EqualIdsKeepReadingOrderAndLookupFindsTheFirst) {
    WriteBuildingFile(folder, "1.dat", MakeBarDescr(5, 100, 1));
    WriteBuildingFile(folder, "2.dat", MakeBarDescr(5, 200, 1));
    LoadBarDescrs();
    ASSERT_EQ(GameState.BarDescrCount(), 2);
    ASSERT_NE(FindBarDescr(5), nullptr);
    EXPECT_EQ(FindBarDescr(5)->Value, 100);
    EXPECT_EQ(FindBarDescr(6), nullptr);
}

TEST_F(BuildingFiles, FileSizesAndLabels) {
    std::string good = BarDescrFileBytes(MakeBarDescr(1, 10, 5));
    ASSERT_EQ(good.size(), 1068u);
    folder.WriteFile("Buildings/exact.dat", good);
    folder.WriteFile("Buildings/short.dat", good.substr(0, 1067));
    folder.WriteFile("Buildings/long.dat", BarDescrFileBytes(MakeBarDescr(2, 20, 5)) + std::string(932, 'z'));
    std::string badLabel = good;
    badLabel[0] = static_cast<char>(0x58); // 9048 = 0x2358
    folder.WriteFile("Buildings/label.dat", badLabel);
    folder.WriteFile("Buildings/tiny.dat", "ab");
    folder.WriteFile("Buildings/ignored.txt", good);
    LoadBarDescrs();

    ASSERT_EQ(GameState.BarDescrCount(), 2);
    EXPECT_EQ(GameState.BarDescrs[0].Id, 1);
    EXPECT_EQ(GameState.BarDescrs[1].Id, 2);
    const std::string log = Log();
    EXPECT_NE(log.find("File format of " + Path("short.dat") + " is invalid.\n"), std::string::npos);
    EXPECT_NE(log.find("File label of " + Path("label.dat") + " is invalid.\n"), std::string::npos);
    EXPECT_NE(log.find("File label of " + Path("tiny.dat") + " is invalid.\n"), std::string::npos);
    EXPECT_EQ(log.find("ignored"), std::string::npos);
    EXPECT_EQ(host.ErrorBoxes.size(), 3u); // one box per offending file
}

TEST_F(BuildingFiles, TheHundredAndFirstFileIsRefused) {
    for (int i = 0; i < 101; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "f%03d.dat", i);
        WriteBuildingFile(folder, name, MakeBarDescr(1000 - i, 1, 1)); // later files have lower ids
    }
    LoadBarDescrs();
    EXPECT_EQ(GameState.BarDescrCount(), 100);
    EXPECT_EQ(FindBarDescr(900), nullptr); // the 101st, although its id is the lowest
    EXPECT_NE(Log().find("Cannot add new bar descriptions. The limit is reached.\n"), std::string::npos);
    EXPECT_EQ(host.ErrorBoxes.size(), 1u);
}

TEST_F(BuildingFiles, MissingFolderLeavesAnEmptyTable) {
    GameState.BarDescrs.push_back(MakeBarDescr(1, 1, 1));
    LoadBarDescrs();
    EXPECT_EQ(GameState.BarDescrCount(), 0);
    EXPECT_TRUE(host.ErrorBoxes.empty());
}

TEST_F(BuildingFiles, UnreadableFileIsReportedAndSkipped) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    WriteBuildingFile(folder, "locked.dat", MakeBarDescr(1, 1, 1));
    std::filesystem::permissions(Path("locked.dat"), std::filesystem::perms::none);
    LoadBarDescrs();
    EXPECT_EQ(GameState.BarDescrCount(), 0);
    EXPECT_NE(Log().find("Can't open file " + Path("locked.dat") + "."), std::string::npos);
}

TEST_F(BuildingFiles, DirectoriesAndHiddenFilesAreNotListed) {
    std::filesystem::create_directories(Path("folder.dat"));
    WriteBuildingFile(folder, ".hidden.dat", MakeBarDescr(1, 1, 1));
    LoadBarDescrs();
    EXPECT_EQ(GameState.BarDescrCount(), 0);
    EXPECT_TRUE(host.ErrorBoxes.empty());
}

TEST_F(BuildingFiles, ValuesAreMadeSafeOnLoad) {
    BarDescr d = MakeBarDescr(1, -5, 70);
    d.Inflow = -3;
    d.Potential[4] = -8;
    std::memset(d.Name, 'n', sizeof d.Name);         // no terminator
    std::memset(d.Location, 'l', sizeof d.Location); // no terminator
    d.Carried[7] = 1234;
    WriteBuildingFile(folder, "x.dat", d);
    BarDescr small = MakeBarDescr(2, 1, -4);
    WriteBuildingFile(folder, "y.dat", small);
    LoadBarDescrs();
    ASSERT_EQ(GameState.BarDescrCount(), 2);
    const BarDescr& a = GameState.BarDescrs[0];
    EXPECT_EQ(a.Capacity, 50);
    EXPECT_EQ(a.Value, 0);
    EXPECT_EQ(a.Inflow, 0);
    EXPECT_EQ(a.Potential[4], 0);
    EXPECT_EQ(std::string(a.Name).size(), 127u);
    EXPECT_EQ(std::string(a.Location).size(), 511u);
    EXPECT_EQ(a.Carried[7], 1234);
    EXPECT_EQ(GameState.BarDescrs[1].Capacity, 0);
}

} // namespace
