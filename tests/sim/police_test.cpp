// The police: bribes, fights, raids, the seven-day fine and the seizure.
#include "ScriptedDraws.h"
#include "SimFixture.h"
#include "sim/Levels.h"
#include "sim/PropertyDay.h"
#include "sim/Stats.h"

#include <string>

namespace {

class Police : public SimWorld {
protected:
    HostRecorder host;
    DayContext day;
    Property* p = nullptr;

    // A property of capacity 1 whose only worker sets the legality: 50 + legality.
    void OwnWithLegality(int32_t legality) {
        p = Own(MakeBarDescr(1, 20000, 1, {skAgent}), "Corner");
        Character* w = Employ(p, Profession(skAgent), 0, 0.5);
        w->Legality = legality;
        ASSERT_EQ(LegalityLevel(p, Descr(p)), 50 + legality);
        day.P = p;
        day.D = Descr(p);
        day.Index = 0;
        GameState.SelectedProperty = 0;
    }
    std::string Log(int i) { return FieldText(p->Log[i].Text); }
    void EndOfDay(int32_t dayNumber) { GameState.GameTime = dayNumber + 23.5 / 24; }
};

TEST_F(Police, RaidChanceFollowsLegality) {
    struct Case {
        int32_t legality;
        int32_t draw;
        bool raid;
        int draws;
    } cases[] = {
        {-50, 255, true, 3},                        // legality 0: 0.0625, a = 255
        {-50, 256, false, 1}, {-1, 5, true, 3},     // legality 49: 0.00125, a = 5
        {-1, 6, false, 1},    {0, kPass, false, 0}, // legality 50: no test at all
    };
    for (const Case& c : cases) {
        ReleaseAllProperties();
        ReleaseAllCharacters();
        GameState.BarDescrs.clear();
        ResetGameStats();
        OwnWithLegality(c.legality);
        GameState.Cash = 10000;
        EndOfDay(1000);
        ScriptedDraws draws({c.draw, 0, 0});
        EXPECT_FALSE(FinesAndRaids(day));
        EXPECT_EQ(draws.Drawn(), c.draws) << c.legality << " " << c.draw;
        EXPECT_EQ(GameStats.Raids, c.raid ? 1 : 0);
        EXPECT_EQ(GameState.Cash, c.raid ? 5000 : 10000);
    }
}

TEST_F(Police, ARaidIsPaidAtOnceWithExactly5000) {
    OwnWithLegality(-50);
    GameState.Cash = 5000;
    EndOfDay(1000);
    ScriptedDraws draws({kPass, 0, 0});
    FinesAndRaids(day);
    EXPECT_EQ(GameState.Cash, 0);
    EXPECT_EQ(p->FineDueTime, 0);
    ASSERT_EQ(p->LogCount, 2);
    EXPECT_EQ(Log(1), "The crime investigator leveled charges of violence of the law against you.");
    EXPECT_EQ(p->Log[1].Kind, lkBad);
    EXPECT_EQ(Log(0), "The police imposed a $5,000 fine on you.");
    EXPECT_EQ(p->Log[0].Kind, lkNotice);
}

TEST_F(Police, AnUnpaidFineCountsDownSevenDaysAndTheBuildingIsSeizedOnTheEighth) {
    OwnWithLegality(-50);
    Character* worker = GameState.Characters[0].get();
    GameState.Cash = 4999;
    const int32_t D = 1000;
    EndOfDay(D);
    {
        ScriptedDraws draws({kPass, 3, 0});
        FinesAndRaids(day);
    }
    EXPECT_EQ(GameState.Cash, 4999);
    EXPECT_DOUBLE_EQ(p->FineDueTime, GameState.GameTime + 7);
    EXPECT_EQ(
        Log(1),
        "After making a raid on your bar, the police got evidence of offence against the law.");
    EXPECT_EQ(Log(0), "You must pay $5,000 within 7 days or your bar will be confiscated.");
    EXPECT_EQ(p->Log[0].Kind, lkBad);

    ScriptedDraws noDraws({});
    for (int j = 1; j <= 7; ++j) {
        EndOfDay(D + j);
        EXPECT_FALSE(FinesAndRaids(day));
        EXPECT_EQ(Log(0), "You have " + std::to_string(7 - j) + " day(s) left to pay the fine.");
        EXPECT_EQ(p->Log[0].Kind, lkNotice);
    }
    EXPECT_EQ(noDraws.Drawn(), 0); // no raid while a fine runs
    EXPECT_EQ(GameState.PropertyCount(), 1);
    EndOfDay(D + 8);
    EXPECT_TRUE(FinesAndRaids(day));
    EXPECT_EQ(GameState.PropertyCount(), 0);
    EXPECT_EQ(GameState.SelectedProperty, -1);
    EXPECT_FALSE(worker->Employed);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].first,
              "Your Corner has been seized by police in order to reimburse the fine.");
    EXPECT_EQ(host.Messages[0].second, "Quelbrin");
    EXPECT_EQ(host.DefaultPages, 1);
    EXPECT_EQ(GameStats.Seizures, 1);
}

