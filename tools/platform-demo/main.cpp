// A window of the platform layer: text, a picture loaded from a bitmap file, a
// clock timer, a modal window with an edit box, cursors, close query. It prints
// what happens, one line per event, so a test can drive it with xdotool.
//
//   quelbrin-platform-demo [--cursor FILE.cur] [--exit-after MS]
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/CursorTable.h"
#include "platform/EditBox.h"
#include "platform/EventLoop.h"
#include "platform/Timer.h"
#include "platform/Window.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr Color kPage = RGB(208, 168, 97);
constexpr Color kText = RGB(70, 36, 3);
constexpr Color kGold = RGB(227, 183, 106);

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// A small striped picture written as a Windows bitmap file and read back, so
// the file loader is part of what the demo shows.
std::vector<std::uint8_t> StripedBmp(int w, int h) {
    std::vector<std::uint8_t> v;
    auto put = [&](std::uint32_t x, int n) {
        for (int i = 0; i < n; ++i)
            v.push_back(std::uint8_t(x >> (8 * i)));
    };
    const int stride = (w * 3 + 3) & ~3;
    v.push_back('B');
    v.push_back('M');
    put(54 + stride * h, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(w, 4);
    put(h, 4);
    put(1, 2);
    put(24, 2);
    for (int i = 0; i < 6; ++i)
        put(0, 4);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const bool stripe = ((x + y) / 8) % 2 == 0;
            v.push_back(stripe ? 64 : 40);   // b
            v.push_back(stripe ? 102 : 60);  // g
            v.push_back(stripe ? 179 : 120); // r
        }
        for (int p = w * 3; p < stride; ++p)
            v.push_back(0);
    }
    return v;
}

class Dialog : public Window {
public:
    Dialog(EventLoop& loop) : Window(loop), mEdit(*this) {
        mEdit.SetBounds({20, 40, 180, 60});
        mEdit.SetVisible(false);
    }
    EditBox& Edit() { return mEdit; }

protected:
    void OnPaint(Canvas& c) override {
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(RGB(0, 0, 0));
        c.FillRect({0, 0, ClientWidth(), ClientHeight()});
        c.SetPenColor(kGold);
        c.FrameRect({0, 0, ClientWidth(), ClientHeight()});
        c.SetFontColor(kGold);
        c.SetBold(true);
        c.SetBrushStyle(bsClear);
        c.TextOut(10, 10, "Name your bar");
        c.SetBold(false);
        c.TextOut(20, 75, "Enter: OK   Escape: Cancel");
    }
    bool OnKeyDown(int key, ShiftState) override {
        if (key == vkReturn)
            SetModalResult(mrOk);
        else if (key == vkEscape)
            SetModalResult(mrCancel);
        else
            return false;
        return true;
    }
    void OnMouseDown(MouseButton, ShiftState, int x, int y) override {
        Say("dialog down " + std::to_string(x) + " " + std::to_string(y));
    }

private:
    EditBox mEdit;
};

