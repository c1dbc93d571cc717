// Ten game years of the greedy bot on several seeds, with the game's invariants
// checked after every day.
#include "GreedyBot.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "sim/Clock.h"
#include "sim/Format.h"
#include "sim/Random.h"
#include "sim/Startup.h"
#include "sim/Stats.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

// Every broken invariant as a line of text; empty when the state is sound.
std::string Violations() {
    std::string out;
    auto fail = [&out](const std::string& what) { out += what + "\n"; };
    const GameStateData& g = GameState;
    if (g.Cash < 0) fail("cash " + std::to_string(g.Cash));
    if (g.PropertyCount() > MaxProperties) fail("properties");
    if (g.CharacterCount() > MaxCharacters) fail("characters");
    if (g.SelectedProperty < -1 || g.SelectedProperty >= g.PropertyCount())
        fail("selected property");
    if (g.SelectedCharacter < -1 || g.SelectedCharacter >= g.CharacterCount())
        fail("selected character");
    if (g.SelectedSlot < -1 || g.SelectedSlot >= VacancyCount) fail("selected slot");
    const Property* selected = SelectedPropertyRecord();
    if (g.SelectedGroup != -1 &&
        (!selected || g.SelectedGroup < 0 || g.SelectedGroup >= selected->GroupCount))
        fail("selected group");
    for (const auto& p : g.Properties) {
        const BarDescr* d = DescrOf(p.get());
        const std::string name = FieldText(p->Name);
        if (!d) {
            fail(name + ": no description");
            continue;
        }
        if (p->GroupCount < 0 || p->GroupCount > d->Capacity || p->GroupCount > MaxGroups)
            fail(name + ": groups " + std::to_string(p->GroupCount));
        if (p->LogCount < 0 || p->LogCount > MaxLogEntries) fail(name + ": log");
        if (p->ReportCount < 0 || p->ReportCount > MaxReportLines) fail(name + ": report");
        if (p->BribeLevel < 0 || p->BribeLevel > 4 || p->AdmissionFee < 0 || p->AdmissionFee > 4)
            fail(name + ": levels");
        for (int32_t level : {p->RepairLevel, p->TablewareLevel, p->EquipmentLevel})
            if (level < 0 || level > 10) fail(name + ": upgrade level");
        if (!(p->Supplies >= 0 && p->Supplies <= 120)) fail(name + ": supplies");
        for (int32_t i = 0; i < p->GroupCount && i < MaxGroups; ++i) {
            const uint8_t t = p->Groups[i].Type;
            if (t < 1 || t > 11) fail(name + ": group type");
            if (i > 0 && t > p->Groups[i - 1].Type) fail(name + ": groups not sorted");
            if (p->Groups[i].DesireToStay < 0 || p->Groups[i].DesireToStay > 100)
                fail(name + ": desire");
        }
    }
    std::set<std::pair<int32_t, int32_t>> slots;
    for (const auto& c : g.Characters) {
        if (c->Debt < 0) fail("negative debt");
        if (!c->Employed) continue;
        const std::string who = FieldText(c->Name);
        const Property* p = FindProperty(c->EmployerId);
        const BarDescr* d = DescrOf(p);
        if (!p || !d) {
            fail(who + ": works for a property not owned");
            continue;
        }
        if (c->SlotIndex < 0 || c->SlotIndex >= VacancyCount || !d->Vacancies[c->SlotIndex].Open)
            fail(who + ": not in an open slot");
        if (!slots.insert({c->EmployerId, c->SlotIndex}).second) fail(who + ": slot taken twice");
    }
    return out;
}

TEST(Soak, TenYearsOfTheGreedyBotKeepTheGameSound) {
    TempProgramFolder folder;
    HostRecorder host;
    GameStatistics total;
    const int32_t years = 10;
    // Seeds and difficulties; at the hardest level the bot runs short of money and
    // meets salaries it cannot pay, loans, the bank's seizures and police raids.
    const std::pair<uint32_t, uint8_t> runs[] = {{1, 3}, {2, 3}, {3, 2}, {4, 1}, {5, 0}, {6, 3}};
    for (const auto& [seed, difficulty] : runs) {
        ResetGameState();
        GameState.BarDescrs = FixtureCatalogue();
        BuildCharDescrs();
        SeedRandom(seed);
        GameState.Difficulty = difficulty;
        NewGameOnDay(static_cast<int32_t>(DayNumberOf(2026, 3, 1)));
        ResetGameStats();
        for (int32_t day = 0; day < years * 365; ++day) {
            GreedyBotDay();
            std::string after = Violations();
            ASSERT_EQ(after, "") << "seed " << seed << " day " << day << " after the bot";
            for (int hour = 0; hour < 24; ++hour)
                HourTick();
            after = Violations();
            ASSERT_EQ(after, "") << "seed " << seed << " day " << day;
            host.Messages.clear();
        }
        total.Bought += GameStats.Bought;
        total.Hired += GameStats.Hired;
        total.Events += GameStats.Events;
        total.Fights += GameStats.Fights;
        total.Raids += GameStats.Raids;
        total.Retired += GameStats.Retired;
        total.Seizures += GameStats.Seizures;
    }
    // The runs did play: buildings bought, staff hired, and trouble met.
    EXPECT_GT(total.Bought, 4);
    EXPECT_GT(total.Hired, 20);
    EXPECT_GT(total.Events, 0);
    EXPECT_GT(total.Fights, 0);
    EXPECT_GT(total.Raids, 0);
    EXPECT_GT(total.Seizures, 0);
}

} // namespace
