// Money and date texts.
#include "sim/Format.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

TEST(Format, Money) {
    struct Case {
        int32_t n;
        const char* text;
    };
    const Case cases[] = {
        {0, "$0"},
        {950, "$950"},
        {999, "$999"},
        {1000, "$1,000"},
        {5000, "$5,000"},
        {999999, "$999,999"},
        {1000000, "$1,000,000"},
        {-1234567, "-$1,234,567"},
        {-7, "-$7"},
        {1234567890, "$1234,567,890"},
        {INT32_MAX, "$2147,483,647"},
        {INT32_MIN, "-$2147,483,648"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatMoney(c.n), c.text) << c.n;
}

TEST(Format, SignedMoney) {
    EXPECT_EQ(FormatSignedMoney(25), "+$25");
    EXPECT_EQ(FormatSignedMoney(0), "$0");
    EXPECT_EQ(FormatSignedMoney(-300), "-$300");
    EXPECT_EQ(FormatSignedMoney(12345), "+$12,345");
    EXPECT_EQ(FormatSignedMoney(INT32_MIN), "-$2147,483,648");
}

TEST(Format, DayNumbersCountFrom30December1899) {
    struct Case {
        int y, m, d;
        double day;
    };
    const Case cases[] = {
        {1899, 12, 30, 0},   {1899, 12, 31, 1},    {1900, 1, 1, 2},
        {1900, 3, 1, 61},    {1970, 1, 1, 25569},  {2000, 2, 29, 36585},
        {2000, 3, 1, 36586}, {2026, 12, 7, 46363}, {1899, 12, 29, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DayNumberOf(c.y, c.m, c.d), c.day) << c.y << "-" << c.m << "-" << c.d;
        CalendarTime t = CalendarOf(c.day + 0.5);
        EXPECT_EQ(t.Year, c.y);
        EXPECT_EQ(t.Month, c.m);
        EXPECT_EQ(t.Day, c.d);
        EXPECT_EQ(t.Hour, 12);
    }
    // Every day of four centuries converts both ways.
    for (int day = 0; day < 146097; day += 1) {
        CalendarTime t = CalendarOf(day + 1.0 / 48);
        ASSERT_EQ(DayNumberOf(t.Year, t.Month, t.Day), day);
    }
}

TEST(Format, LogAndClockDates) {
    const double dec7 = DayNumberOf(2026, 12, 7);
    struct Case {
        double time;
        const char* log;
        const char* clock;
    };
    const Case cases[] = {
        {dec7 + 23.5 / 24, "December 07", "Dec 07 2026, 11 pm"},
        {dec7 + 0.5 / 24, "December 07", "Dec 07 2026, 12 am"},
        {dec7 + 12.5 / 24, "December 07", "Dec 07 2026, 12 pm"},
        {dec7 + 1.5 / 24, "December 07", "Dec 07 2026, 01 am"},
        {dec7 + 11.5 / 24, "December 07", "Dec 07 2026, 11 am"},
        {dec7 + 13.5 / 24, "December 07", "Dec 07 2026, 01 pm"},
        {DayNumberOf(2027, 1, 1) + 9.5 / 24, "January 01", "Jan 01 2027, 09 am"},
        {DayNumberOf(2024, 2, 29) + 0.5, "February 29", "Feb 29 2024, 12 pm"},
        {DayNumberOf(1999, 9, 15), "September 15", "Sep 15 1999, 12 am"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatLogDate(c.time), c.log);
        EXPECT_EQ(FormatClockDate(c.time), c.clock);
    }
}

TEST(Format, HoursAddedOneByOneStayOnTheirHour) {
    // The clock adds 1/24 per hour; rounding drift must not move a time into the hour before.
    double t = DayNumberOf(2026, 12, 7) + 1.0 / 48;
    for (int h = 0; h < 24 * 400; ++h) {
        ASSERT_EQ(CalendarOf(t).Hour, h % 24) << h;
        t += 1.0 / 24;
    }
}

TEST(Format, DamagedTimesStillGiveADate) {
    EXPECT_EQ(FormatLogDate(1e300).size(), std::string("December 31").size());
    EXPECT_EQ(FormatClockDate(-1e300), "Jan 01 0001, 12 am");
    EXPECT_FALSE(FormatClockDate(std::numeric_limits<double>::quiet_NaN()).empty());
}

} // namespace
