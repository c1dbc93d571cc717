// Visitor groups: admission and order, supplies, staying or leaving, arrivals,
// the capacity notice, campaigns and shows, and potential visitors.
#include "sim/PropertyDay.h"

#include "model/Tables.h"
#include "sim/Format.h"
#include "sim/Levels.h"
#include "sim/SimFixture.h"

#include <algorithm>

namespace {

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

class Visitors : public SimWorld {
protected:
    Property* p = nullptr;
    void SetUp() override { p = Own(MakeBarDescr(1, 10000, 10, {}, "tavern")); }
    void NoPotential() {
        for (int t = 0; t < 20; ++t)
            p->Potential[t] = 0;
    }
};

TEST_F(Visitors, PickVisitorTypeByPotential) {
    NoPotential();
    EXPECT_EQ(PickVisitorType(p, 0), 0);
    EXPECT_EQ(PickVisitorType(p, vtGourmets), 0);
    p->Potential[vtPartyTeens] = 2;
    p->Potential[vtGourmets] = 3;
    EXPECT_EQ(PickVisitorType(p, vtGourmets), vtGourmets);
    EXPECT_EQ(PickVisitorType(p, vtVIPs), 0);
    EXPECT_EQ(PickVisitorType(p, 12), 0);
    // Types 1..11 in order, each covering as many values as it has potential visitors.
    const int expected[] = {1, 1, 5, 5, 5, 1};
    for (int k = 0; k < 6; ++k) {
        ScriptedRandom draw({k});
        EXPECT_EQ(PickVisitorType(p, 0), expected[k]) << k;
    }
}

TEST_F(Visitors, NewGroupGoesBehindItsOwnTypeAndKeepsTheSelection) {
    GameState.SelectedProperty = 0;
    for (uint8_t t : {9, 5, 2})
        Place(p, Group(t));
    GameState.SelectedGroup = 2; // the type-2 group
    bool cannotHold = false;
    int32_t at = -1;
    ScriptedRandom draw({DrawPass});
    ASSERT_TRUE(AddVisitorGroup(p, Descr(p), vtGourmets, cannotHold, &at));
    EXPECT_EQ(at, 2);
    std::vector<int> types;
    for (int i = 0; i < p->GroupCount; ++i)
        types.push_back(p->Groups[i].Type);
    EXPECT_EQ(types, (std::vector<int>{9, 5, 5, 2}));
    EXPECT_EQ(GameState.SelectedGroup, 3);
    EXPECT_EQ(p->Potential[vtGourmets], 9);
    // The lowest type is appended; the highest goes first.
    ASSERT_TRUE(AddVisitorGroup(p, Descr(p), vtPartyTeens, cannotHold, &at));
    EXPECT_EQ(at, 4);
    ASSERT_TRUE(AddVisitorGroup(p, Descr(p), vtRacketingYouth, cannotHold, &at));
    EXPECT_EQ(at, 0);
    EXPECT_EQ(GameState.SelectedGroup, 4);
    EXPECT_EQ(p->Groups[GameState.SelectedGroup].Type, 2);
    EXPECT_FALSE(cannotHold);
}

TEST_F(Visitors, NewGroupIsDrawnAroundItsCategory) {
    struct Case {
        int type;
        uint8_t difficulty;
        std::vector<int32_t> draws; // profit, security effect, then demands in kind order
        int32_t profit, security;
        int kind;
        int32_t demand;
    } cases[] = {
        // trunc(30 * 0.85) = 25; (25 + 20 - 10) / 5 * 5
        {vtDrunkards, 2, {20, 3, 17}, 35, -87, skDrinks, 57},
        // trunc(315 * 1.5) = 472; (472 - 10) / 5 * 5; demands held at 100
        {vtVIPs, 0, {0, 20, 20, 20, 20, 20, 20}, 460, 0, skServing, 100},
        {vtVIPs, 0, {0, 20, 20, 20, 20, 20, 20}, 460, 0, skCooking, 30},
        // An unknown difficulty counts as 1.0: (19 + 4 - 10) / 5 * 5
        {vtHardUpVisitors, 9, {4, 0, 0, 0, 0, 0, 0, 0}, 10, -35, skCooking, 10},
        {vtHardUpVisitors, 3, {0, 0, 0, 0, 0, 0, 0, 0}, 0, -35, skCooking, 10}, // trunc(19 * 0.7) =
                                                                                // 13
    };
    for (const Case& c : cases) {
        p->GroupCount = 0;
        GameState.Difficulty = c.difficulty;
        bool cannotHold = false;
        int32_t at = -1;
        ScriptedRandom draw(c.draws);
        ASSERT_TRUE(AddVisitorGroup(p, Descr(p), c.type, cannotHold, &at));
        const VisitorGroup& g = p->Groups[at];
        EXPECT_EQ(g.Type, c.type);
        EXPECT_EQ(g.Profit, c.profit) << c.type;
        EXPECT_EQ(g.SecurityEffect, c.security) << c.type;
        EXPECT_EQ(g.Demand[c.kind], c.demand) << c.type;
        EXPECT_EQ(g.DesireToStay, 100);
        EXPECT_EQ(draw.Drawn(), static_cast<int>(c.draws.size())) << c.type;
    }
    EXPECT_EQ(p->Groups[0].Demand[skManagement], 0);
}

TEST_F(Visitors, CapacityEdgeSetsTheFlagOnceAndLogsOneNotice) {
    Place(p, Group(vtGourmets));
    Place(p, Group(vtGourmets));
    GameState.BarDescrs[0].Capacity = 2;
    p->AdCampaign[vtVIPs] = 75;
    p->AdCampaign[vtDrunkards] = 75;
    DayContext day = Day(p);
    ScriptedRandom draw({DrawPass});
    Arrivals(day);
    EXPECT_TRUE(day.CannotHold);
    EXPECT_EQ(p->GroupCount, 2);
    CannotHoldNotice(day);
    std::vector<std::string> log = LogTexts(p);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("tavern"), std::string::npos);
    EXPECT_NE(log[0].find("cannot hold them all."), std::string::npos);
    EXPECT_EQ(p->Log[0].Kind, lkNotice);
}

