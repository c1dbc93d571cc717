// The clock timer, the hour tick, the daily update and the two per-property outputs.
#include "sim/Clock.h"

#include "sim/Format.h"
#include "sim/SimFixture.h"

#include <cmath>

namespace {

class Clock : public SimWorld {
protected:
    HostRecorder host;
    const double start = DayNumberOf(2026, 12, 7) + 1.0 / 48; // 00:30 of December 7
    void SetUp() override {
        GameState.GameTime = GameState.StartTime = start;
        GameState.GameInProgress = true;
    }
};

TEST_F(Clock, TimerEventsPerHourBySpeed) {
    Own(MakeBarDescr(1, 10000, 10));
    struct Case {
        int32_t speed;
        int events;
        int hours;
    } cases[] = {{1, 3, 0}, {1, 4, 1}, {1, 8, 2}, {1, 11, 2}, {2, 1, 1}, {2, 5, 5}, {0, 40, 0}};
    for (const Case& c : cases) {
        GameClock clock;
        GameState.ClockSpeed = c.speed;
        GameState.GameTime = start;
        for (int i = 0; i < c.events; ++i)
            clock.OnTimer();
        EXPECT_NEAR(GameState.GameTime, start + c.hours / 24.0, 1e-9)
            << "speed " << c.speed << ", " << c.events << " events";
        EXPECT_FALSE(clock.InTick);
    }
}

TEST_F(Clock, TimerDoesNothingWhileACommandHoldsTheTick) {
    Own(MakeBarDescr(1, 10000, 10));
    GameState.ClockSpeed = 2;
    GameClock clock;
    clock.InTick = true;
    for (int i = 0; i < 10; ++i)
        clock.OnTimer();
    EXPECT_EQ(GameState.GameTime, start);
    EXPECT_EQ(clock.TickCounter, 0);
    EXPECT_TRUE(clock.InTick);
}

TEST_F(Clock, NothingOwnedStopsTheClockAfterTheHour) {
    GameState.ClockSpeed = 1;
    HourTick();
    EXPECT_DOUBLE_EQ(GameState.GameTime, start + 1.0 / 24);
    EXPECT_EQ(GameState.ClockSpeed, 0);
    EXPECT_EQ(host.Sounds, std::vector<std::string>{"click2"});
    HourTick(); // already stopped: no second sound
    EXPECT_EQ(host.Sounds.size(), 1u);

    Own(MakeBarDescr(1, 10000, 10));
    GameState.ClockSpeed = 2;
    HourTick();
    EXPECT_EQ(GameState.ClockSpeed, 2);
    EXPECT_EQ(host.Sounds.size(), 1u);
}

TEST_F(Clock, FirstDailyUpdateOnThe24thTickDatedByTheEndingDay) {
    Property* p = Own(MakeBarDescr(1, 10000, 10));
    GameState.ClockSpeed = 1;
    ScriptedRandom draw({DrawFail});
    for (int tick = 1; tick <= 23; ++tick)
        HourTick();
    EXPECT_EQ(host.Refreshes, 0);
    EXPECT_EQ(p->LogCount, 0);
    EXPECT_EQ(CalendarOf(GameState.GameTime).Hour, 23);

    HourTick();
    EXPECT_EQ(host.Refreshes, 1);
    EXPECT_NEAR(GameState.GameTime, start + 1, 1e-9);
    ASSERT_GE(p->LogCount, 1);
    // The first day always brings a group; nobody is hired, so the day totals $0.
    EXPECT_EQ(FieldText(p->Log[0].Text), "December 07 total: $0");
    EXPECT_EQ(p->Log[0].Kind, lkNotice);
    for (int i = 0; i < p->LogCount; ++i)
        EXPECT_EQ(std::trunc(p->Log[i].Time), std::trunc(start)) << FieldText(p->Log[i].Text);
    ASSERT_GE(p->ReportCount, 2);
    EXPECT_EQ(FieldText(p->Report[0].Text), "Attendance: 1/10");
    EXPECT_EQ(FieldText(p->Report[p->ReportCount - 1].Text), "Total: $0");
    EXPECT_EQ(p->Report[p->ReportCount - 1].Color, ColorBlack);

    for (int tick = 1; tick <= 24; ++tick)
        HourTick();
    EXPECT_EQ(host.Refreshes, 2);
    EXPECT_EQ(FieldText(p->Log[0].Text), "December 08 total: $0");
}

TEST_F(Clock, DailyUpdateSkipsAPropertyWithoutDescription) {
    Property* a = Own(MakeBarDescr(1, 10000, 10));
    Property* b = Own(MakeBarDescr(2, 10000, 10));
    Property* c = Own(MakeBarDescr(3, 10000, 10));
    GameState.BarDescrs.erase(GameState.BarDescrs.begin() + 1);
    ScriptedRandom draw({DrawFail});
    DailyUpdate();
    EXPECT_GT(a->ReportCount, 0);
    EXPECT_EQ(b->ReportCount, 0);
    EXPECT_EQ(b->LogCount, 0);
    EXPECT_GT(c->ReportCount, 0);
    EXPECT_EQ(host.Refreshes, 1);
}

TEST_F(Clock, SeizureDuringItsDayLetsTheNextPropertyHaveItsDay) {
    Property* seized = Own(MakeBarDescr(1, 10000, 10), "First");
    Property* b = Own(MakeBarDescr(2, 10000, 10), "Second");
    Property* c = Own(MakeBarDescr(3, 10000, 10), "Third");
    GameState.Cash = 1000;
    GameState.GameTime = start + 5 + 23.0 / 24;
    seized->FineDueTime = start + 4; // overdue, and no money to pay
    ScriptedRandom draw({DrawFail});
    DailyUpdate();
    ASSERT_EQ(GameState.PropertyCount(), 2);
    EXPECT_EQ(GameState.Properties[0].get(), b);
    EXPECT_EQ(GameState.Properties[1].get(), c);
    for (Property* p : {b, c}) {
        ASSERT_GT(p->LogCount, 0) << p->Name;
        EXPECT_EQ(FieldText(p->Log[0].Text), "December 12 total: $0") << p->Name;
    }
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].first,
              "Your First has been seized by police in order to reimburse the fine.");
    EXPECT_EQ(host.Refreshes, 1);
}

