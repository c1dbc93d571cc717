// The game's fixed vocabulary: character descriptions, services, visitor
// categories, region traits and the name pools.
#pragma once

#include "model/Gamedata.h"

#include <cstdint>
#include <span>
#include <string>

struct VisitorDescr {
    int32_t Type = 0;
    std::string Name;
    int32_t Spending = 0;
    int32_t SecurityEffect = 0;
    int32_t Demand[ServiceKindCount] = {};
};

// An invalid type is reported and gives an empty name, no spending and no demands.
VisitorDescr GetVisitorDescrByEnum(int type);
std::string GetVisitorNameByEnum(int type);

// The favourable or unfavourable text of a region trait; empty for any other code.
std::string RegionTraitText(int code, bool favourable);

// The name pools the random names are drawn from (sim/Names.h draws them).
std::span<const char* const> FirstNamePool(bool male);
std::span<const char* const> BarNamePool();

// Fills GameState.CharDescrs (start-up) and GameState.Services (each new game).
// BuildCharDescrs empties the table first.
void BuildCharDescrs();
void BuildServices();

// The two row builders: append a description with Id = its position + 1. At 50
// descriptions the limit is reported and nothing is added.
bool AddProfessionDescr(const char* title, const char* picture, int32_t pictureIndex, bool male,
                        uint8_t role, uint8_t secondRole, double skill, double secondSkill,
                        int32_t legality);
bool AddContactDescr(const char* fixedName, const char* title, const char* picture,
                     int32_t pictureIndex, bool male, uint8_t role);
