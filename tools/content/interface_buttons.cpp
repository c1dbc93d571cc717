// pscreenbtns: the buttons and scroll-bar pieces the palm pages and the message window
// copy out by cell.
#include "Desk.h"
#include "Generator.h"

#include <cmath>
#include <map>

namespace content {

namespace {

constexpr Rgb Brown = Bytes(126, 72, 34);
constexpr Rgb Green = Bytes(52, 106, 46);
constexpr Rgb Red = Bytes(150, 44, 32);
constexpr Rgb Plum = Bytes(104, 52, 86);

struct Sheet {
    cairo_t* cr;
    std::map<std::string, Cell> cells;
    const Cell& operator[](const std::string& name) const {
        auto it = cells.find(name);
        if (it == cells.end()) throw ContentError("pscreenbtns has no cell " + name);
        return it->second;
    }
    void Button(const std::string& name, const std::string& label,
                ButtonLook look = ButtonLook::Normal, Rgb face = Brown, double px = 11) const {
        const Cell& c = (*this)[name];
        content::Button(cr, c.Left, c.Top, c.Right - c.Left, c.Bottom - c.Top, label, look, face,
                        px);
    }
};

void Triangle(cairo_t* cr, double cx, double cy, double size, int dx, int dy, Rgb color) {
    cairo_move_to(cr, cx + dx * size, cy + dy * size);
    cairo_line_to(cr, cx - dx * size * 0.7 - dy * size, cy - dy * size * 0.7 - dx * size);
    cairo_line_to(cr, cx - dx * size * 0.7 + dy * size, cy - dy * size * 0.7 + dx * size);
    cairo_close_path(cr);
    SetColor(cr, color);
    cairo_fill(cr);
}

void ArrowButton(const Sheet& s, const std::string& name, const std::string& label, bool right,
                 bool greyed) {
    const Cell& c = s[name];
    const double w = c.Right - c.Left, h = c.Bottom - c.Top;
    Button(s.cr, c.Left, c.Top, w, h, "", greyed ? ButtonLook::Greyed : ButtonLook::Normal, Brown);
    const Rgb ink = greyed ? Bytes(214, 200, 178) : Bytes(255, 238, 196);
    const double tx = right ? c.Right - 9 : c.Left + 9;
    Triangle(s.cr, tx, c.Top + h / 2, 4.5, right ? 1 : -1, 0, ink);
    Label(s.cr, label, {"Liberation Sans", 10.5, true}, ink, c.Left + (right ? 3 : 14), c.Top,
          w - 17, h);
}

void Tab(const Sheet& s, const std::string& name, const std::string& label) {
    const Cell& c = s[name];
    cairo_t* cr = s.cr;
    const double x = c.Left, y = c.Top, w = c.Right - c.Left, h = c.Bottom - c.Top, r = 5;
    auto shape = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, x, y + h);
        cairo_line_to(cr, x, y + r);
        cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
        cairo_line_to(cr, x + w - r, y);
        cairo_arc(cr, x + w - r, y + r, r, 1.5 * M_PI, 2 * M_PI);
        cairo_line_to(cr, x + w, y + h);
        cairo_close_path(cr);
    };
    shape();
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.66, 0.42, 0.22);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.42, 0.24, 0.11);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    shape();
    SetColor(cr, Bytes(60, 30, 10));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    SetColor(cr, Bytes(255, 230, 190), 0.45);
    cairo_move_to(cr, x + r, y + 1.5);
    cairo_line_to(cr, x + w - r, y + 1.5);
    cairo_stroke(cr);
    Label(cr, label, {"Liberation Sans", 10.5, true}, Bytes(50, 24, 6), x, y + 2, w, h);
    Label(cr, label, {"Liberation Sans", 10.5, true}, Bytes(255, 238, 200), x, y + 1, w, h);
}

void BackButton(const Sheet& s) {
    const Cell& c = s["back"];
    cairo_t* cr = s.cr;
    const double cx = c.Left + 7, cy = c.Top + 7;
    cairo_arc(cr, cx, cy, 6.8, 0, 2 * M_PI);
    SetColor(cr, Bytes(60, 30, 10));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 5.8, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, c.Top, 0, c.Bottom);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.72, 0.46, 0.24);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.38, 0.2, 0.08);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Triangle(cr, cx - 0.5, cy, 3.2, -1, 0, Bytes(255, 238, 196));
}

