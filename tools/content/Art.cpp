#include "Art.h"

#include "Bmp.h"
#include "Generator.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace content {

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

Rgb Shade(Rgb c, double f) {
    auto s = [f](double v) { return std::clamp(f <= 1 ? v * f : v + (1 - v) * (f - 1), 0.0, 1.0); };
    return {s(c.R), s(c.G), s(c.B)};
}

Canvas::Canvas(int w, int h) : mW(w), mH(h) {
    mSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    mCr = cairo_create(mSurface);
    if (cairo_status(mCr) != CAIRO_STATUS_SUCCESS) throw ContentError("cannot create a surface");
}

Canvas::~Canvas() {
    cairo_destroy(mCr);
    cairo_surface_destroy(mSurface);
}

uint32_t* Canvas::Row(int y) {
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(mSurface) +
                                       size_t(y) * cairo_image_surface_get_stride(mSurface));
}

void Canvas::Save(const std::string& path) const {
    WriteBmp(path, mSurface);
}

void Blit(cairo_t* to, cairo_surface_t* from, int sx, int sy, int w, int h, int dx, int dy) {
    cairo_save(to);
    cairo_rectangle(to, dx, dy, w, h);
    cairo_clip(to);
    cairo_set_source_surface(to, from, dx - sx, dy - sy);
    cairo_paint(to);
    cairo_restore(to);
}

void SetColor(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.R, c.G, c.B, alpha);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

namespace {

double Lattice(uint32_t seed, int x, int y) {
    uint32_t h = seed * 0x9E3779B1u ^ uint32_t(x) * 0x85EBCA77u ^ uint32_t(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return (h & 0xFFFFFF) / double(0x1000000);
}

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

double ValueNoise(uint32_t seed, double x, double y) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const double tx = Smooth(x - fx), ty = Smooth(y - fy);
    const double a = Lattice(seed, ix, iy), b = Lattice(seed, ix + 1, iy);
    const double c = Lattice(seed, ix, iy + 1), d = Lattice(seed, ix + 1, iy + 1);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

uint32_t Pack(double r, double g, double b) {
    auto q = [](double v) { return uint32_t(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); };
    return 0xFF000000u | q(r) << 16 | q(g) << 8 | q(b);
}

template <typename F> void ForPixels(Canvas& c, int x, int y, int w, int h, F f) {
    cairo_surface_flush(c.Surface());
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(c.Width(), x + w), y1 = std::min(c.Height(), y + h);
    for (int py = y0; py < y1; ++py) {
        uint32_t* row = c.Row(py);
        for (int px = x0; px < x1; ++px)
            row[px] = f(px, py, row[px]);
    }
    cairo_surface_mark_dirty(c.Surface());
}

// Three box blurs of an A8 surface approximate a gaussian.
void BlurA8(cairo_surface_t* s, int radius) {
    if (radius < 1) return;
    cairo_surface_flush(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    unsigned char* d = cairo_image_surface_get_data(s);
    std::vector<int> line(std::max(w, h));
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            unsigned char* row = d + size_t(y) * stride;
            for (int x = 0; x < w; ++x)
                line[x] = row[x];
            int sum = 0;
            for (int x = -radius; x <= radius; ++x)
                sum += line[std::clamp(x, 0, w - 1)];
            for (int x = 0; x < w; ++x) {
                row[x] = uint8_t(sum / (2 * radius + 1));
                sum += line[std::min(x + radius + 1, w - 1)] - line[std::max(x - radius, 0)];
            }
        }
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y < h; ++y)
                line[y] = d[size_t(y) * stride + x];
            int sum = 0;
            for (int y = -radius; y <= radius; ++y)
                sum += line[std::clamp(y, 0, h - 1)];
            for (int y = 0; y < h; ++y) {
                d[size_t(y) * stride + x] = uint8_t(sum / (2 * radius + 1));
                sum += line[std::min(y + radius + 1, h - 1)] - line[std::max(y - radius, 0)];
            }
        }
    }
    cairo_surface_mark_dirty(s);
}

} // namespace

double Noise(uint32_t seed, double x, double y, int octaves) {
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * ValueNoise(seed + uint32_t(o) * 101, x, y);
        norm += amp;
        amp *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / norm;
}

void PaintWood(Canvas& c, int x, int y, int w, int h, Rgb dark, Rgb light, uint32_t seed,
               double ringScale) {
    ForPixels(c, x, y, w, h, [&](int px, int py, uint32_t) {
        const double warp = Noise(seed, px * 0.004, py * 0.02, 3) * 40.0;
        const double ring = 0.5 + 0.5 * std::sin((py + warp) * 0.45 / ringScale);
        const double fibre = Noise(seed + 7, px * 0.15, py * 1.6, 2);
        const double tone = Noise(seed + 13, px * 0.002, py * 0.006, 2);
        double t = 0.25 + 0.35 * ring * ring + 0.25 * fibre + 0.3 * (tone - 0.5);
        const Rgb col = Mix(dark, light, std::clamp(t, 0.0, 1.0));
        return Pack(col.R, col.G, col.B);
    });
}

