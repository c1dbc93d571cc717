#include "Bmp.h"

#include "Generator.h"

#include <cstdint>
#include <cstring>
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

void WriteBmp(const std::string& path, cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32 &&
        cairo_image_surface_get_format(surface) != CAIRO_FORMAT_RGB24)
        throw ContentError(path + ": not a 32-bit surface");
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const uint32_t pixelBytes = uint32_t(w) * uint32_t(h) * 4;

    std::vector<uint8_t> out;
    out.reserve(54 + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + pixelBytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40); // BITMAPINFOHEADER
    Put32(out, uint32_t(w));
    Put32(out, uint32_t(h)); // positive: bottom-up rows
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0); // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < w; ++x) {
            const uint32_t p = row[x];
            out.push_back(p & 0xff);         // blue
            out.push_back((p >> 8) & 0xff);  // green
            out.push_back((p >> 16) & 0xff); // red
            out.push_back(0xff);
        }
    }
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    if (!f) throw ContentError("cannot write " + path);
}

} // namespace content
