// The window's three dispatchers over the real window: each path through the
// core's action, with the prompts recorded and answered from a script.
#include "MainWindowFixture.h"
#include "model/Text.h"
#include "persist/Autosave.h"
#include "persist/SaveGame.h"
#include "platform/Files.h"

#include <filesystem>

namespace {

class Commands : public MainWindowFixture {
protected:
    void SetUp() override {
        Open();
        NewGameAt(1);
        sounds.clear();
    }

    // A fresh character of the first description with that role, selected.
    Character& AddSelected(uint8_t role, bool profession) {
        for (const CharDescr& d : GameState.CharDescrs) {
            if (d.Role != role || (d.IsProfession == 1) != profession) continue;
            auto c = NewCharacterRecord();
            c->DescrId = d.Id;
            CopyText(c->Name, "Testa");
            GameState.Characters.push_back(std::move(c));
            GameState.SelectedCharacter = GameState.CharacterCount() - 1;
            return *GameState.Characters.back();
        }
        ADD_FAILURE() << "no description of role " << int(role);
        return *GameState.Characters.front();
    }
    std::string LatestLog(const Property& p) const { return FieldText(p.Log[0].Text); }
};

TEST_F(Commands, BuyingTheFirstBuildingStartsTheClockAndOpensTheLedger) {
    ASSERT_EQ(GameState.ClockSpeed, 0);
    Buy(0);
    ASSERT_EQ(GameState.PropertyCount(), 1);
    EXPECT_EQ(FieldText(GameState.Properties[0]->Name), "Quelbrin");
    EXPECT_EQ(GameState.ClockSpeed, 1);
    EXPECT_EQ(GameState.Cash, 50000 - 15000);
    EXPECT_EQ(PalmScreen->mData.Mode, pmReport);
    EXPECT_EQ(sounds, (std::vector<std::string>{"bookopen"})); // no click for Buy

    sounds.clear();
    Buy(1);
    ASSERT_EQ(GameState.PropertyCount(), 2);
    EXPECT_NE(FieldText(GameState.Properties[1]->Name), "Quelbrin");
    EXPECT_EQ(GameState.SelectedProperty, 1);
    EXPECT_EQ(sounds, (std::vector<std::string>{"page"}));
    EXPECT_TRUE(calls.empty());
}

TEST_F(Commands, BuyingRefusesWithTheMessageOfTheFirstFailedCheck) {
    Buy(0);
    Buy(5); // 60000 with 35000 in hand
    Buy(0); // owned, and affordable
    GameState.Cash = 1000;
    Buy(0); // owned, but the money check comes first
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].Text, "You don't have $60,000 in cash.");
    EXPECT_EQ(calls[0].Caption, "Buying a Building");
    EXPECT_EQ(calls[1].Text, "You already own this building.");
    EXPECT_EQ(calls[2].Text, "You don't have $15,000 in cash.");
    EXPECT_EQ(GameState.PropertyCount(), 1);

    GameState.Cash = 2000000000;
    for (int i = 1; i < 6; ++i)
        Buy(i);
    ASSERT_EQ(GameState.PropertyCount(), 6);
    calls.clear();
    Buy(6);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Text, "You can't manage a new building.");
    EXPECT_EQ(calls[0].Caption, "Quelbrin");
}

TEST_F(Commands, RenameKeepsTheNameOnCancelAndCutsALongName) {
    Buy(0);
    Property& p = *GameState.Properties[0];
    inputs = {"", "A name far longer than thirty-one characters"};
    Palm(phRenameProperty);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Kind, "input");
    EXPECT_EQ(calls[0].Text, "Enter a new name for your property:");
    EXPECT_EQ(calls[0].Caption, "Rename");
    EXPECT_EQ(calls[0].Initial, "Quelbrin");
    EXPECT_EQ(FieldText(p.Name), "Quelbrin");
    EXPECT_NE(LatestLog(p), "You've set a new name for your property.");

    Palm(phRenameProperty);
    EXPECT_EQ(FieldText(p.Name),
              std::string("A name far longer than thirty-one characters").substr(0, 31));
    EXPECT_EQ(LatestLog(p), "You've set a new name for your property.");
}

