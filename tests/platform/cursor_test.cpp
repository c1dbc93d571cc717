#include "platform/CursorTable.h"

#include "platform/Video.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {

void Put16(std::vector<std::uint8_t>& v, unsigned x) {
    v.push_back(std::uint8_t(x));
    v.push_back(std::uint8_t(x >> 8));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

// A .cur file of one w x h image with the given bit depth. Pixel (x, y) has
// palette index / colour (x + y) % 4 (colours from `palette`), alpha 255 for
// 32 bits; the AND mask makes the top-left pixel transparent.
std::vector<std::uint8_t> MakeCur(int w, int h, int bits, int hotX, int hotY, bool alpha = true) {
    const std::uint32_t palette[4] = {0x000000, 0xFFFFFF, 0xFF0000, 0x0000FF};
    std::vector<std::uint8_t> v;
    Put16(v, 0);
    Put16(v, 2);
    Put16(v, 1);
    v.push_back(std::uint8_t(w));
    v.push_back(std::uint8_t(h));
    v.push_back(0);
    v.push_back(0);
    Put16(v, unsigned(hotX));
    Put16(v, unsigned(hotY));
    Put32(v, 0); // size, filled below
    Put32(v, 22);
    const std::size_t start = v.size();
    Put32(v, 40);
    Put32(v, std::uint32_t(w));
    Put32(v, std::uint32_t(2 * h));
    Put16(v, 1);
    Put16(v, unsigned(bits));
    for (int i = 0; i < 6; ++i)
        Put32(v, 0);
    if (bits <= 8)
        for (int i = 0; i < (1 << bits); ++i)
            Put32(v, i < 4 ? palette[i] : 0);
    const int stride = ((w * bits + 31) / 32) * 4;
    for (int row = h - 1; row >= 0; --row) {
        std::vector<std::uint8_t> line(std::size_t(stride), 0);
        for (int x = 0; x < w; ++x) {
            const int idx = (x + row) % 4;
            if (bits == 32 || bits == 24) {
                const std::uint32_t c = palette[idx];
                std::uint8_t* p = &line[std::size_t(x * bits / 8)];
                p[0] = std::uint8_t(c);
                p[1] = std::uint8_t(c >> 8);
                p[2] = std::uint8_t(c >> 16);
                if (bits == 32) p[3] = alpha ? 255 : 0;
            } else {
                const int perByte = 8 / bits;
                line[std::size_t(x / perByte)] |=
                    std::uint8_t((idx & ((1 << bits) - 1)) << ((perByte - 1 - x % perByte) * bits));
            }
        }
        v.insert(v.end(), line.begin(), line.end());
    }
    const int maskStride = ((w + 31) / 32) * 4;
    for (int row = h - 1; row >= 0; --row) {
        std::vector<std::uint8_t> line(std::size_t(maskStride), 0);
        if (row == 0) line[0] = 0x80;
        v.insert(v.end(), line.begin(), line.end());
    }
    const std::uint32_t size = std::uint32_t(v.size() - start);
    for (int i = 0; i < 4; ++i)
        v[14 + i] = std::uint8_t(size >> (8 * i));
    return v;
}

std::uint32_t Expected(int x, int y, int bits) {
    const std::uint32_t palette[4] = {0x000000, 0xFFFFFF, 0xFF0000, 0x0000FF};
    int idx = (x + y) % 4;
    if (bits == 1) idx &= 1;
    return 0xFF000000u | palette[idx];
}

} // namespace

TEST(CursorFile, ReadsEveryDepthWithHotSpotAndMask) {
    for (int bits : {1, 4, 8, 24, 32}) {
        const auto data = MakeCur(32, 32, bits, 5, 7);
        CursorImage img;
        ASSERT_TRUE(ParseCursorFile(data.data(), data.size(), img)) << bits;
        EXPECT_EQ(img.width, 32);
        EXPECT_EQ(img.height, 32);
        EXPECT_EQ(img.hotX, 5);
        EXPECT_EQ(img.hotY, 7);
        // 32-bit images carry their own alpha; the mask shapes the others.
        EXPECT_EQ(img.pixels[0], bits == 32 ? Expected(0, 0, bits) : 0u) << bits;
        for (auto [x, y] : {std::pair{1, 0}, {3, 2}, {31, 31}, {0, 17}})
            EXPECT_EQ(img.pixels[std::size_t(y) * 32 + x], Expected(x, y, bits))
                << bits << " at " << x << "," << y;
    }
    // A 32-bit image without alpha takes its shape from the mask.
    const auto noAlpha = MakeCur(16, 16, 32, 0, 0, false);
    CursorImage img;
    ASSERT_TRUE(ParseCursorFile(noAlpha.data(), noAlpha.size(), img));
    EXPECT_EQ(img.pixels[0], 0u);
    EXPECT_EQ(img.pixels[1], Expected(1, 0, 32));
}

