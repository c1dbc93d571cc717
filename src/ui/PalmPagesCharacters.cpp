// The pages of people: a contact or candidate, and a staff position with its
// employee.
#include "ui/Palmscreen.h"

#include "model/Game.h"
#include "ui/Utilities.h"

int GPalmScreen::DrawCharacterPage(Canvas& canvas, const Character* character,
                                   const BarDescr* descr, const Property* property) {
    (void)descr;
    (void)property;
    DrawPageTitle(canvas, "Character Info", 5);
    const CharDescr* cd = DescrOf(character);
    if (!cd) return 0;
    if (cd->IsProfession) {
        DrawCell(canvas, character->Employed ? Rect{90, 140, 140, 165} : Rect{90, 115, 140, 140},
                 Rect{140, 132, 190, 157});
    }
    return 192;
}

int GPalmScreen::DrawVacancyPage(Canvas& canvas, const Property* p, const BarDescr* d) {
    if (!p) return 0;
    int slot = GameState.SelectedSlot;
    int worker = slot >= 0 && slot < VacancyCount ? FindWorkerInSlot(p->BarId, slot) : -1;
    if (worker >= 0) return DrawCharacterPage(canvas, GameState.Characters[worker].get(), d, p);
    return DrawPageTitle(canvas, "Vacancy Info", 5) + 5;
}

int GPalmScreen::DrawCharacterInfoPage(Canvas& canvas, const Property* p, const BarDescr* d) {
    int32_t i = GameState.SelectedCharacter;
    if (i < 0 || i >= GameState.CharacterCount()) return 0;
    return DrawCharacterPage(canvas, GameState.Characters[i].get(), d, p);
}
