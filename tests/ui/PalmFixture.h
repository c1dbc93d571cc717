// A palm screen over a small game: one building description and property,
// services named, and a button strip whose every pixel tells where in the
// strip it came from, so a probe shows which cell was drawn at a place.
#pragma once

#include "UiTestSupport.h"
#include "model/Game.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "sim/Format.h"
#include "support/TestEnv.h"
#include "ui/Palmscreen.h"
#include "ui/Utilities.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// Strip pixel (x, y) has colour (x % 256, y % 256, 200 + y / 256 + 2 * (x / 256)).
inline Bitmap MakeCodedStrip() {
    Bitmap b(260, 450);
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 260; ++x)
            b.SetPixel(x, y, RGB(x % 256, y % 256, 200 + y / 256 + 2 * (x / 256)));
    return b;
}

struct StripPoint {
    int x, y;
    friend bool operator==(StripPoint, StripPoint) = default;
};

// Where in the coded strip a pixel of the page came from; nullopt for a pixel
// not copied from the strip.
inline std::optional<StripPoint> CellAt(const Bitmap& page, int x, int y) {
    Color c = page.PixelColor(x, y);
    if (c.b < 200 || c.b > 203) return std::nullopt;
    int high = c.b - 200;
    return StripPoint{c.r + 256 * (high / 2), c.g + 256 * (high % 2)};
}

inline std::ostream& operator<<(std::ostream& os, StripPoint p) {
    return os << "(" << p.x << ", " << p.y << ")";
}

// True when the page shows `text` at (x, y) in `color`: every pixel the text
// alone puts on a clean page is there.
inline ::testing::AssertionResult PageShows(const Bitmap& page, const std::string& text, int x,
                                            int y, bool bold = false, Color color = TextColor) {
    Bitmap ref(page.Width(), 40);
    Canvas& c = ref.GetCanvas();
    c.SetBrushStyle(bsSolid);
    c.SetBrushColor(PageColor);
    c.FillRect(Rect{0, 0, ref.Width(), 40});
    c.SetFont("Arial", 8);
    c.SetBold(bold);
    c.SetFontColor(color);
    DrawTextAt(c, text, x, 10);
    int w = c.TextWidth(text), h = c.TextHeight(text);
    if (w == 0) return ::testing::AssertionFailure() << "no font";
    for (int yy = 0; yy < h; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            if (ref.PixelColor(xx, 10 + yy) != PageColor &&
                ref.Pixel(xx, 10 + yy) != page.Pixel(xx, y + yy))
                return ::testing::AssertionFailure()
                       << "\"" << text << "\" differs at (" << xx << ", " << y + yy << ")";
    return ::testing::AssertionSuccess();
}

// The first y in [from, to) at which the page shows text at x; -1 if none.
inline int FindText(const Bitmap& page, const std::string& text, int x, int from, int to) {
    for (int y = from; y < to; ++y)
        if (PageShows(page, text, x, y)) return y;
    return -1;
}

inline int TextWidthOf(const std::string& text, bool bold = false) {
    Bitmap b(4, 4);
    b.GetCanvas().SetFont("Arial", 8);
    b.GetCanvas().SetBold(bold);
    return b.GetCanvas().TextWidth(text);
}

inline int LineHeightOf() {
    Bitmap b(4, 4);
    b.GetCanvas().SetFont("Arial", 8);
    return b.GetCanvas().TextHeight("X");
}

class PalmFixture : public ::testing::Test {
protected:
    PalmFixture() {
        BuildServices();
        palm = std::make_unique<GPalmScreen>(&strip);
    }

    // A game with one property on building 1, selected.
    Property& StartGameWithProperty() {
        GameState.GameInProgress = true;
        GameState.GameTime = DayNumberOf(2026, 3, 7) + 0.5;
        GameState.BarDescrs.push_back(MakeBarDescr(1, 50000, 10, {}, "Blue Lamp"));
        auto p = NewPropertyRecord();
        p->BarId = 1;
        CopyText(p->Name, "Blue Lamp");
        p->Supplies = 80;
        GameState.Properties.push_back(std::move(p));
        GameState.SelectedProperty = 0;
        return *GameState.Properties[0];
    }

public:
    static void AddLog(Property& p, const std::string& text, uint8_t kind) {
        MessageLogEntry& e = p.Log[p.LogCount++];
        CopyText(e.Text, text);
        e.Kind = kind;
    }

    static void AddReportLine(Property& p, const std::string& text, int32_t color) {
        ReportLine& l = p.Report[p.ReportCount++];
        CopyText(l.Text, text);
        l.Color = color;
    }

protected:
    const Bitmap& Page() const { return palm->Screen(); }

    TempProgramFolder folder;
    HostRecorder host;
    Bitmap strip = MakeCodedStrip();
    std::unique_ptr<GPalmScreen> palm;
};