TEST(CursorFile, BrokenFilesAreRefusedWithoutReadingPastTheData) {
    const auto good = MakeCur(32, 32, 8, 1, 1);
    CursorImage img;
    // Every cut of a good file is refused (the reader must not need the rest).
    for (std::size_t n = 0; n < good.size(); ++n)
        ASSERT_FALSE(ParseCursorFile(good.data(), n, img)) << "cut at " << n;
    EXPECT_TRUE(img.IsEmpty());

    auto patched = [&](std::size_t at, std::vector<std::uint8_t> bytes) {
        auto v = good;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            v[at + i] = bytes[i];
        return v;
    };
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases = {
        {"icon, not cursor", patched(2, {1, 0})},
        {"no images", patched(4, {0, 0})},
        {"offset past the end", patched(18, {0xFF, 0xFF, 0xFF, 0x7F})},
        {"png image", patched(22, {0x89, 'P', 'N', 'G'})},
        {"huge width", patched(22 + 4, {0x00, 0x10, 0, 0})},
        {"negative height", patched(22 + 8, {0xC0, 0xFF, 0xFF, 0xFF})},
        {"odd depth", patched(22 + 14, {16, 0})},
        {"compressed", patched(22 + 16, {1, 0, 0, 0})},
        {"too many colours", patched(22 + 32, {0, 2, 0, 0})},
    };
    for (const auto& [what, data] : cases)
        EXPECT_FALSE(ParseCursorFile(data.data(), data.size(), img)) << what;
    EXPECT_FALSE(ParseCursorFile(nullptr, 100, img));

    // Hot spots outside the picture are pulled in.
    const auto far = MakeCur(16, 16, 24, 40, 99);
    ASSERT_TRUE(ParseCursorFile(far.data(), far.size(), img));
    EXPECT_EQ(img.hotX, 15);
    EXPECT_EQ(img.hotY, 15);
}

TEST(CursorFile, TableEntriesLoadOrStayEmpty) {
    const std::string dir = ::testing::TempDir();
    const auto good = MakeCur(32, 32, 32, 2, 3);
    const std::string goodPath = dir + "qlb_crmain.cur", badPath = dir + "qlb_broken.cur";
    std::ofstream(goodPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(good.data()), std::streamsize(good.size()));
    std::ofstream(badPath, std::ios::binary) << "not a cursor";

    // A real cursor needs a display (the tests run under Xvfb); the dummy
    // driver makes none.
    if (!std::getenv("DISPLAY")) setenv("SDL_VIDEODRIVER", "dummy", 1);
    CursorTable table;
    EXPECT_EQ(table.Get(3), nullptr); // nothing loaded yet
    EXPECT_TRUE(table.Load(3, goodPath));
    EXPECT_FALSE(table.Load(4, badPath));
    EXPECT_FALSE(table.Load(5, dir + "qlb_missing.cur"));
    EXPECT_EQ(table.Image(3).width, 32);
    EXPECT_EQ(table.Image(3).hotY, 3);
    EXPECT_TRUE(table.Image(4).IsEmpty());
    EXPECT_TRUE(table.Image(5).IsEmpty());
    ASSERT_TRUE(EnsureVideo());
    const bool dummy = std::string(SDL_GetCurrentVideoDriver()) == "dummy";
    EXPECT_EQ(table.Get(3) != nullptr, !dummy);
    EXPECT_EQ(table.Get(4), nullptr);
    // Reloading an entry with a broken file empties it.
    EXPECT_FALSE(table.Load(3, badPath));
    EXPECT_EQ(table.Get(3), nullptr);
    std::remove(goodPath.c_str());
    std::remove(badPath.c_str());
}
