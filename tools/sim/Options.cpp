#include "Options.h"

#include "sim/Format.h"

#include <cstdlib>

const char* const SimUsage =
    "usage: quelbrin-sim [--seed N] [--date YYYY-MM-DD] [--days N] [--difficulty 0..3] "
    "[--bot none|greedy] [--load FILE] [--save FILE] [--record FILE] [--quiet] | "
    "quelbrin-sim --replay FILE [--save FILE] [--quiet] | quelbrin-sim --catalogue";

namespace {

constexpr int32_t MaxDays = 100000;

// Plain decimal digits only: no sign, no spaces, no hex.
bool ParseUnsigned(const std::string& text, uint64_t limit, uint64_t& out) {
    if (text.empty() || text.size() > 20) return false;
    uint64_t v = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return false;
        v = v * 10 + static_cast<uint64_t>(ch - '0');
        if (v > limit) return false;
    }
    out = v;
    return true;
}

bool ParseDate(const std::string& text, int32_t& dayNumber) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    uint64_t y = 0, m = 0, d = 0;
    if (!ParseUnsigned(text.substr(0, 4), 9999, y) || !ParseUnsigned(text.substr(5, 2), 12, m) ||
        !ParseUnsigned(text.substr(8, 2), 31, d))
        return false;
    if (y < 1900 || m < 1 || d < 1) return false;
    const double day = DayNumberOf(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
    // 2026-02-30 would name March 2nd: only dates that come back unchanged are real.
    const CalendarTime t = CalendarOf(day);
    if (t.Year != static_cast<int>(y) || t.Month != static_cast<int>(m) ||
        t.Day != static_cast<int>(d))
        return false;
    dayNumber = static_cast<int32_t>(day);
    return true;
}

} // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& out, std::string& error) {
    SimOptions o;
    bool daysGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& v) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            v = args[++i];
            return true;
        };
        std::string v;
        uint64_t n = 0;
        if (a == "--catalogue") {
            o.Catalogue = true;
        } else if (a == "--help" || a == "-h") {
            o.Help = true;
        } else if (a == "--quiet") {
            o.Quiet = true;
        } else if (a == "--seed") {
            if (!value(v)) return false;
            if (!ParseUnsigned(v, 0xFFFFFFFFull, n)) {
                error = "--seed takes a number from 0 to 4294967295, not '" + v + "'";
                return false;
            }
            o.Seed = static_cast<uint32_t>(n);
        } else if (a == "--date") {
            if (!value(v)) return false;
            int32_t day = 0;
            if (!ParseDate(v, day)) {
                error = "--date takes a real date YYYY-MM-DD from 1900 on, not '" + v + "'";
                return false;
            }
            o.StartDay = day;
        } else if (a == "--days") {
            if (!value(v)) return false;
            if (!ParseUnsigned(v, MaxDays, n)) {
                error = "--days takes a number from 0 to " + std::to_string(MaxDays) + ", not '" +
                        v + "'";
                return false;
            }
            o.Days = static_cast<int32_t>(n);
            daysGiven = true;
        } else if (a == "--difficulty") {
            if (!value(v)) return false;
            if (!ParseUnsigned(v, 3, n)) {
                error = "--difficulty takes 0, 1, 2 or 3, not '" + v + "'";
                return false;
            }
            o.Difficulty = static_cast<int>(n);
        } else if (a == "--bot") {
            if (!value(v)) return false;
            if (v == "none") {
                o.Bot = SimBot::None;
            } else if (v == "greedy") {
                o.Bot = SimBot::Greedy;
            } else {
                error = "--bot takes none or greedy, not '" + v + "'";
                return false;
            }
        } else if (a == "--load" || a == "--save" || a == "--replay" || a == "--record") {
            if (!value(v)) return false;
            if (v.empty()) {
                error = a + " needs a file name";
                return false;
            }
            (a == "--load"     ? o.LoadFile
             : a == "--save"   ? o.SaveFile
             : a == "--replay" ? o.ReplayFile
                               : o.RecordFile) = v;
        } else {
            error = "unknown argument '" + a + "'";
            return false;
        }
    }
    // A recording holds its own seed, start and requests.
    if (!o.ReplayFile.empty()) {
        for (const auto& [given, name] :
             {std::pair{o.Seed.has_value(), "--seed"}, std::pair{o.StartDay.has_value(), "--date"},
              std::pair{o.Difficulty.has_value(), "--difficulty"},
              std::pair{!o.LoadFile.empty(), "--load"},
              std::pair{!o.RecordFile.empty(), "--record"},
              std::pair{o.Bot != SimBot::None, "--bot"}, std::pair{daysGiven, "--days"}}) {
            if (given) {
                error = std::string(name) + " does not go with --replay: the recording has its own";
                return false;
            }
        }
    }
    out = o;
    return true;
}
