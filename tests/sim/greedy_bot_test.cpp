// The greedy bot's day: what it buys, whom it hires, and how it handles money.
#include "ActionsFixture.h"
#include "GreedyBot.h"
#include "sim/Prices.h"

namespace {

using GreedyBot = ActionsWorld;

TEST_F(GreedyBot, BuysTheCheapestItCanAffordHiresTheBestAndFillsSupplies) {
    Select(skRealEstateAgent);
    Select(skGeneralSupplier);
    Character* weakWaiter = SelectCandidate("Waiter", "Weak");
    weakWaiter->Skill = 0.3;
    Character* goodWaiter = SelectCandidate("Waiter", "Good");
    goodWaiter->Skill = 0.7;
    Character* chef = SelectCandidate("Chef", "Chef");
    Character* dj = SelectCandidate("DJ", "Dj");
    GameState.Cash = 25000;

    GreedyBotDay();
    // 8000 leaves 17000; the next cheapest (15000) would cut into the reserve.
    ASSERT_EQ(GameState.PropertyCount(), 1);
    const Property& p = *GameState.Properties[0];
    EXPECT_EQ(p.BarId, 2);
    EXPECT_TRUE(goodWaiter->Employed);
    EXPECT_EQ(goodWaiter->SlotIndex, 0);
    EXPECT_FALSE(weakWaiter->Employed);
    EXPECT_TRUE(chef->Employed);
    EXPECT_EQ(chef->SlotIndex, 2);
    EXPECT_FALSE(dj->Employed); // no place for a DJ
    EXPECT_DOUBLE_EQ(p.Supplies, 100);
    EXPECT_EQ(GameState.Cash, 25000 - 8000 - SuppliesPrice(75, 0));
    EXPECT_EQ(GameState.SelectedProperty, 0);
    EXPECT_EQ(GameState.SelectedCharacter, -1);
}

TEST_F(GreedyBot, PaysWhatItOwesAndBorrowsOnlyWhenBrokeWithoutDebt) {
    Character* bank = Select(skBankOfficial);
    bank->CreditLimit = 50000;
    bank->LoanDays = 60;
    bank->InterestRate = 0.1;
    OwnAt(0)->Supplies = 100;
    bank->Debt = 55000;
    bank->DueDay = 1010;
    GameState.Cash = 400;
    GreedyBotDay(); // broke, but a debt runs: no new loan
    EXPECT_EQ(bank->Debt, 55000);
    EXPECT_EQ(GameState.Cash, 400);

    GameState.Cash = 60000;
    GreedyBotDay();
    EXPECT_EQ(bank->Debt, 0);
    EXPECT_EQ(GameState.Cash, 5000);

    // Paid on time: the bank likes the player better and the new loan costs less.
    EXPECT_GT(bank->Relation, 0);
    const int32_t cheaper = LoanRepayment(*bank);
    EXPECT_LT(cheaper, 55000);
    GameState.Cash = 400;
    GreedyBotDay();
    EXPECT_EQ(bank->Debt, cheaper);
    EXPECT_EQ(bank->DueDay, 1060);
    EXPECT_EQ(GameState.Cash, 50400);
    EXPECT_EQ(GameState.PropertyCount(), 1); // no purchases while in debt
}

} // namespace