void PaintLeather(Canvas& c, int x, int y, int w, int h, Rgb base, uint32_t seed) {
    ForPixels(c, x, y, w, h, [&](int px, int py, uint32_t) {
        const double pebble = Noise(seed, px * 0.45, py * 0.45, 2);
        const double crease = std::abs(Noise(seed + 3, px * 0.08, py * 0.08, 2) - 0.5);
        const double tone = Noise(seed + 5, px * 0.01, py * 0.01, 2);
        double f = 0.9 + 0.16 * pebble + 0.18 * (tone - 0.5);
        if (crease < 0.02) f -= 0.06;
        return Pack(base.R * f, base.G * f, base.B * f);
    });
}

void PaintPaper(Canvas& c, int x, int y, int w, int h, Rgb base, uint32_t seed) {
    ForPixels(c, x, y, w, h, [&](int px, int py, uint32_t) {
        const double fibre = Noise(seed, px * 0.6, py * 0.15, 2);
        const double blot = Noise(seed + 9, px * 0.01, py * 0.012, 3);
        double f = 0.985 + 0.03 * (fibre - 0.5) - 0.05 * std::max(0.0, blot - 0.6);
        return Pack(base.R * f, base.G * f, base.B * (f - 0.01));
    });
}

void AddGrain(Canvas& c, int x, int y, int w, int h, double amount, uint32_t seed) {
    ForPixels(c, x, y, w, h, [&](int px, int py, uint32_t p) {
        const double n = (Lattice(seed, px, py) - 0.5) * amount;
        const double r = ((p >> 16) & 0xff) / 255.0, g = ((p >> 8) & 0xff) / 255.0,
                     b = (p & 0xff) / 255.0;
        return Pack(r + n, g + n, b + n);
    });
}

void FillWithTexture(cairo_t* cr, const Canvas& texture) {
    cairo_save(cr);
    cairo_set_source_surface(cr, texture.Surface(), 0, 0);
    cairo_fill(cr);
    cairo_restore(cr);
}

void DropShadow(cairo_t* cr, double dx, double dy, double blur, double alpha) {
    double x1, y1, x2, y2;
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_new_path(cr);
    const int margin = int(blur * 2 + 2);
    const int ox = int(std::floor(x1)) - margin, oy = int(std::floor(y1)) - margin;
    const int w = int(std::ceil(x2)) - ox + margin, h = int(std::ceil(y2)) - oy + margin;
    if (w <= 0 || h <= 0) {
        cairo_path_destroy(path);
        return;
    }
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_t* m = cairo_create(mask);
    cairo_translate(m, -ox, -oy);
    cairo_append_path(m, path);
    cairo_set_source_rgba(m, 0, 0, 0, 1);
    cairo_fill(m);
    cairo_destroy(m);
    BlurA8(mask, int(blur / 1.7 + 0.5));
    cairo_save(cr);
    cairo_set_source_rgba(cr, 0.04, 0.02, 0.0, alpha);
    cairo_mask_surface(cr, mask, ox + dx, oy + dy);
    cairo_restore(cr);
    cairo_surface_destroy(mask);
    cairo_path_destroy(path);
}

void Stitch(cairo_t* cr, Rgb c, double width) {
    cairo_save(cr);
    const double dash[2] = {4.0, 3.0};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_width(cr, width);
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_translate(cr, 0, 1);
    SetColor(cr, Bytes(0, 0, 0), 0.35);
    cairo_stroke(cr);
    cairo_translate(cr, 0, -1);
    cairo_append_path(cr, path);
    SetColor(cr, c);
    cairo_stroke(cr);
    cairo_path_destroy(path);
    cairo_restore(cr);
}

namespace {

PangoLayout* MakeLayout(cairo_t* cr, const std::string& text, const char* family, double px,
                        bool bold, bool italic) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    cairo_font_options_t* opts = cairo_font_options_create();
    cairo_font_options_set_antialias(opts, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), opts);
    cairo_font_options_destroy(opts);
    pango_layout_context_changed(layout);
    PangoFontDescription* fd = pango_font_description_new();
    pango_font_description_set_family(fd, family);
    pango_font_description_set_absolute_size(fd, px * PANGO_SCALE);
    pango_font_description_set_weight(fd, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(fd, italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout, fd);
    pango_font_description_free(fd);
    pango_layout_set_text(layout, text.c_str(), -1);
    return layout;
}

} // namespace

double Label(cairo_t* cr, const std::string& text, Font f, Rgb color, double x, double y, double w,
             double h, Align a) {
    PangoLayout* layout = MakeLayout(cr, text, f.Family, f.Px, f.Bold, f.Italic);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    double tx = x;
    if (a == Align::Center) tx = x + (w - logical.width) / 2.0;
    if (a == Align::Right) tx = x + w - logical.width;
    // Centre the ink of capitals and digits, not the line box with its descender room.
    const double ty = y + (h - logical.height) / 2.0 + f.Px * 0.04;
    cairo_save(cr);
    cairo_move_to(cr, std::round(tx), std::round(ty));
    SetColor(cr, color);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
    g_object_unref(layout);
    return logical.width;
}

