// Saving never destroys the previous file, and loading answers every path that
// is not a readable saved game with its own message.
#include "persist/Autosave.h"
#include "persist/SaveFormat.h"
#include "persist/SaveGame.h"
#include "support/TestEnv.h"

#include "SampleGame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

struct FaultHookGuard {
    ~FaultHookGuard() { SetSaveFaultHook({}); }
};

struct SaveFiles : testing::Test {
    TempProgramFolder folder;
    HostRecorder host;
    FaultHookGuard guard;

    void ExpectOneError(const std::string& text) {
        ASSERT_EQ(host.SystemErrors.size(), 1u);
        EXPECT_EQ(host.SystemErrors[0].first, text);
        EXPECT_EQ(host.SystemErrors[0].second, "Quelbrin");
        host.SystemErrors.clear();
    }
};

TEST_F(SaveFiles, AFailingStepKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const std::string path = folder.Sub("save/game.sav");
    fs::create_directories(folder.Sub("save"));
    sample::FillGame(1, 1, 4);
    ASSERT_TRUE(SaveGame(path));
    const std::string old = ReadWholeFile(path);

    sample::FillGame(2, 3, 20); // a bigger game whose save goes wrong
    const std::string game = EncodeGame(GameState);
    const std::pair<SaveStep, const char*> cases[] = {
        {SaveStep::Create, nullptr}, // the message names the path
        {SaveStep::Write, "Failed to save the game."},
        {SaveStep::Sync, "Failed to save the game."},
        {SaveStep::Close, "Failed to save the game."},
        {SaveStep::Rename, "Failed to save the game."},
    };
    for (const auto& [failing, message] : cases) {
        SCOPED_TRACE(static_cast<int>(failing));
        SetSaveFaultHook([f = failing](SaveStep s) { return s != f; });
        EXPECT_FALSE(SaveGame(path));
        ExpectOneError(message ? message : "Cannot save game to " + path + ".");
        EXPECT_EQ(ReadWholeFile(path), old);
        EXPECT_EQ(FilesIn(folder.Sub("save")), std::set<std::string>{"game.sav"});
        EXPECT_EQ(EncodeGame(GameState), game);
    }

    SetSaveFaultHook({});
    ASSERT_TRUE(SaveGame(path));
    EXPECT_TRUE(host.SystemErrors.empty());
    EXPECT_EQ(ReadWholeFile(path).size(), SaveFileSize(3, 20));
    EXPECT_EQ(FilesIn(folder.Sub("save")), std::set<std::string>{"game.sav"});
}

TEST_F(SaveFiles, APathThatCannotBeCreatedIsNamed) {
    folder.WriteFile("plain", "not a folder");
    fs::create_directories(folder.Sub("taken.sav"));
    sample::FillGame(3, 1, 1);
    for (const std::string& path :
         {folder.Sub("plain/game.sav"), folder.Sub("missing/game.sav"), folder.Sub("taken.sav")}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(SaveGame(path));
        ExpectOneError("Cannot save game to " + path + ".");
    }
    EXPECT_EQ(FilesIn(folder.Path()), (std::set<std::string>{"plain", "taken.sav"}));
    EXPECT_EQ(ReadWholeFile(folder.Sub("plain")), "not a folder");
}

TEST_F(SaveFiles, TheAutosaveGoesIntoTheSaveFolderMadeWhenMissing) {
    sample::FillGame(4, 2, 3);
    EXPECT_FALSE(fs::exists(folder.Sub("save")));
    ASSERT_TRUE(SaveGame(AutosavePath()));
    EXPECT_EQ(AutosavePath(), folder.Sub("save/autosave.sav"));
    EXPECT_EQ(ReadWholeFile(AutosavePath()), EncodeGame(GameState));
    EXPECT_TRUE(AutosaveExists());
}

TEST_F(SaveFiles, LoadingWhatIsNoSavedGameChangesNothing) {
    folder.WriteFile("plain", "x");
    fs::create_directories(folder.Sub("folder.sav"));
    sample::FillGame(5, 1, 2);
    const std::string game = EncodeGame(GameState);
    const std::pair<std::string, std::string> cases[] = {
        {folder.Sub("missing.sav"), folder.Sub("missing.sav") + " does not exist."},
        {folder.Sub("plain/inside.sav"), folder.Sub("plain/inside.sav") + " does not exist."},
        {folder.Sub("folder.sav"), "Cannot open the file."},
        {"/dev/null", "Cannot open the file."},
        {folder.Sub("plain"),
         folder.Sub("plain") +
             " is not a valid game file, or saved with an old version of the game."},
    };
    for (const auto& [path, message] : cases) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(LoadGame(path));
        ExpectOneError(message);
        EXPECT_EQ(EncodeGame(GameState), game);
    }
}

} // namespace
