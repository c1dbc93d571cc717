#include "SimRun.h"

#include "model/Game.h"
#include "model/Text.h"
#include "sim/Format.h"
#include "sim/Stats.h"

#include <cstdio>

int64_t Worth() {
    int64_t worth = GameState.Cash;
    for (const auto& p : GameState.Properties)
        worth += p->Value;
    for (const auto& c : GameState.Characters)
        worth -= c->Debt;
    return worth;
}

int64_t GroupsPresent() {
    int64_t groups = 0;
    for (const auto& p : GameState.Properties)
        groups += p->GroupCount;
    return groups;
}

std::string DayLine(int32_t n, double dayTime) {
    return "day " + std::to_string(n) + " " + FormatLogDate(dayTime) + " cash " +
           std::to_string(GameState.Cash) + " properties " +
           std::to_string(GameState.PropertyCount()) + " groups " +
           std::to_string(GroupsPresent()) + " characters " +
           std::to_string(GameState.CharacterCount());
}

std::string SummaryLine(const SimRun& run) {
    const SimCounters& c = run.Counters;
    const std::pair<const char*, int64_t> fields[] = {
        {"seed", run.Seed},
        {"days", c.DaysRun},
        {"difficulty", GameState.Difficulty},
        {"cash", GameState.Cash},
        {"min_cash", c.MinCash},
        {"worth", Worth()},
        {"properties", GameState.PropertyCount()},
        {"groups", GroupsPresent()},
        {"characters", GameState.CharacterCount()},
        {"raids", GameStats.Raids},
        {"seizures", GameStats.Seizures},
        {"fights", GameStats.Fights},
        {"events", GameStats.Events},
        {"bought", GameStats.Bought},
        {"hired", GameStats.Hired},
        {"retired", GameStats.Retired},
        {"sold", GameStats.Sold},
        {"fired", GameStats.Fired},
        {"borrowed", GameStats.Borrowed},
        {"repaid", GameStats.Repaid},
    };
    std::string json = "{";
    for (const auto& [key, value] : fields) {
        if (json.size() > 1) json += ",";
        json += "\"" + std::string(key) + "\":" + std::to_string(value);
    }
    return "summary " + json + "}";
}

void PrintCatalogue() {
    for (const BarDescr& d : GameState.BarDescrs)
        std::printf("%d\t%d\t%d\t%s\n", d.Id, d.Value, d.Capacity, FieldText(d.Name).c_str());
}
