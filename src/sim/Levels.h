// Service levels, legality and the visitors' satisfaction of one property (0..100).
#pragma once

#include "model/Gamedata.h"

#include <cstdint>

int32_t ServiceLevel(const Property* p, const BarDescr* d, int kind, int32_t management);
int32_t ManagementLevel(const Property* p, const BarDescr* d);
int32_t SecurityLevel(const Property* p, const BarDescr* d);
int32_t LegalityLevel(const Property* p, const BarDescr* d);
int32_t Satisfaction(const Property* p, const BarDescr* d, const VisitorGroup& g);