TEST_F(Commands, OnlyYesSellsAndTheLastSaleLeavesNoSelection) {
    Buy(0);
    AddSelected(skRealEstateAgent, false);
    const int32_t cash = GameState.Cash;
    answers = {mrOk, mrNo, mrYes}; // Enter, No, Yes
    Palm(phSellProperty);
    Palm(phSellProperty);
    EXPECT_EQ(GameState.PropertyCount(), 1);
    EXPECT_EQ(GameState.Cash, cash);
    Palm(phSellProperty);
    EXPECT_EQ(Kinds(), (std::vector<std::string>(3, "question")));
    EXPECT_EQ(calls[0].Text, "Are you sure you want to sell your property?");
    EXPECT_EQ(calls[0].Caption, "Selling");
    EXPECT_EQ(GameState.PropertyCount(), 0);
    EXPECT_EQ(GameState.SelectedProperty, -1);
    EXPECT_GT(GameState.Cash, cash);
    EXPECT_EQ(PalmScreen->mData.Mode, pmNewBuilding);
}

TEST_F(Commands, HiringFillsTheMatchingPositionOrNamesTheOthers) {
    Palm(phHireCandidate);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Text, "You must have a building in order to hire a worker.");
    EXPECT_EQ(calls[0].Caption, "Hiring New Worker");

    Buy(0); // positions: management, drinks, serving, cleanness
    calls.clear();
    Character& cook = AddSelected(skCooking, true);
    Palm(phHireCandidate);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Caption, "Hiring New Worker");
    EXPECT_EQ(calls[0].Text.rfind("You have no open position for a new ", 0), 0u) << calls[0].Text;
    EXPECT_NE(calls[0].Text.find(". The only available positions are: "), std::string::npos);
    EXPECT_EQ(calls[0].Text.back(), '.');
    EXPECT_FALSE(cook.Employed);

    Character& barman = AddSelected(skDrinks, true);
    Palm(phHireCandidate);
    EXPECT_TRUE(barman.Employed);
    EXPECT_EQ(barman.SlotIndex, 1);
    EXPECT_EQ(LatestLog(*GameState.Properties[0]), "You've hired Testa.");
    EXPECT_EQ(GameState.SelectedCharacter, -1); // back on the default page

    // Firing from the position's page: the worker stays in the pool.
    const int32_t count = GameState.CharacterCount();
    window->ShowVacancy(1);
    Palm(phFireEmployee);
    EXPECT_FALSE(barman.Employed);
    EXPECT_EQ(GameState.CharacterCount(), count);
    EXPECT_EQ(LatestLog(*GameState.Properties[0]), "You've fired Testa.");
}

TEST_F(Commands, ContactServicesChargeOrExplain) {
    Buy(0);
    Property& p = *GameState.Properties[0];
    Character& watcher = AddSelected(skSupervisionAgent, false);
    (void)watcher;
    const int32_t cash = GameState.Cash;
    Palm(phHiddenCameras); // nobody works there yet
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Text, "You have no new workers to keep your eye on.");
    EXPECT_EQ(calls[0].Caption, "Ordering Service");
    EXPECT_EQ(GameState.Cash, cash);

    AddSelected(skAdvertisingAgent, false);
    Palm(phOrderCampaign, -1); // no category: nothing
    EXPECT_EQ(GameState.Cash, cash);
    Palm(phOrderCampaign, 3);
    EXPECT_EQ(GameState.Cash, cash - 800);
    EXPECT_EQ(p.AdCampaign[3], 75);

    AddSelected(skGeneralSupplier, false);
    GameState.Cash = 0;
    calls.clear();
    Palm(phSupplies20);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Caption, "Replentishing Supplies");

    Palm(phAdmissionFee, 3);
    EXPECT_EQ(p.AdmissionFee, 3);
}

TEST_F(Commands, InvalidHotAreasAreReportedAndChangeNothing) {
    Palm(200);
    PalmScreen->LastHotArea = phNone;
    window->ProcessPalmScreenClick();
    Ruler->LastHotArea = 9;
    window->ProcessRulerClick();
    Plan->LastHotArea = 5;
    window->ProcessPlanClick();
    const std::string log = ReadWholeFile(folder.Sub("debug.txt"));
    EXPECT_NE(log.find("Invalid PalmScreen->LastHotArea in TformMain::ProcessPalmScreenClick: 200"),
              std::string::npos);
    EXPECT_NE(log.find("Invalid PalmScreen->LastHotArea in TformMain::ProcessPalmScreenClick: 0"),
              std::string::npos);
    EXPECT_NE(log.find("Invalid Ruler->LastHotArea in TformMain::ProcessRulerClick: 9"),
              std::string::npos);
    EXPECT_NE(log.find("Invalid Plan->LastHotArea in TformMain::ProcessPlanClick: 5"),
              std::string::npos);
}

