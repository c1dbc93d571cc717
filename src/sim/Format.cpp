// Money and date texts. Dates use plain civil-calendar arithmetic, never the
// locale, so every machine writes the same text.
#include "sim/Format.h"

#include <cmath>
#include <cstdio>

namespace {

const char* const MonthNames[12] = {"January",   "February", "March",    "April",
                                    "May",       "June",     "July",     "August",
                                    "September", "October",  "November", "December"};

// Days from 1970-01-01 to the given proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// 1899-12-30 counted from 1970-01-01.
constexpr int64_t EpochOffset = -25569;

std::string TwoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

} // namespace

std::string FormatMoney(int32_t amount) {
    std::string out;
    // In 64 bits, so the most negative amount has a positive counterpart.
    int64_t n = amount;
    if (n < 0) {
        out += '-';
        n = -n;
    }
    out += '$';
    const std::string digits = std::to_string(n);
    const std::size_t len = digits.size();
    if (len < 4) {
        out += digits;
    } else if (len <= 6) {
        out += digits.substr(0, len - 3) + "," + digits.substr(len - 3);
    } else {
        out += digits.substr(0, len - 6) + "," + digits.substr(len - 6, 3) + "," +
               digits.substr(len - 3);
    }
    return out;
}

std::string FormatSignedMoney(int32_t amount) {
    if (amount <= 0) return FormatMoney(amount);
    // Appended rather than prefixed: GCC 12 at -O3 warns falsely inside the
    // string's insert that "+" + text makes.
    std::string out = "+";
    out += FormatMoney(amount);
    return out;
}

std::string FillPhrase(std::string_view phrase, const std::string& amount,
                       const std::string& name) {
    std::string out;
    for (std::size_t i = 0; i < phrase.size(); ++i) {
        if (phrase[i] == '%' && i + 1 < phrase.size() &&
            (phrase[i + 1] == 'A' || phrase[i + 1] == 'N')) {
            out += phrase[i + 1] == 'A' ? amount : name;
            ++i;
        } else {
            out += phrase[i];
        }
    }
    return out;
}

double DayNumberOf(int year, int month, int day) {
    return static_cast<double>(DaysFromCivil(year, month, day) - EpochOffset);
}

CalendarTime CalendarOf(double gameTime) {
    CalendarTime t{1899, 12, 30, 0};
    if (!std::isfinite(gameTime)) return t;
    // A time read from a damaged file still names a day between the years 1 and 9999.
    if (gameTime < -693593.0) gameTime = -693593.0;
    if (gameTime > 2958465.5) gameTime = 2958465.5;
    // Rounded to the millisecond first, so a time a hair below a full hour reads as that hour.
    constexpr double MsPerDay = 86400000.0;
    const double ms = std::round(gameTime * MsPerDay);
    const double days = std::floor(ms / MsPerDay);
    const auto msOfDay = static_cast<int64_t>(ms - days * MsPerDay);
    CivilFromDays(static_cast<int64_t>(days) + EpochOffset, t.Year, t.Month, t.Day);
    t.Hour = static_cast<int>(msOfDay / 3600000);
    return t;
}

std::string FormatLogDate(double gameTime) {
    CalendarTime t = CalendarOf(gameTime);
    return std::string(MonthNames[t.Month - 1]) + " " + TwoDigits(t.Day);
}

std::string FormatClockDate(double gameTime) {
    CalendarTime t = CalendarOf(gameTime);
    char year[16];
    std::snprintf(year, sizeof year, "%04d", t.Year);
    int hour12 = t.Hour % 12;
    if (hour12 == 0) hour12 = 12;
    return std::string(MonthNames[t.Month - 1], 3) + " " + TwoDigits(t.Day) + " " + year + ", " +
           TwoDigits(hour12) + (t.Hour < 12 ? " am" : " pm");
}
