#include "Cur.h"

#include "Generator.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace content {

namespace {
void Put16(std::vector<uint8_t>& b, uint16_t v) {
    b.push_back(v & 0xff);
    b.push_back(v >> 8);
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back((v >> (8 * i)) & 0xff);
}
} // namespace

void WriteCur(const std::string& path, cairo_surface_t* surface, int hotX, int hotY) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    if (w != 32 || h != 32 || cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32)
        throw ContentError(path + ": a cursor is a 32 x 32 ARGB surface");
    if (hotX < 0 || hotX >= w || hotY < 0 || hotY >= h)
        throw ContentError(path + ": hot spot outside the cursor");
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const uint32_t maskRow = 4; // 32 bits, already a multiple of 4 bytes
    const uint32_t imageBytes = 40 + uint32_t(w * h * 4) + maskRow * uint32_t(h);

    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 2); // cursor
    Put16(out, 1);
    out.push_back(uint8_t(w));
    out.push_back(uint8_t(h));
    out.push_back(0);
    out.push_back(0);
    Put16(out, uint16_t(hotX));
    Put16(out, uint16_t(hotY));
    Put32(out, imageBytes);
    Put32(out, 6 + 16);
    Put32(out, 40);
    Put32(out, uint32_t(w));
    Put32(out, uint32_t(h * 2)); // image and mask
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, uint32_t(w * h * 4) + maskRow * uint32_t(h));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    std::vector<uint8_t> mask;
    for (int y = h - 1; y >= 0; --y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        uint32_t bits = 0;
        for (int x = 0; x < w; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            auto straight = [a](uint32_t c) { return a ? uint8_t((c * 255 + a / 2) / a) : 0; };
            out.push_back(straight(p & 0xff));
            out.push_back(straight((p >> 8) & 0xff));
            out.push_back(straight((p >> 16) & 0xff));
            out.push_back(uint8_t(a));
            if (a == 0) bits |= 0x80000000u >> x;
        }
        for (int i = 3; i >= 0; --i)
            mask.push_back((bits >> (8 * i)) & 0xff);
    }
    out.insert(out.end(), mask.begin(), mask.end());
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    if (!f) throw ContentError("cannot write " + path);
}

} // namespace content
