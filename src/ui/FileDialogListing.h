// The saved games a file dialog lists: the folder's *.sav files with their
// modification times, newest first.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct SaveFileEntry {
    std::string Name; // the file name, without the folder
    std::filesystem::file_time_type Modified;
};

// The ordinary files of the folder whose names end in ".sav" (no folders, no
// dot-files), newest first; files of the same time by name. A missing folder
// gives an empty list.
std::vector<SaveFileEntry> ListSaveFiles(const std::string& folder);

// The time in local time, "mmm dd yyyy, hh:mm", for example "Dec 07 2026, 23:42".
std::string FormatFileTime(std::filesystem::file_time_type time);