TEST_F(Visitors, NoPotentialVisitorsMeansNobodyAndNoFullHouse) {
    NoPotential();
    Place(p, Group(vtGourmets));
    GameState.BarDescrs[0].Capacity = 1;
    p->AdCampaign[vtVIPs] = 75;
    DayContext day = Day(p);
    ScriptedRandom draw({DrawPass});
    Arrivals(day);
    CannotHoldNotice(day);
    EXPECT_FALSE(day.CannotHold);
    EXPECT_EQ(p->LogCount, 0);
}

TEST_F(Visitors, ArrivalsByLocationCampaignAndStripShow) {
    int32_t stripper = Profession(skEntertainment, skStriptease);
    Employ(p, stripper, 0, 0.5, 1.0);
    p->AdCampaign[vtShowFiends] = 75;
    DayContext day = Day(p, 100);
    ScriptedRandom draw({DrawPass});
    Arrivals(day);
    // Draw 0 picks Party Teens (the first type with potential) by location and strip show.
    ASSERT_EQ(p->GroupCount, 3);
    EXPECT_EQ(p->Groups[0].Type, vtShowFiends);
    std::vector<std::string> log = LogTexts(p); // newest first
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[2], "Party Teens found your tavern is conveniently located and visit it.");
    EXPECT_EQ(log[1], "Show Fiends saw your ad on tv and visit your tavern.");
    EXPECT_EQ(log[0], "Party Teens get off on your strip show and visit your tavern.");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(p->Log[i].Kind, lkGood);
}

