// The message window: its four modes' sizes, hot areas, keys and clicks, the
// painting probed pixel by pixel, and modal runs ended by real SDL events.
#include "DialogFixture.h"

#include "model/GameInfo.h"
#include "platform/Timer.h"
#include "ui/Message.h"
#include "ui/MessageLook.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr Color Backdrop = RGB(20, 30, 40);

class MessageWindowTest : public DialogFixture {
protected:
    // A plain background, so every pixel that differs from it was drawn.
    void PlainBackground() { WriteSolidBmp(folder.Sub("Images/bgmsg.bmp"), 640, 420, Backdrop); }
    static int LineHeight() {
        Bitmap b(1, 1);
        return b.GetCanvas().TextHeight("A");
    }
    std::vector<std::string> opened;
    void RecordAddresses(TformMessage& w) {
        w.mOpenAddress = [this](const std::string& a) {
            opened.push_back(a);
            return true;
        };
    }
};

TEST_F(MessageWindowTest, EachModeHasItsSizeAndItsHotAreasEndAtTheirEdges) {
    struct Probe {
        int x, y;
        uint8_t area;
    };
    struct Case {
        uint8_t mode;
        int w, h;
        std::vector<Probe> probes;
    } cases[] = {
        {mqMessage,
         300,
         130,
         {{113, 100, mhOk},
          {188, 119, mhOk},
          {112, 110, mhNone},
          {189, 110, mhNone},
          {150, 99, mhNone},
          {150, 120, mhNone}}},
        {mqQuestion,
         300,
         130,
         {{73, 100, mhYes},
          {148, 119, mhYes},
          {72, 110, mhNone},
          {150, 110, mhNone},
          {152, 100, mhNo},
          {227, 119, mhNo},
          {228, 110, mhNone},
          {100, 120, mhNone}}},
        {mqInput,
         300,
         170,
         {{73, 140, mhOk},
          {148, 159, mhOk},
          {152, 140, mhCancel},
          {227, 159, mhCancel},
          {150, 150, mhNone},
          {100, 139, mhNone},
          {100, 160, mhNone}}},
        {mqAbout,
         480,
         281,
         {{280, 178, mhHomePage},
          {470, 193, mhHomePage},
          {279, 185, mhNone},
          {280, 194, mhSupport},
          {300, 209, mhSupport},
          {300, 210, mhNone},
          {390, 250, mhOk},
          {465, 269, mhOk},
          {389, 260, mhNone},
          {466, 260, mhNone},
          {400, 270, mhNone}}},
    };
    Window main(f.loop);
    ASSERT_TRUE(main.Create("Quelbrin", 780, 560));
    f.loop.SetMainWindow(&main);
    for (const Case& c : cases) {
        TformMessage w(f.loop);
        w.Prepare(c.mode, "Text", "Caption", "");
        EXPECT_EQ(w.ClientWidth(), c.w) << int(c.mode);
        EXPECT_EQ(w.ClientHeight(), c.h) << int(c.mode);
        const Rect m = main.Bounds(), b = w.Bounds();
        EXPECT_EQ(b.left - m.left, (780 - c.w) / 2) << "centred over the main window";
        EXPECT_EQ(b.top - m.top, (560 - c.h) / 2);
        EXPECT_EQ(Painted(w).Width(), c.w);
        for (const Probe& p : c.probes)
            EXPECT_EQ(w.GetHotArea(p.x, p.y), p.area)
                << "mode " << int(c.mode) << " at " << p.x << "," << p.y;
    }
    f.loop.SetMainWindow(nullptr);
}

