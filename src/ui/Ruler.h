// The strip along the bottom of the main window: a scrolling row of icons of
// the contacts, the candidates or the visitor groups, with three tabs.
#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

#include <cstdint>
#include <vector>

enum RulerTab : uint8_t { rtContacts = 0, rtCandidates = 1, rtVisitors = 2 };

enum RulerHotArea : uint8_t {
    rhNone = 0,
    rhScrollLeft = 1,
    rhScrollRight = 2,
    rhItem = 3,
    rhTab = 4,
};

constexpr int RulerWidth = 780;
constexpr int RulerHeight = 100;
constexpr int RulerRowWidth = 611; // the visible part of the icon row
constexpr int RulerIconStep = 42;
constexpr int RulerScrollStep = 15;

class GRuler {
public:
    // screenButtons: the main window's button strip (the candidates' badges).
    explicit GRuler(const Bitmap* screenButtons);
    ~GRuler();
    GRuler(const GRuler&) = delete;
    GRuler& operator=(const GRuler&) = delete;

    void PaintTo(Canvas& canvas, int x, int y);
    void UpdateStrip();
    void SetTab(uint8_t tab);
    void SetScroll(int32_t x);
    uint8_t IsHotArea(int x, int y);

    // The icon row; its width is 42n - 2 for n icons, 0 for none.
    const Bitmap& Strip() const { return mStrip; }
    int StripWidth() const { return mStrip.Width(); }

    Bitmap mTabImages;
    Bitmap mArrowImages;
    Bitmap mEmptyImage;
    uint8_t LastHotArea = rhNone;
    int32_t LastHotIndex = 0;
    // The view saved with a game lives in GameState.View.
    uint8_t& mTab;
    int32_t& mScrollX;

private:
    // The indices the row shows, in order: characters of the tab's kind, or the
    // selected property's visitor groups.
    std::vector<int32_t> Items() const;
    bool Scrollable() const { return mStrip.Width() > RulerRowWidth; }

    Bitmap mStrip;
    const Bitmap* mButtons;
};
