#include "ui/Ruler.h"

#include "model/Game.h"
#include "model/Text.h"
#include "ui/Tempbitmap.h"
#include "ui/Utilities.h"

#include <algorithm>

namespace {
constexpr Color StripColor = RGB(179, 102, 64);
constexpr int IconSize = 40;
constexpr Rect RowArea{84, 22, 695, 62};
constexpr Rect LeftArrowArea{36, 10, 69, 80};
constexpr Rect RightArrowArea{707, 10, 740, 80};

// A candidate fits an open position of the selected property nobody fills.
bool FitsAVacancy(const CharDescr& cd) {
    const Property* p = SelectedPropertyRecord();
    const BarDescr* d = DescrOf(p);
    if (!d) return false;
    for (int v = 0; v < VacancyCount; ++v) {
        const Vacancy& vac = d->Vacancies[v];
        if (vac.Open && vac.Kind == cd.Role && FindWorkerInSlot(p->BarId, v) < 0) return true;
    }
    return false;
}
} // namespace

GRuler::GRuler(const Bitmap* screenButtons)
    : mTab(GameState.View.RulerTab), mScrollX(GameState.View.RulerScrollX),
      mButtons(screenButtons) {
    LoadImageBitmap(mTabImages, "rlscuts");
    LoadImageBitmap(mArrowImages, "rlbtns");
    LoadImageBitmap(mEmptyImage, "rlempty");
    mTab = rtContacts;
    mScrollX = 0;
    UpdateStrip();
}

GRuler::~GRuler() = default;

std::vector<int32_t> GRuler::Items() const {
    std::vector<int32_t> items;
    if (!GameState.GameInProgress) return items;
    if (mTab == rtVisitors) {
        const Property* p = SelectedPropertyRecord();
        if (!p) return items;
        for (int32_t j = 0; j < std::clamp(p->GroupCount, 0, MaxGroups); ++j)
            items.push_back(j);
        return items;
    }
    for (int32_t j = 0; j < GameState.CharacterCount(); ++j) {
        const Character& c = *GameState.Characters[j];
        const CharDescr* cd = DescrOf(&c);
        if (c.Employed || !cd || cd->IsProfession != mTab) continue;
        items.push_back(j);
    }
    return items;
}

void GRuler::UpdateStrip() {
    const std::vector<int32_t> items = Items();
    const int n = static_cast<int>(items.size());
    // As wide as the icons need, so drawing and hit testing always agree.
    mStrip.SetSize(n > 0 ? RulerIconStep * n - 2 : 0, IconSize);
    if (n > 0) {
        Canvas& canvas = mStrip.GetCanvas();
        canvas.SetBrushStyle(bsSolid);
        canvas.SetBrushColor(StripColor);
        canvas.FillRect(Rect{0, 0, mStrip.Width(), IconSize});
        canvas.SetPenWidth(1);
        const Property* p = SelectedPropertyRecord();
        for (int k = 0; k < n; ++k) {
            const int left = RulerIconStep * k;
            const Rect place{left, 0, left + IconSize, IconSize};
            bool selected;
            if (mTab == rtVisitors) {
                int t = p->Groups[items[k]].Type;
                if (t >= 1 && t < VisitorTypeCount) {
                    if (Bitmap* icons = GetTempBitmap(ImagesFolder(), "visitors_i.bmp"))
                        canvas.CopyRect(place, *icons,
                                        Rect{IconSize * (t - 1), 0, IconSize * t, IconSize});
                }
                selected = items[k] == GameState.SelectedGroup;
            } else {
                const Character& c = *GameState.Characters[items[k]];
                const CharDescr& cd = *DescrOf(&c);
                int pi = cd.PictureIndex;
                if (Bitmap* icons = GetTempBitmap(ImagesFolder(), FieldText(cd.Picture) + "_i.bmp"))
                    canvas.CopyRect(place, *icons,
                                    Rect{IconSize * pi, 0, IconSize * pi + IconSize, IconSize});
                if (cd.IsProfession && mButtons && FitsAVacancy(cd)) {
                    Rect badge = c.Viewed ? Rect{21, 327, 31, 340} : Rect{31, 327, 41, 340};
                    canvas.CopyRect(Rect{left + 28, 25, left + 38, 38}, *mButtons, badge);
                }
                selected = items[k] == GameState.SelectedCharacter;
            }
            canvas.SetPenColor(selected ? SelectionColor : TextColor);
            canvas.FrameRect(place);
        }
    }
    int maxScroll = mStrip.Width() - RulerRowWidth;
    if (mScrollX > maxScroll) mScrollX = maxScroll;
    if (mScrollX < 0) mScrollX = 0;
}

void GRuler::SetTab(uint8_t tab) {
    if (tab != mTab) mScrollX = 0;
    mTab = tab;
    UpdateStrip();
}

void GRuler::SetScroll(int32_t x) {
    mScrollX = x;
    UpdateStrip();
}

void GRuler::PaintTo(Canvas& canvas, int x, int y) {
    if (!GameState.GameInProgress) {
        canvas.Draw(x, y, mEmptyImage);
        return;
    }
    int w = std::min(mStrip.Width(), RulerRowWidth);
    if (w > 0)
        canvas.CopyRect(Rect{x + 84, y + 22, x + 84 + w, y + 62}, mStrip,
                        Rect{mScrollX, 0, mScrollX + w, IconSize});
    for (int i = 0; i < 3; ++i) {
        int top = 54 * i + (i == mTab ? 27 : 0);
        canvas.CopyRect(Rect{x + 74 + 118 * i, y + 71, x + 191 + 118 * i, y + 98}, mTabImages,
                        Rect{0, top, 117, top + 27});
    }
    if (Scrollable() && mScrollX > 0)
        canvas.CopyRect(Rect{x + 36, y + 10, x + 69, y + 80}, mArrowImages, Rect{0, 0, 33, 70});
    if (Scrollable() && mScrollX < mStrip.Width() - RulerRowWidth)
        canvas.CopyRect(Rect{x + 707, y + 10, x + 740, y + 80}, mArrowImages, Rect{33, 0, 66, 70});
}

uint8_t GRuler::IsHotArea(int x, int y) {
    LastHotArea = rhNone;
    LastHotIndex = 0;
    for (int i = 0; i < 3; ++i) {
        if (PointInRect(80 + 118 * i, 72, 190 + 118 * i, 91, x, y)) {
            LastHotArea = rhTab;
            LastHotIndex = i;
            return LastHotArea;
        }
    }
    if (PointInRect(RowArea, x, y) && GameState.GameInProgress) {
        const std::vector<int32_t> items = Items();
        for (int k = 0; k < static_cast<int>(items.size()); ++k) {
            int left = 84 + RulerIconStep * k;
            if (PointInRect(left, 22, left + IconSize, 62, x + mScrollX, y)) {
                LastHotArea = rhItem;
                LastHotIndex = items[k];
                return LastHotArea;
            }
        }
    }
    if (Scrollable() && mScrollX > 0 && PointInRect(LeftArrowArea, x, y))
        LastHotArea = rhScrollLeft;
    if (Scrollable() && mScrollX < mStrip.Width() - RulerRowWidth &&
        PointInRect(RightArrowArea, x, y))
        LastHotArea = rhScrollRight;
    return LastHotArea;
}
