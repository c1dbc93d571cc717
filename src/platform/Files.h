// Files as the game uses them: its own folder, wildcard listings of ordinary
// files, exists, delete, size, whole-file reads and the short sleep.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Files {

// The folder of the running executable, with a trailing '/'.
std::string ProgramFolder();

// True when `name` matches `pattern` ('*' any run, '?' one character; exact case).
bool WildcardMatch(const std::string& pattern, const std::string& name);
// Names (not paths) of the ordinary files in `folder` matching `pattern`, sorted;
// no folders, no dot-files. A missing folder gives an empty list.
std::vector<std::string> List(const std::string& folder, const std::string& pattern);

bool Exists(const std::string& path);    // an ordinary file
bool Delete(const std::string& path);    // true when a file was removed
long long Size(const std::string& path); // -1 when it is not an ordinary file

// Reads a whole ordinary file of at most `limit` bytes; false on any failure.
bool ReadAll(const std::string& path, std::vector<std::uint8_t>& out,
             std::size_t limit = std::size_t(256) << 20);

void SleepMs(int ms);

} // namespace Files
