// The mixer behind the sound player: buffers of any PCM layout mixed into
// 44.1 kHz stereo at their attenuation, played once or looping.
#include "platform/AudioDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

namespace {

WaveFormat Pcm(uint16_t channels, uint16_t bits, uint32_t rate = 44100) {
    WaveFormat f;
    f.FormatTag = kWaveFormatPcm;
    f.Channels = channels;
    f.SamplesPerSec = rate;
    f.BitsPerSample = bits;
    f.BlockAlign = uint16_t(channels * bits / 8);
    f.AvgBytesPerSec = rate * f.BlockAlign;
    return f;
}

// A 16-bit buffer holding the given samples (interleaved when stereo).
std::unique_ptr<AudioBuffer> Buffer16(AudioDevice& dev, uint16_t channels,
                                      const std::vector<int16_t>& samples, uint32_t rate = 44100) {
    auto b = dev.CreateBuffer(Pcm(channels, 16, rate), uint32_t(samples.size() * 2));
    EXPECT_TRUE(b);
    if (b) {
        EXPECT_TRUE(b->Write(0, samples.data(), uint32_t(samples.size() * 2)));
    }
    return b;
}

std::vector<int16_t> Mix(AudioDevice& dev, int frames) {
    std::vector<int16_t> out(size_t(frames) * 2, int16_t(0x5555));
    dev.Mix(out.data(), frames);
    return out;
}

TEST(AudioDevice, AttenuationIsTenToTheHundredthsOfDecibelsOver2000) {
    struct Case {
        int32_t att;
        double gain;
    } cases[] = {{0, 1.0},      {-2000, 0.1},  {-4000, 0.01}, {-600, std::pow(10.0, -0.3)},
                 {-10000, 0.0}, {-20000, 0.0}, {500, 1.0}};
    for (const Case& c : cases)
        EXPECT_NEAR(AttenuationGain(c.att), c.gain, 1e-12) << c.att;

    auto dev = AudioDevice::CreateSilent();
    auto b = Buffer16(*dev, 1, {10000, 10000});
    b->SetAttenuation(-20000);
    EXPECT_EQ(b->Attenuation(), -10000);
    b->SetAttenuation(300);
    EXPECT_EQ(b->Attenuation(), 0);

    b->SetAttenuation(-2000);
    ASSERT_TRUE(b->Play(false));
    auto out = Mix(*dev, 2);
    EXPECT_EQ(out, (std::vector<int16_t>{1000, 1000, 1000, 1000}));
}

TEST(AudioDevice, ConvertsEveryPcmLayoutToStereo16) {
    auto dev = AudioDevice::CreateSilent();
    // Stereo 16 bits passes through unchanged.
    auto stereo = Buffer16(*dev, 2, {100, -200, 300, -400});
    stereo->Play(false);
    EXPECT_EQ(Mix(*dev, 2), (std::vector<int16_t>{100, -200, 300, -400}));
    stereo->Stop();

    // Mono feeds both sides.
    auto mono = Buffer16(*dev, 1, {1234, -32768});
    mono->Play(false);
    EXPECT_EQ(Mix(*dev, 2), (std::vector<int16_t>{1234, 1234, -32768, -32768}));
    mono->Stop();

    // 8 bits are unsigned around 128.
    const uint8_t bytes[] = {128, 255, 0, 129};
    auto eight = dev->CreateBuffer(Pcm(2, 8), 4);
    ASSERT_TRUE(eight);
    ASSERT_TRUE(eight->Write(0, bytes, 4));
    eight->Play(false);
    EXPECT_EQ(Mix(*dev, 2), (std::vector<int16_t>{0, 127 * 256, -128 * 256, 256}));
    eight->Stop();

    // Half the rate: every source frame lasts two output frames, the second
    // halfway to the next.
    auto half = Buffer16(*dev, 1, {0, 1000, 2000}, 22050);
    half->Play(false);
    auto out = Mix(*dev, 6);
    EXPECT_EQ(out, (std::vector<int16_t>{0, 0, 500, 500, 1000, 1000, 1500, 1500, 2000, 2000, 2000,
                                         2000}));
}

TEST(AudioDevice, OnceStopsAtTheEndAndLoopingWrapsAround) {
    auto dev = AudioDevice::CreateSilent();
    auto b = Buffer16(*dev, 1, {1, 2, 3});
    b->Play(false);
    auto out = Mix(*dev, 5);
    EXPECT_EQ(out, (std::vector<int16_t>{1, 1, 2, 2, 3, 3, 0, 0, 0, 0}));
    EXPECT_FALSE(b->IsPlaying());
    EXPECT_EQ(b->Position(), 6u);

    ASSERT_TRUE(b->SetPosition(2)); // the second frame
    EXPECT_EQ(b->Position(), 2u);
    b->Play(true);
    out = Mix(*dev, 5);
    EXPECT_EQ(out, (std::vector<int16_t>{2, 2, 3, 3, 1, 1, 2, 2, 3, 3}));
    EXPECT_TRUE(b->IsPlaying());
    b->Stop();
    EXPECT_FALSE(b->IsPlaying());
    EXPECT_EQ(Mix(*dev, 1), (std::vector<int16_t>{0, 0}));

    EXPECT_FALSE(b->SetPosition(7)); // past the end
}

TEST(AudioDevice, BuffersAddUpAndClipAtFullScale) {
    auto dev = AudioDevice::CreateSilent();
    auto a = Buffer16(*dev, 1, {30000, -30000, 100});
    auto b = Buffer16(*dev, 1, {30000, -30000, 200});
    a->Play(false);
    b->Play(false);
    EXPECT_EQ(Mix(*dev, 3), (std::vector<int16_t>{32767, 32767, -32768, -32768, 300, 300}));
}

TEST(AudioDevice, LockedBufferIsLeftAloneUntilUnlocked) {
    auto dev = AudioDevice::CreateSilent();
    auto b = dev->CreateBuffer(Pcm(1, 16), 8);
    ASSERT_TRUE(b);
    void* p = nullptr;
    EXPECT_FALSE(b->Lock(4, 6, &p)); // past the end
    ASSERT_TRUE(b->Lock(0, 8, &p));
    EXPECT_FALSE(b->Lock(0, 2, &p)) << "locked twice";
    const int16_t data[] = {7, 8, 9, 10};
    std::memcpy(p, data, 8);
    b->Play(false);
    EXPECT_EQ(Mix(*dev, 1), (std::vector<int16_t>{0, 0}));
    EXPECT_EQ(b->Position(), 0u);
    b->Unlock();
    EXPECT_EQ(Mix(*dev, 2), (std::vector<int16_t>{7, 7, 8, 8}));
}

TEST(AudioDevice, RefusesFormatsItCannotPlay) {
    auto dev = AudioDevice::CreateSilent();
    struct Case {
        const char* what;
        WaveFormat format;
        uint32_t size;
    };
    auto with = [](auto change) {
        WaveFormat f = Pcm(2, 16);
        change(f);
        return f;
    };
    const Case cases[] = {
        {"float samples", with([](WaveFormat& f) { f.FormatTag = 3; }), 64},
        {"no channels", with([](WaveFormat& f) { f.Channels = 0; }), 64},
        {"three channels", Pcm(3, 16), 66},
        {"24 bits", Pcm(2, 24), 60},
        {"block size off", with([](WaveFormat& f) { f.BlockAlign = 2; }), 64},
        {"no rate", with([](WaveFormat& f) { f.SamplesPerSec = 0; }), 64},
        {"empty", Pcm(2, 16), 0},
        {"less than a frame", Pcm(2, 16), 3},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(dev->CreateBuffer(c.format, c.size)) << c.what;
    EXPECT_TRUE(dev->CreateBuffer(Pcm(2, 16), 4));
}

TEST(AudioDevice, BufferMayOutliveItsDevice) {
    auto dev = AudioDevice::CreateSilent();
    auto b = Buffer16(*dev, 1, {1, 2});
    b->Play(true);
    dev.reset();
    EXPECT_TRUE(b->IsPlaying());
    b.reset(); // no use of the device that is gone
}

// With SDL's dummy driver the callback runs in real time.
TEST(AudioDevice, OpensTheOutputAndMixesInTheCallback) {
    AudioOpenResult why = AudioOpenResult::Failed;
    auto dev = AudioDevice::Create(&why);
    ASSERT_TRUE(dev) << "no audio output; SDL_AUDIODRIVER=dummy expected";
    EXPECT_EQ(why, AudioOpenResult::Ok);
    EXPECT_TRUE(dev->HasOutput());
    EXPECT_TRUE(dev->SetCooperativeLevel());
    std::vector<int16_t> second(44100, 100);
    auto b = Buffer16(*dev, 1, second);
    b->Play(false);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (b->Position() == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_GT(b->Position(), 0u);
}

} // namespace
