// Helpers of the panel tests: pictures written on the fly, the real button
// strip when the build made it, and snapshots for looking at a page.
#pragma once

#include "platform/Bitmap.h"

#include <ostream>
#include <string>

// Writes a w x h picture of one colour as a Windows bitmap file.
void WriteSolidBmp(const std::string& path, int w, int h, Color c);

// The build's content folder (QLB_BUILD_DIR/Images/), empty when unknown.
std::string BuildImagesFolder();

// Copies the build's Images and Buildings into the program folder `folder` (a
// path ending in '/'); false when the build has not made its pictures.
bool CopyBuildContent(const std::string& folder);

// Loads the real button strip; false when the build has not made it.
bool LoadRealButtonStrip(Bitmap& strip);

// Saves the first `height` rows of bitmap as QLB_BUILD_DIR/ui-snapshots/<name>.bmp
// so a page can be looked at; returns the path, empty when not written.
std::string SaveSnapshot(const Bitmap& bitmap, int height, const std::string& name);

// A picture whose pixel (x, y) has colour (x % 256, y % 256, base + y / 256 +
// 2 * (x / 256)), so a probe tells which picture and which of its pixels was
// copied to a place. Bases 150, 160, ... 200 keep pictures up to 512 x 512 apart.
Bitmap MakeCodedBitmap(int w, int h, int base);
void WriteCodedBmp(const std::string& path, int w, int h, int base);
struct Coded {
    int base, x, y;
    friend bool operator==(const Coded&, const Coded&) = default;
};
// The picture pixel behind a probe, or base -1 for a pixel of no coded picture.
Coded CodeAt(const Bitmap& b, int x, int y);
std::ostream& operator<<(std::ostream& os, const Coded& c);

// True when any pixel of the rectangle has colour c.
bool AnyPixel(const Bitmap& b, int left, int top, int right, int bottom, Color c);
// True when some pixel of the rectangle differs from c.
bool AnyPixelNot(const Bitmap& b, int left, int top, int right, int bottom, Color c);
