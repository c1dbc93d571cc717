#include "platform/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <vector>

namespace {

void Put16(std::vector<std::uint8_t>& v, int x) {
    v.push_back(std::uint8_t(x));
    v.push_back(std::uint8_t(x >> 8));
}
void Put32(std::vector<std::uint8_t>& v, std::int32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, (x >> 16) & 0xFFFF);
}

// A w x h Windows bitmap whose pixel (x, y) is RGB(x * 40, y * 40, 99); negative
// height stores the rows top-down.
std::vector<std::uint8_t> MakeBmp(int w, int h, int bits) {
    const int rows = h < 0 ? -h : h;
    const int stride = ((w * bits / 8) + 3) & ~3;
    std::vector<std::uint8_t> v;
    v.push_back('B');
    v.push_back('M');
    Put32(v, 54 + stride * rows);
    Put32(v, 0);
    Put32(v, 54);
    Put32(v, 40);
    Put32(v, w);
    Put32(v, h);
    Put16(v, 1);
    Put16(v, bits);
    Put32(v, 0);
    Put32(v, stride * rows);
    Put32(v, 2835);
    Put32(v, 2835);
    Put32(v, 0);
    Put32(v, 0);
    for (int r = 0; r < rows; ++r) {
        const int y = h < 0 ? r : rows - 1 - r;
        std::size_t start = v.size();
        for (int x = 0; x < w; ++x) {
            v.push_back(99);
            v.push_back(std::uint8_t(y * 40));
            v.push_back(std::uint8_t(x * 40));
            if (bits == 32) v.push_back(0);
        }
        while (v.size() - start < std::size_t(stride))
            v.push_back(0);
    }
    return v;
}

} // namespace

TEST(BitmapFile, LoadsTwentyFourAndThirtyTwoBitsBothRowOrders) {
    for (int bits : {24, 32})
        for (int h : {3, -3}) {
            const auto data = MakeBmp(5, h, bits);
            Bitmap b;
            ASSERT_TRUE(b.LoadFromMemory(data.data(), data.size())) << bits << " " << h;
            ASSERT_EQ(b.Width(), 5);
            ASSERT_EQ(b.Height(), 3);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 5; ++x)
                    ASSERT_EQ(b.Pixel(x, y), ToPixel(RGB(x * 40, y * 40, 99)))
                        << bits << " " << h << " at " << x << "," << y;
        }
}

TEST(BitmapFile, BrokenOrMissingFilesFailAndKeepThePicture) {
    Bitmap b(2, 2);
    b.SetPixel(0, 0, RGB(1, 2, 3));
    auto good = MakeBmp(4, 4, 24);
    std::vector<std::vector<std::uint8_t>> broken = {
        {},
        {'B', 'M'},
        std::vector<std::uint8_t>(good.begin(), good.begin() + 30), // header cut
        std::vector<std::uint8_t>(good.begin(), good.end() - 20),   // pixels cut
    };
    auto badMagic = good;
    badMagic[0] = 'X';
    broken.push_back(badMagic);
    auto hugeWidth = good;
    hugeWidth[18] = 0xFF;
    hugeWidth[19] = 0xFF;
    hugeWidth[20] = 0xFF;
    hugeWidth[21] = 0x7F;
    broken.push_back(hugeWidth);
    for (std::size_t i = 0; i < broken.size(); ++i) {
        EXPECT_FALSE(b.LoadFromMemory(broken[i].data(), broken[i].size())) << i;
        EXPECT_EQ(b.Width(), 2);
        EXPECT_EQ(b.PixelColor(0, 0), RGB(1, 2, 3));
    }
    EXPECT_FALSE(b.LoadFromFile("/nonexistent/folder/picture.bmp"));
    EXPECT_FALSE(b.LoadFromFile("/"));
    EXPECT_EQ(b.Width(), 2);
}

TEST(BitmapFile, LoadsFromAFile) {
    const auto data = MakeBmp(3, 2, 24);
    const std::string path = ::testing::TempDir() + "qlb_bmp_load_test.bmp";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    Bitmap b;
    ASSERT_TRUE(b.LoadFromFile(path));
    EXPECT_EQ(b.PixelColor(2, 1), RGB(80, 40, 99));
    std::remove(path.c_str());
}
