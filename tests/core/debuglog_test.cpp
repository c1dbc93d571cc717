// The debug log and the general error report.
#include "model/GameInfo.h"
#include "model/ProgramFolder.h"
#include "persist/DebugLog.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(DebugLog, ReportsAppendOneLineEachAndShowTheBox) {
    TempProgramFolder folder;
    HostRecorder host;
    AppendDebugLine("banner");
    ReportError("first");
    ReportError("second");
    EXPECT_EQ(folder.ReadFile("debug.txt"), "banner\nfirst\nsecond\n");
    ASSERT_EQ(host.ErrorBoxes.size(), 2u);
    const std::string& box = host.ErrorBoxes[0];
    EXPECT_EQ(box.find("General game error.\n\nIf you wish to send a bug report"), 0u);
    EXPECT_NE(box.find(std::string("send an email to ") + SupportEmail + ". Please attach " +
                       folder.Sub("debug.txt") + " file to your email"),
              std::string::npos);
    EXPECT_EQ(box.find("first"), std::string::npos); // the text stands only in the log
}

TEST(DebugLog, UnwritableFolderStillShowsTheBox) {
    TempProgramFolder folder;
    HostRecorder host;
    SetProgramFolder(folder.Sub("missing/folder/"));
    ReportError("lost");
    EXPECT_EQ(host.ErrorBoxes.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder.Sub("missing")));
}

TEST(DebugLog, EmptiedOnlyAbove10000Bytes) {
    TempProgramFolder folder;
    folder.WriteFile("debug.txt", std::string(10000, 'a'));
    EXPECT_FALSE(EmptyDebugLogIfLarger(10000));
    EXPECT_EQ(folder.ReadFile("debug.txt").size(), 10000u);
    folder.WriteFile("debug.txt", std::string(10001, 'a'));
    EXPECT_TRUE(EmptyDebugLogIfLarger(10000));
    EXPECT_EQ(folder.ReadFile("debug.txt"), "*** The log file has been emptied ***\n");
}

} // namespace
