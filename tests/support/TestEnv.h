// Test helpers: a temporary program folder, recording host hooks and small
// building descriptions that tests write themselves.
#pragma once

#include "model/Game.h"
#include "model/GameHost.h"

#include <string>
#include <utility>
#include <vector>

// A fresh temporary folder that the game takes as its program folder; the game
// state is reset on entry and exit, and the folder is removed afterwards. The
// model's error report is connected to ReportError, as start-up does.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    const std::string& Path() const { return mPath; } // with a trailing '/'
    std::string Sub(const std::string& rel) const { return mPath + rel; }
    void WriteFile(const std::string& rel, const std::string& bytes) const;
    std::string ReadFile(const std::string& rel) const;

private:
    std::string mPath;
};

// Installs hooks that record every call; restores empty hooks on destruction.
struct HostRecorder {
    HostRecorder();
    ~HostRecorder();
    std::vector<std::string> ErrorBoxes;
    std::vector<std::pair<std::string, std::string>> Messages;     // text, caption
    std::vector<std::pair<std::string, std::string>> SystemErrors; // text, caption
    std::vector<std::string> Sounds;
    int Refreshes = 0;
    int DefaultPages = 0;
};

// A building description with the given id, value and capacity: open vacancies
// of the given kinds in slots 0.., potentials of 10 for every visitor type.
BarDescr MakeBarDescr(int32_t id, int32_t value, int32_t capacity,
                      std::vector<uint8_t> vacancyKinds = {}, const char* name = "bar");

// Writes d as Buildings/<file> of the folder.
void WriteBuildingFile(const TempProgramFolder& folder, const std::string& file, const BarDescr& d);

// A small catalogue that stands in for the game's buildings in simulation tests and
// headless runs: eight buildings of several sizes (capacity 4..50) and prices
// (8000..120000), with region traits, closed slots between open ones, agents,
// strip-show and security posts, and a post nobody can be hired for.
std::vector<BarDescr> FixtureCatalogue();
// Writes the fixture catalogue as Buildings/<id>.dat under folder (a path ending in '/').
void WriteFixtureCatalogue(const std::string& folder);
void WriteFixtureCatalogue(const TempProgramFolder& folder);

// Reads a whole file; empty when missing.
std::string ReadWholeFile(const std::string& path);
