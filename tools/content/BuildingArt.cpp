#include "BuildingArt.h"

#include "Bmp.h"
#include "Desk.h"
#include "Generator.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

namespace {

struct Rgb {
    double r, g, b;
};

Rgb FromHex(unsigned c) {
    return {((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
void Set(cairo_t* cr, Rgb c, double a = 1.0) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, a);
}

const Rgb kPaper = FromHex(0xf4e9cf); // the notebook's paper
const Rgb kInk = FromHex(0x462403);

void Text(cairo_t* cr, const std::string& text, const char* font, double x, double y, double maxW,
          bool centre, int* outW = nullptr, int* outH = nullptr) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* fd = pango_font_description_from_string(font);
    pango_layout_set_font_description(layout, fd);
    pango_layout_set_text(layout, text.c_str(), -1);
    if (maxW > 0) {
        pango_layout_set_width(layout, static_cast<int>(maxW * PANGO_SCALE));
        pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
        if (centre) pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
    }
    int w, h;
    pango_layout_get_pixel_size(layout, &w, &h);
    if (outW) *outW = w;
    if (outH) *outH = h;
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(fd);
    g_object_unref(layout);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

// Night sky, stars and a little haze of the city's light.
void Sky(cairo_t* cr, std::mt19937& rng, int w, int h) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.03, 0.04, 0.12);
    cairo_pattern_add_color_stop_rgb(sky, 0.7, 0.12, 0.09, 0.22);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.30, 0.16, 0.18);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    std::uniform_real_distribution<double> ux(0, w), uy(0, h * 0.35), ua(0.3, 0.9);
    for (int i = 0; i < 28; ++i) {
        cairo_set_source_rgba(cr, 1, 1, 0.9, ua(rng));
        cairo_rectangle(cr, std::floor(ux(rng)), std::floor(uy(rng)), 1, 1);
        cairo_fill(cr);
    }
}

