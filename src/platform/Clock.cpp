#include "platform/Clock.h"

#include <chrono>
#include <ctime>

namespace Clock {

LocalTime Now() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    LocalTime lt;
    lt.year = tm.tm_year + 1900;
    lt.month = tm.tm_mon + 1;
    lt.day = tm.tm_mday;
    lt.hour = tm.tm_hour;
    lt.minute = tm.tm_min;
    lt.second = tm.tm_sec;
    lt.weekday = tm.tm_wday;
    lt.millisecond =
        static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return lt;
}

std::int64_t Seconds() {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

double NowAsDayNumber() {
    const LocalTime lt = Now();
    // Days from the civil date (proleptic Gregorian), then shifted to 1899-12-30.
    const int y = lt.month <= 2 ? lt.year - 1 : lt.year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (lt.month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + lt.day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long daysSince1970 = static_cast<long long>(era) * 146097 + doe - 719468;
    const double frac =
        (lt.hour * 3600.0 + lt.minute * 60.0 + lt.second + lt.millisecond / 1000.0) / 86400.0;
    return static_cast<double>(daysSince1970 + 25569) + frac;
}

} // namespace Clock
