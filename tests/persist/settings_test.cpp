#include "persist/Settings.h"

#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

// Points the game's store at a file inside a temporary folder for one test.
struct TempSettings {
    TempProgramFolder folder;
    std::string path = folder.Sub("cfg/Vostrane/QLB/1.0.reg");
    TempSettings() { SetSettingsPath(path); }
    ~TempSettings() { SetSettingsPath(SettingsStore::DefaultPath()); }
    std::string Content() const { return ReadWholeFile(path); }
    void Put(const std::string& content) const {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        folder.WriteFile("cfg/Vostrane/QLB/1.0.reg", content);
    }
};

} // namespace

TEST(Settings, AbsentKeyReadsZeroAndFirstWriteCreatesTheFile) {
    TempSettings s;
    for (const char* name : {"SoundVolume", "MusicVolume", "MuteSound", "MIsFullScreen"})
        EXPECT_EQ(ReadSettingInt(name), 0) << name;
    EXPECT_FALSE(std::filesystem::exists(s.path)); // reading creates nothing

    WriteSettingInt("MIsFullScreen", 1);
    ASSERT_TRUE(std::filesystem::exists(s.path));
    EXPECT_EQ(ReadSettingInt("MIsFullScreen"), 1);
    EXPECT_EQ(ReadSettingInt("MuteMusic"), 0);
    EXPECT_NE(s.Content().find("\"MIsFullScreen\"=dword:00000001\n"), std::string::npos);
}

TEST(Settings, ValuesReplaceKeepOthersAndRoundTripNegatives) {
    TempSettings s;
    WriteSettingInt("SoundVolume", -10000);
    WriteSettingInt("MusicVolume", 5);
    WriteSettingText("InstallPath", "/opt/q \"x\"\\y");
    WriteSettingInt("MusicVolume", 7);
    EXPECT_EQ(ReadSettingInt("SoundVolume"), -10000);
    EXPECT_EQ(ReadSettingInt("MusicVolume"), 7);
    EXPECT_EQ(ReadSettingInt("musicvolume"), 7); // registry names ignore case
    EXPECT_EQ(Settings().ReadText("InstallPath"), "/opt/q \"x\"\\y");
    const std::string content = s.Content();
    EXPECT_NE(content.find("\"SoundVolume\"=dword:ffffd8f0\n"), std::string::npos);
    // A header and one line per value, and no temporary file left behind.
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 4);
    EXPECT_EQ(std::distance(
                  std::filesystem::directory_iterator(std::filesystem::path(s.path).parent_path()),
                  std::filesystem::directory_iterator()),
              1);
}

TEST(Settings, MistypedOrBrokenValuesReadZero) {
    TempSettings s;
    s.Put("[Software\\Vostrane\\QLB\\1.0]\n"
          "\"MIsFullScreen\"=\"1\"\n"
          "\"MuteSound\"=dword:1g\n"
          "\"MuteMusic\"=dword:123456789\n"
          "\"MuteAmbient\"=dword:\n"
          "garbage line\n"
          "\"SoundVolume\"=dword:0000002A\r\n"
          "\"Unclosed=dword:00000001\n"
          "\"MusicVolume\"=dword:00000003");
    EXPECT_EQ(ReadSettingInt("MIsFullScreen"), 0); // text where an integer is expected
    EXPECT_EQ(ReadSettingInt("MuteSound"), 0);
    EXPECT_EQ(ReadSettingInt("MuteMusic"), 0);
    EXPECT_EQ(ReadSettingInt("MuteAmbient"), 0);
    EXPECT_EQ(ReadSettingInt("SoundVolume"), 42);
    EXPECT_EQ(ReadSettingInt("MusicVolume"), 3); // last line without a line feed
    EXPECT_EQ(ReadSettingInt("Unclosed"), 0);
    EXPECT_FALSE(Settings().ReadText("SoundVolume").has_value());

    // A write keeps the good values and replaces the mistyped one.
    WriteSettingInt("MIsFullScreen", 1);
    EXPECT_EQ(ReadSettingInt("MIsFullScreen"), 1);
    EXPECT_EQ(ReadSettingInt("SoundVolume"), 42);
}

TEST(Settings, UnusableFilesReadZeroAndWritesAreDropped) {
    TempSettings s;
    std::filesystem::create_directories(s.path); // a folder where the file should be
    EXPECT_EQ(ReadSettingInt("SoundVolume"), 0);
    WriteSettingInt("SoundVolume", 3);
    EXPECT_TRUE(std::filesystem::is_directory(s.path));

    SettingsStore nowhere("/proc/qlb-no-such/1.0.reg");
    EXPECT_FALSE(nowhere.WriteInt("SoundVolume", 1));
    EXPECT_FALSE(nowhere.ReadInt("SoundVolume").has_value());
    SettingsStore empty("");
    EXPECT_FALSE(empty.WriteInt("SoundVolume", 1));
}

TEST(Settings, InstallPathHasNoTrailingSlash) {
    TempSettings s;
    WriteInstallPath("/home/player/quelbrin/");
    EXPECT_EQ(Settings().ReadText("InstallPath"), "/home/player/quelbrin");
    EXPECT_NE(s.Content().find("\"InstallPath\"=\"/home/player/quelbrin\"\n"), std::string::npos);
    WriteInstallPath("/");
    EXPECT_EQ(Settings().ReadText("InstallPath"), "/");
}

TEST(Settings, DefaultPathFollowsTheUsersConfigurationFolder) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string xdg = oldXdg ? oldXdg : "", home = oldHome ? oldHome : "";
    setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(SettingsStore::DefaultPath(), "/tmp/xdg/Vostrane/QLB/1.0.reg");
    setenv("XDG_CONFIG_HOME", "relative", 1); // not a usable folder: ignored
    setenv("HOME", "/tmp/home", 1);
    EXPECT_EQ(SettingsStore::DefaultPath(), "/tmp/home/.config/Vostrane/QLB/1.0.reg");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    EXPECT_NE(SettingsStore::DefaultPath().find("/.config/Vostrane/QLB/1.0.reg"),
              std::string::npos);
    oldXdg ? setenv("XDG_CONFIG_HOME", xdg.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    oldHome ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
}
