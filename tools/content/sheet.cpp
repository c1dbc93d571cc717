// --sheet FILE.png: every picture of the table laid out on one page for review, plus the
// main window composed from the pictures as the game composes it (FILE_window.png with a
// game running, FILE_window_empty.png before a game) and a ruler row of icons at real
// size (FILE_ruler.png).
#include "Art.h"
#include "Desk.h"
#include "Generator.h"
#include "PictureTable.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

namespace content {

namespace {

struct Image {
    cairo_surface_t* Surface = nullptr;
    ~Image() {
        if (Surface) cairo_surface_destroy(Surface);
    }
};

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}

// Reads the bitmaps this generator writes: bottom-up, 32 bits per pixel.
cairo_surface_t* LoadBmp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return nullptr;
    const int w = int(Le32(b, 18)), h = int(Le32(b, 22));
    const uint32_t off = Le32(b, 10);
    if (w <= 0 || h <= 0 || b[28] != 32 || off + uint64_t(w) * h * 4 > b.size()) return nullptr;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    unsigned char* d = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = b.data() + off + size_t(h - 1 - y) * w * 4;
        uint32_t* row = reinterpret_cast<uint32_t*>(d + size_t(y) * stride);
        for (int x = 0; x < w; ++x)
            row[x] = 0xFF000000u | src[4 * x + 2] << 16 | src[4 * x + 1] << 8 | src[4 * x];
    }
    cairo_surface_mark_dirty(s);
    return s;
}

