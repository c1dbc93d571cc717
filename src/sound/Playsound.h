// The sound player: interface clicks on demand, a looping bar ambience that
// fades from one loop to another, and now and then a random effect.
#pragma once

#include "platform/AudioDevice.h"
#include "platform/Timer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

enum SoundKind : uint8_t {
    skSilence = 1,
    skAmbient = 2,
    skRandom = 3,
    skMusic = 4,
    skPage = 5,
    skClick = 6,
    skClick2 = 7,
    skBookOpen = 8,
};

// The kind behind a sound name of the game ("page", "click", "click2",
// "bookopen"); 0 for any other name.
uint8_t SoundKindByName(const std::string& name);

// The decoder's entry point in liboggwrap.so.
using OggLoadFileFunc = int (*)(const char* path, int32_t* size, void* format20, void** data);

struct SoundEntry {
    int32_t Volume = 0; // percent of the entry's full loudness
    std::unique_ptr<AudioBuffer> Buffer;
    uint8_t Kind = 0;
    std::string Path;
    bool Looping = false;
    bool FadingIn = false;
    bool FadingOut = false;
};

// The settings the player follows; volumes in hundredths of a decibel
// (0 full, -10000 silent).
struct SoundSettings {
    int32_t SoundVolume = 0;
    int32_t MusicVolume = 0;
    int32_t AmbientVolume = 0;
    bool MuteSound = false;
    bool MuteMusic = false;
    bool MuteAmbient = false;
};

class SoundPlayer {
public:
    using DeviceOpener = std::function<std::unique_ptr<AudioDevice>(AudioOpenResult*)>;

    // Opens the output (through open, or the real device when empty) and the
    // decoder, starts the silent loop and takes over the timer (its handler
    // and enabled flag; the interval stays the window's). Start-up problems are
    // reported once each and leave the player silent.
    explicit SoundPlayer(Timer& timer, const SoundSettings& settings = {}, DeviceOpener open = {});
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts a sound of that kind; silently nothing when it cannot be heard.
    void PlaySound(int kind);

    // The base volumes and mute flags, as the main window holds them. Sounds
    // already playing follow at once: a muted kind stops, the others take the
    // new volume, and the ambience comes back with the next tick once unmuted.
    void SetSettings(const SoundSettings& settings);
    const SoundSettings& Settings() const { return mSettings; }

    const std::vector<std::unique_ptr<SoundEntry>>& Sounds() const { return mSounds; }
    bool HasDevice() const { return mDevice != nullptr; }
    bool HasDecoder() const { return mOggLoadFile != nullptr; }
    AudioDevice* Device() const { return mDevice.get(); }

private:
    void Tick();
    void SetVolume(SoundEntry& entry, int32_t percent);
    int32_t BaseVolume(uint8_t kind) const;
    bool IsMuted(int kind) const;
    std::string SoundPath(int kind) const;
    SoundEntry* LoadEntry(int kind, const std::string& path);
    void LoadDecoder();

    std::vector<std::unique_ptr<SoundEntry>> mSounds;
    Timer& mTimer; // the main window's, not ours
    SoundSettings mSettings;
    bool mBusy = false;
    std::unique_ptr<AudioDevice> mDevice;
    void* mLibrary = nullptr;
    OggLoadFileFunc mOggLoadFile = nullptr;
};
