// The window's border icons, the sound switch, the message window's background and the about
// picture.
#include "Art.h"
#include "Generator.h"

#include <cmath>

namespace content {

namespace {

const Rgb IconInk = Bytes(236, 196, 124);

// The rounded brown key cap every border icon sits on, at cell x; leaves the
// pen ready for the icon's strokes.
void IconCap(cairo_t* cr, double x) {
    RoundedRect(cr, x + 0.5, 0.5, 15, 15, 3);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 16);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.42, 0.25, 0.12);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.11, 0.05);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, Bytes(150, 104, 52));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
}

void BorderIcons(const std::string& dir) {
    Canvas c(64, 16);
    cairo_t* cr = c.Cr();
    SetColor(cr, Bytes(24, 13, 6));
    cairo_paint(cr);
    for (int i = 0; i < 4; ++i) {
        const double x = 16 * i;
        IconCap(cr, x);
        SetColor(cr, i == 3 ? Bytes(250, 150, 110) : IconInk);
        switch (i) {
        case 0: // minimise
            cairo_move_to(cr, x + 4.5, 11.5);
            cairo_line_to(cr, x + 11.5, 11.5);
            break;
        case 1: // enter full screen: corners pointing out
        case 2: // leave full screen: corners pointing in
            for (int k = 0; k < 4; ++k) {
                const double sx = (k & 1) ? 1 : -1, sy = (k & 2) ? 1 : -1;
                const double cx = x + 8 + sx * (i == 1 ? 4 : 1.5), cy = 8 + sy * (i == 1 ? 4 : 1.5);
                const double d = i == 1 ? -3 : 3;
                cairo_move_to(cr, cx + sx * d, cy);
                cairo_line_to(cr, cx, cy);
                cairo_line_to(cr, cx, cy + sy * d);
            }
            break;
        default: // close
            cairo_move_to(cr, x + 4.5, 4.5);
            cairo_line_to(cr, x + 11.5, 11.5);
            cairo_move_to(cr, x + 11.5, 4.5);
            cairo_line_to(cr, x + 4.5, 11.5);
            break;
        }
        cairo_stroke(cr);
    }
    c.Save(dir + "bdricons.bmp");
}

// The sound switch beside the border icons: a speaker with waves when on, and
// crossed out in the close icon's red when off.
void SoundIcons(const std::string& dir) {
    Canvas c(32, 16);
    cairo_t* cr = c.Cr();
    SetColor(cr, Bytes(24, 13, 6));
    cairo_paint(cr);
    for (int i = 0; i < 2; ++i) {
        const double x = 16 * i;
        IconCap(cr, x);
        SetColor(cr, IconInk);
        cairo_move_to(cr, x + 3, 6);
        cairo_line_to(cr, x + 5.5, 6);
        cairo_line_to(cr, x + 8.5, 3.5);
        cairo_line_to(cr, x + 8.5, 12.5);
        cairo_line_to(cr, x + 5.5, 10);
        cairo_line_to(cr, x + 3, 10);
        cairo_close_path(cr);
        cairo_fill(cr);
        if (i == 0) {
            cairo_set_line_width(cr, 1.2);
            cairo_arc(cr, x + 8.5, 8, 3, -0.9, 0.9);
            cairo_stroke(cr);
            cairo_arc(cr, x + 8.5, 8, 5.2, -0.8, 0.8);
            cairo_stroke(cr);
        } else {
            SetColor(cr, Bytes(250, 150, 110));
            cairo_move_to(cr, x + 10, 5.5);
            cairo_line_to(cr, x + 13.5, 10.5);
            cairo_move_to(cr, x + 13.5, 5.5);
            cairo_line_to(cr, x + 10, 10.5);
            cairo_stroke(cr);
        }
    }
    c.Save(dir + "sndicons.bmp");
}