TEST_F(Visitors, FirstDayOfTheGameAlwaysTriesOneArrival) {
    const double start = DayNumberOf(2026, 12, 7) + 1.0 / 48;
    GameState.StartTime = start;
    struct Case {
        double time;
        int groupsBefore, groupsAfter;
    } cases[] = {
        {start + 23.0 / 24, 0, 1},     // first day, empty: one arrival whatever the chance gives
        {start + 23.0 / 24, 1, 1},     // first day, somebody there already
        {start + 1 + 23.0 / 24, 0, 0}, // a later day
    };
    for (const Case& c : cases) {
        GameState.GameTime = c.time;
        p->GroupCount = 0;
        for (int i = 0; i < c.groupsBefore; ++i)
            Place(p, Group(vtVIPs));
        DayContext day = Day(p);
        ScriptedRandom draw({DrawFail});
        Arrivals(day);
        EXPECT_EQ(p->GroupCount, c.groupsAfter) << c.time - start;
    }
}

TEST_F(Visitors, SuppliesFallWithTheCrowdAndWarn) {
    struct Case {
        double supplies;
        int groups;
        double after;
        const char* text; // nullptr: no notice
        uint8_t kind;
    } cases[] = {
        {15.1, 1, 14.9, "Your stocks are running low.", lkNotice},
        {5.1, 1, 4.9, "Your stocks are running low.", lkBad},
        {0.1, 1, 0.0, "All the service levels are zeroed because your supplies are exhausted.",
         lkBad},
        {15.3, 1, 15.1, nullptr, 0},
        {3.0, 0, 3.0, nullptr, 0},
        {0.0, 0, 0.0, nullptr, 0},
        {20.0, 10, 18.0, nullptr, 0},
        {2.0, 20, 0.0, "All the service levels are zeroed because your supplies are exhausted.",
         lkBad},
    };
    for (const Case& c : cases) {
        p->LogCount = 0;
        p->GroupCount = 0;
        for (int i = 0; i < c.groups; ++i)
            Place(p, Group(vtGourmets));
        p->Supplies = c.supplies;
        DayContext day = Day(p);
        ConsumeSupplies(day);
        EXPECT_NEAR(p->Supplies, c.after, 1e-9) << c.supplies;
        EXPECT_GE(p->Supplies, 0.0);
        if (!c.text) {
            EXPECT_EQ(p->LogCount, 0) << c.supplies;
            continue;
        }
        ASSERT_EQ(p->LogCount, 1) << c.supplies;
        EXPECT_EQ(FieldText(p->Log[0].Text), c.text);
        EXPECT_EQ(p->Log[0].Kind, c.kind) << c.supplies;
    }
}

// 25.0 less 0.2 a day is 0 on day 125 on paper, but repeated subtraction leaves
// about 5.5e-14 there: that day must already be the exhausted one.
TEST_F(Visitors, SuppliesRunOutOnTheDayTheArithmeticSays) {
    Employ(p, Profession(skCooking), 0, 0.5);
    Place(p, Group(vtGourmets));
    p->Supplies = 25.0;
    const std::string exhausted =
        "All the service levels are zeroed because your supplies are exhausted.";
    for (int dayNumber = 1; dayNumber <= 126; ++dayNumber) {
        p->LogCount = 0;
        DayContext day = Day(p);
        ConsumeSupplies(day);
        const std::string text = p->LogCount > 0 ? FieldText(p->Log[0].Text) : "";
        const int32_t cooking = ServiceLevel(p, day.D, skCooking, 100);
        if (dayNumber < 125) {
            EXPECT_GT(p->Supplies, 0.1) << dayNumber;
            EXPECT_NE(text, exhausted) << dayNumber;
            EXPECT_EQ(cooking, 50) << dayNumber;
        } else {
            EXPECT_EQ(p->Supplies, 0.0) << dayNumber;
            ASSERT_EQ(p->LogCount, 1) << dayNumber;
            EXPECT_EQ(text, exhausted) << dayNumber;
            EXPECT_EQ(cooking, 0) << dayNumber;
        }
    }
}