TEST_F(MessageWindowTest, EscapeCancelsAndEnterIsOkInEveryMode) {
    struct Case {
        uint8_t mode;
        const char* initial;
        const char* typed;
        SDL_Keycode key;
        int result;
        const char* input;
    } cases[] = {
        {mqMessage, "", "", SDLK_RETURN, mrOk, ""},
        {mqMessage, "", "", SDLK_ESCAPE, mrCancel, ""},
        {mqQuestion, "", "", SDLK_RETURN, mrOk, ""}, // Enter is OK, not Yes
        {mqQuestion, "", "", SDLK_ESCAPE, mrCancel, ""},
        {mqAbout, "", "", SDLK_RETURN, mrOk, ""},
        {mqInput, "Joe's", " Bar", SDLK_RETURN, mrOk, "Joe's Bar"},
        {mqInput, "Joe's", " Bar", SDLK_KP_ENTER, mrOk, "Joe's Bar"},
        {mqInput, "Joe's", " Bar", SDLK_ESCAPE, mrCancel, ""}, // even with text in the box
        {mqInput, "", "", SDLK_RETURN, mrOk, ""},
    };
    for (const Case& c : cases) {
        host.Sounds.clear();
        TformMessage w(f.loop);
        w.Prepare(c.mode, "Name your bar:", "Rename", c.initial);
        w.Show();
        EXPECT_EQ(w.edInputText.Visible(), c.mode == mqInput);
        f.loop.Dispatch(TextEvent(w, c.typed));
        f.loop.Dispatch(KeyEvent(w, SDLK_a)); // other keys leave it open
        EXPECT_EQ(w.ModalResult(), mrNone);
        f.loop.Dispatch(KeyEvent(w, c.key));
        EXPECT_EQ(w.ModalResult(), c.result) << int(c.mode) << " key " << c.key;
        EXPECT_EQ(w.mInputText, c.input) << int(c.mode) << " key " << c.key;
        EXPECT_EQ(host.Sounds, std::vector<std::string>{"click"});
    }
}

TEST_F(MessageWindowTest, ButtonsCloseWithTheirResultsOnALeftClickOnly) {
    struct Case {
        uint8_t mode;
        int x, y;
        Uint8 button;
        int result;
        const char* input;
    } cases[] = {
        {mqMessage, 150, 110, SDL_BUTTON_LEFT, mrOk, ""},
        {mqMessage, 150, 60, SDL_BUTTON_LEFT, mrNone, ""},
        {mqQuestion, 100, 110, SDL_BUTTON_LEFT, mrYes, ""},
        {mqQuestion, 200, 110, SDL_BUTTON_LEFT, mrNo, ""},
        {mqQuestion, 100, 110, SDL_BUTTON_RIGHT, mrNone, ""},
        {mqInput, 100, 150, SDL_BUTTON_LEFT, mrOk, "Bar"},
        {mqInput, 200, 150, SDL_BUTTON_LEFT, mrCancel, ""},
        {mqAbout, 420, 260, SDL_BUTTON_LEFT, mrOk, ""},
    };
    for (const Case& c : cases) {
        host.Sounds.clear();
        TformMessage w(f.loop);
        w.Prepare(c.mode, "Text", "Caption", "Bar");
        w.Show();
        f.loop.Dispatch(PressEvent(w, c.x, c.y, c.button));
        EXPECT_EQ(w.ModalResult(), c.result) << int(c.mode) << " at " << c.x << "," << c.y;
        EXPECT_EQ(w.mInputText, c.input);
        EXPECT_EQ(host.Sounds.size(), c.result == mrNone ? 0u : 1u);
    }
}

TEST_F(MessageWindowTest, AddressLinesOpenTheirAddressesAndLeaveTheAboutPageOpen) {
    TformMessage w(f.loop);
    RecordAddresses(w);
    w.Prepare(mqAbout, "", "About The Game");
    w.Show();
    f.loop.Dispatch(PressEvent(w, 300, 180));
    f.loop.Dispatch(PressEvent(w, 300, 200));
    f.loop.Dispatch(PressEvent(w, 300, 220)); // below both lines
    EXPECT_EQ(opened, (std::vector<std::string>{std::string(GameHomePage),
                                                std::string("mailto:") + SupportEmail}));
    EXPECT_EQ(w.ModalResult(), mrNone);
    EXPECT_EQ(host.Sounds, (std::vector<std::string>{"click", "click"}));
}

TEST_F(MessageWindowTest, TheCursorChangesOverHotAreas) {
    TformMessage w(f.loop);
    EXPECT_EQ(w.CursorEntry(), 3);
    w.Prepare(mqQuestion, "Sell it?", "Sell");
    w.Show();
    f.loop.Dispatch(MoveEvent(w, 100, 110));
    EXPECT_EQ(w.CursorEntry(), 4);
    f.loop.Dispatch(MoveEvent(w, 150, 110)); // between Yes and No
    EXPECT_EQ(w.CursorEntry(), 3);
}

