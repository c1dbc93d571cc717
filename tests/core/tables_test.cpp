// The fixed vocabulary: descriptions, services, visitor categories, traits and names.
#include "model/Game.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "sim/Names.h"
#include "sim/Random.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

namespace {

class Tables : public ::testing::Test {
protected:
    TempProgramFolder folder;
    HostRecorder host;
    ~Tables() override { SetRandomSourceForTesting(nullptr); }
    void Draws(int32_t value) {
        SetRandomSourceForTesting([value] { return value; });
    }
};

TEST_F(Tables, DescriptionRowsFixTheIds) {
    BuildCharDescrs();
    ASSERT_EQ(GameState.CharDescrCount(), 45);
    for (int i = 0; i < 45; ++i)
        EXPECT_EQ(GameState.CharDescrs[i].Id, i + 1);

    struct Row {
        int32_t id;
        uint8_t isProfession;
        const char* fixedName;
        const char* title;
        const char* picture;
        int32_t pictureIndex;
        uint8_t male, role, secondRole;
        double skill, secondSkill;
        int32_t legality;
    };
    const Row rows[] = {
        {1, 1, "", "Manager", "management", 0, 1, skManagement, 0, 0.8, 0, 0},
        {2, 1, "", "Manager", "management", 1, 0, skManagement, 0, 0.4, 0, 0},
        {6, 1, "", "Chef", "s_cook", 3, 1, skCooking, skServing, 0.3, 0.2, 0},
        {10, 1, "", "Waiter", "s_serve", 1, 1, skServing, skSecurity, 0.4, 0.2, 0},
        {17, 1, "", "Go-Go Dancer", "s_dance", 2, 0, skDanceFloor, skEntertainment, 0.4, 0.2, 0},
        {26, 1, "", "Strip Dancer", "s_bargirl", 1, 0, skEntertainment, skStriptease, 0.8, 0.3,
         -20},
        {28, 1, "", "Security Guard", "s_secure", 1, 1, skSecurity, 0, 0.4, 0, 0},
        {32, 1, "", "Agent", "offers", 10, 1, skAgent, skDrugSelling, 0, 0.8, -100},
        {34, 1, "", "Agent", "offers", 11, 1, skAgent, skPandering, 0, 0.8, -80},
        {35, 0, "Susane", "Real Estate Agent", "offers", 2, 0, 17, 0, 0, 0, 0},
        {42, 0, "Leroy", "Bank Official", "offers", 0, 1, 15, 0, 0, 0, 0},
        {43, 0, "Carlos", "Loan Shark", "offers", 1, 1, 16, 0, 0, 0, 0},
        {45, 0, "Andres", "Police Official", "offers", 12, 1, 25, 0, 0, 0, 0},
    };
    for (const Row& r : rows) {
        const CharDescr* d = FindCharDescr(r.id);
        ASSERT_NE(d, nullptr) << r.id;
        EXPECT_EQ(d->IsProfession, r.isProfession) << r.id;
        EXPECT_EQ(FieldText(d->FixedName), r.fixedName) << r.id;
        EXPECT_EQ(FieldText(d->Title), r.title) << r.id;
        EXPECT_EQ(FieldText(d->Picture), r.picture) << r.id;
        EXPECT_EQ(d->PictureIndex, r.pictureIndex) << r.id;
        EXPECT_EQ(d->Male, r.male) << r.id;
        EXPECT_EQ(d->Role, r.role) << r.id;
        EXPECT_EQ(d->SecondRole, r.secondRole) << r.id;
        EXPECT_DOUBLE_EQ(d->Skill, r.skill) << r.id;
        EXPECT_DOUBLE_EQ(d->SecondSkill, r.secondSkill) << r.id;
        EXPECT_EQ(d->Legality, r.legality) << r.id;
    }
    // Every contact role 15..25 has exactly one description.
    for (int role = 15; role <= 25; ++role) {
        int n = 0;
        for (const CharDescr& d : GameState.CharDescrs)
            n += d.Role == role;
        EXPECT_EQ(n, 1) << role;
    }
    EXPECT_EQ(TitlesForKind(skEntertainment), "Dancer/Musician/Singer/Strip Dancer");
    EXPECT_TRUE(host.ErrorBoxes.empty());

    // Built again, the table starts over instead of growing.
    BuildCharDescrs();
    EXPECT_EQ(GameState.CharDescrCount(), 45);
}

TEST_F(Tables, FiftyDescriptionsAtMost) {
    BuildCharDescrs();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(AddContactDescr("X", "Extra", "offers", 0, true, 14));
    EXPECT_EQ(GameState.CharDescrs.back().Id, 50);
    EXPECT_FALSE(AddProfessionDescr("Too Many", "s_cook", 0, true, skCooking, 0, 0.5, 0, 0));
    EXPECT_EQ(GameState.CharDescrCount(), 50);
    EXPECT_EQ(folder.ReadFile("debug.txt"),
              "Cannot add new character descriptions. The limit is reached.\n");
    EXPECT_EQ(host.ErrorBoxes.size(), 1u);
}

TEST_F(Tables, BuilderCutsTextsToTheirFields) {
    const std::string longText(80, 'a');
    ASSERT_TRUE(AddContactDescr(longText.c_str(), longText.c_str(), longText.c_str(), 0, true, 15));
    const CharDescr& d = GameState.CharDescrs[0];
    EXPECT_EQ(FieldText(d.FixedName), std::string(49, 'a'));
    EXPECT_EQ(FieldText(d.Title), std::string(49, 'a'));
    EXPECT_EQ(FieldText(d.Picture), std::string(29, 'a'));
}

TEST_F(Tables, Services) {
    BuildServices();
    const char* names[14] = {"(Unassigned)", "Management", "Cooking",     "Drinks",
                             "Serving",      "Cleanness",  "Dance Floor", "Entertainment",
                             "Security",     "Agent",      "Striptease",  "Contraband Selling",
                             "Drug Selling", "Pandering"};
    for (int k = 0; k < ServiceKindCount; ++k) {
        const ServiceDescr& s = GameState.Services[k];
        EXPECT_EQ(s.Kind, k);
        EXPECT_EQ(FieldText(s.Name), k < 14 ? names[k] : "") << k;
        EXPECT_EQ(FieldText(s.Description), "");
        EXPECT_EQ(s.Rated, k >= 2 && k <= 7 ? 1 : 0) << k;
    }
}

TEST_F(Tables, VisitorDescriptions) {
    VisitorDescr vip = GetVisitorDescrByEnum(vtVIPs);
    EXPECT_EQ(vip.Type, 3);
    EXPECT_EQ(vip.Name, "VIPs");
    EXPECT_EQ(vip.Spending, 300);
    EXPECT_EQ(vip.SecurityEffect, 0);
    const int32_t vipDemand[ServiceKindCount] = {0, 0, 20, 20, 100, 100, 20, 20};
    for (int k = 0; k < ServiceKindCount; ++k)
        EXPECT_EQ(vip.Demand[k], vipDemand[k]) << k;

    VisitorDescr youth = GetVisitorDescrByEnum(vtRacketingYouth);
    EXPECT_EQ(youth.Name, "Racketing Youth");
    EXPECT_EQ(youth.Spending, 15);
    EXPECT_EQ(youth.SecurityEffect, -80);
    EXPECT_EQ(youth.Demand[skCooking], 35);
    EXPECT_EQ(youth.Demand[skEntertainment], 35);
    EXPECT_EQ(youth.Demand[skDrinks], 0);

    EXPECT_EQ(GetVisitorDescrByEnum(vtHardUpVisitors).SecurityEffect, -25);
    EXPECT_EQ(GetVisitorNameByEnum(vtUnassigned), "(Unassigned)");
    EXPECT_EQ(GetVisitorNameByEnum(vtHardUpVisitors), "Hard Up Visitors");
    EXPECT_TRUE(host.ErrorBoxes.empty());
}

TEST_F(Tables, InvalidVisitorTypeIsReported) {
    for (int type : {12, -1, 255}) {
        VisitorDescr v = GetVisitorDescrByEnum(type);
        EXPECT_EQ(v.Type, type);
        EXPECT_EQ(v.Name, "");
        EXPECT_EQ(v.Spending, 0);
        EXPECT_EQ(v.SecurityEffect, 0);
        for (int32_t d : v.Demand)
            EXPECT_EQ(d, 0);
    }
    EXPECT_EQ(folder.ReadFile("debug.txt"), "Invalid VisitorType in GetVisitorDescrByEnum: 12\n"
                                            "Invalid VisitorType in GetVisitorDescrByEnum: -1\n"
                                            "Invalid VisitorType in GetVisitorDescrByEnum: 255\n");
    EXPECT_EQ(host.ErrorBoxes.size(), 3u);
}

TEST_F(Tables, RegionTraitTexts) {
    EXPECT_EQ(RegionTraitText(1, true), "People living here tend to spend more than usual. Profit "
                                        "from visitors increased by 25%.");
    EXPECT_EQ(RegionTraitText(7, false), "Workers here tend to steal more than elsewhere. Losses "
                                         "to deceivers are raise by half.");
    EXPECT_EQ(RegionTraitText(9, false),
              "People here demand luxury conditions. Visitor's satisfaction is lower than usual.");
    for (int code : {0, 10, -1, 255}) {
        EXPECT_EQ(RegionTraitText(code, true), "") << code;
        EXPECT_EQ(RegionTraitText(code, false), "") << code;
    }
    for (int code = 1; code <= 9; ++code) {
        EXPECT_FALSE(RegionTraitText(code, true).empty());
        EXPECT_NE(RegionTraitText(code, true), RegionTraitText(code, false));
    }
}

TEST_F(Tables, NamesAreDrawnByRemainder) {
    struct Case {
        int32_t draw;
        bool male;
        const char* name;
    };
    const Case cases[] = {
        {0, true, "Arthur"},  {71, true, "Arthur"},  {70, true, "Santo"},   {43, true, "Milek"},
        {80, false, "Kesia"}, {79, false, "Zuzana"}, {28, false, "Susane"}, {159, false, "Zuzana"},
    };
    for (const Case& c : cases) {
        Draws(c.draw);
        EXPECT_EQ(RandomFirstName(c.male), c.name) << c.draw;
    }
}

TEST_F(Tables, DefaultBarNames) {
    int draws = 0;
    SetRandomSourceForTesting([&draws] { return ++draws, 116; });
    EXPECT_EQ(DefaultBarName(), "Quelbrin");
    EXPECT_EQ(draws, 0);
    GameState.Properties.push_back(NewPropertyRecord());
    EXPECT_EQ(DefaultBarName(), "Rancho Santa Fe");
    Draws(117);
    EXPECT_EQ(DefaultBarName(), "The Daily Grind Cafe");
    Draws(13);
    EXPECT_EQ(DefaultBarName(), "Mr. Jerk");
    Draws(87);
    EXPECT_EQ(DefaultBarName(), "CLubbbin'Arena");
}

} // namespace
