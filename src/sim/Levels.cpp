#include "sim/Levels.h"

#include "model/Game.h"

#include <algorithm>
#include <cmath>

namespace {

// trunc(f) held within 0..100; NaN from bad data counts as 0.
int32_t HoldLevel(double f) {
    if (!(f > 0)) return 0;
    if (f >= 100) return 100;
    return static_cast<int32_t>(std::trunc(f));
}

int32_t HoldWithin(int64_t v, int32_t lo, int32_t hi) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, lo, hi));
}

// The property's staff: employed there, whatever the vacancy, with a known description.
template <typename F> void ForEachEmployee(const Property* p, F&& f) {
    for (const auto& c : GameState.Characters) {
        if (!c->Employed || c->EmployerId != p->BarId) continue;
        const CharDescr* cd = DescrOf(c.get());
        if (cd) f(*c, *cd);
    }
}

bool IsRatedStaffedKind(int kind) {
    return kind >= skCooking && kind <= skEntertainment;
}

} // namespace

void SumStaff(const Property* p, StaffSums& out) {
    for (int r = 0; r < StaffSums::RoleCount; ++r) {
        out.Skill[r] = 0;
        out.Workers[r] = 0;
    }
    out.Skill[skCooking] = out.Skill[skDrinks] = p->TablewareLevel * 0.15;
    out.Skill[skServing] = out.Skill[skCleanness] = p->RepairLevel * 0.15;
    out.Skill[skDanceFloor] = out.Skill[skEntertainment] = p->EquipmentLevel * 0.15;
    // A worker whose two roles are the same adds the first skill, then the second.
    ForEachEmployee(p, [&](const Character& ch, const CharDescr& cd) {
        out.Skill[cd.Role] += ch.Skill;
        ++out.Workers[cd.Role];
        out.Skill[cd.SecondRole] += ch.SecondSkill;
    });
}

int32_t ServiceLevel(const StaffSums& s, const Property* p, const BarDescr* d, int kind,
                     int32_t management) {
    if (!p || !d) return 0;

    // No role byte holds a kind outside the table, and no upgrade serves it.
    const bool known = kind >= 0 && kind < StaffSums::RoleCount;
    double b = known ? s.Skill[kind] : 0;
    int32_t c = known ? s.Workers[kind] : 0;

    double f;
    if (kind == skManagement) {
        // Every manager after the first costs a tenth.
        f = c == 0 ? 0.5 : b + 0.5 - (c - 1) * 0.1;
        if (d->GoodTrait == rtManagementValue) f += 0.1;
        if (d->BadTrait == rtManagementValue) f -= 0.1;
    } else {
        f = b * management * 0.01;
        if (kind == skSecurity) {
            f += 0.5;
            // Rowdy groups lower security in proportion to the building's size.
            if (d->Capacity > 0)
                for (int32_t i = 0; i < p->GroupCount && i < MaxGroups; ++i)
                    f += p->Groups[i].SecurityEffect * 0.01 / d->Capacity;
            if (d->GoodTrait == rtSecurityValue) f += 0.1;
            if (d->BadTrait == rtSecurityValue) f -= 0.1;
        }
    }

    if (p->Supplies == 0 && IsRatedStaffedKind(kind)) return 0;
    return HoldLevel(f * 100);
}

int32_t ServiceLevel(const Property* p, const BarDescr* d, int kind, int32_t management) {
    if (!p || !d) return 0;
    StaffSums s;
    SumStaff(p, s);
    return ServiceLevel(s, p, d, kind, management);
}

int32_t ManagementLevel(const StaffSums& s, const Property* p, const BarDescr* d) {
    return ServiceLevel(s, p, d, skManagement, -1);
}

int32_t ManagementLevel(const Property* p, const BarDescr* d) {
    return ServiceLevel(p, d, skManagement, -1);
}

int32_t SecurityLevel(const Property* p, const BarDescr* d) {
    if (!p || !d) return 0;
    StaffSums s;
    SumStaff(p, s);
    return ServiceLevel(s, p, d, skSecurity, ManagementLevel(s, p, d));
}

int32_t LegalityLevel(const Property* p, const BarDescr* d) {
    if (!p || !d || d->Capacity <= 0) return 50;
    int64_t sum = 0;
    ForEachEmployee(p, [&](const Character& ch, const CharDescr&) { sum += ch.Legality; });
    // A bribe level outside 0..4 (bad data) counts as none, as the daily bribe takes it.
    const int64_t bribe = p->BribeLevel >= 0 && p->BribeLevel <= 4 ? p->BribeLevel : 0;
    int64_t l =
        static_cast<int64_t>(std::trunc(static_cast<double>(sum) / d->Capacity)) + bribe * 10 + 50;
    if (d->GoodTrait == rtLegalityValue) l += 10;
    if (d->BadTrait == rtLegalityValue) l -= 10;
    return HoldWithin(l, 0, 100);
}

int32_t Satisfaction(const StaffSums& staff, const Property* p, const BarDescr* d,
                     const VisitorGroup& g) {
    int32_t m = ManagementLevel(staff, p, d);
    int64_t demanded = 0, met = 0;
    for (int k = 0; k < ServiceKindCount; ++k) {
        if (!GameState.Services[k].Rated || g.Demand[k] <= 0) continue;
        int32_t l = ServiceLevel(staff, p, d, k, m);
        demanded += g.Demand[k];
        met += std::min<int64_t>(g.Demand[k], l);
    }
    // Only shortfalls lower the meter; a better service earns nothing extra.
    int64_t s = demanded > 0 ? met * 100 / demanded : 100;
    if (d && d->GoodTrait == rtVisitorSatisfaction) s += 10;
    if (d && d->BadTrait == rtVisitorSatisfaction) s -= 10;
    return HoldWithin(s, 0, 100);
}

int32_t Satisfaction(const Property* p, const BarDescr* d, const VisitorGroup& g) {
    if (!p || !d) return Satisfaction(StaffSums{}, p, d, g);
    StaffSums staff;
    SumStaff(p, staff);
    return Satisfaction(staff, p, d, g);
}
