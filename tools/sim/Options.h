// The command line of quelbrin-sim.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class SimBot { None, Greedy };

struct SimOptions {
    bool Catalogue = false;
    bool Help = false;
    std::optional<uint32_t> Seed;    // the clock's seconds when absent, as the game does
    std::optional<int32_t> StartDay; // day number of --date; today when absent
    int32_t Days = 30;
    std::optional<int> Difficulty; // 0 when absent
    SimBot Bot = SimBot::None;
    std::string LoadFile; // empty: a new game
    std::string SaveFile; // empty: nothing is saved
    bool Quiet = false;
    std::string ReplayFile; // a recording to play instead of a bot
    std::string RecordFile; // where the run's recording is written
};

extern const char* const SimUsage;

// False with a one-line reason when the arguments are not understood.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& out, std::string& error);