TEST_F(Visitors, DissatisfiedGroupsLeaveAndTheNextIsStillHandled) {
    RateServices();
    VisitorGroup bored = Group(vtPartyTeens);
    bored.DesireToStay = 0;
    Place(p, bored);
    Place(p, bored);
    VisitorGroup fan = Group(vtPartyTeens);
    fan.DesireToStay = 50;
    Place(p, fan);
    VisitorGroup hungry = Group(vtPartyTeens);
    hungry.Demand[skCooking] = 40; // nobody cooks: satisfaction 0
    Place(p, hungry);
    p->ShowProgram[vtPartyTeens] = 20;
    DayContext day = Day(p);
    ScriptedRandom draw({DrawFail}); // the fee test fails; RandomBetween gives its top
    VisitorsStayOrLeave(day);
    ASSERT_EQ(p->GroupCount, 2);
    // 50 + trunc(1.4997 * 20 * 0.2) = 55
    EXPECT_EQ(p->Groups[0].DesireToStay, 55);
    // 100 + trunc(1.4997 * -100 / 14) = 90, then the show's +5
    EXPECT_EQ(p->Groups[1].DesireToStay, 95);
    std::vector<std::string> log = LogTexts(p);
    ASSERT_EQ(log.size(), 2u);
    for (const std::string& t : log) {
        EXPECT_TRUE(StartsWith(t, "Party Teens ")) << t;
        EXPECT_NE(t.find("tavern"), std::string::npos) << t;
    }
    EXPECT_EQ(p->Log[0].Kind, lkBad);
}

// The groups behind judge security without a rowdy group that has just left.
TEST_F(Visitors, GroupsBehindJudgeSecurityWithoutTheGroupThatLeft) {
    struct Case {
        bool rowdyLeavesFirst;
        int32_t desire; // of the group that wants security
    } cases[] = {
        {true, 100}, // 0.5 security meets a demand of 50
        {false, 98}, // 0.5 - 100 * 0.01 / 10: 100 + trunc(1.4998 * (80 - 100) / 14)
    };
    for (const Case& c : cases) {
        ResetGameState();
        p = Own(MakeBarDescr(1, 10000, 10, {}, "tavern"));
        GameState.Services[skSecurity].Rated = 1;
        VisitorGroup rowdy = Group(vtRacketingYouth, -100);
        rowdy.DesireToStay = c.rowdyLeavesFirst ? 0 : 100;
        VisitorGroup wary = Group(vtPlacidCouples);
        wary.Demand[skSecurity] = 50;
        if (c.rowdyLeavesFirst) Place(p, rowdy);
        Place(p, wary);
        if (!c.rowdyLeavesFirst) Place(p, rowdy);
        DayContext day = Day(p);
        ScriptedRandom draw({DrawFail});
        VisitorsStayOrLeave(day);
        ASSERT_EQ(p->GroupCount, c.rowdyLeavesFirst ? 1 : 2);
        EXPECT_EQ(p->Groups[0].Type, vtPlacidCouples);
        EXPECT_EQ(p->Groups[0].DesireToStay, c.desire) << c.rowdyLeavesFirst;
    }
}

TEST_F(Visitors, DesireReachingZeroLeavesOnTheNextDay) {
    RateServices();
    VisitorGroup g = Group(vtGourmets);
    g.Demand[skCooking] = 100;
    g.DesireToStay = 5;
    Place(p, g);
    DayContext day = Day(p);
    ScriptedRandom draw({DrawFail});
    VisitorsStayOrLeave(day);
    ASSERT_EQ(p->GroupCount, 1);
    EXPECT_EQ(p->Groups[0].DesireToStay, 0);
    VisitorsStayOrLeave(day);
    EXPECT_EQ(p->GroupCount, 0);
    EXPECT_TRUE(StartsWith(FieldText(p->Log[0].Text), "Gourmets "));
}

