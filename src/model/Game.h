// The one process-wide game state, its lookups and the order-keeping removals
// that keep the selections valid.
#pragma once

#include "model/Gamedata.h"

#include <memory>
#include <string>
#include <vector>

// What the panels show, saved with a game so that a loaded game looks as it did.
// The palm screen, the ruler and the plan page read and write these fields.
struct ViewState {
    uint32_t PlanWord = 0;       // a plan-page word nothing else uses
    uint8_t PalmMode = 0;        // mData.Mode
    int32_t PalmPageIndx = 0;    // mPageIndx
    int32_t PalmLastHotIndex = 0; // LastHotIndex
    int32_t PalmScrollY = 0;     // mScrollY
    uint8_t PalmContinueAvailable = 0; // mContinueAvailable
    uint8_t RulerTab = 0;        // mTab
    int32_t RulerScrollX = 0;    // mScrollX
};

struct GameStateData {
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

    // Owned records in order; pointers stay valid while a record is owned.
    std::vector<std::unique_ptr<Property>> Properties;
    std::vector<std::unique_ptr<Character>> Characters;
    ServiceDescr Services[ServiceKindCount] = {};

    // Static tables, sorted by Id.
    std::vector<BarDescr> BarDescrs;
    std::vector<CharDescr> CharDescrs;

    ViewState View;

    int32_t PropertyCount() const { return static_cast<int32_t>(Properties.size()); }
    int32_t CharacterCount() const { return static_cast<int32_t>(Characters.size()); }
    int32_t BarDescrCount() const { return static_cast<int32_t>(BarDescrs.size()); }
    int32_t CharDescrCount() const { return static_cast<int32_t>(CharDescrs.size()); }
};

extern GameStateData GameState;

// Resets the whole state to what the program has before start-up.
void ResetGameState();

// New records are zero-filled before their fields are set.
std::unique_ptr<Property> NewPropertyRecord();
std::unique_ptr<Character> NewCharacterRecord();

// Lookups: linear scans in table order. They report none with nullptr or -1.
Property* FindProperty(int32_t barId, int32_t* index = nullptr);
const BarDescr* FindBarDescr(int32_t id);
const CharDescr* FindCharDescr(int32_t id);
Character* FindContact(uint8_t role, int32_t* index = nullptr);
int32_t FindWorkerInSlot(int32_t barId, int32_t slot);
std::string TitlesForKind(uint8_t kind);
int32_t Today();

// The selected property (or nullptr) and the building description of a property.
Property* SelectedPropertyRecord();
const BarDescr* DescrOf(const Property* p);
const CharDescr* DescrOf(const Character* c);

// "(Unknown)" while the honesty is not known, else "Proved", "Moderate" or "Poor".
std::string HonestyText(const Character& c);

// Order-keeping removals and insertion with their selection fix-ups.
void RemoveProperty(int32_t index);
void RemoveCharacter(int32_t index);
void RemoveVisitorGroup(Property* p, int32_t position);
// Opens a zero-filled place at position k of p's groups and returns it.
VisitorGroup* InsertVisitorGroupAt(Property* p, int32_t k);
void ReleaseAllProperties();
void ReleaseAllCharacters();
