// A 32-bit ARGB picture in memory, with its canvas. Works without a window or
// any video initialisation, so panels can be drawn and probed in tests.
#pragma once

#include "platform/Color.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct SDL_Surface;
class Canvas;

class Bitmap {
public:
    Bitmap();
    Bitmap(int width, int height);
    ~Bitmap();
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    Bitmap(Bitmap&&) noexcept;
    Bitmap& operator=(Bitmap&&) noexcept;

    int Width() const;
    int Height() const;
    bool IsEmpty() const { return Width() == 0 || Height() == 0; }

    // Changes the size and keeps the pixels that lie in both the old and the new
    // size; new pixels are black. Negative sizes count as 0.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }

    // Loads a Windows bitmap file (24 or 32 bits, bottom-up or top-down, and the
    // paletted kinds SDL reads) and converts it to 32-bit opaque pixels. On any
    // failure returns false and leaves the bitmap as it was.
    bool LoadFromFile(const std::string& path);
    bool LoadFromMemory(const void* data, std::size_t size);

    // 0xAARRGGBB; outside the bitmap 0.
    std::uint32_t Pixel(int x, int y) const;
    Color PixelColor(int x, int y) const { return FromPixel(Pixel(x, y)); }
    void SetPixel(int x, int y, Color c);

    Canvas& GetCanvas();

    // The surface behind the bitmap (ARGB8888), null while the bitmap is 0 x 0.
    SDL_Surface* Surface() const { return mSurface; }

private:
    void Replace(SDL_Surface* surface);

    SDL_Surface* mSurface = nullptr;
    std::unique_ptr<Canvas> mCanvas;
};
