// Helpers of the panel tests: pictures written on the fly, the real button
// strip when the build made it, and snapshots for looking at a page.
#pragma once

#include "platform/Bitmap.h"

#include <string>

// Writes a w x h picture of one colour as a Windows bitmap file.
void WriteSolidBmp(const std::string& path, int w, int h, Color c);

// The build's content folder (QLB_BUILD_DIR/Images/), empty when unknown.
std::string BuildImagesFolder();

// Loads the real button strip; false when the build has not made it.
bool LoadRealButtonStrip(Bitmap& strip);

// Saves the first `height` rows of bitmap as QLB_BUILD_DIR/ui-snapshots/<name>.bmp
// so a page can be looked at; returns the path, empty when not written.
std::string SaveSnapshot(const Bitmap& bitmap, int height, const std::string& name);

// True when any pixel of the rectangle has colour c.
bool AnyPixel(const Bitmap& b, int left, int top, int right, int bottom, Color c);
// True when some pixel of the rectangle differs from c.
bool AnyPixelNot(const Bitmap& b, int left, int top, int right, int bottom, Color c);