TEST_F(MessageWindowTest, TheBodyIsWrappedInItsMarginsAndEndsAtTheModesLine) {
    PlainBackground();
    const std::string longText = "The police raided Joe's Bar last night and found the "
                                 "hidden cameras. You were fined and the cameras were taken.";
    const int lh = LineHeight();
    struct Case {
        uint8_t mode;
        int bottom;
    } cases[] = {{mqMessage, 90}, {mqQuestion, 80}, {mqInput, 104}};
    for (const Case& c : cases)
        for (const std::string& text : {std::string("Sold."), longText}) {
            TformMessage w(f.loop);
            w.Prepare(c.mode, text, "Police", "");
            const Bitmap& b = Painted(w);
            const int right = 300 - 40;
            Bitmap measure(1, 1);
            const int h = measure.GetCanvas().MeasureWrapped(220, text);
            ASSERT_EQ(h % lh, 0);
            const std::string what = std::to_string(c.mode) + " " + text.substr(0, 5);
            EXPECT_TRUE(AnyPixelNot(b, 40, c.bottom - lh, right, c.bottom, Backdrop)) << what;
            EXPECT_FALSE(AnyPixelNot(b, 40, c.bottom, right, c.bottom + 4, Backdrop)) << what;
            // The first line sits h above the end, with nothing above it.
            EXPECT_TRUE(AnyPixelNot(b, 40, c.bottom - h, right, c.bottom - h + lh, Backdrop));
            EXPECT_FALSE(AnyPixelNot(b, 1, 30, 299, c.bottom - h, Backdrop)) << what;
            // Nothing in the margins.
            EXPECT_FALSE(AnyPixelNot(b, 1, 30, 40, c.bottom + 4, Backdrop)) << what;
            EXPECT_FALSE(AnyPixelNot(b, right, 30, 299, c.bottom + 4, Backdrop)) << what;
            if (text == longText) {
                EXPECT_GE(h, 3 * lh);
            }
        }
}

TEST_F(MessageWindowTest, FrameTitleAndButtonCellsAreDrawnWhereTheyBelong) {
    PlainBackground();
    TformMessage w(f.loop);
    w.Prepare(mqQuestion, "", "Sell Building");
    const Bitmap& b = Painted(w);
    for (Point p : {Point{0, 0}, Point{299, 0}, Point{0, 129}, Point{299, 129}})
        EXPECT_EQ(b.PixelColor(p.x, p.y), DialogGold) << p.x << "," << p.y;
    EXPECT_EQ(b.PixelColor(1, 1), Backdrop);

    Bitmap measure(1, 1);
    Canvas& m = measure.GetCanvas();
    m.SetBold(true);
    const int tw = m.TextWidth("Sell Building"), th = m.TextHeight("Sell Building");
    EXPECT_EQ(b.PixelColor(5, 5), DialogGold);
    EXPECT_EQ(b.PixelColor(294, th + 8), DialogGold);
    EXPECT_EQ(b.PixelColor(150, th + 9), Backdrop);
    // The caption centred in its frame: its ink starts and ends within a pixel or two.
    int first = -1, last = -1;
    for (int x = 7; x < 293; ++x)
        if (AnyPixelNot(b, x, 7, x + 1, 7 + th, Backdrop)) {
            if (first < 0) first = x;
            last = x;
        }
    const int left = (300 - 10 - tw) / 2 + 5;
    EXPECT_NEAR(first, left, 2);
    EXPECT_NEAR(last, left + tw - 1, 2);

    EXPECT_EQ(CodeAt(b, 73, 100), (Coded{coded::Buttons, 75, 280})); // Yes
    EXPECT_EQ(CodeAt(b, 147, 119), (Coded{coded::Buttons, 149, 299}));
    EXPECT_EQ(CodeAt(b, 152, 100), (Coded{coded::Buttons, 75, 300})); // No
    EXPECT_EQ(b.PixelColor(150, 110), Backdrop);

    TformMessage input(f.loop);
    input.Prepare(mqInput, "", "Rename", "Joe's");
    const Bitmap& bi = Painted(input);
    EXPECT_EQ(CodeAt(bi, 73, 140), (Coded{coded::Buttons, 0, 0}));   // OK
    EXPECT_EQ(CodeAt(bi, 152, 140), (Coded{coded::Buttons, 0, 20})); // Cancel
    EXPECT_EQ(bi.PixelColor(40, 108), RGB(255, 255, 255));           // the edit box's frame
    EXPECT_EQ(bi.PixelColor(45, 110), RGB(0, 0, 0));                 // and black inside
    EXPECT_EQ(bi.PixelColor(39, 108), Backdrop);
}

