// A small owned-property world for the simulation tests: one building description,
// professions with the roles a test needs, and employees placed in vacancies.
#pragma once

#include "model/Game.h"
#include "model/Text.h"
#include "sim/PropertyDay.h"
#include "sim/Random.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <string>
#include <vector>

class SimWorld : public ::testing::Test {
protected:
    TempProgramFolder folder;

    // Adds a building description and owns it; returns the owned property.
    Property* Own(const BarDescr& d, const char* name = "The Test") {
        GameState.BarDescrs.push_back(d);
        auto p = NewPropertyRecord();
        p->BarId = d.Id;
        CopyText(p->Name, name);
        p->Value = d.Value;
        p->Supplies = 25.0;
        for (int i = 0; i < 12; ++i)
            p->Potential[i] = d.Potential[i];
        for (int i = 0; i < 8; ++i)
            p->Potential[12 + i] = d.Carried[i];
        GameState.Properties.push_back(std::move(p));
        return GameState.Properties.back().get();
    }
    const BarDescr* Descr(const Property* p) { return FindBarDescr(p->BarId); }

    // A profession with the given roles; returns its Id.
    int32_t Profession(uint8_t role, uint8_t secondRole = 0, const char* title = "Worker") {
        CharDescr d;
        std::memset(&d, 0, sizeof d);
        d.Id = GameState.CharDescrCount() + 1;
        d.IsProfession = 1;
        CopyText(d.Title, title);
        d.Role = role;
        d.SecondRole = secondRole;
        GameState.CharDescrs.push_back(d);
        return d.Id;
    }

    // An employee of p in vacancy slot; returns the character.
    Character* Employ(const Property* p, int32_t descrId, int32_t slot, double skill,
                      double secondSkill = 0, const char* name = "Worker") {
        auto c = NewCharacterRecord();
        c->DescrId = descrId;
        CopyText(c->Name, name);
        c->Skill = skill;
        c->SecondSkill = secondSkill;
        c->Employed = 1;
        c->EmployerId = p->BarId;
        c->SlotIndex = slot;
        GameState.Characters.push_back(std::move(c));
        return GameState.Characters.back().get();
    }

    // The rated services Cooking..Entertainment, as a new game builds them.
    void RateServices() {
        for (int k = skCooking; k <= skEntertainment; ++k)
            GameState.Services[k].Rated = 1;
    }

    VisitorGroup Group(uint8_t type, int32_t securityEffect = 0) {
        VisitorGroup g;
        std::memset(&g, 0, sizeof g);
        g.Type = type;
        g.SecurityEffect = securityEffect;
        g.DesireToStay = 100;
        return g;
    }
    void Place(Property* p, const VisitorGroup& g) { p->Groups[p->GroupCount++] = g; }

    // The context one step of the property's day works in.
    DayContext Day(Property* p, int32_t management = 50) {
        DayContext day;
        day.P = p;
        day.D = Descr(p);
        day.Management = management;
        return day;
    }
};

// Feeds the game's random generator a fixed sequence while it lives; once the
// sequence runs out every further draw repeats its last value.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<int32_t> values) : mValues(values.begin(), values.end()) {
        SetRandomSourceForTesting([this] {
            ++mDrawn;
            if (!mValues.empty()) {
                mLast = mValues.front();
                mValues.pop_front();
            }
            return mLast;
        });
    }
    ~ScriptedRandom() { SetRandomSourceForTesting(nullptr); }
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;

    int Drawn() const { return mDrawn; }
    std::size_t Left() const { return mValues.size(); }

private:
    std::deque<int32_t> mValues;
    int32_t mLast = 0;
    int mDrawn = 0;
};

// Draws that pass every ChanceTest (and give RandomBetween its low end), or fail
// every ChanceTest below certainty (and give RandomBetween its top).
constexpr int32_t DrawPass = 0;
constexpr int32_t DrawFail = 4094;

// The newest log entries' texts, newest first.
inline std::vector<std::string> LogTexts(const Property* p) {
    std::vector<std::string> out;
    for (int32_t i = 0; i < p->LogCount; ++i)
        out.push_back(FieldText(p->Log[i].Text));
    return out;
}