// A lit window with a warm glow and a hint of people inside.
void Window(cairo_t* cr, std::mt19937& rng, double x, double y, double w, double h, Rgb glow,
            bool arched) {
    cairo_save(cr);
    if (arched) {
        cairo_move_to(cr, x, y + h);
        cairo_line_to(cr, x, y + w / 2);
        cairo_arc(cr, x + w / 2, y + w / 2, w / 2, M_PI, 2 * M_PI);
        cairo_line_to(cr, x + w, y + h);
        cairo_close_path(cr);
    } else {
        cairo_rectangle(cr, x, y, w, h);
    }
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, glow.r, glow.g * 0.95, glow.b * 0.7);
    cairo_pattern_add_color_stop_rgb(p, 1, glow.r * 0.8, glow.g * 0.6, glow.b * 0.35);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_source_rgb(cr, 0.12, 0.08, 0.06);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // silhouettes
    std::uniform_int_distribution<int> n(0, 2);
    int people = n(rng);
    for (int i = 0; i < people; ++i) {
        double px = x + 4 + (w - 8) * (i + 0.5) / std::max(people, 1);
        cairo_set_source_rgba(cr, 0.2, 0.1, 0.08, 0.55);
        cairo_arc(cr, px, y + h - 9, 2.6, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_rectangle(cr, px - 3, y + h - 6.5, 6, 6.5);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// The building's name in neon: a soft glow under a bright tube.
// The largest size of the family, from 10 points down, at which the name fits the width.
std::string FittingFont(cairo_t* cr, const std::string& name, const std::string& family, double w) {
    for (int size = 10; size > 6; --size) {
        std::string font = family + " " + std::to_string(size);
        PangoLayout* layout = pango_cairo_create_layout(cr);
        PangoFontDescription* fd = pango_font_description_from_string(font.c_str());
        pango_layout_set_font_description(layout, fd);
        pango_layout_set_text(layout, name.c_str(), -1);
        int tw, th;
        pango_layout_get_pixel_size(layout, &tw, &th);
        pango_font_description_free(fd);
        g_object_unref(layout);
        if (tw <= w - 4) return font;
    }
    return family + " 7";
}

void NeonSign(cairo_t* cr, const std::string& name, Rgb colour, double x, double y, double w,
              const std::string& family) {
    const std::string fitted = FittingFont(cr, name, family, w);
    const char* font = fitted.c_str();
    for (int pass = 3; pass >= 0; --pass) {
        cairo_save(cr);
        int tw, th;
        PangoLayout* layout = pango_cairo_create_layout(cr);
        PangoFontDescription* fd = pango_font_description_from_string(font);
        pango_layout_set_font_description(layout, fd);
        pango_layout_set_text(layout, name.c_str(), -1);
        pango_layout_set_width(layout, static_cast<int>(w * PANGO_SCALE));
        pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
        pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
        pango_layout_get_pixel_size(layout, &tw, &th);
        cairo_move_to(cr, x, y);
        pango_cairo_layout_path(cr, layout);
        if (pass > 0) {
            Set(cr, colour, 0.18);
            cairo_set_line_width(cr, pass * 2.2);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(cr);
        } else {
            Set(cr, Mix(colour, {1, 1, 1}, 0.55));
            cairo_fill(cr);
        }
        pango_font_description_free(fd);
        g_object_unref(layout);
        cairo_restore(cr);
    }
}

void StreetLamp(cairo_t* cr, double x, double groundY) {
    cairo_set_source_rgb(cr, 0.08, 0.08, 0.1);
    cairo_rectangle(cr, x - 1, groundY - 52, 2, 52);
    cairo_fill(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(x, groundY - 54, 1, x, groundY - 54, 22);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.6, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.8, 0.4, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, groundY - 54, 22, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_set_source_rgb(cr, 1, 0.93, 0.7);
    cairo_arc(cr, x, groundY - 54, 3, 0, 2 * M_PI);
    cairo_fill(cr);
}

void Photo(cairo_t* cr, const BuildingDef& def) {
    const int W = PhotoW, H = PhotoH;
    std::mt19937 rng(static_cast<unsigned>(def.Record.Id) * 7919u);
    Sky(cr, rng, W, H);
    const std::string& st = def.Style;
    const Rgb wall = def.WallColour ? FromHex(def.WallColour) : FromHex(0x7a5a44);
    const Rgb sign = def.SignColour ? FromHex(def.SignColour) : FromHex(0xffcc66);
    const bool tall = st == "club" || st == "supper" || st == "teenclub";
    const double ground = H - 14;
    const double top = tall ? 14 : 34;

    // neighbouring houses in the dark
    cairo_set_source_rgb(cr, 0.07, 0.06, 0.1);
    cairo_rectangle(cr, 0, top + 16, 18, ground - top);
    cairo_rectangle(cr, W - 18, top + 8, 18, ground - top);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 1, 0.85, 0.5, 0.6);
    cairo_rectangle(cr, 5, top + 30, 6, 8);
    cairo_rectangle(cr, W - 12, top + 22, 6, 8);
    cairo_fill(cr);

    // the facade
    cairo_pattern_t* f = cairo_pattern_create_linear(0, top, 0, ground);
    cairo_pattern_add_color_stop_rgb(f, 0, wall.r * 0.55, wall.g * 0.55, wall.b * 0.6);
    cairo_pattern_add_color_stop_rgb(f, 1, wall.r * 0.9, wall.g * 0.85, wall.b * 0.85);
    cairo_set_source(cr, f);
    cairo_rectangle(cr, 20, top, W - 40, ground - top);
    cairo_fill(cr);
    cairo_pattern_destroy(f);
    // brick or panel texture
    std::uniform_real_distribution<double> jitter(-0.04, 0.04);
    for (double y = top + 4; y < ground; y += 6) {
        for (double x = 20 + (static_cast<int>(y) % 12 ? 0 : 6); x < W - 20; x += 12) {
            cairo_set_source_rgba(cr, 0, 0, 0, 0.08 + jitter(rng));
            cairo_rectangle(cr, x, y, 11, 0.8);
            cairo_fill(cr);
        }
    }
    // roof line
    cairo_set_source_rgb(cr, wall.r * 0.35, wall.g * 0.35, wall.b * 0.4);
    cairo_rectangle(cr, 17, top - 4, W - 34, 5);
    cairo_fill(cr);

    const Rgb warm = {1.0, 0.82, 0.48};
    const Rgb cool = Mix(sign, {1, 1, 1}, 0.3);
    const Rgb glow =
        (st == "lounge" || st == "strip" || st == "teenclub" || st == "club") ? cool : warm;
    if (tall) {
        for (int row = 0; row < 2; ++row)
            for (int i = 0; i < 4; ++i)
                Window(cr, rng, 30 + i * 33, top + 8 + row * 20, 18, 13, Mix(glow, warm, 0.5),
                       false);
    } else {
        for (int i = 0; i < 4; ++i)
            Window(cr, rng, 30 + i * 33, top + 6, 16, 12, warm, st == "restaurant");
    }
    // the sign board
    const double signY = tall ? top + 52 : top + 26;
    cairo_set_source_rgba(cr, 0.05, 0.03, 0.05, 0.85);
    RoundRect(cr, 26, signY, W - 52, 22, 4);
    cairo_fill(cr);
    const char* family = st == "pub" || st == "restaurant" || st == "supper"
                             ? "Liberation Serif Bold"
                             : "Liberation Sans Bold";
    NeonSign(cr, def.Record.Name, sign, 28, signY + 3, W - 56, family);
    // bulbs around a marquee
    if (st == "supper" || st == "club") {
        for (double x = 28; x < W - 26; x += 8) {
            cairo_set_source_rgb(cr, 1, 0.92, 0.6);
            cairo_arc(cr, x, signY - 2, 1.3, 0, 2 * M_PI);
            cairo_arc(cr, x, signY + 24, 1.3, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    // the shop front
    const double frontY = signY + 27;
    const double frontH = ground - frontY;
    if (st == "cafe" || st == "diner") {
        // striped awning
        for (int i = 0; i < 10; ++i) {
            Set(cr, i % 2 ? Rgb{0.95, 0.92, 0.85} : Mix(sign, {0.5, 0.1, 0.1}, 0.3));
            cairo_move_to(cr, 24 + i * 13.6, frontY);
            cairo_line_to(cr, 24 + (i + 1) * 13.6, frontY);
            cairo_line_to(cr, 22 + (i + 1) * 13.6, frontY + 9);
            cairo_line_to(cr, 22 + i * 13.6, frontY + 9);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
    }
    Window(cr, rng, 30, frontY + 11, 44, frontH - 14, warm, false);
    Window(cr, rng, W - 74, frontY + 11, 44, frontH - 14, warm, false);
    // door
    cairo_set_source_rgb(cr, 0.22, 0.12, 0.07);
    cairo_rectangle(cr, W / 2.0 - 10, frontY + 8, 20, frontH - 8);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, warm.r, warm.g, warm.b, 0.7);
    cairo_rectangle(cr, W / 2.0 - 7, frontY + 11, 14, 10);
    cairo_fill(cr);
    if (st == "lounge" || st == "strip" || st == "club" || st == "supper") {
        // velvet rope and a doorman's light
        cairo_set_source_rgb(cr, 0.75, 0.62, 0.25);
        cairo_rectangle(cr, W / 2.0 - 22, ground - 9, 2, 9);
        cairo_rectangle(cr, W / 2.0 + 20, ground - 9, 2, 9);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0.6, 0.05, 0.12);
        cairo_set_line_width(cr, 1.6);
        cairo_move_to(cr, W / 2.0 - 21, ground - 8);
        cairo_curve_to(cr, W / 2.0 - 10, ground - 3, W / 2.0 + 10, ground - 3, W / 2.0 + 21,
                       ground - 8);
        cairo_stroke(cr);
    }
    if (st == "teenclub" || st == "club") {
        // search lights
        for (int i = 0; i < 2; ++i) {
            cairo_save(cr);
            Set(cr, sign, 0.12);
            double bx = i ? W - 40 : 40;
            cairo_move_to(cr, bx, top);
            cairo_line_to(cr, bx + (i ? 30 : -30), 0);
            cairo_line_to(cr, bx + (i ? 48 : -12), 0);
            cairo_close_path(cr);
            cairo_fill(cr);
            cairo_restore(cr);
        }
    }
    // pavement and lamp
    cairo_set_source_rgb(cr, 0.16, 0.15, 0.17);
    cairo_rectangle(cr, 0, ground, W, H - ground);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, glow.r, glow.g, glow.b, 0.18);
    cairo_rectangle(cr, 30, ground, W - 60, 5);
    cairo_fill(cr);
    StreetLamp(cr, 10, ground);
}

// Where the plan page draws the floor plan, in play-area coordinates.
constexpr int PlanLeft = 85, PlanTop = 68;

// The notebook page under the floor plan, painted once for all buildings.
const content::Canvas& NotebookPage() {
    static const content::Canvas* scene = [] {
        auto* c = new content::Canvas(1280, 1024);
        content::PaintNotebookPaper(*c, PlanLeft, PlanTop, PlanMaxW, PlanMaxH);
        return c;
    }();
    return *scene;
}

void Plan(cairo_t* cr, const BuildingDef& def, int W, int H) {
    cairo_set_source_surface(cr, NotebookPage().Surface(), -(content::PlayX + PlanLeft),
                             -(content::PlayY + PlanTop));
    cairo_paint(cr);
    // faint drafting grid under the rooms only
    cairo_set_line_width(cr, 1);
    for (const PlanRoom& r : def.Rooms) {
        Set(cr, Mix(kPaper, {1, 1, 1}, 0.5), 0.55);
        cairo_rectangle(cr, r.X, r.Y, r.W, r.H);
        cairo_fill(cr);
    }
    cairo_set_source_rgba(cr, 0.27, 0.14, 0.01, 0.07);
    for (int x = 8; x < W; x += 10) {
        cairo_move_to(cr, x + 0.5, PlanNewsRows);
        cairo_line_to(cr, x + 0.5, H);
    }
    for (int y = PlanNewsRows + 4; y < H; y += 10) {
        cairo_move_to(cr, 0, y + 0.5);
        cairo_line_to(cr, W, y + 0.5);
    }
    cairo_stroke(cr);

    auto itemFill = [&](const std::string& k) -> Rgb {
        if (k == "bar" || k == "counter") return FromHex(0x9c6b3c);
        if (k == "table") return FromHex(0xc79a63);
        if (k == "booth" || k == "sofa") return FromHex(0x8e3b46);
        if (k == "stage") return FromHex(0x6d4a8c);
        if (k == "dancefloor") return FromHex(0x3b5b8c);
        if (k == "stove") return FromHex(0x707070);
        if (k == "plant") return FromHex(0x4f8a3b);
        if (k == "pole") return FromHex(0xd0d0d0);
        if (k == "dj") return FromHex(0x2d2d3a);
        return FromHex(0xb08050);
    };
    for (const PlanItem& it : def.Items) {
        if (it.Kind == "dancefloor") {
            for (int gy = 0; gy < it.H; gy += 10)
                for (int gx = 0; gx < it.W; gx += 10) {
                    bool dark = ((gx + gy) / 10) % 2;
                    Set(cr, Mix(itemFill(it.Kind), {1, 1, 1}, dark ? 0.15 : 0.45));
                    cairo_rectangle(cr, it.X + gx, it.Y + gy, std::min(10, it.W - gx),
                                    std::min(10, it.H - gy));
                    cairo_fill(cr);
                }
            continue;
        }
        if (it.Kind == "table" || it.Kind == "plant" || it.Kind == "pole") {
            double cx = it.X + it.W / 2.0, cy = it.Y + it.H / 2.0;
            Set(cr, itemFill(it.Kind));
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, it.W / 2.0, it.H / 2.0);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            cairo_fill_preserve(cr);
            Set(cr, kInk, 0.7);
            cairo_stroke(cr);
            if (it.Kind == "table") // chairs
                for (int i = 0; i < 4; ++i) {
                    double a = i * M_PI / 2 + M_PI / 4;
                    Set(cr, FromHex(0x7b5532));
                    cairo_arc(cr, cx + std::cos(a) * (it.W / 2.0 + 4),
                              cy + std::sin(a) * (it.H / 2.0 + 4), 2.6, 0, 2 * M_PI);
                    cairo_fill(cr);
                }
            continue;
        }
        Set(cr, itemFill(it.Kind));
        RoundRect(cr, it.X, it.Y, it.W, it.H, std::min(3, std::min(it.W, it.H) / 3));
        cairo_fill_preserve(cr);
        Set(cr, kInk, 0.75);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        if (it.Kind == "stove") {
            for (int b = 0; b < it.W / 14; ++b) {
                cairo_set_source_rgb(cr, 0.25, 0.25, 0.25);
                cairo_arc(cr, it.X + 7 + b * 14, it.Y + it.H / 2.0, 4, 0, 2 * M_PI);
                cairo_stroke(cr);
            }
        }
    }
    // walls and labels
    cairo_set_line_width(cr, 3);
    Set(cr, kInk);
    for (const PlanRoom& r : def.Rooms) {
        cairo_rectangle(cr, r.X + 1.5, r.Y + 1.5, r.W - 3, r.H - 3);
        cairo_stroke(cr);
    }
    for (const PlanRoom& r : def.Rooms) {
        if (r.Label.empty() || r.Label == "Hall") continue;
        Set(cr, kInk, 0.8);
        Text(cr, r.Label, "Liberation Sans Italic 7", r.X + 4, r.Y + r.H - 13, r.W - 8, false);
    }
    // each staff position's place: a light pad under the box the game draws
    for (int i = 0; i < VacancyCount; ++i) {
        const Vacancy& v = def.Record.Vacancies[i];
        if (!v.Open) continue;
        Set(cr, Mix(kPaper, {1, 1, 1}, 0.6));
        cairo_rectangle(cr, v.X, v.Y, 30, 30);
        cairo_fill(cr);
        cairo_set_line_width(cr, 1);
        cairo_set_source_rgba(cr, 0.27, 0.14, 0.01, 0.35);
        cairo_rectangle(cr, v.X + 0.5, v.Y + 0.5, 29, 29);
        cairo_stroke(cr);
    }
    // title block in the corner
    Set(cr, kInk, 0.85);
    Text(cr, std::string(def.Record.Name) + " - ground floor", "Liberation Serif Italic 8", 10,
         H - 1 - 14, 0, false);
}

} // namespace

void DrawBuildingPhoto(const BuildingDef& def, const std::string& path) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, PhotoW, PhotoH);
    cairo_t* cr = cairo_create(s);
    Photo(cr, def);
    cairo_destroy(cr);
    content::WriteBmp(path, s);
    cairo_surface_destroy(s);
}

void DrawFloorPlan(const BuildingDef& def, const std::string& path) {
    int w = 0, h = 0;
    for (const PlanRoom& r : def.Rooms) {
        w = std::max(w, r.X + r.W + 4);
        h = std::max(h, r.Y + r.H + 18);
    }
    w = std::min(std::max(w, 200), PlanMaxW);
    h = std::min(std::max(h, 200), PlanMaxH);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(s);
    Plan(cr, def, w, h);
    cairo_destroy(cr);
    content::WriteBmp(path, s);
    cairo_surface_destroy(s);
}
