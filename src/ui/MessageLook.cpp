#include "ui/MessageLook.h"

#include "sim/Random.h"
#include "ui/ScreenButtons.h"

#include <algorithm>

void PaintDialogBackground(Canvas& canvas, const Bitmap& background, int w, int h) {
    canvas.SetBrushStyle(bsSolid);
    canvas.SetBrushColor(RGB(0, 0, 0));
    canvas.FillRect(Rect{0, 0, w, h});
    const int bw = background.Width(), bh = background.Height();
    // The sheet is larger than any dialog: each paint shows another piece of it.
    const int left = bw > w ? PresentationRandomInt() % (bw - w) : 0;
    const int top = bh > h ? PresentationRandomInt() % (bh - h) : 0;
    const int cw = std::min(w, bw), ch = std::min(h, bh);
    if (cw > 0 && ch > 0)
        canvas.CopyRect(Rect{0, 0, cw, ch}, background, Rect{left, top, left + cw, top + ch});
}

void PaintDialogFrame(Canvas& canvas, int w, int h) {
    canvas.SetPenColor(DialogGold);
    canvas.SetPenWidth(1);
    canvas.FrameRect(Rect{0, 0, w, h});
    canvas.SetFont("Arial", 8);
    canvas.SetBold(false);
    canvas.SetUnderline(false);
    canvas.SetFontColor(DialogGold);
    canvas.SetBrushStyle(bsClear);
}

void PaintDialogTitle(Canvas& canvas, const std::string& caption, int w) {
    canvas.SetBold(true);
    const int tw = canvas.TextWidth(caption);
    const int th = canvas.TextHeight(caption);
    canvas.SetPenColor(DialogGold);
    canvas.FrameRect(Rect{5, 5, w - 5, th + 9});
    canvas.SetBrushStyle(bsClear);
    canvas.TextOut((w - 10 - tw) / 2 + 5, 7, caption);
    canvas.SetBold(false);
}

void DrawDialogButton(Canvas& canvas, const Rect& cell, const Rect& dest) {
    if (const Bitmap* strip = ScreenButtonsStrip()) canvas.CopyRect(dest, *strip, cell);
}
