// Saving and loading the running game. Both tell the player about a failure in
// the stop-icon box captioned "Quelbrin" and answer false; neither ever leaves a
// damaged file or a half-loaded game behind.
#pragma once

#include <functional>
#include <string>

// Writes the game to a temporary file beside path and renames it over path only
// once every byte is on the disk; the game itself is not changed.
bool SaveGame(const std::string& path);

// Reads and checks the whole file first; the running game is replaced only when
// all of it is good.
bool LoadGame(const std::string& path);

// The steps of a save, for tests that make one of them fail like a full disk.
enum class SaveStep { Create, Write, Sync, Close, Rename };
// When set, called before each step; false makes that step fail. Empty to clear.
void SetSaveFaultHook(std::function<bool(SaveStep)> hook);
