// A building's readable definition (content/buildings/*.txt) and its compiled record.
#pragma once

#include "model/Gamedata.h"

#include <string>
#include <vector>

// A rectangle of the floor plan, in plan pixels.
struct PlanRoom {
    int X = 0, Y = 0, W = 0, H = 0;
    std::string Label;
};

// One piece of furniture seen from above.
struct PlanItem {
    std::string
        Kind; // bar, table, booth, stage, dancefloor, stove, counter, plant, pole, sofa, dj, door
    int X = 0, Y = 0, W = 0, H = 0;
};

struct BuildingDef {
    std::string File; // for messages
    BarDescr Record{};
    std::string Style; // cafe, pub, diner, restaurant, lounge, bar, teenclub, strip, club, supper
    unsigned SignColour = 0; // 0xRRGGBB
    unsigned WallColour = 0;
    std::vector<PlanRoom> Rooms;
    std::vector<PlanItem> Items;
};

// Largest floor plan and photograph the pages have room for.
constexpr int PlanMaxW = 383, PlanMaxH = 380; // the plan stays on the notebook page
constexpr int PhotoW = 184, PhotoH = 132;
// The news lines cover the plan's top rows: nothing is drawn above this.
constexpr int PlanNewsRows = 96;

// Reads one definition; throws ContentError naming the file and line on bad input.
BuildingDef ParseBuildingDef(const std::string& path);
// All *.txt definitions of a folder, in file-name order; ids must be unique.
std::vector<BuildingDef> LoadBuildingDefs(const std::string& folder);
