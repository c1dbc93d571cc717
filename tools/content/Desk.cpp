#include "Desk.h"

#include <cmath>
#include <string>

namespace content {

namespace {

constexpr Rgb DeskDark = Bytes(30, 16, 8);
constexpr Rgb DeskLight = Bytes(86, 48, 23);
constexpr Rgb CoverLeather = Bytes(92, 30, 24);
constexpr Rgb OrganiserLeather = Bytes(112, 64, 34);
constexpr Rgb Paper = Bytes(244, 233, 207);
constexpr Rgb Ink = Bytes(88, 48, 26);
constexpr Rgb Thread = Bytes(206, 164, 102);
constexpr Rgb Brass = Bytes(214, 172, 92);
constexpr Rgb RulerDark = Bytes(168, 116, 62);
constexpr Rgb RulerLight = Bytes(226, 182, 120);

constexpr Rgb TabColors[6] = {Bytes(128, 32, 36),  Bytes(44, 92, 56), Bytes(38, 60, 108),
                              Bytes(170, 116, 30), Bytes(96, 44, 92), Bytes(30, 98, 102)};

// Play-area coordinates on the scene canvas.
struct Play {
    cairo_t* cr;
    explicit Play(Canvas& c) : cr(c.Cr()) {
        cairo_save(cr);
        cairo_translate(cr, PlayX, PlayY);
    }
    ~Play() { cairo_restore(cr); }
};

void PaintPlanks(Canvas& c) {
    const int plank = 171;
    for (int i = 0; i * plank < c.Height(); ++i)
        PaintWood(c, 0, i * plank, c.Width(), plank, DeskDark, DeskLight, 40 + uint32_t(i));
    cairo_t* cr = c.Cr();
    cairo_set_line_width(cr, 2);
    for (int i = 1; i * plank < c.Height(); ++i) {
        SetColor(cr, Bytes(8, 4, 2), 0.8);
        cairo_move_to(cr, 0, i * plank);
        cairo_line_to(cr, c.Width(), i * plank);
        cairo_stroke(cr);
        SetColor(cr, Bytes(140, 90, 50), 0.15);
        cairo_move_to(cr, 0, i * plank + 1.5);
        cairo_line_to(cr, c.Width(), i * plank + 1.5);
        cairo_stroke(cr);
    }
    // Warm lamp light from the top left of the play area, dark corners.
    cairo_pattern_t* lamp = cairo_pattern_create_radial(560, 330, 40, 620, 480, 760);
    cairo_pattern_add_color_stop_rgba(lamp, 0, 1.0, 0.72, 0.35, 0.20);
    cairo_pattern_add_color_stop_rgba(lamp, 1, 1.0, 0.6, 0.3, 0.0);
    cairo_set_source(cr, lamp);
    cairo_paint(cr);
    cairo_pattern_destroy(lamp);
    cairo_pattern_t* vig = cairo_pattern_create_radial(640, 500, 300, 640, 512, 900);
    cairo_pattern_add_color_stop_rgba(vig, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(vig, 1, 0, 0, 0, 0.6);
    cairo_set_source(cr, vig);
    cairo_paint(cr);
    cairo_pattern_destroy(vig);
}

void PaintProps(Canvas& c) {
    cairo_t* cr = c.Cr();
    // A cork coaster with a cocktail, left of the notebook.
    cairo_arc(cr, 128, 336, 72, 0, 2 * M_PI);
    DropShadow(cr, 6, 8, 10, 0.6);
    Canvas cork(c.Width(), c.Height());
    PaintLeather(cork, 50, 258, 160, 160, Bytes(170, 120, 72), 77);
    cairo_arc(cr, 128, 336, 72, 0, 2 * M_PI);
    FillWithTexture(cr, cork);
    cairo_arc(cr, 128, 336, 62, 0, 2 * M_PI);
    Stitch(cr, Bytes(120, 70, 36), 1.0);
    Emoji(cr, "\U0001F378", 128, 330, 104);
    // Coins and a key below the ruler, a coffee on the right, reading glasses.
    Emoji(cr, "\U0001FA99", 140, 870, 64);
    Emoji(cr, "\U0001FA99", 190, 906, 58);
    cairo_arc(cr, 1158, 426, 66, 0, 2 * M_PI);
    DropShadow(cr, 6, 8, 10, 0.55);
    cairo_arc(cr, 1158, 426, 66, 0, 2 * M_PI);
    cairo_pattern_t* saucer = cairo_pattern_create_radial(1140, 410, 10, 1158, 426, 66);
    cairo_pattern_add_color_stop_rgb(saucer, 0, 0.97, 0.94, 0.88);
    cairo_pattern_add_color_stop_rgb(saucer, 1, 0.72, 0.66, 0.58);
    cairo_set_source(cr, saucer);
    cairo_fill(cr);
    cairo_pattern_destroy(saucer);
    Emoji(cr, "\u2615", 1156, 420, 96);
    Emoji(cr, "\U0001F511", 1150, 884, 70);
    Emoji(cr, "\U0001F453", 640, 912, 110);
    // Business cards and a fountain pen above the play area.
    for (int i = 0; i < 2; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 420 + i * 14, 70 + i * 10);
        cairo_rotate(cr, -0.08 + i * 0.07);
        cairo_rectangle(cr, 0, 0, 176, 98);
        DropShadow(cr, 3, 4, 5, 0.5);
        cairo_rectangle(cr, 0, 0, 176, 98);
        SetColor(cr, Bytes(246, 238, 220));
        cairo_fill(cr);
        SetColor(cr, Bytes(150, 40, 36));
        cairo_rectangle(cr, 0, 0, 176, 6);
        cairo_fill(cr);
        Label(cr, "QUELBRIN", {"Liberation Serif", 20, true}, Bytes(120, 36, 30), 0, 22, 176, 30);
        Label(cr, "bars \u00b7 restaurants \u00b7 night clubs", {"Liberation Sans", 10}, Ink, 0, 52,
              176, 16);
        Label(cr, "www.quelbrin.example", {"Liberation Sans", 9, false, true}, Ink, 0, 70, 176, 14);
        cairo_restore(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, 760, 150);
    cairo_rotate(cr, -0.22);
    RoundedRect(cr, 0, 0, 230, 18, 9);
    DropShadow(cr, 4, 6, 5, 0.6);
    RoundedRect(cr, 0, 0, 230, 18, 9);
    cairo_pattern_t* pen = cairo_pattern_create_linear(0, 0, 0, 18);
    cairo_pattern_add_color_stop_rgb(pen, 0, 0.35, 0.08, 0.08);
    cairo_pattern_add_color_stop_rgb(pen, 0.35, 0.18, 0.03, 0.03);
    cairo_pattern_add_color_stop_rgb(pen, 1, 0.06, 0.01, 0.01);
    cairo_set_source(cr, pen);
    cairo_fill(cr);
    cairo_pattern_destroy(pen);
    SetColor(cr, Brass);
    cairo_rectangle(cr, 150, 0, 8, 18);
    cairo_fill(cr);
    RoundedRect(cr, 160, -3, 60, 5, 2);
    cairo_fill(cr);
    cairo_move_to(cr, 0, 4);
    cairo_line_to(cr, -34, 9);
    cairo_line_to(cr, 0, 14);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

constexpr uint32_t PaperSeed = 21;

// The page's ruled lines, in play-area coordinates.
void RuleLines(cairo_t* cr) {
    cairo_set_line_width(cr, 1);
    SetColor(cr, Bytes(150, 150, 190), 0.28);
    for (int y = 66; y < 444; y += 19) {
        cairo_move_to(cr, 31, y + 0.5);
        cairo_line_to(cr, 467, y + 0.5);
    }
    cairo_stroke(cr);
}

void PaintOpenNotebook(Canvas& c) {
    Play p(c);
    cairo_t* cr = p.cr;
    RoundedRect(cr, 2, 3, 478, 459, 12);
    DropShadow(cr, 7, 9, 12, 0.7);
    Canvas leather(c.Width(), c.Height());
    PaintLeather(leather, PlayX, PlayY, 482, 466, CoverLeather, 11);
    RoundedRect(cr, 2, 3, 478, 459, 12);
    // Texture canvases are in scene coordinates.
    cairo_save(cr);
    cairo_set_source_surface(cr, leather.Surface(), -PlayX, -PlayY);
    cairo_fill(cr);
    cairo_restore(cr);
    RoundedRect(cr, 8, 9, 466, 447, 8);
    Stitch(cr, Thread);
    // Page stack: a few sheets peeking out right and below.
    for (int i = 3; i >= 1; --i) {
        cairo_rectangle(cr, 30 + i, 12 + i, 438 + i, 436 + i);
        SetColor(cr, Mix(Paper, Bytes(150, 120, 80), 0.12 * i));
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 30, 12, 438, 436);
    DropShadow(cr, 1, 1, 2, 0.4);
    Canvas paper(c.Width(), c.Height());
    PaintPaper(paper, PlayX + 30, PlayY + 12, 438, 436, Paper, PaperSeed);
    cairo_rectangle(cr, 30, 12, 438, 436);
    cairo_save(cr);
    cairo_set_source_surface(cr, paper.Surface(), -PlayX, -PlayY);
    cairo_fill(cr);
    cairo_restore(cr);
    // The page curves into the binding on the left.
    cairo_pattern_t* bind = cairo_pattern_create_linear(30, 0, 48, 0);
    cairo_pattern_add_color_stop_rgba(bind, 0, 0.3, 0.18, 0.08, 0.35);
    cairo_pattern_add_color_stop_rgba(bind, 1, 0.3, 0.18, 0.08, 0.0);
    cairo_rectangle(cr, 30, 12, 18, 436);
    cairo_set_source(cr, bind);
    cairo_fill(cr);
    cairo_pattern_destroy(bind);
    // Ruled lines, the margin and the letterhead.
    RuleLines(cr);
    SetColor(cr, Bytes(196, 70, 60), 0.45);
    cairo_move_to(cr, 66.5, 13);
    cairo_line_to(cr, 66.5, 447);
    cairo_stroke(cr);
    Label(cr, "Property Ledger", {"Liberation Serif", 17, false, true}, Ink, 240, 20, 218, 28,
          Align::Right);
    Label(cr, "Quelbrin", {"Liberation Serif", 13, true}, Bytes(150, 44, 36), 74, 22, 150, 26,
          Align::Left);
    SetColor(cr, Ink, 0.55);
    cairo_move_to(cr, 72, 50.5);
    cairo_line_to(cr, 460, 50.5);
    cairo_move_to(cr, 72, 53.5);
    cairo_line_to(cr, 460, 53.5);
    cairo_stroke(cr);
}

void PaintClosedNotebook(Canvas& c) {
    Play p(c);
    cairo_t* cr = p.cr;
    // The same shadow as the open notebook's, so the desk around both is the same picture.
    RoundedRect(cr, 2, 3, 478, 459, 12);
    DropShadow(cr, 7, 9, 12, 0.7);
    // Page edges show on the right, the cover lies over them.
    RoundedRect(cr, 10, 12, 466, 444, 8);
    SetColor(cr, Bytes(226, 212, 182));
    cairo_fill(cr);
    SetColor(cr, Bytes(170, 150, 120), 0.8);
    cairo_set_line_width(cr, 0.8);
    for (int x = 464; x < 476; x += 2) {
        cairo_move_to(cr, x + 0.5, 18);
        cairo_line_to(cr, x + 0.5, 450);
    }
    cairo_stroke(cr);
    Canvas leather(c.Width(), c.Height());
    PaintLeather(leather, PlayX, PlayY, 482, 466, CoverLeather, 12);
    RoundedRect(cr, 4, 4, 462, 456, 14);
    cairo_save(cr);
    cairo_set_source_surface(cr, leather.Surface(), -PlayX, -PlayY);
    cairo_fill(cr);
    cairo_restore(cr);
    // A soft sheen across the cover.
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 0, 462, 456);
    cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 0.85, 0.7, 0.12);
    cairo_pattern_add_color_stop_rgba(sheen, 0.5, 1, 0.85, 0.7, 0.0);
    cairo_pattern_add_color_stop_rgba(sheen, 1, 0, 0, 0, 0.18);
    RoundedRect(cr, 4, 4, 462, 456, 14);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
    RoundedRect(cr, 12, 12, 446, 440, 9);
    Stitch(cr, Thread);
    // Brass corners.
    const double cx[2] = {4, 466}, cy[2] = {4, 460};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            const double sx = i ? -1 : 1, sy = j ? -1 : 1;
            cairo_move_to(cr, cx[i], cy[j] + sy * 14);
            cairo_line_to(cr, cx[i], cy[j] + sy * 40);
            cairo_line_to(cr, cx[i] + sx * 40, cy[j]);
            cairo_line_to(cr, cx[i] + sx * 14, cy[j]);
            cairo_curve_to(cr, cx[i] + sx * 6, cy[j], cx[i], cy[j] + sy * 6, cx[i],
                           cy[j] + sy * 14);
            cairo_close_path(cr);
            cairo_pattern_t* g =
                cairo_pattern_create_linear(cx[i], cy[j], cx[i] + sx * 40, cy[j] + sy * 40);
            cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 0.82, 0.52);
            cairo_pattern_add_color_stop_rgb(g, 1, 0.55, 0.38, 0.14);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
        }
    // Gold-tooled title panel.
    RoundedRect(cr, 96, 120, 278, 150, 6);
    SetColor(cr, Bytes(228, 186, 104), 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    RoundedRect(cr, 102, 126, 266, 138, 4);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    Engraved(cr, "Quelbrin", {"Liberation Serif", 44, true}, Bytes(232, 190, 110), 96, 140, 278, 60,
             Align::Center, 0.25);
    Engraved(cr, "PROPERTY LEDGER", {"Liberation Serif", 14, true}, Bytes(222, 180, 100), 96, 204,
             278, 24, Align::Center, 0.25);
    Label(cr, "\u2766", {"Liberation Serif", 18}, Bytes(222, 180, 100), 96, 232, 278, 26);
    // Elastic band and a ribbon bookmark.
    cairo_rectangle(cr, 418, 4, 13, 456);
    SetColor(cr, Bytes(26, 14, 10));
    cairo_fill(cr);
    SetColor(cr, Bytes(90, 60, 40), 0.6);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, 419.5, 4);
    cairo_line_to(cr, 419.5, 460);
    cairo_stroke(cr);
    Engraved(cr, "Buy a building to open the ledger", {"Liberation Serif", 13, false, true},
             Bytes(214, 170, 110), 30, 390, 380, 24, Align::Center, 0.2);
}

