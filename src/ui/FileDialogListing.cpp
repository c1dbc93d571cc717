#include "ui/FileDialogListing.h"

#include "platform/Files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <system_error>

std::vector<SaveFileEntry> ListSaveFiles(const std::string& folder) {
    std::vector<SaveFileEntry> entries;
    for (const std::string& name : Files::List(folder, "*.sav")) {
        std::error_code ec;
        const auto time =
            std::filesystem::last_write_time(std::filesystem::path(folder) / name, ec);
        if (ec) continue; // gone between the listing and now
        entries.push_back(SaveFileEntry{name, time});
    }
    // The listing comes sorted by name, so equal times keep that order.
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const SaveFileEntry& a, const SaveFileEntry& b) { return a.Modified > b.Modified; });
    return entries;
}

std::string FormatFileTime(std::filesystem::file_time_type time) {
    using namespace std::chrono;
    const auto sys = time_point_cast<seconds>(file_clock::to_sys(time));
    const std::time_t t = system_clock::to_time_t(sys);
    std::tm local{};
    if (!localtime_r(&t, &local)) return std::string();
    static const char* const months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[40];
    std::snprintf(text, sizeof text, "%s %02d %04d, %02d:%02d", months[local.tm_mon % 12],
                  local.tm_mday, local.tm_year + 1900, local.tm_hour, local.tm_min);
    return text;
}
