// The sound player over a silent device (mixed only when the test says so) and
// over SDL's dummy output: entries, fades, ambience changes, mute flags and the
// start-up reports.
#include "persist/DebugLog.h"
#include "platform/FakeLoop.h"
#include "platform/Timer.h"
#include "sim/Random.h"
#include "sound/Playsound.h"
#include "support/TestEnv.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <chrono>
#include <deque>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

namespace {

std::string BuildDir() {
    const char* b = std::getenv("QLB_BUILD_DIR");
    return std::string(b ? b : ".") + "/";
}

// The window's sound timer on a fake clock; off until the player starts it.
struct SoundTimer {
    FakeLoop f;
    Timer timer{f.loop};
    SoundTimer() {
        timer.SetInterval(300);
        timer.SetEnabled(false);
    }
    operator Timer&() { return timer; }
    bool Enabled() const { return timer.Enabled(); }
    bool HasHandler() const { return bool(timer.OnTimer); }
    // Lets the clock run on by whole periods.
    void Fire(int times = 1) {
        for (int i = 0; i < times; ++i) {
            f.now += uint64_t(timer.Interval());
            f.loop.FireDueTimers();
        }
    }
};

// Draws come from a queue; an empty queue gives 4094, which fails every chance
// test the player makes and picks the third of four ambience loops.
struct ScriptedRandom {
    std::deque<int32_t> Queue;
    ScriptedRandom() {
        SetRandomSourceForTesting([this] {
            if (Queue.empty()) return int32_t(4094);
            const int32_t v = Queue.front();
            Queue.pop_front();
            return v;
        });
    }
    ~ScriptedRandom() { SetRandomSourceForTesting({}); }
};

SoundPlayer::DeviceOpener Silent() {
    return [](AudioOpenResult* why) {
        *why = AudioOpenResult::Ok;
        return AudioDevice::CreateSilent();
    };
}

SoundPlayer::DeviceOpener Failing(AudioOpenResult result) {
    return [result](AudioOpenResult* why) {
        *why = result;
        return std::unique_ptr<AudioDevice>();
    };
}

class Player : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(BuildDir() + "Sounds/click.ogg")) << "content not generated";
    }
    void CopySounds() {
        fs::create_directories(dir.Sub("Sounds"));
        for (auto& e : fs::directory_iterator(BuildDir() + "Sounds"))
            fs::copy_file(e.path(), dir.Sub("Sounds/" + e.path().filename().string()));
    }
    void CopyLibrary() { fs::copy_file(BuildDir() + "liboggwrap.so", dir.Sub("liboggwrap.so")); }
    void Install() {
        CopySounds();
        CopyLibrary();
    }
    std::vector<const SoundEntry*> EntriesOf(const SoundPlayer& p, const std::string& name) {
        std::vector<const SoundEntry*> out;
        for (auto& e : p.Sounds())
            if (e->Path == dir.Sub("Sounds/" + name + ".ogg")) out.push_back(e.get());
        return out;
    }
    // Lets the silent device play for that long.
    static void Play(SoundPlayer& p, double seconds) {
        std::vector<int16_t> out(2 * 4410);
        for (int i = 0; i < int(seconds * 10); ++i)
            p.Device()->Mix(out.data(), 4410);
    }
    std::vector<std::string> LogLines() {
        std::vector<std::string> lines;
        std::string text = dir.ReadFile("debug.txt"), line;
        for (char c : text) {
            if (c == '\n')
                lines.push_back(line), line.clear();
            else
                line += c;
        }
        return lines;
    }

    TempProgramFolder dir;
    HostRecorder host;
    SoundTimer timer;
};

