// Readers for the generated pictures and cursors, written apart from the generator so the
// tests check the files, not the generator's idea of them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace contenttest {

inline std::string BuildDir() {
    const char* d = std::getenv("QLB_BUILD_DIR");
    return d ? d : ".";
}

inline std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}
inline uint16_t Le16(const std::vector<uint8_t>& b, size_t at) {
    return uint16_t(b[at] | b[at + 1] << 8);
}

struct Bitmap {
    int Width = 0, Height = 0;
    int Bits = 0;
    uint32_t Compression = 0;
    bool BottomUp = true;
    bool AllOpaque = true;
    std::vector<uint32_t> Pixels; // 0xAARRGGBB, top row first
    std::string Error;

    uint32_t At(int x, int y) const { return Pixels[size_t(y) * Width + x]; }
};

// Reads a Windows bitmap with a 40-byte header and 32 bits per pixel.
inline Bitmap ReadBmp(const std::string& path) {
    Bitmap bmp;
    const auto b = ReadFile(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        bmp.Error = "not a bitmap file";
        return bmp;
    }
    const uint32_t offset = Le32(b, 10);
    bmp.Width = int32_t(Le32(b, 18));
    const int32_t h = int32_t(Le32(b, 22));
    bmp.BottomUp = h > 0;
    bmp.Height = h < 0 ? -h : h;
    bmp.Bits = Le16(b, 28);
    bmp.Compression = Le32(b, 30);
    if (Le32(b, 14) < 40)
        bmp.Error = "short info header";
    else if (bmp.Bits != 32)
        bmp.Error = "not 32 bits per pixel";
    else if (offset + uint64_t(bmp.Width) * bmp.Height * 4 > b.size())
        bmp.Error = "truncated";
    if (!bmp.Error.empty()) return bmp;
    bmp.Pixels.resize(size_t(bmp.Width) * bmp.Height);
    for (int y = 0; y < bmp.Height; ++y) {
        const int fileRow = bmp.BottomUp ? bmp.Height - 1 - y : y;
        const uint8_t* p = b.data() + offset + size_t(fileRow) * bmp.Width * 4;
        for (int x = 0; x < bmp.Width; ++x, p += 4) {
            if (p[3] != 255) bmp.AllOpaque = false;
            bmp.Pixels[size_t(y) * bmp.Width + x] =
                uint32_t(p[3]) << 24 | p[2] << 16 | p[1] << 8 | p[0];
        }
    }
    return bmp;
}

struct CursorFile {
    int Type = 0, Count = 0, Width = 0, Height = 0, HotX = -1, HotY = -1;
    int Bits = 0, DibHeight = 0;
    std::vector<uint8_t> Alpha; // 32 x 32, top row first
    std::string Error;
};

inline CursorFile ReadCur(const std::string& path) {
    CursorFile c;
    const auto b = ReadFile(path);
    if (b.size() < 22) {
        c.Error = "too short";
        return c;
    }
    c.Type = Le16(b, 2);
    c.Count = Le16(b, 4);
    c.Width = b[6] ? b[6] : 256;
    c.Height = b[7] ? b[7] : 256;
    c.HotX = Le16(b, 10);
    c.HotY = Le16(b, 12);
    const uint32_t size = Le32(b, 14), offset = Le32(b, 18);
    if (uint64_t(offset) + size > b.size() || size < 40) {
        c.Error = "image outside the file";
        return c;
    }
    c.DibHeight = int32_t(Le32(b, offset + 8));
    c.Bits = Le16(b, offset + 14);
    if (c.Bits != 32 || c.Width != 32 || c.Height != 32) return c;
    if (size < 40 + 32 * 32 * 4 + 32 * 4) {
        c.Error = "image data too short";
        return c;
    }
    c.Alpha.resize(32 * 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            c.Alpha[y * 32 + x] = b[offset + 40 + size_t(31 - y) * 128 + x * 4 + 3];
    return c;
}

} // namespace contenttest