TEST_F(MessageWindowTest, TheBackgroundIsAPieceOfTheSheetAtARandomOffset) {
    WriteCodedBmp(folder.Sub("Images/bgmsg.bmp"), 640, 420, coded::Background);
    std::vector<int32_t> draws = {1000, 50};
    SetRandomSourceForTesting([&] {
        const int32_t v = draws.empty() ? 0 : draws.front();
        if (!draws.empty()) draws.erase(draws.begin());
        return v;
    });
    TformMessage w(f.loop);
    w.Prepare(mqMessage, "", "");
    const Bitmap& b = Painted(w);
    // 1000 mod (640 - 300) and 50 mod (420 - 130).
    EXPECT_EQ(CodeAt(b, 20, 40), (Coded{coded::Background, 340, 90}));
    EXPECT_EQ(CodeAt(b, 298, 128), (Coded{coded::Background, 618, 178}));

    // A sheet no larger than the window is drawn from its corner, the rest black.
    WriteSolidBmp(folder.Sub("Images/bgmsg.bmp"), 100, 60, Backdrop);
    TformMessage small(f.loop);
    small.Prepare(mqMessage, "", "");
    draws = {7};
    const Bitmap& s = Painted(small);
    EXPECT_EQ(s.PixelColor(50, 40), Backdrop);
    EXPECT_EQ(s.PixelColor(250, 80), RGB(0, 0, 0));
    EXPECT_EQ(draws.size(), 1u); // no offset drawn
}

TEST_F(MessageWindowTest, TheAboutPageShowsTheSplashTheReleaseAndTheAddresses) {
    PlainBackground();
    WriteCodedBmp(folder.Sub("Images/splash.bmp"), 190, 238, coded::Splash);
    TformMessage w(f.loop);
    w.Prepare(mqAbout, "", "About The Game");
    const Bitmap& b = Painted(w);
    EXPECT_EQ(CodeAt(b, 5, 26), (Coded{coded::Splash, 0, 0}));
    EXPECT_EQ(CodeAt(b, 194, 263), (Coded{coded::Splash, 189, 237}));
    EXPECT_EQ(b.PixelColor(4, 25), DialogGold);
    EXPECT_EQ(b.PixelColor(195, 264), DialogGold);
    EXPECT_EQ(b.PixelColor(196, 265), Backdrop);

    EXPECT_TRUE(AnyPixelNot(b, 205, 30, 300, 52, Backdrop));   // the name in 16 points
    EXPECT_TRUE(AnyPixelNot(b, 205, 60, 300, 72, Backdrop));   // the release
    EXPECT_FALSE(AnyPixelNot(b, 205, 90, 479, 170, Backdrop)); // nothing else up there
    EXPECT_TRUE(AnyPixel(b, 200, 178, 280, 210, DialogGold));  // the labels
    EXPECT_FALSE(AnyPixel(b, 200, 178, 280, 210, DialogLinkColor));
    EXPECT_TRUE(AnyPixel(b, 280, 178, 479, 194, DialogLinkColor)); // the home page
    EXPECT_TRUE(AnyPixel(b, 280, 194, 479, 210, DialogLinkColor)); // the support address
    EXPECT_EQ(CodeAt(b, 390, 250), (Coded{coded::Buttons, 0, 0})); // OK

    // Without its picture the page leaves the place and the frame out.
    std::filesystem::remove(folder.Sub("Images/splash.bmp"));
    TempBitmaps = std::make_unique<GTempBitmapCache>();
    TformMessage bare(f.loop);
    bare.Prepare(mqAbout, "", "About The Game");
    const Bitmap& nb = Painted(bare);
    EXPECT_FALSE(AnyPixelNot(nb, 4, 25, 197, 266, Backdrop));
}

