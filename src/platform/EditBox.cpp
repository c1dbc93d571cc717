#include "platform/EditBox.h"

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Window.h"

#include <SDL.h>

#include <algorithm>

namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

EditBox::EditBox(Window& owner) : mOwner(owner) {
    mOwner.mEditBoxes.push_back(this);
}

EditBox::~EditBox() {
    if (mOwner.mFocus == this) mOwner.Focus(nullptr);
    std::erase(mOwner.mEditBoxes, this);
}

void EditBox::SetVisible(bool on) {
    mVisible = on;
    if (on)
        SetFocus();
    else if (Focused())
        mOwner.Focus(nullptr);
    Changed();
}

void EditBox::SetText(const std::string& text) {
    mText = text.substr(0, mMaxLength);
    while (!mText.empty() && mText.size() < text.size() && IsContinuation(text[mText.size()]))
        mText.pop_back(); // never keep half a character
    mCaret = mText.size();
    Changed();
}

void EditBox::SetFocus() {
    mOwner.Focus(this);
}

bool EditBox::Focused() const {
    return mOwner.mFocus == this;
}

void EditBox::Changed() {
    mOwner.Invalidate(mBounds);
}

bool EditBox::HandleKey(int key) {
    switch (key) {
    case SDLK_BACKSPACE:
        if (mCaret == 0) return true;
        {
            std::size_t from = mCaret - 1;
            while (from > 0 && IsContinuation(mText[from]))
                --from;
            mText.erase(from, mCaret - from);
            mCaret = from;
        }
        break;
    case SDLK_DELETE:
        if (mCaret < mText.size()) {
            std::size_t to = mCaret + 1;
            while (to < mText.size() && IsContinuation(mText[to]))
                ++to;
            mText.erase(mCaret, to - mCaret);
        }
        break;
    case SDLK_LEFT:
        while (mCaret > 0 && IsContinuation(mText[--mCaret])) {
        }
        break;
    case SDLK_RIGHT:
        if (mCaret < mText.size()) {
            ++mCaret;
            while (mCaret < mText.size() && IsContinuation(mText[mCaret]))
                ++mCaret;
        }
        break;
    case SDLK_HOME:
        mCaret = 0;
        break;
    case SDLK_END:
        mCaret = mText.size();
        break;
    default:
        return false;
    }
    Changed();
    return true;
}

void EditBox::HandleText(const std::string& text) {
    std::string piece;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) piece += c;
    if (mText.size() + piece.size() > mMaxLength) return; // a full box takes nothing more
    mText.insert(mCaret, piece);
    mCaret += piece.size();
    Changed();
}

void EditBox::Paint(Canvas& canvas) const {
    if (mBounds.IsEmpty()) return;
    // Drawn in a bitmap of its own, so a long text is cut at both edges.
    Bitmap box(mBounds.Width(), mBounds.Height());
    Canvas& c = box.GetCanvas();
    c.SetBrushStyle(bsSolid);
    c.SetBrushColor(mBackground);
    c.FillRect({0, 0, mBounds.Width(), mBounds.Height()});
    c.SetPenColor(mTextColor);
    c.FrameRect({0, 0, mBounds.Width(), mBounds.Height()});
    c.SetFont(mFont.name, mFont.size);
    c.SetBold(mFont.bold);
    c.SetFontColor(mTextColor);
    c.SetBrushStyle(bsClear);
    const int caretX = c.TextWidth(mText.substr(0, mCaret));
    const int inner = mBounds.Width() - 6;
    const int shift = caretX > inner ? caretX - inner : 0; // keep the caret in view
    const int th = c.TextHeight(mText);
    const int y = (mBounds.Height() - th) / 2;
    c.TextOut(3 - shift, y, mText);
    if (Focused()) {
        c.SetPenColor(mTextColor);
        c.Line(3 - shift + caretX, y, 3 - shift + caretX, y + th);
    }
    canvas.Draw(mBounds.left, mBounds.top, box);
}
