// Saves and the debug log stay beside the game while its folder can be written, and
// move to the player's data folder when it cannot; the content is still read beside
// the executable.
#include "model/Game.h"
#include "model/ProgramFolder.h"
#include "persist/Autosave.h"
#include "persist/DataFolder.h"
#include "persist/DebugLog.h"
#include "persist/SaveFormat.h"
#include "persist/SaveGame.h"
#include "sim/Startup.h"
#include "support/TestEnv.h"

#include "SampleGame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

TEST(DataFolderRule, ChoosesByWritabilityThenXdgThenHome) {
    struct Case {
        const char* Program;
        bool Writable;
        const char* Xdg;
        const char* Home;
        const char* Expected;
    };
    const Case cases[] = {
        {"/opt/q/", true, "/x/data", "/home/p", "/opt/q/"},
        {"/opt/q", true, nullptr, nullptr, "/opt/q/"},
        {"/usr/lib/quelbrin/", false, "/x/data", "/home/p", "/x/data/quelbrin/"},
        {"/usr/lib/quelbrin/", false, "/x/data/", "/home/p", "/x/data/quelbrin/"},
        // The XDG base directory rules ignore a relative or empty XDG_DATA_HOME.
        {"/usr/lib/quelbrin/", false, "rel/data", "/home/p", "/home/p/.local/share/quelbrin/"},
        {"/usr/lib/quelbrin/", false, "", "/home/p/", "/home/p/.local/share/quelbrin/"},
        {"/usr/lib/quelbrin/", false, nullptr, "/home/p", "/home/p/.local/share/quelbrin/"},
        // Nowhere else to go: the saves fail beside the game with their own message.
        {"/usr/lib/quelbrin/", false, nullptr, "", "/usr/lib/quelbrin/"},
        {"/usr/lib/quelbrin/", false, nullptr, nullptr, "/usr/lib/quelbrin/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Program) + (c.Writable ? " writable" : " read-only") +
                     " xdg=" + (c.Xdg ? c.Xdg : "unset") + " home=" + (c.Home ? c.Home : "unset"));
        EXPECT_EQ(ChooseDataFolder(c.Program, c.Writable, c.Xdg, c.Home), c.Expected);
    }
}

// Sets or unsets a variable for the test's life.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : mName(name) {
        if (const char* old = std::getenv(name)) mOld = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (mOld)
            ::setenv(mName, mOld->c_str(), 1);
        else
            ::unsetenv(mName);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* mName;
    std::optional<std::string> mOld;
};

struct ProbeGuard {
    ~ProbeGuard() { SetFolderWritableProbe({}); }
};

// A program folder with its content, made read-only, and a player's home beside it.
struct ReadOnlyInstall : testing::Test {
    TempProgramFolder folder;
    HostRecorder host;
    ProbeGuard guard;
    std::string data = folder.Sub("home/.local/share/quelbrin/");
    ScopedEnv xdg{"XDG_DATA_HOME", std::nullopt};
    ScopedEnv home{"HOME", folder.Sub("home")};
    fs::path program = folder.Sub("program");

    void SetUp() override {
        fs::create_directories(program);
        WriteFixtureCatalogue(program.string() + "/");
        SetProgramFolder(program.string());
        fs::permissions(program,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    void TearDown() override {
        fs::permissions(program, fs::perms::owner_write, fs::perm_options::add);
    }
    std::string ProgramPath() const { return program.string() + "/"; }
    bool ProgramFolderHolds(const char* name) const { return fs::exists(program / name); }
};

// The whole run of a game whose folder cannot be written: start-up, a save on
// closing, Continue, a new game, the error report.
void PlayAndCheck(ReadOnlyInstall& t, const std::string& expectedData) {
    GameStartup(7u);
    ASSERT_GT(GameState.BarDescrCount(), 0) << "the content is read beside the executable";

    sample::FillGame(11, 1, 3);
    const std::string game = EncodeGame(GameState);
    ASSERT_TRUE(SaveGame(AutosavePath()));
    EXPECT_EQ(AutosavePath(), expectedData + "save/autosave.sav");
    EXPECT_EQ(ReadWholeFile(expectedData + "save/autosave.sav"), game);
    EXPECT_EQ(SaveFolder(), expectedData + "save/");

    ResetGameState();
    ASSERT_TRUE(AutosaveExists());
    ASSERT_TRUE(LoadGame(AutosavePath()));
    EXPECT_EQ(EncodeGame(GameState), game);
    DeleteAutosave();
    EXPECT_FALSE(fs::exists(expectedData + "save/autosave.sav"));

    ReportError("something odd");
    ASSERT_EQ(t.host.ErrorBoxes.size(), 1u);
    EXPECT_NE(t.host.ErrorBoxes[0].find(expectedData + "debug.txt"), std::string::npos)
        << "the box names the log where it really is";
    const std::string log = ReadWholeFile(expectedData + "debug.txt");
    EXPECT_NE(log.find(" has started on "), std::string::npos);
    EXPECT_NE(log.find("something odd\n"), std::string::npos);
    EXPECT_TRUE(t.host.SystemErrors.empty());
}

TEST_F(ReadOnlyInstall, SavesAndTheLogGoToTheDataFolderNamedInTheBanner) {
    // Decided here as it would be for a player who may not write the folder, which a
    // test running as root cannot feel through the file system.
    SetFolderWritableProbe([&](const std::string& f) { return f != ProgramPath(); });
    PlayAndCheck(*this, data);
    EXPECT_FALSE(ProgramFolderHolds("save"));
    EXPECT_FALSE(ProgramFolderHolds("debug.txt"));
    const std::string log = ReadWholeFile(data + "debug.txt");
    const std::string note = "*** The program's folder " + ProgramPath() +
                             " is not writable: saved games and this log are kept in " + data +
                             " ***\n";
    const auto banner = log.find(" has started on ");
    ASSERT_NE(banner, std::string::npos);
    EXPECT_EQ(log.find(note), log.find('\n', banner) + 1) << log;
}

TEST_F(ReadOnlyInstall, XdgDataHomeComesFirst) {
    ScopedEnv xdgSet{"XDG_DATA_HOME", folder.Sub("xdg")};
    SetFolderWritableProbe([&](const std::string& f) { return f != ProgramPath(); });
    PlayAndCheck(*this, folder.Sub("xdg/quelbrin/"));
    EXPECT_FALSE(fs::exists(data));
}

TEST_F(ReadOnlyInstall, AWritableFolderKeepsEverythingBesideTheGameWithoutANote) {
    fs::permissions(program, fs::perms::owner_write, fs::perm_options::add);
    SetFolderWritableProbe([](const std::string&) { return true; });
    PlayAndCheck(*this, ProgramPath());
    EXPECT_FALSE(fs::exists(data));
    EXPECT_EQ(ReadWholeFile(ProgramPath() + "debug.txt").find("is not writable"),
              std::string::npos);
}

TEST_F(ReadOnlyInstall, TheFileSystemsOwnAnswerDecides) {
    // Without an injected answer the folder's permissions decide; root may write
    // into any folder, so for root the saves rightly stay beside the game.
    const bool root = ::geteuid() == 0;
    if (root) std::printf("running as root: the read-only folder still counts as writable\n");
    PlayAndCheck(*this, root ? ProgramPath() : data);
    EXPECT_EQ(ProgramFolderHolds("save"), root);
}

} // namespace
