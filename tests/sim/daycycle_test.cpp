// Whole game days through the clock with the real generator: what must hold at the
// end of every day whatever the draws gave.
#include "sim/Clock.h"

#include "model/Tables.h"
#include "sim/Format.h"
#include "sim/SimFixture.h"
#include "sim/Startup.h"

#include <cmath>

namespace {

class DayCycle : public SimWorld {
protected:
    HostRecorder host;
};

TEST_F(DayCycle, SixtyDaysKeepEveryRecordConsistent) {
    SeedRandom(20261207);
    BuildCharDescrs();
    NewGameOnDay(static_cast<int32_t>(DayNumberOf(2026, 12, 7)));
    BarDescr bar = MakeBarDescr(1, 50000, 8,
                                {skManagement, skCooking, skDrinks, skServing, skCleanness,
                                 skDanceFloor, skEntertainment, skSecurity},
                                "club");
    bar.Inflow = 20;
    Property* p = Own(bar);
    const BarDescr* d = Descr(p);
    const uint8_t roles[] = {skManagement, skCooking,    skDrinks,        skServing,
                             skCleanness,  skDanceFloor, skEntertainment, skSecurity};
    for (int slot = 0; slot < 8; ++slot) {
        Character* c = Employ(p, Profession(roles[slot]), slot, 0.7);
        c->Dishonesty = slot == 3 ? 40 : 0;
        c->Salary = 30;
    }
    p->AdmissionFee = 1;
    p->AdCampaign[vtGourmets] = 75;
    GameState.SelectedProperty = 0;
    GameState.ClockSpeed = 1;

    int daysWithGroups = 0, daysWithProfit = 0;
    for (int day = 0; day < 60; ++day) {
        const double dayTime = GameState.GameTime;
        p->Supplies = 100; // the player keeps the stock up
        for (int hour = 0; hour < 24; ++hour)
            HourTick();
        ASSERT_EQ(GameState.PropertyCount(), 1);
        ASSERT_NEAR(GameState.GameTime, dayTime + 1, 1e-6);

        EXPECT_GE(GameState.Cash, 0);
        ASSERT_GE(p->GroupCount, 0);
        ASSERT_LE(p->GroupCount, d->Capacity);
        for (int i = 0; i < p->GroupCount; ++i) {
            const VisitorGroup& g = p->Groups[i];
            EXPECT_GE(g.Type, 1);
            EXPECT_LE(g.Type, 11);
            if (i > 0) {
                EXPECT_GE(p->Groups[i - 1].Type, g.Type) << "day " << day;
            }
            EXPECT_GE(g.DesireToStay, 0);
            EXPECT_LE(g.DesireToStay, 100);
            EXPECT_GE(g.Profit, 0);
        }
        for (int t = 1; t < VisitorTypeCount; ++t) {
            EXPECT_GE(p->Potential[t], 0);
            EXPECT_LE(p->Potential[t], d->Potential[t]);
            EXPECT_GE(p->AdCampaign[t], 0);
        }
        EXPECT_GE(p->Supplies, 0.0);

        ASSERT_GE(p->ReportCount, 2);
        EXPECT_EQ(FieldText(p->Report[0].Text),
                  "Attendance: " + std::to_string(p->GroupCount) + "/8");
        const std::string total = FieldText(p->Report[p->ReportCount - 1].Text);
        EXPECT_EQ(total.rfind("Total: ", 0), 0u) << total;
        // The day's entry is the newest unless the police came after it.
        bool dated = false;
        for (int i = 0; i < p->LogCount && !dated; ++i)
            dated =
                FieldText(p->Log[i].Text) == FormatLogDate(dayTime) + " total: " + total.substr(7);
        EXPECT_TRUE(dated) << "day " << day;
        EXPECT_EQ(std::trunc(p->Log[0].Time), std::trunc(dayTime));

        daysWithGroups += p->GroupCount > 0;
        daysWithProfit += total.rfind("Total: +", 0) == 0;
    }
    EXPECT_EQ(host.Refreshes, 60);
    // A staffed, well-stocked club draws visitors and makes money on most days.
    EXPECT_GT(daysWithGroups, 50);
    EXPECT_GT(daysWithProfit, 30);
    EXPECT_TRUE(host.ErrorBoxes.empty());
}

} // namespace