TEST_F(Clock, LogKeepsTheNewest24) {
    Property* p = Own(MakeBarDescr(1, 10000, 10));
    Property* other = Own(MakeBarDescr(2, 10000, 10));
    GameState.SelectedProperty = 0;
    for (int i = 1; i <= 25; ++i) {
        GameState.GameTime = start + i;
        AddLogEntry(p, "entry " + std::to_string(i), static_cast<uint8_t>(i % 3));
    }
    ASSERT_EQ(p->LogCount, 24);
    EXPECT_EQ(FieldText(p->Log[0].Text), "entry 25");
    EXPECT_EQ(p->Log[0].Kind, 25 % 3);
    EXPECT_EQ(p->Log[0].Time, start + 25);
    EXPECT_EQ(FieldText(p->Log[23].Text), "entry 2");
    EXPECT_EQ(p->Log[0].Seen, 1);

    AddLogEntry(other, std::string(600, 'x'), lkBad);
    EXPECT_EQ(other->LogCount, 1);
    EXPECT_EQ(FieldText(other->Log[0].Text), std::string(511, 'x'));
    EXPECT_EQ(other->Log[0].Seen, 0);
    AddLogEntry(nullptr, "lost", lkBad); // nothing happens
}

TEST_F(Clock, ReportHoldsTwelveLines) {
    Property* p = Own(MakeBarDescr(1, 10000, 10));
    for (int i = 1; i <= 13; ++i)
        AddReportLine(p, "line " + std::to_string(i), i);
    ASSERT_EQ(p->ReportCount, 12);
    EXPECT_EQ(FieldText(p->Report[11].Text), "line 12");
    EXPECT_EQ(p->Report[11].Color, 12);
    p->ReportCount = 0;
    AddReportLine(p, std::string(700, 'y'), ColorGreen);
    EXPECT_EQ(FieldText(p->Report[0].Text), std::string(511, 'y'));
    AddReportLine(nullptr, "lost", 0);
}

} // namespace
