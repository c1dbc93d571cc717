// liboggwrap.so as the sound player calls it: path in; size, 20-byte wave
// format and a malloc'ed PCM block out; nothing touched when the file is bad.
#include "platform/AudioDevice.h"
#include "sound/Playsound.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string BuildDir() {
    const char* b = std::getenv("QLB_BUILD_DIR");
    return std::string(b ? b : ".") + "/";
}

class OggWrap : public ::testing::Test {
protected:
    void SetUp() override {
        mLib = dlopen((BuildDir() + "liboggwrap.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_TRUE(mLib) << dlerror();
        mLoad = reinterpret_cast<OggLoadFileFunc>(dlsym(mLib, "OggLoadFile"));
        ASSERT_TRUE(mLoad);
    }
    void TearDown() override {
        if (mLib) dlclose(mLib);
    }
    void* mLib = nullptr;
    OggLoadFileFunc mLoad = nullptr;
};

TEST_F(OggWrap, DecodesToSixteenBitPcmWithItsWaveFormat) {
    struct Case {
        const char* file;
        uint16_t channels;
    } cases[] = {{"Sounds/click.ogg", 1}, {"Sounds/random1.ogg", 2}};
    for (const Case& c : cases) {
        int32_t size = -1;
        uint8_t format[20];
        std::memset(format, 0xee, sizeof format);
        void* data = nullptr;
        ASSERT_NE(mLoad((BuildDir() + c.file).c_str(), &size, format, &data), 0) << c.file;
        ASSERT_TRUE(data);
        WaveFormat f;
        std::memcpy(&f, format, 20);
        EXPECT_EQ(f.FormatTag, 1);
        EXPECT_EQ(f.Channels, c.channels);
        EXPECT_EQ(f.SamplesPerSec, 44100u);
        EXPECT_EQ(f.BitsPerSample, 16);
        EXPECT_EQ(f.BlockAlign, 2 * c.channels);
        EXPECT_EQ(f.AvgBytesPerSec, 44100u * f.BlockAlign);
        EXPECT_EQ(f.ExtraSize, 0);
        EXPECT_EQ(format[18], 0);
        EXPECT_EQ(format[19], 0);
        EXPECT_GT(size, 0);
        EXPECT_EQ(size % f.BlockAlign, 0);
        // Something is heard.
        const auto* s = static_cast<const int16_t*>(data);
        int peak = 0;
        for (int32_t i = 0; i < size / 2; ++i)
            peak = std::max(peak, std::abs(int(s[i])));
        EXPECT_GT(peak, 1000) << c.file;
        std::free(data);
    }
}

TEST_F(OggWrap, BrokenFileReturnsZeroAndSetsNothing) {
    TempProgramFolder dir;
    const std::string good = ReadWholeFile(BuildDir() + "Sounds/click.ogg");
    ASSERT_GT(good.size(), 200u);
    std::string flipped = good;
    for (size_t i = 60; i < flipped.size(); ++i)
        flipped[i] = char(flipped[i] ^ 0x5a);
    const std::pair<const char*, std::string> files[] = {
        {"empty.ogg", ""},
        {"text.ogg", "this is not a sound at all\n"},
        {"capture.ogg", "OggS" + std::string(100, '\0')},
        {"headers-only.ogg", good.substr(0, 58)},
        {"scrambled.ogg", flipped},
    };
    for (const auto& [name, bytes] : files)
        dir.WriteFile(name, bytes);
    std::vector<std::string> paths = {dir.Sub("missing.ogg"), dir.Path()};
    for (const auto& f : files)
        paths.push_back(dir.Sub(f.first));

    for (const std::string& path : paths) {
        int32_t size = 12345;
        uint8_t format[20];
        std::memset(format, 0xee, sizeof format);
        void* data = &size;
        EXPECT_EQ(mLoad(path.c_str(), &size, format, &data), 0) << path;
        EXPECT_EQ(size, 12345) << path;
        EXPECT_EQ(data, &size) << path;
        for (uint8_t b : format)
            EXPECT_EQ(b, 0xee) << path;
    }
    int32_t size = 0;
    uint8_t format[20];
    void* data = nullptr;
    const std::string click = BuildDir() + "Sounds/click.ogg";
    EXPECT_EQ(mLoad(nullptr, &size, format, &data), 0);
    EXPECT_EQ(mLoad(click.c_str(), nullptr, format, &data), 0);
    EXPECT_EQ(mLoad(click.c_str(), &size, nullptr, &data), 0);
    EXPECT_EQ(mLoad(click.c_str(), &size, format, nullptr), 0);
}

} // namespace
