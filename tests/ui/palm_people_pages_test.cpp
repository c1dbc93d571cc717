// The character pages: candidates, employees and staff positions, and the
// contacts whose service parts have fixed places.
#include "PagesFixture.h"

#include "sim/Prices.h"

namespace {

constexpr Rect RowCell{100, 95, 140, 110};

class PeoplePages : public PagesFixture {
protected:
    // True when some pixel of the page rectangle came from the button strip.
    bool AnyStripPixel(int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (CellAt(Page(), x, y)) return true;
        return false;
    }
};

TEST_F(PeoplePages, MoodFaceAndRelationNumber) {
    struct Case {
        double relation;
        int face;
        const char* text;
    } cases[] = {
        {14.9, 3, "+14"}, {-75, 0, "-75"},   {0, 3, ""},       {-0.9, 3, ""},
        {0.99, 3, ""},    {-74.5, 1, "-74"}, {-15, 2, "-15"},  {15, 4, "+15"},
        {74.9, 5, "+74"}, {75, 6, "+75"},    {100, 6, "+100"},
    };
    Character& c = ShowContact(skSupervisionAgent, "Supervision Agent");
    for (const Case& k : cases) {
        c.Relation = k.relation;
        palm->UpdateInternalScreen();
        EXPECT_EQ(CellAt(Page(), 135, 132), (StripPoint{30 * k.face, 340})) << k.relation;
        EXPECT_EQ(CellAt(Page(), 164, 161), (StripPoint{30 * k.face + 29, 369})) << k.relation;
        if (*k.text)
            EXPECT_TRUE(PageShows(Page(), k.text, 142, 122)) << k.relation;
        else
            EXPECT_FALSE(AnyPixel(Page(), 136, 110, 194, 132, TextColor)) << k.relation;
    }
}

TEST_F(PeoplePages, PortraitNameAndProfession) {
    Character& c = AddCharacter(AddDescr(true, skCooking, "Chef", 0, 4), "Ada Stone");
    GameState.SelectedCharacter = 0;
    palm->SetMode(pmCharacterInfo);
    EXPECT_EQ(CodeAt(Page(), 6, 29), (Coded{coded_pages::People, 4 * 130 + 1, 1}));
    EXPECT_EQ(CodeAt(Page(), 133, 156), (Coded{coded_pages::People, 4 * 130 + 128, 128}));
    EXPECT_EQ(Page().PixelColor(134, 157), TextColor);
    EXPECT_TRUE(PageShows(Page(), "Name: Ada Stone", 5, 164));
    EXPECT_TRUE(PageShows(Page(), "Profession: Chef", 5, 178));
    // A character whose description is gone: the title and nothing else.
    c.DescrId = 999;
    palm->UpdateInternalScreen();
    EXPECT_FALSE(AnyPixelNot(Page(), 0, 28, 194, 330, PageColor));
}

TEST_F(PeoplePages, CandidateLinesNotesAndSkillBars) {
    const int h = LineHeightOf();
    Character& c = AddCharacter(AddDescr(true, skCooking, "Cook", skDrinks));
    c.Skill = 0.55;
    c.SecondSkill = 0.3;
    c.Salary = 120;
    GameState.SelectedCharacter = 0;
    palm->SetMode(pmCharacterInfo);
    EXPECT_EQ(CellAt(Page(), 140, 132), (StripPoint{90, 115})); // hire
    EXPECT_TRUE(PageShows(Page(), "Honesty: (Unknown)", 5, 192));
    // Legality 0: no line; the salary follows the honesty.
    EXPECT_TRUE(PageShows(Page(), "Salary: $120 per day", 5, 192 + h));
    int header = 192 + 2 * h + 18;
    EXPECT_TRUE(PageShows(Page(), "Provided Services",
                          (184 - TextWidthOf("Provided Services", true)) / 2 + 5, header, true));
    int bars = header + h;
    EXPECT_TRUE(PageShows(Page(), "Cooking", 5, bars));
    EXPECT_TRUE(PageShows(Page(), "55", 187 - TextWidthOf("55"), bars));
    EXPECT_TRUE(PageShows(Page(), "Drinks", 5, bars + 21));
    EXPECT_TRUE(PageShows(Page(), "30", 187 - TextWidthOf("30"), bars + 21));
    EXPECT_EQ(Page().PixelColor(5 + 184 * 30 / 100 - 2, bars + 21 + 16), OrangeBarColor);
    EXPECT_EQ(palm->ScreenHeight(), 330); // bars + 42 + 12 fits

    // Known honesty, a legality decrease and a role note, each in its place.
    AddDescr(true, skSecurity, "Bouncer");
    Character& guard = AddCharacter(GameState.CharDescrs.back().Id);
    guard.HonestyKnown = 1;
    guard.Dishonesty = 60;
    guard.Legality = -5;
    guard.Skill = 0.7;
    GameState.SelectedCharacter = 1;
    palm->UpdateInternalScreen();
    EXPECT_TRUE(PageShows(Page(), "Honesty: Poor", 5, 192));
    EXPECT_TRUE(PageShows(Page(), "Legality Decrease: 5", 5, 192 + h));
    int note = 192 + 2 * h + 8;
    EXPECT_TRUE(PageShows(Page(), "Your property is considered as unsafe", 5, note));
    // One role, one bar: nothing where a second bar would be.
    int guardHeader = 0;
    for (int y = note + h; y < 400 && !guardHeader; ++y)
        if (PageShows(Page(), "Provided Services",
                      (184 - TextWidthOf("Provided Services", true)) / 2 + 5, y, true))
            guardHeader = y;
    ASSERT_GT(guardHeader, 0);
    EXPECT_TRUE(PageShows(Page(), "Security", 5, guardHeader + h));
    EXPECT_FALSE(AnyPixel(Page(), 5, guardHeader + h + 21, 189, guardHeader + h + 42, TextColor));
}

TEST_F(PeoplePages, VacantAndFilledStaffPositions) {
    Property& p = StartGameWithProperty();
    GameState.BarDescrs[0] = MakeBarDescr(1, 50000, 10, {skServing, skCooking}, "Blue Lamp");
    AddDescr(true, skCooking, "Cook");
    AddDescr(true, skCooking, "Chef");
    int32_t waiter = AddDescr(true, skServing, "Waiter");
    GameState.SelectedSlot = 1;
    palm->SetMode(pmVacancyInfo);
    const int h = LineHeightOf();
    EXPECT_TRUE(PageShows(Page(), "Vacancy Info", 5 + (184 - TextWidthOf("Vacancy Info", true)) / 2,
                          7, true));
    EXPECT_TRUE(PageShows(Page(), "Chef/Cook", 5, 28));
    EXPECT_TRUE(PageShows(Page(), "(No Employee Hired)", 5, 28 + h));
    EXPECT_EQ(palm->IsHotArea(150, 140), phNone);

    // Filled: the employee's page with the fire button, which is hot.
    Employ(p, waiter, 0).Salary = 90;
    GameState.SelectedSlot = 0;
    palm->UpdateInternalScreen();
    EXPECT_TRUE(PageShows(Page(), "Profession: Waiter", 5, 178));
    EXPECT_EQ(CellAt(Page(), 140, 132), (StripPoint{90, 140}));
    EXPECT_EQ(palm->IsHotArea(150, 140), phFireEmployee);

    // A position number out of range: the title only; no property: nothing.
    for (int32_t slot : {20, -3}) {
        GameState.SelectedSlot = slot;
        palm->UpdateInternalScreen();
        EXPECT_EQ(Page().PixelColor(5, 5), TextColor);
        EXPECT_FALSE(AnyPixelNot(Page(), 0, 28, 194, 330, PageColor)) << slot;
    }
    GameState.SelectedProperty = -1;
    palm->UpdateInternalScreen();
    EXPECT_EQ(Page().PixelColor(5, 5), PageColor);
}

TEST_F(PeoplePages, SupplierRowsAtNinetySeven) {
    Property& p = StartGameWithProperty();
    p.Supplies = 97.6;
    ShowContact(skGeneralSupplier, "General Supplier");
    EXPECT_TRUE(PageShows(Page(), "General Supplies", 5, 254));
    EXPECT_TRUE(PageShows(Page(), "97", 187 - TextWidthOf("97"), 254));
    EXPECT_TRUE(PageShows(Page(), "+5 units (" + FormatMoney(SuppliesPrice(5, 0)) + ")", 5, 277));
    EXPECT_TRUE(PageShows(Page(), "+20 units (" + FormatMoney(SuppliesPrice(20, 0)) + ")", 5, 294));
    EXPECT_TRUE(PageShows(Page(), "Full Supplies ($145)", 5, 311)); // 3 units
    EXPECT_TRUE(PageShows(Page(), "[n/a]", 155, 277));
    EXPECT_TRUE(PageShows(Page(), "[n/a]", 155, 294));
    EXPECT_EQ(CellAt(Page(), 150, 311), (StripPoint{100, 95}));
    EXPECT_EQ(CheckHotWhereDrawn(RowCell, phSuppliesFull), 40 * 15);
    EXPECT_EQ(palm->IsHotArea(160, 280), phNone);
    EXPECT_EQ(palm->IsHotArea(160, 300), phNone);

    GameState.SelectedProperty = -1;
    palm->UpdateInternalScreen();
    EXPECT_TRUE(PageShows(Page(), "(no property selected)", 5, 254));
    EXPECT_FALSE(AnyStripPixel(5, 250, 190, 330));
}

TEST_F(PeoplePages, UpgradeCostAndButtonOnlyBelowLevelTen) {
    Property& p = StartGameWithProperty();
    const int h = LineHeightOf();
    struct Case {
        uint8_t role;
        const char* title;
        const char* label;
        int32_t Property::*level;
        uint8_t area;
    } cases[] = {
        {skRepairAgent, "Repair Agent", "Repair Level", &Property::RepairLevel, phUpgradeRepair},
        {skTablewareSupplier, "Tableware Supplier", "Tableware Level", &Property::TablewareLevel,
         phUpgradeTableware},
        {skEquipmentSupplier, "Equipment Supplier", "Equipment Level", &Property::EquipmentLevel,
         phUpgradeEquipment},
    };
    for (const Case& k : cases) {
        p.*k.level = 9;
        Character& c = ShowContact(k.role, k.title, 40);
        EXPECT_TRUE(PageShows(Page(), k.label, 5, 252)) << k.title;
        EXPECT_TRUE(PageShows(Page(), "9", 187 - TextWidthOf("9"), 252));
        std::string cost = "Upgrade cost: " + FormatMoney(UpgradePrice(9, 10, c.Relation));
        EXPECT_TRUE(PageShows(Page(), cost, 5, 272)) << k.title;
        EXPECT_EQ(CheckHotWhereDrawn(Rect{140, 90, 200, 115}, k.area), 60 * 25) << k.title;
        EXPECT_EQ(palm->ScreenHeight(), 330);

        // Level 10: a full bar, no cost and no button.
        p.*k.level = 10;
        palm->UpdateInternalScreen();
        EXPECT_EQ(Page().PixelColor(187, 252 + 16), LightBarColor);
        EXPECT_TRUE(PageShows(Page(), "10", 187 - TextWidthOf("10"), 252));
        EXPECT_FALSE(AnyPixel(Page(), 5, 272, 189, 272 + h, TextColor));
        EXPECT_EQ(CheckHotWhereDrawn(Rect{140, 90, 200, 115}, k.area), 0) << k.title;
        p.*k.level = 0;
    }

    // A building of no capacity asks nothing: no cost, no button, nothing hot.
    GameState.BarDescrs[0].Capacity = 0;
    ShowContact(skRepairAgent, "Repair Agent");
    EXPECT_FALSE(AnyPixel(Page(), 5, 272, 189, 272 + h, TextColor));
    EXPECT_EQ(CheckHotWhereDrawn(Rect{140, 90, 200, 115}, phUpgradeRepair), 0);

    GameState.SelectedProperty = -1;
    palm->UpdateInternalScreen();
    EXPECT_TRUE(PageShows(Page(), "(no property selected)", 5, 240));
}

TEST_F(PeoplePages, CampaignAndShowRows) {
    Property& p = StartGameWithProperty();
    BarDescr& d = GameState.BarDescrs[0];
    for (int t = 1; t < VisitorTypeCount; ++t)
        d.Potential[t] = 0;
    d.Potential[vtPlacidCouples] = 30;
    d.Potential[vtGourmets] = 30;
    d.Potential[vtDrunkards] = 30;
    p.Potential[vtPlacidCouples] = 4;
    p.Potential[vtGourmets] = 0;
    p.Potential[vtDrunkards] = 0;
    p.AdCampaign[vtDrunkards] = 20; // running, whatever is left
    ShowContact(skAdvertisingAgent, "Advertising Agent", -100);
    EXPECT_TRUE(PageShows(Page(), "The campaign costs $1,200.", 5, 258));
    EXPECT_TRUE(PageShows(Page(), "Placid Couples (4 left)", 5, 274));
    EXPECT_EQ(CellAt(Page(), 150, 274), (StripPoint{100, 95}));
    EXPECT_TRUE(PageShows(Page(), "Gourmets (0 left)", 5, 291));
    EXPECT_TRUE(PageShows(Page(), "[n/a]", 155, 291));
    EXPECT_TRUE(PageShows(Page(), "Drunkards (0 left)", 5, 308));
    EXPECT_TRUE(PageShows(Page(), "[paid]", 155, 308));
    EXPECT_EQ(CheckHotWhereDrawn(RowCell, phOrderCampaign), 40 * 15);
    EXPECT_EQ(palm->ScreenHeight(), 335); // 274 + 3 * 17 + 10

    // Shows count the groups inside; a running show is paid whatever the count.
    p.GroupCount = 3;
    p.Groups[0].Type = vtGourmets;
    p.Groups[1].Type = vtGourmets;
    p.Groups[2].Type = vtPlacidCouples;
    p.ShowProgram[vtPlacidCouples] = 5;
    ShowContact(skShowAgent, "Show Agent", 100);
    EXPECT_TRUE(PageShows(Page(), "The show program costs $200.", 5, 258));
    EXPECT_TRUE(PageShows(Page(), "Placid Couples (1 inside)", 5, 274));
    EXPECT_TRUE(PageShows(Page(), "[paid]", 155, 274));
    EXPECT_TRUE(PageShows(Page(), "Gourmets (2 inside)", 5, 291));
    EXPECT_TRUE(PageShows(Page(), "[n/a]", 155, 308));
    EXPECT_EQ(CheckHotWhereDrawn(RowCell, phOrderShow), 40 * 15);
}

TEST_F(PeoplePages, EstateAgentQuotesTheSellingPrice) {
    Property& p = StartGameWithProperty();
    p.Value = 50000;
    p.RepairLevel = 2;
    Character& c = ShowContact(skRealEstateAgent, "Real Estate Agent", 20);
    std::string quote = "The selling price for this Blue Lamp is " +
                        FormatMoney(ResaleValue(&p, DescrOf(&p), c.Relation)) + ".";
    Bitmap m(4, 4);
    m.GetCanvas().SetFont("Arial", 8);
    // Everything below the find button moves with it when the description pushes it down.
    int shift = -1;
    for (int y = 224; y < 330 && shift < 0; ++y)
        if (CellAt(Page(), 5, y) == (StripPoint{150, 240})) shift = y - 224;
    ASSERT_GE(shift, 0);
    EXPECT_TRUE(PageShows(Page(), m.GetCanvas().WrapLines(189, quote)[0], 5, 274 + shift));
    EXPECT_EQ(CheckHotWhereDrawn(Rect{150, 240, 210, 260}, phFindBuilding), 60 * 20);
    EXPECT_EQ(CheckHotWhereDrawn(Rect{140, 165, 200, 185}, phRenameProperty), 60 * 20);
    EXPECT_EQ(CheckHotWhereDrawn(Rect{150, 260, 210, 280}, phSellProperty), 60 * 20);

    GameState.SelectedProperty = -1;
    palm->UpdateInternalScreen();
    EXPECT_TRUE(PageShows(Page(), "(no property selected)", 5, 248 + shift));
    EXPECT_EQ(CheckHotWhereDrawn(Rect{150, 260, 210, 280}, phSellProperty), 0);
    EXPECT_EQ(CheckHotWhereDrawn(Rect{150, 240, 210, 260}, phFindBuilding), 60 * 20);
}

} // namespace