// A .cur of ours: 32-bit image after the 6 + 16 byte directory and a 40-byte header.
cairo_surface_t* LoadCur(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (b.size() < 62 + 32 * 32 * 4) return nullptr;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 32, 32);
    unsigned char* d = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < 32; ++y) {
        const uint8_t* src = b.data() + 62 + size_t(31 - y) * 128;
        uint32_t* row = reinterpret_cast<uint32_t*>(d + size_t(y) * stride);
        for (int x = 0; x < 32; ++x) {
            const uint32_t a = src[4 * x + 3];
            auto pm = [a](uint32_t c) { return (c * a + 127) / 255; };
            row[x] = a << 24 | pm(src[4 * x + 2]) << 16 | pm(src[4 * x + 1]) << 8 | pm(src[4 * x]);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

class Library {
public:
    explicit Library(std::string dir) : mDir(std::move(dir)) {}
    cairo_surface_t* Get(const std::string& file) {
        auto it = mImages.find(file);
        if (it == mImages.end()) {
            auto img = std::make_unique<Image>();
            img->Surface = LoadBmp(mDir + "/Images/" + file);
            it = mImages.emplace(file, std::move(img)).first;
        }
        return it->second->Surface;
    }

private:
    std::string mDir;
    std::map<std::string, std::unique_ptr<Image>> mImages;
};

void Copy(cairo_t* cr, cairo_surface_t* from, const Cell& c, double x, double y) {
    if (from) Blit(cr, from, c.Left, c.Top, c.Right - c.Left, c.Bottom - c.Top, int(x), int(y));
}

Cell CellOf(const std::string& file, const std::string& name) {
    for (const auto& p : AllPictures())
        if (p.File == file)
            for (const auto& c : p.Cells)
                if (c.Name == name) return c;
    throw ContentError("no cell " + name + " in " + file);
}

void PalmPage(cairo_t* cr, Library& lib, bool game) {
    cairo_save(cr);
    cairo_rectangle(cr, 524, 56, 214, 330);
    cairo_clip(cr);
    cairo_translate(cr, 524, 56);
    SetColor(cr, PageColor);
    cairo_paint(cr);
    cairo_surface_t* btn = lib.Get("pscreenbtns.bmp");
    auto title = [&](const char* text) {
        cairo_rectangle(cr, 5.5, 5.5, 183, 17);
        SetColor(cr, TextColor);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        Label(cr, text, {"Liberation Sans", 11, true}, TextColor, 5, 5, 184, 18);
    };
    if (!game) {
        title("Main Menu");
        const char* names[6] = {"about",     "continue",       "new_game",
                                "load_game", "save_game_grey", "exit"};
        for (int i = 0; i < 6; ++i)
            Copy(cr, btn, CellOf("pscreenbtns.bmp", names[i]), 60, 92 + 25 * i);
        Copy(cr, btn, CellOf("pscreenbtns.bmp", "scroll_inactive"), 194, 0);
    } else {
        title("Character Info");
        Copy(cr, btn, CellOf("pscreenbtns.bmp", "back"), 7, 7);
        cairo_surface_t* portraits = lib.Get("s_cook.bmp");
        if (portraits) Blit(cr, portraits, 130, 0, 130, 130, 5, 28);
        cairo_rectangle(cr, 5.5, 28.5, 130, 130);
        SetColor(cr, TextColor);
        cairo_stroke(cr);
        Copy(cr, btn, CellOf("pscreenbtns.bmp", "hire"), 140, 132);
        Label(cr, "Name: Marcel", {"Liberation Sans", 11}, TextColor, 5, 164, 180, 13, Align::Left);
        Label(cr, "Profession: Chef", {"Liberation Sans", 11}, TextColor, 5, 178, 180, 13,
              Align::Left);
        Label(cr, "Honesty: (Unknown)", {"Liberation Sans", 11}, TextColor, 5, 192, 180, 13,
              Align::Left);
        Label(cr, "Salary: $95 per day", {"Liberation Sans", 11}, TextColor, 5, 205, 180, 13,
              Align::Left);
        Copy(cr, btn, CellOf("pscreenbtns.bmp", "scroll_active"), 194, 0);
        Copy(cr, btn, CellOf("pscreenbtns.bmp", "thumb"), 194, 60);
    }
    cairo_restore(cr);
}

void ComposeWindow(const ContentPaths& paths, Library& lib, bool game, const std::string& out) {
    Canvas win(780, 560);
    cairo_t* cr = win.Cr();
    if (auto* bg = lib.Get("bg.bmp")) Blit(cr, bg, PlayX, PlayY, 780, 560, 0, 0);
    cairo_surface_t* icons = lib.Get("bdricons.bmp");
    Copy(cr, icons, CellOf("bdricons.bmp", "minimize"), 780 - 51, 1);
    Copy(cr, icons, CellOf("bdricons.bmp", "fullscreen"), 780 - 34, 1);
    Copy(cr, icons, CellOf("bdricons.bmp", "close"), 780 - 17, 1);
    Copy(cr, lib.Get("sndicons.bmp"), CellOf("sndicons.bmp", "sound_on"), 780 - 68, 1);
    PalmPage(cr, lib, game);
    cairo_surface_t* btn = lib.Get("pscreenbtns.bmp");
    if (game) {
        // Ruler: a strip of icons, tabs, both arrows.
        cairo_save(cr);
        cairo_translate(cr, 0, RulerY);
        const char* strips[10] = {"management_i.bmp",  "s_cook_i.bmp",    "s_drinks_i.bmp",
                                  "s_serve_i.bmp",     "s_clean_i.bmp",   "s_dance_i.bmp",
                                  "s_entertain_i.bmp", "s_bargirl_i.bmp", "s_secure_i.bmp",
                                  "offers_i.bmp"};
        for (int n = 0; n < 15; ++n) {
            const double x = 84 + 42 * n;
            if (x + 40 > 695) break;
            if (auto* s = lib.Get(strips[n % 10]))
                Blit(cr, s, 40 * (n / 10), 0, 40, 40, int(x), 22);
            cairo_rectangle(cr, x + 0.5, 22.5, 39, 39);
            SetColor(cr, n == 2 ? Bytes(255, 0, 0) : TextColor);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            if (n == 1 || n == 4)
                Copy(cr, btn, CellOf("pscreenbtns.bmp", n == 1 ? "badge_new" : "badge_viewed"),
                     x + 28, 25);
        }
        cairo_surface_t* tabs = lib.Get("rlscuts.bmp");
        static const char* const names[3] = {"contacts", "candidates", "visitors"};
        for (int i = 0; i < 3; ++i)
            Copy(cr, tabs, CellOf("rlscuts.bmp", std::string(names[i]) + (i == 1 ? "_chosen" : "")),
                 RulerTabX + RulerTabStep * i, RulerTabY);
        cairo_surface_t* arrows = lib.Get("rlbtns.bmp");
        Copy(cr, arrows, CellOf("rlbtns.bmp", "left"), ArrowLeftX, ArrowY);
        Copy(cr, arrows, CellOf("rlbtns.bmp", "right"), ArrowRightX, ArrowY);
        cairo_restore(cr);
        // Plan page: three properties, the second selected, bad news on the first.
        cairo_surface_t* nb = lib.Get("nbscuts.bmp");
        for (int i = 0; i < 3; ++i) {
            Copy(cr, nb,
                 CellOf("nbscuts.bmp", "tab" + std::to_string(i) + (i == 1 ? "_selected" : "")),
                 BookTabX, BookTabY + BookTabStep * i);
            if (i != 1)
                Copy(cr, btn, CellOf("pscreenbtns.bmp", "alert" + std::to_string(i * 2)), 23,
                     65 + 56 * i);
        }
        Label(cr, "The cook complains about the old stove.", {"Liberation Sans", 11},
              Bytes(149, 0, 0), 72, 68, 385, 13, Align::Left);
        Label(cr, "A party of VIPs booked the whole gallery tonight.", {"Liberation Sans", 11},
              Bytes(12, 128, 0), 72, 81, 385, 13, Align::Left);
        cairo_surface_t* plm = lib.Get("plmbtns.bmp");
        Copy(cr, plm, CellOf("plmbtns.bmp", "normal"), 614, 413);
        Label(cr, "Mar 07 2027, 09 pm", {"Liberation Sans", 11}, TextColor, 530, 387, 128, 14,
              Align::Left);
        Label(cr, "$48,250", {"Liberation Sans", 11}, TextColor, 664, 387, 70, 14, Align::Left);
    } else {
        cairo_surface_t* empty = lib.Get("rlempty.bmp");
        if (empty) Blit(cr, empty, 0, 0, 780, 100, 0, RulerY);
        cairo_surface_t* plm = lib.Get("plmbtns.bmp");
        Copy(cr, plm, CellOf("plmbtns.bmp", "pause"), 580, 413);
        Copy(cr, plm, CellOf("plmbtns.bmp", "menu"), 691, 413);
    }
    if (!game) {
        if (auto* closed = lib.Get("bgclosed.bmp")) Blit(cr, closed, 0, 232, 485, 473, 0, 0);
    }
    cairo_rectangle(cr, 0.5, 0.5, 779, 559);
    SetColor(cr, FrameGold);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    (void)paths;
    cairo_surface_write_to_png(win.Surface(), out.c_str());
}

// The ruler at real size with ten icons of ten strips, and under it the inner 30 x 30 part
// of each as the floor plan shows it, in its bracket.
void ComposeRuler(Library& lib, const std::string& out) {
    Canvas c(780, 160);
    cairo_t* cr = c.Cr();
    if (auto* bg = lib.Get("bg.bmp")) Blit(cr, bg, PlayX, PlayY + RulerY, 780, 100, 0, 0);
    const char* strips[10] = {"management_i.bmp",  "s_cook_i.bmp",   "s_drinks_i.bmp",
                              "s_serve_i.bmp",     "s_clean_i.bmp",  "s_dance_i.bmp",
                              "s_entertain_i.bmp", "s_secure_i.bmp", "offers_i.bmp",
                              "visitors_i.bmp"};
    const int frame[10] = {0, 1, 0, 2, 0, 0, 3, 1, 2, 6};
    cairo_surface_t* tabs = lib.Get("rlscuts.bmp");
    static const char* const names[3] = {"contacts", "candidates", "visitors"};
    for (int i = 0; i < 3; ++i)
        Copy(cr, tabs, CellOf("rlscuts.bmp", std::string(names[i]) + (i == 1 ? "_chosen" : "")),
             RulerTabX + RulerTabStep * i, RulerTabY);
    SetColor(cr, PageColor);
    cairo_rectangle(cr, 0, 100, 780, 60);
    cairo_fill(cr);
    for (int n = 0; n < 10; ++n) {
        cairo_surface_t* s = lib.Get(strips[n]);
        if (!s) continue;
        Blit(cr, s, 40 * frame[n], 0, 40, 40, 84 + 42 * n, 22);
        cairo_rectangle(cr, 84 + 42 * n + 0.5, 22.5, 39, 39);
        SetColor(cr, TextColor);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        const double bx = 20 + 70 * n, by = 115;
        Blit(cr, s, 40 * frame[n] + 5, 3, 30, 30, int(bx), int(by));
        SetColor(cr, TextColor);
        cairo_move_to(cr, bx - 4, by + 0.5);
        cairo_line_to(cr, bx + 34, by + 0.5);
        cairo_move_to(cr, bx - 4, by + 29.5);
        cairo_line_to(cr, bx + 34, by + 29.5);
        cairo_move_to(cr, bx + 0.5, by - 4);
        cairo_line_to(cr, bx + 0.5, by + 34);
        cairo_move_to(cr, bx + 29.5, by - 4);
        cairo_line_to(cr, bx + 29.5, by + 34);
        cairo_stroke(cr);
    }
    cairo_surface_write_to_png(c.Surface(), out.c_str());
}

int WriteSheet(const ContentPaths& paths, const std::string& file) {
    Library lib(paths.Out);
    const auto pics = AllPictures();
    // Lay the pictures out in rows, bg at half size.
    const int pageW = 1600, pad = 16;
    struct Placed {
        const Picture* Pic;
        double Scale;
        int X, Y;
    };
    std::vector<Placed> placed;
    int x = pad, y = pad + 30, rowH = 0;
    for (const auto& p : pics) {
        const double scale = p.Width > 800 ? 0.5 : 1.0;
        const int w = int(p.Width * scale), h = int(p.Height * scale) + 18;
        if (x + w > pageW - pad) {
            x = pad;
            y += rowH + pad;
            rowH = 0;
        }
        placed.push_back({&p, scale, x, y});
        x += w + pad;
        rowH = std::max(rowH, h);
    }
    const int cursorsY = y + rowH + pad;
    Canvas page(pageW, cursorsY + 80);
    cairo_t* cr = page.Cr();
    SetColor(cr, Bytes(52, 44, 38));
    cairo_paint(cr);
    Label(cr, "Quelbrin pictures", {"Liberation Sans", 18, true}, Bytes(240, 220, 190), pad, 8, 400,
          24, Align::Left);
    for (const auto& pl : placed) {
        Label(cr, pl.Pic->File, {"Liberation Sans", 11, true}, Bytes(240, 220, 190), pl.X, pl.Y,
              400, 16, Align::Left);
        cairo_surface_t* s = lib.Get(pl.Pic->File);
        if (!s) {
            std::fprintf(stderr, "quelbrin-content: sheet: %s is missing\n", pl.Pic->File.c_str());
            return 1;
        }
        cairo_save(cr);
        cairo_translate(cr, pl.X, pl.Y + 18);
        cairo_scale(cr, pl.Scale, pl.Scale);
        cairo_set_source_surface(cr, s, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    int cx = pad;
    for (const auto& cur : Cursors()) {
        Label(cr, cur.File, {"Liberation Sans", 11, true}, Bytes(240, 220, 190), cx, cursorsY, 140,
              16, Align::Left);
        for (int bgi = 0; bgi < 2; ++bgi) {
            cairo_rectangle(cr, cx + bgi * 44, cursorsY + 20, 40, 40);
            SetColor(cr, bgi ? PageColor : Bytes(40, 22, 10));
            cairo_fill(cr);
            if (cairo_surface_t* s = LoadCur(paths.Out + "/Cursors/" + cur.File)) {
                cairo_set_source_surface(cr, s, cx + bgi * 44 + 4, cursorsY + 24);
                cairo_paint(cr);
                cairo_surface_destroy(s);
            }
            cairo_rectangle(cr, cx + bgi * 44 + 4 + cur.HotX - 0.5, cursorsY + 24 + cur.HotY - 0.5,
                            1, 1);
            SetColor(cr, Bytes(255, 0, 0));
            cairo_fill(cr);
        }
        cx += 160;
    }
    cairo_surface_write_to_png(page.Surface(), file.c_str());
    std::string stem = file;
    if (stem.size() > 4 && stem.substr(stem.size() - 4) == ".png") stem.resize(stem.size() - 4);
    ComposeWindow(paths, lib, true, stem + "_window.png");
    ComposeWindow(paths, lib, false, stem + "_window_empty.png");
    ComposeRuler(lib, stem + "_ruler.png");
    std::printf("quelbrin-content: contact sheet %s\n", file.c_str());
    return 0;
}

struct InstallSheet {
    InstallSheet() { ContactSheetWriter() = WriteSheet; }
} gInstallSheet;

} // namespace

} // namespace content
