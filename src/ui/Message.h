// The game's small modal window: a message with OK, a Yes/No question, a line
// of text to enter, or the about page. One instance per use, painted by hand
// like the main window and shown over it.
#pragma once

#include "platform/Bitmap.h"
#include "platform/EditBox.h"
#include "platform/EventLoop.h"
#include "platform/Window.h"

#include <cstdint>
#include <functional>
#include <string>

class Canvas;

enum MessageOpenMode : uint8_t {
    mqNone = 0,
    mqMessage = 1,
    mqQuestion = 2,
    mqInput = 3,
    mqAbout = 4
};
enum MessageHotArea : uint8_t {
    mhNone = 0,
    mhOk = 1,
    mhCancel = 2,
    mhYes = 3,
    mhNo = 4,
    mhHomePage = 5,
    mhSupport = 6,
};

class TformMessage : public Window {
public:
    explicit TformMessage(EventLoop& loop = EventLoop::Main());
    ~TformMessage() override;

    // Each sets the mode, the texts and the size, then runs modally and returns
    // the modal result: 1 OK, 2 Cancel, 6 Yes, 7 No (2 when no window can open).
    int ShowMessageText(const std::string& text, const std::string& caption);
    int AskQuestion(const std::string& text, const std::string& caption);
    // The caller reads mInputText afterwards: the edit box's text after OK,
    // empty after Cancel.
    int AskText(const std::string& text, const std::string& caption, const std::string& initial);
    int ShowAbout();

    // Everything a show operation does before the modal run: mode, texts, the
    // edit box, the window made (or resized) and centred over the main window.
    // Tests stop here and drive the handlers themselves.
    void Prepare(uint8_t mode, const std::string& text, const std::string& caption,
                 const std::string& initial = std::string());

    // The hot area under a point in window coordinates.
    uint8_t GetHotArea(int x, int y);
    // The window's painting (its paint handler), into a canvas of the window's size.
    void FormPaint(Canvas& canvas);
    void FormMouseDown(MouseButton button, ShiftState shift, int x, int y);
    void FormMouseMove(ShiftState shift, int x, int y);
    // Escape and Enter close the window in every mode; true when the key was used.
    bool FormKeyDown(int key, ShiftState shift);

    // The size the current mode gives the window.
    int FormWidth() const { return mWidth; }
    int FormHeight() const { return mHeight; }

    uint8_t mMessageOpenMode = mqNone;
    std::string mText, mCaption, mInputText;
    EditBox edInputText;
    Bitmap mBackgroundMsg;
    // Hands an address to the desktop (OpenAddress); tests put a recorder here.
    std::function<bool(const std::string& address)> mOpenAddress;

protected:
    void OnPaint(Canvas& canvas) override { FormPaint(canvas); }
    void OnMouseDown(MouseButton button, ShiftState shift, int x, int y) override {
        FormMouseDown(button, shift, x, y);
    }
    void OnMouseMove(ShiftState shift, int x, int y) override { FormMouseMove(shift, x, y); }
    bool OnKeyDown(int key, ShiftState shift) override { return FormKeyDown(key, shift); }

private:
    int RunPrepared();
    void Finish(int result);
    void PaintAbout(Canvas& canvas, int w);

    int mWidth = 487;
    int mHeight = 330;
    int mReportedHotMode = -1; // hit tests run on every move: one report per bad mode
};

// The innermost open message window, null when none is open.
extern TformMessage* formMessage;

// The program-wide message: a window made for it, shown with OK, destroyed.
void ShowMessageWindow(const std::string& text, const std::string& caption);
