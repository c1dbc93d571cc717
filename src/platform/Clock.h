// The computer's local date and time.
#pragma once

#include <cstdint>

namespace Clock {

struct LocalTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int weekday = 0; // 0 Sunday
};

LocalTime Now();
// Seconds since 1970, for seeding.
std::int64_t Seconds();
// Days since 30 December 1899 with the time of day as the fraction.
double NowAsDayNumber();

} // namespace Clock
