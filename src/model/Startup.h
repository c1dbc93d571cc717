// Start-up, shut-down and a new game.
#pragma once

#include <cstdint>
#include <optional>

// Seeds the generator (from the clock unless a seed is given), empties a debug log
// above 10000 bytes, writes the banner, loads the building files and builds the
// descriptions; leaves an empty state with no game in progress.
void GameStartup(std::optional<uint32_t> seed = std::nullopt);
void GameShutdown();

// A new game at GameState.Difficulty, starting at 00:30 of today's local date.
void NewGame();
// The same, starting at 00:30 of the given day number (quelbrin-sim's --date).
void NewGameOnDay(int32_t dayNumber);
// Today's local date as a day number.
int32_t LocalDayNumber();

void GenerateCharacters();
void AddRandomCandidate();
