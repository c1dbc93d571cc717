// The player's property and staff actions: buy, rename, sell, fee, hire, fire.
#include "ActionsFixture.h"

#include <cstring>

namespace {

using Actions = ActionsWorld;

TEST_F(Actions, BuyingChecksTheLimitThenTheCashThenOwnership) {
    GameState.Cash = 0;
    for (int i = 0; i < 6; ++i)
        OwnAt(i);
    ActionResult r = BuyBuilding(7);
    EXPECT_EQ(r.Text, "You can't manage a new building.");
    EXPECT_EQ(r.Caption, "Quelbrin");
    EXPECT_EQ(r.Prompt, PromptKind::Message);
    EXPECT_FALSE(r.Changed);

    ReleaseAllProperties();
    OwnAt(0);
    GameState.Cash = 14999;
    r = BuyBuilding(0); // owned and unaffordable: the money message comes first
    EXPECT_EQ(r.Text, "You don't have $15,000 in cash.");
    EXPECT_EQ(r.Caption, "Buying a Building");
    GameState.Cash = 15000;
    r = BuyBuilding(0);
    EXPECT_EQ(r.Text, "You already own this building.");
    EXPECT_EQ(r.Caption, "Buying a Building");
    EXPECT_EQ(GameState.Cash, 15000);
    EXPECT_EQ(GameState.PropertyCount(), 1);

    for (int32_t bad : {-1, GameState.BarDescrCount()})
        EXPECT_TRUE(Nothing(BuyBuilding(bad)));
}

TEST_F(Actions, TheFirstBuildingIsQuelbrinAndStartsTheClock) {
    Character* agent = Select(skRealEstateAgent);
    GameState.SelectedCharacter = -1;
    GameState.Cash = 100000;
    GameState.ClockSpeed = 0;
    ActionResult r = BuyBuilding(0);
    EXPECT_TRUE(r.Changed);
    EXPECT_EQ(r.Sound, "bookopen");
    EXPECT_TRUE(r.DefaultPage);
    EXPECT_EQ(r.Prompt, PromptKind::None);
    ASSERT_EQ(GameState.PropertyCount(), 1);
    const Property& p = *GameState.Properties[0];
    const BarDescr& d = GameState.BarDescrs[0];
    EXPECT_STREQ(p.Name, "Quelbrin");
    EXPECT_EQ(p.BarId, d.Id);
    EXPECT_EQ(p.Value, 15000);
    EXPECT_EQ(p.Supplies, 25.0);
    EXPECT_EQ(std::memcmp(p.Potential, d.Potential, sizeof d.Potential), 0);
    EXPECT_EQ(std::memcmp(p.Potential + 12, d.Carried, sizeof d.Carried), 0);
    EXPECT_EQ(p.GroupCount, 0);
    EXPECT_EQ(GameState.Cash, 85000);
    EXPECT_EQ(GameState.ClockSpeed, 1);
    EXPECT_EQ(GameState.SelectedProperty, 0);
    EXPECT_DOUBLE_EQ(agent->Relation, 1500 * 0.002);

    GameState.ClockSpeed = 2;
    r = BuyBuilding(1);
    EXPECT_EQ(r.Sound, "page");
    EXPECT_STRNE(GameState.Properties[1]->Name, "Quelbrin");
    EXPECT_NE(GameState.Properties[1]->Name[0], '\0');
    EXPECT_EQ(GameState.SelectedProperty, 1);
    EXPECT_EQ(GameState.ClockSpeed, 2);
    EXPECT_EQ(GameStats.Bought, 2);
}

TEST_F(Actions, RenamingAsksFirstAndKeepsTheNameOnEmptyInput) {
    EXPECT_TRUE(Nothing(AskRenameProperty()));
    Property* p = OwnAt(0, "Old Name");
    ActionResult ask = AskRenameProperty();
    EXPECT_EQ(ask.Prompt, PromptKind::Input);
    EXPECT_EQ(ask.Text, "Enter a new name for your property:");
    EXPECT_EQ(ask.Caption, "Rename");
    EXPECT_EQ(ask.InitialInput, "Old Name");

    EXPECT_TRUE(Nothing(RenameProperty("")));
    EXPECT_STREQ(p->Name, "Old Name");
    EXPECT_EQ(p->LogCount, 0);

    ActionResult r = RenameProperty(std::string(40, 'x'));
    EXPECT_TRUE(r.Changed);
    EXPECT_EQ(std::string(p->Name), std::string(31, 'x'));
    EXPECT_EQ(LastLog(p), "You've set a new name for your property.");
    EXPECT_EQ(p->Log[0].Kind, lkNotice);
}

TEST_F(Actions, SellingPaysTheResaleValueAndNeverCostsMoney) {
    Character* agent = Select(skRealEstateAgent);
    Property* a = OwnAt(2, "A"); // capacity 15
    a->Value = 20000;
    a->RepairLevel = 1;
    Property* b = OwnAt(3, "B");
    Character* w = Employ(a, DescrIdOf("Chef"), 1, 0.5);
    GameState.SelectedProperty = 0;
    GameState.SelectedCharacter = 0;
    GameState.Cash = 1000;

    ActionResult ask = AskSellProperty();
    EXPECT_EQ(ask.Prompt, PromptKind::Question);
    EXPECT_EQ(ask.Text, "Are you sure you want to sell your property?");
    EXPECT_EQ(ask.Caption, "Selling");

    // Half of 20000 plus the repair refunded at half of 6000.
    ActionResult r = SellProperty();
    EXPECT_TRUE(r.Changed);
    EXPECT_TRUE(r.DefaultPage);
    EXPECT_EQ(GameState.Cash, 1000 + 13000);
    EXPECT_DOUBLE_EQ(agent->Relation, 1300 * 0.002);
    EXPECT_FALSE(w->Employed);
    ASSERT_EQ(GameState.PropertyCount(), 1);
    EXPECT_EQ(GameState.Properties[0].get(), b);
    EXPECT_EQ(GameState.SelectedProperty, 0);

    // A value pushed below zero by fights sells for nothing, not for a charge.
    b->Value = -8000;
    r = SellProperty();
    EXPECT_TRUE(r.Changed);
    EXPECT_EQ(GameState.Cash, 14000);
    EXPECT_EQ(GameState.PropertyCount(), 0);
    EXPECT_EQ(GameState.SelectedProperty, -1);
    EXPECT_TRUE(Nothing(SellProperty()));
}

TEST_F(Actions, FeeAndOfficialLevelsOutsideZeroToFourDoNothing) {
    Property* p = OwnAt(0);
    for (int32_t level : {0, 4, 2}) {
        EXPECT_TRUE(SetAdmissionFee(level).Changed);
        EXPECT_EQ(p->AdmissionFee, level);
        EXPECT_TRUE(SetOfficialLevel(level).Changed);
        EXPECT_EQ(p->BribeLevel, level);
    }
    for (int32_t bad : {-1, 5}) {
        EXPECT_TRUE(Nothing(SetAdmissionFee(bad)));
        EXPECT_TRUE(Nothing(SetOfficialLevel(bad)));
    }
    EXPECT_EQ(p->AdmissionFee, 2);
    EXPECT_EQ(p->BribeLevel, 2);
}

TEST_F(Actions, HiringFillsTheFirstFreeSlotOfTheCandidatesKind) {
    ActionResult r = HireCandidate();
    EXPECT_EQ(r.Text, "You must have a building in order to hire a worker.");
    EXPECT_EQ(r.Caption, "Hiring New Worker");

    Property* p = OwnAt(1); // snack bar: Serving, closed, Cooking
    Character* chef = SelectCandidate("Chef", "Paolo");
    r = HireCandidate();
    EXPECT_TRUE(r.Changed);
    EXPECT_TRUE(r.DefaultPage);
    EXPECT_TRUE(chef->Employed);
    EXPECT_EQ(chef->EmployerId, p->BarId);
    EXPECT_EQ(chef->SlotIndex, 2);
    EXPECT_EQ(LastLog(p), "You've hired Paolo.");
    EXPECT_EQ(GameStats.Hired, 1);

    // Someone already at work, or a contact, is not hired again.
    EXPECT_TRUE(Nothing(HireCandidate()));
    Select(skBankOfficial);
    EXPECT_TRUE(Nothing(HireCandidate()));
}

TEST_F(Actions, HiringWithoutAFittingSlotListsTheOtherPositionsOnce) {
    BarDescr d =
        MakeBarDescr(90, 1000, 5, {skCooking, skDrinks, skServing, skStriptease, skServing});
    GameState.BarDescrs.push_back(d);
    Property* p = OwnAt(GameState.BarDescrCount() - 1);
    Employ(p, DescrIdOf("Chef"), 0, 0.5);
    SelectCandidate("Chef");
    ActionResult r = HireCandidate();
    EXPECT_FALSE(r.Changed);
    EXPECT_EQ(r.Prompt, PromptKind::Message);
    EXPECT_EQ(r.Caption, "Hiring New Worker");
    EXPECT_EQ(r.Text, "You have no open position for a new chef. The only available positions are: "
                      "barman, valet/waiter.");

    // Only the striptease post left, which nobody is hired for: all filled.
    Employ(p, DescrIdOf("Barman"), 1, 0.5);
    Employ(p, DescrIdOf("Waiter"), 2, 0.5);
    Employ(p, DescrIdOf("Waiter"), 4, 0.5);
    r = HireCandidate();
    EXPECT_EQ(r.Text, "All the vacancies are filled. You can't hire a new employee right now.");
    EXPECT_EQ(r.Caption, "Hiring New Worker");
}

TEST_F(Actions, FiringKeepsTheWorkerInThePoolAndFreesTheSlot) {
    Property* p = OwnAt(1);
    Character* w = Employ(p, DescrIdOf("Chef"), 2, 0.5, 0, "Paolo");
    for (int32_t bad : {-1, 20, 0}) { // out of range, and a free slot
        GameState.SelectedSlot = bad;
        EXPECT_TRUE(Nothing(FireEmployee()));
    }
    GameState.SelectedSlot = 2;
    ActionResult r = FireEmployee();
    EXPECT_TRUE(r.Changed);
    EXPECT_TRUE(r.DefaultPage);
    EXPECT_FALSE(w->Employed);
    EXPECT_EQ(GameState.CharacterCount(), 1);
    EXPECT_EQ(FindWorkerInSlot(p->BarId, 2), -1);
    EXPECT_EQ(LastLog(p), "You've fired Paolo.");
}

} // namespace
