#include "sim/Prices.h"

#include "sim/MoneyMath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Upgrades are bought up to level 10; a larger figure in a loaded game is not refunded beyond it.
constexpr int32_t MaxUpgradeLevel = 10;

} // namespace

double RelationFactor(double rel, double x) {
    return (1 - rel * 0.5 * 0.01) * x;
}

int32_t DiscountedPrice(int32_t amount, double rel) {
    return HoldInt32((1 - rel * 0.005) * amount) / 5 * 5;
}

int32_t SuppliesPrice(int32_t units, double rel) {
    // Every unit bought at once takes a further 0.5% off the whole order.
    double units50 = static_cast<double>(units) * 50;
    return HoldInt32((1 - rel * 0.005 - units * 0.005) * units50) / 5 * 5;
}

int32_t UpgradePrice(int32_t level, int32_t capacity, double rel) {
    double base = static_cast<double>(capacity) * 400 * (level * 0.4 + 1);
    return DiscountedPrice(HoldInt32(base), rel);
}

int32_t ResaleValue(const Property* p, const BarDescr* d, double rel) {
    if (!p) return 0;
    int64_t v = HoldInt32((rel * 0.005 + 0.5) * p->Value) / 10 * 10;
    if (d) {
        // Each upgrade comes back at half its undiscounted price.
        for (int32_t level : {p->RepairLevel, p->TablewareLevel, p->EquipmentLevel}) {
            int32_t n = std::clamp(level, 0, MaxUpgradeLevel);
            for (int32_t i = 0; i < n; ++i)
                v += UpgradePrice(i, d->Capacity, 100);
        }
    }
    return HoldInt32(std::max<int64_t>(v, 0));
}

void AdjustRelation(Character* c, double amount) {
    if (!c) return;
    double r = c->Relation + amount * 0.002;
    if (std::isnan(r)) return;
    c->Relation = std::clamp(r, -100.0, 100.0);
}

int32_t LoanRepayment(const Character& lender) {
    double d = (1 + RelationFactor(lender.Relation, lender.InterestRate)) * lender.CreditLimit;
    return HoldInt32(d) / 10 * 10;
}
