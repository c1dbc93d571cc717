// Games for the save tests: every byte of the saved records filled from a seed
// (reserved bytes, unused log entries and carried potentials too), then the
// fields that a loadable game must keep in range set to plausible values.
#pragma once

#include "model/Game.h"
#include "model/Text.h"

#include <cstddef>
#include <cstring>
#include <random>
#include <string>

namespace sample {

// Where the items of a file with p properties start.
inline std::size_t PropertyAt(std::size_t k) {
    return 13 + k * sizeof(Property);
}
inline std::size_t CharacterCountAt(std::size_t p) {
    return PropertyAt(p);
}
inline std::size_t CharacterAt(std::size_t p, std::size_t j) {
    return CharacterCountAt(p) + 4 + j * sizeof(Character);
}
inline std::size_t ServicesAt(std::size_t p, std::size_t c) {
    return CharacterAt(p, c);
}
inline std::size_t ScalarsAt(std::size_t p, std::size_t c) {
    return ServicesAt(p, c) + sizeof(ServiceDescr) * ServiceKindCount;
}

template <typename T> void FillRandom(T& record, std::mt19937& gen) {
    auto* b = reinterpret_cast<unsigned char*>(&record);
    for (std::size_t i = 0; i < sizeof(T); ++i)
        b[i] = static_cast<unsigned char>(gen());
}

inline double Between(std::mt19937& gen, double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(gen);
}

inline void MakeLoadable(Property& p, std::mt19937& gen, int32_t barId) {
    p.BarId = barId;
    CopyText(p.Name, "Bar " + std::to_string(barId));
    TerminateField(p.Name); // the bytes after the text stay random
    p.Supplies = Between(gen, 0, 100);
    p.FineDueTime = (gen() % 2) ? 0.0 : 46000 + gen() % 100;
    p.GroupCount = static_cast<int32_t>(gen() % (MaxGroups + 1));
    for (VisitorGroup& g : p.Groups)
        g.Type = static_cast<uint8_t>(1 + gen() % 11);
    p.LogCount = static_cast<int32_t>(gen() % (MaxLogEntries + 1));
    for (MessageLogEntry& e : p.Log) {
        e.Time = Between(gen, 45000, 46000);
        TerminateField(e.Text);
    }
    p.ReportCount = static_cast<int32_t>(gen() % (MaxReportLines + 1));
    for (ReportLine& r : p.Report)
        TerminateField(r.Text);
}

inline void MakeLoadable(Character& c, std::mt19937& gen, int32_t j) {
    CopyText(c.Name, "Person " + std::to_string(j));
    TerminateField(c.Name);
    c.Relation = Between(gen, -100, 100);
    c.Skill = Between(gen, 0, 1);
    c.SecondSkill = Between(gen, 0, 1);
    c.InterestRate = Between(gen, 0, 0.2);
    c.Employed = static_cast<uint8_t>(gen() % 2);
    c.SlotIndex = static_cast<int32_t>(gen() % VacancyCount);
}

// Fills GameState with p properties and c characters; the static tables stay.
inline void FillGame(unsigned seed, int p, int c) {
    std::mt19937 gen(seed);
    GameState.Properties.clear();
    GameState.Characters.clear();
    for (int k = 0; k < p; ++k) {
        auto rec = NewPropertyRecord();
        FillRandom(*rec, gen);
        MakeLoadable(*rec, gen, 100 + k);
        GameState.Properties.push_back(std::move(rec));
    }
    for (int j = 0; j < c; ++j) {
        auto rec = NewCharacterRecord();
        FillRandom(*rec, gen);
        MakeLoadable(*rec, gen, j);
        GameState.Characters.push_back(std::move(rec));
    }
    for (ServiceDescr& s : GameState.Services) {
        FillRandom(s, gen);
        TerminateField(s.Name);
        TerminateField(s.Description);
    }
    GameState.Cash = static_cast<int32_t>(gen());
    GameState.GameTime = 46000.5 + seed;
    GameState.StartTime = 45990.0 + 1.0 / 48;
    GameState.Difficulty = static_cast<uint8_t>(gen() % 4);
    GameState.ClockSpeed = static_cast<int32_t>(gen() % 3);
    GameState.GameInProgress = true;
    GameState.SelectedProperty = p > 0 ? p - 1 : -1;
    GameState.SelectedSlot = p > 0 ? 3 : -1;
    GameState.SelectedCharacter = c > 0 ? c / 2 : -1;
    GameState.SelectedGroup = p > 0 && GameState.Properties[p - 1]->GroupCount > 0 ? 0 : -1;
    ViewState& v = GameState.View;
    v.PlanWord = static_cast<uint32_t>(gen());
    v.PalmMode = static_cast<uint8_t>(gen() % 11);
    v.PalmPageIndx = static_cast<int32_t>(gen() % 5);
    v.PalmLastHotIndex = -1;
    v.PalmScrollY = 40;
    v.PalmContinueAvailable = 1;
    v.RulerTab = 2;
    v.RulerScrollX = 15;
}

} // namespace sample
