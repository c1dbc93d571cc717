// The contacts' services and the loans: prices, goodwill, effects and messages.
#include "ActionsFixture.h"
#include "sim/Prices.h"

namespace {

using Services = ActionsWorld;

TEST_F(Services, CampaignsAndShowsArePricedByGoodwill) {
    Property* p = OwnAt(0);
    struct Case {
        double relation;
        int32_t campaign, show;
    } cases[] = {{0, 800, 400}, {100, 400, 200}, {-100, 1200, 600}};
    for (const Case& c : cases) {
        Character* ad = Select(skAdvertisingAgent);
        ad->Relation = c.relation;
        GameState.Cash = 10000;
        ActionResult r = OrderCampaign(vtVIPs);
        EXPECT_TRUE(r.Changed);
        EXPECT_TRUE(r.UpdateScreen);
        EXPECT_EQ(GameState.Cash, 10000 - c.campaign) << c.relation;
        EXPECT_DOUBLE_EQ(ad->Relation, std::min(100.0, c.relation + c.campaign * 0.002));
        EXPECT_EQ(p->AdCampaign[vtVIPs], 75);
        EXPECT_EQ(LastLog(p), "You've started an advertising campaign targeted at VIPs.");

        Character* show = Select(skShowAgent);
        show->Relation = c.relation;
        GameState.Cash = 10000;
        OrderShow(vtDrunkards);
        EXPECT_EQ(GameState.Cash, 10000 - c.show) << c.relation;
        EXPECT_EQ(p->ShowProgram[vtDrunkards], 75);
        EXPECT_EQ(LastLog(p), "You've started a show program targeted at Drunkards.");
    }
    for (int32_t bad : {0, 12, -1}) {
        EXPECT_TRUE(Nothing(OrderCampaign(bad)));
        EXPECT_TRUE(Nothing(OrderShow(bad)));
    }
    Select(skAdvertisingAgent)->Relation = 0;
    GameState.Cash = 799;
    ActionResult r = OrderCampaign(vtGourmets);
    EXPECT_EQ(r.Text, "You don't have $800 in cash.");
    EXPECT_EQ(r.Caption, "Ordering Service");
    EXPECT_EQ(p->AdCampaign[vtGourmets], 0);
    EXPECT_EQ(GameState.Cash, 799);
}

TEST_F(Services, UpgradesCostMoreWithEachLevel) {
    BarDescr d = MakeBarDescr(90, 1000, 10);
    GameState.BarDescrs.push_back(d);
    Property* p = OwnAt(GameState.BarDescrCount() - 1);
    Character* repair = Select(skRepairAgent);
    GameState.Cash = 9600;
    EXPECT_TRUE(UpgradeInterior(Upgrade::Repair).Changed);
    EXPECT_EQ(GameState.Cash, 5600);
    EXPECT_DOUBLE_EQ(repair->Relation, 8.0);
    EXPECT_EQ(LastLog(p), "You've improved repair level to 1.");
    repair->Relation = 0;
    UpgradeInterior(Upgrade::Repair);
    EXPECT_EQ(GameState.Cash, 0);
    EXPECT_EQ(p->RepairLevel, 2);

    Select(skTablewareSupplier);
    GameState.Cash = 3999;
    ActionResult r = UpgradeInterior(Upgrade::Tableware);
    EXPECT_EQ(r.Text, "You don't have $4,000 in cash.");
    EXPECT_EQ(r.Caption, "Upgrading Interior");
    EXPECT_EQ(p->TablewareLevel, 0);
    GameState.Cash = 4000;
    UpgradeInterior(Upgrade::Equipment);
    EXPECT_EQ(p->EquipmentLevel, 1);
    EXPECT_EQ(LastLog(p), "You've improved equipment level to 1.");
}

TEST_F(Services, SuppliesFillUpAndTheSupplierEarnsATenth) {
    Property* p = OwnAt(0);
    Character* supplier = Select(skGeneralSupplier);
    p->Supplies = 80.7;
    GameState.Cash = 5000;
    ActionResult r = BuySupplies(SuppliesOrder::Full);
    EXPECT_TRUE(r.Changed);
    EXPECT_EQ(SuppliesPrice(20, 0), 900);
    EXPECT_EQ(GameState.Cash, 4100);
    EXPECT_DOUBLE_EQ(p->Supplies, 100.7);
    EXPECT_DOUBLE_EQ(supplier->Relation, 90 * 0.002);
    EXPECT_EQ(LastLog(p), "You've added 20 units to the supplies.");

    supplier->Relation = 0;
    p->Supplies = 10;
    BuySupplies(SuppliesOrder::Five);
    EXPECT_EQ(GameState.Cash, 4100 - 240);
    EXPECT_DOUBLE_EQ(p->Supplies, 15);
    EXPECT_EQ(LastLog(p), "You've added 5 units to the supplies.");

    supplier->Relation = 0;
    GameState.Cash = 100;
    r = BuySupplies(SuppliesOrder::Twenty);
    EXPECT_EQ(r.Text, "You don't have $900 in cash.");
    EXPECT_EQ(r.Caption, "Replentishing Supplies");
    EXPECT_DOUBLE_EQ(p->Supplies, 15);
}

TEST_F(Services, HiddenCamerasChargeOnceAndOnlyWhenSomeoneIsUnknown) {
    Property* p = OwnAt(0); // capacity 8: 4000 at goodwill 0
    Character* vlad = Select(skSupervisionAgent);
    const int32_t selected = GameState.SelectedCharacter;
    Character* known = Employ(p, DescrIdOf("Barman"), 1, 0.5);
    known->HonestyKnown = 1;
    GameState.SelectedCharacter = selected;
    GameState.Cash = 10000;
    ActionResult r = OrderHiddenCameras();
    EXPECT_EQ(r.Text, "You have no new workers to keep your eye on.");
    EXPECT_EQ(r.Caption, "Ordering Service");
    EXPECT_EQ(GameState.Cash, 10000);
    EXPECT_EQ(p->SupervisionLeft, 0);

    Employ(p, DescrIdOf("Cleaner"), 3, 0.5);
    GameState.SelectedCharacter = selected;
    GameState.Cash = 3999;
    EXPECT_EQ(OrderHiddenCameras().Text, "You don't have $4,000 in cash.");
    GameState.Cash = 10000;
    r = OrderHiddenCameras();
    EXPECT_TRUE(r.Changed);
    EXPECT_EQ(GameState.Cash, 6000);
    EXPECT_DOUBLE_EQ(vlad->Relation, 8.0);
    EXPECT_EQ(p->SupervisionLeft, 100);
    EXPECT_EQ(LastLog(p), "You've started to observe your workers.");
}

TEST_F(Services, BorrowingSetsTheDebtAndItsDueDay) {
    struct Case {
        uint8_t role;
        int32_t limit, days;
        double rate, relation;
        int32_t debt, due;
    } cases[] = {
        {skLoanShark, 100000, 30, 0.15, 0, 114990, 1030},
        {skBankOfficial, 50000, 60, 0.1, 0, 55000, 1060},
        {skBankOfficial, 50000, 60, 0.1, 100, 52500, 1060},
        {skBankOfficial, 50000, 0, 0.1, 0, 55000, 1001}, // a term of 0 days counts as one
    };
    for (const Case& c : cases) {
        Character* lender = Select(c.role);
        lender->CreditLimit = c.limit;
        lender->LoanDays = c.days;
        lender->InterestRate = c.rate;
        lender->Relation = c.relation;
        GameState.Cash = 1000;
        ActionResult r = Borrow();
        EXPECT_TRUE(r.Changed);
        EXPECT_EQ(r.Prompt, PromptKind::None);
        EXPECT_EQ(GameState.Cash, 1000 + c.limit);
        EXPECT_EQ(lender->Debt, c.debt) << c.limit << " " << c.relation;
        EXPECT_EQ(lender->DueDay, c.due);
        EXPECT_DOUBLE_EQ(lender->Relation, c.relation); // the lender earns nothing
    }
    Select(skGeneralSupplier);
    EXPECT_TRUE(Nothing(Borrow()));
}

TEST_F(Services, PayingOnTheDueDayEarnsGoodwillAndADayLateDoesNot) {
    Character* bank = Select(skBankOfficial);
    for (int32_t late : {0, 1}) {
        bank->Debt = 55000;
        bank->DueDay = 1000 - late;
        bank->Relation = 0;
        GameState.Cash = 54999;
        ActionResult r = PayDebt();
        EXPECT_EQ(r.Text, "You don't have $55,000 in cash.");
        EXPECT_EQ(r.Caption, "Paying debt");
        EXPECT_EQ(bank->Debt, 55000);
        GameState.Cash = 60000;
        r = PayDebt();
        EXPECT_TRUE(r.Changed);
        EXPECT_EQ(GameState.Cash, 5000); // paid once
        EXPECT_EQ(bank->Debt, 0);
        EXPECT_EQ(bank->DueDay, 0);
        EXPECT_DOUBLE_EQ(bank->Relation, late ? 0.0 : 55000 / 6 * 0.002);
    }
    EXPECT_TRUE(Nothing(PayDebt()));
}

} // namespace
