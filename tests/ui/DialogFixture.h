// The message window and the file dialogs on a fake event loop, with coded
// button cells (a probe tells which cell was drawn) in a temporary program
// folder. Under Xvfb the windows are real; without a display SDL's dummy
// driver stands in.
#pragma once

#include "UiTestSupport.h"
#include "platform/FakeLoop.h"
#include "platform/Video.h"
#include "platform/Window.h"
#include "sim/Random.h"
#include "support/TestEnv.h"
#include "ui/ScreenButtons.h"
#include "ui/Tempbitmap.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <memory>

namespace coded {
constexpr int Background = 150; // bgmsg
constexpr int Splash = 170;
constexpr int Buttons = 200; // pscreenbtns
} // namespace coded

// Events as SDL delivers them to a window.
inline SDL_Event KeyEvent(const Window& w, SDL_Keycode key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.windowID = w.Id();
    e.key.keysym.sym = key;
    return e;
}
inline SDL_Event TextEvent(const Window& w, const char* text) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = w.Id();
    SDL_strlcpy(e.text.text, text, sizeof e.text.text);
    return e;
}
inline SDL_Event PressEvent(const Window& w, int x, int y, Uint8 button = SDL_BUTTON_LEFT,
                            Uint8 clicks = 1) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.windowID = w.Id();
    e.button.button = button;
    e.button.clicks = clicks;
    e.button.x = x;
    e.button.y = y;
    return e;
}
inline SDL_Event MoveEvent(const Window& w, int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = w.Id();
    e.motion.x = x;
    e.motion.y = y;
    return e;
}
inline SDL_Event WheelEvent(const Window& w, int dy, int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.windowID = w.Id();
    e.wheel.y = dy;
    e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    e.wheel.mouseX = x;
    e.wheel.mouseY = y;
    return e;
}

class DialogFixture : public ::testing::Test {
protected:
    DialogFixture() {
        if (!std::getenv("DISPLAY")) setenv("SDL_VIDEODRIVER", "dummy", 1);
        video = EnsureVideo();
        ScreenButtons = std::make_unique<Bitmap>(MakeCodedBitmap(260, 450, coded::Buttons));
        TempBitmaps = std::make_unique<GTempBitmapCache>();
    }
    ~DialogFixture() override {
        ScreenButtons.reset();
        TempBitmaps.reset();
        SetRandomSourceForTesting({});
    }
    void SetUp() override { ASSERT_TRUE(video) << "no video system: " << VideoError(); }

    // The window's picture as it shows now, edit boxes included.
    static const Bitmap& Painted(Window& w) {
        w.Show();
        w.Invalidate();
        w.Update();
        return w.BackBuffer();
    }

    bool video = false;
    TempProgramFolder folder;
    HostRecorder host;
    FakeLoop f;
};
