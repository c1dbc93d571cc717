// Windows on SDL's dummy video driver: events are made by hand and dispatched
// through the loop, so routing, key preview, edit boxes and painting are
// checked without a display.
#include "platform/FakeLoop.h"

#include "platform/Canvas.h"
#include "platform/EditBox.h"
#include "platform/Timer.h"
#include "platform/Video.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Recorder : Window {
    using Window::Window;
    std::vector<std::string> log;
    bool previewEscape = true;
    bool allowClose = true;
    int paints = 0;
    void OnPaint(Canvas& c) override {
        ++paints;
        c.SetBrushColor(RGB(208, 168, 97));
        c.FillRect({0, 0, c.Target().Width(), c.Target().Height()});
    }
    void OnMouseDown(MouseButton b, ShiftState s, int x, int y) override {
        log.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " +
                      std::to_string(x) + "," + std::to_string(y));
    }
    void OnMouseMove(ShiftState s, int x, int y) override {
        log.push_back("move " + std::to_string(s) + " " + std::to_string(x) + "," +
                      std::to_string(y));
    }
    void OnMouseUp(MouseButton b, ShiftState, int x, int y) override {
        log.push_back("up " + std::to_string(b) + " " + std::to_string(x) + "," +
                      std::to_string(y));
    }
    bool OnKeyDown(int key, ShiftState s) override {
        log.push_back("key " + std::to_string(key) + " " + std::to_string(s));
        return key == vkEscape ? previewEscape : key == vkReturn;
    }
    bool OnCloseQuery() override {
        log.push_back("closequery");
        return allowClose;
    }
    void OnClosed() override { log.push_back("closed"); }
};

SDL_Event Mouse(Uint32 type, const Window& w, int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEMOTION) {
        e.motion.windowID = w.Id();
        e.motion.x = x;
        e.motion.y = y;
        e.motion.state = SDL_BUTTON_LMASK;
    } else {
        e.button.windowID = w.Id();
        e.button.button = button;
        e.button.x = x;
        e.button.y = y;
    }
    return e;
}

SDL_Event Key(const Window& w, SDL_Keycode key, Uint16 mod = 0) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.windowID = w.Id();
    e.key.keysym.sym = key;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event Text(const Window& w, const char* text) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = w.Id();
    SDL_strlcpy(e.text.text, text, sizeof e.text.text);
    return e;
}

SDL_Event WindowEvent(const Window& w, Uint8 what) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = w.Id();
    e.window.event = what;
    return e;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_TRUE(EnsureVideo());
    }
};

} // namespace

TEST_F(WindowTest, MouseEventsReachTheWindowWithButtonAndPosition) {
    FakeLoop f;
    Recorder w(f.loop);
    ASSERT_TRUE(w.Create("Quelbrin", 780, 560));
    w.Show();
    f.loop.Dispatch(Mouse(SDL_MOUSEBUTTONDOWN, w, 10, 20));
    f.loop.Dispatch(Mouse(SDL_MOUSEMOTION, w, 11, 22));
    f.loop.Dispatch(Mouse(SDL_MOUSEBUTTONUP, w, 12, 23));
    f.loop.Dispatch(Mouse(SDL_MOUSEBUTTONDOWN, w, 5, 6, SDL_BUTTON_RIGHT));
    f.loop.Dispatch(Mouse(SDL_MOUSEBUTTONDOWN, w, 5, 6, SDL_BUTTON_X1)); // not a button we know
    const std::vector<std::string> want = {"down 0 8 10,20", "move 8 11,22", "up 0 12,23",
                                           "down 1 16 5,6"};
    EXPECT_EQ(w.log, want);
    EXPECT_EQ(w.ClientWidth(), 780);
    EXPECT_EQ(w.ClientHeight(), 560);
}

TEST_F(WindowTest, PaintComposesTheWholeWindowOffScreen) {
    FakeLoop f;
    Recorder w(f.loop);
    ASSERT_TRUE(w.Create("Quelbrin", 64, 32));
    EXPECT_EQ(w.paints, 0);
    f.loop.PaintInvalid(); // hidden windows are not painted
    EXPECT_EQ(w.paints, 0);
    w.Show();
    f.loop.RunOnce(0);
    EXPECT_EQ(w.paints, 1);
    EXPECT_EQ(w.BackBuffer().Width(), 64);
    EXPECT_EQ(w.BackBuffer().PixelColor(63, 31), RGB(208, 168, 97));
    f.loop.RunOnce(0);
    EXPECT_EQ(w.paints, 1); // nothing invalid, nothing painted
    w.Invalidate({0, 0, 10, 10});
    w.Update();
    EXPECT_EQ(w.paints, 2);
    w.SetBounds(10, 20, 100, 50);
    w.Update();
    EXPECT_EQ(w.BackBuffer().Width(), 100);
    EXPECT_EQ(w.Bounds(), (Rect{10, 20, 110, 70}));
    EXPECT_EQ(w.ScreenToClient({15, 25}), (Point{5, 5}));
    EXPECT_EQ(w.ClientToScreen({5, 5}), (Point{15, 25}));
}

