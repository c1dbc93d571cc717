// The game's emblem: a stitched leather badge with a gold rim and a cocktail glass in
// front of a warm neon glow. Drawn once at the largest size and halved step by step, so
// every size is the same picture; PNG with transparent corners for the desktop, and an
// opaque BMP in Images for the window's own icon.
#include "Art.h"
#include "Generator.h"

#include <cmath>
#include <filesystem>

namespace content {

namespace {

constexpr int Master = 256;

void Disc(cairo_t* cr, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, Master / 2.0, Master / 2.0, r, 0, 2 * M_PI);
}

// The martini glass with an olive on a pick, centred on the badge.
void Glass(cairo_t* cr) {
    const double cx = Master / 2.0;
    const double rimY = 74, rimHalf = 62, bowlY = 150, footY = 200;
    auto glassPath = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, cx - rimHalf, rimY);
        cairo_line_to(cr, cx + rimHalf, rimY);
        cairo_line_to(cr, cx + 6, bowlY);
        cairo_line_to(cr, cx + 6, footY - 10);
        cairo_curve_to(cr, cx + 10, footY - 4, cx + 34, footY - 2, cx + 40, footY + 4);
        cairo_line_to(cr, cx - 40, footY + 4);
        cairo_curve_to(cr, cx - 34, footY - 2, cx - 10, footY - 4, cx - 6, footY - 10);
        cairo_line_to(cr, cx - 6, bowlY);
        cairo_close_path(cr);
    };
    glassPath();
    DropShadow(cr, 3, 5, 6, 0.55);

    // The drink: amber, lit from above.
    cairo_new_path(cr);
    const double fillY = rimY + 12, fillHalf = rimHalf - 12 * rimHalf / (bowlY - rimY);
    cairo_move_to(cr, cx - fillHalf, fillY);
    cairo_line_to(cr, cx + fillHalf, fillY);
    cairo_line_to(cr, cx, bowlY - 2);
    cairo_close_path(cr);
    cairo_pattern_t* drink = cairo_pattern_create_linear(0, fillY, 0, bowlY);
    cairo_pattern_add_color_stop_rgb(drink, 0, 1.0, 0.78, 0.38);
    cairo_pattern_add_color_stop_rgb(drink, 1, 0.86, 0.36, 0.12);
    cairo_set_source(cr, drink);
    cairo_fill(cr);
    cairo_pattern_destroy(drink);

    // The olive on its pick, leaning into the drink.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 5);
    SetColor(cr, Bytes(120, 62, 28));
    cairo_move_to(cr, cx + 52, rimY - 30);
    cairo_line_to(cr, cx - 2, bowlY - 26);
    cairo_stroke(cr);
    cairo_arc(cr, cx + 14, bowlY - 44, 14, 0, 2 * M_PI);
    cairo_pattern_t* olive =
        cairo_pattern_create_radial(cx + 9, bowlY - 49, 2, cx + 14, bowlY - 44, 14);
    cairo_pattern_add_color_stop_rgb(olive, 0, 0.72, 0.84, 0.32);
    cairo_pattern_add_color_stop_rgb(olive, 1, 0.26, 0.4, 0.1);
    cairo_set_source(cr, olive);
    cairo_fill(cr);
    cairo_pattern_destroy(olive);
    cairo_arc(cr, cx + 14, bowlY - 44, 4, 0, 2 * M_PI);
    SetColor(cr, Bytes(178, 40, 30));
    cairo_fill(cr);

    // The glass itself: a bright gold outline thick enough to read at 32 pixels.
    glassPath();
    SetColor(cr, Bytes(255, 236, 190), 0.16);
    cairo_fill_preserve(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 9);
    cairo_pattern_t* gold = cairo_pattern_create_linear(cx - rimHalf, 0, cx + rimHalf, 0);
    cairo_pattern_add_color_stop_rgb(gold, 0, 0.98, 0.86, 0.56);
    cairo_pattern_add_color_stop_rgb(gold, 0.5, 1.0, 0.95, 0.8);
    cairo_pattern_add_color_stop_rgb(gold, 1, 0.82, 0.6, 0.3);
    cairo_set_source(cr, gold);
    cairo_stroke(cr);
    cairo_pattern_destroy(gold);
    // A glint down the left of the bowl.
    cairo_set_line_width(cr, 3);
    SetColor(cr, Bytes(255, 255, 240), 0.8);
    cairo_move_to(cr, cx - rimHalf + 20, rimY + 10);
    cairo_line_to(cr, cx - 18, bowlY - 24);
    cairo_stroke(cr);
}

