// Prices of the contacts' services and the goodwill they earn. Every page that
// quotes a price and every command that charges one uses these.
#pragma once

#include "model/Gamedata.h"

#include <cstdint>

double RelationFactor(double rel, double x);
int32_t DiscountedPrice(int32_t amount, double rel);
int32_t SuppliesPrice(int32_t units, double rel);
int32_t UpgradePrice(int32_t level, int32_t capacity, double rel);
// Never below 0.
int32_t ResaleValue(const Property* p, const BarDescr* d, double rel);
// Relation += amount * 0.002, held within -100..100.
void AdjustRelation(Character* c, double amount);
// What a lender's loan costs to repay: trunc((1 + RelationFactor(r, rate)) * limit) / 10 * 10.
int32_t LoanRepayment(const Character& lender);
