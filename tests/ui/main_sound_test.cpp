// The sound switch of the main window: its icon, the M key, the stored mute
// flags at start and at exit, and the player that follows them.
#include "MainWindowFixture.h"
#include "sound/Playsound.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr int SoundIconX = MainWidth - 68;

class MainSound : public MainWindowFixture {
protected:
    void SetUp() override {
        // The real sounds and decoder, so the player has something to play.
        const char* b = std::getenv("QLB_BUILD_DIR");
        const std::string build = std::string(b ? b : ".") + "/";
        ASSERT_TRUE(fs::exists(build + "Sounds/click.ogg")) << "content not generated";
        fs::create_directories(folder.Sub("Sounds"));
        for (auto& e : fs::directory_iterator(build + "Sounds"))
            fs::copy_file(e.path(), folder.Sub("Sounds/" + e.path().filename().string()));
        fs::copy_file(build + "liboggwrap.so", folder.Sub("liboggwrap.so"));
        WriteCodedBmp(folder.Sub("Images/sndicons.bmp"), 32, 16, SoundCells);
    }
    static bool AnyPlaying() {
        for (auto& e : GameSounds->Sounds())
            if (e->Buffer->IsPlaying()) return true;
        return false;
    }
    static bool AllMuted() {
        const SoundSettings& s = GameSounds->Settings();
        return s.MuteSound && s.MuteAmbient && s.MuteMusic;
    }
    static constexpr int SoundCells = 180;
};

TEST_F(MainSound, TheIconHitsBesideTheMinimiseIcon) {
    Open();
    const int W = MainWidth;
    struct Case {
        int x, y;
        uint8_t want;
    } cases[] = {{W - 68, 0, maSound}, {W - 52, 17, maSound}, {W - 60, 9, maSound},
                 {W - 69, 5, maNone},  {W - 60, 18, maNone},  {W - 51, 5, maMinimize}};
    for (const Case& c : cases)
        EXPECT_EQ(window->HitTest(c.x, c.y), c.want) << c.x << ", " << c.y;
}

TEST_F(MainSound, IconAndKeySwitchAllSoundAndTheFlagsAreStoredAtExit) {
    Open();
    ASSERT_TRUE(GameSounds->HasDecoder());
    window->FormMouseDown(mbLeft, ssLeft, 630, 420); // a speed button's click
    ASSERT_TRUE(AnyPlaying()) << "the silent loop and the click";
    EXPECT_EQ(CodeAt(Paint(), SoundIconX + 3, 1 + 4), (Coded{SoundCells, 3, 4}));

    sounds.clear();
    window->FormMouseDown(mbLeft, ssLeft, SoundIconX + 8, 9);
    EXPECT_TRUE(AllMuted());
    EXPECT_FALSE(AnyPlaying()) << "the click before muting is cut with the rest";
    EXPECT_EQ(CodeAt(Paint(), SoundIconX + 3, 1 + 4), (Coded{SoundCells, 16 + 3, 4}));
    window->FormMouseDown(mbLeft, ssLeft, 660, 420);
    window->tmrSound.OnTimer(); // the tick that would start the ambience
    EXPECT_FALSE(AnyPlaying());

    EXPECT_TRUE(window->FormKeyDown('m', 0));
    EXPECT_FALSE(GameSounds->Settings().MuteSound || GameSounds->Settings().MuteAmbient ||
                 GameSounds->Settings().MuteMusic);
    EXPECT_TRUE(AnyPlaying()) << "the click after unmuting";
    EXPECT_TRUE(window->FormKeyDown('m', 0));
    EXPECT_TRUE(AllMuted());
    EXPECT_EQ(sounds, std::vector<std::string>(4, "click"));

    window.reset();
    EXPECT_EQ(ReadSettingInt("MuteSound"), 1);
    EXPECT_EQ(ReadSettingInt("MuteAmbient"), 1);
    EXPECT_EQ(ReadSettingInt("MuteMusic"), 1);
}

TEST_F(MainSound, StoredSettingsTakeEffectAtStart) {
    WriteSettingInt("MuteSound", 1);
    WriteSettingInt("MuteAmbient", 1);
    WriteSettingInt("MuteMusic", 1);
    WriteSettingInt("SoundVolume", -700);
    Open();
    ASSERT_TRUE(GameSounds->HasDecoder());
    EXPECT_TRUE(AllMuted());
    EXPECT_EQ(GameSounds->Settings().SoundVolume, -700);
    EXPECT_TRUE(GameSounds->Sounds().empty()) << "not even the silent loop";
    EXPECT_EQ(CodeAt(Paint(), SoundIconX + 3, 1 + 4), (Coded{SoundCells, 16 + 3, 4}));

    // Back on: a click plays at the stored volume.
    EXPECT_TRUE(window->FormKeyDown('m', 0));
    ASSERT_FALSE(GameSounds->Sounds().empty());
    EXPECT_EQ(GameSounds->Sounds().back()->Buffer->Attenuation(), -700);
    window.reset();
    EXPECT_EQ(ReadSettingInt("MuteSound"), 0);
    EXPECT_EQ(ReadSettingInt("SoundVolume"), -700);
}

} // namespace
