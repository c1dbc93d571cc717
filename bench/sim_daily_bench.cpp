// The daily update of a full game (6 properties, 50 groups each, every one of the
// 20 positions filled, 180 characters) and one hour tick without a day change.
#include "model/Game.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "sim/Clock.h"
#include "sim/Format.h"
#include "sim/PropertyDay.h"
#include "sim/Random.h"
#include "sim/Startup.h"
#include "support/TestEnv.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

struct FullGame {
    std::vector<Property> Properties;
    std::vector<Character> Characters;
    double Time = 0;
    int32_t Cash = 0;

    FullGame() {
        ResetGameState();
        const std::vector<uint8_t> kinds = {
            skManagement, skCooking,    skCooking,       skDrinks,        skDrinks,
            skServing,    skServing,    skServing,       skCleanness,     skCleanness,
            skDanceFloor, skDanceFloor, skEntertainment, skEntertainment, skEntertainment,
            skSecurity,   skSecurity,   skAgent,         skAgent,         skCooking};
        for (int32_t id = 1; id <= MaxProperties; ++id)
            GameState.BarDescrs.push_back(MakeBarDescr(id, 100000, 50, kinds, "club"));
        for (BarDescr& d : GameState.BarDescrs)
            for (int t = 1; t < VisitorTypeCount; ++t)
                d.Potential[t] = 1000;
        BuildCharDescrs();
        SeedRandom(11);
        GameState.Difficulty = 1;
        NewGameOnDay(static_cast<int32_t>(DayNumberOf(2026, 3, 1)));
        GameState.Cash = 10000000;
        // Buy all six; fill every position with a candidate of its kind.
        for (int32_t i = 0; i < MaxProperties; ++i) {
            auto p = NewPropertyRecord();
            const BarDescr& d = GameState.BarDescrs[i];
            p->BarId = d.Id;
            CopyText(p->Name, "Club");
            p->Value = d.Value;
            p->Supplies = 100;
            for (int t = 0; t < 12; ++t)
                p->Potential[t] = d.Potential[t];
            GameState.Properties.push_back(std::move(p));
        }
        GameState.SelectedProperty = 0;
        for (int32_t i = 0; i < MaxProperties; ++i) {
            Property* p = GameState.Properties[i].get();
            const BarDescr& d = GameState.BarDescrs[i];
            for (int32_t slot = 0; slot < VacancyCount; ++slot) {
                Character* c = nullptr;
                while (!c) {
                    AddRandomCandidate();
                    Character* last = GameState.Characters.back().get();
                    if (DescrOf(last)->Role == d.Vacancies[slot].Kind)
                        c = last;
                    else
                        GameState.Characters.pop_back();
                }
                c->Employed = 1;
                c->EmployerId = p->BarId;
                c->SlotIndex = slot;
            }
            bool full = false;
            int32_t pos = 0;
            while (p->GroupCount < 50)
                AddVisitorGroup(p, &d, 0, full, &pos);
        }
        while (GameState.CharacterCount() < MaxCharacters)
            AddRandomCandidate();
        for (const auto& p : GameState.Properties)
            Properties.push_back(*p);
        for (const auto& c : GameState.Characters)
            Characters.push_back(*c);
        Time = GameState.GameTime;
        Cash = GameState.Cash;
    }

    // Puts the full game back after a day changed it.
    void Restore() {
        GameState.Properties.clear();
        for (const Property& p : Properties)
            GameState.Properties.push_back(std::make_unique<Property>(p));
        GameState.Characters.clear();
        for (const Character& c : Characters)
            GameState.Characters.push_back(std::make_unique<Character>(c));
        GameState.GameTime = Time;
        GameState.Cash = Cash;
        GameState.SelectedProperty = 0;
        GameState.SelectedCharacter = -1;
        GameState.SelectedGroup = -1;
    }
};

void BM_DailyUpdateFullGame(benchmark::State& state) {
    FullGame game;
    game.Restore();
    // What a day starts from: shown beside the time so a thinner game is noticed.
    int64_t groups = 0, employed = 0;
    for (const auto& p : GameState.Properties)
        groups += p->GroupCount;
    for (const auto& c : GameState.Characters)
        employed += c->Employed;
    state.counters["groups"] = static_cast<double>(groups);
    state.counters["employed"] = static_cast<double>(employed);
    state.counters["characters"] = GameState.CharacterCount();
    for (auto _ : state) {
        state.PauseTiming();
        game.Restore();
        state.ResumeTiming();
        DailyUpdate();
    }
}
BENCHMARK(BM_DailyUpdateFullGame)->Unit(benchmark::kMicrosecond);

void BM_HourTickWithoutDayChange(benchmark::State& state) {
    FullGame game;
    game.Restore();
    const double midMorning = static_cast<int32_t>(game.Time) + 9.5 / 24;
    for (auto _ : state) {
        GameState.GameTime = midMorning;
        HourTick();
    }
}
BENCHMARK(BM_HourTickWithoutDayChange);

} // namespace
