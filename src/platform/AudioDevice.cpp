#include "platform/AudioDevice.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <mutex>
#include <new>
#include <string>
#include <vector>

// Shared by the device and its buffers, so a buffer may outlive the device.
struct MixerState {
    std::mutex Mutex;
    std::vector<AudioBuffer*> Buffers;
    std::vector<int32_t> Accum;

    void MixOne(AudioBuffer& b, int32_t* acc, int frames);
};

namespace {

int32_t SampleAt(const AudioBuffer& b, const uint8_t* data, uint32_t frame, int channel) {
    const WaveFormat& f = b.Format();
    const int c = f.Channels == 1 ? 0 : channel;
    const uint8_t* p = data + size_t(frame) * f.BlockAlign;
    if (f.BitsPerSample == 8) return (int32_t(p[c]) - 128) * 256;
    int16_t v;
    std::memcpy(&v, p + 2 * c, 2);
    return v;
}

} // namespace

double AttenuationGain(int32_t attenuation) {
    if (attenuation <= kAttenuationSilent) return 0.0;
    if (attenuation >= kAttenuationFull) return 1.0;
    return std::pow(10.0, attenuation / 2000.0);
}

void MixerState::MixOne(AudioBuffer& b, int32_t* acc, int frames) {
    const uint8_t* data = b.mData.get();
    const uint32_t count = b.mFrames;
    for (int i = 0; i < frames; ++i) {
        uint64_t idx = b.mPos >> 32;
        if (idx >= count) {
            if (!b.mLooping) {
                b.mPlaying = false;
                b.mPos = uint64_t(count) << 32;
                return;
            }
            b.mPos %= uint64_t(count) << 32;
            idx = b.mPos >> 32;
        }
        const uint32_t frac = uint32_t(b.mPos & 0xffffffffu);
        for (int c = 0; c < kMixChannels; ++c) {
            int32_t s = SampleAt(b, data, uint32_t(idx), c);
            if (frac != 0) {
                // Linear interpolation towards the next frame, across the seam when looping.
                uint32_t next = uint32_t(idx) + 1;
                if (next >= count) next = b.mLooping ? 0 : uint32_t(idx);
                const int32_t t = SampleAt(b, data, next, c);
                s += int32_t((int64_t(t - s) * frac) >> 32);
            }
            acc[2 * i + c] += int32_t(std::lround(s * b.mGain));
        }
        b.mPos += b.mStep;
    }
}

AudioBuffer::AudioBuffer(std::shared_ptr<MixerState> mixer, const WaveFormat& format, uint32_t size)
    : mMixer(std::move(mixer)), mFormat(format), mSize(size), mFrames(size / format.BlockAlign),
      mData(new (std::nothrow) uint8_t[size]()) {
    mStep = (uint64_t(format.SamplesPerSec) << 32) / kMixRate;
}

AudioBuffer::~AudioBuffer() {
    std::lock_guard<std::mutex> lock(mMixer->Mutex);
    auto& v = mMixer->Buffers;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
}

bool AudioBuffer::Lock(uint32_t offset, uint32_t bytes, void** data) {
    std::lock_guard<std::mutex> lock(mMixer->Mutex);
    if (mLocked || offset > mSize || bytes > mSize - offset) return false;
    mLocked = true;
    *data = mData.get() + offset;
    return true;
}

void AudioBuffer::Unlock() {
    std::lock_guard<std::mutex> lock(mMixer->Mutex);
    mLocked = false;
}

bool AudioBuffer::Write(uint32_t offset, const void* data, uint32_t bytes) {
    void* dst = nullptr;
    if (!Lock(offset, bytes, &dst)) return false;
    if (bytes) std::memcpy(dst, data, bytes);
    Unlock();
    return true;
}

bool AudioBuffer::Play(bool looping) {
    std::lock_guard<std::mutex> lock(mMixer->Mutex);
    mPlaying = true;
    mLooping = looping;
    return true;
}

void AudioBuffer::Stop() {
    std::lock_guard<std::mutex> lock(mMixer->Mutex);
    mPlaying = false;
}

bool AudioBuffer::IsPlaying() const {
    std::lock_guard<std::mutex> lock(mMixer->Mutex);
    return mPlaying;
}

