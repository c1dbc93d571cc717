// The desktop icons: one PNG per icon-theme size, where the install copies them from.
#include "ContentFiles.h"
#include "PictureTable.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace contenttest;

namespace {

uint32_t Be32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

} // namespace

TEST(AppIcon, EverySizeIsAnRgbaPngOfThatSize) {
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (int size : content::AppIconSizes) {
        const std::string path = BuildDir() + "/" + content::AppIconPngPath(size);
        SCOPED_TRACE(path);
        EXPECT_NE(path.find("/hicolor/" + std::to_string(size) + "x" + std::to_string(size) +
                            "/apps/quelbrin.png"),
                  std::string::npos);
        const auto b = ReadFile(path);
        ASSERT_GE(b.size(), 33u) << "missing or too short";
        EXPECT_EQ(std::memcmp(b.data(), signature, 8), 0);
        EXPECT_EQ(std::memcmp(b.data() + 12, "IHDR", 4), 0);
        EXPECT_EQ(Be32(b, 16), uint32_t(size)) << "width";
        EXPECT_EQ(Be32(b, 20), uint32_t(size)) << "height";
        EXPECT_EQ(b[24], 8) << "bit depth";
        EXPECT_EQ(b[25], 6) << "colour type: RGB with alpha, so the corners stay clear";
    }
}

TEST(AppIcon, TheWindowIconShowsTheBadgeOnWood) {
    const Bitmap bmp = ReadBmp(BuildDir() + "/Images/" + content::AppIconBmpFile);
    ASSERT_EQ(bmp.Error, "");
    const int s = content::AppIconBmpSize;
    ASSERT_EQ(bmp.Width, s);
    // The corners are dark wood, the middle the lit drink: the badge is drawn and centred.
    auto brightness = [&](int x, int y) {
        const uint32_t p = bmp.At(x, y);
        return int((p >> 16) & 0xFF) + int((p >> 8) & 0xFF) + int(p & 0xFF);
    };
    for (const auto& [x, y] : {std::pair{0, 0}, {s - 1, 0}, {0, s - 1}, {s - 1, s - 1}})
        EXPECT_LT(brightness(x, y), 3 * 90) << x << ", " << y;
    EXPECT_GT(brightness(s / 2, s / 2), 3 * 130);
}
