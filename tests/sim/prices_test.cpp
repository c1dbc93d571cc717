// Prices of the contacts' services, resale, loan repayment and goodwill.
#include "sim/Prices.h"

#include "sim/SimFixture.h"

#include <limits>

namespace {

TEST(Prices, DiscountedPriceByRelation) {
    struct Case {
        int32_t amount;
        double rel;
        int32_t price;
    } cases[] = {
        {1000, 0, 1000}, {1000, 100, 500}, {1000, -100, 1500}, {1000, 50, 750},
        {999, 0, 995},   {4, 0, 0},        {1003, -1, 1005}, // 1008.015 cut to 5s
    };
    for (const Case& c : cases)
        EXPECT_EQ(DiscountedPrice(c.amount, c.rel), c.price) << c.amount << " at " << c.rel;
    // Large amounts with a surcharge are held at the top of the range, not wrapped.
    EXPECT_GT(DiscountedPrice(std::numeric_limits<int32_t>::max(), -100), 0);
}

TEST(Prices, SuppliesGetCheaperPerUnitInBulk) {
    EXPECT_EQ(SuppliesPrice(5, 0), 240);  // trunc(0.975 * 250) = 243
    EXPECT_EQ(SuppliesPrice(7, 0), 335);  // trunc(0.965 * 350) = 337
    EXPECT_EQ(SuppliesPrice(20, 0), 900); // 0.9 * 1000
    EXPECT_EQ(SuppliesPrice(20, 100), 400);
    EXPECT_EQ(SuppliesPrice(100, 100), 0);
    EXPECT_EQ(SuppliesPrice(0, 0), 0);
}

TEST(Prices, UpgradesCostFortyPercentMorePerLevel) {
    EXPECT_EQ(UpgradePrice(0, 10, 0), 4000);
    EXPECT_EQ(UpgradePrice(1, 10, 0), 5600);
    EXPECT_EQ(UpgradePrice(2, 10, 0), 7200);
    EXPECT_EQ(UpgradePrice(1, 10, 100), 2800);
    EXPECT_EQ(UpgradePrice(0, 3, -100), 1800);
}

TEST(Prices, RelationFactorAndLoanRepayment) {
    EXPECT_DOUBLE_EQ(RelationFactor(100, 0.15), 0.075);
    EXPECT_DOUBLE_EQ(RelationFactor(-100, 10), 15);
    EXPECT_DOUBLE_EQ(RelationFactor(0, 0.1), 0.1);

    Character lender{};
    lender.CreditLimit = 100000;
    lender.InterestRate = 0.15;
    EXPECT_EQ(LoanRepayment(lender), 114990); // 1.15 * 100000 lies just below 115000
    lender.CreditLimit = 50000;
    lender.InterestRate = 0.1;
    EXPECT_EQ(LoanRepayment(lender), 55000);
    lender.Relation = 100;
    EXPECT_EQ(LoanRepayment(lender), 52500);
}

TEST(Prices, AdjustRelationScalesAndHolds) {
    Character c{};
    struct Case {
        double start, amount, end;
    } cases[] = {
        {0, 1000, 2},      {10, -2500, 5},      {-50, 100000, 100},
        {99, 100000, 100}, {50, -100000, -100}, {-100, -1, -100},
    };
    for (const Case& k : cases) {
        c.Relation = k.start;
        AdjustRelation(&c, k.amount);
        EXPECT_DOUBLE_EQ(c.Relation, k.end) << k.start << " + " << k.amount;
    }
    AdjustRelation(nullptr, 1000); // nothing happens
}

class Resale : public SimWorld {};

TEST_F(Resale, HalfTheValueAtNoGoodwillPlusHalfOfEachUpgrade) {
    Property* p = Own(MakeBarDescr(1, 40005, 10));
    const BarDescr* d = Descr(p);
    EXPECT_EQ(ResaleValue(p, d, 0), 20000);   // 20002.5 cut to 10s
    EXPECT_EQ(ResaleValue(p, d, 100), 40000); // 40005 cut to 10s
    EXPECT_EQ(ResaleValue(p, d, -100), 0);
    // Upgrades: repair 2 (2000 + 2800), tableware 1 (2000).
    p->RepairLevel = 2;
    p->TablewareLevel = 1;
    EXPECT_EQ(ResaleValue(p, d, 0), 20000 + 2000 + 2800 + 2000);
    EXPECT_EQ(ResaleValue(p, d, -100), 6800);
}

TEST_F(Resale, NeverBelowZeroAndAbsentRecords) {
    Property* p = Own(MakeBarDescr(1, 1000, 10));
    p->Value = -2000; // fights lower the value without a floor
    EXPECT_EQ(ResaleValue(p, Descr(p), 0), 0);
    EXPECT_EQ(ResaleValue(nullptr, Descr(p), 0), 0);
    p->Value = 1000;
    p->EquipmentLevel = 1;
    EXPECT_EQ(ResaleValue(p, nullptr, 0), 500); // no description: no upgrade refund
}

} // namespace
