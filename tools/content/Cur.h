// Windows cursor files (.cur) from 32 x 32 cairo surfaces.
#pragma once

#include <cairo.h>
#include <string>

namespace content {

// One image, 32-bit BGRA with straight alpha, followed by its 1-bit AND mask (set where
// the pixel is fully transparent), the hot spot in the directory entry.
void WriteCur(const std::string& path, cairo_surface_t* surface, int hotX, int hotY);

} // namespace content
