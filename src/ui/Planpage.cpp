#include "ui/Planpage.h"

#include "model/Game.h"
#include "model/Text.h"
#include "ui/Tempbitmap.h"
#include "ui/Utilities.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int PlanLeft = 85;
constexpr int PlanTop = 68;
constexpr int BoxSize = 30;
constexpr int TabTop = 56;
constexpr int TabStep = 56;

constexpr Color NewsColors[3][NewsOldestAge + 1] = {
    {RGB(149, 0, 0), RGB(159, 22, 22), RGB(172, 50, 50), RGB(185, 83, 83), RGB(201, 125, 125)},
    {RGB(0, 0, 0), RGB(47, 47, 47), RGB(98, 98, 98), RGB(136, 136, 136), RGB(171, 171, 171)},
    {RGB(12, 128, 0), RGB(31, 142, 20), RGB(55, 158, 44), RGB(80, 172, 70), RGB(115, 191, 107)},
};

int LogCountOf(const Property& p) {
    return std::clamp(p.LogCount, 0, MaxLogEntries);
}
} // namespace

int NewsAge(const MessageLogEntry& e, double gameTime) {
    double halfDays = std::trunc(2 * (gameTime - e.Time));
    if (!(halfDays > 0)) return 0; // also a date from the future
    return halfDays > 1e9 ? 1000000000 : static_cast<int>(halfDays);
}

Color NewsColor(uint8_t kind, int age) {
    if (kind > lkGood) return RGB(0, 0, 0);
    return NewsColors[kind][std::clamp(age, 0, NewsOldestAge)];
}

GPlanPage::GPlanPage(const Bitmap* screenButtons)
    : mSavedWord(GameState.View.PlanWord), mButtons(screenButtons) {
    LoadImageBitmap(mTabImages, "nbscuts");
    mSavedWord = 0;
}

GPlanPage::~GPlanPage() = default;

void GPlanPage::PaintTo(Canvas& canvas, int x, int y) {
    for (int i = 0; i < GameState.PropertyCount(); ++i)
        PaintTab(canvas, x, y, i);
    Property* p = SelectedPropertyRecord();
    if (!p) return;
    PaintFloorPlan(canvas, x, y, *p, DescrOf(p));
    PaintNews(canvas, x, y, *p);
}

void GPlanPage::PaintTab(Canvas& canvas, int x, int y, int i) {
    Property& p = *GameState.Properties[i];
    bool selected = i == GameState.SelectedProperty;
    int top = y + TabTop + TabStep * i;
    int cell = 106 * i + (selected ? 53 : 0);
    canvas.CopyRect(Rect{x + 5, top, x + 58, top + 55}, mTabImages, Rect{cell, 0, cell + 53, 55});

    // The freshest bad news of the last two days shows as a badge.
    int freshestBad = -1;
    for (int k = 0; k < LogCountOf(p); ++k) {
        MessageLogEntry& e = p.Log[k];
        int age = NewsAge(e, GameState.GameTime);
        if (age > NewsOldestAge) break;
        if (selected) e.Seen = 1;
        if (e.Kind == lkBad && (freshestBad < 0 || age < freshestBad)) freshestBad = age;
    }
    if (freshestBad >= 0 && mButtons) {
        int left = 150 + 20 * freshestBad;
        canvas.CopyRect(Rect{x + 23, y + 65 + TabStep * i, x + 43, y + 85 + TabStep * i}, *mButtons,
                        Rect{left, 370, left + 20, 390});
    }
}

void GPlanPage::PaintFloorPlan(Canvas& canvas, int x, int y, const Property& p, const BarDescr* d) {
    if (!d) return;
    if (Bitmap* plan = GetTempBitmap(BuildingsFolder(), std::to_string(d->Id) + "p.bmp"))
        canvas.Draw(x + PlanLeft, y + PlanTop, *plan);

    canvas.SetPenWidth(1);
    for (int j = 0; j < VacancyCount; ++j) {
        const Vacancy& v = d->Vacancies[j];
        if (!v.Open) continue;
        const Rect box{x + v.X + PlanLeft, y + v.Y + PlanTop, x + v.X + PlanLeft + BoxSize,
                       y + v.Y + PlanTop + BoxSize};
        int worker = FindWorkerInSlot(p.BarId, j);
        const CharDescr* cd = worker >= 0 ? DescrOf(GameState.Characters[worker].get()) : nullptr;
        if (cd) {
            int pi = cd->PictureIndex;
            if (Bitmap* icons = GetTempBitmap(ImagesFolder(), FieldText(cd->Picture) + "_i.bmp"))
                canvas.CopyRect(box, *icons, Rect{40 * pi + 5, 3, 40 * pi + 35, 33});
        }
        // Brackets whose corners cross.
        canvas.SetPenColor(j == GameState.SelectedSlot ? SelectionColor : TextColor);
        canvas.Line(box.left - 4, box.top, box.right + 4, box.top);
        canvas.Line(box.left - 4, box.bottom, box.right + 4, box.bottom);
        canvas.Line(box.left, box.top - 4, box.left, box.bottom + 4);
        canvas.Line(box.right, box.top - 4, box.right, box.bottom + 4);
    }
}

void GPlanPage::PaintNews(Canvas& canvas, int x, int y, const Property& p) {
    canvas.SetFont("Arial", 8);
    canvas.SetBold(false);
    canvas.SetUnderline(false);
    int top = y + PlanTop;
    for (int k = 0; k < LogCountOf(p) && k < NewsLinesShown; ++k) {
        const MessageLogEntry& e = p.Log[k];
        int age = NewsAge(e, GameState.GameTime);
        if (age > NewsOldestAge) break;
        canvas.SetFontColor(NewsColor(e.Kind, age));
        top += DrawTextWrapped(canvas, FieldText(e.Text), x + 72, 385, top);
    }
    canvas.SetFontColor(TextColor);
}

uint8_t GPlanPage::IsHotArea(int x, int y) {
    LastHotArea = plNone;
    LastHotIndex = -1;
    for (int i = 0; i < GameState.PropertyCount(); ++i) {
        if (PointInRect(16, TabTop + TabStep * i, 53, 95 + TabStep * i, x, y)) {
            LastHotArea = plProperty;
            LastHotIndex = i;
            return LastHotArea;
        }
    }
    const Property* p = SelectedPropertyRecord();
    const BarDescr* d = DescrOf(p);
    if (!d) return LastHotArea;
    for (int j = 0; j < VacancyCount; ++j) {
        const Vacancy& v = d->Vacancies[j];
        if (v.Open && PointInRect(v.X + PlanLeft, v.Y + PlanTop, v.X + PlanLeft + BoxSize,
                                  v.Y + PlanTop + BoxSize, x, y)) {
            LastHotArea = plVacancy;
            LastHotIndex = j;
            return LastHotArea;
        }
    }
    return LastHotArea;
}