TEST_F(Player, StartsOnTheRealOutputWithTheSilentLoop) {
    Install();
    {
        SoundPlayer p(timer);
        EXPECT_TRUE(host.ErrorBoxes.empty());
        ASSERT_TRUE(p.HasDevice());
        EXPECT_TRUE(p.Device()->HasOutput());
        EXPECT_TRUE(p.HasDecoder());
        ASSERT_EQ(p.Sounds().size(), 1u);
        const SoundEntry& silence = *p.Sounds()[0];
        EXPECT_EQ(silence.Kind, skSilence);
        EXPECT_TRUE(silence.Looping);
        EXPECT_EQ(silence.Volume, 100);
        EXPECT_TRUE(silence.Buffer->IsPlaying());
        EXPECT_TRUE(timer.Enabled());
        ASSERT_TRUE(timer.HasHandler());

        // The callback moves the loop on.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (silence.Buffer->Position() == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_GT(silence.Buffer->Position(), 0u);

        p.PlaySound(skClick);
        timer.Fire(3);
        EXPECT_EQ(EntriesOf(p, "click").size(), 1u);
    }
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(timer.HasHandler());
}

TEST_F(Player, DeviceProblemsAtStartReportOnceAndLeaveItSilent) {
    Install();
    struct Case {
        AudioOpenResult result;
        const char* text;
    } cases[] = {
        {AudioOpenResult::Busy,
         "Another application is using DirectSound device. The sound will be turned off."},
        {AudioOpenResult::Failed,
         "Cannot initialize DirectSound interface. The sound will be turned off."},
    };
    for (const Case& c : cases) {
        host.ErrorBoxes.clear();
        std::error_code ec;
        fs::remove(dir.Sub("debug.txt"), ec);
        SoundPlayer p(timer, {}, Failing(c.result));
        EXPECT_FALSE(p.HasDevice());
        EXPECT_EQ(host.ErrorBoxes.size(), 1u);
        EXPECT_EQ(LogLines(), std::vector<std::string>{c.text});
        EXPECT_FALSE(timer.Enabled());
        p.PlaySound(skClick);
        EXPECT_TRUE(p.Sounds().empty());
    }
}

TEST_F(Player, WithoutTheLibraryRunsSilentAfterOneReport) {
    CopySounds();
    SoundPlayer p(timer, {}, Silent());
    EXPECT_EQ(host.ErrorBoxes.size(), 1u);
    EXPECT_EQ(LogLines(),
              std::vector<std::string>{"Cannot find the following library file: liboggwrap.so"});
    EXPECT_TRUE(p.HasDevice());
    EXPECT_FALSE(p.HasDecoder());
    EXPECT_TRUE(timer.Enabled());
    p.PlaySound(skClick);
    timer.Fire(5);
    EXPECT_TRUE(p.Sounds().empty());
    EXPECT_EQ(host.ErrorBoxes.size(), 1u);
}

TEST_F(Player, LibraryWithoutTheEntryPointIsInvalid) {
    CopySounds();
    // Any real shared library that lacks OggLoadFile: the SDL this test runs with.
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&SDL_GetVersion), &info), 0);
    ASSERT_TRUE(info.dli_fname);
    fs::create_symlink(fs::canonical(info.dli_fname), dir.Sub("liboggwrap.so"));
    SoundPlayer p(timer, {}, Silent());
    EXPECT_EQ(LogLines(), std::vector<std::string>{"The liboggwrap.so library is invalid."});
    EXPECT_EQ(host.ErrorBoxes.size(), 1u);
    EXPECT_FALSE(p.HasDecoder());
}

TEST_F(Player, MissingSoundsFolderIsSilentWithoutAMessage) {
    CopyLibrary();
    SoundPlayer p(timer, {}, Silent());
    EXPECT_TRUE(p.HasDecoder());
    for (int kind = 0; kind <= 9; ++kind)
        p.PlaySound(kind);
    timer.Fire(10);
    EXPECT_TRUE(p.Sounds().empty());
    EXPECT_TRUE(host.ErrorBoxes.empty());
    EXPECT_FALSE(fs::exists(dir.Sub("debug.txt")));
}