void Engraved(cairo_t* cr, const std::string& text, Font f, Rgb color, double x, double y, double w,
              double h, Align a, double lightAlpha) {
    cairo_push_group(cr);
    Label(cr, text, f, Bytes(255, 240, 210), x, y + 1, w, h, a);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, lightAlpha);
    Label(cr, text, f, color, x, y, w, h, a);
}

void Button(cairo_t* cr, double x, double y, double w, double h, const std::string& label,
            ButtonLook look, Rgb face, double px) {
    cairo_save(cr);
    if (look == ButtonLook::Greyed) face = Mix(face, Bytes(150, 135, 115), 0.65);
    const Rgb top = Shade(face, look == ButtonLook::Pressed ? 0.8 : 1.35);
    const Rgb bottom = Shade(face, look == ButtonLook::Pressed ? 1.05 : 0.72);
    // Dark rim, then the face with a vertical gradient, then highlight and shade edges.
    RoundedRect(cr, x, y, w, h, 3.5);
    SetColor(cr, Shade(face, 0.35));
    cairo_fill(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y + 1, 0, y + h - 1);
    cairo_pattern_add_color_stop_rgb(g, 0, top.R, top.G, top.B);
    cairo_pattern_add_color_stop_rgb(g, 0.5, face.R, face.G, face.B);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.R, bottom.G, bottom.B);
    RoundedRect(cr, x + 1, y + 1, w - 2, h - 2, 2.5);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 1);
    if (look != ButtonLook::Pressed) {
        SetColor(cr, Bytes(255, 236, 200), 0.45);
        cairo_move_to(cr, x + 3, y + 1.5);
        cairo_line_to(cr, x + w - 3, y + 1.5);
        cairo_stroke(cr);
    } else {
        SetColor(cr, Bytes(0, 0, 0), 0.3);
        cairo_move_to(cr, x + 2, y + 1.5);
        cairo_line_to(cr, x + w - 2, y + 1.5);
        cairo_stroke(cr);
    }
    const double off = look == ButtonLook::Pressed ? 1 : 0;
    const Rgb ink = look == ButtonLook::Greyed ? Bytes(214, 200, 178) : Bytes(255, 238, 196);
    if (!label.empty()) {
        if (look != ButtonLook::Greyed)
            Label(cr, label, {"Liberation Sans", px, true}, Shade(face, 0.3), x + off, y + off + 1,
                  w, h);
        Label(cr, label, {"Liberation Sans", px, true}, ink, x + off, y + off, w, h);
    }
    cairo_restore(cr);
}

namespace {

struct EmojiImage {
    cairo_surface_t* Surface = nullptr;
    int W = 0, H = 0;
};

EmojiImage RenderEmoji(const std::string& text) {
    constexpr int Size = 109; // the font's own bitmap size: no scaling on this pass
    constexpr int Box = 420;
    cairo_surface_t* big = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Box, Box / 2);
    cairo_t* cr = cairo_create(big);
    PangoLayout* layout = MakeLayout(cr, text, "Noto Color Emoji", Size, false, false);
    cairo_move_to(cr, 20, 20);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
    cairo_destroy(cr);
    cairo_surface_flush(big);
    const int stride = cairo_image_surface_get_stride(big);
    unsigned char* d = cairo_image_surface_get_data(big);
    int x0 = Box, y0 = Box, x1 = -1, y1 = -1;
    for (int y = 0; y < Box / 2; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(d + size_t(y) * stride);
        for (int x = 0; x < Box; ++x)
            if ((row[x] >> 24) > 8) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    }
    if (x1 < 0) {
        cairo_surface_destroy(big);
        throw ContentError("the emoji font drew nothing for \"" + text + "\"");
    }
    EmojiImage img;
    img.W = x1 - x0 + 1;
    img.H = y1 - y0 + 1;
    img.Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, img.W, img.H);
    cairo_t* c = cairo_create(img.Surface);
    cairo_set_source_surface(c, big, -x0, -y0);
    cairo_paint(c);
    cairo_destroy(c);
    cairo_surface_destroy(big);
    return img;
}

const EmojiImage& CachedEmoji(const std::string& text) {
    static std::map<std::string, EmojiImage> cache;
    auto it = cache.find(text);
    if (it == cache.end()) it = cache.emplace(text, RenderEmoji(text)).first;
    return it->second;
}

} // namespace

void Emoji(cairo_t* cr, const std::string& text, double cx, double cy, double size, double alpha) {
    const EmojiImage& img = CachedEmoji(text);
    const double scale = size / std::max(img.W, img.H);
    cairo_save(cr);
    cairo_translate(cr, cx - img.W * scale / 2, cy - img.H * scale / 2);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, img.Surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

} // namespace content
