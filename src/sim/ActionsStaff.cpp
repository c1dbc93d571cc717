// Hiring the shown candidate and firing the employee of the shown position.
#include "model/Game.h"
#include "model/Text.h"
#include "sim/Actions.h"
#include "sim/Clock.h"
#include "sim/Stats.h"

#include <cctype>

namespace {

std::string Lower(std::string s) {
    for (char& ch : s)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

bool HasProfessionTitles(int kind) {
    for (const CharDescr& d : GameState.CharDescrs)
        if (d.IsProfession == 1 && d.Role == kind && d.Title[0] != '\0') return true;
    return false;
}

ActionResult HireMessage(const std::string& text) {
    ActionResult r;
    r.Prompt = PromptKind::Message;
    r.Text = text;
    r.Caption = "Hiring New Worker";
    return r;
}

} // namespace

ActionResult ViewCharacter() {
    const int32_t ci = GameState.SelectedCharacter;
    if (ci < 0 || ci >= GameState.CharacterCount()) return {};
    GameState.Characters[ci]->Viewed = 1;
    ActionResult r;
    r.Changed = true;
    return r;
}

ActionResult HireCandidate() {
    if (GameState.PropertyCount() == 0)
        return HireMessage("You must have a building in order to hire a worker.");
    Property* p = SelectedPropertyRecord();
    const int32_t ci = GameState.SelectedCharacter;
    if (!p || ci < 0 || ci >= GameState.CharacterCount()) return {};
    Character& c = *GameState.Characters[ci];
    const BarDescr* d = DescrOf(p);
    const CharDescr* cd = DescrOf(&c);
    // Only a candidate can be hired: not a contact, not someone already at work.
    if (!d || !cd || cd->IsProfession != 1 || c.Employed) return {};

    bool freeKind[ServiceKindCount] = {};
    bool anyOther = false;
    for (int32_t slot = 0; slot < VacancyCount; ++slot) {
        const Vacancy& v = d->Vacancies[slot];
        if (!v.Open || FindWorkerInSlot(p->BarId, slot) >= 0) continue;
        if (v.Kind == cd->Role) {
            c.EmployerId = p->BarId;
            c.SlotIndex = slot;
            c.Employed = 1;
            AddLogEntry(p, "You've hired " + FieldText(c.Name) + ".", lkNotice);
            ++GameStats.Hired;
            ActionResult r;
            r.Changed = true;
            r.DefaultPage = true;
            return r;
        }
        // A kind nobody can be hired for is not offered as a position.
        if (v.Kind >= 1 && v.Kind < ServiceKindCount && HasProfessionTitles(v.Kind)) {
            freeKind[v.Kind] = true;
            anyOther = true;
        }
    }
    if (!anyOther)
        return HireMessage(
            "All the vacancies are filled. You can't hire a new employee right now.");
    std::string list;
    for (int k = 1; k < ServiceKindCount; ++k) {
        if (!freeKind[k]) continue;
        if (!list.empty()) list += ", ";
        list += Lower(TitlesForKind(static_cast<uint8_t>(k)));
    }
    return HireMessage("You have no open position for a new " + Lower(FieldText(cd->Title)) +
                       ". The only available positions are: " + list + ".");
}

ActionResult FireEmployee() {
    Property* p = SelectedPropertyRecord();
    const int32_t slot = GameState.SelectedSlot;
    if (!p || slot < 0 || slot >= VacancyCount) return {};
    const int32_t w = FindWorkerInSlot(p->BarId, slot);
    if (w < 0) return {};
    Character& c = *GameState.Characters[w];
    c.Employed = 0;
    AddLogEntry(p, "You've fired " + FieldText(c.Name) + ".", lkNotice);
    ++GameStats.Fired;
    ActionResult r;
    r.Changed = true;
    r.DefaultPage = true;
    return r;
}
