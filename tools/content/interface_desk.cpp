// The background and the strips the game lays over it: bg, bgclosed, plmbtns, nbscuts,
// rlscuts, rlbtns and rlempty. Each strip is painted on a copy of the scene and cut out
// at the place the game draws it.
#include "Desk.h"
#include "Generator.h"

#include <memory>

namespace content {

namespace {

const Picture& Find(const std::vector<Picture>& pics, const std::string& file) {
    for (const auto& p : pics)
        if (p.File == file) return p;
    throw ContentError("no picture " + file + " in the table");
}

std::unique_ptr<Canvas> CopyOf(const Canvas& c) {
    auto copy = std::make_unique<Canvas>(c.Width(), c.Height());
    Blit(copy->Cr(), c.Surface(), 0, 0, c.Width(), c.Height(), 0, 0);
    return copy;
}

// Copies the play-area rectangle (x, y, w, h) of a scene into `to` at (dx, dy).
void Cut(Canvas& to, const Canvas& scene, int x, int y, int w, int h, int dx, int dy) {
    Blit(to.Cr(), scene.Surface(), PlayX + x, PlayY + y, w, h, dx, dy);
}

void CheckSize(const Canvas& c, const Picture& p) {
    if (c.Width() != p.Width || c.Height() != p.Height)
        throw ContentError(p.File + " drawn at the wrong size");
}

void GenerateDesk(const ContentPaths& paths) {
    const auto pics = InterfacePictures();
    const std::string dir = paths.Out + "/Images/";

    Canvas scene(1280, 1024);
    PaintDesk(scene, Notebook::Open, false);
    auto bg = CopyOf(scene);
    for (int i = 0; i < 4; ++i)
        PaintSpeedButton(*bg, i, false);
    CheckSize(*bg, Find(pics, "bg.bmp"));
    bg->Save(dir + "bg.bmp");

    Canvas plm(136, 30);
    for (int i = 0; i < 4; ++i) {
        auto pressed = CopyOf(*bg);
        PaintSpeedButton(*pressed, i, true);
        Cut(plm, *pressed, SpeedButtonLeft[i], SpeedButtonTop, SpeedButtonWidth, SpeedButtonHeight,
            34 * i, 0);
    }
    CheckSize(plm, Find(pics, "plmbtns.bmp"));
    plm.Save(dir + "plmbtns.bmp");

    {
        Canvas closedScene(1280, 1024);
        PaintDesk(closedScene, Notebook::Closed, true);
        const Picture& picture = Find(pics, "bgclosed.bmp");
        Canvas closed(picture.Width, picture.Height);
        Blit(closed.Cr(), closedScene.Surface(), PlayX, 0, picture.Width, picture.Height, 0, 0);
        closed.Save(dir + "bgclosed.bmp");
    }

    Canvas tabs(636, 55);
    for (int i = 0; i < 6; ++i)
        for (int sel = 0; sel < 2; ++sel) {
            auto s = CopyOf(*bg);
            PaintBookTab(*s, i, sel == 1);
            Cut(tabs, *s, BookTabX, BookTabY + BookTabStep * i, BookTabW, BookTabH,
                106 * i + 53 * sel, 0);
        }
    CheckSize(tabs, Find(pics, "nbscuts.bmp"));
    tabs.Save(dir + "nbscuts.bmp");

    Canvas rtabs(117, 162);
    for (int i = 0; i < 3; ++i)
        for (int chosen = 0; chosen < 2; ++chosen) {
            auto s = CopyOf(*bg);
            PaintRulerTab(*s, i, chosen == 1);
            Cut(rtabs, *s, RulerTabX + RulerTabStep * i, RulerY + RulerTabY, RulerTabW, RulerTabH,
                0, 54 * i + 27 * chosen);
        }
    CheckSize(rtabs, Find(pics, "rlscuts.bmp"));
    rtabs.Save(dir + "rlscuts.bmp");

    {
        auto s = CopyOf(*bg);
        PaintRulerArrow(*s, false);
        PaintRulerArrow(*s, true);
        Canvas arrows(66, 70);
        Cut(arrows, *s, ArrowLeftX, RulerY + ArrowY, ArrowW, ArrowH, 0, 0);
        Cut(arrows, *s, ArrowRightX, RulerY + ArrowY, ArrowW, ArrowH, 33, 0);
        CheckSize(arrows, Find(pics, "rlbtns.bmp"));
        arrows.Save(dir + "rlbtns.bmp");
    }
    {
        auto s = CopyOf(*bg);
        PaintRulerEmpty(*s);
        Canvas empty(780, 100);
        Cut(empty, *s, 0, RulerY, 780, 100, 0, 0);
        CheckSize(empty, Find(pics, "rlempty.bmp"));
        empty.Save(dir + "rlempty.bmp");
    }
}

} // namespace

} // namespace content

QLB_CONTENT_GENERATOR(interface_desk, content::GenerateDesk);
