// Start-up, shut-down and a new game.
#pragma once

#include <cstdint>
#include <optional>

// Connects the model's error report to ReportError, seeds the generator (from the
// clock unless a seed is given), empties a debug log above 10000 bytes, writes the
// banner (followed by where the saves and the log went, when that is not the
// program's folder), loads the building files and builds the descriptions; leaves
// an empty state with no game in progress.
void GameStartup(std::optional<uint32_t> seed = std::nullopt);
void GameShutdown();

// A new game at GameState.Difficulty, starting at 00:30 of today's local date;
// the old game's autosave is deleted.
void NewGame();
// The same, starting at 00:30 of the given day number, and leaving the autosave
// alone: quelbrin-sim plays with this and never touches the player's files.
void NewGameOnDay(int32_t dayNumber);
// Today's local date as a day number.
int32_t LocalDayNumber();

// Starting cash by difficulty 0..3 (80000, 50000, 35000, 25000); 0 for any other value.
int32_t StartingCashFor(int difficulty);
// What arriving visitors spend, by difficulty: 1.5, 1.0, 0.85, 0.7; 1.0 for any other value.
double VisitorSpendingFactor(int difficulty);

void GenerateCharacters();
void AddRandomCandidate();
