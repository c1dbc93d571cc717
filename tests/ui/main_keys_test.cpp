// The main window's clock keys and the full-screen key, through the window's
// own key handler and through the event loop.
#include "DialogFixture.h"
#include "MainWindowFixture.h"

namespace {

class MainKeys : public MainWindowFixture {
protected:
    void SetUp() override {
        Open();
        NewGameAt(1);
        sounds.clear();
    }
};

TEST_F(MainKeys, DigitsChooseTheSpeedsAsTheButtonsDo) {
    struct Case {
        int key;
        int speed;
        int buttonX; // the speed button with the same effect
    } cases[] = {{'3', 2, 660}, {'1', 0, 600}, {'2', 1, 630}, {'1', 0, 600}};
    for (const Case& c : cases) {
        GameState.ClockSpeed = (c.speed + 1) % 3; // anything else
        window->FormMouseDown(mbLeft, ssLeft, c.buttonX, 420);
        const int byButton = GameState.ClockSpeed;
        GameState.ClockSpeed = (c.speed + 1) % 3;
        EXPECT_TRUE(window->FormKeyDown(c.key, 0));
        EXPECT_EQ(GameState.ClockSpeed, c.speed) << char(c.key);
        EXPECT_EQ(byButton, c.speed) << char(c.key);
    }
    EXPECT_EQ(sounds, std::vector<std::string>(8, "click"));
    // Held with Ctrl or Alt a digit is not a clock key.
    GameState.ClockSpeed = 1;
    EXPECT_FALSE(window->FormKeyDown('3', ssCtrl));
    EXPECT_FALSE(window->FormKeyDown('1', ssAlt));
    EXPECT_EQ(GameState.ClockSpeed, 1);
}

TEST_F(MainKeys, SpacePausesAndResumesTheSpeedItHad) {
    EXPECT_TRUE(window->FormKeyDown('3', 0));
    EXPECT_TRUE(window->FormKeyDown(vkSpace, 0));
    EXPECT_EQ(GameState.ClockSpeed, 0);
    EXPECT_TRUE(window->FormKeyDown(vkSpace, 0));
    EXPECT_EQ(GameState.ClockSpeed, 2);

    // Paused by the button after normal speed: Space resumes normal.
    window->FormMouseDown(mbLeft, ssLeft, 630, 420);
    window->FormMouseDown(mbLeft, ssLeft, 600, 420);
    EXPECT_TRUE(window->FormKeyDown(vkSpace, 0));
    EXPECT_EQ(GameState.ClockSpeed, 1);

    // A speed set from outside (a loaded game) is what a pause remembers.
    GameState.ClockSpeed = 2;
    EXPECT_TRUE(window->FormKeyDown(vkSpace, 0));
    EXPECT_TRUE(window->FormKeyDown(vkSpace, 0));
    EXPECT_EQ(GameState.ClockSpeed, 2);
    EXPECT_EQ(sounds.size(), 8u);
}

TEST_F(MainKeys, SpaceFromTheFirstPauseResumesNormalSpeed) {
    GameState.ClockSpeed = 0;
    EXPECT_TRUE(window->FormKeyDown(vkSpace, 0));
    EXPECT_EQ(GameState.ClockSpeed, 1);
}

TEST_F(MainKeys, F11TogglesFullScreenLikeAltEnter) {
    EXPECT_TRUE(window->FormKeyDown(vkF11, 0));
    EXPECT_TRUE(IsFullScreen);
    EXPECT_TRUE(window->FormKeyDown(vkReturn, ssAlt));
    EXPECT_FALSE(IsFullScreen);
    EXPECT_TRUE(window->FormKeyDown(vkF11, 0));
    EXPECT_TRUE(window->FormKeyDown(vkF11, 0));
    EXPECT_FALSE(IsFullScreen);
}

TEST_F(MainKeys, NoKeyActsWhileAModalWindowIsOpen) {
    GameState.ClockSpeed = 1;
    Window dialog(loop);
    Timer script(loop);
    script.SetInterval(10);
    script.OnTimer = [&] {
        script.SetEnabled(false);
        // Sent to the main window, as a window manager that keeps its focus would.
        for (SDL_Keycode key : {SDLK_3, SDLK_SPACE, SDLK_F11, SDLK_ESCAPE})
            loop.Dispatch(KeyEvent(*window, key));
        EXPECT_FALSE(window->FormKeyDown('1', 0));
        EXPECT_FALSE(window->FormKeyDown(vkF11, 0));
        dialog.SetModalResult(mrOk);
    };
    const int mode = PalmScreen->mData.Mode;
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(GameState.ClockSpeed, 1);
    EXPECT_FALSE(IsFullScreen);
    EXPECT_EQ(PalmScreen->mData.Mode, mode);
    EXPECT_TRUE(sounds.empty());

    // The same key through the loop once the dialog is gone does act.
    loop.Dispatch(KeyEvent(*window, SDLK_3));
    EXPECT_EQ(GameState.ClockSpeed, 2);
}

} // namespace
