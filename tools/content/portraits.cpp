// Portrait strips (130 x 130 cards) and icon strips (40 x 40) of every character and
// visitor group, composed from Noto Color Emoji glyphs on framed cards with props.
#include "Portraits.h"
#include "Generator.h"

#include <cmath>

namespace content {

namespace {

void Shaker(cairo_t* cr, double cx, double cy, double s) {
    // A three-piece cocktail shaker: body, shoulder, cap.
    const double w = s * 0.42, h = s * 0.9, top = cy - h / 2;
    cairo_move_to(cr, cx - w * 0.5, top + h * 0.35);
    cairo_line_to(cr, cx + w * 0.5, top + h * 0.35);
    cairo_line_to(cr, cx + w * 0.38, top + h);
    cairo_line_to(cr, cx - w * 0.38, top + h);
    cairo_close_path(cr);
    cairo_move_to(cr, cx - w * 0.5, top + h * 0.33);
    cairo_line_to(cr, cx - w * 0.26, top + h * 0.14);
    cairo_line_to(cr, cx + w * 0.26, top + h * 0.14);
    cairo_line_to(cr, cx + w * 0.5, top + h * 0.33);
    cairo_close_path(cr);
    RoundedRect(cr, cx - w * 0.16, top, w * 0.32, h * 0.13, s * 0.03);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - w / 2, 0, cx + w / 2, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.55, 0.57, 0.6);
    cairo_pattern_add_color_stop_rgb(g, 0.35, 0.98, 0.98, 1.0);
    cairo_pattern_add_color_stop_rgb(g, 0.6, 0.72, 0.74, 0.78);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.42, 0.44, 0.48);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, Bytes(60, 60, 70));
    cairo_set_line_width(cr, std::max(0.6, s * 0.025));
    cairo_stroke(cr);
}

void Mop(cairo_t* cr, double cx, double cy, double s) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, s * 0.09);
    SetColor(cr, Bytes(150, 96, 50));
    cairo_move_to(cr, cx + s * 0.3, cy - s * 0.5);
    cairo_line_to(cr, cx - s * 0.05, cy + s * 0.2);
    cairo_stroke(cr);
    cairo_set_line_width(cr, s * 0.06);
    for (int i = -4; i <= 4; ++i) {
        SetColor(cr, i % 2 ? Bytes(230, 226, 214) : Bytes(190, 186, 176));
        cairo_move_to(cr, cx - s * 0.05, cy + s * 0.2);
        cairo_curve_to(cr, cx - s * 0.05 + i * s * 0.03, cy + s * 0.3, cx + i * s * 0.06,
                       cy + s * 0.36, cx + i * s * 0.07, cy + s * 0.47);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void Badge(cairo_t* cr, double cx, double cy, double s) {
    // A gold shield with a star.
    const double w = s * 0.8, h = s * 0.92, top = cy - h / 2;
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, cx + w * 0.25, top + h * 0.08, cx + w * 0.4, top + h * 0.06, cx + w / 2,
                   top + h * 0.04);
    cairo_curve_to(cr, cx + w / 2, top + h * 0.55, cx + w * 0.3, top + h * 0.8, cx, top + h);
    cairo_curve_to(cr, cx - w * 0.3, top + h * 0.8, cx - w / 2, top + h * 0.55, cx - w / 2,
                   top + h * 0.04);
    cairo_curve_to(cr, cx - w * 0.4, top + h * 0.06, cx - w * 0.25, top + h * 0.08, cx, top);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - w / 2, top, cx + w / 2, top + h);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.9, 0.55);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.86, 0.66, 0.22);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.6, 0.42, 0.1);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, Bytes(90, 60, 10));
    cairo_set_line_width(cr, std::max(0.7, s * 0.035));
    cairo_stroke(cr);
    const double r = s * 0.2, sy = cy - s * 0.02;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? r * 0.45 : r;
        if (i == 0)
            cairo_move_to(cr, cx + rr * std::cos(a), sy + rr * std::sin(a));
        else
            cairo_line_to(cr, cx + rr * std::cos(a), sy + rr * std::sin(a));
    }
    cairo_close_path(cr);
    SetColor(cr, Bytes(40, 56, 110));
    cairo_fill(cr);
}

void Tray(cairo_t* cr, double cx, double cy, double s) {
    Emoji(cr, "\U0001F942", cx, cy - s * 0.16, s * 0.62);
    cairo_save(cr);
    cairo_translate(cr, cx, cy + s * 0.2);
    cairo_scale(cr, 1, 0.28);
    cairo_arc(cr, 0, 0, s * 0.5, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - s / 2, 0, cx + s / 2, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.6, 0.62, 0.66);
    cairo_pattern_add_color_stop_rgb(g, 0.4, 0.97, 0.97, 1.0);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.5, 0.52, 0.56);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, Bytes(70, 70, 80));
    cairo_set_line_width(cr, std::max(0.6, s * 0.025));
    cairo_stroke(cr);
}

// A soft light disc behind a prop lifts it off the card.
void Halo(cairo_t* cr, double cx, double cy, double r) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.85, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.95, 0.85, 0.0);
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Prop(cairo_t* cr, const std::string& prop, double cx, double cy, double size) {
    if (prop.empty()) return;
    if (prop == "@shaker")
        Shaker(cr, cx, cy, size);
    else if (prop == "@mop")
        Mop(cr, cx, cy, size);
    else if (prop == "@badge")
        Badge(cr, cx, cy, size);
    else if (prop == "@tray")
        Tray(cr, cx, cy, size);
    else if (prop[0] == '@')
        throw ContentError("unknown prop " + prop);
    else
        Emoji(cr, prop, cx, cy, size);
}

