// The pictures and cursors the build generates, read by the game's own readers: what the
// generator writes must be what the platform layer accepts, pixel for pixel.
#include "platform/Bitmap.h"
#include "platform/CursorTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::filesystem::path BuildDir() {
    const char* d = std::getenv("QLB_BUILD_DIR");
    return d ? d : ".";
}

} // namespace

TEST(GeneratedContent, EveryPictureLoadsAsAnOpaqueBitmap) {
    const auto dir = BuildDir() / "Images";
    ASSERT_TRUE(std::filesystem::is_directory(dir)) << dir;
    int loaded = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        if (e.path().extension() != ".bmp") continue;
        SCOPED_TRACE(e.path().string());
        Bitmap b;
        ASSERT_TRUE(b.LoadFromFile(e.path().string()));
        EXPECT_FALSE(b.IsEmpty());
        // Corners and centre carry full alpha: SDL must not have taken the picture as
        // transparent.
        for (auto [x, y] :
             {std::pair{0, 0}, {b.Width() - 1, b.Height() - 1}, {b.Width() / 2, b.Height() / 2}})
            EXPECT_EQ(b.Pixel(x, y) >> 24, 0xFFu) << x << ", " << y;
        ++loaded;
    }
    EXPECT_GE(loaded, 33);
}

TEST(GeneratedContent, TheBackgroundLoadsWithTheRulerStripColourInPlace) {
    Bitmap bg;
    ASSERT_TRUE(bg.LoadFromFile((BuildDir() / "Images" / "bg.bmp").string()));
    ASSERT_EQ(bg.Width(), 1280);
    ASSERT_EQ(bg.Height(), 1024);
    // The ruler's icon row, (84, 22) of the ruler at (0, 460) of the play area at (250, 232).
    EXPECT_EQ(bg.Pixel(250 + 84, 232 + 460 + 22) & 0xFFFFFF, 0xB36640u);
    EXPECT_EQ(bg.Pixel(250 + 694, 232 + 460 + 61) & 0xFFFFFF, 0xB36640u);
}

TEST(GeneratedContent, EveryCursorParsesWithItsHotSpot) {
    struct Expect {
        const char* File;
        int HotX, HotY;
    };
    for (const Expect& c : {Expect{"crmain.cur", 2, 1}, Expect{"crhl.cur", 12, 2},
                            Expect{"crdragone.cur", 15, 12}, Expect{"crdragreject.cur", 15, 15}}) {
        SCOPED_TRACE(c.File);
        std::ifstream f(BuildDir() / "Cursors" / c.File, std::ios::binary);
        const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(f), {}};
        CursorImage img;
        ASSERT_TRUE(ParseCursorFile(data.data(), data.size(), img));
        EXPECT_EQ(img.width, 32);
        EXPECT_EQ(img.height, 32);
        EXPECT_EQ(img.hotX, c.HotX);
        EXPECT_EQ(img.hotY, c.HotY);
        int inked = 0;
        for (auto p : img.pixels)
            inked += (p >> 24) > 128;
        EXPECT_GT(inked, 40) << "the cursor is nearly empty";
        EXPECT_LT(inked, 32 * 32 - 100) << "the cursor has no transparent surround";
    }
}
