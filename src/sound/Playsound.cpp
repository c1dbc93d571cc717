#include "sound/Playsound.h"

#include "model/ProgramFolder.h"
#include "persist/DebugLog.h"
#include "sim/Random.h"

#include <dlfcn.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

static_assert(std::endian::native == std::endian::little,
              "the decoder's wave format header is copied as it is");

namespace {

const char* const kLibraryName = "liboggwrap.so";

// Clears the busy flag on every way out of PlaySound.
struct BusyScope {
    bool& Flag;
    explicit BusyScope(bool& flag) : Flag(flag) { Flag = true; }
    ~BusyScope() { Flag = false; }
};

std::string SoundsFile(const char* name) {
    return ProgramFolder() + "Sounds/" + name + ".ogg";
}

// The music folder's *.ogg files in the order the file system gives them.
std::vector<std::string> MusicFiles() {
    std::vector<std::string> names;
    std::error_code ec;
    const std::string folder = ProgramFolder() + "Music/";
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string name = it->path().filename().string();
        if (name.size() > 4 && name[0] != '.' && name.ends_with(".ogg")) names.push_back(name);
    }
    return names;
}

} // namespace

uint8_t SoundKindByName(const std::string& name) {
    if (name == "page") return skPage;
    if (name == "click") return skClick;
    if (name == "click2") return skClick2;
    if (name == "bookopen") return skBookOpen;
    return 0;
}

SoundPlayer::SoundPlayer(Timer& timer, const SoundSettings& settings, DeviceOpener open)
    : mTimer(timer), mSettings(settings) {
    AudioOpenResult why = AudioOpenResult::Failed;
    std::unique_ptr<AudioDevice> device = open ? open(&why) : AudioDevice::Create(&why);
    if (!device) {
        if (why == AudioOpenResult::Busy)
            ReportError("Another application is using DirectSound device. The sound will be "
                        "turned off.");
        else
            ReportError("Cannot initialize DirectSound interface. The sound will be turned off.");
        return;
    }
    if (!device->SetCooperativeLevel()) {
        ReportError("Cannot set cooperative level for the DirectSound interface. The sound will "
                    "be turned off.");
        return;
    }
    mDevice = std::move(device);
    LoadDecoder();
    // The silent loop keeps the output running.
    PlaySound(skSilence);
    mTimer.OnTimer = [this] { Tick(); };
    mTimer.SetEnabled(true);
}

SoundPlayer::~SoundPlayer() {
    mTimer.SetEnabled(false);
    mTimer.OnTimer = nullptr;
    if (mLibrary) dlclose(mLibrary);
    for (auto& e : mSounds)
        e->Buffer->Stop();
    mSounds.clear();
    mDevice.reset();
}

void SoundPlayer::LoadDecoder() {
    // Beside the executable first, then wherever the system looks.
    const std::string local = ProgramFolder() + kLibraryName;
    mLibrary = dlopen(local.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!mLibrary) mLibrary = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!mLibrary) {
        ReportError(std::string("Cannot find the following library file: ") + kLibraryName);
        return;
    }
    void* entry = dlsym(mLibrary, "OggLoadFile");
    if (!entry) {
        dlclose(mLibrary);
        mLibrary = nullptr;
        ReportError(std::string("The ") + kLibraryName + " library is invalid.");
        return;
    }
    mOggLoadFile = reinterpret_cast<OggLoadFileFunc>(entry);
}

bool SoundPlayer::IsMuted(int kind) const {
    switch (kind) {
    case skAmbient:
        return mSettings.MuteAmbient;
    case skMusic:
        return mSettings.MuteMusic;
    case skSilence:
    case skRandom:
    case skPage:
    case skClick:
    case skClick2:
    case skBookOpen:
        return mSettings.MuteSound;
    default:
        return false;
    }
}

int32_t SoundPlayer::BaseVolume(uint8_t kind) const {
    if (kind == skMusic) return mSettings.MusicVolume;
    if (kind == skAmbient) return mSettings.AmbientVolume - 1000;
    return mSettings.SoundVolume;
}