TEST_F(WindowTest, ModalWindowAloneTakesInputAndKeys) {
    FakeLoop f;
    Recorder owner(f.loop), dialog(f.loop);
    ASSERT_TRUE(owner.Create("Quelbrin", 200, 100));
    ASSERT_TRUE(dialog.Create("Message", 50, 40, &owner));
    owner.Show();
    EXPECT_EQ(dialog.Bounds().left, owner.Bounds().left + 75); // centred over its owner

    f.queue = {Mouse(SDL_MOUSEBUTTONDOWN, owner, 1, 1), WindowEvent(owner, SDL_WINDOWEVENT_CLOSE),
               Key(owner, SDLK_a), // focus still on the owner: the dialog gets it
               Mouse(SDL_MOUSEBUTTONDOWN, dialog, 3, 4), Key(dialog, SDLK_ESCAPE)};
    Timer t(f.loop);
    t.SetInterval(10);
    t.OnTimer = [&] {
        if (f.queue.empty()) dialog.SetModalResult(mrCancel);
    };
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_TRUE(owner.log.empty());
    const std::vector<std::string> want = {"key 97 0", "down 0 8 3,4", "key 27 0"};
    EXPECT_EQ(dialog.log, want);
    EXPECT_TRUE(owner.IsOpen());
}

TEST_F(WindowTest, CloseGoesThroughTheCloseQuery) {
    FakeLoop f;
    Recorder main(f.loop), dialog(f.loop);
    ASSERT_TRUE(main.Create("Quelbrin", 100, 100));
    f.loop.SetMainWindow(&main);
    main.allowClose = false;
    f.loop.Dispatch(WindowEvent(main, SDL_WINDOWEVENT_CLOSE));
    EXPECT_TRUE(main.IsOpen());
    EXPECT_FALSE(f.loop.QuitCalled());

    // A close of a modal window ends it with Cancel.
    ASSERT_TRUE(dialog.Create("Message", 50, 50));
    f.queue = {WindowEvent(dialog, SDL_WINDOWEVENT_CLOSE)};
    EXPECT_EQ(dialog.ShowModal(), mrCancel);

    main.allowClose = true;
    main.log.clear();
    f.loop.Dispatch(WindowEvent(main, SDL_WINDOWEVENT_CLOSE));
    EXPECT_FALSE(main.IsOpen());
    EXPECT_TRUE(f.loop.QuitCalled());
    EXPECT_EQ(main.log, (std::vector<std::string>{"closequery", "closed"}));
}

TEST_F(WindowTest, KeyPreviewComesBeforeTheEditBox) {
    FakeLoop f;
    Recorder w(f.loop);
    ASSERT_TRUE(w.Create("Message", 300, 170));
    w.Show();
    EditBox box(w);
    box.SetBounds({40, 108, 260, 128});
    box.SetText("Bar");
    box.SetVisible(true);
    EXPECT_TRUE(box.Focused());
    for (const SDL_Event& e : {Text(w, "ry's"), Key(w, SDLK_BACKSPACE), Key(w, SDLK_LEFT),
                               Key(w, SDLK_DELETE), Text(w, "é"), Key(w, SDLK_RETURN)})
        f.loop.Dispatch(e);
    EXPECT_EQ(box.Text(), "Barryé");
    EXPECT_EQ(w.log.back(), "key 13 0"); // the window saw Enter first and kept it
    f.loop.Dispatch(Key(w, SDLK_BACKSPACE));
    EXPECT_EQ(box.Text(), "Barry"); // a two-byte character goes in one step

    // A press on the box is the box's own; the window does not see it.
    w.log.clear();
    f.loop.Dispatch(Mouse(SDL_MOUSEBUTTONDOWN, w, 50, 110));
    EXPECT_TRUE(w.log.empty());

    w.Update();
    const Bitmap& b = w.BackBuffer();
    EXPECT_EQ(b.PixelColor(40, 108), RGB(255, 255, 255)); // its frame over the painting
    EXPECT_EQ(b.PixelColor(45, 126), RGB(0, 0, 0));       // its own background
    EXPECT_EQ(b.PixelColor(39, 108), RGB(208, 168, 97));

    box.SetVisible(false);
    f.loop.Dispatch(Text(w, "x"));
    EXPECT_EQ(box.Text(), "Barry");
    box.SetMaxLength(6);
    box.SetVisible(true);
    f.loop.Dispatch(Text(w, "xy")); // would pass the limit
    EXPECT_EQ(box.Text(), "Barry");
    box.SetText("ab\xC3\xA9z");
    box.SetMaxLength(3);
    box.SetText("ab\xC3\xA9z"); // never half a character
    EXPECT_EQ(box.Text(), "ab");
}
