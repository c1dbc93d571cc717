// The audio output: sound buffers mixed into one stereo stream.
// Buffers work like the secondary buffers the game was designed on: a block of
// PCM data with a play position, played once or looping, at an attenuation in
// hundredths of a decibel. The mixer runs in SDL's audio callback.
#pragma once

#include <cstdint>
#include <memory>

// The 20-byte wave format header: the 18 bytes of the classic header and two
// bytes of padding. Little-endian on disk and in memory.
struct WaveFormat {
    uint16_t FormatTag = 0; // 1: integer PCM
    uint16_t Channels = 0;
    uint32_t SamplesPerSec = 0;
    uint32_t AvgBytesPerSec = 0;
    uint16_t BlockAlign = 0;
    uint16_t BitsPerSample = 0;
    uint16_t ExtraSize = 0;
    uint16_t Padding = 0;
};
static_assert(sizeof(WaveFormat) == 20, "the wave format header is 20 bytes");

constexpr uint16_t kWaveFormatPcm = 1;
// The output stream.
constexpr int kMixRate = 44100;
constexpr int kMixChannels = 2;
// Attenuations in hundredths of a decibel.
constexpr int32_t kAttenuationSilent = -10000;
constexpr int32_t kAttenuationFull = 0;

// Gain of an attenuation: 10^(att/2000); -10000 and below is exact silence.
double AttenuationGain(int32_t attenuation);

// Why opening the output failed.
enum class AudioOpenResult { Ok, Busy, Failed };

struct MixerState;

class AudioBuffer {
public:
    ~AudioBuffer();
    AudioBuffer(const AudioBuffer&) = delete;
    AudioBuffer& operator=(const AudioBuffer&) = delete;

    uint32_t Size() const { return mSize; }
    const WaveFormat& Format() const { return mFormat; }

    // Hands out bytes [offset, offset + bytes) for writing; the mixer leaves
    // the buffer alone until Unlock. False when the range is outside the buffer
    // or the buffer is locked already.
    bool Lock(uint32_t offset, uint32_t bytes, void** data);
    void Unlock();
    // Lock, copy, unlock.
    bool Write(uint32_t offset, const void* data, uint32_t bytes);

    bool Play(bool looping);
    void Stop();
    bool IsPlaying() const;
    // Play position in bytes, a multiple of the block size.
    bool SetPosition(uint32_t bytes);
    uint32_t Position() const;
    // Held within -10000 .. 0.
    void SetAttenuation(int32_t attenuation);
    int32_t Attenuation() const;

private:
    friend class AudioDevice;
    friend struct MixerState;
    AudioBuffer(std::shared_ptr<MixerState> mixer, const WaveFormat& format, uint32_t size);

    std::shared_ptr<MixerState> mMixer;
    WaveFormat mFormat;
    uint32_t mSize;
    uint32_t mFrames;
    std::unique_ptr<uint8_t[]> mData;
    // The fields below belong to the mixer's mutex.
    uint64_t mPos = 0;  // in frames, 32.32 fixed point
    uint64_t mStep = 0; // source frames per output frame, 32.32
    bool mPlaying = false;
    bool mLooping = false;
    bool mLocked = false;
    int32_t mAttenuation = kAttenuationFull;
    float mGain = 1.0f;
};

class AudioDevice {
public:
    // Opens the default output at 44.1 kHz, stereo, 16 bits, 512-sample
    // blocks. On failure gives nothing and says why: Busy when the system
    // says another program holds the device.
    static std::unique_ptr<AudioDevice> Create(AudioOpenResult* result);
    // A device without output, mixed only through Mix: the silent stand-in for
    // tests and headless runs.
    static std::unique_ptr<AudioDevice> CreateSilent();
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Nothing to negotiate with SDL: always succeeds.
    bool SetCooperativeLevel() { return true; }
    // A buffer for integer PCM of 8 or 16 bits, one or two channels, any rate;
    // nothing for another format or an empty size.
    std::unique_ptr<AudioBuffer> CreateBuffer(const WaveFormat& format, uint32_t size);

    // Mixes frames of interleaved stereo into out and moves the playing buffers
    // on. The audio callback calls this; tests call it on a silent device.
    void Mix(int16_t* out, int frames);
    bool HasOutput() const { return mDeviceId != 0; }

private:
    AudioDevice();
    static void Callback(void* self, uint8_t* stream, int len);

    std::shared_ptr<MixerState> mMixer;
    uint32_t mDeviceId = 0;
};