void PaintOrganiser(Canvas& c) {
    Play p(c);
    cairo_t* cr = p.cr;
    RoundedRect(cr, 504, 20, 254, 438, 24);
    DropShadow(cr, 7, 9, 12, 0.75);
    Canvas leather(c.Width(), c.Height());
    PaintLeather(leather, PlayX + 500, PlayY + 16, 262, 446, OrganiserLeather, 31);
    RoundedRect(cr, 504, 20, 254, 438, 24);
    cairo_save(cr);
    cairo_set_source_surface(cr, leather.Surface(), -PlayX, -PlayY);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(504, 20, 758, 458);
    cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 0.9, 0.7, 0.16);
    cairo_pattern_add_color_stop_rgba(sheen, 0.45, 1, 0.9, 0.7, 0.0);
    cairo_pattern_add_color_stop_rgba(sheen, 1, 0, 0, 0, 0.22);
    RoundedRect(cr, 504, 20, 254, 438, 24);
    cairo_set_source(cr, sheen);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);
    RoundedRect(cr, 511, 27, 240, 424, 18);
    Stitch(cr, Thread);
    // The screen's bezel, the screen and the status strip under it.
    RoundedRect(cr, 515, 47, 232, 364, 9);
    SetColor(cr, Bytes(24, 14, 8));
    cairo_fill(cr);
    RoundedRect(cr, 515.5, 47.5, 231, 363, 9);
    SetColor(cr, Bytes(170, 120, 70), 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_rectangle(cr, 524, 56, 214, 346);
    SetColor(cr, PageColor);
    cairo_fill(cr);
    Engraved(cr, "Q U E L B R I N", {"Liberation Sans", 11, true}, Bytes(226, 184, 112), 504, 28,
             254, 16, Align::Center, 0.2);
    cairo_arc(cr, 733, 36, 3, 0, 2 * M_PI);
    cairo_pattern_t* led = cairo_pattern_create_radial(732, 35, 0.5, 733, 36, 3);
    cairo_pattern_add_color_stop_rgb(led, 0, 1.0, 0.9, 0.55);
    cairo_pattern_add_color_stop_rgb(led, 1, 0.75, 0.4, 0.05);
    cairo_set_source(cr, led);
    cairo_fill(cr);
    cairo_pattern_destroy(led);
    // A little engraved clock left of the speed buttons.
    SetColor(cr, Bytes(226, 184, 112), 0.85);
    cairo_set_line_width(cr, 1.6);
    cairo_arc(cr, 551, 428, 10, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_move_to(cr, 551, 428);
    cairo_line_to(cr, 551, 421);
    cairo_move_to(cr, 551, 428);
    cairo_line_to(cr, 556, 431);
    cairo_stroke(cr);
}

void PaintRulerBody(Canvas& c) {
    Play p(c);
    cairo_t* cr = p.cr;
    RoundedRect(cr, 1, RulerY + 1, 778, 98, 7);
    DropShadow(cr, 0, 6, 9, 0.75);
    Canvas wood(c.Width(), c.Height());
    PaintWood(wood, PlayX, PlayY + RulerY, 780, 100, RulerDark, RulerLight, 91, 2.5);
    RoundedRect(cr, 1, RulerY + 1, 778, 98, 7);
    cairo_save(cr);
    cairo_set_source_surface(cr, wood.Surface(), -PlayX, -PlayY);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_set_line_width(cr, 1);
    SetColor(cr, Bytes(255, 236, 196), 0.5);
    cairo_move_to(cr, 6, RulerY + 1.5);
    cairo_line_to(cr, 774, RulerY + 1.5);
    cairo_stroke(cr);
    SetColor(cr, Bytes(60, 30, 10), 0.6);
    cairo_move_to(cr, 6, RulerY + 98.5);
    cairo_line_to(cr, 774, RulerY + 98.5);
    cairo_stroke(cr);
    // Scale along both edges, numbered every 50 pixels.
    SetColor(cr, Bytes(58, 28, 8), 0.85);
    for (int x = 10; x <= 770; x += 5) {
        const int len = x % 50 == 10 ? 8 : (x % 10 == 0 ? 5 : 3);
        cairo_move_to(cr, x + 0.5, RulerY + 2);
        cairo_line_to(cr, x + 0.5, RulerY + 2 + len);
        cairo_move_to(cr, x + 0.5, RulerY + 98);
        cairo_line_to(cr, x + 0.5, RulerY + 98 - len);
    }
    cairo_stroke(cr);
    // Numbers only right of the tabs, where nothing covers them.
    for (int k = 9; 10 + 50 * k <= 770; ++k)
        Label(cr, std::to_string(k), {"Liberation Sans", 9, true}, Bytes(58, 28, 8),
              10 + 50 * k - 12, RulerY + 77, 24, 12);
    // The icon groove; its inside is the strip colour the game fills it with.
    RoundedRect(cr, 80, RulerY + 18, 619, 48, 4);
    SetColor(cr, Bytes(255, 230, 190), 0.35);
    cairo_fill(cr);
    RoundedRect(cr, 80, RulerY + 17, 619, 48, 4);
    SetColor(cr, Bytes(70, 38, 18));
    cairo_fill(cr);
    cairo_rectangle(cr, 84, RulerY + 22, 611, 40);
    SetColor(cr, StripColor);
    cairo_fill(cr);
    // Arrow sockets: the arrows themselves show only when the row can scroll.
    for (int x : {ArrowLeftX, ArrowRightX}) {
        RoundedRect(cr, x + 1, RulerY + ArrowY + 1, ArrowW - 2, ArrowH - 2, 6);
        SetColor(cr, Bytes(120, 76, 38), 0.55);
        cairo_fill(cr);
        RoundedRect(cr, x + 1.5, RulerY + ArrowY + 1.5, ArrowW - 3, ArrowH - 3, 6);
        SetColor(cr, Bytes(70, 38, 16), 0.6);
        cairo_stroke(cr);
        const double mx = x + ArrowW / 2.0, my = RulerY + ArrowY + ArrowH / 2.0;
        const double d = x == ArrowLeftX ? -1 : 1;
        cairo_move_to(cr, mx + d * 6, my);
        cairo_line_to(cr, mx - d * 4, my - 9);
        cairo_line_to(cr, mx - d * 4, my + 9);
        cairo_close_path(cr);
        SetColor(cr, Bytes(90, 52, 24), 0.35);
        cairo_fill(cr);
    }
}

void SpeedSymbol(cairo_t* cr, int index, double cx, double cy) {
    switch (index) {
    case 0:
        cairo_rectangle(cr, cx - 6, cy - 7, 4, 14);
        cairo_rectangle(cr, cx + 2, cy - 7, 4, 14);
        break;
    case 1:
        cairo_move_to(cr, cx - 4, cy - 8);
        cairo_line_to(cr, cx + 7, cy);
        cairo_line_to(cr, cx - 4, cy + 8);
        cairo_close_path(cr);
        break;
    case 2:
        for (double ox : {-8.0, 1.0}) {
            cairo_move_to(cr, cx + ox, cy - 7);
            cairo_line_to(cr, cx + ox + 8, cy);
            cairo_line_to(cr, cx + ox, cy + 7);
            cairo_close_path(cr);
        }
        break;
    default:
        for (int i = -1; i <= 1; ++i)
            RoundedRect(cr, cx - 8, cy + i * 5 - 1.5, 16, 3, 1.5);
        break;
    }
}

} // namespace