void ScrollBar(const Sheet& s, const std::string& name, bool active) {
    const Cell& c = s[name];
    cairo_t* cr = s.cr;
    const double x = c.Left, w = 20;
    cairo_rectangle(cr, x, c.Top, w, c.Bottom - c.Top);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
    const Rgb a = active ? Bytes(150, 102, 54) : Bytes(186, 146, 86);
    const Rgb b = active ? Bytes(184, 134, 76) : Bytes(200, 162, 98);
    cairo_pattern_add_color_stop_rgb(g, 0, a.R, a.G, a.B);
    cairo_pattern_add_color_stop_rgb(g, 0.5, b.R, b.G, b.B);
    cairo_pattern_add_color_stop_rgb(g, 1, a.R, a.G, a.B);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, Bytes(110, 70, 34), active ? 1.0 : 0.5);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, x + 0.5, c.Top);
    cairo_line_to(cr, x + 0.5, c.Bottom);
    cairo_stroke(cr);
    const ButtonLook look = active ? ButtonLook::Normal : ButtonLook::Greyed;
    for (int end = 0; end < 2; ++end) {
        const double y = end == 0 ? c.Top : c.Bottom - 20;
        Button(cr, x + 1, y + 1, w - 2, 18, "", look, Brown);
        Triangle(cr, x + 10, y + 10.5, 4.5, 0, end == 0 ? -1 : 1,
                 active ? Bytes(255, 238, 196) : Bytes(214, 200, 178));
    }
}

