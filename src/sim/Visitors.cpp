// Admitting visitor groups and growing the pool of potential visitors.
#include "sim/PropertyDay.h"

#include "model/Game.h"
#include "model/Tables.h"
#include "sim/Random.h"
#include "sim/Startup.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsGroupType(int type) {
    return type >= 1 && type < VisitorTypeCount;
}

// RandomInt() mod 21 + base - 10: a spread of ten either side of the base.
int32_t Around(int32_t base) {
    return RandomInt() % 21 + base - 10;
}

void FillGroup(VisitorGroup& g, int type) {
    VisitorDescr v = GetVisitorDescrByEnum(type);
    g.Type = static_cast<uint8_t>(type);
    if (v.Spending != 0) {
        auto h = static_cast<int32_t>(
            std::trunc((v.Spending + 15) * VisitorSpendingFactor(GameState.Difficulty)));
        g.Profit = std::max((h + RandomInt() % 21 - 10) / 5 * 5, 0);
    }
    if (v.SecurityEffect != 0) g.SecurityEffect = Around(v.SecurityEffect);
    for (int k = 0; k < ServiceKindCount; ++k)
        if (v.Demand[k] != 0) g.Demand[k] = std::clamp(Around(v.Demand[k]), 0, 100);
    g.DesireToStay = 100;
}

} // namespace

int PickVisitorType(Property* p, int type) {
    if (!p) return 0;
    if (type != 0) return IsGroupType(type) && p->Potential[type] > 0 ? type : 0;
    // Weighted by the potential visitors: a type with potential P covers P values.
    int64_t sum = 0;
    for (int t = 1; t < VisitorTypeCount; ++t)
        sum += std::max(p->Potential[t], 0);
    if (sum == 0) return 0;
    int64_t k = RandomInt() % sum;
    int64_t upTo = 0;
    for (int t = 1; t < VisitorTypeCount; ++t) {
        upTo += std::max(p->Potential[t], 0);
        if (k < upTo) return t;
    }
    return 0;
}

bool AddVisitorGroup(Property* p, const BarDescr* d, int type, bool& cannotHold,
                     int32_t* position) {
    if (!p || !d || cannotHold) return false;
    int t = PickVisitorType(p, type);
    if (t == 0) return false;
    // More than 50 groups do not fit the record, whatever the description says.
    if (p->GroupCount >= std::min(d->Capacity, MaxGroups)) {
        cannotHold = true;
        return false;
    }
    // Behind every group of the same type or higher.
    int32_t k = 0;
    while (k < p->GroupCount && p->Groups[k].Type >= t)
        ++k;
    VisitorGroup* g = InsertVisitorGroupAt(p, k);
    if (!g) return false;
    FillGroup(*g, t);
    --p->Potential[t];
    if (position) *position = k;
    return true;
}

void AddPotentialVisitor(Property* p, const BarDescr* d) {
    if (!p || !d) return;
    int open[VisitorTypeCount];
    int n = 0;
    for (int t = 1; t < VisitorTypeCount; ++t)
        if (p->Potential[t] < d->Potential[t]) open[n++] = t;
    if (n == 0) return;
    ++p->Potential[open[RandomInt() % n]];
}

int32_t CountGroups(const Property* p, int type) {
    if (!p) return 0;
    int32_t n = 0;
    for (int32_t i = 0; i < p->GroupCount && i < MaxGroups; ++i)
        if (p->Groups[i].Type == type) ++n;
    return n;
}