bool AudioBuffer::SetPosition(uint32_t bytes) {
    std::lock_guard<std::mutex> lock(mMixer->Mutex);
    if (bytes > mSize) return false;
    mPos = uint64_t(bytes / mFormat.BlockAlign) << 32;
    return true;
}

uint32_t AudioBuffer::Position() const {
    std::lock_guard<std::mutex> lock(mMixer->Mutex);
    return uint32_t(std::min<uint64_t>(mPos >> 32, mFrames)) * mFormat.BlockAlign;
}

void AudioBuffer::SetAttenuation(int32_t attenuation) {
    attenuation = std::clamp(attenuation, kAttenuationSilent, kAttenuationFull);
    const float gain = float(AttenuationGain(attenuation));
    std::lock_guard<std::mutex> lock(mMixer->Mutex);
    mAttenuation = attenuation;
    mGain = gain;
}

int32_t AudioBuffer::Attenuation() const {
    std::lock_guard<std::mutex> lock(mMixer->Mutex);
    return mAttenuation;
}

AudioDevice::AudioDevice() : mMixer(std::make_shared<MixerState>()) {}

AudioDevice::~AudioDevice() {
    if (mDeviceId) {
        SDL_CloseAudioDevice(mDeviceId); // waits for a running callback
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

std::unique_ptr<AudioDevice> AudioDevice::CreateSilent() {
    return std::unique_ptr<AudioDevice>(new AudioDevice());
}

std::unique_ptr<AudioDevice> AudioDevice::Create(AudioOpenResult* result) {
    auto failed = [result]() -> std::unique_ptr<AudioDevice> {
        std::string error = SDL_GetError();
        std::transform(error.begin(), error.end(), error.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        if (result)
            *result = error.find("busy") != std::string::npos ? AudioOpenResult::Busy
                                                              : AudioOpenResult::Failed;
        return nullptr;
    };
    SDL_ClearError();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return failed();

    std::unique_ptr<AudioDevice> dev(new AudioDevice());
    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_S16SYS;
    want.channels = kMixChannels;
    want.samples = 512;
    want.callback = &AudioDevice::Callback;
    want.userdata = dev.get();
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts our stream to whatever the hardware takes.
    dev->mDeviceId = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (dev->mDeviceId == 0) {
        auto none = failed();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return none;
    }
    SDL_PauseAudioDevice(dev->mDeviceId, 0);
    if (result) *result = AudioOpenResult::Ok;
    return dev;
}

void AudioDevice::Callback(void* self, uint8_t* stream, int len) {
    static_cast<AudioDevice*>(self)->Mix(reinterpret_cast<int16_t*>(stream),
                                         len / int(kMixChannels * sizeof(int16_t)));
}

std::unique_ptr<AudioBuffer> AudioDevice::CreateBuffer(const WaveFormat& format, uint32_t size) {
    const bool pcm = format.FormatTag == kWaveFormatPcm &&
                     (format.Channels == 1 || format.Channels == 2) &&
                     (format.BitsPerSample == 8 || format.BitsPerSample == 16) &&
                     format.SamplesPerSec >= 1000 && format.SamplesPerSec <= 384000 &&
                     format.BlockAlign == format.Channels * format.BitsPerSample / 8;
    if (!pcm || size < format.BlockAlign) return nullptr;
    std::unique_ptr<AudioBuffer> b(new AudioBuffer(mMixer, format, size));
    if (!b->mData) return nullptr;
    std::lock_guard<std::mutex> lock(mMixer->Mutex);
    mMixer->Buffers.push_back(b.get());
    return b;
}

void AudioDevice::Mix(int16_t* out, int frames) {
    if (frames <= 0) return;
    std::lock_guard<std::mutex> lock(mMixer->Mutex);
    auto& acc = mMixer->Accum;
    acc.assign(size_t(frames) * kMixChannels, 0);
    for (AudioBuffer* b : mMixer->Buffers)
        if (b->mPlaying && !b->mLocked) mMixer->MixOne(*b, acc.data(), frames);
    for (size_t i = 0; i < acc.size(); ++i)
        out[i] = int16_t(std::clamp<int32_t>(acc[i], INT16_MIN, INT16_MAX));
}
