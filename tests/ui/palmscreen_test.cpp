// The palm screen's modes, scrolling and hot areas.
#include "PalmFixture.h"

#include "persist/Autosave.h"

namespace {

using PalmScreen = PalmFixture;

// Enough one-line log entries to make the report page just taller than the viewport.
void MakeReportJustTallerThanViewport(GPalmScreen& palm, Property& p) {
    while (palm.ScreenHeight() <= PalmViewHeight && p.LogCount < MaxLogEntries) {
        PalmFixture::AddLog(p, "A quiet day.", lkNotice);
        palm.UpdateInternalScreen();
    }
}

TEST_F(PalmScreen, StartsBlankWithTheViewFieldsOfTheGame) {
    EXPECT_EQ(palm->mData.Mode, pmNone);
    EXPECT_EQ(palm->ScreenHeight(), PalmViewHeight);
    EXPECT_EQ(GameState.View.PalmMode, pmNone);
    EXPECT_EQ(Page().PixelColor(100, 100), PageColor);
    EXPECT_EQ(CellAt(Page(), 194, 0), (StripPoint{240, 0})); // inactive bar
    EXPECT_EQ(CellAt(Page(), 213, 329), (StripPoint{259, 329}));
    EXPECT_EQ(CellAt(Page(), 10, 10), std::nullopt); // no back button on a blank page

    // The saved view is the palm screen's own: what a load writes is what it uses.
    palm->SetMode(pmMainMenu);
    EXPECT_EQ(GameState.View.PalmMode, pmMainMenu);
    GameState.View.PalmMode = pmNewGame;
    GameState.View.PalmScrollY = 0;
    palm->UpdateInternalScreen();
    EXPECT_EQ(palm->mData.Mode, pmNewGame);
    EXPECT_EQ(palm->IsHotArea(70, 80), phDifficulty0);
}

TEST_F(PalmScreen, AnotherModeStartsAtTheTopTheSameModeKeepsItsPlace) {
    Property& p = StartGameWithProperty();
    for (int i = 0; i < MaxLogEntries; ++i)
        AddLog(p, "Visitors praised the music and stayed until the morning.", lkGood);
    palm->SetMode(pmReport);
    ASSERT_GT(palm->ScreenHeight(), PalmViewHeight + 100);

    palm->SetScroll(40);
    palm->SetMode(pmReport);
    EXPECT_EQ(palm->mScrollY, 40);
    EXPECT_EQ(GameState.View.PalmScrollY, 40);

    palm->SetScroll(-50);
    EXPECT_EQ(palm->mScrollY, 0);
    palm->SetScroll(100000);
    EXPECT_EQ(palm->mScrollY, palm->ScreenHeight() - PalmViewHeight);

    GameState.BarDescrs.push_back(MakeBarDescr(2, 1000, 5));
    palm->SetMode(pmNewBuilding);
    palm->SetPage(1);
    EXPECT_EQ(palm->mPageIndx, 1);
    palm->SetMode(pmNewBuilding);
    EXPECT_EQ(palm->mPageIndx, 1);
    palm->SetMode(pmReport);
    EXPECT_EQ(palm->mPageIndx, 0);
    EXPECT_EQ(palm->mScrollY, 0);

    // A short page brings a scrolled position back within it.
    palm->SetScroll(100000);
    p.LogCount = 0;
    palm->UpdateInternalScreen();
    EXPECT_EQ(palm->ScreenHeight(), PalmViewHeight);
    EXPECT_EQ(palm->mScrollY, 0);
}

TEST_F(PalmScreen, ContinueIsOfferedOnlyWithAnAutosaveAndNoGame) {
    palm->SetMode(pmMainMenu);
    EXPECT_FALSE(palm->mContinueAvailable);
    EXPECT_EQ(palm->IsHotArea(70, 120), phNone);
    EXPECT_EQ(CellAt(Page(), 60, 117), (StripPoint{75, 390})); // greyed

    folder.WriteFile("save/autosave.sav", "x");
    palm->SetMode(pmMainMenu);
    EXPECT_TRUE(palm->mContinueAvailable);
    EXPECT_EQ(GameState.View.PalmContinueAvailable, 1);
    EXPECT_EQ(palm->IsHotArea(70, 120), phMenuContinue);
    EXPECT_EQ(CellAt(Page(), 60, 117), (StripPoint{0, 200}));

    palm->SetMode(pmNewGame);
    EXPECT_FALSE(palm->mContinueAvailable);
    GameState.GameInProgress = true;
    palm->SetMode(pmMainMenu);
    EXPECT_FALSE(palm->mContinueAvailable);
}

TEST_F(PalmScreen, MainMenuHotAreasFollowTheGame) {
    struct Probe {
        int x, y;
        uint8_t noGame, gameNoProperty, gameWithProperty;
    } probes[] = {
        {14, 14, phNone, phBack, phBack},
        {21, 7, phNone, phBack, phBack},
        {60, 92, phMenuAbout, phMenuAbout, phMenuAbout},
        {135, 111, phMenuAbout, phMenuAbout, phMenuAbout},
        {100, 112, phNone, phNone, phNone}, // gap between the buttons
        {100, 150, phMenuNewGame, phMenuNewGame, phMenuNewGame},
        {100, 170, phMenuLoadGame, phMenuLoadGame, phMenuLoadGame},
        {100, 200, phNone, phNone, phMenuSaveGame},
        {100, 230, phMenuExit, phMenuExit, phMenuExit},
    };
    palm->SetMode(pmMainMenu);
    for (const Probe& p : probes)
        EXPECT_EQ(palm->IsHotArea(p.x, p.y), p.noGame) << p.x << "," << p.y;
    EXPECT_EQ(CellAt(Page(), 10, 10), std::nullopt);
    EXPECT_EQ(CellAt(Page(), 60, 192), (StripPoint{75, 370}));

    GameState.GameInProgress = true;
    palm->SetMode(pmMainMenu);
    for (const Probe& p : probes)
        EXPECT_EQ(palm->IsHotArea(p.x, p.y), p.gameNoProperty) << p.x << "," << p.y;
    EXPECT_EQ(CellAt(Page(), 7, 7), (StripPoint{140, 75}));

    StartGameWithProperty();
    palm->SetMode(pmMainMenu);
    for (const Probe& p : probes)
        EXPECT_EQ(palm->IsHotArea(p.x, p.y), p.gameWithProperty) << p.x << "," << p.y;
    EXPECT_EQ(CellAt(Page(), 60, 192), (StripPoint{0, 180}));
    EXPECT_EQ(CellAt(Page(), 134, 236), (StripPoint{74, 239}));
}

TEST_F(PalmScreen, TheBackButtonExcludesItsBottomEdge) {
    StartGameWithProperty();
    palm->SetMode(pmDetails);
    EXPECT_EQ(palm->IsHotArea(21, 7), phBack);
    EXPECT_EQ(palm->IsHotArea(7, 20), phBack);
    EXPECT_EQ(palm->IsHotArea(7, 21), phNone);
    EXPECT_EQ(palm->IsHotArea(6, 7), phNone);
    EXPECT_EQ(CellAt(Page(), 7, 7), (StripPoint{140, 75}));

    // The report page has no back button.
    palm->SetMode(pmReport);
    EXPECT_EQ(palm->IsHotArea(10, 10), phNone);
    EXPECT_EQ(CellAt(Page(), 10, 10), std::nullopt);
}

TEST_F(PalmScreen, ScrollBarAreasAndTheThumbWinningAtTheBottom) {
    Property& p = StartGameWithProperty();
    palm->SetMode(pmReport);
    MakeReportJustTallerThanViewport(*palm, p);
    ASSERT_GT(palm->ScreenHeight(), PalmViewHeight);
    ASSERT_LT(palm->ScreenHeight(), PalmViewHeight + 20);

    // At the top the thumb covers 19..89.
    EXPECT_EQ(palm->ThumbTop(), 19);
    EXPECT_EQ(palm->IsHotArea(200, 0), phScrollUp);
    EXPECT_EQ(palm->IsHotArea(200, 19), phThumb);
    EXPECT_EQ(palm->IsHotArea(200, 89), phPageDown);
    EXPECT_EQ(palm->IsHotArea(200, 309), phPageDown);
    EXPECT_EQ(palm->IsHotArea(200, 310), phScrollDown);
    EXPECT_EQ(CellAt(Page(), 194, 0), (StripPoint{220, 0})); // active bar
    EXPECT_EQ(CellAt(Page(), 194, 19), (StripPoint{200, 40}));
    EXPECT_EQ(CellAt(Page(), 213, 88), (StripPoint{219, 109}));

    // At the bottom the thumb sits at 241..311 and, tested last, beats the down arrow.
    palm->SetScroll(100000);
    EXPECT_EQ(palm->ThumbTop(), 241);
    EXPECT_EQ(palm->IsHotArea(200, 240), phPageUp);
    EXPECT_EQ(palm->IsHotArea(200, 310), phThumb);
    EXPECT_EQ(palm->IsHotArea(200, 311), phScrollDown);
    EXPECT_EQ(palm->IsHotArea(193, 310), phNone);
    EXPECT_EQ(CellAt(Page(), 194, palm->mScrollY + 241), (StripPoint{200, 40}));

    // Page areas are tested in page coordinates: the tabs move up with the page.
    palm->SetScroll(2);
    EXPECT_EQ(palm->IsHotArea(10, 27), phTabDetails);
    EXPECT_EQ(palm->IsHotArea(10, 46), phNone);
}

TEST_F(PalmScreen, PaintingCopiesTheScrolledWindow) {
    Property& p = StartGameWithProperty();
    for (int i = 0; i < MaxLogEntries; ++i)
        AddLog(p, "Line " + std::to_string(i), lkNotice);
    palm->SetMode(pmReport);
    palm->SetScroll(50);
    Bitmap window(300, 400);
    palm->PaintTo(window.GetCanvas(), 10, 20);
    for (int y : {0, 100, 329})
        for (int x : {0, 100, 200, 213})
            EXPECT_EQ(window.Pixel(10 + x, 20 + y), Page().Pixel(x, 50 + y)) << x << "," << y;
    EXPECT_EQ(window.Pixel(9, 20), 0xFF000000u);
    EXPECT_EQ(window.Pixel(224, 20), 0xFF000000u);
    EXPECT_EQ(window.Pixel(10, 350), 0xFF000000u);
}

TEST_F(PalmScreen, TheCatalogueGreysTheEndsAndTheirButtons) {
    GameState.GameInProgress = true;
    for (int id = 1; id <= 3; ++id)
        GameState.BarDescrs.push_back(MakeBarDescr(id, 1000 * id, 5));
    palm->SetMode(pmNewBuilding);
    EXPECT_EQ(palm->IsHotArea(10, 170), phNone);
    EXPECT_EQ(palm->IsHotArea(100, 170), phNextBuilding);
    EXPECT_EQ(palm->IsHotArea(150, 40), phBuyBuilding);
    EXPECT_EQ(palm->IsHotArea(70, 170), phNextBuilding);      // shared edge: next is tested later
    EXPECT_EQ(CellAt(Page(), 5, 163), (StripPoint{90, 20}));  // previous greyed
    EXPECT_EQ(CellAt(Page(), 70, 163), (StripPoint{155, 0})); // next active
    EXPECT_EQ(CellAt(Page(), 140, 28), (StripPoint{90, 50}));

    palm->SetPage(2);
    EXPECT_EQ(palm->IsHotArea(10, 170), phPrevBuilding);
    EXPECT_EQ(palm->IsHotArea(100, 170), phNone);
    EXPECT_EQ(CellAt(Page(), 5, 163), (StripPoint{90, 0}));
    EXPECT_EQ(CellAt(Page(), 70, 163), (StripPoint{155, 20}));
    EXPECT_TRUE(host.ErrorBoxes.empty());

    // Beyond the list: reported, and only the back button is left.
    palm->SetPage(3);
    ASSERT_EQ(host.ErrorBoxes.size(), 1u);
    EXPECT_NE(ReadWholeFile(folder.Sub("debug.txt"))
                  .find("mPageIndx in GPalmScreen::UpdateInternalScreen is invalid"),
              std::string::npos);
    EXPECT_EQ(palm->IsHotArea(150, 40), phNone);
    EXPECT_EQ(palm->IsHotArea(10, 10), phBack);
    EXPECT_EQ(CellAt(Page(), 140, 28), std::nullopt);
}

TEST_F(PalmScreen, AnEmptyCatalogueShowsItsTitleAndReportsNothing) {
    GameState.GameInProgress = true;
    palm->SetMode(pmNewBuilding);
    EXPECT_TRUE(host.ErrorBoxes.empty());
    EXPECT_TRUE(AnyPixel(Page(), 5, 5, 189, 20, TextColor)); // the title box
    EXPECT_EQ(palm->IsHotArea(150, 40), phNone);
    EXPECT_EQ(palm->IsHotArea(10, 170), phNone);
}

TEST_F(PalmScreen, TheCurrentFeeRowIsNotHot) {
    Property& p = StartGameWithProperty();
    p.AdmissionFee = 2;
    palm->SetMode(pmManage);
    for (int r = 0; r <= 4; ++r) {
        int y = 120 + 17 * r;
        palm->LastHotIndex = 99;
        uint8_t area = palm->IsHotArea(80, y + 5);
        if (r == 2) {
            EXPECT_EQ(area, phNone);
            EXPECT_EQ(CellAt(Page(), 66, y + 1), std::nullopt);
        } else {
            EXPECT_EQ(area, phAdmissionFee) << r;
            EXPECT_EQ(palm->LastHotIndex, r);
            EXPECT_EQ(CellAt(Page(), 65, y), (StripPoint{75, 320}));
        }
    }
    EXPECT_EQ(palm->IsHotArea(80, 120 + 15), phNone); // between rows 0 and 1
    // No fee buttons without the building's description.
    GameState.BarDescrs.clear();
    palm->UpdateInternalScreen();
    EXPECT_EQ(palm->IsHotArea(80, 125), phNone);
}

TEST_F(PalmScreen, ReportTabsNeedASelectedProperty) {
    StartGameWithProperty();
    palm->SetMode(pmReport);
    EXPECT_EQ(palm->IsHotArea(5, 28), phTabDetails);
    EXPECT_EQ(palm->IsHotArea(100, 40), phTabStatistics);
    EXPECT_EQ(palm->IsHotArea(189, 47), phTabManage);
    EXPECT_EQ(palm->IsHotArea(65, 40), phNone);
    EXPECT_EQ(CellAt(Page(), 68, 28), (StripPoint{0, 60}));
    GameState.SelectedProperty = -1;
    palm->UpdateInternalScreen();
    EXPECT_EQ(palm->IsHotArea(5, 28), phNone);
    EXPECT_FALSE(AnyPixelNot(Page(), 0, 0, 194, 330, PageColor)); // nothing drawn
}

TEST_F(PalmScreen, DifficultyButtons) {
    palm->SetMode(pmNewGame);
    const StripPoint cells[4] = {{0, 370}, {75, 220}, {0, 410}, {0, 430}};
    for (int i = 0; i < 4; ++i) {
        int y = 75 + 25 * i;
        EXPECT_EQ(palm->IsHotArea(60, y), phDifficulty0 + i);
        EXPECT_EQ(palm->IsHotArea(135, y + 19), phDifficulty0 + i);
        EXPECT_EQ(palm->IsHotArea(100, y + 20), phNone);
        EXPECT_EQ(CellAt(Page(), 60, y), cells[i]);
    }
    EXPECT_EQ(palm->IsHotArea(14, 14), phBack);
}

TEST_F(PalmScreen, AnInvalidModeIsReportedOnceAndLeavesOnlyTheBackButton) {
    StartGameWithProperty();
    palm->SetMode(11);
    ASSERT_EQ(host.ErrorBoxes.size(), 1u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(palm->IsHotArea(14, 14), phBack);
    EXPECT_EQ(palm->IsHotArea(100, 40), phNone);
    palm->UpdateInternalScreen();
    EXPECT_EQ(host.ErrorBoxes.size(), 1u);
    std::string log = ReadWholeFile(folder.Sub("debug.txt"));
    EXPECT_NE(log.find("Invalid mData.Mode in GPalmScreen::UpdateInternalScreen: 11"),
              std::string::npos);
    EXPECT_EQ(CellAt(Page(), 7, 7), (StripPoint{140, 75}));
    EXPECT_FALSE(AnyPixelNot(Page(), 30, 0, 194, 330, PageColor));

    // Met again later, it is reported again.
    palm->SetMode(pmReport);
    GameState.View.PalmMode = 200;
    EXPECT_EQ(palm->IsHotArea(14, 14), phBack);
    ASSERT_EQ(host.ErrorBoxes.size(), 2u);
    log = ReadWholeFile(folder.Sub("debug.txt"));
    EXPECT_NE(log.find("Invalid mData.Mode in GPalmScreen::IsHotArea: 200"), std::string::npos);
}

TEST_F(PalmScreen, TheFireButtonNeedsAnEmployeeInTheSelectedPosition) {
    Property& p = StartGameWithProperty();
    GameState.CharDescrs.push_back(CharDescr{});
    GameState.CharDescrs[0].Id = 7;
    GameState.CharDescrs[0].IsProfession = 1;
    auto c = NewCharacterRecord();
    c->DescrId = 7;
    c->Employed = 1;
    c->EmployerId = p.BarId;
    c->SlotIndex = 3;
    GameState.Characters.push_back(std::move(c));
    GameState.SelectedSlot = 3;
    palm->SetMode(pmVacancyInfo);
    EXPECT_EQ(palm->IsHotArea(150, 140), phFireEmployee);
    EXPECT_EQ(CellAt(Page(), 140, 132), (StripPoint{90, 140}));
    GameState.SelectedSlot = 4;
    EXPECT_EQ(palm->IsHotArea(150, 140), phNone);
    GameState.SelectedSlot = 25;
    EXPECT_EQ(palm->IsHotArea(150, 140), phNone);
}

} // namespace