TEST_F(MessageWindowTest, AnUnknownModeIsReportedShowsNoButtonsAndStillCloses) {
    PlainBackground();
    TformMessage w(f.loop);
    w.Prepare(mqMessage, "Text", "Caption");
    w.mMessageOpenMode = 9;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.GetHotArea(150, 110), mhNone);
    EXPECT_EQ(host.ErrorBoxes.size(), 1u); // once, not on every pointer move
    const Bitmap& b = Painted(w);
    for (int y = 0; y < 130; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_NE(CodeAt(b, x, y).base, coded::Buttons) << x << "," << y;
    const std::string log = folder.ReadFile("debug.txt");
    EXPECT_NE(log.find("Invalid mMessageOpenMode in TformMessage::GetHotArea: 9\n"),
              std::string::npos);
    EXPECT_NE(log.find("Invalid mMessageOpenMode in TformMessage::FormPaint: 9\n"),
              std::string::npos);
    f.loop.Dispatch(PressEvent(w, 150, 110));
    EXPECT_EQ(w.ModalResult(), mrNone);
    f.loop.Dispatch(KeyEvent(w, SDLK_ESCAPE));
    EXPECT_EQ(w.ModalResult(), mrCancel);
}

// Modal runs on SDL's own queue: the windows close on events pushed into it.
TEST_F(MessageWindowTest, ModalRunsEndOnRealEventsAndNestedWindowsKeepTheirOwnPointer) {
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    EventLoop loop;
    TformMessage outer(loop);
    std::vector<TformMessage*> seen;
    int innerResult = -1;
    Timer script(loop);
    script.SetInterval(20);
    script.OnTimer = [&] {
        script.SetEnabled(false);
        seen.push_back(formMessage);
        {
            TformMessage inner(loop);
            Timer probe(loop);
            probe.SetInterval(10);
            probe.OnTimer = [&] {
                probe.SetEnabled(false);
                seen.push_back(formMessage);
                SDL_Event enter = KeyEvent(inner, SDLK_RETURN);
                SDL_PushEvent(&enter);
            };
            innerResult = inner.ShowMessageText("Inner", "Quelbrin");
            EXPECT_EQ(seen.size(), 2u);
            if (seen.size() == 2) {
                EXPECT_EQ(seen[1], &inner);
            }
        }
        seen.push_back(formMessage);
        SDL_Event text = TextEvent(outer, " Bar"), enter = KeyEvent(outer, SDLK_RETURN);
        SDL_PushEvent(&text);
        SDL_PushEvent(&enter);
    };
    // A run that misses its events fails instead of hanging.
    Timer guard(loop);
    guard.SetInterval(5000);
    guard.OnTimer = [&] {
        if (formMessage) formMessage->SetModalResult(99);
    };
    EXPECT_EQ(formMessage, nullptr);
    EXPECT_EQ(outer.AskText("Name your bar:", "Rename", "Joe's"), mrOk);
    EXPECT_EQ(innerResult, mrOk);
    EXPECT_EQ(outer.mInputText, "Joe's Bar");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], &outer);
    EXPECT_EQ(seen[2], &outer); // back to the outer window once the inner one closed
    EXPECT_EQ(formMessage, nullptr);
    EXPECT_EQ(host.Sounds, (std::vector<std::string>{"click", "click"}));
}

TEST_F(MessageWindowTest, TheProgramWideMessageRunsOnTheMainLoopAndIsGoneAfterwards) {
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    SDL_Event escape{};
    escape.type = SDL_KEYDOWN;
    escape.key.keysym.sym = SDLK_ESCAPE;
    SDL_PushEvent(&escape);
    Timer guard(EventLoop::Main());
    guard.SetInterval(5000);
    guard.OnTimer = [&] {
        if (formMessage) formMessage->SetModalResult(99);
    };
    ShowMessageWindow("The bank has taken Joe's Bar.", "Quelbrin");
    EXPECT_EQ(host.Sounds, std::vector<std::string>{"click"});
    EXPECT_EQ(formMessage, nullptr);
}

} // namespace