void PaintSpeedButton(Canvas& c, int index, bool pressed) {
    Play p(c);
    cairo_t* cr = p.cr;
    const double x = SpeedButtonLeft[index], y = SpeedButtonTop;
    cairo_rectangle(cr, x, y, SpeedButtonWidth, SpeedButtonHeight);
    SetColor(cr, Bytes(36, 20, 10));
    cairo_fill(cr);
    const Rgb face = pressed ? Bytes(92, 54, 28) : Bytes(156, 100, 54);
    const Rgb top = Shade(face, pressed ? 0.75 : 1.3), bottom = Shade(face, pressed ? 1.1 : 0.7);
    RoundedRect(cr, x + 2, y + 2 + (pressed ? 1 : 0), 30, 26 - (pressed ? 1 : 0), 4);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y + 2, 0, y + 28);
    cairo_pattern_add_color_stop_rgb(g, 0, top.R, top.G, top.B);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.R, bottom.G, bottom.B);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    if (!pressed) {
        SetColor(cr, Bytes(255, 232, 190), 0.5);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, x + 5, y + 3.5);
        cairo_line_to(cr, x + 29, y + 3.5);
        cairo_stroke(cr);
    }
    const double cx = x + 17, cy = y + 15 + (pressed ? 1 : 0);
    if (pressed) {
        // The lit symbol glows.
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        for (int r = 3; r >= 1; --r) {
            SetColor(cr, Bytes(255, 170, 40), 0.14);
            cairo_set_line_width(cr, r * 2.0);
            SpeedSymbol(cr, index, cx, cy);
            cairo_stroke(cr);
        }
        SetColor(cr, Bytes(255, 204, 96));
    } else {
        SetColor(cr, Bytes(70, 36, 14), 0.7);
        SpeedSymbol(cr, index, cx, cy + 1);
        cairo_fill(cr);
        SetColor(cr, Bytes(250, 232, 196));
    }
    SpeedSymbol(cr, index, cx, cy);
    cairo_fill(cr);
}

