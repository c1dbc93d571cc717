// Candidates, supervision and salaries.
#include "model/Game.h"
#include "model/Text.h"
#include "sim/Clock.h"
#include "sim/PropertyDay.h"
#include "sim/Random.h"
#include "sim/Startup.h"
#include "sim/Stats.h"

#include <cmath>
#include <string>

namespace {
bool IsCandidate(const Character& c) {
    if (c.Employed) return false;
    const CharDescr* d = DescrOf(&c);
    return d != nullptr && d->IsProfession == 1;
}
} // namespace

void RemoveCandidates() {
    // A removal moves the next character into place i, so every candidate present
    // at the start is tested exactly once.
    int32_t i = 0;
    while (i < GameState.CharacterCount()) {
        if (IsCandidate(*GameState.Characters[i]) && ChanceTest(0.05))
            RemoveCharacter(i);
        else
            ++i;
    }
}

void GenerateCandidates() {
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (GameState.CharacterCount() >= MaxCharacters) return;
        if (ChanceTest(0.1)) AddRandomCandidate();
    }
}

void SupervisionCountdown(DayContext& day) {
    Property* p = day.P;
    if (!p || !day.D || p->SupervisionLeft <= 0) return;
    int32_t fall = static_cast<int32_t>(std::trunc(RandomBetween(0.5, 1.5) * 10));
    p->SupervisionLeft = p->SupervisionLeft - fall > 0 ? p->SupervisionLeft - fall : 0;
    if (p->SupervisionLeft > 0) return;
    for (int32_t slot = 0; slot < VacancyCount; ++slot) {
        if (!day.D->Vacancies[slot].Open) continue;
        int32_t w = FindWorkerInSlot(p->BarId, slot);
        if (w >= 0) GameState.Characters[w]->HonestyKnown = 1;
    }
    AddLogEntry(p, "You've determined the honesty of your workers.", lkNotice);
}

bool SalaryStep(DayContext& day, int32_t characterIndex) {
    if (characterIndex < 0 || characterIndex >= GameState.CharacterCount()) return false;
    Character& c = *GameState.Characters[characterIndex];
    if (c.Salary > 0) day.A.Salary += c.Salary;
    // The day's total holds the bribe, the visitors' profit and the fee so far.
    if (static_cast<int64_t>(GameState.Cash) + day.A.Total - day.A.Salary >= 0) return false;
    std::string name = FieldText(c.Name);
    AddLogEntry(day.P, name + " demands salary.", lkBad);
    if (!ChanceTest(0.05)) return false;
    AddLogEntry(day.P, name + " has retired.", lkBad);
    RemoveCharacter(characterIndex);
    ++GameStats.Retired;
    return true;
}
