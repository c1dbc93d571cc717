// Random events: the table of kinds, amounts, conditions, texts and targets.
#include "ScriptedDraws.h"
#include "SimFixture.h"
#include "sim/PropertyDay.h"
#include "sim/Stats.h"

#include <string>

namespace {

class Events : public SimWorld {
protected:
    HostRecorder host;
    Property* first = nullptr;
    Property* third = nullptr;
    void SetUp() override {
        first = Own(MakeBarDescr(1, 1000, 5), "First");
        Own(MakeBarDescr(2, 1000, 5), "Second");
        third = Own(MakeBarDescr(3, 1000, 5), "Third");
        GameState.SelectedProperty = 0;
    }
};

TEST_F(Events, EachKindChangesItsFieldAndLogsWhereItShould) {
    struct Case {
        int32_t k, amountDraw, cash, value;
        int32_t expectCash, expectValue;
        bool inSelected; // logged in the selected property rather than the property itself
        uint8_t kind;
        bool message;
        const char* text; // the first phrase variant, drawn with 0
    } cases[] = {
        {0, 0, 100, 5000, 1100, 5000, true, lkGood, true,
         "After his sudden death, your uncle left you $1,000 in cash. May he rest in peace!"},
        {0, 29999, 100, 5000, 30600, 5000, true, lkGood, true, nullptr}, // the largest: 30500
        {2, 0, 100, 5000, 300, 5000, true, lkGood, false,
         "A visitor left his papers on the table. You returned them for a reward of $200."},
        {4, 0, 600, 5000, 100, 5000, false, lkBad, true,
         "Thieves broke into Third and stole some equipment inflicting a loss about $500."},
        {6, 0, 150, 5000, 50, 5000, true, lkBad, false,
         "Some equipment at the kitchen has broken down. You've spend $100 to repair it."},
        {9, 0, 100, 5000, 100, 10000, false, lkGood, true,
         "Third has raised in price by $5,000 as the region around it becomes more developed."},
        {11, 0, 100, 2601, 100, 101, false, lkBad, true,
         "The price of Third has dropped down by $2,500 because of economic recession."},
    };
    for (const Case& c : cases) {
        first->LogCount = third->LogCount = 0;
        host.Messages.clear();
        GameState.Cash = c.cash;
        third->Value = c.value;
        ResetGameStats();
        ScriptedDraws draws({kPass, c.k, c.amountDraw, 0});
        RandomEvent(third, first);
        std::string what = "k=" + std::to_string(c.k);
        EXPECT_EQ(GameState.Cash, c.expectCash) << what;
        EXPECT_EQ(third->Value, c.expectValue) << what;
        Property* logged = c.inSelected ? first : third;
        Property* clean = c.inSelected ? third : first;
        ASSERT_EQ(logged->LogCount, 1) << what;
        EXPECT_EQ(clean->LogCount, 0) << what;
        EXPECT_EQ(logged->Log[0].Kind, c.kind) << what;
        if (c.text) {
            EXPECT_EQ(FieldText(logged->Log[0].Text), c.text) << what;
        }
        ASSERT_EQ(host.Messages.size(), c.message ? 1u : 0u) << what;
        if (c.message) {
            EXPECT_EQ(host.Messages[0].first, FieldText(logged->Log[0].Text));
            EXPECT_EQ(host.Messages[0].second, "Quelbrin");
        }
        EXPECT_EQ(GameStats.Events, 1);
    }
}

TEST_F(Events, ConditionsThatFailLeaveEverythingAlone) {
    struct Case {
        int32_t k, amountDraw, cash, value;
    } cases[] = {
        {4, 500, 1000, 5000},                         // large loss of exactly 1000 with cash 1000
        {4, 14999, 1000, 5000}, {7, 900, 1000, 5000}, // small loss of 1000
        {5, 1450, 1000, 5000},                        // small loss of 1550
        {10, 0, 1000, 2600},   // the smallest drop, 2500, is not below 2600 - 100
        {10, 500, 1000, 2601}, // a drop of 3000 at 2601
        {10, 0, 1000, -500},   // a value pushed below 0 by fights
    };
    for (const Case& c : cases) {
        first->LogCount = third->LogCount = 0;
        host.Messages.clear();
        GameState.Cash = c.cash;
        third->Value = c.value;
        ResetGameStats();
        ScriptedDraws draws({kPass, c.k, c.amountDraw, 0});
        RandomEvent(third, first);
        std::string what = "k=" + std::to_string(c.k) + " draw " + std::to_string(c.amountDraw);
        EXPECT_EQ(GameState.Cash, c.cash) << what;
        EXPECT_EQ(third->Value, c.value) << what;
        EXPECT_EQ(first->LogCount + third->LogCount, 0) << what;
        EXPECT_TRUE(host.Messages.empty()) << what;
        EXPECT_EQ(GameStats.Events, 0) << what;
    }
}

TEST_F(Events, NoEventWhenTheChanceFailsAndTheSecondTargetDefaultsToTheProperty) {
    GameState.Cash = 100;
    {
        ScriptedDraws draws({kFail});
        RandomEvent(third, first);
        EXPECT_EQ(draws.Drawn(), 1);
        EXPECT_EQ(GameState.Cash, 100);
    }
    ScriptedDraws draws({kPass, 1, 0, 0});
    RandomEvent(third, nullptr);
    EXPECT_EQ(GameState.Cash, 300);
    EXPECT_EQ(third->LogCount, 1);
    EXPECT_EQ(first->LogCount, 0);
}

TEST_F(Events, WindfallsAndRisesAreHeldWithinTheMoneyRange) {
    GameState.Cash = 2147483000;
    third->Value = 2147480000;
    {
        ScriptedDraws draws({kPass, 0, 29999, 0});
        RandomEvent(third, first);
    }
    ScriptedDraws draws({kPass, 8, 49999, 0});
    RandomEvent(third, first);
    EXPECT_EQ(GameState.Cash, 2147483647);
    EXPECT_EQ(third->Value, 2147483647);
}

TEST_F(Events, AboutOnePropertyDayInFiftyWithTheTablesShares) {
    SeedRandom(99);
    GameState.Cash = 1000000;
    int events = 0, largeWindfalls = 0, smallWindfalls = 0;
    const int days = 60000;
    for (int i = 0; i < days; ++i) {
        int32_t cash = GameState.Cash;
        int before = GameStats.Events;
        host.Messages.clear();
        RandomEvent(third, first);
        if (GameStats.Events == before) continue;
        ++events;
        if (GameState.Cash > cash) (host.Messages.empty() ? smallWindfalls : largeWindfalls)++;
        GameState.Cash = 1000000;
        third->Value = 1000000;
    }
    EXPECT_NEAR(events / double(days), 0.02, 0.003);
    EXPECT_NEAR(largeWindfalls / double(events), 1.0 / 12, 0.03);
    EXPECT_NEAR(smallWindfalls / double(events), 0.25, 0.04);
}

} // namespace