void CardBackground(cairo_t* cr, Rgb card, double x, double y, double w, double h, double light) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x + w * 0.5, y + h * 0.35, w * 0.05,
                                                     x + w * 0.5, y + h * 0.5, w * 0.75);
    const Rgb hi = Shade(card, 1.0 + light), lo = Shade(card, 0.5);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.R, hi.G, hi.B);
    cairo_pattern_add_color_stop_rgb(g, 0.55, card.R, card.G, card.B);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.R, lo.G, lo.B);
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Portrait(cairo_t* cr, const Sitter& s, double ox) {
    constexpr double S = PortraitSize;
    cairo_save(cr);
    cairo_translate(cr, ox, 0);
    // Gilt frame around the card.
    cairo_rectangle(cr, 0, 0, S, S);
    cairo_pattern_t* frame = cairo_pattern_create_linear(0, 0, S, S);
    cairo_pattern_add_color_stop_rgb(frame, 0, 0.96, 0.82, 0.5);
    cairo_pattern_add_color_stop_rgb(frame, 0.5, 0.7, 0.5, 0.2);
    cairo_pattern_add_color_stop_rgb(frame, 1, 0.46, 0.3, 0.1);
    cairo_set_source(cr, frame);
    cairo_fill(cr);
    cairo_pattern_destroy(frame);
    cairo_rectangle(cr, 0.5, 0.5, S - 1, S - 1);
    SetColor(cr, Bytes(60, 34, 10));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_rectangle(cr, 4.5, 4.5, S - 9, S - 9);
    SetColor(cr, Bytes(80, 50, 16));
    cairo_stroke(cr);
    cairo_rectangle(cr, 5, 5, S - 10, S - 10);
    cairo_clip(cr);
    CardBackground(cr, s.Card, 5, 5, S - 10, S - 10, 0.55);
    // A spotlight pool behind the sitter.
    cairo_save(cr);
    cairo_translate(cr, S / 2, S - 10);
    cairo_scale(cr, 1, 0.3);
    cairo_arc(cr, 0, 0, 52, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, Bytes(0, 0, 0), 0.25);
    cairo_fill(cr);
    const bool group = !s.Person2.empty();
    if (group) {
        Emoji(cr, s.Person2, 88, 84, 78);
        Emoji(cr, s.Person, 44, 82, 84);
    } else {
        Emoji(cr, s.Person, 62, 78, 100);
    }
    if (!s.Prop2.empty()) {
        Halo(cr, 24, 104, 22);
        Prop(cr, s.Prop2, 24, 104, 32);
    }
    if (!s.Prop1.empty()) {
        Halo(cr, 102, 98, 28);
        Prop(cr, s.Prop1, 102, 98, 42);
    }
    if (!s.Mood.empty()) {
        Halo(cr, 106, 26, 20);
        Emoji(cr, s.Mood, 106, 26, 30);
    }
    cairo_reset_clip(cr);
    // Glass sheen on the card.
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 5, 0, 60);
    cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 1, 1, 0.12);
    cairo_pattern_add_color_stop_rgba(sheen, 1, 1, 1, 1, 0.0);
    cairo_rectangle(cr, 5, 5, S - 10, 55);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
    cairo_restore(cr);
}

// The icon keeps the face inside the inner 30 x 30 part the floor plan shows, the prop in
// the bottom-left corner (the ruler's badge goes bottom right).
void Icon(cairo_t* cr, const Sitter& s, double ox) {
    constexpr double S = IconSize;
    cairo_save(cr);
    cairo_translate(cr, ox, 0);
    cairo_rectangle(cr, 0, 0, S, S);
    cairo_clip(cr);
    CardBackground(cr, s.Card, 0, 0, S, S, 0.6);
    const double fx = (IconInnerLeft + IconInnerRight) / 2.0;
    const double fy = (IconInnerTop + IconInnerBottom) / 2.0;
    const double size = IconInnerRight - IconInnerLeft - 1;
    if (!s.Mood.empty()) {
        Emoji(cr, s.Mood, fx, fy, size - 2);
    } else {
        const std::string& face = s.Face.empty() ? s.Person : s.Face;
        Emoji(cr, face, fx, fy + 1, size);
    }
    if (!s.Prop1.empty()) {
        Halo(cr, 8, 32, 9);
        Prop(cr, s.Prop1, 8, 32, 14);
    }
    cairo_restore(cr);
}

void GeneratePortraits(const ContentPaths& paths) {
    for (const auto& strip : PortraitStrips()) {
        const auto& cast = CastOf(strip.Name);
        if (cast.size() != strip.Frames.size())
            throw ContentError(strip.Name + ": the cast and the picture table disagree");
        const int n = int(cast.size());
        Canvas portraits(PortraitSize * n, PortraitSize);
        Canvas icons(IconSize * n, IconSize);
        for (int i = 0; i < n; ++i) {
            if (cast[i].Gender != strip.Frames[i].Gender)
                throw ContentError(strip.Name + " frame " + std::to_string(i) +
                                   ": the sitter's sex differs from the table's");
            Portrait(portraits.Cr(), cast[i], PortraitSize * i);
            Icon(icons.Cr(), cast[i], IconSize * i);
        }
        portraits.Save(paths.Out + "/Images/" + strip.Name + ".bmp");
        icons.Save(paths.Out + "/Images/" + strip.Name + "_i.bmp");
    }
}

} // namespace

} // namespace content

QLB_CONTENT_GENERATOR(portraits, content::GeneratePortraits);
