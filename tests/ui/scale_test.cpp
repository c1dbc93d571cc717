// Whole-number scaling: the choice of scale for a desktop, the full-screen
// layout size, pointer positions divided back, the picture shown N times its
// size, and the main window's scale keys and setting.
#include "DialogFixture.h"
#include "MainWindowFixture.h"
#include "platform/Canvas.h"
#include "platform/Scale.h"
#include "ui/FileDialog.h"
#include "ui/Message.h"

#include <SDL.h>

#include <cstring>

namespace {

constexpr Point Game{MainWidth, MainHeight};

SDL_Event ReleaseEvent(const Window& w, int x, int y) {
    SDL_Event e = PressEvent(w, x, y);
    e.type = SDL_MOUSEBUTTONUP;
    return e;
}

TEST(Scale, AutomaticAndFullScreenChoicesForCommonDesktops) {
    struct Case {
        Point desktop;
        int automatic;
        int full;
        Point logical; // the full-screen layout size
    } cases[] = {
        {{1920, 1080}, 1, 1, {1920, 1080}}, {{2560, 1440}, 2, 2, {1280, 720}},
        {{3840, 2160}, 3, 3, {1280, 720}},  {{1024, 768}, 1, 1, {1024, 768}},
        {{800, 600}, 1, 1, {800, 600}},     {{640, 480}, 1, 1, {640, 480}}, // too small: still 1
        {{1560, 1120}, 1, 2, {780, 560}},   // exactly twice: full screen fits, 90 % does not
        {{7680, 4320}, 4, 4, {1920, 1080}}, // never above 4
        {{2001, 1301}, 2, 2, {1000, 650}},  // a remainder of one pixel each way
        {{1734, 1245}, 2, 2, {867, 622}},   // 90 %: 1560.6 x 1120.5 holds 1560 x 1120
        {{1733, 1245}, 1, 2, {866, 622}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AutomaticScale(c.desktop, Game), c.automatic)
            << c.desktop.x << "x" << c.desktop.y;
        EXPECT_EQ(FullScreenScale(c.desktop, Game), c.full) << c.desktop.x << "x" << c.desktop.y;
        EXPECT_EQ(FullScreenLogicalSize(c.desktop, Game), c.logical)
            << c.desktop.x << "x" << c.desktop.y;
    }
}

TEST(Scale, AStoredChoiceOverridesTheAutomaticOne) {
    EXPECT_EQ(EffectiveScale(0, 3), 3);
    EXPECT_EQ(EffectiveScale(1, 3), 1);
    EXPECT_EQ(EffectiveScale(4, 1), 4);
    EXPECT_EQ(EffectiveScale(5, 2), 2); // out of range: automatic
    EXPECT_EQ(EffectiveScale(-1, 2), 2);
}

TEST(Scale, PointerPositionsFallOnTheLogicalPixelUnderThem) {
    struct Case {
        Point physical;
        int scale;
        Point logical;
    } cases[] = {
        {{0, 0}, 2, {0, 0}},          {{1, 1}, 2, {0, 0}},          {{1159, 825}, 2, {579, 412}},
        {{1160, 826}, 2, {580, 413}}, {{1229, 887}, 2, {614, 443}}, {{1230, 888}, 2, {615, 444}},
        {{-1, -2}, 2, {-1, -1}},      {{-3, 5}, 3, {-1, 1}},        {{8, 11}, 4, {2, 2}},
        {{7, 7}, 1, {7, 7}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PhysicalToLogical(c.physical, c.scale), c.logical)
            << c.physical.x << ", " << c.physical.y << " at " << c.scale;
}

// A window painting a pixel pattern, so every pixel of the screen picture
// tells which logical pixel it came from.
class Pattern : public Window {
public:
    using Window::Window;
    std::vector<Point> Presses;

protected:
    void OnPaint(Canvas& c) override {
        for (int y = 0; y < c.Target().Height(); ++y)
            for (int x = 0; x < c.Target().Width(); ++x)
                c.Target().SetPixel(x, y, RGB(x & 255, y & 255, (x * 7 + y * 3) & 255));
    }
    void OnMouseDown(MouseButton, ShiftState, int x, int y) override { Presses.push_back({x, y}); }
};

class ScaledWindow : public ::testing::Test {
protected:
    ~ScaledWindow() override { Window::SetScale(1); }
    FakeLoop f;
};

TEST_F(ScaledWindow, ShowsEachLogicalPixelAsABlockAndDividesPressesBack) {
    for (int n : {2, 3}) {
        Window::SetScale(n);
        Pattern w(f.loop);
        ASSERT_TRUE(w.Create("scaled", 61, 37));
        EXPECT_EQ(w.Bounds().Width(), 61 * n);
        EXPECT_EQ(w.ClientWidth(), 61);
        EXPECT_EQ(w.ClientHeight(), 37);
        w.Show();
        w.Update();
        ASSERT_EQ(w.BackBuffer().Width(), 61);
        ASSERT_EQ(w.BackBuffer().Height(), 37);
        SDL_Surface* screen = SDL_GetWindowSurface(w.Handle());
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(screen->w, 61 * n);
        int wrong = 0;
        SDL_LockSurface(screen);
        for (int y = 0; y < screen->h; ++y)
            for (int x = 0; x < screen->w; ++x) {
                Uint32 v = 0;
                std::memcpy(&v,
                            static_cast<Uint8*>(screen->pixels) + y * screen->pitch +
                                x * screen->format->BytesPerPixel,
                            screen->format->BytesPerPixel);
                Uint8 r, g, b;
                SDL_GetRGB(v, screen->format, &r, &g, &b);
                const Color want = w.BackBuffer().PixelColor(x / n, y / n);
                if (RGB(r, g, b) != want) ++wrong;
            }
        SDL_UnlockSurface(screen);
        EXPECT_EQ(wrong, 0) << "at scale " << n;

        // The edges of logical pixel (10, 20) and its neighbours.
        for (Point p :
             {Point{10 * n, 20 * n}, Point{11 * n - 1, 21 * n - 1}, Point{11 * n, 20 * n}})
            w.HandleEvent(PressEvent(w, p.x, p.y));
        EXPECT_EQ(w.Presses, (std::vector<Point>{{10, 20}, {10, 20}, {11, 20}}));
        EXPECT_EQ(w.ScreenToClient(w.ClientToScreen({10, 20})), (Point{10, 20}));
    }
}

TEST_F(ScaledWindow, DialogsAreScaledAndCentredOverTheScaledMainWindow) {
    TempProgramFolder folder;
    Window::SetScale(2);
    Window main(f.loop);
    ASSERT_TRUE(main.Create("Quelbrin", 780, 560));
    f.loop.SetMainWindow(&main);
    const Rect m = main.Bounds();
    ASSERT_EQ(m.Width(), 1560);

    TformMessage about(f.loop);
    about.Prepare(mqAbout, "Text", "Caption", "");
    Rect b = about.Bounds();
    EXPECT_EQ(b.Width(), 960);
    EXPECT_EQ(b.Height(), 562);
    EXPECT_EQ(about.ClientWidth(), 480);
    EXPECT_EQ(b.left - m.left, (1560 - 960) / 2);
    EXPECT_EQ(b.top - m.top, (1120 - 562) / 2);

    TformFileDialog open(FileDialogKind::Open, folder.Path(), f.loop);
    open.Prepare();
    b = open.Bounds();
    EXPECT_EQ(b.Width(), 2 * TformFileDialog::Width);
    EXPECT_EQ(b.Height(), 2 * TformFileDialog::Height);
    EXPECT_EQ(open.ClientWidth(), TformFileDialog::Width);
    EXPECT_EQ(b.left - m.left, (1560 - 2 * TformFileDialog::Width) / 2);
    EXPECT_EQ(b.top - m.top, (1120 - 2 * TformFileDialog::Height) / 2);
    f.loop.SetMainWindow(nullptr);
}

class ScaledMain : public MainWindowFixture {
protected:
    ~ScaledMain() override {
        window.reset();
        Window::SetScale(1);
    }
};

TEST_F(ScaledMain, PressesAtTwiceTheCoordinatesHitTheSpeedButtonsEdges) {
    WriteSettingInt("WindowScale", 2);
    Open();
    ASSERT_TRUE(window->IsOpen());
    EXPECT_EQ(Window::Scale(), 2);
    EXPECT_EQ(window->Bounds().Width(), 1560);
    EXPECT_EQ(window->Bounds().Height(), 1120);
    EXPECT_EQ(window->ClientWidth(), MainWidth);
    NewGameAt(1);
    struct Case {
        int x, y;
        int speed; // -1: nothing pressed
    } cases[] = {
        // Pause holds x 580..614 and y 413..442; at 2x, x 1160..1229 and y 826..885.
        {1160, 826, 0}, {1229, 885, 0},  {1230, 840, 1},  {1297, 840, 1},  {1298, 840, 2},
        {1365, 840, 2}, {1366, 840, -1}, {1159, 840, -1}, {1200, 825, -1}, {1200, 886, -1},
    };
    for (const Case& c : cases) {
        GameState.ClockSpeed = 7;
        loop.Dispatch(PressEvent(*window, c.x, c.y));
        loop.Dispatch(ReleaseEvent(*window, c.x, c.y));
        EXPECT_EQ(GameState.ClockSpeed, c.speed < 0 ? 7 : c.speed) << c.x << ", " << c.y;
    }
    GameState.ClockSpeed = 1;
}

TEST_F(ScaledMain, CtrlPlusMinusAndZeroStepTheScaleAroundTheCentreAndItIsStored) {
    Open();
    ASSERT_TRUE(window->IsOpen());
    ASSERT_TRUE(window->Start());
    // The test screen (1280 x 1024) is too small for 2 automatically.
    EXPECT_EQ(window->WindowedScale(), 1);
    EXPECT_EQ(window->Bounds().Width(), 780);
    const Rect before = window->Bounds();
    EXPECT_TRUE(window->FormKeyDown('=', ssCtrl));
    EXPECT_EQ(window->ScaleSetting(), 2);
    const Rect after = window->Bounds();
    EXPECT_EQ(before.left + before.right, after.left + after.right) << "same centre";
    EXPECT_EQ(before.top + before.bottom, after.top + after.bottom) << "same centre";
    EXPECT_EQ(Window::Scale(), 2);
    EXPECT_EQ(window->Bounds().Width(), 1560);
    EXPECT_EQ(window->Bounds().Height(), 1120);
    EXPECT_EQ(window->ClientWidth(), MainWidth);
    EXPECT_TRUE(window->FormKeyDown('+', ssCtrl | ssShift));
    EXPECT_TRUE(window->FormKeyDown(vkKpPlus, ssCtrl));
    EXPECT_TRUE(window->FormKeyDown('+', ssCtrl));
    EXPECT_EQ(window->ScaleSetting(), 4) << "never above 4";
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(window->FormKeyDown('-', ssCtrl));
    EXPECT_EQ(window->ScaleSetting(), 1) << "never below 1";
    EXPECT_EQ(window->Bounds().Width(), 780);
    EXPECT_TRUE(window->FormKeyDown(vkKpPlus, ssCtrl));
    EXPECT_TRUE(window->FormKeyDown('0', ssCtrl));
    EXPECT_EQ(window->ScaleSetting(), 0);
    EXPECT_EQ(Window::Scale(), 1);
    EXPECT_EQ(window->Bounds().Width(), 780);
    // Without Ctrl the same keys are no scale keys.
    EXPECT_FALSE(window->FormKeyDown('=', 0));
    EXPECT_FALSE(window->FormKeyDown('-', 0));
    EXPECT_EQ(window->ScaleSetting(), 0);

    EXPECT_TRUE(window->FormKeyDown('=', ssCtrl));
    window.reset();
    EXPECT_EQ(ReadSettingInt("WindowScale"), 2);
}

} // namespace
