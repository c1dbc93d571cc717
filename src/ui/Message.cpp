#include "ui/Message.h"

#include "model/GameHost.h"
#include "model/GameInfo.h"
#include "persist/DebugLog.h"
#include "platform/Canvas.h"
#include "platform/SystemDialogs.h"
#include "ui/MessageLook.h"
#include "ui/ScreenButtons.h"
#include "ui/Tempbitmap.h"
#include "ui/Utilities.h"

#include <algorithm>
#include <vector>

TformMessage* formMessage = nullptr;

namespace {

constexpr int NormalCursor = 3;
constexpr int HotCursor = 4;

// Open message windows, innermost last: a message opened from inside another
// one hands formMessage back to the outer window when it closes.
std::vector<TformMessage*>& OpenMessages() {
    static std::vector<TformMessage*> open;
    return open;
}

void Forget(TformMessage* w) {
    std::erase(OpenMessages(), w);
    formMessage = OpenMessages().empty() ? nullptr : OpenMessages().back();
}

// Button places, shared by painting and hit testing so a click lands on what
// was drawn.
Rect SingleButton(int w) {
    return {w / 2 - 37, 100, w / 2 + 38, 120};
}
Rect LeftButton(int w, int top) {
    return {w / 2 - 77, top, w / 2 - 2, top + 20};
}
Rect RightButton(int w, int top) {
    return {w / 2 + 2, top, w / 2 + 77, top + 20};
}
Rect AboutOkButton(int w) {
    return {w - 90, 250, w - 15, 270};
}
constexpr Rect HomePageLine{280, 178, 580, 194};
constexpr Rect SupportLine{280, 194, 580, 210};

// Where the body's last line ends in each mode with a body.
int BodyBottom(uint8_t mode) {
    switch (mode) {
    case mqMessage:
        return 90;
    case mqQuestion:
        return 80;
    case mqInput:
        return 104;
    default:
        return 0;
    }
}

} // namespace

TformMessage::TformMessage(EventLoop& loop)
    : Window(loop), edInputText(*this), mOpenAddress(OpenAddress) {
    LoadImageBitmap(mBackgroundMsg, "bgmsg");
    SetCursorEntry(NormalCursor);
    edInputText.SetBounds(Rect{40, 108, 260, 128});
    edInputText.SetColors(RGB(0, 0, 0), RGB(255, 255, 255));
    edInputText.SetFont(FontSpec{});
    edInputText.SetVisible(false);
}

TformMessage::~TformMessage() {
    Forget(this);
}

void TformMessage::Prepare(uint8_t mode, const std::string& text, const std::string& caption,
                           const std::string& initial) {
    mMessageOpenMode = mode;
    mText = text;
    mCaption = caption;
    mWidth = 300;
    mHeight = mode == mqInput ? 170 : 130;
    if (mode == mqAbout) {
        mWidth = 480;
        mHeight = 281;
    }
    if (mode == mqInput) {
        mInputText.clear();
        edInputText.SetText(initial);
        edInputText.SetVisible(true);
    } else {
        edInputText.SetVisible(false);
    }

    OpenDialogWindow(*this, "Message", mWidth, mHeight);
}

int TformMessage::RunPrepared() {
    if (!IsOpen()) return mrCancel; // no display: nobody could ever answer
    OpenMessages().push_back(this);
    formMessage = this;
    const int result = ShowModal();
    Forget(this);
    return result;
}

int TformMessage::ShowMessageText(const std::string& text, const std::string& caption) {
    Prepare(mqMessage, text, caption);
    return RunPrepared();
}

int TformMessage::AskQuestion(const std::string& text, const std::string& caption) {
    Prepare(mqQuestion, text, caption);
    return RunPrepared();
}

int TformMessage::AskText(const std::string& text, const std::string& caption,
                          const std::string& initial) {
    Prepare(mqInput, text, caption, initial);
    return RunPrepared();
}

int TformMessage::ShowAbout() {
    Prepare(mqAbout, std::string(), "About The Game");
    return RunPrepared();
}

void TformMessage::Finish(int result) {
    HostPlaySound("click");
    if (result == mrOk && mMessageOpenMode == mqInput) mInputText = edInputText.Text();
    if (result == mrCancel) mInputText.clear();
    SetModalResult(result);
}

