// The plain-text debug log in the data folder (beside the executable unless that
// cannot be written), and the one error report.
#pragma once

#include <string>

// The data folder (persist/DataFolder.h) + "debug.txt".
std::string DebugLogPath();
// Appends text and one line feed; a log that cannot be written loses the line silently.
void AppendDebugLine(const std::string& text);
// Logs the text and shows the general error box (the text itself stands only in the log).
void ReportError(const std::string& text);
// The text of the general error box and its caption (the host shows it with the stop icon).
std::string GeneralErrorBoxText();
inline constexpr const char* GeneralErrorCaption = "In-game error";
// Empties the log when it is larger than limit bytes; true when it was emptied.
bool EmptyDebugLogIfLarger(unsigned long long limit);
