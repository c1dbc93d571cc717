// The photograph of a building's facade at night and its floor plan seen from above.
#pragma once

#include "BuildingDef.h"

#include <string>

void DrawBuildingPhoto(const BuildingDef& def, const std::string& path);
void DrawFloorPlan(const BuildingDef& def, const std::string& path);
