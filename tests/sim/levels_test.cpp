// Service levels, legality and the satisfaction meter of one property.
#include "sim/Levels.h"

#include "sim/SimFixture.h"

namespace {

class Levels : public SimWorld {
protected:
    Property* p = nullptr;
    const BarDescr* d = nullptr;

    void SetUp() override { Reown(MakeBarDescr(1, 10000, 10)); }
    void Reown(const BarDescr& bar) {
        ResetGameState();
        p = Own(bar);
        d = Descr(p);
    }
    BarDescr WithTraits(uint8_t good, uint8_t bad, int32_t capacity = 10) {
        BarDescr b = MakeBarDescr(1, 10000, capacity);
        b.GoodTrait = good;
        b.BadTrait = bad;
        return b;
    }
};

TEST_F(Levels, UnstaffedPropertyRunsAtHalfManagementAndNoService) {
    EXPECT_EQ(ManagementLevel(p, d), 50);
    for (int k = skCooking; k <= skEntertainment; ++k)
        EXPECT_EQ(ServiceLevel(p, d, k, 50), 0) << k;
    EXPECT_EQ(SecurityLevel(p, d), 50);
    EXPECT_EQ(ServiceLevel(p, d, skStriptease, 50), 0);
    // A rowdy group lowers security in proportion to the capacity: 0.5 - 25 * 0.01 / 10.
    Place(p, Group(vtRacketingYouth, -25));
    Place(p, Group(vtPlacidCouples, 0));
    EXPECT_EQ(SecurityLevel(p, d), 47);
}

TEST_F(Levels, StaffAndUpgradesScaledByManagement) {
    p->TablewareLevel = 2;
    Employ(p, Profession(skCooking), 0, 0.655);
    EXPECT_EQ(ServiceLevel(p, d, skCooking, 100), 95);
    EXPECT_EQ(ServiceLevel(p, d, skCooking, 50), 47);
    // Tableware also serves drinks; repair and equipment do not touch cooking.
    EXPECT_EQ(ServiceLevel(p, d, skDrinks, 100), 30);
    p->RepairLevel = 4;
    p->EquipmentLevel = 2;
    EXPECT_EQ(ServiceLevel(p, d, skCleanness, 100), 60);
    EXPECT_EQ(ServiceLevel(p, d, skEntertainment, 100), 30);
    EXPECT_EQ(ServiceLevel(p, d, skCooking, 100), 95);
}

TEST_F(Levels, ManagersAfterTheFirstCostATenth) {
    struct Case {
        std::vector<double> skills;
        int32_t level;
    } cases[] = {
        {{}, 50},
        {{0.25}, 75},
        {{0.4, 0.4}, 100},
        {{0.1, 0.1, 0.1}, 60},
        {{0.0, 0.0}, 40},
        {{0.5}, 100},
        {{0.0, 0.0, 0.0, 0.0, 0.0, 0.0}, 0},
    };
    for (const Case& c : cases) {
        Reown(MakeBarDescr(1, 10000, 10));
        int32_t manager = Profession(skManagement);
        for (std::size_t i = 0; i < c.skills.size(); ++i)
            Employ(p, manager, static_cast<int32_t>(i), c.skills[i]);
        EXPECT_EQ(ManagementLevel(p, d), c.level) << c.skills.size() << " managers";
    }
}

TEST_F(Levels, SecondRoleAddsSkillWithoutCountingAsStaff) {
    int32_t stripper = Profession(skEntertainment, skStriptease);
    Employ(p, stripper, 0, 0.6, 0.8);
    EXPECT_EQ(ServiceLevel(p, d, skStriptease, 100), 80);
    EXPECT_EQ(ServiceLevel(p, d, skEntertainment, 100), 60);
    // A second role of Management adds nothing while nobody holds the role itself,
    // and does not count as a further manager once somebody does.
    Employ(p, Profession(skSecurity, skManagement), 1, 0.1, 0.1);
    EXPECT_EQ(ManagementLevel(p, d), 50);
    Employ(p, Profession(skManagement), 2, 0.2);
    EXPECT_EQ(ManagementLevel(p, d), 80); // 0.2 + 0.1 + 0.5
}

// Sums of decimal skills round differently in another order, and the level then
// truncates to another whole number: the upgrade comes first, then the workers in
// the order the characters are kept, whichever of their roles brings the skill.
TEST_F(Levels, SkillsAddToTheUpgradeInCharacterOrder) {
    struct Case {
        bool bartenderFirst;
        int32_t level; // trunc(((0.15 + first) + second) * 100)
    } cases[] = {
        {false, 21}, // (0.15 + 0.02) + 0.05
        {true, 22},  // (0.15 + 0.05) + 0.02
    };
    for (const Case& c : cases) {
        Reown(MakeBarDescr(1, 10000, 10));
        p->TablewareLevel = 1;
        const int32_t cook = Profession(skCooking);
        const int32_t bartender = Profession(skDrinks, skCooking);
        if (c.bartenderFirst) Employ(p, bartender, 1, 0.3, 0.05);
        Employ(p, cook, 0, 0.02);
        if (!c.bartenderFirst) Employ(p, bartender, 1, 0.3, 0.05);
        EXPECT_EQ(ServiceLevel(p, d, skCooking, 100), c.level) << c.bartenderFirst;
    }
}

// Descriptions are found by their Id also where the table is not numbered 1, 2, ...
// in order: swapped ids, and ids past the table's length.
TEST_F(Levels, StaffFromATableNumberedAnotherWayStillCount) {
    struct Case {
        int32_t cookId, bartenderId;
    } cases[] = {{2, 1}, {20, 10}};
    for (const Case& c : cases) {
        Reown(MakeBarDescr(1, 10000, 10));
        Profession(skCooking);
        Profession(skDrinks);
        GameState.CharDescrs[0].Id = c.cookId;
        GameState.CharDescrs[1].Id = c.bartenderId;
        Employ(p, c.bartenderId, 0, 0.4);
        Employ(p, c.cookId, 1, 0.25);
        Employ(p, 30, 2, 0.5); // no such description: counts for nothing
        EXPECT_EQ(ServiceLevel(p, d, skDrinks, 100), 40) << c.cookId;
        EXPECT_EQ(ServiceLevel(p, d, skCooking, 100), 25) << c.cookId;
        EXPECT_EQ(FindCharDescr(30), nullptr);
    }
}

TEST_F(Levels, OnlyTheseStaffCount) {
    int32_t cook = Profession(skCooking);
    Character* idle = Employ(p, cook, 0, 0.9);
    idle->Employed = 0;
    Character* other = Employ(p, cook, 1, 0.9);
    other->EmployerId = 99;
    Character* orphan = Employ(p, cook, 2, 0.9);
    orphan->DescrId = 77; // description missing
    EXPECT_EQ(ServiceLevel(p, d, skCooking, 100), 0);
    // Whatever the vacancy: a cook in a cleaner's slot still cooks.
    Employ(p, cook, 15, 0.5);
    EXPECT_EQ(ServiceLevel(p, d, skCooking, 100), 50);
}

TEST_F(Levels, ExhaustedSuppliesZeroTheRatedServicesOnly) {
    p->Supplies = 0;
    p->RepairLevel = 10;
    Employ(p, Profession(skCooking), 0, 1.0);
    Employ(p, Profession(skManagement), 1, 0.3);
    Employ(p, Profession(skSecurity), 2, 0.2);
    Employ(p, Profession(skEntertainment, skStriptease), 3, 0.5, 0.5);
    for (int k = skCooking; k <= skEntertainment; ++k)
        EXPECT_EQ(ServiceLevel(p, d, k, 100), 0) << k;
    EXPECT_EQ(ManagementLevel(p, d), 80);
    EXPECT_EQ(SecurityLevel(p, d), 66); // 0.2 * 0.8 + 0.5
    EXPECT_EQ(ServiceLevel(p, d, skStriptease, 80), 40);
    p->Supplies = 0.1;
    EXPECT_EQ(ServiceLevel(p, d, skCooking, 100), 100);
}

TEST_F(Levels, RegionTraitsOnManagementSecurityAndLegality) {
    struct Case {
        uint8_t good, bad;
        int32_t management, security, legality;
    } cases[] = {
        {0, 0, 50, 50, 50},
        {rtManagementValue, 0, 60, 50, 50},
        {0, rtManagementValue, 40, 50, 50},
        {rtSecurityValue, 0, 50, 60, 50},
        {0, rtSecurityValue, 50, 40, 50},
        {rtLegalityValue, 0, 50, 50, 60},
        {0, rtLegalityValue, 50, 50, 40},
        {rtVisitorProfit, rtSalaries, 50, 50, 50},
    };
    for (const Case& c : cases) {
        Reown(WithTraits(c.good, c.bad));
        EXPECT_EQ(ManagementLevel(p, d), c.management) << int(c.good) << "/" << int(c.bad);
        EXPECT_EQ(SecurityLevel(p, d), c.security) << int(c.good) << "/" << int(c.bad);
        EXPECT_EQ(LegalityLevel(p, d), c.legality) << int(c.good) << "/" << int(c.bad);
    }
}

TEST_F(Levels, LegalityTruncatesTheStaffShareTowardZero) {
    struct Case {
        std::vector<int32_t> legality;
        int32_t bribe, capacity;
        int32_t level;
    } cases[] = {
        {{-30, -20}, 0, 10, 45},                      // -50 / 10
        {{-15}, 0, 10, 49},                           // trunc(-1.5) is -1, not -2
        {{-30, -20}, 2, 10, 65},                      // each bribe level adds 10
        {{-1000}, 0, 1, 0},                           // held at 0
        {{}, 4, 10, 90},         {{500}, 4, 10, 100}, // held at 100
        {{}, 9, 10, 50},         {{}, -3, 10, 50},    // a level outside 0..4 counts as none
        {{-30}, 0, 0, 50},                            // no capacity: neutral
    };
    for (const Case& c : cases) {
        Reown(MakeBarDescr(1, 10000, c.capacity));
        p->BribeLevel = c.bribe;
        int32_t agent = Profession(skAgent);
        for (std::size_t i = 0; i < c.legality.size(); ++i)
            Employ(p, agent, static_cast<int32_t>(i), 0.5)->Legality = c.legality[i];
        EXPECT_EQ(LegalityLevel(p, d), c.level) << c.bribe << " " << c.capacity;
    }
}

TEST_F(Levels, AbsentRecordsAndNoCapacity) {
    EXPECT_EQ(ServiceLevel(nullptr, d, skCooking, 100), 0);
    EXPECT_EQ(ServiceLevel(p, nullptr, skManagement, -1), 0);
    EXPECT_EQ(LegalityLevel(nullptr, d), 50);
    EXPECT_EQ(LegalityLevel(p, nullptr), 50);
    // Without capacity the groups' share of security is left out rather than divided by 0.
    Reown(MakeBarDescr(1, 10000, 0));
    Place(p, Group(vtRacketingYouth, -40));
    EXPECT_EQ(SecurityLevel(p, d), 50);
}

TEST_F(Levels, SatisfactionCountsOnlyShortfallsInRatedDemands) {
    RateServices();
    p->TablewareLevel = 2;
    Employ(p, Profession(skCooking), 0, 0.655);
    Employ(p, Profession(skManagement), 1, 0.5);
    VisitorGroup g = Group(vtGourmets);
    g.Demand[skCooking] = 60;  // served at 95: fully met, no bonus
    g.Demand[skDrinks] = 40;   // served at 30: 30 met
    g.Demand[skSecurity] = 90; // not rated: ignored
    EXPECT_EQ(Satisfaction(p, d, g), 90);
    g.Demand[skServing] = 50;             // served at 0
    EXPECT_EQ(Satisfaction(p, d, g), 60); // 90 * 100 / 150
    p->Supplies = 0;
    EXPECT_EQ(Satisfaction(p, d, g), 0);
}

TEST_F(Levels, SatisfactionWithoutRatedDemandsAndTraitNine) {
    VisitorGroup g = Group(vtDrunkards);
    g.Demand[skSecurity] = 80;
    struct Case {
        uint8_t good, bad;
        int32_t none, half;
    } cases[] = {
        {0, 0, 100, 50}, {rtVisitorSatisfaction, 0, 100, 60}, {0, rtVisitorSatisfaction, 90, 40}};
    for (const Case& c : cases) {
        Reown(WithTraits(c.good, c.bad));
        RateServices();
        EXPECT_EQ(Satisfaction(p, d, g), c.none);
        VisitorGroup h = g;
        h.Demand[skCooking] = 40;
        p->TablewareLevel = 10; // 1.5 * 50 * 0.01: cooking 75, demand 40 met
        h.Demand[skDrinks] = 40;
        h.Demand[skServing] = 80; // unserved
        EXPECT_EQ(Satisfaction(p, d, h), c.half);
    }
}

} // namespace
