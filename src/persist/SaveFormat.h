// The saved-game file as bytes: the owned properties and the character pool as raw
// records, then the scalar fields of the game and the panels' view state.
#pragma once

#include "model/Game.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

constexpr char SaveMagic[] = "QLB1A";
constexpr int32_t SaveMagicLength = 5;

// The fixed part: magic, both counts, the service table and the 77 bytes of scalars.
constexpr std::size_t SaveFixedBytes = 4 + 5 + 4 + 4 + sizeof(ServiceDescr) * ServiceKindCount + 77;
constexpr std::size_t SaveFileSize(std::size_t properties, std::size_t characters) {
    return SaveFixedBytes + sizeof(Property) * properties + sizeof(Character) * characters;
}
static_assert(SaveFileSize(2, 14) == 60886);
constexpr std::size_t MaxSaveFileSize = SaveFileSize(MaxProperties, MaxCharacters);

// Day numbers the calendar can show: 30 December 1899 to 31 December 9999.
constexpr double FirstCalendarTime = 0.0;
constexpr double EndOfCalendarTime = 2958466.0; // just past the last day

// Everything a file holds, read into fresh records before the running game is touched.
struct LoadedGame {
    std::vector<std::unique_ptr<Property>> Properties;
    std::vector<std::unique_ptr<Character>> Characters;
    ServiceDescr Services[ServiceKindCount] = {};
    int32_t Cash = 0;
    double GameTime = 0;
    double StartTime = 0;
    uint8_t Difficulty = 0;
    int32_t ClockSpeed = 0;
    bool GameInProgress = false;
    int32_t SelectedProperty = -1;
    int32_t SelectedSlot = -1;
    int32_t SelectedCharacter = -1;
    int32_t SelectedGroup = -1;
    ViewState View;
};

// Items 1 to 20 of the game's current state; reads the game, changes nothing.
std::string EncodeGame(const GameStateData& game);

// Reads and checks a whole file's bytes. False when the file ends early or holds a
// value the game cannot run with (see SaveFormat.cpp); out then holds nothing
// useful. Text fields come back terminated, odd view values at their defaults.
bool DecodeGame(std::string_view bytes, LoadedGame& out);

// Replaces the saved part of the running game; the static tables stay.
void ApplyLoadedGame(LoadedGame&& loaded);