void MessageBackground(const std::string& dir) {
    Canvas c(640, 420);
    PaintLeather(c, 0, 0, 640, 420, Bytes(44, 26, 18), 501);
    // A faint damask of lozenges, even over the whole sheet so any piece looks alike.
    cairo_t* cr = c.Cr();
    SetColor(cr, Bytes(120, 80, 44), 0.07);
    cairo_set_line_width(cr, 1);
    for (int y = -20; y < 440; y += 28)
        for (int x = -20; x < 660; x += 28) {
            const double cx = x + ((y / 28) % 2 ? 14 : 0);
            cairo_move_to(cr, cx, y - 9);
            cairo_line_to(cr, cx + 9, y);
            cairo_line_to(cr, cx, y + 9);
            cairo_line_to(cr, cx - 9, y);
            cairo_close_path(cr);
        }
    cairo_stroke(cr);
    AddGrain(c, 0, 0, 640, 420, 0.03, 502);
    c.Save(dir + "bgmsg.bmp");
}

void Splash(const std::string& dir) {
    const int w = 190, h = 238;
    Canvas c(w, h);
    cairo_t* cr = c.Cr();
    // Night sky over a street of bars.
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.05, 0.04, 0.14);
    cairo_pattern_add_color_stop_rgb(sky, 0.6, 0.22, 0.08, 0.2);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.42, 0.16, 0.1);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    for (int i = 0; i < 40; ++i) {
        const double x = Noise(900, i * 3.1, 0.5) * w, y = Noise(901, i * 2.7, 0.5) * 90;
        cairo_arc(cr, x, y, 0.6 + Noise(902, i, 1) * 0.8, 0, 2 * M_PI);
        SetColor(cr, Bytes(255, 240, 210), 0.4 + 0.5 * Noise(903, i, 2));
        cairo_fill(cr);
    }
    Emoji(cr, "\U0001F319", 160, 26, 28);
    // Skyline with lit windows.
    const int tops[7] = {120, 98, 132, 108, 90, 126, 112};
    for (int b = 0; b < 7; ++b) {
        const double bx = b * 28 - 6;
        cairo_rectangle(cr, bx, tops[b], 30, h - tops[b]);
        SetColor(cr, Bytes(18 + b * 3, 10, 20));
        cairo_fill(cr);
        for (int wy = tops[b] + 8; wy < h - 50; wy += 11)
            for (int wx = 4; wx < 26; wx += 8)
                if (Noise(910 + b, wx * 0.9, wy * 0.7) > 0.45) {
                    cairo_rectangle(cr, bx + wx, wy, 4, 5);
                    SetColor(cr, Bytes(255, 196, 96), 0.85);
                    cairo_fill(cr);
                }
    }
    // The club's front with its neon sign.
    cairo_rectangle(cr, 0, 168, w, 70);
    SetColor(cr, Bytes(40, 16, 12));
    cairo_fill(cr);
    RoundedRect(cr, 62, 186, 66, 52, 6);
    SetColor(cr, Bytes(255, 170, 70), 0.9);
    cairo_fill(cr);
    RoundedRect(cr, 66, 190, 58, 48, 4);
    SetColor(cr, Bytes(120, 40, 20));
    cairo_fill(cr);
    Emoji(cr, "\U0001F378", 36, 206, 34);
    Emoji(cr, "\U0001F3B6", 156, 206, 30);
    // Neon: soft halo strokes, then the bright tube.
    cairo_save(cr);
    for (int r = 6; r >= 1; --r) {
        cairo_push_group(cr);
        for (int dx = -r; dx <= r; dx += r)
            for (int dy = -r; dy <= r; dy += r)
                Label(cr, "Quelbrin", {"Liberation Serif", 34, true, true}, Bytes(255, 60, 140), dx,
                      130 + dy, w, 40);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 0.05);
    }
    cairo_restore(cr);
    Label(cr, "Quelbrin", {"Liberation Serif", 34, true, true}, Bytes(255, 214, 236), 0, 130, w,
          40);
    Label(cr, "BAR \u00b7 GRILL \u00b7 CLUB", {"Liberation Sans", 9, true}, Bytes(255, 200, 120), 0,
          168, w, 16);
    c.Save(dir + "splash.bmp");
}

void GenerateMisc(const ContentPaths& paths) {
    const std::string dir = paths.Out + "/Images/";
    BorderIcons(dir);
    SoundIcons(dir);
    MessageBackground(dir);
    Splash(dir);
}

} // namespace

} // namespace content

QLB_CONTENT_GENERATOR(interface_misc, content::GenerateMisc);
