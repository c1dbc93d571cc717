#include "model/Game.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <strings.h>

GameStateData GameState;

void ResetGameState() { GameState = GameStateData(); }

std::unique_ptr<Property> NewPropertyRecord() {
    auto p = std::make_unique<Property>();
    std::memset(p.get(), 0, sizeof(Property));
    return p;
}

std::unique_ptr<Character> NewCharacterRecord() {
    auto c = std::make_unique<Character>();
    std::memset(c.get(), 0, sizeof(Character));
    return c;
}

Property* FindProperty(int32_t barId, int32_t* index) {
    for (int32_t i = 0; i < GameState.PropertyCount(); ++i) {
        if (GameState.Properties[i]->BarId == barId) {
            if (index) *index = i;
            return GameState.Properties[i].get();
        }
    }
    if (index) *index = -1;
    return nullptr;
}

const BarDescr* FindBarDescr(int32_t id) {
    for (const BarDescr& d : GameState.BarDescrs)
        if (d.Id == id) return &d;
    return nullptr;
}

const CharDescr* FindCharDescr(int32_t id) {
    // The table numbers its entries from 1 in order; look there first, and search
    // only a table built some other way.
    const auto& table = GameState.CharDescrs;
    if (id >= 1 && id <= static_cast<int64_t>(table.size()) && table[id - 1].Id == id)
        return &table[id - 1];
    for (const CharDescr& d : table)
        if (d.Id == id) return &d;
    return nullptr;
}

Character* FindContact(uint8_t role, int32_t* index) {
    // Descriptions in table order, and for each the characters in array order.
    for (const CharDescr& d : GameState.CharDescrs) {
        if (d.Role != role) continue;
        for (int32_t i = 0; i < GameState.CharacterCount(); ++i) {
            if (GameState.Characters[i]->DescrId == d.Id) {
                if (index) *index = i;
                return GameState.Characters[i].get();
            }
        }
    }
    if (index) *index = -1;
    return nullptr;
}

int32_t FindWorkerInSlot(int32_t barId, int32_t slot) {
    for (int32_t i = 0; i < GameState.CharacterCount(); ++i) {
        const Character& c = *GameState.Characters[i];
        if (c.Employed && c.EmployerId == barId && c.SlotIndex == slot) return i;
    }
    return -1;
}

std::string TitlesForKind(uint8_t kind) {
    std::vector<std::string> titles;
    for (const CharDescr& d : GameState.CharDescrs) {
        if (d.Role != kind) continue;
        std::string t(d.Title, strnlen(d.Title, sizeof d.Title));
        bool dup = std::any_of(titles.begin(), titles.end(), [&](const std::string& s) {
            return strcasecmp(s.c_str(), t.c_str()) == 0;
        });
        if (!dup) titles.push_back(t);
    }
    std::stable_sort(titles.begin(), titles.end(), [](const std::string& a, const std::string& b) {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    });
    std::string out;
    for (const std::string& t : titles) {
        if (!out.empty()) out += '/';
        out += t;
    }
    return out;
}

int32_t Today() { return static_cast<int32_t>(std::trunc(GameState.GameTime)); }

Property* SelectedPropertyRecord() {
    int32_t i = GameState.SelectedProperty;
    if (i < 0 || i >= GameState.PropertyCount()) return nullptr;
    return GameState.Properties[i].get();
}

const BarDescr* DescrOf(const Property* p) { return p ? FindBarDescr(p->BarId) : nullptr; }
const CharDescr* DescrOf(const Character* c) { return c ? FindCharDescr(c->DescrId) : nullptr; }

std::string HonestyText(const Character& c) {
    if (!c.HonestyKnown) return "(Unknown)";
    if (c.Dishonesty <= 0) return "Proved";
    if (c.Dishonesty <= 50) return "Moderate";
    return "Poor";
}

void RemoveProperty(int32_t index) {
    if (index < 0 || index >= GameState.PropertyCount()) return;
    int32_t barId = GameState.Properties[index]->BarId;
    for (auto& c : GameState.Characters)
        if (c->Employed && c->EmployerId == barId) c->Employed = 0;
    GameState.Properties.erase(GameState.Properties.begin() + index);
    GameState.SelectedProperty = GameState.PropertyCount() > 0 ? 0 : -1;
    // The group and slot selections indexed the old selected property.
    GameState.SelectedGroup = -1;
    GameState.SelectedSlot = -1;
}

void RemoveCharacter(int32_t index) {
    if (index < 0 || index >= GameState.CharacterCount()) return;
    GameState.Characters.erase(GameState.Characters.begin() + index);
    if (GameState.SelectedCharacter == index)
        GameState.SelectedCharacter = -1;
    else if (GameState.SelectedCharacter > index)
        --GameState.SelectedCharacter;
}

namespace {
// SelectedGroup indexes the selected property's groups only.
bool IsSelected(const Property* p) { return p != nullptr && p == SelectedPropertyRecord(); }
} // namespace

void RemoveVisitorGroup(Property* p, int32_t position) {
    if (!p || position < 0 || position >= p->GroupCount) return;
    std::memmove(&p->Groups[position], &p->Groups[position + 1],
                 sizeof(VisitorGroup) * (p->GroupCount - position - 1));
    --p->GroupCount;
    std::memset(&p->Groups[p->GroupCount], 0, sizeof(VisitorGroup));
    if (IsSelected(p)) {
        if (GameState.SelectedGroup == position)
            GameState.SelectedGroup = -1;
        else if (GameState.SelectedGroup > position)
            --GameState.SelectedGroup;
    }
}

VisitorGroup* InsertVisitorGroupAt(Property* p, int32_t k) {
    if (!p || p->GroupCount < 0 || p->GroupCount >= MaxGroups || k < 0 || k > p->GroupCount)
        return nullptr;
    std::memmove(&p->Groups[k + 1], &p->Groups[k], sizeof(VisitorGroup) * (p->GroupCount - k));
    ++p->GroupCount;
    std::memset(&p->Groups[k], 0, sizeof(VisitorGroup));
    if (IsSelected(p) && GameState.SelectedGroup != -1 && GameState.SelectedGroup >= k)
        ++GameState.SelectedGroup;
    return &p->Groups[k];
}

void ReleaseAllProperties() {
    GameState.Properties.clear();
    GameState.SelectedProperty = -1;
    GameState.SelectedGroup = -1;
}

void ReleaseAllCharacters() {
    GameState.Characters.clear();
    GameState.SelectedCharacter = -1;
}