TEST_F(Player, ClickWhilePlayingGetsASecondEntryAndAnIdleOneIsReused) {
    Install();
    SoundPlayer p(timer, {}, Silent());
    p.PlaySound(skClick);
    p.PlaySound(skClick);
    auto clicks = EntriesOf(p, "click");
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_TRUE(clicks[0]->Buffer->IsPlaying());
    EXPECT_TRUE(clicks[1]->Buffer->IsPlaying());
    EXPECT_EQ(clicks[0]->Volume, 100);
    EXPECT_EQ(clicks[0]->Buffer->Attenuation(), 0);
    EXPECT_FALSE(clicks[0]->Looping);

    Play(p, 0.5); // both have ended
    EXPECT_FALSE(clicks[0]->Buffer->IsPlaying());
    EXPECT_FALSE(clicks[1]->Buffer->IsPlaying());
    p.PlaySound(skClick);
    EXPECT_EQ(EntriesOf(p, "click").size(), 2u);
    EXPECT_TRUE(clicks[0]->Buffer->IsPlaying());
    EXPECT_FALSE(clicks[1]->Buffer->IsPlaying());
    EXPECT_EQ(clicks[0]->Buffer->Position(), 0u) << "rewound";
    // The silent loop is still the only other entry and still going.
    EXPECT_EQ(p.Sounds().size(), 3u);
    EXPECT_TRUE(p.Sounds()[0]->Buffer->IsPlaying());
}

TEST_F(Player, EachNamedSoundHasItsOwnFile) {
    Install();
    SoundPlayer p(timer, {}, Silent());
    const std::pair<const char*, const char*> names[] = {
        {"page", "page"}, {"click", "click"}, {"click2", "click2"}, {"bookopen", "bookopen"}};
    for (const auto& [name, file] : names) {
        const uint8_t kind = SoundKindByName(name);
        ASSERT_NE(kind, 0) << name;
        p.PlaySound(kind);
        auto entries = EntriesOf(p, file);
        ASSERT_EQ(entries.size(), 1u) << name;
        EXPECT_EQ(entries[0]->Kind, kind);
    }
    EXPECT_EQ(SoundKindByName("silence"), 0);
    EXPECT_EQ(SoundKindByName(""), 0);
    // Kinds outside the table have no file.
    const size_t before = p.Sounds().size();
    for (int kind : {0, 9, 200, -1})
        p.PlaySound(kind);
    EXPECT_EQ(p.Sounds().size(), before);
}