uint8_t TformMessage::GetHotArea(int x, int y) {
    const int w = mWidth;
    switch (mMessageOpenMode) {
    case mqMessage:
        if (PointInRect(SingleButton(w), x, y)) return mhOk;
        break;
    case mqQuestion:
        if (PointInRect(LeftButton(w, 100), x, y)) return mhYes;
        if (PointInRect(RightButton(w, 100), x, y)) return mhNo;
        break;
    case mqInput:
        if (PointInRect(LeftButton(w, 140), x, y)) return mhOk;
        if (PointInRect(RightButton(w, 140), x, y)) return mhCancel;
        break;
    case mqAbout:
        if (PointInRect(HomePageLine, x, y)) return mhHomePage;
        if (PointInRect(SupportLine, x, y)) return mhSupport;
        if (PointInRect(AboutOkButton(w), x, y)) return mhOk;
        break;
    default:
        if (mReportedHotMode != mMessageOpenMode) {
            mReportedHotMode = mMessageOpenMode;
            ReportError("Invalid mMessageOpenMode in TformMessage::GetHotArea: " +
                        std::to_string(mMessageOpenMode));
        }
        return mhNone;
    }
    return mhNone;
}

void TformMessage::FormMouseDown(MouseButton button, ShiftState, int x, int y) {
    if (button != mbLeft) return;
    switch (GetHotArea(x, y)) {
    case mhOk:
        Finish(mrOk);
        break;
    case mhCancel:
        Finish(mrCancel);
        break;
    case mhYes:
        Finish(mrYes);
        break;
    case mhNo:
        Finish(mrNo);
        break;
    case mhHomePage:
        HostPlaySound("click");
        if (mOpenAddress) mOpenAddress(GameHomePage);
        break;
    case mhSupport:
        HostPlaySound("click");
        if (mOpenAddress) mOpenAddress(std::string("mailto:") + SupportEmail);
        break;
    default:
        break;
    }
}

void TformMessage::FormMouseMove(ShiftState, int x, int y) {
    const int entry = GetHotArea(x, y) != mhNone ? HotCursor : NormalCursor;
    if (entry != CursorEntry()) SetCursorEntry(entry);
}

bool TformMessage::FormKeyDown(int key, ShiftState) {
    if (key == vkEscape) {
        Finish(mrCancel);
        return true;
    }
    if (key == vkReturn) {
        Finish(mrOk);
        return true;
    }
    return false;
}

void TformMessage::FormPaint(Canvas& canvas) {
    const int w = canvas.Target().Width(), h = canvas.Target().Height();
    PaintDialogBackground(canvas, mBackgroundMsg, w, h);
    PaintDialogFrame(canvas, w, h);
    PaintDialogTitle(canvas, mCaption, w);

    switch (mMessageOpenMode) {
    case mqMessage:
        DrawDialogButton(canvas, OkButtonCell, SingleButton(w));
        break;
    case mqQuestion:
        DrawDialogButton(canvas, YesButtonCell, LeftButton(w, 100));
        DrawDialogButton(canvas, NoButtonCell, RightButton(w, 100));
        break;
    case mqInput:
        DrawDialogButton(canvas, OkButtonCell, LeftButton(w, 140));
        DrawDialogButton(canvas, CancelButtonCell, RightButton(w, 140));
        break;
    case mqAbout:
        PaintAbout(canvas, w);
        break;
    default:
        ReportError("Invalid mMessageOpenMode in TformMessage::FormPaint: " +
                    std::to_string(mMessageOpenMode));
        break;
    }

    if (const int bottom = BodyBottom(mMessageOpenMode)) {
        // Grows upward from its last line, so a short message sits just above the buttons.
        const int height = canvas.MeasureWrapped(w - 80, mText);
        DrawTextWrapped(canvas, mText, 40, w - 80, bottom - height);
    }
}

void TformMessage::PaintAbout(Canvas& canvas, int w) {
    if (Bitmap* splash = GetTempBitmap(ImagesFolder(), "splash.bmp")) {
        canvas.Draw(5, 26, *splash);
        canvas.SetPenColor(DialogGold);
        canvas.FrameRect(Rect{4, 25, 6 + splash->Width(), 27 + splash->Height()});
    }
    canvas.SetBrushStyle(bsClear);
    canvas.SetFontSize(16);
    canvas.TextOut(205, 30, GameName);
    canvas.SetFontSize(8);
    canvas.TextOut(205, 60, std::string("Release ") + GameVersion);
    canvas.TextOutRight(280, 178, "Home Page: ");
    canvas.TextOutRight(280, 194, "Support: ");
    canvas.SetUnderline(true);
    canvas.SetFontColor(DialogLinkColor);
    canvas.TextOut(280, 178, GameHomePage);
    canvas.TextOut(280, 194, SupportEmail);
    canvas.SetUnderline(false);
    canvas.SetFontColor(DialogGold);
    DrawDialogButton(canvas, OkButtonCell, AboutOkButton(w));
}

void ShowMessageWindow(const std::string& text, const std::string& caption) {
    TformMessage window;
    window.ShowMessageText(text, caption);
}
