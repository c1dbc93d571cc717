// Colours and rectangles of the drawing layer.
#pragma once

#include <cstdint>

// An RGB colour; pixels are stored as 32-bit 0xAARRGGBB, always opaque.
struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Color, Color) = default;
};

constexpr Color RGB(int r, int g, int b) {
    return Color{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                 static_cast<std::uint8_t>(b)};
}

constexpr std::uint32_t ToPixel(Color c) {
    return 0xFF000000u | (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b;
}

constexpr Color FromPixel(std::uint32_t p) {
    return Color{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                 static_cast<std::uint8_t>(p)};
}

// A rectangle in the usual window convention: left and top inside, right and
// bottom just outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};
