// Loading and saving through the game's own routines.
#include "SimRun.h"

#include <cstdio>

// The saved-game routines arrive with the saved-games work; until then both
// requests fail plainly instead of pretending.
bool SimLoadGame(const std::string& path) {
    std::fprintf(stderr, "error: cannot load %s: saved games are not supported yet\n",
                 path.c_str());
    return false;
}

bool SimSaveGame(const std::string& path) {
    std::fprintf(stderr, "error: cannot save %s: saved games are not supported yet\n",
                 path.c_str());
    return false;
}