void PaintAlertBadge(cairo_t* cr, int age, double x, double y) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, 20, 20);
    SetColor(cr, TabPlate);
    cairo_fill(cr);
    const double t = age / 4.0;
    const Rgb fill = Mix(Bytes(206, 26, 18), Bytes(222, 176, 156), t);
    if (age == 0) {
        cairo_arc(cr, x + 10, y + 10, 9.5, 0, 2 * M_PI);
        SetColor(cr, Bytes(255, 120, 60), 0.35);
        cairo_fill(cr);
    }
    cairo_arc(cr, x + 10, y + 10, 8, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_radial(x + 8, y + 7, 1, x + 10, y + 10, 8);
    const Rgb hi = Shade(fill, 1.35);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.R, hi.G, hi.B);
    cairo_pattern_add_color_stop_rgb(g, 1, fill.R, fill.G, fill.B);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, Shade(fill, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    SetColor(cr, Mix(Bytes(255, 255, 255), Bytes(250, 236, 226), t));
    RoundedRect(cr, x + 8.6, y + 4.5, 2.8, 7.5, 1.2);
    cairo_fill(cr);
    cairo_arc(cr, x + 10, y + 14.5, 1.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
}

void PaintBookTab(Canvas& c, int index, bool selected) {
    Play p(c);
    cairo_t* cr = p.cr;
    cairo_save(cr);
    cairo_translate(cr, BookTabX, BookTabY + BookTabStep * index);
    const double left = selected ? 0 : 5;
    const Rgb base = selected ? Shade(TabColors[index], 1.15) : Shade(TabColors[index], 0.8);
    auto shape = [&] {
        const double r = 9;
        cairo_new_path(cr);
        cairo_move_to(cr, BookTabW, 2);
        cairo_line_to(cr, left + r, 2);
        cairo_arc_negative(cr, left + r, 2 + r, r, -M_PI / 2, -M_PI);
        cairo_line_to(cr, left, BookTabH - 2 - r);
        cairo_arc_negative(cr, left + r, BookTabH - 2 - r, r, M_PI, M_PI / 2);
        cairo_line_to(cr, BookTabW, BookTabH - 2);
        cairo_close_path(cr);
    };
    shape();
    DropShadow(cr, 1, 2, 3, 0.5);
    shape();
    cairo_pattern_t* g = cairo_pattern_create_linear(left, 0, BookTabW, 0);
    const Rgb hi = Shade(base, 1.25), lo = Shade(base, 0.85);
    cairo_pattern_add_color_stop_rgb(g, 0, lo.R, lo.G, lo.B);
    cairo_pattern_add_color_stop_rgb(g, 0.3, hi.R, hi.G, hi.B);
    cairo_pattern_add_color_stop_rgb(g, 1, base.R, base.G, base.B);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Grain on the tab.
    cairo_surface_flush(c.Surface());
    shape();
    cairo_set_line_width(cr, 1);
    SetColor(cr, Shade(base, 0.5));
    cairo_stroke(cr);
    if (selected) {
        cairo_new_path(cr);
        RoundedRect(cr, left + 3, 5, BookTabW - left - 2, BookTabH - 10, 7);
        Stitch(cr, Bytes(236, 200, 130), 1.0);
    }
    // The plate where the bad-news badge appears, with a small house drawn on it.
    RoundedRect(cr, 16, 7, 24, 24, 3);
    SetColor(cr, Shade(base, 0.55));
    cairo_fill(cr);
    cairo_rectangle(cr, BadgeOnTabX - 1, BadgeOnTabY - 1, 22, 22);
    SetColor(cr, TabPlate);
    cairo_fill(cr);
    SetColor(cr, Shade(TabColors[index], 0.9), 0.8);
    cairo_set_line_width(cr, 1.4);
    cairo_move_to(cr, 22, 20);
    cairo_line_to(cr, 28, 14);
    cairo_line_to(cr, 34, 20);
    cairo_move_to(cr, 23.5, 19);
    cairo_line_to(cr, 23.5, 25);
    cairo_line_to(cr, 32.5, 25);
    cairo_line_to(cr, 32.5, 19);
    cairo_stroke(cr);
    Label(cr, std::to_string(index + 1), {"Liberation Serif", 15, true},
          selected ? Bytes(255, 236, 190) : Bytes(226, 196, 150), 16, 32, 24, 19);
    cairo_restore(cr);
}

void PaintRulerTab(Canvas& c, int index, bool chosen) {
    static const char* const names[3] = {"Contacts", "Candidates", "Visitors"};
    Play p(c);
    cairo_t* cr = p.cr;
    const double x = RulerTabX + RulerTabStep * index, y = RulerY + RulerTabY;
    RoundedRect(cr, x + 1, y, RulerTabW - 2, RulerTabH - 1, 5);
    DropShadow(cr, 0, 1.5, 2, 0.45);
    Button(cr, x + 1, y, RulerTabW - 2, RulerTabH - 1, "",
           chosen ? ButtonLook::Normal : ButtonLook::Normal,
           chosen ? Bytes(238, 214, 168) : Bytes(118, 70, 36));
    if (chosen) {
        SetColor(cr, Bytes(200, 40, 30));
        RoundedRect(cr, x + 8, y + 4, 4, RulerTabH - 9, 2);
        cairo_fill(cr);
        Label(cr, names[index], {"Liberation Sans", 12, true}, TextColor, x + 6, y, RulerTabW - 6,
              RulerTabH - 1);
    } else {
        Label(cr, names[index], {"Liberation Sans", 12, true}, Bytes(60, 30, 10), x + 1, y + 1,
              RulerTabW - 2, RulerTabH - 1);
        Label(cr, names[index], {"Liberation Sans", 12, true}, Bytes(244, 222, 182), x + 1, y,
              RulerTabW - 2, RulerTabH - 1);
    }
}

void PaintRulerArrow(Canvas& c, bool right) {
    Play p(c);
    cairo_t* cr = p.cr;
    const double x = right ? ArrowRightX : ArrowLeftX, y = RulerY + ArrowY;
    RoundedRect(cr, x + 2, y + 2, ArrowW - 4, ArrowH - 4, 6);
    DropShadow(cr, 0, 2, 3, 0.5);
    RoundedRect(cr, x + 2, y + 2, ArrowW - 4, ArrowH - 4, 6);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + ArrowW, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.62, 0.44, 0.18);
    cairo_pattern_add_color_stop_rgb(g, 0.35, 0.97, 0.84, 0.52);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.6, 0.42, 0.16);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, Bytes(90, 56, 20));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const double mx = x + ArrowW / 2.0, my = y + ArrowH / 2.0, d = right ? 1 : -1;
    for (int pass = 0; pass < 2; ++pass) {
        const double o = pass == 0 ? 1 : 0;
        cairo_move_to(cr, mx + d * 7, my + o);
        cairo_line_to(cr, mx - d * 5, my - 11 + o);
        cairo_line_to(cr, mx - d * 5, my + 11 + o);
        cairo_close_path(cr);
        SetColor(cr, pass == 0 ? Bytes(255, 240, 200) : Bytes(80, 40, 12), pass == 0 ? 0.6 : 1);
        cairo_fill(cr);
    }
}

