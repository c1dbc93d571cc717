#include "platform/Files.h"

#include "model/ProgramFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <thread>

namespace fs = std::filesystem;

namespace Files {

std::string ProgramFolder() {
    return ::ProgramFolder();
}

bool WildcardMatch(const std::string& pattern, const std::string& name) {
    // Iterative match with one backtrack point for the last '*'.
    std::size_t p = 0, n = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> List(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        std::error_code fec;
        if (!it->is_regular_file(fec)) continue;
        if (WildcardMatch(pattern, name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool Delete(const std::string& path) {
    if (!Exists(path)) return false;
    std::error_code ec;
    return fs::remove(path, ec);
}

long long Size(const std::string& path) {
    if (!Exists(path)) return -1;
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    return ec ? -1 : static_cast<long long>(size);
}

bool ReadAll(const std::string& path, std::vector<std::uint8_t>& out, std::size_t limit) {
    const long long size = Size(path);
    if (size < 0 || static_cast<unsigned long long>(size) > limit) return false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    const std::size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), f);
    // A file that grew while we read is cut at the size we saw.
    const bool ok = got == bytes.size() && !std::ferror(f);
    std::fclose(f);
    if (!ok) return false;
    out = std::move(bytes);
    return true;
}

void SleepMs(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace Files
