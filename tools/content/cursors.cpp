// The four mouse cursors, 32 x 32 with their hot spots from the picture table.
#include "Art.h"
#include "Cur.h"
#include "Generator.h"

#include <cmath>

namespace content {

namespace {

void Arrow(cairo_t* cr, double hx, double hy) {
    auto path = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, hx, hy);
        cairo_line_to(cr, hx, hy + 22);
        cairo_line_to(cr, hx + 5, hy + 17);
        cairo_line_to(cr, hx + 9, hy + 26);
        cairo_line_to(cr, hx + 12.5, hy + 24.5);
        cairo_line_to(cr, hx + 8.5, hy + 16);
        cairo_line_to(cr, hx + 15.5, hy + 16);
        cairo_close_path(cr);
    };
    path();
    DropShadow(cr, 1.5, 2, 2, 0.55);
    path();
    cairo_pattern_t* g = cairo_pattern_create_linear(hx, hy, hx + 14, hy + 24);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.96, 0.86);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.9, 0.76, 0.5);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, Bytes(58, 28, 8));
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
}

// Draws an emoji so that its topmost inked point lands on the hot spot (a fingertip), or
// centred on it.
void EmojiCursor(Canvas& c, const char* glyph, double size, int hotX, int hotY, bool tip) {
    cairo_t* cr = c.Cr();
    if (!tip) {
        Emoji(cr, glyph, hotX + 0.5, hotY + 0.5, size);
        return;
    }
    Canvas probe(64, 64);
    Emoji(probe.Cr(), glyph, 32, 32, size);
    cairo_surface_flush(probe.Surface());
    int topY = -1, sumX = 0, n = 0;
    for (int y = 0; y < 64 && topY < 0; ++y)
        for (int x = 0; x < 64; ++x)
            if ((probe.Row(y)[x] >> 24) > 160) {
                topY = y;
                sumX += x;
                ++n;
            }
    if (n == 0) throw ContentError("cursor glyph drew nothing");
    const double dx = hotX - sumX / double(n), dy = hotY - topY;
    Emoji(cr, glyph, 32 + dx, 32 + dy, size);
}

void GenerateCursors(const ContentPaths& paths) {
    for (const auto& cursor : Cursors()) {
        Canvas c(CursorSize, CursorSize);
        if (cursor.File == "crmain.cur")
            Arrow(c.Cr(), cursor.HotX, cursor.HotY);
        else if (cursor.File == "crhl.cur")
            EmojiCursor(c, "\U0001F446", 28, cursor.HotX, cursor.HotY, true);
        else if (cursor.File == "crdragone.cur")
            EmojiCursor(c, "\u270A", 26, cursor.HotX, cursor.HotY, false);
        else
            EmojiCursor(c, "\U0001F6AB", 26, cursor.HotX, cursor.HotY, false);
        WriteCur(paths.Out + "/Cursors/" + cursor.File, c.Surface(), cursor.HotX, cursor.HotY);
    }
}

} // namespace

} // namespace content

QLB_CONTENT_GENERATOR(cursors, content::GenerateCursors);
