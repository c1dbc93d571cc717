// The main window's hit test, its painted layers, its keys and its close query.
#include "MainWindowFixture.h"
#include "persist/Autosave.h"
#include "platform/Files.h"

namespace {

class MainWindow : public MainWindowFixture {
protected:
    void SetUp() override { Open(); }
};

TEST_F(MainWindow, HitTestBoundariesFollowTheFirstRectangleThatHolds) {
    NewGameAt(1);
    Buy(0);
    const int W = MainWidth;
    struct Case {
        int x, y;
        uint8_t want;
    } cases[] = {
        {580, 413, maSpeedPause},   {614, 413, maSpeedPause}, // both edges count, the first wins
        {615, 442, maSpeedNormal},  {648, 430, maSpeedNormal}, {682, 430, maSpeedFast},
        {683, 430, maNone},         {614, 443, maNone}, // the bottom row is outside
        {693, 413, maMenuButton},   {723, 442, maMenuButton},  {724, 420, maNone},
        {W - 51, 0, maMinimize},    {W - 35, 17, maMinimize},  {W - 34, 0, maFullScreen},
        {W - 18, 17, maFullScreen}, {W - 17, 0, maClose},      {W, 17, maClose},
        {W - 17, 18, maNone},       {760, 300, maNone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(window->HitTest(c.x, c.y), c.want) << "at " << c.x << ", " << c.y;

    // The palm's rectangle holds both its edges and asks the palm screen.
    for (Point p : {Point{524, 56}, Point{738, 56}, Point{524, 385}, Point{738, 385}}) {
        const uint8_t a = window->HitTest(p.x, p.y);
        EXPECT_TRUE(a == maPalm || a == maPalmIdle) << p.x << ", " << p.y;
    }
    EXPECT_EQ(window->HitTest(739, 200), maNone);

    // Rows 460..464 belong to both the plan page and the ruler: the ruler decides,
    // so a bare ruler spot there is the background, never the plan page.
    for (int y = 460; y <= 464; ++y) {
        const uint8_t a = window->HitTest(200, y);
        EXPECT_TRUE(a == maNone || a == maRuler) << y;
        EXPECT_EQ(Ruler->LastHotArea, Ruler->IsHotArea(200, y - 460));
    }
}

TEST_F(MainWindow, PaintsOnlyThePressedSpeedButtonAndTheMenuButtonInTheMenu) {
    for (int speed = 0; speed <= 2; ++speed) {
        GameState.ClockSpeed = speed;
        const Bitmap b = Paint();
        for (int other = 0; other <= 2; ++other) {
            const Coded at = CodeAt(b, 580 + 34 * other + 3, 413 + 4);
            if (other == speed)
                EXPECT_EQ(at, (Coded{coded_main::Speed, 34 * speed + 3, 4}));
            else
                EXPECT_NE(at.base, coded_main::Speed) << "speed " << speed << " button " << other;
        }
        // The palm screen opens on the main menu: cell 3 on the menu button.
        EXPECT_EQ(CodeAt(b, 691 + 5, 413 + 6), (Coded{coded_main::Speed, 102 + 5, 6}));
    }
    NewGameAt(0);
    EXPECT_NE(CodeAt(Paint(), 691 + 5, 413 + 6).base, coded_main::Speed);
}

TEST_F(MainWindow, DateAndCashAppearOnlyDuringAGame) {
    const Bitmap before = Paint();
    EXPECT_FALSE(AnyPixel(before, 526, 388, 656, 401, TextColor));
    EXPECT_FALSE(AnyPixel(before, 660, 388, 736, 401, TextColor));
    NewGameAt(1);
    const Bitmap after = Paint();
    EXPECT_TRUE(AnyPixel(after, 526, 388, 656, 401, TextColor));
    EXPECT_TRUE(AnyPixel(after, 660, 388, 736, 401, TextColor));
    // The strip's top line and divider.
    EXPECT_EQ(after.PixelColor(600, 386), TextColor);
    EXPECT_EQ(after.PixelColor(658, 395), TextColor);
}

TEST_F(MainWindow, ClosedNotebookCoversThePlanPageUntilABuildingIsOwned) {
    NewGameAt(1);
    Bitmap b = Paint();
    EXPECT_EQ(CodeAt(b, 10, 20), (Coded{coded_main::Closed, 10, 232 + 20}));
    EXPECT_EQ(CodeAt(b, 484, 270), (Coded{coded_main::Closed, 484, 232 + 270}));
    EXPECT_NE(CodeAt(b, 10, 474).base, coded_main::Closed);
    Buy(0);
    b = Paint();
    EXPECT_NE(CodeAt(b, 10, 20).base, coded_main::Closed);
}

TEST_F(MainWindow, FrameAndBorderIconsFollowTheScreenMode) {
    const Color frame = RGB(227, 183, 106);
    Bitmap b = Paint();
    EXPECT_EQ(b.PixelColor(0, 300), frame);
    EXPECT_EQ(b.PixelColor(779, 559), frame);
    EXPECT_EQ(CodeAt(b, MainWidth - 51 + 3, 4), (Coded{coded_main::Icons, 3, 3}));
    EXPECT_EQ(CodeAt(b, MainWidth - 34 + 3, 4), (Coded{coded_main::Icons, 16 + 3, 3}));
    EXPECT_EQ(CodeAt(b, MainWidth - 17 + 3, 4), (Coded{coded_main::Icons, 48 + 3, 3}));

    IsFullScreen = true;
    b = Paint();
    EXPECT_NE(b.PixelColor(0, 300), frame);
    EXPECT_EQ(CodeAt(b, MainWidth - 34 + 3, 4), (Coded{coded_main::Icons, 32 + 3, 3}));
    IsFullScreen = false;
}

TEST_F(MainWindow, AScreenBeyondTheBackgroundHasBlackMarginsAndTheNotebookAboveThePlayArea) {
    IsFullScreen = true;
    NewGameAt(1);
    const int W = 1600, H = 1200;
    const Point o = PlayAreaOrigin(W, H);
    ASSERT_EQ(o, (Point{410, 320}));
    const Bitmap b = Paint(W, H);
    // Without a background picture everything outside the panels is black.
    EXPECT_EQ(b.PixelColor(5, 5), RGB(0, 0, 0));
    EXPECT_EQ(b.PixelColor(W - 5, H - 5), RGB(0, 0, 0));
    // The closed notebook's rows above the play area exist only from row 0 of the
    // picture: 232 rows end at the play area's top; above them nothing of it.
    EXPECT_EQ(CodeAt(b, o.x + 7, o.y - 232), (Coded{coded_main::Closed, 7, 0}));
    EXPECT_EQ(CodeAt(b, o.x + 7, o.y - 1), (Coded{coded_main::Closed, 7, 231}));
    EXPECT_EQ(b.PixelColor(o.x + 7, o.y - 233), RGB(0, 0, 0));
    EXPECT_EQ(CodeAt(b, o.x + 7, o.y + 3), (Coded{coded_main::Closed, 7, 235}));
    IsFullScreen = false;
}

TEST_F(MainWindow, EscapeTogglesTheMenuAndAltEnterTheScreenMode) {
    NewGameAt(1);
    EXPECT_EQ(PalmScreen->mData.Mode, pmNewBuilding);
    EXPECT_TRUE(window->FormKeyDown(vkEscape, 0));
    EXPECT_EQ(PalmScreen->mData.Mode, pmMainMenu);
    EXPECT_TRUE(window->FormKeyDown(vkEscape, 0));
    EXPECT_EQ(PalmScreen->mData.Mode, pmNewBuilding);

    sounds.clear();
    EXPECT_TRUE(window->FormKeyDown(vkReturn, ssAlt));
    EXPECT_TRUE(IsFullScreen);
    EXPECT_TRUE(window->FormKeyDown(vkReturn, ssAlt));
    EXPECT_FALSE(IsFullScreen);
    EXPECT_TRUE(sounds.empty());
    EXPECT_FALSE(window->FormKeyDown('a', 0));
    EXPECT_FALSE(window->FormKeyDown(vkReturn, 0));
}

TEST_F(MainWindow, SpeedButtonsSetTheClockWithAClick) {
    NewGameAt(1);
    sounds.clear();
    window->FormMouseDown(mbLeft, ssLeft, 660, 420);
    EXPECT_EQ(GameState.ClockSpeed, 2);
    window->FormMouseDown(mbLeft, ssLeft, 614, 420);
    EXPECT_EQ(GameState.ClockSpeed, 0);
    window->FormMouseDown(mbLeft, ssLeft, 630, 420);
    EXPECT_EQ(GameState.ClockSpeed, 1);
    EXPECT_EQ(sounds, (std::vector<std::string>{"click", "click", "click"}));
}

TEST_F(MainWindow, ClockAdvancesAnHourEveryFourEventsAndStandsStillInACommand) {
    NewGameAt(1);
    Buy(0);
    ASSERT_EQ(GameState.ClockSpeed, 1);
    const double start = GameState.GameTime;
    for (int i = 0; i < 4; ++i)
        window->tmrClockTimer();
    EXPECT_NEAR(GameState.GameTime - start, 1.0 / 24, 1e-9);
    window->InTick = true;
    for (int i = 0; i < 8; ++i)
        window->tmrClockTimer();
    EXPECT_NEAR(GameState.GameTime - start, 1.0 / 24, 1e-9);
    window->InTick = false;
}

TEST_F(MainWindow, ACommandRestoresTheClockFlagItFound) {
    NewGameAt(1);
    window->InTick = true; // as inside the clock's own message window
    PalmScreen->SetMode(pmNewBuilding);
    ASSERT_TRUE(PressPalmArea(phNextBuilding));
    EXPECT_EQ(PalmScreen->mPageIndx, 1);
    EXPECT_TRUE(window->InTick);
    window->InTick = false;
    ASSERT_TRUE(PressPalmArea(phNextBuilding));
    EXPECT_FALSE(window->InTick);
}

TEST_F(MainWindow, APressOnBareBackgroundReturnsToTheDefaultPageAndStartsADrag) {
    NewGameAt(1);
    Buy(0);
    GameState.SelectedCharacter = 0;
    PalmScreen->SetMode(pmCharacterInfo);
    window->FormMouseDown(mbLeft, ssLeft, 760, 300);
    EXPECT_EQ(PalmScreen->mData.Mode, pmReport);
    EXPECT_EQ(GameState.SelectedCharacter, -1);
    EXPECT_TRUE(window->mDraggingWindow);
    window->FormMouseUp(mbLeft, 0, 760, 300);
    EXPECT_FALSE(window->mDraggingWindow);
}

TEST_F(MainWindow, CloseQueryWritesTheAutosaveOnlyWithABuilding) {
    EXPECT_TRUE(window->FormCloseQuery());
    EXPECT_FALSE(Files::Exists(AutosavePath()));
    NewGameAt(1);
    EXPECT_TRUE(window->FormCloseQuery());
    EXPECT_FALSE(Files::Exists(AutosavePath()));
    Buy(0);
    EXPECT_TRUE(window->FormCloseQuery());
    EXPECT_EQ(Files::Size(AutosavePath()), 8102 + 25328 * 1 + 152 * GameState.CharacterCount());
}

TEST_F(MainWindow, SettingsAreWrittenWhenTheWindowGoesAndTheQuitLineLogged) {
    IsFullScreen = true;
    window.reset();
    EXPECT_EQ(ReadSettingInt("MIsFullScreen"), 1);
    EXPECT_EQ(*Settings().ReadInt("MuteSound"), 0);
    EXPECT_EQ(*Settings().ReadText("InstallPath"),
              folder.Path().substr(0, folder.Path().size() - 1));
    EXPECT_NE(ReadWholeFile(folder.Sub("debug.txt")).find("*** Quitting the game... ***"),
              std::string::npos);
    IsFullScreen = false;
}

class MainWindowStartup : public MainWindowFixture {};

TEST_F(MainWindowStartup, WhatStartUpReportsReachesThePlayer) {
    folder.WriteFile("Buildings/99.dat", "not a building");
    Open();
    bool reported = false;
    for (const PromptCall& c : startupCalls)
        reported = reported || (c.Kind == "error" && c.Caption == "In-game error");
    EXPECT_TRUE(reported);
    EXPECT_NE(ReadWholeFile(folder.Sub("debug.txt")).find("99.dat"), std::string::npos);
}

} // namespace
