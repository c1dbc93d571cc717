// Hot areas of the character pages: candidates and the contacts' services.
#include "PalmFixture.h"

#include "sim/Prices.h"

namespace {

class CharacterAreas : public PalmFixture {
protected:
    // A character of a new description with the given role, selected.
    Character& Select(uint8_t role, bool profession = false) {
        CharDescr d{};
        d.Id = 100 + GameState.CharDescrCount();
        d.IsProfession = profession ? 1 : 0;
        d.Role = role;
        GameState.CharDescrs.push_back(d);
        auto c = NewCharacterRecord();
        c->DescrId = d.Id;
        GameState.Characters.push_back(std::move(c));
        GameState.SelectedCharacter = GameState.CharacterCount() - 1;
        palm->SetMode(pmCharacterInfo);
        return *GameState.Characters.back();
    }
};

TEST_F(CharacterAreas, CandidatesCanBeHiredEmployeesNot) {
    Character& c = Select(skCooking, true);
    EXPECT_EQ(palm->IsHotArea(140, 132), phHireCandidate);
    EXPECT_EQ(palm->LastHotIndex, -1);
    EXPECT_EQ(CellAt(Page(), 140, 132), (StripPoint{90, 115}));
    c.Employed = 1;
    palm->UpdateInternalScreen();
    EXPECT_EQ(palm->IsHotArea(140, 132), phNone);
    EXPECT_EQ(CellAt(Page(), 140, 132), (StripPoint{90, 140})); // the fire look

    // No hot areas without a description or a selection.
    GameState.CharDescrs.clear();
    EXPECT_EQ(palm->IsHotArea(140, 132), phNone);
    GameState.SelectedCharacter = -1;
    EXPECT_EQ(palm->IsHotArea(140, 132), phNone);
    EXPECT_EQ(palm->IsHotArea(10, 10), phBack);
}

TEST_F(CharacterAreas, TheEstateAgentRenamesAndSellsOnlyASelectedProperty) {
    GameState.GameInProgress = true;
    Select(skRealEstateAgent);
    // The find button's top: 224, or lower when the description runs past it.
    int top = -1;
    for (int y = 192; y < 330 && top < 0; ++y)
        if (CellAt(Page(), 5, y) == (StripPoint{150, 240})) top = y;
    ASSERT_GE(top, 224);
    EXPECT_EQ(palm->IsHotArea(5, top), phFindBuilding);
    EXPECT_EQ(palm->IsHotArea(30, top + 26), phNone);
    EXPECT_EQ(palm->IsHotArea(30, top + 86), phNone);
    StartGameWithProperty();
    palm->UpdateInternalScreen(); // the page's buttons are hot as it last drew them
    EXPECT_EQ(palm->IsHotArea(65, top + 19), phFindBuilding);
    EXPECT_EQ(palm->IsHotArea(30, top + 26), phRenameProperty);
    EXPECT_EQ(palm->IsHotArea(30, top + 101), phSellProperty);
    EXPECT_EQ(palm->IsHotArea(30, top + 102), phNone);
}

TEST_F(CharacterAreas, SupplyRowsNeedRoomForTheirUnits) {
    Property& p = StartGameWithProperty();
    Select(skGeneralSupplier);
    struct Case {
        double supplies;
        uint8_t five, twenty, full;
    } cases[] = {
        {97.0, phNone, phNone, phSuppliesFull},
        {95.5, phSupplies5, phNone, phSuppliesFull},
        {80.9, phSupplies5, phSupplies20, phSuppliesFull},
        {99.9, phNone, phNone, phSuppliesFull}, // 99 whole units
        {100.0, phNone, phNone, phNone},
    };
    for (const Case& c : cases) {
        p.Supplies = c.supplies;
        EXPECT_EQ(palm->IsHotArea(160, 280), c.five) << c.supplies;
        EXPECT_EQ(palm->IsHotArea(160, 300), c.twenty) << c.supplies;
        EXPECT_EQ(palm->IsHotArea(160, 315), c.full) << c.supplies;
    }
    GameState.SelectedProperty = -1;
    EXPECT_EQ(palm->IsHotArea(160, 315), phNone);
}

TEST_F(CharacterAreas, UpgradesStopAtLevelTen) {
    Property& p = StartGameWithProperty();
    struct Case {
        uint8_t role, area;
        int32_t Property::*level;
    } cases[] = {{skRepairAgent, phUpgradeRepair, &Property::RepairLevel},
                 {skTablewareSupplier, phUpgradeTableware, &Property::TablewareLevel},
                 {skEquipmentSupplier, phUpgradeEquipment, &Property::EquipmentLevel}};
    for (const Case& c : cases) {
        Select(c.role);
        p.*c.level = 9;
        EXPECT_EQ(palm->IsHotArea(30, 300), c.area);
        p.*c.level = 10;
        EXPECT_EQ(palm->IsHotArea(30, 300), phNone);
    }
}

TEST_F(CharacterAreas, CampaignAndShowRowsFollowTheAdmittedCategories) {
    Property& p = StartGameWithProperty();
    BarDescr& d = GameState.BarDescrs[0];
    for (int t = 1; t < VisitorTypeCount; ++t)
        d.Potential[t] = 0;
    d.Potential[2] = 30; // row 0
    d.Potential[5] = 30; // row 1
    d.Potential[9] = 30; // row 2
    p.Potential[2] = 4;
    p.Potential[5] = 0; // nobody left to invite
    p.Potential[9] = 6;
    p.AdCampaign[9] = 3; // running
    Select(skAdvertisingAgent);
    EXPECT_EQ(palm->IsHotArea(160, 275), phOrderCampaign);
    EXPECT_EQ(palm->LastHotIndex, 2);
    EXPECT_EQ(palm->IsHotArea(160, 292), phNone);
    EXPECT_EQ(palm->LastHotIndex, -1);
    EXPECT_EQ(palm->IsHotArea(160, 309), phNone);
    EXPECT_EQ(palm->IsHotArea(160, 289), phNone); // the gap between rows

    // Shows count the groups inside.
    p.GroupCount = 2;
    p.Groups[0].Type = 5;
    p.Groups[1].Type = 9;
    Select(skShowAgent);
    EXPECT_EQ(palm->IsHotArea(160, 275), phNone);
    EXPECT_EQ(palm->IsHotArea(160, 292), phOrderShow);
    EXPECT_EQ(palm->LastHotIndex, 5);
    EXPECT_EQ(palm->IsHotArea(160, 309), phOrderShow);
    EXPECT_EQ(palm->LastHotIndex, 9);
    p.ShowProgram[9] = 1;
    EXPECT_EQ(palm->IsHotArea(160, 309), phNone);
}

TEST_F(CharacterAreas, PageButtonsAreHotWhereThePageDrewThem) {
    StartGameWithProperty();
    Select(skBankOfficial);
    EXPECT_EQ(palm->IsHotArea(30, 240), phNone);
    // A page that places a button records it while drawing.
    Canvas& canvas = const_cast<Bitmap&>(Page()).GetCanvas();
    palm->DrawPageButton(canvas, Rect{100, 95, 140, 110}, Rect{150, 240, 190, 255}, phOfficialLevel,
                         3);
    EXPECT_EQ(palm->IsHotArea(150, 240), phOfficialLevel);
    EXPECT_EQ(palm->LastHotIndex, 3);
    EXPECT_EQ(palm->IsHotArea(150, 255), phNone);
    // A redraw starts over: the button is gone until a page draws it again.
    palm->UpdateInternalScreen();
    EXPECT_EQ(palm->IsHotArea(150, 240), phNone);
}

} // namespace