TEST_F(Player, AmbienceFadesByThreeAndTheNextLoopTakesOver) {
    Install();
    ScriptedRandom rnd;
    SoundPlayer p(timer, {}, Silent());
    timer.Fire(); // no ambience yet: the third loop starts silent
    auto first = EntriesOf(p, "ambient3");
    ASSERT_EQ(first.size(), 1u);
    const SoundEntry& a = *first[0];
    EXPECT_EQ(a.Kind, skAmbient);
    EXPECT_TRUE(a.Looping);
    EXPECT_TRUE(a.FadingIn);
    EXPECT_EQ(a.Volume, 0);
    EXPECT_EQ(a.Buffer->Attenuation(), -4600); // ambience runs from -1000 down to -4600
    EXPECT_TRUE(a.Buffer->IsPlaying());

    timer.Fire();
    EXPECT_EQ(a.Volume, 3);
    EXPECT_EQ(a.Buffer->Attenuation(), -4492);
    timer.Fire();
    EXPECT_EQ(a.Volume, 6);
    for (int i = 0; i < 31; ++i)
        timer.Fire();
    EXPECT_EQ(a.Volume, 99);
    EXPECT_TRUE(a.FadingIn);
    timer.Fire();
    EXPECT_EQ(a.Volume, 100);
    EXPECT_FALSE(a.FadingIn);
    EXPECT_EQ(a.Buffer->Attenuation(), -1000);
    EXPECT_EQ(p.Sounds().size(), 2u) << "one ambience at a time";

    // The fade-out chance passes (0); the loop fading out no longer counts as
    // playing, so the first loop is picked (4) and starts at 0 % in the same
    // tick; the random effect's chance fails.
    rnd.Queue = {0, 4, 4094};
    timer.Fire();
    EXPECT_TRUE(a.FadingOut);
    EXPECT_EQ(a.Volume, 97);
    auto next = EntriesOf(p, "ambient1");
    ASSERT_EQ(next.size(), 1u);
    const SoundEntry& b = *next[0];
    EXPECT_EQ(b.Volume, 0);
    EXPECT_TRUE(b.FadingIn);
    EXPECT_TRUE(b.Buffer->IsPlaying());
    for (int i = 0; i < 32; ++i)
        timer.Fire();
    EXPECT_EQ(a.Volume, 1);
    EXPECT_TRUE(a.Buffer->IsPlaying());
    EXPECT_EQ(b.Volume, 96);

    // At 0 % it stops.
    timer.Fire();
    EXPECT_EQ(a.Volume, 0);
    EXPECT_FALSE(a.FadingOut);
    EXPECT_FALSE(a.Buffer->IsPlaying());
    EXPECT_EQ(b.Volume, 99);
    timer.Fire();
    EXPECT_EQ(b.Volume, 100);
    EXPECT_FALSE(b.FadingIn);
    EXPECT_EQ(a.Volume, 0);
    EXPECT_EQ(p.Sounds().size(), 3u);

    // The next change picks the third loop again: its idle entry is reused.
    rnd.Queue = {0, 2, 4094};
    timer.Fire();
    EXPECT_TRUE(b.FadingOut);
    EXPECT_EQ(p.Sounds().size(), 3u);
    EXPECT_TRUE(a.FadingIn);
    EXPECT_EQ(a.Volume, 0);
    EXPECT_TRUE(a.Buffer->IsPlaying());
}

TEST_F(Player, RandomEffectComesWhenItsChancePasses) {
    Install();
    ScriptedRandom rnd;
    SoundPlayer p(timer, {}, Silent());
    // Ambience pick, then the effect's chance (13 of 4095 at 300 ms) and its pick.
    rnd.Queue = {4094, 13, 1};
    timer.Fire();
    auto effect = EntriesOf(p, "random2");
    ASSERT_EQ(effect.size(), 1u);
    EXPECT_FALSE(effect[0]->Looping);
    EXPECT_EQ(effect[0]->Volume, 100);
    rnd.Queue = {14};
    timer.Fire();
    EXPECT_EQ(EntriesOf(p, "random1").size() + EntriesOf(p, "random2").size(), 1u);
}

TEST_F(Player, MuteSoundSilencesEffectsButNotAmbience) {
    Install();
    ScriptedRandom rnd;
    SoundSettings muted;
    muted.MuteSound = true;
    SoundPlayer p(timer, muted, Silent());
    EXPECT_TRUE(p.Sounds().empty()) << "the silent loop counts as an effect";
    for (int kind : {skSilence, skRandom, skPage, skClick, skClick2, skBookOpen})
        p.PlaySound(kind);
    EXPECT_TRUE(p.Sounds().empty());
    timer.Fire();
    ASSERT_EQ(p.Sounds().size(), 1u);
    EXPECT_EQ(p.Sounds()[0]->Kind, skAmbient);

    // MuteAmbient: asked for every tick, never started; clicks still play.
    SoundSettings quiet;
    quiet.MuteAmbient = true;
    p.SetSettings(quiet);
    p.Sounds()[0]->Buffer->Stop();
    timer.Fire(5);
    EXPECT_EQ(p.Sounds().size(), 1u);
    EXPECT_FALSE(p.Sounds()[0]->Buffer->IsPlaying());
    p.PlaySound(skClick);
    EXPECT_EQ(EntriesOf(p, "click").size(), 1u);
}

