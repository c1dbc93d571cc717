// The generated sounds, checked without listening: each decodes through the
// game's own decoder, lasts as long as intended, is neither silent nor clipped
// (silence aside), the ambience loops join at their seam, and the generator
// makes the same bytes every time.
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string BuildDir() {
    const char* b = std::getenv("QLB_BUILD_DIR");
    return std::string(b ? b : ".") + "/";
}

using LoadFunc = int (*)(const char*, int32_t*, void*, void**);

struct Pcm {
    int Channels = 0;
    uint32_t Rate = 0;
    std::vector<int16_t> Samples; // interleaved
    size_t Frames() const { return Channels ? Samples.size() / size_t(Channels) : 0; }
    int16_t At(size_t frame, int ch) const {
        return Samples[frame * size_t(Channels) + size_t(ch)];
    }
};

class Sounds : public ::testing::Test {
protected:
    void SetUp() override {
        mLib = dlopen((BuildDir() + "liboggwrap.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_TRUE(mLib) << dlerror();
        mLoad = reinterpret_cast<LoadFunc>(dlsym(mLib, "OggLoadFile"));
        ASSERT_TRUE(mLoad);
    }
    void TearDown() override {
        if (mLib) dlclose(mLib);
    }
    bool Decode(const std::string& path, Pcm& out) {
        int32_t size = 0;
        uint8_t format[20] = {};
        void* data = nullptr;
        if (!mLoad(path.c_str(), &size, format, &data)) return false;
        out.Channels = format[2] | format[3] << 8;
        std::memcpy(&out.Rate, format + 4, 4);
        out.Samples.resize(size_t(size) / 2);
        std::memcpy(out.Samples.data(), data, out.Samples.size() * 2);
        std::free(data);
        return true;
    }
    void* mLib = nullptr;
    LoadFunc mLoad = nullptr;
};

struct Expected {
    const char* Name;
    int Channels;
    double Seconds;
};
const Expected kSounds[] = {
    {"silence", 1, 1.0},   {"click", 1, 0.06},    {"click2", 1, 0.11},   {"page", 1, 0.5},
    {"bookopen", 1, 0.9},  {"random1", 2, 3.2},   {"random2", 2, 2.4},   {"ambient1", 2, 30.0},
    {"ambient2", 2, 32.0}, {"ambient3", 2, 24.0}, {"ambient4", 2, 32.0},
};

TEST_F(Sounds, EachDecodesWithItsLengthAndALevelThatIsHeard) {
    for (const Expected& e : kSounds) {
        SCOPED_TRACE(e.Name);
        Pcm pcm;
        ASSERT_TRUE(Decode(BuildDir() + "Sounds/" + e.Name + ".ogg", pcm));
        EXPECT_EQ(pcm.Rate, 44100u);
        EXPECT_EQ(pcm.Channels, e.Channels);
        EXPECT_EQ(pcm.Frames(), size_t(std::lround(e.Seconds * 44100)));
        int peak = 0;
        double sum = 0;
        for (int16_t s : pcm.Samples) {
            peak = std::max(peak, std::abs(int(s)));
            sum += double(s) * s;
        }
        const double rms = std::sqrt(sum / double(pcm.Samples.size()));
        if (std::string(e.Name) == "silence") {
            EXPECT_LE(peak, 1);
        } else {
            EXPECT_GT(rms, 300) << "too quiet";
            EXPECT_LT(peak, 32000) << "clipped";
        }
        if (std::string(e.Name).starts_with("ambient")) {
            EXPECT_GE(e.Seconds, 20.0);
            EXPECT_LE(e.Seconds, 40.0);
        }
    }
    EXPECT_TRUE(fs::is_directory(BuildDir() + "Music"));
}

TEST_F(Sounds, AmbienceLoopsJoinAtTheSeam) {
    for (const char* name : {"ambient1", "ambient2", "ambient3", "ambient4"}) {
        SCOPED_TRACE(name);
        Pcm pcm;
        ASSERT_TRUE(Decode(BuildDir() + "Sounds/" + name + ".ogg", pcm));
        const size_t n = pcm.Frames();
        ASSERT_GT(n, 44100u);
        for (int ch = 0; ch < pcm.Channels; ++ch) {
            int largest = 0;
            for (size_t i = 1; i < n; ++i)
                largest = std::max(largest, std::abs(pcm.At(i, ch) - pcm.At(i - 1, ch)));
            const int seam = std::abs(pcm.At(0, ch) - pcm.At(n - 1, ch));
            EXPECT_LE(seam, largest) << "channel " << ch;
            // No drop in level either side of the seam: the last and the first
            // two seconds (three beats of the slowest band) are about as loud.
            auto rms = [&](size_t from, size_t count) {
                double s = 0;
                for (size_t i = from; i < from + count; ++i)
                    s += double(pcm.At(i, ch)) * pcm.At(i, ch);
                return std::sqrt(s / double(count));
            };
            const double head = rms(0, 88200), tail = rms(n - 88200, 88200);
            EXPECT_LT(std::max(head, tail) / std::min(head, tail), 2.0) << "channel " << ch;
        }
    }
}

TEST_F(Sounds, LookalikesDiffer) {
    auto load = [&](const char* name) {
        Pcm pcm;
        EXPECT_TRUE(Decode(BuildDir() + "Sounds/" + name + ".ogg", pcm)) << name;
        return pcm.Samples;
    };
    std::map<std::string, std::vector<int16_t>> a;
    for (const char* n :
         {"ambient1", "ambient2", "ambient3", "ambient4", "click", "click2", "random1", "random2"})
        a[n] = load(n);
    const std::pair<const char*, const char*> pairs[] = {
        {"ambient1", "ambient2"}, {"ambient1", "ambient3"}, {"ambient1", "ambient4"},
        {"ambient2", "ambient3"}, {"ambient2", "ambient4"}, {"ambient3", "ambient4"},
        {"click", "click2"},      {"random1", "random2"}};
    for (const auto& [x, y] : pairs) {
        // Compared over their common start, so a mere length difference does not count.
        const size_t n = std::min(a[x].size(), a[y].size());
        double diff = 0, ref = 0;
        for (size_t i = 0; i < n; ++i) {
            diff += std::abs(double(a[x][i]) - a[y][i]);
            ref += std::abs(double(a[x][i])) + std::abs(double(a[y][i]));
        }
        EXPECT_GT(diff, 0.3 * ref) << x << " and " << y << " sound alike";
    }
}

TEST_F(Sounds, GeneratorMakesTheSameBytesAgain) {
    TempProgramFolder out;
    const std::string cmd =
        "\"" + BuildDir() + "quelbrin-content\" \"" + out.Path() + "\" --only sounds > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    int files = 0;
    for (auto& e : fs::directory_iterator(BuildDir() + "Sounds")) {
        const std::string name = e.path().filename().string();
        EXPECT_EQ(ReadWholeFile(e.path().string()), out.ReadFile("Sounds/" + name)) << name;
        ++files;
    }
    EXPECT_EQ(files, int(std::size(kSounds)));
    EXPECT_TRUE(fs::is_empty(out.Sub("Music")));
}

} // namespace
