// The day's money: income from visitors and agents, deceivers, region traits,
// the cash update and the daily report with the day's log entry.
#include "sim/PropertyDay.h"

#include "sim/Format.h"
#include "sim/SimFixture.h"

#include <limits>

namespace {

class Income : public SimWorld {
protected:
    Property* p = nullptr;
    const double start = DayNumberOf(2026, 12, 7) + 1.0 / 48;
    void SetUp() override {
        p = Own(MakeBarDescr(1, 10000, 10, {skServing, skServing, skAgent}));
        GameState.GameTime = GameState.StartTime = start + 23.0 / 24;
        GameState.Cash = 10000;
    }
    void Traits(uint8_t good, uint8_t bad) {
        GameState.BarDescrs[0].GoodTrait = good;
        GameState.BarDescrs[0].BadTrait = bad;
    }
    VisitorGroup Spending(int32_t profit) {
        VisitorGroup g = Group(vtGourmets);
        g.Profit = profit;
        return g;
    }
    std::vector<std::string> ReportTexts() {
        std::vector<std::string> out;
        for (int i = 0; i < p->ReportCount; ++i)
            out.push_back(FieldText(p->Report[i].Text));
        return out;
    }
};

TEST_F(Income, VisitorsPayOnlyWithStaffInOpenVacancies) {
    Place(p, Spending(100));
    Place(p, Spending(40));
    p->AdmissionFee = 2;
    int32_t waiter = Profession(skServing);
    Character* closed = Employ(p, waiter, 5, 0.5); // vacancy 5 is not open
    DayContext day = Day(p);
    {
        ScriptedRandom draw({DrawPass});
        CountVisitorIncome(day);
    }
    EXPECT_EQ(day.StaffCount, 0);
    EXPECT_EQ(day.A.VisitorProfit, 0);
    EXPECT_EQ(day.A.Fee, 0);
    ASSERT_EQ(p->LogCount, 1);
    EXPECT_EQ(FieldText(p->Log[0].Text),
              "You must hire a worker in order to make profit from the visitors.");
    EXPECT_EQ(p->Log[0].Kind, lkNotice);

    closed->SlotIndex = 1;
    day = Day(p);
    ScriptedRandom draw({DrawPass}); // RandomBetween(0.75, 1.25) gives 0.75
    CountVisitorIncome(day);
    EXPECT_EQ(day.StaffCount, 1);
    EXPECT_EQ(day.A.VisitorProfit, 75 + 30);
    EXPECT_EQ(day.A.Fee, 2 * 2 * 10);
    EXPECT_EQ(day.A.Total, 105 + 40);
    EXPECT_EQ(p->LogCount, 1);
}

TEST_F(Income, NoGroupsNoNotice) {
    DayContext day = Day(p);
    CountVisitorIncome(day);
    EXPECT_EQ(p->LogCount, 0);
}

TEST_F(Income, DeceiversTakeTheMeanDishonestyAsAReal) {
    Place(p, Spending(100));
    int32_t waiter = Profession(skServing);
    Employ(p, waiter, 0, 0.5)->Dishonesty = 25;
    Employ(p, waiter, 1, 0.5)->Dishonesty = 50;
    DayContext day = Day(p);
    ScriptedRandom draw({DrawPass});
    CountVisitorIncome(day);
    EXPECT_DOUBLE_EQ(day.Dishonesty, 37.5);
    // trunc(0.75 * 100 * 37.5 * 0.005) = trunc(14.06); a whole-number mean would give 13.
    EXPECT_EQ(day.A.DeceiverLoss, 14);
}

TEST_F(Income, AgentsEarnPerGroupAndLoseToDeceivers) {
    for (int i = 0; i < 4; ++i)
        Place(p, Spending(0));
    Character* agent = Employ(p, Profession(skAgent), 2, 0.0);
    agent->AgentIncome = 25;
    agent->Dishonesty = 100;
    DayContext day = Day(p);
    ScriptedRandom draw({DrawPass});
    CountVisitorIncome(day);
    PayStaffAndAgents(day);
    EXPECT_EQ(day.A.AgentProfit, 75);  // 0.75 * 25 * 4
    EXPECT_EQ(day.A.DeceiverLoss, 37); // trunc(0.75 * 25 * 4 * 100 * 0.005)
}

TEST_F(Income, VisitorsProfitTraitWithTheBadTraitLast) {
    struct Case {
        uint8_t good, bad;
        int64_t adjust;
    } cases[] = {{0, 0, 0},
                 {rtVisitorProfit, 0, 187}, // 750 / 4 in whole dollars
                 {0, rtVisitorProfit, -187},
                 {rtVisitorProfit, rtVisitorProfit, -187},
                 {rtAgentEarnings, rtSalaries, 0}};
    Place(p, Spending(1000));
    Employ(p, Profession(skServing), 0, 0.5);
    for (const Case& c : cases) {
        Traits(c.good, c.bad);
        DayContext day = Day(p);
        ScriptedRandom draw({DrawPass});
        CountVisitorIncome(day);
        EXPECT_EQ(day.A.VisitorProfit, 750);
        EXPECT_EQ(day.A.VisitorAdjust, c.adjust) << int(c.good) << "/" << int(c.bad);
        EXPECT_EQ(day.A.Total, 750 + c.adjust);
    }
}

TEST_F(Income, AgentsDeceiversAndSalaryTraitsWithTheBadTraitLast) {
    struct Case {
        uint8_t good, bad;
        int64_t agentAdjust, deceiverAdjust, salaryAdjust;
    } cases[] = {
        {0, 0, 0, 0, 0},
        {rtAgentEarnings, 0, 100, 0, 0},
        {0, rtAgentEarnings, -100, 0, 0},
        {rtAgentEarnings, rtAgentEarnings, -100, 0, 0},
        {rtDeceiverLosses, 0, 0, 30, 0},
        {0, rtDeceiverLosses, 0, -30, 0},
        {rtDeceiverLosses, rtDeceiverLosses, 0, -30, 0},
        {rtSalaries, 0, 0, 0, 50},
        {0, rtSalaries, 0, 0, -50},
        {rtSalaries, rtSalaries, 0, 0, -50},
        {rtManagementValue, rtVisitorProfit, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Traits(c.good, c.bad);
        GameState.Cash = 10000;
        DayContext day = Day(p);
        day.A.Total = 1000; // what the visitors' step left
        day.A.AgentProfit = 400;
        day.A.DeceiverLoss = 60;
        day.A.Salary = 200;
        ApplyTraitsAndTotal(day);
        EXPECT_EQ(day.A.AgentAdjust, c.agentAdjust) << int(c.good) << "/" << int(c.bad);
        EXPECT_EQ(day.A.DeceiverAdjust, c.deceiverAdjust) << int(c.good) << "/" << int(c.bad);
        EXPECT_EQ(day.A.SalaryAdjust, c.salaryAdjust) << int(c.good) << "/" << int(c.bad);
        int64_t total = 1000 + 400 + c.agentAdjust - 60 + c.deceiverAdjust - 200 + c.salaryAdjust;
        EXPECT_EQ(day.A.Total, total);
        EXPECT_EQ(GameState.Cash, 10000 + total);
    }
}

TEST_F(Income, CashNeverEndsTheDayBelowZeroNorWraps) {
    struct Case {
        int32_t cash;
        int64_t salary;
        int32_t after;
    } cases[] = {
        {100, 500, 0},
        {10000, 500, 9500},
        {500, 500, 0},
        {std::numeric_limits<int32_t>::max() - 10, -100, std::numeric_limits<int32_t>::max()},
    };
    for (const Case& c : cases) {
        GameState.Cash = c.cash;
        DayContext day = Day(p);
        day.A.Salary = c.salary;
        ApplyTraitsAndTotal(day);
        EXPECT_EQ(GameState.Cash, c.after) << c.cash << " - " << c.salary;
    }
}

TEST_F(Income, DayOfMinus500FromCash100) {
    GameState.Cash = 100;
    DayContext day = Day(p);
    day.A.Salary = 500;
    ApplyTraitsAndTotal(day);
    WriteDailyReport(day);
    EXPECT_EQ(GameState.Cash, 0);
    EXPECT_EQ(ReportTexts(),
              (std::vector<std::string>{"Attendance: 0/10", "Salary paid: $500", "Total: -$500"}));
    EXPECT_EQ(p->Report[2].Color, ColorDarkRed);
    EXPECT_EQ(p->Report[0].Color, ColorReportText);
    EXPECT_EQ(FieldText(p->Log[0].Text), "December 07 total: -$500");
    EXPECT_EQ(p->Log[0].Kind, lkBad);
}

TEST_F(Income, ReportWritesEveryCounterWithItsAdjustment) {
    Place(p, Spending(0));
    DayContext day = Day(p);
    day.A.VisitorProfit = 1200;
    day.A.VisitorAdjust = 300;
    day.A.Fee = 80;
    day.A.AgentProfit = 400;
    day.A.AgentAdjust = -100;
    day.A.DeceiverLoss = 60;
    day.A.DeceiverAdjust = 30; // halves the loss: shown as -$30
    day.A.Salary = 2000;
    day.A.SalaryAdjust = -500; // raises the salary: shown as +$500
    day.A.Bribe = 250;
    day.A.Total = 1234567;
    WriteDailyReport(day);
    EXPECT_EQ(ReportTexts(), (std::vector<std::string>{
                                 "Attendance: 1/10",
                                 "Profit from visitors: $1,200+$300",
                                 "Collected entrance fee: $80",
                                 "Profit from agents: $400-$100",
                                 "Loss from deceivers: $60-$30",
                                 "Salary paid: $2,000+$500",
                                 "Bribe paid: $250",
                                 "Total: +$1,234,567",
                             }));
    EXPECT_EQ(p->Report[7].Color, ColorGreen);
    EXPECT_EQ(FieldText(p->Log[0].Text), "December 07 total: +$1,234,567");
    EXPECT_EQ(p->Log[0].Kind, lkGood);
}

TEST_F(Income, ADayTotalOfExactlyZero) {
    DayContext day = Day(p);
    day.A.VisitorProfit = 0;
    day.A.VisitorAdjust = -40; // an adjustment alone still shows its line
    day.A.Total = 0;
    WriteDailyReport(day);
    EXPECT_EQ(ReportTexts(), (std::vector<std::string>{
                                 "Attendance: 0/10", "Profit from visitors: $0-$40", "Total: $0"}));
    EXPECT_EQ(p->Report[2].Color, ColorBlack);
    EXPECT_EQ(FieldText(p->Log[0].Text), "December 07 total: $0");
    EXPECT_EQ(p->Log[0].Kind, lkNotice);
}

TEST_F(Income, PropertyDayStartsFromAnEmptyReport) {
    p->ReportCount = 12;
    GameState.ClockSpeed = 1;
    ScriptedRandom draw({DrawFail});
    EXPECT_TRUE(PropertyDay(0));
    EXPECT_EQ(FieldText(p->Report[0].Text), "Attendance: 1/10");
    EXPECT_EQ(FieldText(p->Log[0].Text), "December 07 total: $0");
    EXPECT_FALSE(PropertyDay(5)); // no such property
}

} // namespace
