// Opaque 32-bit Windows bitmaps from cairo image surfaces.
#pragma once

#include <cairo.h>
#include <string>

namespace content {

// Writes the surface as a bottom-up 32-bit BI_RGB bitmap with every alpha byte 255.
// cairo keeps premultiplied pixels, so a pixel that is not fully opaque comes out as
// if it were painted over black. Throws ContentError when the file cannot be written.
void WriteBmp(const std::string& path, cairo_surface_t* surface);

} // namespace content
