// Loading and saving through the game's own routines; their messages are printed
// by the sim's host as "message: Quelbrin: ...".
#include "SimRun.h"

#include "persist/SaveGame.h"

bool SimLoadGame(const std::string& path) { return LoadGame(path); }

bool SimSaveGame(const std::string& path) { return SaveGame(path); }