void Thumb(const Sheet& s) {
    const Cell& c = s["thumb"];
    cairo_t* cr = s.cr;
    // The thumb sits on the active bar: paint the track behind it first.
    cairo_rectangle(cr, c.Left, c.Top, 20, 70);
    cairo_pattern_t* g = cairo_pattern_create_linear(c.Left, 0, c.Left + 20, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 150 / 255.0, 102 / 255.0, 54 / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 184 / 255.0, 134 / 255.0, 76 / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, 150 / 255.0, 102 / 255.0, 54 / 255.0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Button(cr, c.Left + 2, c.Top + 1, 16, 68, "", ButtonLook::Normal, Bytes(112, 62, 28));
    cairo_set_line_width(cr, 1);
    for (int i = -2; i <= 2; ++i) {
        const double y = c.Top + 35 + i * 4 + 0.5;
        SetColor(cr, Bytes(50, 24, 8), 0.8);
        cairo_move_to(cr, c.Left + 6, y);
        cairo_line_to(cr, c.Left + 14, y);
        cairo_stroke(cr);
        SetColor(cr, Bytes(255, 224, 170), 0.5);
        cairo_move_to(cr, c.Left + 6, y + 1);
        cairo_line_to(cr, c.Left + 14, y + 1);
        cairo_stroke(cr);
    }
}

void CandidateBadge(const Sheet& s, const std::string& name, bool seen) {
    const Cell& c = s[name];
    cairo_t* cr = s.cr;
    const Rgb fill = seen ? Bytes(96, 132, 62) : Bytes(214, 56, 28);
    cairo_rectangle(cr, c.Left, c.Top, 10, 13);
    SetColor(cr, Shade(fill, 0.45));
    cairo_fill(cr);
    cairo_rectangle(cr, c.Left + 1, c.Top + 1, 8, 11);
    SetColor(cr, fill);
    cairo_fill(cr);
    SetColor(cr, Bytes(255, 246, 222));
    if (seen) {
        cairo_set_line_width(cr, 1.6);
        cairo_move_to(cr, c.Left + 2.2, c.Top + 6.8);
        cairo_line_to(cr, c.Left + 4.4, c.Top + 9.2);
        cairo_line_to(cr, c.Left + 7.8, c.Top + 3.6);
        cairo_stroke(cr);
    } else {
        cairo_rectangle(cr, c.Left + 4, c.Top + 2.5, 2, 5.5);
        cairo_rectangle(cr, c.Left + 4, c.Top + 9, 2, 2);
        cairo_fill(cr);
    }
}

void GenerateScreenButtons(const ContentPaths& paths) {
    const Picture* table = nullptr;
    const auto pics = InterfacePictures();
    for (const auto& p : pics)
        if (p.File == "pscreenbtns.bmp") table = &p;
    if (!table) throw ContentError("pscreenbtns is missing from the table");
    Canvas canvas(table->Width, table->Height);
    Sheet s{canvas.Cr(), {}};
    for (const auto& c : table->Cells)
        s.cells[c.Name] = c;
    cairo_t* cr = canvas.Cr();
    SetColor(cr, PageColor);
    cairo_paint(cr);

    s.Button("ok", "OK");
    s.Button("cancel", "Cancel");
    s.Button("yes", "Yes");
    s.Button("no", "No");
    s.Button("about", "About");
    s.Button("continue", "Continue");
    s.Button("continue_grey", "Continue", ButtonLook::Greyed);
    s.Button("new_game", "New Game");
    s.Button("load_game", "Load Game");
    s.Button("save_game", "Save Game");
    s.Button("save_game_grey", "Save Game", ButtonLook::Greyed);
    s.Button("exit", "Exit");
    s.Button("difficulty0", "Easy", ButtonLook::Normal, Green);
    s.Button("difficulty1", "Normal", ButtonLook::Normal, Brown);
    s.Button("difficulty2", "Hard", ButtonLook::Normal, Bytes(168, 88, 24));
    s.Button("difficulty3", "Expert", ButtonLook::Normal, Red);
    Tab(s, "tab_details", "Details");
    Tab(s, "tab_statistics", "Statistics");
    Tab(s, "tab_manage", "Manage");
    ArrowButton(s, "prev", "Previous", false, false);
    ArrowButton(s, "prev_grey", "Previous", false, true);
    ArrowButton(s, "next", "Next", true, false);
    ArrowButton(s, "next_grey", "Next", true, true);
    s.Button("buy", "Buy", ButtonLook::Normal, Green, 12);
    s.Button("fee", "Set", ButtonLook::Normal, Brown, 9.5);
    s.Button("row_order", "Order", ButtonLook::Normal, Green, 9.5);
    s.Button("find", "Find");
    s.Button("rename", "Rename");
    s.Button("sell", "Sell", ButtonLook::Normal, Red);
    s.Button("upgrade", "Upgrade", ButtonLook::Normal, Green);
    s.Button("hire", "Hire", ButtonLook::Normal, Green, 12);
    s.Button("fire", "Fire", ButtonLook::Normal, Red, 12);
    s.Button("borrow", "Borrow", ButtonLook::Normal, Green);
    s.Button("pay_debt", "Pay Debt", ButtonLook::Normal, Plum, 10.5);
    s.Button("order", "Order", ButtonLook::Normal, Green);
    s.Button("level", "Choose", ButtonLook::Normal, Brown, 9.5);
    BackButton(s);
    ScrollBar(s, "scroll_active", true);
    ScrollBar(s, "scroll_inactive", false);
    Thumb(s);
    static const char* const moods[7] = {"\U0001F621", "\U0001F620", "\U0001F612", "\U0001F610",
                                         "\U0001F642", "\U0001F60A", "\U0001F604"};
    for (int i = 0; i < 7; ++i) {
        const Cell& c = s["mood" + std::to_string(i)];
        Emoji(cr, moods[i], c.Left + 15, c.Top + 15, 26);
    }
    CandidateBadge(s, "badge_viewed", true);
    CandidateBadge(s, "badge_new", false);
    for (int m = 0; m < 5; ++m) {
        const Cell& c = s["alert" + std::to_string(m)];
        PaintAlertBadge(cr, m, c.Left, c.Top);
    }
    canvas.Save(paths.Out + "/Images/pscreenbtns.bmp");
}

} // namespace

} // namespace content

QLB_CONTENT_GENERATOR(interface_buttons, content::GenerateScreenButtons);
