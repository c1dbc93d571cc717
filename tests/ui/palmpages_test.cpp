// The information pages drawn headlessly and probed where things belong.
#include "PalmFixture.h"

#include "sim/Format.h"
#include "sim/Levels.h"

namespace {

class PalmPages : public PalmFixture {
protected:
    Canvas& PageCanvas() { return const_cast<Bitmap&>(Page()).GetCanvas(); }
};

TEST_F(PalmPages, BarGrooveFillAndTick) {
    palm->UpdateInternalScreen();
    Canvas& c = PageCanvas();
    const int top = 60, bottom = 79;

    // 0 %: only the groove and a tick at the left end.
    EXPECT_EQ(palm->DrawValueBar(c, OrangeBarColor, 0, "0", "Empty", 0, 5, top, 189, bottom), 21);
    EXPECT_EQ(Page().PixelColor(100, bottom - 4), GrooveColor);
    EXPECT_EQ(Page().PixelColor(100, bottom - 5), GrooveOutlineColor);
    EXPECT_EQ(Page().PixelColor(100, bottom - 2), GrooveOutlineColor);
    for (int y = bottom - 6; y < bottom; ++y)
        EXPECT_EQ(Page().PixelColor(5, y), TextColor) << y;
    EXPECT_FALSE(AnyPixel(Page(), 5, top, 189, bottom, OrangeBarColor));
    EXPECT_EQ(Page().PixelColor(100, bottom - 6), PageColor);
    EXPECT_TRUE(PageShows(Page(), "Empty", 5, top));

    // 100 %: filled over the whole groove, outlined in the text colour.
    const int top2 = 90, bottom2 = 109;
    palm->DrawValueBar(c, LightBarColor, 0, "100", "Full", 100, 5, top2, 189, bottom2);
    EXPECT_EQ(Page().PixelColor(100, bottom2 - 3), LightBarColor);
    EXPECT_EQ(Page().PixelColor(187, bottom2 - 3), LightBarColor);
    EXPECT_EQ(Page().PixelColor(188, bottom2 - 3), TextColor);
    EXPECT_EQ(Page().PixelColor(100, bottom2 - 6), TextColor);
    EXPECT_EQ(Page().PixelColor(100, bottom2 - 1), TextColor);
    EXPECT_EQ(Page().PixelColor(189, bottom2 - 3), PageColor);
    Bitmap probe(60, 20);
    probe.GetCanvas().SetFont("Arial", 8);
    int w = probe.GetCanvas().TextWidth("100");
    EXPECT_TRUE(PageShows(Page(), "100", 189 - 2 - w, top2));

    // More than 100 % from data: the fill stays in the groove, the text says 150.
    const int top3 = 120, bottom3 = 139;
    palm->DrawValueBar(c, LightBarColor, 0, "150", "Over", 150, 5, top3, 189, bottom3);
    EXPECT_EQ(Page().PixelColor(188, bottom3 - 3), TextColor);
    EXPECT_EQ(Page().PixelColor(189, bottom3 - 3), PageColor);
    EXPECT_TRUE(PageShows(Page(), "150", 189 - 2 - probe.GetCanvas().TextWidth("150"), top3));
}

TEST_F(PalmPages, TheMarkerStandsAtItsPercentage) {
    palm->UpdateInternalScreen();
    const int top = 60, bottom = 79;
    palm->DrawValueBar(PageCanvas(), OrangeBarColor, 50, "10", "Security", 10, 5, top, 189, bottom);
    int x = 5 + 50 * 184 / 100; // 97
    EXPECT_EQ(Page().PixelColor(x - 2, bottom - 6), GrooveOutlineColor);
    EXPECT_EQ(Page().PixelColor(x + 1, bottom - 6), GrooveOutlineColor);
    EXPECT_EQ(Page().PixelColor(x + 2, bottom - 6), PageColor);
    EXPECT_EQ(Page().PixelColor(x - 2, bottom - 1), GrooveOutlineColor);
    EXPECT_EQ(Page().PixelColor(x - 3, bottom - 6), PageColor);
}

TEST_F(PalmPages, TitleBoxAndSectionHeader) {
    palm->UpdateInternalScreen();
    int h = LineHeightOf();
    EXPECT_EQ(palm->DrawPageTitle(PageCanvas(), "Statistics", 5), h + 4);
    EXPECT_EQ(Page().PixelColor(5, 5), TextColor);
    EXPECT_EQ(Page().PixelColor(188, 5 + h + 3), TextColor);
    EXPECT_EQ(Page().PixelColor(100, 5 + h + 3), TextColor);
    EXPECT_EQ(Page().PixelColor(189, 10), PageColor);
    EXPECT_EQ(Page().PixelColor(6, 10), PageColor);
    Bitmap b(10, 10);
    Canvas& m = b.GetCanvas();
    m.SetFont("Arial", 8);
    m.SetBold(true);
    int w = m.TextWidth("Statistics");
    EXPECT_TRUE(PageShows(Page(), "Statistics", 5 + (184 - w) / 2, 7, true));

    int y = 60;
    EXPECT_EQ(palm->DrawSectionHeader(PageCanvas(), "Admission Fee", y), h);
    int hw = m.TextWidth("Admission Fee");
    int mid = y + h / 2;
    EXPECT_EQ(Page().PixelColor(5, mid), TextColor);
    EXPECT_EQ(Page().PixelColor((184 - hw) / 2 + 1, mid), TextColor);
    EXPECT_EQ(Page().PixelColor((184 - hw) / 2 + 2, mid), PageColor); // the gaps
    EXPECT_EQ(Page().PixelColor((184 - hw) / 2 + hw + 7, mid), PageColor);
    EXPECT_EQ(Page().PixelColor((184 - hw) / 2 + hw + 8, mid), TextColor);
    EXPECT_EQ(Page().PixelColor(188, mid), TextColor);
    EXPECT_EQ(Page().PixelColor(189, mid), PageColor);
    EXPECT_TRUE(PageShows(Page(), "Admission Fee", (184 - hw) / 2 + 5, y, true));
}

TEST_F(PalmPages, ReportBarsShowLevelsAndTheirMarkers) {
    Property& p = StartGameWithProperty();
    p.Supplies = 99.9;
    palm->SetMode(pmReport);
    const BarDescr* d = DescrOf(&p);
    int levels[4] = {99, ManagementLevel(&p, d), SecurityLevel(&p, d), LegalityLevel(&p, d)};
    const char* labels[4] = {"General Supplies", "Management", "Security", "Legality"};
    Bitmap b(10, 10);
    b.GetCanvas().SetFont("Arial", 8);
    for (int i = 0; i < 4; ++i) {
        int top = 60 + 21 * i, bottom = top + 19;
        std::string value = std::to_string(levels[i]);
        EXPECT_TRUE(PageShows(Page(), labels[i], 5, top)) << labels[i];
        EXPECT_TRUE(PageShows(Page(), value, 187 - b.GetCanvas().TextWidth(value), top));
        bool marker = i >= 2;
        // The marker's frame shows at its bottom row under a fill that does not reach it.
        if (levels[i] < 48)
            EXPECT_EQ(Page().PixelColor(95, bottom - 1) == GrooveOutlineColor, marker) << i;
        else
            EXPECT_EQ(Page().PixelColor(95, bottom - 7) == PageColor, true) << i;
    }
    EXPECT_EQ(Page().PixelColor(100, 60 + 19 - 3), LightBarColor);
    EXPECT_TRUE(PageShows(Page(), "Blue Lamp",
                          5 + (184 -
                               [] {
                                   Bitmap t(1, 1);
                                   t.GetCanvas().SetFont("Arial", 8);
                                   t.GetCanvas().SetBold(true);
                                   return t.GetCanvas().TextWidth("Blue Lamp");
                               }()) /
                                  2,
                          7, true));
}

TEST_F(PalmPages, ReportLinesAndTheLogInTheirColours) {
    Property& p = StartGameWithProperty();
    int h = LineHeightOf();
    palm->SetMode(pmReport);
    // No report lines: no dated header; the log header stands at 164 even when empty.
    EXPECT_EQ(Page().PixelColor(6, 164 + h / 2), TextColor);
    EXPECT_EQ(palm->ScreenHeight(), PalmViewHeight);

    AddReportLine(p, "Income: $1,200", ColorGreen);
    AddReportLine(p, "Salaries: $300", ColorDarkRed);
    AddLog(p, "The police raided the place.", lkBad);
    AddLog(p, "A group left.", lkNotice);
    AddLog(p, "A good day.", lkGood);
    AddLog(p, "Odd kind.", 7);
    palm->UpdateInternalScreen();
    EXPECT_EQ(FormatLogDate(GameState.GameTime), "March 07");
    Bitmap b(10, 10);
    Canvas& m = b.GetCanvas();
    m.SetFont("Arial", 8);
    m.SetBold(true);
    int w = m.TextWidth("March 07 Report");
    EXPECT_TRUE(PageShows(Page(), "March 07 Report", (184 - w) / 2 + 5, 164, true));
    int y = 164 + h;
    EXPECT_TRUE(PageShows(Page(), "Income: $1,200", 5, y, false, ColorFromNumber(ColorGreen)));
    EXPECT_TRUE(PageShows(Page(), "Salaries: $300", 5, y + h, false, RGB(149, 0, 0)));
    y += 2 * h + 12;
    int lw = m.TextWidth("Message Log");
    EXPECT_TRUE(PageShows(Page(), "Message Log", (184 - lw) / 2 + 5, y, true));
    y += h;
    EXPECT_TRUE(PageShows(Page(), "The police raided the place.", 5, y, false, BadMessageColor));
    EXPECT_TRUE(PageShows(Page(), "A group left.", 5, y + h, false, NeutralMessageColor));
    EXPECT_TRUE(PageShows(Page(), "A good day.", 5, y + 2 * h, false, GoodMessageColor));
    EXPECT_TRUE(PageShows(Page(), "Odd kind.", 5, y + 3 * h, false, TextColor));
}

TEST_F(PalmPages, ALongLogScrollsButNeverPassesTheDrawingSurface) {
    Property& p = StartGameWithProperty();
    std::string longText(500, 'w');
    for (size_t i = 5; i < longText.size(); i += 6)
        longText[i] = ' ';
    for (int i = 0; i < MaxLogEntries; ++i)
        AddLog(p, longText, lkNotice);
    for (int i = 0; i < MaxReportLines; ++i)
        AddReportLine(p, longText, ColorBlack);
    palm->SetMode(pmReport);
    EXPECT_EQ(palm->ScreenHeight(), PalmMaxHeight);
    palm->SetScroll(100000);
    EXPECT_EQ(palm->mScrollY, PalmMaxHeight - PalmViewHeight);
    EXPECT_EQ(CellAt(Page(), 194, PalmMaxHeight - 1), (StripPoint{220, 329}));
}

TEST_F(PalmPages, StatisticsShowOneBarPerRatedService) {
    Property& p = StartGameWithProperty();
    int h = LineHeightOf();
    palm->SetMode(pmStatistics);
    int rated = 0;
    for (const ServiceDescr& s : GameState.Services)
        rated += s.Rated ? 1 : 0;
    ASSERT_GT(rated, 0);
    int first = (h + 4) + h + 29;
    EXPECT_EQ(palm->ScreenHeight(), std::max(PalmViewHeight, first + 21 * rated + 20));
    EXPECT_TRUE(PageShows(Page(), FieldText(GameState.Services[skCooking].Name), 5, first));
    EXPECT_EQ(Page().PixelColor(100, first + 19 - 4), GrooveColor); // no staff: empty bars
    (void)p;

    // Without a property: title and header only.
    GameState.SelectedProperty = -1;
    palm->UpdateInternalScreen();
    EXPECT_FALSE(AnyPixelNot(Page(), 0, first, 194, 330, PageColor));
}

TEST_F(PalmPages, ManageRowsWithTheSelectedFee) {
    Property& p = StartGameWithProperty();
    p.AdmissionFee = 0;
    palm->SetMode(pmManage);
    EXPECT_EQ(palm->ScreenHeight(), PalmViewHeight);
    EXPECT_TRUE(PageShows(Page(), "(free)", 5, 120));
    EXPECT_TRUE(PageShows(Page(), "[selected]", 62, 120));
    EXPECT_EQ(CellAt(Page(), 65, 120), std::nullopt);
    for (int r = 1; r <= 4; ++r) {
        EXPECT_TRUE(PageShows(Page(), FormatMoney(r * 10), 5, 120 + 17 * r)) << r;
        EXPECT_EQ(CellAt(Page(), 104, 134 + 17 * r), (StripPoint{114, 334}));
    }
    p.AdmissionFee = 3;
    palm->UpdateInternalScreen();
    EXPECT_TRUE(PageShows(Page(), "[selected]", 62, 171));
    EXPECT_EQ(CellAt(Page(), 65, 120), (StripPoint{75, 320}));
}

// The real button strip, when the build made it: a main menu and a report
// page to look at, and the buttons where the hot areas are.
TEST_F(PalmPages, RealContentSnapshots) {
    Bitmap real;
    if (!LoadRealButtonStrip(real)) GTEST_SKIP() << "no Images/pscreenbtns.bmp in the build";
    GPalmScreen shown(&real);
    shown.SetMode(pmMainMenu);
    for (int y : {92, 142, 167, 217})
        EXPECT_TRUE(AnyPixelNot(shown.Screen(), 60, y, 135, y + 20, PageColor)) << y;
    EXPECT_FALSE(SaveSnapshot(shown.Screen(), shown.ScreenHeight(), "palm-main-menu").empty());

    Property& p = StartGameWithProperty();
    AddReportLine(p, "Visitors: 14 dozens, income $1,850", ColorReportText);
    AddReportLine(p, "Salaries paid: $420", ColorDarkRed);
    AddLog(p, "Party Teens were pleased by the music and stayed late.", lkGood);
    AddLog(p, "A fight broke out near the bar; two tables were broken.", lkBad);
    AddLog(p, "The supplier delivered 20 units.", lkNotice);
    shown.SetMode(pmReport);
    EXPECT_TRUE(AnyPixelNot(shown.Screen(), 5, 28, 63, 48, PageColor));
    EXPECT_FALSE(SaveSnapshot(shown.Screen(), shown.ScreenHeight(), "palm-report").empty());
}

} // namespace
