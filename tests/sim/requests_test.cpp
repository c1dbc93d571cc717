// The player's requests: Perform acts on the request's selections, not the current ones,
// and the observer hears every request with the game time it runs at.
#include "ActionsFixture.h"
#include "sim/Requests.h"

#include <vector>

namespace {

using Requests = ActionsWorld;

TEST_F(Requests, PerformSetsTheRequestsSelectionsBeforeTheAction) {
    OwnAt(0, "First");
    OwnAt(1, "Second");
    GameState.SelectedProperty = 0;
    GameState.SelectedSlot = 7;

    PlayerRequest r = RequestOnSelections(RequestKind::SetAdmissionFee);
    EXPECT_EQ(r.SelectedProperty, 0);
    EXPECT_EQ(r.SelectedSlot, 7);
    r.SelectedProperty = 1;
    r.Level = 3;
    EXPECT_TRUE(Perform(r).Changed);
    EXPECT_EQ(GameState.SelectedProperty, 1);
    EXPECT_EQ(GameState.Properties[1]->AdmissionFee, 3);
    EXPECT_EQ(GameState.Properties[0]->AdmissionFee, 0);
}

TEST_F(Requests, RenameTakesItsTextAndASaleNeedsYes) {
    Select(skRealEstateAgent);
    OwnAt(2, "Old");
    PlayerRequest rename = RequestOnSelections(RequestKind::RenameProperty);
    rename.Text = "New Name";
    EXPECT_TRUE(Perform(rename).Changed);
    EXPECT_STREQ(GameState.Properties[0]->Name, "New Name");

    PlayerRequest sell = RequestOnSelections(RequestKind::SellProperty);
    EXPECT_FALSE(Perform(sell).Changed);
    EXPECT_EQ(GameState.PropertyCount(), 1);
    sell.Yes = true;
    EXPECT_TRUE(Perform(sell).Changed);
    EXPECT_EQ(GameState.PropertyCount(), 0);
}

TEST_F(Requests, TheObserverHearsEachRequestWithItsTime) {
    std::vector<std::pair<PlayerRequest, double>> heard;
    SetRequestObserver([&](const PlayerRequest& r, double t) { heard.emplace_back(r, t); });
    GameState.Cash = 1000000;
    PlayerRequest buy = RequestOnSelections(RequestKind::BuyBuilding);
    buy.Building = 0;
    Perform(buy);
    // A request that changes nothing is heard too: the replay must run it as well.
    Perform(RequestOnSelections(RequestKind::PayDebt));
    SetRequestObserver({});
    Perform(buy);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].first, buy);
    EXPECT_DOUBLE_EQ(heard[0].second, GameState.GameTime);
    EXPECT_EQ(heard[1].first.Kind, RequestKind::PayDebt);
}

TEST_F(Requests, ProblemsNameTheBuildingOrSelectionTheGameLacks) {
    OwnAt(0);
    PlayerRequest r = RequestOnSelections(RequestKind::BuyBuilding);
    r.Building = GameState.BarDescrCount() - 1;
    EXPECT_EQ(RequestProblem(r), "");
    r.Building = GameState.BarDescrCount();
    EXPECT_EQ(RequestProblem(r), "building " + std::to_string(r.Building) +
                                     " is not in the catalogue of " +
                                     std::to_string(GameState.BarDescrCount()));
    r.Building = -1;
    EXPECT_NE(RequestProblem(r), "");

    PlayerRequest hire = RequestOnSelections(RequestKind::HireCandidate);
    hire.SelectedProperty = 1;
    EXPECT_EQ(RequestProblem(hire), "property 1 is not owned");
    hire.SelectedProperty = 0;
    hire.SelectedCharacter = GameState.CharacterCount();
    EXPECT_NE(RequestProblem(hire), "");
    hire.SelectedCharacter = -1;
    hire.SelectedSlot = VacancyCount;
    EXPECT_NE(RequestProblem(hire), "");
    hire.SelectedSlot = -1;
    EXPECT_EQ(RequestProblem(hire), "");
}

TEST(RequestNames, EveryKindHasANameThatReadsBack) {
    for (int k = 0; k <= static_cast<int>(RequestKind::ViewCharacter); ++k) {
        const auto kind = static_cast<RequestKind>(k);
        const std::string name = RequestKindName(kind);
        EXPECT_NE(name, "?");
        EXPECT_EQ(RequestKindNamed(name), kind);
    }
    EXPECT_FALSE(RequestKindNamed("dance").has_value());
}

} // namespace
