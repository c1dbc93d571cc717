// The main window's picture, composed off-screen in eleven layers and shown at once.
#include "model/Game.h"
#include "sim/Format.h"
#include "ui/Main.h"
#include "ui/Palmscreen.h"
#include "ui/Planpage.h"
#include "ui/Ruler.h"
#include "ui/Utilities.h"

#include <algorithm>

namespace {

constexpr int BackgroundWidth = 1280;
constexpr int BackgroundHeight = 1024;
// Where the play area's origin lies in the background picture.
constexpr int PlayLeft = 250;
constexpr int PlayTop = 232;
constexpr Color FrameColor = RGB(227, 183, 106);

void CopySameSize(Canvas& c, const Bitmap& src, int sx, int sy, int w, int h, int dx, int dy) {
    // Clip to the source first: CopyRect would stretch rectangles of different sizes.
    if (sx < 0) {
        dx -= sx;
        w += sx;
        sx = 0;
    }
    if (sy < 0) {
        dy -= sy;
        h += sy;
        sy = 0;
    }
    w = std::min(w, src.Width() - sx);
    h = std::min(h, src.Height() - sy);
    if (w <= 0 || h <= 0) return;
    c.CopyRect(Rect{dx, dy, dx + w, dy + h}, src, Rect{sx, sy, sx + w, sy + h});
}

void PaintBackground(Canvas& c, int W, int H, Point o, const Bitmap* bg) {
    if (W > BackgroundWidth || H > BackgroundHeight || !bg || bg->IsEmpty()) {
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(RGB(0, 0, 0));
        c.FillRect(Rect{0, 0, W, H});
    }
    if (!bg) return;
    if (W > BackgroundWidth || H > BackgroundHeight)
        CopySameSize(c, *bg, 0, 0, BackgroundWidth, BackgroundHeight, o.x - PlayLeft,
                     o.y - PlayTop);
    else
        CopySameSize(c, *bg, PlayLeft - o.x, PlayTop - o.y, W, H, 0, 0);
}

void PaintBorderIcons(Canvas& c, int W, const MainScreenParts& parts) {
    if (parts.SoundIcons)
        CopySameSize(c, *parts.SoundIcons, parts.SoundOff ? 16 : 0, 0, 16, 16, W - 68, 1);
    const Bitmap* icons = parts.BorderIcons;
    const bool fullScreen = parts.FullScreen;
    if (!icons) return;
    CopySameSize(c, *icons, 0, 0, 16, 16, W - 51, 1);
    CopySameSize(c, *icons, fullScreen ? 32 : 16, 0, 16, 16, W - 34, 1);
    CopySameSize(c, *icons, 48, 0, 16, 16, W - 17, 1);
}

void PaintStatusStrip(Canvas& c, Point o) {
    c.SetBrushStyle(bsSolid);
    c.SetBrushColor(PageColor);
    c.FillRect(Rect{o.x + 524, o.y + 386, o.x + 738, o.y + 402});
    c.SetPenColor(TextColor);
    c.SetPenWidth(1);
    c.Line(o.x + 524, o.y + 386, o.x + 738, o.y + 386);
    c.Line(o.x + 658, o.y + 386, o.x + 658, o.y + 402);
}

void PaintSpeedButtons(Canvas& c, Point o, const Bitmap* cells, bool mainMenu) {
    if (!cells) return;
    const int speed = GameState.ClockSpeed;
    if (speed >= 0 && speed <= 2)
        CopySameSize(c, *cells, 34 * speed, 0, 34, 30, o.x + 580 + 34 * speed, o.y + 413);
    if (mainMenu) CopySameSize(c, *cells, 34 * 3, 0, 34, 30, o.x + 691, o.y + 413);
}

void PaintStatusText(Canvas& c, Point o) {
    if (!GameState.GameInProgress) return;
    c.SetFont("Arial", 8);
    c.SetBold(false);
    c.SetUnderline(false);
    c.SetFontColor(TextColor);
    DrawTextAt(c, FormatClockDate(GameState.GameTime), o.x + 530, o.y + 387);
    DrawTextAt(c, FormatMoney(GameState.Cash), o.x + 664, o.y + 387);
}

// The closed notebook over the plan page while nothing is owned; its rows
// above the play area only where the picture has them (a screen taller than 1024).
void PaintClosedNotebook(Canvas& c, Point o, const Bitmap* closed) {
    if (!closed || GameState.PropertyCount() > 0) return;
    if (o.y > 0) CopySameSize(c, *closed, 0, PlayTop - o.y, 485, o.y, o.x, 0);
    CopySameSize(c, *closed, 0, PlayTop, 485, 473, o.x, o.y);
}

} // namespace

void ComposeMainScreen(Canvas& c, int W, int H, const MainScreenParts& parts) {
    const Point o = PlayAreaOrigin(W, H);
    PaintBackground(c, W, H, o, parts.Background);
    PaintBorderIcons(c, W, parts);
    if (parts.Palm) parts.Palm->PaintTo(c, o.x + 524, o.y + 56);
    if (parts.RulerStrip) parts.RulerStrip->PaintTo(c, o.x, o.y + 460);
    if (parts.PlanPage) parts.PlanPage->PaintTo(c, o.x, o.y);
    PaintStatusStrip(c, o);
    PaintSpeedButtons(c, o, parts.SpeedButtons, parts.Palm && parts.Palm->mData.Mode == pmMainMenu);
    PaintStatusText(c, o);
    PaintClosedNotebook(c, o, parts.BackgroundClosed);
    if (!parts.FullScreen) {
        c.SetPenColor(FrameColor);
        c.SetPenWidth(1);
        c.FrameRect(Rect{0, 0, W, H});
    }
}

void TformMain::FormPaint(Canvas& canvas) {
    MainScreenParts parts;
    parts.Background = &mBackground;
    parts.BackgroundClosed = &mBackgroundClosed;
    parts.BorderIcons = &mBorderIcons;
    parts.SpeedButtons = &mSpeedButtons;
    parts.SoundIcons = &mSoundIcons;
    parts.SoundOff = SoundOff();
    parts.Palm = mPalm.get();
    parts.RulerStrip = mRuler.get();
    parts.PlanPage = mPlan.get();
    parts.FullScreen = IsFullScreen;
    ComposeMainScreen(canvas, canvas.Target().Width(), canvas.Target().Height(), parts);
}
