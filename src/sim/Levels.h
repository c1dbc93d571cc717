// Service levels, legality and the visitors' satisfaction of one property (0..100).
#pragma once

#include "model/Gamedata.h"

#include <cstdint>

// What the property's upgrades and staff give each role, taken in one pass over the
// characters: each sum starts from the upgrade and adds the skills in the order the
// characters are kept, so a level read from it equals the one a walk per kind gives.
// It holds while the staff, their skills and the upgrades stay as they were.
struct StaffSums {
    static constexpr int RoleCount = 256; // every value of a byte-wide role
    double Skill[RoleCount];
    int32_t Workers[RoleCount]; // those whose first role it is
};
void SumStaff(const Property* p, StaffSums& out);

int32_t ServiceLevel(const Property* p, const BarDescr* d, int kind, int32_t management);
int32_t ManagementLevel(const Property* p, const BarDescr* d);
int32_t SecurityLevel(const Property* p, const BarDescr* d);
int32_t LegalityLevel(const Property* p, const BarDescr* d);
int32_t Satisfaction(const Property* p, const BarDescr* d, const VisitorGroup& g);

// The same from sums taken earlier in the step; supplies and groups are read now.
int32_t ServiceLevel(const StaffSums& s, const Property* p, const BarDescr* d, int kind,
                     int32_t management);
int32_t ManagementLevel(const StaffSums& s, const Property* p, const BarDescr* d);
int32_t Satisfaction(const StaffSums& s, const Property* p, const BarDescr* d,
                     const VisitorGroup& g);
