#include "ui/MessageLook.h"

#include "platform/EventLoop.h"
#include "platform/Window.h"
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

void OpenDialogWindow(Window& dialog, const std::string& caption, int width, int height) {
    const Window* main = dialog.Loop().MainWindow();
    if (main == &dialog) main = nullptr;
    // Placed over the main window when it is made: a window manager places a new
    // window by its first position and may ignore a move before it is shown.
    if (!dialog.IsOpen() && !dialog.Create(caption, width, height, main)) return;
    Rect area;
    if (main && main->IsOpen()) {
        area = main->Bounds();
    } else {
        const Point screen = dialog.ScreenSize();
        area = {0, 0, screen.x, screen.y};
    }
    // Centred with its size on the screen, which the scale multiplies.
    const int w = width * Window::Scale(), h = height * Window::Scale();
    dialog.SetBounds(area.left + (area.Width() - w) / 2, area.top + (area.Height() - h) / 2, w, h);
}
