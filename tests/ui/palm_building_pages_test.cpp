// The building description block, the catalogue and the visitor group page.
#include "PagesFixture.h"

#include "model/Tables.h"
#include "sim/Levels.h"

namespace {

class BuildingPages : public PagesFixture {
protected:
    int HeaderX(const std::string& text) { return (184 - TextWidthOf(text, true)) / 2 + 5; }
    bool ShowsHeader(const std::string& text, int y) {
        return PageShows(Page(), text, HeaderX(text), y, true);
    }
    // The y of a section header between from and to; -1 if none.
    int FindHeader(const std::string& text, int from, int to) {
        for (int y = from; y < to; ++y)
            if (ShowsHeader(text, y)) return y;
        return -1;
    }
};

TEST_F(BuildingPages, DescriptionBlockOfAnOwnedBuilding) {
    Property& p = StartGameWithProperty();
    BarDescr& d = GameState.BarDescrs[0];
    d = MakeBarDescr(1, 50000, 10, {skCooking, skServing, skCooking, skCooking}, "Blue Lamp");
    CopyText(d.Location, "12 Harbour Lane");
    for (int t = 0; t < VisitorTypeCount; ++t)
        d.Potential[t] = 0;
    d.Potential[vtGourmets] = 40;
    d.Potential[vtDrunkards] = 25;
    d.Vacancies[2].Open = 0; // a closed post is not offered
    p.Potential[vtGourmets] = 12;
    p.Potential[vtDrunkards] = 0;
    AddDescr(true, skCooking, "Cook");
    AddDescr(true, skCooking, "Chef");
    AddDescr(true, skCooking, "Chef");
    AddDescr(true, skServing, "Waiter");
    palm->SetMode(pmDetails);

    const int h = LineHeightOf();
    EXPECT_TRUE(
        PageShows(Page(), "Details", 5 + (184 - TextWidthOf("Details", true)) / 2, 7, true));
    // The photograph at (5, 28) at its own size, framed over its edge.
    EXPECT_EQ(CodeAt(Page(), 6, 29), (Coded{coded_pages::Photo, 1, 1}));
    EXPECT_EQ(CodeAt(Page(), 123, 126), (Coded{coded_pages::Photo, 118, 98}));
    EXPECT_EQ(Page().PixelColor(5, 28), TextColor);
    EXPECT_EQ(Page().PixelColor(124, 127), TextColor);
    EXPECT_EQ(Page().PixelColor(125, 80), PageColor);

    int y = 170;
    EXPECT_TRUE(ShowsHeader("General", y));
    EXPECT_TRUE(PageShows(Page(), "Located at 12 Harbour Lane", 5, y + h));
    EXPECT_TRUE(PageShows(Page(), "Value: $50,000", 5, y + 2 * h + 18));
    EXPECT_TRUE(PageShows(Page(), "Admits Visitors: 10 dozens", 5, y + 3 * h + 18));
    int special = y + 4 * h + 36;
    EXPECT_TRUE(ShowsHeader("Special", special));
    // No traits: the Vacancies header follows at once.
    int vacancies = special + h + 8;
    EXPECT_TRUE(ShowsHeader("Vacancies", vacancies));
    // Two open cook posts of one kind make one line; titles sorted, without duplicates.
    EXPECT_TRUE(PageShows(Page(), "Chef/Cook: 2", 5, vacancies + 22));
    EXPECT_TRUE(PageShows(Page(), "Waiter: 1", 5, vacancies + 22 + h));
    int potential = vacancies + 22 + 2 * h + 18;
    EXPECT_TRUE(ShowsHeader("Potential Visitors", potential));
    // Owned: current / maximum, with the bar at the maximum's percentage.
    int bar = potential + 22;
    EXPECT_TRUE(PageShows(Page(), "Gourmets", 5, bar));
    EXPECT_TRUE(PageShows(Page(), "12 / 40", 187 - TextWidthOf("12 / 40"), bar));
    EXPECT_EQ(Page().PixelColor(5 + 184 * 40 / 100 - 2, bar + 16), OrangeBarColor);
    EXPECT_EQ(Page().PixelColor(5 + 184 * 40 / 100 + 2, bar + 16), GrooveColor);
    EXPECT_TRUE(PageShows(Page(), "Drunkards", 5, bar + 21));
    EXPECT_TRUE(PageShows(Page(), "0 / 25", 187 - TextWidthOf("0 / 25"), bar + 21));
    EXPECT_EQ(palm->ScreenHeight(), bar + 42 + 5);
}

TEST_F(BuildingPages, TraitsTakeTheirTextAndABlankLineEach) {
    BarDescr d = MakeBarDescr(3, 20000, 8);
    d.GoodTrait = rtSecurityValue;
    d.BadTrait = rtSalaries;
    GameState.BarDescrs.push_back(d);
    palm->SetMode(pmNewBuilding);
    const int h = LineHeightOf();
    int special = FindHeader("Special", 190, 330);
    ASSERT_GT(special, 0);
    std::string good = RegionTraitText(rtSecurityValue, true);
    std::string bad = RegionTraitText(rtSalaries, false);
    Bitmap measure(4, 4);
    Canvas& m = measure.GetCanvas();
    m.SetFont("Arial", 8);
    int goodHeight = m.MeasureWrapped(189, good + "\n");
    int badHeight = m.MeasureWrapped(189, bad + "\n");
    EXPECT_EQ(goodHeight, (m.MeasureWrapped(189, good) + h));
    int first = special + h + 4;
    EXPECT_TRUE(PageShows(Page(), m.WrapLines(189, good)[0], 5, first));
    EXPECT_TRUE(PageShows(Page(), m.WrapLines(189, bad)[0], 5, first + goodHeight));
    EXPECT_TRUE(ShowsHeader("Vacancies", first + goodHeight + badHeight + 4));
}

// A title list too wide for the column breaks after a "/", never inside a
// title, so the count stays with the last title on its line.
TEST_F(BuildingPages, ALongTitleListWrapsBetweenTitlesWithItsCount) {
    struct Case {
        std::vector<const char*> titles; // in sorted order
        int open;
        std::vector<std::string> lines; // empty: as many titles as fit on each line
    } cases[] = {
        {{"Dancer", "Musician", "Singer", "Strip Dancer"},
         1,
         {"Dancer/Musician/Singer/", "Strip Dancer: 1"}},
        {{"Bodyguard", "Bouncer", "Door Supervisor", "Gatekeeper", "Night Watchman",
          "Patrol Officer", "Security Guard", "Steward"},
         3,
         {}},
    };
    strip = Bitmap(); // no scroll bar: what is drawn under it shows
    const int h = LineHeightOf();
    for (const Case& k : cases) {
        SCOPED_TRACE(k.titles.front());
        GameState.BarDescrs.clear();
        GameState.CharDescrs.clear();
        GameState.BarDescrs.push_back(
            MakeBarDescr(3, 20000, 8, std::vector<uint8_t>(k.open, skStriptease)));
        std::string full;
        for (const char* title : k.titles) {
            AddDescr(true, skStriptease, title);
            full += (full.empty() ? "" : "/") + std::string(title);
        }
        full += ": " + std::to_string(k.open);
        ASSERT_GT(TextWidthOf(full), 189) << "the line must wrap";

        std::vector<std::string> lines = k.lines;
        if (lines.empty()) {
            std::string line;
            for (std::size_t i = 0; i < k.titles.size(); ++i) {
                std::string part = k.titles[i];
                part += i + 1 < k.titles.size() ? "/" : ": " + std::to_string(k.open);
                if (!line.empty() && TextWidthOf(line + part) > 189) {
                    lines.push_back(line);
                    line.clear();
                }
                line += part;
            }
            lines.push_back(line);
            ASSERT_GE(lines.size(), 3u);
        }
        std::string joined;
        for (const std::string& line : lines) {
            EXPECT_LE(TextWidthOf(line), 189) << line;
            joined += line;
        }
        ASSERT_EQ(joined, full);
        EXPECT_EQ(lines.back(), std::string(k.titles.back()) + ": " + std::to_string(k.open));

        palm->SetMode(pmNewBuilding);
        palm->UpdateInternalScreen();
        int vacancies = FindHeader("Vacancies", 190, 400);
        ASSERT_GT(vacancies, 0);
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_TRUE(PageShows(Page(), lines[i], 5, vacancies + 22 + int(i) * h)) << lines[i];
        const int below = vacancies + 22 + int(lines.size()) * h;
        EXPECT_FALSE(AnyPixel(Page(), 5, below, 189, below + h, TextColor));
        EXPECT_TRUE(ShowsHeader("Potential Visitors", below + 18));
        EXPECT_FALSE(AnyPixelNot(Page(), 194, 0, PalmWidth, palm->ScreenHeight(), PageColor));
    }
}

TEST_F(BuildingPages, CataloguePotentialsOfABuildingNotOwned) {
    StartGameWithProperty();
    GameState.BarDescrs.push_back(MakeBarDescr(2, 30000, 6, {}, "Red Door")); // potentials 10
    palm->SetMode(pmNewBuilding);
    palm->SetPage(1);
    int bar = FindText(Page(), "Party Teens", 5, 190, palm->ScreenHeight());
    ASSERT_GT(bar, 0);
    EXPECT_TRUE(PageShows(Page(), "10", 187 - TextWidthOf("10"), bar));
    EXPECT_FALSE(PageShows(Page(), "0 / 10", 187 - TextWidthOf("0 / 10"), bar));
    // No photograph for building 2: nothing drawn, not even a frame.
    EXPECT_FALSE(AnyPixel(Page(), 5, 54, 135, 160, TextColor));
    EXPECT_TRUE(host.ErrorBoxes.empty());
}

TEST_F(BuildingPages, AMissingDescriptionIsReportedAndDrawsNothing) {
    palm->UpdateInternalScreen();
    Canvas& c = const_cast<Bitmap&>(Page()).GetCanvas();
    EXPECT_EQ(palm->DrawBarDescrInfo(c, nullptr, 77), 77);
    ASSERT_EQ(host.ErrorBoxes.size(), 1u);
    EXPECT_NE(
        folder.ReadFile("debug.txt").find("BarDescr in GPalmScreen::DrawBarDescrInfo is NULL"),
        std::string::npos);
    EXPECT_FALSE(AnyPixelNot(Page(), 0, 22, 194, 330, PageColor));

    // Details of a property whose building description is gone: the title only.
    Property& p = StartGameWithProperty();
    p.BarId = 99;
    palm->SetMode(pmDetails);
    EXPECT_FALSE(AnyPixelNot(Page(), 0, 22, 194, 330, PageColor));
    EXPECT_EQ(host.ErrorBoxes.size(), 1u);
}

class VisitorsPage : public BuildingPages {
protected:
    VisitorGroup& AddGroup(Property& p, uint8_t type) {
        VisitorGroup& g = p.Groups[p.GroupCount++];
        g = VisitorGroup{};
        g.Type = type;
        return g;
    }
};

TEST_F(VisitorsPage, ShowsTheGroupItsBarsAndDemands) {
    Property& p = StartGameWithProperty();
    AddGroup(p, vtHardUpVisitors);
    VisitorGroup& g = AddGroup(p, vtVIPs);
    g.Profit = 1234;
    g.SecurityEffect = -3;
    g.DesireToStay = 40;
    g.Demand[skCooking] = 20;
    g.Demand[skServing] = 100;
    GameState.SelectedGroup = 1;
    palm->SetMode(pmVisitorsInfo);

    const int h = LineHeightOf();
    // Frame t - 1 of the visitor pictures, framed.
    EXPECT_EQ(CodeAt(Page(), 6, 29), (Coded{coded_pages::Visitors, 2 * 130 + 1, 1}));
    EXPECT_EQ(Page().PixelColor(134, 100), TextColor);
    EXPECT_TRUE(PageShows(Page(), "Dozens of VIPs", 5, 164));
    EXPECT_TRUE(PageShows(Page(), "Daily Average Profit: $1,234", 5, 164 + h));
    EXPECT_TRUE(PageShows(Page(), "Security Decrease: 3", 5, 164 + 2 * h));
    int header = 164 + 3 * h + 18;
    EXPECT_TRUE(ShowsHeader("Blue Lamp", header));
    int bars = header + h + 2;
    EXPECT_TRUE(PageShows(Page(), "Desire to Stay", 5, bars));
    EXPECT_TRUE(PageShows(Page(), "40%", 187 - TextWidthOf("40%"), bars));
    std::string meter = std::to_string(Satisfaction(&p, DescrOf(&p), g)) + "%";
    EXPECT_TRUE(PageShows(Page(), "Satisfaction Meter", 5, bars + 21));
    EXPECT_TRUE(PageShows(Page(), meter, 187 - TextWidthOf(meter), bars + 21));
    EXPECT_EQ(Page().PixelColor(20, bars + 16), LightBarColor);
    int services = bars + 42 + 18;
    EXPECT_TRUE(ShowsHeader("Required Services", services));
    int demands = services + h + 2;
    EXPECT_TRUE(PageShows(Page(), "Cooking", 5, demands));
    EXPECT_TRUE(PageShows(Page(), "20", 187 - TextWidthOf("20"), demands));
    EXPECT_TRUE(PageShows(Page(), "Serving", 5, demands + 21));
    EXPECT_TRUE(PageShows(Page(), "100", 187 - TextWidthOf("100"), demands + 21));
    EXPECT_EQ(Page().PixelColor(187, demands + 21 + 16), OrangeBarColor);
    EXPECT_EQ(palm->ScreenHeight(), demands + 42 + 5);

    // Without a security effect the line is not there and everything moves up.
    g.SecurityEffect = 0;
    palm->UpdateInternalScreen();
    EXPECT_FALSE(AnyPixel(Page(), 5, 164 + 2 * h, 189, 164 + 3 * h, TextColor));
    EXPECT_TRUE(ShowsHeader("Blue Lamp", 164 + 2 * h + 18));
}

TEST_F(VisitorsPage, MissingSubjectsGiveShortPages) {
    Property& p = StartGameWithProperty();
    AddGroup(p, vtGourmets);
    struct Case {
        int32_t group;
        bool title;
    } cases[] = {{-1, false}, {1, true}, {50, true}, {-2, true}};
    for (const Case& c : cases) {
        GameState.SelectedGroup = c.group;
        palm->SetMode(pmVisitorsInfo);
        palm->UpdateInternalScreen();
        EXPECT_EQ(Page().PixelColor(5, 5) == TextColor, c.title) << c.group;
        EXPECT_FALSE(AnyPixelNot(Page(), 0, 28, 194, 330, PageColor)) << c.group;
        EXPECT_EQ(palm->ScreenHeight(), 330);
    }
    // A group of no category: its lines, but no portrait or frame.
    p.Groups[0].Type = vtUnassigned;
    GameState.SelectedGroup = 0;
    palm->UpdateInternalScreen();
    EXPECT_FALSE(AnyPixelNot(Page(), 0, 28, 194, 160, PageColor));
    EXPECT_TRUE(PageShows(Page(), "Daily Average Profit: $0", 5, 164 + LineHeightOf()));
    // Without a property nothing at all.
    GameState.SelectedProperty = -1;
    palm->UpdateInternalScreen();
    EXPECT_EQ(Page().PixelColor(5, 5), PageColor);
    EXPECT_TRUE(host.ErrorBoxes.empty());
}

} // namespace