TEST_F(Player, MutingAllStopsWhatIsPlayingAndUnmutingBringsTheAmbienceBack) {
    Install();
    ScriptedRandom rnd;
    SoundPlayer p(timer, {}, Silent());
    timer.Fire(); // the ambience starts
    p.PlaySound(skClick);
    ASSERT_EQ(EntriesOf(p, "ambient3").size(), 1u);
    ASSERT_EQ(EntriesOf(p, "click").size(), 1u);
    const size_t entries = p.Sounds().size();

    SoundSettings off;
    off.MuteSound = off.MuteAmbient = off.MuteMusic = true;
    p.SetSettings(off);
    auto anyPlaying = [&] {
        for (auto& e : p.Sounds())
            if (e->Buffer->IsPlaying()) return true;
        return false;
    };
    EXPECT_FALSE(anyPlaying()) << "the silent loop, the ambience and the click stop at once";
    timer.Fire(10);
    for (int kind : {skClick, skPage, skAmbient, skMusic, skRandom})
        p.PlaySound(kind);
    EXPECT_FALSE(anyPlaying());
    EXPECT_EQ(p.Sounds().size(), entries);

    // A quieter ambience while it plays takes the new base at once.
    p.SetSettings({});
    timer.Fire();
    const auto amb = EntriesOf(p, "ambient3");
    ASSERT_EQ(amb.size(), 1u);
    EXPECT_TRUE(amb[0]->Buffer->IsPlaying());
    EXPECT_EQ(amb[0]->Volume, 0);
    EXPECT_EQ(amb[0]->Buffer->Attenuation(), -4600);
    SoundSettings quieter;
    quieter.AmbientVolume = -600;
    p.SetSettings(quieter);
    // Base -1600 at 0 %: -1600 + trunc(100 x 0.4 x 0.01 x -8400).
    EXPECT_EQ(amb[0]->Buffer->Attenuation(), -1600 - 3360);
}

TEST_F(Player, BaseVolumesShiftTheWholeRange) {
    Install();
    SoundSettings s;
    s.SoundVolume = -500;
    s.AmbientVolume = 200;
    SoundPlayer p(timer, s, Silent());
    p.PlaySound(skClick);
    EXPECT_EQ(EntriesOf(p, "click")[0]->Buffer->Attenuation(), -500);
    p.PlaySound(skAmbient);
    // Base 200 - 1000 = -800 at full; at 0 %: -800 + trunc(100 x 0.4 x 0.01 x -9200).
    const SoundEntry& amb = *p.Sounds().back();
    EXPECT_EQ(amb.Buffer->Attenuation(), -800 - 3680);
}

TEST_F(Player, MusicComesFromTheMusicFolderWhenThereIsAny) {
    Install();
    SoundPlayer p(timer, {}, Silent());
    p.PlaySound(skMusic); // no folder
    fs::create_directories(dir.Sub("Music"));
    p.PlaySound(skMusic); // an empty folder: no draw by zero
    EXPECT_EQ(p.Sounds().size(), 1u);
    fs::copy_file(dir.Sub("Sounds/click.ogg"), dir.Sub("Music/tune.ogg"));
    dir.WriteFile("Music/notes.txt", "not music");
    p.PlaySound(skMusic);
    ASSERT_EQ(p.Sounds().size(), 2u);
    EXPECT_EQ(p.Sounds()[1]->Path, dir.Sub("Music/tune.ogg"));
    EXPECT_TRUE(p.Sounds()[1]->Looping);
    SoundSettings s;
    s.MuteMusic = true;
    p.SetSettings(s);
    p.Sounds()[1]->Buffer->Stop();
    p.PlaySound(skMusic);
    EXPECT_FALSE(p.Sounds()[1]->Buffer->IsPlaying());
}

TEST_F(Player, SlowTimerStillFades) {
    Install();
    ScriptedRandom rnd;
    timer.timer.SetInterval(1500); // fewer than one tick a second
    SoundPlayer p(timer, {}, Silent());
    timer.Fire(2);
    ASSERT_EQ(p.Sounds().size(), 2u);
    EXPECT_EQ(p.Sounds()[1]->Volume, 10);
}

} // namespace