TEST_F(Visitors, FeeTestChanceAndTraitSix) {
    struct Case {
        int32_t fee, profit;
        uint8_t good, bad;
        int32_t draw;
        bool leaves;
    } cases[] = {
        {4, 0, 0, 0, 819, true}, // p = 0.2: trunc(0.2 * 4095) = 819
        {4, 0, 0, 0, 820, false},
        {4, 100, 0, 0, 409, true}, // p = 0.1
        {4, 100, 0, 0, 410, false},
        {4, 0, rtAdmissionFeeReaction, 0, 272, true}, // p = 0.0666
        {4, 0, rtAdmissionFeeReaction, 0, 273, false},
        {4, 0, 0, rtAdmissionFeeReaction, 2457, true}, // p = 0.6
        {4, 0, 0, rtAdmissionFeeReaction, 2458, false},
        {0, 30, 0, 0, 0, true}, // a negative chance still passes once in 4095
        {0, 30, 0, 0, 1, false},
    };
    for (const Case& c : cases) {
        GameState.BarDescrs[0].GoodTrait = c.good;
        GameState.BarDescrs[0].BadTrait = c.bad;
        p->GroupCount = 0;
        p->LogCount = 0;
        p->AdmissionFee = c.fee;
        VisitorGroup g = Group(vtCocktailLovers);
        g.Profit = c.profit;
        Place(p, g);
        DayContext day = Day(p);
        ScriptedRandom draw({c.draw, DrawFail});
        VisitorsStayOrLeave(day);
        EXPECT_EQ(p->GroupCount, c.leaves ? 0 : 1) << c.fee << " " << c.profit << " " << c.draw;
        if (c.leaves) {
            ASSERT_EQ(p->LogCount, 1);
            EXPECT_TRUE(StartsWith(FieldText(p->Log[0].Text), "Cocktail Lovers "));
        }
    }
}

TEST_F(Visitors, CampaignsAndShowsWearOffWithOneNotice) {
    p->AdCampaign[vtGourmets] = 5;
    p->AdCampaign[vtVIPs] = 75;
    p->ShowProgram[vtDrunkards] = 3;
    DayContext day = Day(p);
    ScriptedRandom draw({DrawPass}); // RandomBetween 0.5: campaigns -6, shows -3
    CampaignsAndShows(day);
    EXPECT_EQ(p->AdCampaign[vtGourmets], 0);
    EXPECT_EQ(p->AdCampaign[vtVIPs], 69);
    EXPECT_EQ(p->ShowProgram[vtDrunkards], 0);
    std::vector<std::string> log = LogTexts(p);
    EXPECT_EQ(log, (std::vector<std::string>{"You've ended staging show program for Drunkards.",
                                             "You've ended advertising campaign for Gourmets."}));
    CampaignsAndShows(day); // nothing more ends
    EXPECT_EQ(p->LogCount, 2);
    EXPECT_EQ(p->AdCampaign[vtVIPs], 63);
}

TEST_F(Visitors, PotentialGrowsOnlyBelowTheBuildingsMaximum) {
    p->Potential[vtGourmets] = 7;
    p->Potential[vtDrunkards] = 2;
    for (int32_t k : {1, 0}) {
        ScriptedRandom draw({k});
        AddPotentialVisitor(p, Descr(p));
    }
    EXPECT_EQ(p->Potential[vtGourmets], 8);
    EXPECT_EQ(p->Potential[vtDrunkards], 3);
    for (int t = 1; t < VisitorTypeCount; ++t)
        p->Potential[t] = 10;
    AddPotentialVisitor(p, Descr(p));
    for (int t = 1; t < VisitorTypeCount; ++t)
        EXPECT_EQ(p->Potential[t], 10);
}

TEST_F(Visitors, CountGroupsByType) {
    for (uint8_t t : {9, 9, 5, 2})
        Place(p, Group(t));
    EXPECT_EQ(CountGroups(p, 9), 2);
    EXPECT_EQ(CountGroups(p, 5), 1);
    EXPECT_EQ(CountGroups(p, 3), 0);
    EXPECT_EQ(CountGroups(nullptr, 9), 0);
}

} // namespace
