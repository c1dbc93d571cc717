// The drawing toolkit every panel shares: named pictures, the hit-test
// rectangle rule, the two text primitives and the game's colours.
#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

#include <string>

// The look of every page.
constexpr Color PageColor = RGB(208, 168, 97);
constexpr Color TextColor = RGB(70, 36, 3);
constexpr Color SelectionColor = RGB(255, 0, 0);
constexpr Color LightBarColor = RGB(255, 247, 221);
constexpr Color OrangeBarColor = RGB(255, 156, 0);
constexpr Color GrooveColor = RGB(166, 114, 62);
constexpr Color GrooveOutlineColor = RGB(136, 85, 35);
constexpr Color BadMessageColor = RGB(149, 0, 0);
constexpr Color NeutralMessageColor = RGB(0, 0, 0);
constexpr Color GoodMessageColor = RGB(12, 128, 0);

// A platform colour number 0x00BBGGRR, as report lines store their colour.
constexpr Color ColorFromNumber(int number) {
    return RGB(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

// The program's folder + "Images/" and + "Buildings/".
std::string ImagesFolder();
std::string BuildingsFolder();

// Loads Images/<name>.bmp into bitmap; false on any failure, nothing reported.
bool LoadImageBitmap(Bitmap& bitmap, const std::string& name);

// Left and right edges inside, top inside, bottom outside.
constexpr bool PointInRect(int left, int top, int right, int bottom, int x, int y) {
    return left <= x && x <= right && top <= y && y < bottom;
}
constexpr bool PointInRect(const Rect& r, int x, int y) {
    return PointInRect(r.left, r.top, r.right, r.bottom, x, y);
}

// One line at (x, y) on a clear brush; returns the line height (0 for null).
int DrawTextAt(Canvas& canvas, const char* text, int x, int y);
int DrawTextAt(Canvas& canvas, const std::string& text, int x, int y);
// Word-wrapped into the column [x, x + width) from y; returns the height drawn
// (0 for null).
int DrawTextWrapped(Canvas& canvas, const char* text, int x, int width, int y);
int DrawTextWrapped(Canvas& canvas, const std::string& text, int x, int width, int y);
