// The ruler's icon row, tabs, arrows and hit test.
#include "PanelFixture.h"

#include "ui/Ruler.h"

namespace {

class RulerTest : public PanelFixture {
protected:
    RulerTest() { GameState.GameInProgress = true; }
    Bitmap Painted() {
        Bitmap window(780, 560);
        ruler->PaintTo(window.GetCanvas(), 0, 460);
        return window;
    }
    // Characters of the candidates' tab, each with its own picture frame.
    void AddCandidates(int n) {
        int32_t id = AddDescr(true, skCooking, 0);
        for (int i = 0; i < n; ++i)
            AddCharacter(id);
    }
    std::unique_ptr<GRuler> ruler = std::make_unique<GRuler>(&buttons);
};

TEST_F(RulerTest, WithoutAGameTheEmptyLookAndNoItems) {
    GameState.GameInProgress = false;
    AddCandidates(3);
    ruler->SetTab(rtCandidates);
    EXPECT_EQ(ruler->StripWidth(), 0);
    Bitmap w = Painted();
    EXPECT_EQ(CodeAt(w, 0, 460), (Coded{coded::Empty, 0, 0}));
    EXPECT_EQ(CodeAt(w, 779, 559), (Coded{coded::Empty, 779, 99}));
    EXPECT_EQ(ruler->IsHotArea(100, 40), rhNone);
}

TEST_F(RulerTest, FifteenIconsScrollSeventeenPixels) {
    AddCandidates(15);
    ruler->SetTab(rtCandidates);
    EXPECT_EQ(ruler->StripWidth(), 628);
    struct Case {
        int scroll;
        bool left, right;
    } cases[] = {
        {0, false, true}, {1, true, true}, {16, true, true}, {17, true, false}, {100, true, false}};
    for (const Case& c : cases) {
        ruler->SetScroll(c.scroll);
        EXPECT_EQ(ruler->mScrollX, std::min(c.scroll, 17));
        Bitmap w = Painted();
        EXPECT_EQ(CodeAt(w, 36, 470) == (Coded{coded::Arrows, 0, 0}), c.left) << c.scroll;
        EXPECT_EQ(CodeAt(w, 739, 539) == (Coded{coded::Arrows, 65, 69}), c.right) << c.scroll;
        EXPECT_EQ(ruler->IsHotArea(50, 40), c.left ? rhScrollLeft : rhNone) << c.scroll;
        EXPECT_EQ(ruler->IsHotArea(720, 40), c.right ? rhScrollRight : rhNone) << c.scroll;
    }
    // The row shows the strip from the scroll position on.
    ruler->SetScroll(17);
    Bitmap w = Painted();
    EXPECT_EQ(w.Pixel(84, 482), ruler->Strip().Pixel(17, 0));
    EXPECT_EQ(w.Pixel(694, 521), ruler->Strip().Pixel(627, 39));
}

TEST_F(RulerTest, ALongRowIsDrawnAndHitToItsLastIcon) {
    AddCandidates(80); // more than the 71 icons of 3020 pixels
    ruler->SetTab(rtCandidates);
    EXPECT_EQ(ruler->StripWidth(), 80 * 42 - 2);
    ruler->SetScroll(100000);
    EXPECT_EQ(ruler->mScrollX, 80 * 42 - 2 - 611);
    EXPECT_EQ(ruler->IsHotArea(694, 40), rhItem);
    EXPECT_EQ(ruler->LastHotIndex, 79);
    Bitmap w = Painted();
    EXPECT_EQ(w.PixelColor(694, 482), TextColor); // the last icon's frame, right edge
}

TEST_F(RulerTest, AShortRowHasNoArrowsAndAnEmptyRowNoItems) {
    AddCandidates(3);
    ruler->SetTab(rtCandidates);
    EXPECT_EQ(ruler->StripWidth(), 124);
    ruler->SetScroll(50);
    EXPECT_EQ(ruler->mScrollX, 0);
    EXPECT_EQ(ruler->IsHotArea(720, 40), rhNone);
    EXPECT_EQ(ruler->IsHotArea(50, 40), rhNone);
    ruler->SetTab(rtContacts); // nobody there
    EXPECT_EQ(ruler->StripWidth(), 0);
    EXPECT_EQ(ruler->IsHotArea(100, 40), rhNone);
}

TEST_F(RulerTest, ItemsAreHitUpToTheirRightEdgeAndNameTheCharacter) {
    int32_t cook = AddDescr(true, skCooking, 2);
    int32_t banker = AddDescr(false, skBankOfficial, 4);
    AddCharacter(cook);              // 0
    AddCharacter(banker);            // 1: a contact, other tab
    AddCharacter(cook).Employed = 1; // 2: employed, not listed
    AddCharacter(cook);              // 3
    AddCharacter(999);               // 4: no description
    AddCharacter(cook);              // 5
    ruler->SetTab(rtCandidates);
    EXPECT_EQ(ruler->StripWidth(), 3 * 42 - 2);
    struct Case {
        int x;
        uint8_t area;
        int32_t index;
    } cases[] = {{84, rhItem, 0},  {124, rhItem, 0}, {125, rhNone, 0}, {126, rhItem, 3},
                 {166, rhItem, 3}, {168, rhItem, 5}, {208, rhItem, 5}, {250, rhNone, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(ruler->IsHotArea(c.x, 30), c.area) << c.x;
        EXPECT_EQ(ruler->LastHotIndex, c.index) << c.x;
    }
    EXPECT_EQ(ruler->IsHotArea(100, 21), rhNone);
    EXPECT_EQ(ruler->IsHotArea(100, 62), rhNone);

    // Icons from the description's picture frame, framed; red for the selection.
    GameState.SelectedCharacter = 3;
    ruler->UpdateStrip();
    const Bitmap& s = ruler->Strip();
    EXPECT_EQ(CodeAt(s, 10, 10), (Coded{coded::People, 90, 10}));
    EXPECT_EQ(s.PixelColor(0, 0), TextColor);
    EXPECT_EQ(s.PixelColor(42, 0), SelectionColor);
    EXPECT_EQ(s.PixelColor(81, 39), SelectionColor);
    EXPECT_EQ(s.PixelColor(40, 10), RGB(179, 102, 64)); // the gap

    ruler->SetTab(rtContacts);
    EXPECT_EQ(ruler->IsHotArea(90, 30), rhItem);
    EXPECT_EQ(ruler->LastHotIndex, 1);
    EXPECT_EQ(CodeAt(ruler->Strip(), 1, 1), (Coded{coded::People, 161, 1}));
}

TEST_F(RulerTest, TabsSwitchAndOnlyANewTabResetsTheScroll) {
    AddCandidates(20);
    ruler->SetTab(rtCandidates);
    ruler->SetScroll(100);
    ruler->SetTab(rtCandidates);
    EXPECT_EQ(ruler->mScrollX, 100);
    EXPECT_EQ(GameState.View.RulerScrollX, 100);
    EXPECT_EQ(GameState.View.RulerTab, rtCandidates);
    Bitmap w = Painted();
    EXPECT_EQ(CodeAt(w, 74, 531), (Coded{coded::Tabs, 0, 0}));        // tab 0 normal
    EXPECT_EQ(CodeAt(w, 192, 531), (Coded{coded::Tabs, 0, 54 + 27})); // tab 1 chosen
    EXPECT_EQ(CodeAt(w, 310, 557), (Coded{coded::Tabs, 0, 108 + 26}));
    ruler->SetTab(rtVisitors);
    EXPECT_EQ(ruler->mScrollX, 0);

    struct Case {
        int x, y;
        uint8_t area;
        int32_t index;
    } cases[] = {{80, 72, rhTab, 0},  {190, 90, rhTab, 0},  {198, 80, rhTab, 1},
                 {426, 80, rhTab, 2}, {427, 80, rhNone, 0}, {100, 91, rhNone, 0},
                 {79, 80, rhNone, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(ruler->IsHotArea(c.x, c.y), c.area) << c.x << "," << c.y;
        EXPECT_EQ(ruler->LastHotIndex, c.index);
    }
}

TEST_F(RulerTest, TheVacancyBadgeAndItsViewedLook) {
    Property& p = AddProperty(MakeBarDescr(1, 1000, 5, {skDrinks, skCooking}));
    GameState.SelectedProperty = 0;
    int32_t cook = AddDescr(true, skCooking, 0);
    int32_t guard = AddDescr(true, skSecurity, 1);
    Character& c = AddCharacter(cook);
    AddCharacter(guard);
    ruler->SetTab(rtCandidates);
    const Bitmap& s = ruler->Strip();
    EXPECT_EQ(CodeAt(s, 28, 25), (Coded{coded::Buttons, 31, 327}));
    EXPECT_EQ(CodeAt(s, 37, 37), (Coded{coded::Buttons, 40, 339}));
    EXPECT_EQ(CodeAt(s, 42 + 28, 25), (Coded{coded::People, 40 + 28, 25})); // no fitting vacancy

    c.Viewed = 1;
    ruler->UpdateStrip();
    EXPECT_EQ(CodeAt(ruler->Strip(), 28, 25), (Coded{coded::Buttons, 21, 327}));

    // Once the position is filled the badge goes.
    Character& hired = AddCharacter(cook);
    hired.Employed = 1;
    hired.EmployerId = p.BarId;
    hired.SlotIndex = 1;
    ruler->UpdateStrip();
    EXPECT_EQ(CodeAt(ruler->Strip(), 28, 25), (Coded{coded::People, 28, 25}));
    // And without a selected property there is nothing to fit.
    hired.Employed = 0;
    GameState.SelectedProperty = -1;
    ruler->UpdateStrip();
    EXPECT_EQ(CodeAt(ruler->Strip(), 28, 25), (Coded{coded::People, 28, 25}));
}

TEST_F(RulerTest, TheVisitorsTabListsTheSelectedPropertysGroups) {
    Property& p = AddProperty(MakeBarDescr(1, 1000, 5));
    p.GroupCount = 2;
    p.Groups[0].Type = vtPartyTeens;
    p.Groups[1].Type = vtDrunkards;
    ruler->SetTab(rtVisitors);
    EXPECT_EQ(ruler->StripWidth(), 0); // no property selected
    EXPECT_EQ(ruler->IsHotArea(100, 30), rhNone);

    GameState.SelectedProperty = 0;
    GameState.SelectedGroup = 1;
    ruler->UpdateStrip();
    EXPECT_EQ(ruler->StripWidth(), 82);
    EXPECT_EQ(CodeAt(ruler->Strip(), 5, 5), (Coded{coded::Visitors, 5, 5}));
    EXPECT_EQ(CodeAt(ruler->Strip(), 47, 5), (Coded{coded::Visitors, 8 * 40 + 5, 5}));
    EXPECT_EQ(ruler->Strip().PixelColor(42, 0), SelectionColor);
    EXPECT_EQ(ruler->IsHotArea(130, 30), rhItem);
    EXPECT_EQ(ruler->LastHotIndex, 1);
}

} // namespace
