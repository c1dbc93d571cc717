// The plan page: tabs with their alert badges, the floor plan with its staff
// positions, and the news.
#include "PanelFixture.h"

#include "ui/Planpage.h"

namespace {

class PlanTest : public PanelFixture {
protected:
    PlanTest() {
        GameState.GameInProgress = true;
        GameState.GameTime = 46000.5;
    }
    Bitmap Painted() {
        Bitmap window(780, 560);
        Canvas& c = window.GetCanvas();
        c.SetBrushColor(PageColor);
        c.FillRect(Rect{0, 0, 780, 560});
        plan->PaintTo(c, 0, 0);
        return window;
    }
    static void AddNews(Property& p, const std::string& text, uint8_t kind, double daysAgo) {
        MessageLogEntry& e = p.Log[p.LogCount++];
        CopyText(e.Text, text);
        e.Kind = kind;
        e.Time = GameState.GameTime - daysAgo;
    }
    std::unique_ptr<GPlanPage> plan = std::make_unique<GPlanPage>(&buttons);
};

TEST_F(PlanTest, TabsAreDrawnWiderThanTheyAreHot) {
    AddProperty(MakeBarDescr(1, 1000, 5));
    AddProperty(MakeBarDescr(2, 1000, 5));
    GameState.SelectedProperty = 1;
    Bitmap w = Painted();
    EXPECT_EQ(CodeAt(w, 5, 56), (Coded{coded::Tabs, 0, 0}));            // tab 0 normal
    EXPECT_EQ(CodeAt(w, 57, 166), (Coded{coded::Tabs, 106 + 105, 54})); // tab 1 selected
    EXPECT_EQ(w.PixelColor(5, 56 + 112), PageColor);                    // no third tab

    struct Case {
        int x, y;
        uint8_t area;
        int32_t index;
    } cases[] = {{10, 60, plNone, -1},  {16, 56, plProperty, 0},  {53, 94, plProperty, 0},
                 {53, 95, plNone, -1},  {30, 112, plProperty, 1}, {30, 150, plProperty, 1},
                 {30, 170, plNone, -1}, {54, 60, plNone, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(plan->IsHotArea(c.x, c.y), c.area) << c.x << "," << c.y;
        EXPECT_EQ(plan->LastHotIndex, c.index) << c.x << "," << c.y;
    }
}

TEST_F(PlanTest, TheAlertBadgeShowsTheFreshestBadNewsOfTwoDays) {
    struct Case {
        const char* what;
        std::vector<std::pair<uint8_t, double>> news; // kind, days ago; newest first
        int badge;                                    // -1 none, else the age shown
    } cases[] = {
        {"bad news 3 half-days old", {{lkNotice, 0.2}, {lkBad, 1.6}}, 3},
        {"the freshest of two", {{lkBad, 1.9}, {lkBad, 0.6}}, 1},
        {"bad news older than two days", {{lkBad, 2.5}}, -1},
        {"old news stops the walk", {{lkGood, 2.6}, {lkBad, 0.1}}, -1},
        {"only good news", {{lkGood, 0.1}}, -1},
        {"dated after the game time", {{lkBad, -3}}, 0},
    };
    for (const Case& c : cases) {
        ResetGameState();
        GameState.GameInProgress = true;
        GameState.GameTime = 46000.5;
        Property& p = AddProperty(MakeBarDescr(1, 1000, 5));
        for (auto [kind, ago] : c.news)
            AddNews(p, "news", kind, ago);
        Bitmap w = Painted();
        Coded at = CodeAt(w, 23, 65);
        if (c.badge < 0)
            EXPECT_NE(at.base, coded::Buttons) << c.what;
        else
            EXPECT_EQ(at, (Coded{coded::Buttons, 150 + 20 * c.badge, 370})) << c.what;
        if (c.badge >= 0) {
            EXPECT_EQ(CodeAt(w, 42, 84), (Coded{coded::Buttons, 169 + 20 * c.badge, 389}));
        }
    }
}

TEST_F(PlanTest, PaintingMarksTheSelectedPropertysRecentNewsSeen) {
    Property& a = AddProperty(MakeBarDescr(1, 1000, 5));
    Property& b = AddProperty(MakeBarDescr(2, 1000, 5));
    for (Property* p : {&a, &b}) {
        AddNews(*p, "new", lkNotice, 0.1);
        AddNews(*p, "older", lkNotice, 2.6);
    }
    GameState.SelectedProperty = 0;
    Painted();
    EXPECT_EQ(a.Log[0].Seen, 1);
    EXPECT_EQ(a.Log[1].Seen, 0); // beyond the walk
    EXPECT_EQ(b.Log[0].Seen, 0); // not selected
}

TEST_F(PlanTest, AtMostSixRecentNewsLinesInTheirAgeColours) {
    Property& p = AddProperty(MakeBarDescr(1, 1000, 5));
    GameState.SelectedProperty = 0;
    for (int i = 0; i < 7; ++i)
        AddNews(p, "Line", i % 3, i * 0.3);
    Bitmap w = Painted();
    Bitmap probe(10, 10);
    probe.GetCanvas().SetFont("Arial", 8);
    int h = probe.GetCanvas().TextHeight("Line");
    for (int i = 0; i < 7; ++i) {
        int age = static_cast<int>(2 * (i * 0.3));
        Color c = NewsColor(static_cast<uint8_t>(i % 3), age);
        int top = 68 + h * i;
        EXPECT_EQ(AnyPixel(w, 72, top, 110, top + h, c), i < 6) << i;
    }
    EXPECT_EQ(NewsColor(lkBad, 3), RGB(185, 83, 83));
    EXPECT_EQ(NewsColor(lkNotice, 1), RGB(47, 47, 47));
    EXPECT_EQ(NewsColor(lkGood, 4), RGB(115, 191, 107));
    EXPECT_EQ(NewsColor(9, 0), RGB(0, 0, 0));
}

TEST_F(PlanTest, StaffPositionsFilledEmptyAndClosed) {
    BarDescr d = MakeBarDescr(3, 1000, 5, {skCooking, skDrinks, skServing});
    d.Vacancies[0].X = 40;
    d.Vacancies[0].Y = 100;
    d.Vacancies[1].X = 120;
    d.Vacancies[1].Y = 100;
    d.Vacancies[2].X = 200;
    d.Vacancies[2].Y = 100;
    d.Vacancies[2].Open = 0; // closed
    Property& p = AddProperty(d);
    GameState.SelectedProperty = 0;
    GameState.SelectedSlot = 1;
    Character& worker = AddCharacter(AddDescr(true, skCooking, 3));
    worker.Employed = 1;
    worker.EmployerId = p.BarId;
    worker.SlotIndex = 0;
    WriteCodedBmp(folder.Sub("Buildings/3p.bmp"), 300, 200, coded::People);
    // The floor plan shares its code with the icons; the icon overwrites it in box 0.
    Bitmap w = Painted();

    const int bx = 85 + 40, by = 68 + 100; // box 0
    EXPECT_EQ(CodeAt(w, bx + 1, by + 1),
              (Coded{coded::People, 3 * 40 + 6, 4})); // under the bracket
    EXPECT_EQ(CodeAt(w, bx + 29, by + 29), (Coded{coded::People, 3 * 40 + 34, 32}));
    EXPECT_EQ(w.PixelColor(bx - 4, by), TextColor); // the bracket's crossing corners
    EXPECT_EQ(w.PixelColor(bx, by - 4), TextColor);
    EXPECT_EQ(w.PixelColor(bx + 30 + 3, by + 30), TextColor);
    EXPECT_EQ(w.PixelColor(bx + 30, by + 30 + 3), TextColor);
    const int ex = 85 + 120; // box 1: empty and selected
    EXPECT_EQ(CodeAt(w, ex + 10, by + 10), (Coded{coded::People, 130, 110})); // the plan shows
    EXPECT_EQ(w.PixelColor(ex - 4, by), SelectionColor);
    EXPECT_EQ(w.PixelColor(ex + 30, by + 33), SelectionColor);
    const int cx = 85 + 200; // box 2: closed
    EXPECT_EQ(CodeAt(w, cx - 4, by), (Coded{coded::People, 196, 100}));
    EXPECT_EQ(CodeAt(w, cx, by - 4), (Coded{coded::People, 200, 96}));

    EXPECT_EQ(plan->IsHotArea(bx, by), plVacancy);
    EXPECT_EQ(plan->LastHotIndex, 0);
    EXPECT_EQ(plan->IsHotArea(ex + 30, by + 29), plVacancy);
    EXPECT_EQ(plan->LastHotIndex, 1);
    EXPECT_EQ(plan->IsHotArea(ex + 10, by + 30), plNone);
    EXPECT_EQ(plan->IsHotArea(cx + 10, by + 10), plNone);
    EXPECT_EQ(plan->LastHotIndex, -1);
}

} // namespace