TEST_F(Commands, ScrollArrowsRepeatWithoutTheClick) {
    Buy(0);
    PalmScreen->SetMode(pmNewBuilding); // a page taller than the screen
    ASSERT_GT(PalmScreen->ScreenHeight(), PalmViewHeight);
    sounds.clear();
    Palm(phScrollDown);
    EXPECT_EQ(PalmScreen->mScrollY, 8);
    EXPECT_TRUE(window->mRepeatClick);
    EXPECT_TRUE(window->tmrRepeatMouseDown.Enabled());
    Palm(phScrollDown); // the repeated press
    EXPECT_EQ(PalmScreen->mScrollY, 16);
    EXPECT_EQ(sounds, (std::vector<std::string>{"click"}));
    // Moving with the button up ends the repetition, and the timer stops itself.
    window->FormMouseMove(0, 300, 300);
    EXPECT_FALSE(window->mRepeatClick);
    window->tmrRepeatMouseDownTimer();
    EXPECT_FALSE(window->tmrRepeatMouseDown.Enabled());

    Ruler->LastHotArea = rhScrollRight;
    window->ProcessRulerClick();
    EXPECT_TRUE(window->mRepeatClick);
    EXPECT_EQ(sounds.back(), "click2");
}

TEST_F(Commands, TabsAndPlanPickThePagesTheyName) {
    Buy(0);
    Buy(1);
    Ruler->LastHotArea = rhTab;
    Ruler->LastHotIndex = rtVisitors;
    window->ProcessRulerClick();
    EXPECT_EQ(Ruler->mTab, rtVisitors);
    EXPECT_EQ(PalmScreen->mData.Mode, pmReport);

    Plan->LastHotArea = plProperty;
    Plan->LastHotIndex = 0;
    window->ProcessPlanClick();
    EXPECT_EQ(GameState.SelectedProperty, 0);
    EXPECT_EQ(sounds.back(), "page");
    Plan->LastHotArea = plVacancy;
    Plan->LastHotIndex = 2;
    window->ProcessPlanClick();
    EXPECT_EQ(GameState.SelectedSlot, 2);
    EXPECT_EQ(PalmScreen->mData.Mode, pmVacancyInfo);
    EXPECT_EQ(sounds.back(), "click2");

    Palm(phTabStatistics);
    EXPECT_EQ(PalmScreen->mData.Mode, pmStatistics);
    Palm(phBack);
    EXPECT_EQ(PalmScreen->mData.Mode, pmReport);
}

TEST_F(Commands, MenuSavesLoadsAndContinues) {
    Buy(0);
    inputs = {"Saved Name"};
    Palm(phRenameProperty);
    file = folder.Sub("save/evening.sav");
    PalmScreen->SetMode(pmMainMenu); // saved from the menu, as a player does
    Palm(phMenuSaveGame);
    ASSERT_TRUE(Files::Exists(*file));
    EXPECT_EQ(calls.back().Kind, "save");
    EXPECT_EQ(calls.back().Text, SaveFolder());

    NewGameAt(2);
    EXPECT_EQ(GameState.PropertyCount(), 0);
    PalmScreen->SetMode(pmMainMenu);
    Palm(phMenuLoadGame);
    ASSERT_EQ(GameState.PropertyCount(), 1);
    EXPECT_EQ(FieldText(GameState.Properties[0]->Name), "Saved Name");
    EXPECT_EQ(PalmScreen->mData.Mode, pmMainMenu);

    // Cancelling a dialog does nothing.
    file.reset();
    Palm(phMenuLoadGame);
    EXPECT_EQ(GameState.PropertyCount(), 1);

    ASSERT_TRUE(SaveGame(AutosavePath()));
    const int32_t cash = GameState.Cash;
    GameState.Cash = 1;
    Palm(phMenuContinue);
    EXPECT_EQ(GameState.Cash, cash);
    EXPECT_EQ(PalmScreen->mData.Mode, pmReport);

    Palm(phMenuAbout);
    EXPECT_EQ(calls.back().Kind, "about");
}

} // namespace
