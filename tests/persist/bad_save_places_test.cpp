// What the player may have left where the saves go: a `save` that is a file, a folder
// carrying a save's name, a read-only save folder, a damaged autosave. Each gets its
// message, the running game stays as it was, and every file already there is kept.
#include "persist/Autosave.h"
#include "persist/SaveFormat.h"
#include "persist/SaveGame.h"
#include "support/TestEnv.h"

#include "SampleGame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Every entry below the folder: a file's bytes, or "<folder>".
std::map<std::string, std::string> Tree(const std::string& folder) {
    std::map<std::string, std::string> tree;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        const std::string rel = fs::relative(e.path(), folder).string();
        tree[rel] = e.is_directory() ? "<folder>" : ReadWholeFile(e.path().string());
    }
    return tree;
}

struct BadSavePlaces : testing::Test {
    TempProgramFolder folder;
    HostRecorder host;

    void ExpectOnly(const std::string& text) {
        ASSERT_EQ(host.SystemErrors.size(), 1u);
        EXPECT_EQ(host.SystemErrors[0].first, text);
        EXPECT_EQ(host.SystemErrors[0].second, "Quelbrin");
        host.SystemErrors.clear();
    }
};

// A game in progress meets the place: the main menu asks for Continue, closing saves
// the autosave, a new game deletes it.
TEST_F(BadSavePlaces, AnUnusablePlaceForTheAutosaveIsNamedAndKeepsWhatIsThere) {
    const std::pair<const char*, std::function<void(const TempProgramFolder&)>> cases[] = {
        {"save is a file", [](const TempProgramFolder& f) { f.WriteFile("save", "my notes"); }},
        {"the autosave's name is a folder with a file",
         [](const TempProgramFolder& f) { f.WriteFile("save/autosave.sav/keep.txt", "mine"); }},
        {"the autosave's name is an empty folder",
         [](const TempProgramFolder& f) { fs::create_directories(f.Sub("save/autosave.sav")); }},
    };
    for (const auto& [name, make] : cases) {
        SCOPED_TRACE(name);
        fs::remove_all(folder.Sub("save"));
        make(folder);
        const auto before = Tree(folder.Path());
        sample::FillGame(31, 2, 6);
        const std::string game = EncodeGame(GameState);

        EXPECT_FALSE(AutosaveExists()) << "Continue is not offered";
        EXPECT_FALSE(SaveGame(AutosavePath()));
        ExpectOnly("Cannot save game to " + folder.Sub("save/autosave.sav") + ".");
        DeleteAutosave();
        EXPECT_FALSE(LoadGame(AutosavePath()));
        host.SystemErrors.clear(); // which of the loading messages depends on the case

        EXPECT_EQ(Tree(folder.Path()), before);
        EXPECT_EQ(EncodeGame(GameState), game);
    }
}

TEST_F(BadSavePlaces, AReadOnlySaveFolderRefusesSavesAndStillLoads) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into a read-only folder";
    sample::FillGame(32, 1, 4);
    const std::string old = EncodeGame(GameState);
    ASSERT_TRUE(SaveGame(AutosavePath()));
    ASSERT_TRUE(SaveGame(folder.Sub("save/evening.sav")));
    fs::permissions(folder.Sub("save"), fs::perms::owner_read | fs::perms::owner_exec);
    const auto before = Tree(folder.Path());

    sample::FillGame(33, 3, 9);
    const std::string game = EncodeGame(GameState);
    for (const std::string& path :
         {AutosavePath(), folder.Sub("save/evening.sav"), folder.Sub("save/new.sav")}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(SaveGame(path));
        ExpectOnly("Cannot save game to " + path + ".");
    }
    DeleteAutosave();
    EXPECT_TRUE(AutosaveExists());
    EXPECT_EQ(Tree(folder.Path()), before);
    EXPECT_EQ(EncodeGame(GameState), game);

    ASSERT_TRUE(LoadGame(folder.Sub("save/evening.sav")));
    EXPECT_EQ(EncodeGame(GameState), old);
    EXPECT_TRUE(host.SystemErrors.empty());
}

TEST_F(BadSavePlaces, ADamagedAutosaveIsRefusedKeptAndReplacedOnlyByTheNextGoodSave) {
    sample::FillGame(34, 1, 3);
    const std::string good = EncodeGame(GameState);
    const std::pair<const char*, std::string> damages[] = {
        {"cut short", good.substr(0, good.size() / 2)},
        {"empty", ""},
        {"text", "these are not the saves you are looking for\n"},
    };
    for (const auto& [name, bytes] : damages) {
        SCOPED_TRACE(name);
        folder.WriteFile("save/autosave.sav", bytes);
        sample::FillGame(35, 2, 5);
        const std::string game = EncodeGame(GameState);

        ASSERT_TRUE(AutosaveExists()) << "Continue is offered; the file decides";
        EXPECT_FALSE(LoadGame(AutosavePath()));
        ExpectOnly(AutosavePath() +
                   " is not a valid game file, or saved with an old version of the game.");
        EXPECT_EQ(EncodeGame(GameState), game);
        EXPECT_EQ(folder.ReadFile("save/autosave.sav"), bytes);

        ASSERT_TRUE(SaveGame(AutosavePath()));
        ASSERT_TRUE(LoadGame(AutosavePath()));
        EXPECT_EQ(EncodeGame(GameState), game);
    }
    EXPECT_EQ(Tree(folder.Sub("save")).size(), 1u) << "no temporary file is left";
}

} // namespace