std::string SoundPlayer::SoundPath(int kind) const {
    switch (kind) {
    case skSilence:
        return SoundsFile("silence");
    case skAmbient:
        return ProgramFolder() + "Sounds/" +
               PresentationPhrase({"ambient1", "ambient2", "ambient3", "ambient4"}) + ".ogg";
    case skRandom:
        return ProgramFolder() + "Sounds/" + PresentationPhrase({"random1", "random2"}) + ".ogg";
    case skMusic: {
        const std::vector<std::string> files = MusicFiles();
        if (files.empty()) return {}; // no music, and no draw by zero
        return ProgramFolder() + "Music/" + files[size_t(PresentationRandomInt()) % files.size()];
    }
    case skPage:
        return SoundsFile("page");
    case skClick:
        return SoundsFile("click");
    case skClick2:
        return SoundsFile("click2");
    case skBookOpen:
        return SoundsFile("bookopen");
    default:
        return {};
    }
}

SoundEntry* SoundPlayer::LoadEntry(int kind, const std::string& path) {
    if (!mOggLoadFile) return nullptr;
    int32_t size = 0;
    WaveFormat format;
    void* data = nullptr;
    const bool decoded = mOggLoadFile(path.c_str(), &size, &format, &data) != 0;
    std::unique_ptr<AudioBuffer> buffer;
    if (decoded && data && size > 0) {
        buffer = mDevice->CreateBuffer(format, uint32_t(size));
        if (buffer && !buffer->Write(0, data, uint32_t(size))) buffer.reset();
    }
    // The block is the decoder's only when it said it set it.
    if (decoded && data) std::free(data);
    if (!buffer) return nullptr;
    auto entry = std::make_unique<SoundEntry>();
    entry->Buffer = std::move(buffer);
    entry->Kind = uint8_t(kind);
    entry->Path = path;
    mSounds.push_back(std::move(entry));
    return mSounds.back().get();
}

void SoundPlayer::PlaySound(int kind) {
    if (!mDevice || IsMuted(kind)) return;
    BusyScope busy(mBusy);
    const std::string path = SoundPath(kind);
    if (path.empty()) return;
    const bool looping = kind == skSilence || kind == skAmbient || kind == skMusic;

    SoundEntry* entry = nullptr;
    for (auto& e : mSounds) {
        if (e->Path == path && !e->Buffer->IsPlaying()) {
            entry = e.get();
            entry->Looping = entry->FadingIn = entry->FadingOut = false;
            break;
        }
    }
    if (!entry) entry = LoadEntry(kind, path);
    if (!entry) return;

    if (!entry->Buffer->SetPosition(0)) return;
    entry->Looping = looping;
    if (kind == skAmbient) {
        entry->FadingIn = true;
        SetVolume(*entry, 0);
    } else {
        SetVolume(*entry, 100);
    }
    entry->Buffer->Play(looping);
}

void SoundPlayer::SetSettings(const SoundSettings& settings) {
    mSettings = settings;
    for (auto& e : mSounds) {
        if (!e->Buffer->IsPlaying()) continue;
        if (IsMuted(e->Kind)) {
            e->Buffer->Stop();
            e->FadingIn = e->FadingOut = false;
        } else {
            SetVolume(*e, e->Volume);
        }
    }
}

void SoundPlayer::SetVolume(SoundEntry& entry, int32_t percent) {
    entry.Volume = std::clamp(percent, 0, 100);
    const int32_t base = BaseVolume(entry.Kind);
    int32_t d = base + int32_t((100 - entry.Volume) * 0.4 * 0.01 * (-base - 10000));
    if (d < kAttenuationSilent) d = kAttenuationSilent;
    entry.Buffer->SetAttenuation(std::min(base, d));
}

void SoundPlayer::Tick() {
    if (mBusy) return;
    // Ticks per second and the fade step per tick: 3 and 3 at 300 ms. A timer
    // slower than a second still counts one tick, and a fast one still fades.
    const int interval = std::max(1, mTimer.Interval());
    const int n = std::max(1, 1000 / interval);
    const int step = std::max(1, (100 / n) / 10);

    bool ambientPlaying = false;
    for (auto& up : mSounds) {
        SoundEntry& e = *up;
        int32_t a = e.Volume;
        if (e.FadingIn) {
            a += step;
            if (a >= 100) e.FadingIn = false;
        }
        if (e.Kind == skAmbient && !e.FadingIn && e.Buffer->IsPlaying() &&
            PresentationChance(0.02 / n))
            e.FadingOut = true;
        if (e.FadingOut) {
            a -= step;
            if (a <= 0) e.FadingOut = false;
        }
        SetVolume(e, a);
        if (a <= 0) e.Buffer->Stop();
        if (e.Kind == skAmbient && !e.FadingOut && e.Buffer->IsPlaying()) ambientPlaying = true;
    }
    if (!ambientPlaying) PlaySound(skAmbient);
    if (PresentationChance(0.01 / n)) PlaySound(skRandom);
}