void PaintRulerEmpty(Canvas& c) {
    Play p(c);
    cairo_t* cr = p.cr;
    // Close the groove with wood again, then a brass name plate on it.
    Canvas wood(c.Width(), c.Height());
    PaintWood(wood, PlayX, PlayY + RulerY, 780, 100, RulerDark, RulerLight, 91, 2.5);
    cairo_rectangle(cr, 78, RulerY + 15, 623, 54);
    cairo_save(cr);
    cairo_set_source_surface(cr, wood.Surface(), -PlayX, -PlayY);
    cairo_fill(cr);
    cairo_restore(cr);
    RoundedRect(cr, 250, RulerY + 18, 280, 48, 5);
    DropShadow(cr, 1, 3, 4, 0.5);
    RoundedRect(cr, 250, RulerY + 18, 280, 48, 5);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, RulerY + 18, 0, RulerY + 66);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.98, 0.86, 0.56);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.82, 0.64, 0.32);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.62, 0.44, 0.18);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (double sx : {258.0, 522.0}) {
        cairo_arc(cr, sx, RulerY + 42, 2.5, 0, 2 * M_PI);
        SetColor(cr, Bytes(100, 64, 24));
        cairo_fill(cr);
    }
    Engraved(cr, "QUELBRIN", {"Liberation Serif", 24, true}, Bytes(84, 46, 14), 250, RulerY + 18,
             280, 32, Align::Center, 0.5);
    Label(cr, "bars \u00b7 restaurants \u00b7 night clubs", {"Liberation Serif", 11, false, true},
          Bytes(84, 46, 14), 250, RulerY + 46, 280, 16);
    Engraved(cr, "Start a new game from the organiser's main menu",
             {"Liberation Sans", 11, true, false}, Bytes(90, 50, 20), 74, RulerY + 70, 360, 24,
             Align::Center, 0.4);
}

void PaintDesk(Canvas& c, Notebook notebook, bool withButtons) {
    PaintPlanks(c);
    PaintProps(c);
    if (notebook == Notebook::Open)
        PaintOpenNotebook(c);
    else
        PaintClosedNotebook(c);
    PaintOrganiser(c);
    if (withButtons)
        for (int i = 0; i < 4; ++i)
            PaintSpeedButton(c, i, false);
    PaintRulerBody(c);
}

void PaintNotebookPaper(Canvas& scene, int x, int y, int w, int h) {
    PaintPaper(scene, PlayX + x, PlayY + y, w, h, Paper, PaperSeed);
    Play p(scene);
    cairo_rectangle(p.cr, x, y, w, h);
    cairo_clip(p.cr);
    RuleLines(p.cr);
}

} // namespace content
