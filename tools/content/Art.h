// Shared drawing helpers of the picture generators: surfaces, the game's palette, seeded
// textures (wood, leather, paper), soft shadows, bevelled buttons, pango labels and
// Noto Color Emoji glyphs.
#pragma once

#include "PictureTable.h"

#include <cairo.h>
#include <cstdint>
#include <string>

namespace content {

struct Rgb {
    double R, G, B;
};
constexpr Rgb Bytes(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Shade(Rgb c, double f); // f < 1 darker, > 1 lighter

// The game's colours.
constexpr Rgb PageColor = Bytes(208, 168, 97);
constexpr Rgb TextColor = Bytes(70, 36, 3);
constexpr Rgb StripColor = Bytes(179, 102, 64);
constexpr Rgb FrameGold = Bytes(227, 183, 106);

// An ARGB image surface with its context; owns both.
class Canvas {
public:
    Canvas(int w, int h);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    cairo_t* Cr() const { return mCr; }
    cairo_surface_t* Surface() const { return mSurface; }
    int Width() const { return mW; }
    int Height() const { return mH; }
    uint32_t* Row(int y);
    void Save(const std::string& path) const; // opaque BMP

private:
    cairo_surface_t* mSurface;
    cairo_t* mCr;
    int mW, mH;
};

// Draws `from`'s rectangle (sx, sy, w, h) at (dx, dy) of `to`.
void Blit(cairo_t* to, cairo_surface_t* from, int sx, int sy, int w, int h, int dx, int dy);

void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);

// Deterministic value noise in 0..1 (fractal sum of `octaves`).
double Noise(uint32_t seed, double x, double y, int octaves = 1);

// Textures painted straight into the pixels of (x, y, w, h); callers clip with shapes
// by painting the texture canvas through a path.
void PaintWood(Canvas& c, int x, int y, int w, int h, Rgb dark, Rgb light, uint32_t seed,
               double ringScale = 1.0);
void PaintLeather(Canvas& c, int x, int y, int w, int h, Rgb base, uint32_t seed);
void PaintPaper(Canvas& c, int x, int y, int w, int h, Rgb base, uint32_t seed);
void AddGrain(Canvas& c, int x, int y, int w, int h, double amount, uint32_t seed);

// Fills the current path of `cr` with the whole of `texture` (same coordinates), keeps no path.
void FillWithTexture(cairo_t* cr, const Canvas& texture);

// A blurred shadow of the current path, offset by (dx, dy); keeps no path.
void DropShadow(cairo_t* cr, double dx, double dy, double blur, double alpha);

// Dashed stitch line along the current path; keeps no path.
void Stitch(cairo_t* cr, Rgb c, double width = 1.2);

enum class Align { Left, Center, Right };

struct Font {
    const char* Family = "Liberation Sans";
    double Px = 11;
    bool Bold = false;
    bool Italic = false;
};

// Text in the box (x, y, w, h): aligned horizontally, centred vertically. Returns the width.
double Label(cairo_t* cr, const std::string& text, Font f, Rgb color, double x, double y, double w,
             double h, Align a = Align::Center);
// Text with a one-pixel light edge below, as pressed into leather or wood.
void Engraved(cairo_t* cr, const std::string& text, Font f, Rgb color, double x, double y, double w,
              double h, Align a = Align::Center, double lightAlpha = 0.35);

enum class ButtonLook { Normal, Greyed, Pressed };

// A bevelled button filling (x, y, w, h) with a centred label.
void Button(cairo_t* cr, double x, double y, double w, double h, const std::string& label,
            ButtonLook look = ButtonLook::Normal, Rgb face = Bytes(126, 72, 34), double px = 11);

// Noto Color Emoji: `text` (one glyph or a joined sequence) drawn with its ink box
// centred at (cx, cy) and its larger side `size` pixels. Rendered large once and scaled
// down smoothly.
void Emoji(cairo_t* cr, const std::string& text, double cx, double cy, double size,
           double alpha = 1.0);

} // namespace content
