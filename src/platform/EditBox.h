// A one-line edit control drawn over its window's painting, fed by SDL's text
// input while it has the focus.
#pragma once

#include "platform/Color.h"
#include "platform/Font.h"

#include <string>

class Canvas;
class Window;

class EditBox {
public:
    explicit EditBox(Window& owner);
    ~EditBox();
    EditBox(const EditBox&) = delete;
    EditBox& operator=(const EditBox&) = delete;

    void SetBounds(const Rect& r) { mBounds = r; }
    const Rect& Bounds() const { return mBounds; }
    // A hidden box neither draws nor takes keys; showing it gives it the focus.
    void SetVisible(bool on);
    bool Visible() const { return mVisible; }
    void SetText(const std::string& text);
    const std::string& Text() const { return mText; }
    void SetMaxLength(std::size_t n) { mMaxLength = n; }
    void SetColors(Color background, Color text) {
        mBackground = background;
        mTextColor = text;
    }
    void SetFont(const FontSpec& f) { mFont = f; }

    void SetFocus();
    bool Focused() const;

    // Editing keys: backspace, delete, left, right, home, end. True when used.
    bool HandleKey(int key);
    // Typed text (UTF-8), inserted at the caret.
    void HandleText(const std::string& text);
    void Paint(Canvas& canvas) const;
    std::size_t Caret() const { return mCaret; }

private:
    void Changed();

    Window& mOwner;
    Rect mBounds;
    bool mVisible = true;
    std::string mText;
    std::size_t mCaret = 0; // byte offset, always at a character boundary
    std::size_t mMaxLength = 255;
    Color mBackground = RGB(0, 0, 0);
    Color mTextColor = RGB(255, 255, 255);
    FontSpec mFont;
};