class DemoWindow : public Window {
public:
    explicit DemoWindow(EventLoop& loop) : Window(loop), mClock(loop) {
        const auto bmp = StripedBmp(96, 64);
        mPictureLoaded = mPicture.LoadFromMemory(bmp.data(), bmp.size());
        mClock.SetInterval(100);
        mClock.OnTimer = [this] {
            ++mTicks;
            Invalidate({10, 10, 300, 30});
        };
    }
    int Ticks() const { return mTicks; }

protected:
    void OnPaint(Canvas& c) override {
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(kPage);
        c.FillRect({0, 0, ClientWidth(), ClientHeight()});
        c.SetPenColor(kGold);
        c.FrameRect({0, 0, ClientWidth(), ClientHeight()});
        c.SetBrushStyle(bsClear);
        c.SetFont("Arial", 8);
        c.SetFontColor(kText);
        c.SetBold(true);
        c.TextOut(10, 10, "Quelbrin platform demo   ticks: " + std::to_string(mTicks));
        c.SetBold(false);
        const std::string text =
            "Click anywhere: the press is printed. Press M for a modal window; the clock keeps "
            "ticking behind it.\nEscape closes the window through its close query.";
        const int h = c.MeasureWrapped(200, text);
        c.SetPenColor(kText);
        c.FrameRect({8, 38, 212, 42 + h});
        c.DrawWrapped({10, 40, 210, 40 + h}, text);
        c.TextOutRight(470, 280, "right-aligned: Home Page: ");
        if (mPictureLoaded) c.Draw(360, 40, mPicture);
        c.SetPenColor(RGB(255, 0, 0));
        c.SetPenWidth(2);
        c.Line(360, 120, 456, 120);
        c.SetPenWidth(1);
    }
    void OnMouseDown(MouseButton b, ShiftState s, int x, int y) override {
        Say("down " + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(x) + " " +
            std::to_string(y));
    }
    void OnMouseUp(MouseButton b, ShiftState, int x, int y) override {
        Say("up " + std::to_string(b) + " " + std::to_string(x) + " " + std::to_string(y));
    }
    bool OnKeyDown(int key, ShiftState s) override {
        if (key == vkEscape) {
            Close();
            return true;
        }
        if (key == vkReturn && (s & ssAlt)) {
            SetFullScreenDesktop(!FullScreenDesktop());
            Say(std::string("fullscreen ") + (FullScreenDesktop() ? "1" : "0"));
            return true;
        }
        if (key == 'm') {
            RunDialog();
            return true;
        }
        return false;
    }
    bool OnCloseQuery() override {
        Say("closequery");
        return true;
    }

private:
    void RunDialog() {
        Dialog d(Loop());
        if (!d.Create("Message", 200, 100, this)) return;
        d.SetCursorEntry(CursorEntry());
        d.Edit().SetText("");
        d.Edit().SetVisible(true);
        Say("modal open");
        const int before = mTicks;
        const int result = d.ShowModal();
        Say("modal result " + std::to_string(result) + " text '" + d.Edit().Text() + "' ticks " +
            std::to_string(mTicks - before));
    }

    Timer mClock;
    int mTicks = 0;
    Bitmap mPicture;
    bool mPictureLoaded = false;
};

} // namespace

int main(int argc, char** argv) {
    std::string cursor;
    int exitAfter = 60000;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--cursor") && i + 1 < argc)
            cursor = argv[++i];
        else if (!std::strcmp(argv[i], "--exit-after") && i + 1 < argc)
            exitAfter = std::atoi(argv[++i]);
        else {
            std::fprintf(stderr,
                         "usage: quelbrin-platform-demo [--cursor FILE] [--exit-after MS]\n");
            return 2;
        }
    }
    EventLoop& loop = EventLoop::Main();
    DemoWindow w(loop);
    if (!w.Create("Quelbrin demo", 480, 300)) {
        std::fprintf(stderr, "no window could be opened\n");
        return 1;
    }
    loop.SetMainWindow(&w);
    if (!cursor.empty()) {
        const bool ok = ScreenCursors().Load(3, cursor);
        w.SetCursorEntry(3);
        Say(std::string("cursor ") + (ok && ScreenCursors().Get(3) ? "1" : "0"));
    }
    // A test that loses its way never leaves the demo running.
    Timer guard(loop);
    guard.SetInterval(exitAfter);
    guard.OnTimer = [&] {
        Say("timeout");
        loop.Quit();
    };
    w.Show();
    w.Update();
    const Rect b = w.Bounds();
    const Point screen = w.ScreenSize();
    Say("ready " + std::to_string(b.left) + " " + std::to_string(b.top) + " " +
        std::to_string(b.Width()) + " " + std::to_string(b.Height()) + " screen " +
        std::to_string(screen.x) + " " + std::to_string(screen.y));
    loop.Run();
    Say("exit ticks " + std::to_string(w.Ticks()));
    return 0;
}