TEST_F(Police, ARunningFineIsPaidOnTheFirstDayWithTheMoney) {
    OwnWithLegality(-50);
    GameState.Cash = 0;
    EndOfDay(1000);
    p->FineDueTime = GameState.GameTime + 7;
    EndOfDay(1003);
    GameState.Cash = 7000;
    ScriptedDraws draws({0});
    EXPECT_FALSE(FinesAndRaids(day));
    EXPECT_EQ(GameState.Cash, 2000);
    EXPECT_EQ(p->FineDueTime, 0);
    EXPECT_EQ(Log(0), "You payed a $5,000 fine and so threw out your charges.");
    EXPECT_EQ(p->Log[0].Kind, lkNotice);
}

TEST_F(Police, TheBribeIsPaidFromCashOrCancelled) {
    p = Own(MakeBarDescr(1, 20000, 10), "Corner");
    int32_t police = Profession(skPoliceOfficial, 0, "Police Official");
    GameState.CharDescrs.back().IsProfession = 0;
    auto c = NewCharacterRecord();
    c->DescrId = police;
    GameState.Characters.push_back(std::move(c));
    Character* official = GameState.Characters.back().get();
    day.P = p;
    day.D = Descr(p);

    struct Case {
        int32_t level, cash;
        int64_t bribe;
        int32_t levelAfter;
        bool notice;
    } cases[] = {
        {2, 500, 500, 2, false}, // 10 x 2 x 25
        {2, 499, 0, 0, true},     {4, 100000, 1000, 4, false},
        {7, 100000, 0, 7, false}, // outside 0..4 counts as no bribe
        {0, 100000, 0, 0, false},
    };
    for (const Case& k : cases) {
        p->BribeLevel = k.level;
        p->LogCount = 0;
        official->Relation = 0;
        GameState.Cash = k.cash;
        day.A = DayAccounts();
        PayBribe(day);
        EXPECT_EQ(day.A.Bribe, k.bribe) << k.level << " " << k.cash;
        EXPECT_EQ(day.A.Total, -k.bribe);
        EXPECT_EQ(GameState.Cash, k.cash); // paid through the day's total
        EXPECT_EQ(p->BribeLevel, k.levelAfter);
        EXPECT_DOUBLE_EQ(official->Relation, k.bribe / 4 * 0.002);
        EXPECT_EQ(p->LogCount, k.notice ? 1 : 0);
        if (k.notice) {
            EXPECT_EQ(FieldText(p->Log[0].Text), "You don't have enough cash to bribe the police.");
        }
    }
}

TEST_F(Police, AtMostOneFightADayAndPeacefulGroupsMayLeave) {
    p = Own(MakeBarDescr(1, 20000, 2), "Corner");
    day.P = p;
    day.D = Descr(p);
    day.Management = 50;
    for (uint8_t t : {11, 10, 9})
        Place(p, Group(t, -80));
    Place(p, Group(5));
    Place(p, Group(2));
    ASSERT_EQ(SecurityLevel(p, day.D), 0);
    p->Value = 5000;
    // First rowdy group: no fight; second: fight with the largest damage; the
    // third is not tested. Gourmets leave, Placid Couples stay.
    ScriptedDraws draws({512, 511, 0, 1999, 0, kPass, 0, kFail});
    SecurityIncidents(day);
    EXPECT_TRUE(draws.Exhausted());
    EXPECT_EQ(draws.Drawn(), 8);
    EXPECT_EQ(p->Value, 2800);
    ASSERT_EQ(p->LogCount, 2);
    EXPECT_EQ(FieldText(p->Log[1].Text),
              "Bustling Teens entered the fray in your bar and inflicted some damage to it.");
    EXPECT_EQ(
        FieldText(p->Log[0].Text),
        "Gourmets are dissatisfied with the security measures in your bar and so leaving it.");
    EXPECT_EQ(p->GroupCount, 4);
    EXPECT_EQ(p->Groups[3].Type, 2);
}

TEST_F(Police, AFightInACheapBuildingCostsNothingAndSafeBuildingsHaveNone) {
    p = Own(MakeBarDescr(1, 20000, 2), "Corner");
    day.P = p;
    day.D = Descr(p);
    day.Management = 50;
    Place(p, Group(9, -80));
    p->Value = 100;
    {
        ScriptedDraws draws({kPass, 1});
        SecurityIncidents(day);
        EXPECT_EQ(p->Value, 100);
        EXPECT_EQ(FieldText(p->Log[0].Text), "Drunkards started a fight in your bar.");
    }
    // A peaceful crowd keeps security at 50: nothing is tested.
    p->GroupCount = 0;
    Place(p, Group(5));
    ScriptedDraws draws({});
    SecurityIncidents(day);
    EXPECT_EQ(draws.Drawn(), 0);
}

} // namespace