// The whole emblem at Master x Master, corners transparent.
void DrawEmblem(Canvas& out) {
    cairo_t* cr = out.Cr();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_restore(cr);
    const double c = Master / 2.0;

    // Gold rim.
    Disc(cr, c - 3);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, Master, Master);
    cairo_pattern_add_color_stop_rgb(rim, 0, 0.98, 0.84, 0.5);
    cairo_pattern_add_color_stop_rgb(rim, 0.55, 0.7, 0.48, 0.2);
    cairo_pattern_add_color_stop_rgb(rim, 1, 0.45, 0.28, 0.1);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);

    // Dark leather inside, stitched near its edge.
    Canvas leather(Master, Master);
    PaintLeather(leather, 0, 0, Master, Master, Bytes(70, 34, 20), 7701);
    Disc(cr, c - 14);
    FillWithTexture(cr, leather);
    Disc(cr, c - 24);
    Stitch(cr, Bytes(226, 178, 104), 3);

    // A warm neon glow behind the glass.
    Disc(cr, c - 30);
    cairo_pattern_t* glow = cairo_pattern_create_radial(c, c - 12, 8, c, c, c - 30);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.42, 0.58, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 0.6, 0.72, 0.16, 0.3, 0.25);
    cairo_pattern_add_color_stop_rgba(glow, 1, 0.2, 0.06, 0.08, 0.0);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);

    Glass(cr);
    cairo_surface_flush(out.Surface());
}

// Halves `from` until it is `size` pixels wide; each step averages four pixels.
void ScaleTo(const Canvas& from, Canvas& to) {
    cairo_surface_t* src = cairo_surface_reference(from.Surface());
    int w = from.Width();
    while (w / 2 >= to.Width()) {
        cairo_surface_t* half = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w / 2, w / 2);
        cairo_t* cr = cairo_create(half);
        cairo_scale(cr, 0.5, 0.5);
        cairo_set_source_surface(cr, src, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_destroy(src);
        src = half;
        w /= 2;
    }
    cairo_t* cr = to.Cr();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_scale(cr, double(to.Width()) / w, double(to.Height()) / w);
    cairo_set_source_surface(cr, src, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(src);
    cairo_surface_flush(to.Surface());
}

void GenerateIcon(const ContentPaths& paths) {
    Canvas master(Master, Master);
    DrawEmblem(master);

    for (int size : AppIconSizes) {
        const std::string path = paths.Out + "/" + AppIconPngPath(size);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        Canvas icon(size, size);
        ScaleTo(master, icon);
        if (cairo_surface_write_to_png(icon.Surface(), path.c_str()) != CAIRO_STATUS_SUCCESS)
            throw ContentError("cannot write " + path);
    }

    // The window icon is opaque: the badge on the desk's dark wood.
    Canvas bmp(AppIconBmpSize, AppIconBmpSize);
    PaintWood(bmp, 0, 0, AppIconBmpSize, AppIconBmpSize, Bytes(40, 20, 10), Bytes(66, 36, 18), 7702,
              0.5);
    Canvas badge(AppIconBmpSize, AppIconBmpSize);
    ScaleTo(master, badge);
    cairo_set_source_surface(bmp.Cr(), badge.Surface(), 0, 0);
    cairo_paint(bmp.Cr());
    bmp.Save(paths.Out + "/Images/" + AppIconBmpFile);
}

} // namespace

} // namespace content

QLB_CONTENT_GENERATOR(interface_icon, content::GenerateIcon);
