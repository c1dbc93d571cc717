// The three primitives of the information pages: the framed title, the centred
// section header between two rules, and a labelled percentage bar.
#include "ui/Palmscreen.h"

#include "ui/Utilities.h"

#include <algorithm>

int GPalmScreen::DrawPageTitle(Canvas& canvas, const std::string& text, int y) {
    canvas.SetBold(true);
    int w = canvas.TextWidth(text);
    int h = canvas.TextHeight(text);
    canvas.SetPenColor(TextColor);
    canvas.SetPenWidth(1);
    canvas.FrameRect(Rect{5, y, 189, y + h + 4});
    DrawTextAt(canvas, text, 5 + (184 - w) / 2, y + 2);
    canvas.SetBold(false);
    return h + 4;
}

int GPalmScreen::DrawSectionHeader(Canvas& canvas, const std::string& text, int y) {
    canvas.SetBold(true);
    canvas.SetFontColor(TextColor);
    int w = canvas.TextWidth(text);
    int h = canvas.TextHeight(text);
    int m = y + h / 2;
    canvas.SetPenColor(TextColor);
    canvas.SetPenWidth(1);
    canvas.Line(5, m, (184 - w) / 2 + 2, m);
    canvas.Line((184 - w) / 2 + w + 8, m, 189, m);
    DrawTextAt(canvas, text, (184 - w) / 2 + 5, y);
    canvas.SetBold(false);
    canvas.SetFontColor(TextColor);
    return h;
}

int GPalmScreen::DrawValueBar(Canvas& canvas, Color fill, int marker, const std::string& valueText,
                              const std::string& label, int percent, int left, int top, int right,
                              int bottom) {
    canvas.SetPenWidth(1);
    if (marker > 0) {
        int x = left + marker * (right - left) / 100;
        canvas.SetPenColor(GrooveOutlineColor);
        canvas.FrameRect(Rect{x - 2, bottom - 6, x + 2, bottom});
    }

    canvas.SetBrushStyle(bsSolid);
    canvas.SetBrushColor(GrooveColor);
    canvas.SetPenColor(GrooveOutlineColor);
    canvas.Rectangle(Rect{left, bottom - 5, right, bottom - 1});

    // Data may hold more than 100 %; the fill stays within its groove.
    int shown = std::clamp(percent, 0, 100);
    canvas.SetPenColor(TextColor);
    if (shown == 0) {
        canvas.Line(left, bottom - 6, left, bottom);
    } else {
        canvas.SetBrushColor(fill);
        canvas.Rectangle(Rect{left, bottom - 6, left + shown * (right - left) / 100, bottom});
    }

    DrawTextAt(canvas, label, left, top);
    DrawTextAt(canvas, valueText, right - 2 - canvas.TextWidth(valueText), top);
    return bottom - top + 2;
}
