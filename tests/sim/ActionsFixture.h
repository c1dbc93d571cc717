// A game for the player's actions: the real description tables, the fixture
// catalogue, and the contacts a new game would have.
#pragma once

#include "SimFixture.h"
#include "model/Tables.h"
#include "sim/Actions.h"
#include "sim/Stats.h"

#include <string>

class ActionsWorld : public SimWorld {
protected:
    void SetUp() override {
        BuildCharDescrs();
        BuildServices();
        GameState.BarDescrs = FixtureCatalogue();
        GameState.GameInProgress = true;
        GameState.GameTime = 1000 + 12.5 / 24;
        ResetGameStats();
    }
    // The contact of a role, added on first use; selects it.
    Character* Select(uint8_t role) {
        int32_t index = -1;
        Character* c = FindContact(role, &index);
        if (!c) {
            for (const CharDescr& d : GameState.CharDescrs) {
                if (d.IsProfession || d.Role != role) continue;
                auto rec = NewCharacterRecord();
                rec->DescrId = d.Id;
                CopyText(rec->Name, FieldText(d.FixedName));
                GameState.Characters.push_back(std::move(rec));
                break;
            }
            c = FindContact(role, &index);
        }
        GameState.SelectedCharacter = index;
        return c;
    }
    // A candidate of the first profession with that title; selects it.
    Character* SelectCandidate(const char* title, const char* name = "Sam") {
        for (const CharDescr& d : GameState.CharDescrs) {
            if (!d.IsProfession || FieldText(d.Title) != title) continue;
            auto rec = NewCharacterRecord();
            rec->DescrId = d.Id;
            CopyText(rec->Name, name);
            GameState.Characters.push_back(std::move(rec));
            GameState.SelectedCharacter = GameState.CharacterCount() - 1;
            return GameState.Characters.back().get();
        }
        return nullptr;
    }
    int32_t DescrIdOf(const char* title) {
        for (const CharDescr& d : GameState.CharDescrs)
            if (d.IsProfession && FieldText(d.Title) == title) return d.Id;
        return 0;
    }
    // Owns a building of the catalogue by its place, as bought, and selects it.
    Property* OwnAt(int32_t index, const char* name = "The Test") {
        const BarDescr& d = GameState.BarDescrs[index];
        auto p = NewPropertyRecord();
        p->BarId = d.Id;
        CopyText(p->Name, name);
        p->Value = d.Value;
        p->Supplies = 25.0;
        GameState.Properties.push_back(std::move(p));
        GameState.SelectedProperty = GameState.PropertyCount() - 1;
        return GameState.Properties.back().get();
    }
    std::string LastLog(const Property* p) { return p->LogCount ? FieldText(p->Log[0].Text) : ""; }
    static bool Nothing(const ActionResult& r) {
        return !r.Changed && r.Prompt == PromptKind::None;
    }
};
