#include "persist/DebugLog.h"

#include "model/GameHost.h"
#include "model/GameInfo.h"
#include "persist/DataFolder.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

std::string DebugLogPath() {
    return DataFolder() + "debug.txt";
}

void AppendDebugLine(const std::string& text) {
    // Opened and closed for every line, so the file is complete at every moment.
    std::FILE* f = std::fopen(DebugLogPath().c_str(), "ab");
    if (!f) return;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fputc('\n', f);
    std::fclose(f);
}

std::string GeneralErrorBoxText() {
    return std::string("General game error.") + "\n\n" +
           "If you wish to send a bug report to the developer, send an email to " + SupportEmail +
           ". " + "Please attach " + DebugLogPath() +
           " file to your email and describe the steps you went through to get the error.";
}

void ReportError(const std::string& text) {
    AppendDebugLine(text);
    HostErrorReported(text);
    HostErrorBox(GeneralErrorBoxText());
}

bool EmptyDebugLogIfLarger(unsigned long long limit) {
    std::error_code ec;
    const std::string path = DebugLogPath();
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    auto size = std::filesystem::file_size(path, ec);
    if (ec || size <= limit) return false;
    std::filesystem::remove(path, ec);
    AppendDebugLine("*** The log file has been emptied ***");
    return true;
}
