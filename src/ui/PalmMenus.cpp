// The two pages made of buttons only: the main menu and the choice of difficulty.
#include "ui/Palmscreen.h"

#include "model/Game.h"

namespace {
struct MenuButton {
    int Top;
    Rect Cell;
    Rect GreyCell; // empty: always available
};

constexpr Rect NoCell{0, 0, 0, 0};
constexpr MenuButton About{92, {0, 120, 75, 140}, NoCell};
constexpr MenuButton Continue{117, {0, 200, 75, 220}, {75, 390, 150, 410}};
constexpr MenuButton NewGame{142, {0, 140, 75, 160}, NoCell};
constexpr MenuButton LoadGame{167, {0, 160, 75, 180}, NoCell};
constexpr MenuButton SaveGame{192, {0, 180, 75, 200}, {75, 370, 150, 390}};
constexpr MenuButton Exit{217, {0, 220, 75, 240}, NoCell};

constexpr Rect DifficultyCells[4] = {
    {0, 370, 75, 390}, {75, 220, 150, 240}, {0, 410, 75, 430}, {0, 430, 75, 450}};

constexpr Rect ButtonAt(int top) {
    return Rect{60, top, 135, top + 20};
}
} // namespace

int GPalmScreen::DrawMainMenuPage(Canvas& canvas) {
    DrawPageTitle(canvas, "Main Menu", 5);
    bool canSave = GameState.GameInProgress && GameState.PropertyCount() > 0;
    auto draw = [&](const MenuButton& b, bool available) {
        DrawCell(canvas, available ? b.Cell : b.GreyCell, ButtonAt(b.Top));
    };
    draw(About, true);
    draw(Continue, mContinueAvailable != 0);
    draw(NewGame, true);
    draw(LoadGame, true);
    draw(SaveGame, canSave);
    draw(Exit, true);
    return 0;
}

int GPalmScreen::DrawNewGamePage(Canvas& canvas) {
    DrawPageTitle(canvas, "New Game", 5);
    DrawSectionHeader(canvas, "Select Difficulty Level", 58);
    for (int i = 0; i < 4; ++i)
        DrawCell(canvas, DifficultyCells[i], ButtonAt(75 + 25 * i));
    return 0;
}
