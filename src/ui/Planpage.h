// The notebook on the left: a bookmark tab per owned property, the selected
// property's floor plan with its staff positions, and its latest news.
#pragma once

#include "model/Gamedata.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"

#include <cstdint>

enum PlanHotArea : uint8_t { plNone = 0, plProperty = 1, plVacancy = 2 };

constexpr int PlanWidth = 480;
constexpr int PlanHeight = 465;
constexpr int NewsLinesShown = 6;
constexpr int NewsOldestAge = 4; // half-days

// Whole half-days since the entry; an entry dated after the game time is new.
int NewsAge(const MessageLogEntry& e, double gameTime);
// The colour of a news line of that kind and age (0..4); black for other kinds.
Color NewsColor(uint8_t kind, int age);

class GPlanPage {
public:
    // screenButtons: the main window's button strip (the alert badges).
    explicit GPlanPage(const Bitmap* screenButtons);
    ~GPlanPage();
    GPlanPage(const GPlanPage&) = delete;
    GPlanPage& operator=(const GPlanPage&) = delete;

    // Draws from the game state; marks the selected property's recent news seen.
    void PaintTo(Canvas& canvas, int x, int y);
    uint8_t IsHotArea(int x, int y);

    Bitmap mTabImages;
    uint8_t LastHotArea = plNone;
    int32_t LastHotIndex = -1;
    // A word saved with a game that nothing else uses; it lives in GameState.View.
    uint32_t& mSavedWord;

private:
    void PaintTab(Canvas& canvas, int x, int y, int i);
    void PaintFloorPlan(Canvas& canvas, int x, int y, const Property& p, const BarDescr* d);
    void PaintNews(Canvas& canvas, int x, int y, const Property& p);

    const Bitmap* mButtons;
};
