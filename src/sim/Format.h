// Money and date texts as the game writes them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// "$" with at most two thousands separators: 1234567890 gives $1234,567,890.
std::string FormatMoney(int32_t amount);
// "+" before positive amounts.
std::string FormatSignedMoney(int32_t amount);

// A message variant with its places filled: every "%A" by the amount's text and
// every "%N" by the name. What is put in is not read again.
std::string FillPhrase(std::string_view phrase, const std::string& amount, const std::string& name);

// Game times are days since 30 December 1899 plus the fraction of the day.
double DayNumberOf(int year, int month, int day);
struct CalendarTime {
    int Year, Month, Day, Hour;
};
CalendarTime CalendarOf(double gameTime);

// "mmmm dd", for example "December 07".
std::string FormatLogDate(double gameTime);
// "mmm dd yyyy, hh am/pm", for example "Dec 07 2026, 11 pm".
std::string FormatClockDate(double gameTime);
