#include "ui/FileDialog.h"

#include "model/GameHost.h"
#include "platform/Canvas.h"
#include "ui/Message.h"
#include "ui/MessageLook.h"
#include "ui/ScreenButtons.h"
#include "ui/Utilities.h"

#include <SDL_keycode.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int W = TformFileDialog::Width;
constexpr int Rows = TformFileDialog::VisibleRows;
constexpr int RowH = TformFileDialog::RowHeight;

constexpr Rect ListBox{15, 44, W - 15, 224};
constexpr Rect RowsArea{16, 46, W - 32, 46 + Rows* RowH};
constexpr Rect ScrollUpArrow{W - 32, 45, W - 16, 61};
constexpr Rect ScrollDownArrow{W - 32, 207, W - 16, 223};
constexpr Rect ScrollTrack{W - 32, 61, W - 16, 207};
constexpr Rect NameBox{78, 234, W - 15, 254};
constexpr Rect OkButton{W / 2 - 77, 266, W / 2 - 2, 286};
constexpr Rect CancelButton{W / 2 + 2, 266, W / 2 + 77, 286};

constexpr Color ListBackground = RGB(0, 0, 0);
constexpr Color SelectedText = RGB(44, 26, 18);
constexpr Color DimText = RGB(150, 118, 70);
constexpr Color TrackColor = RGB(40, 28, 16);

constexpr int NormalCursor = 3;
constexpr int HotCursor = 4;
constexpr int WheelRows = 3;

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The text cut with "..." so that it fits into width pixels.
std::string Fitted(Canvas& canvas, const std::string& text, int width) {
    if (canvas.TextWidth(text) <= width) return text;
    std::string cut = text;
    while (!cut.empty()) {
        cut.pop_back();
        while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80)
            cut.pop_back(); // never half a character
        if (canvas.TextWidth(cut + "...") <= width) return cut + "...";
    }
    return "...";
}

// A small filled triangle pointing up or down, centred in r.
void DrawArrow(Canvas& canvas, const Rect& r, bool up) {
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        const int y = up ? cy - 2 + i : cy + 1 - i;
        canvas.Line(cx - i, y, cx + i + 1, y);
    }
}

} // namespace

TformFileDialog::TformFileDialog(FileDialogKind kind, std::string folder, EventLoop& loop)
    : Window(loop), edFileName(*this), mKind(kind), mFolder(std::move(folder)),
      mCaption(kind == FileDialogKind::Open ? "Load Game" : "Save Game") {
    LoadImageBitmap(mBackgroundMsg, "bgmsg");
    SetCursorEntry(NormalCursor);
    edFileName.SetBounds(NameBox);
    edFileName.SetColors(RGB(0, 0, 0), RGB(255, 255, 255));
    edFileName.SetFont(FontSpec{});
    // Room for ".sav" within the file system's 255 bytes of a name.
    edFileName.SetMaxLength(200);
    edFileName.SetVisible(false);
    mShowMessage = [this](const std::string& text, const std::string& caption) {
        TformMessage message(Loop());
        message.ShowMessageText(text, caption);
    };
    mAskQuestion = [this](const std::string& text, const std::string& caption) {
        TformMessage message(Loop());
        return message.AskQuestion(text, caption);
    };
}

void TformFileDialog::Prepare() {
    mEntries = ListSaveFiles(mFolder);
    mTimes.clear();
    for (const SaveFileEntry& e : mEntries)
        mTimes.push_back(FormatFileTime(e.Modified));
    mSelected = -1;
    mTop = 0;
    mFileName.clear();
    edFileName.SetText(std::string());
    edFileName.SetVisible(true);

    OpenDialogWindow(*this, mCaption, Width, Height);
}

bool TformFileDialog::Execute() {
    Prepare();
    if (!IsOpen()) return false;
    return ShowModal() == mrOk && !mFileName.empty();
}

void TformFileDialog::Cancel() {
    HostPlaySound("click");
    SetModalResult(mrCancel);
}

void TformFileDialog::Accept() {
    HostPlaySound("click");
    const std::string name = Trimmed(edFileName.Text());
    const bool done = mKind == FileDialogKind::Open ? AcceptOpen(name) : AcceptSave(name);
    if (done) SetModalResult(mrOk);
    Invalidate();
}

bool TformFileDialog::AcceptOpen(const std::string& name) {
    if (name.empty()) {
        mShowMessage("Choose a saved game from the list first.", mCaption);
        return false;
    }
    std::error_code ec;
    fs::path path = fs::path(mFolder) / name;
    if (!fs::is_regular_file(path, ec) && !EndsWith(name, ".sav")) {
        const fs::path withExtension = fs::path(mFolder) / (name + ".sav");
        if (fs::is_regular_file(withExtension, ec)) path = withExtension;
    }
    if (name.find('/') != std::string::npos || !fs::is_regular_file(path, ec)) {
        mShowMessage("There is no saved game called \"" + name +
                         "\". Choose one of the games in the list.",
                     mCaption);
        return false;
    }
    mFileName = path.string();
    return true;
}

bool TformFileDialog::AcceptSave(std::string name) {
    if (name.empty()) {
        mShowMessage("Type a name for the saved game.", mCaption);
        return false;
    }
    if (name.find('/') != std::string::npos || name[0] == '.') {
        mShowMessage("The name of a saved game cannot contain \"/\" or begin with a dot. "
                     "Please choose another name.",
                     mCaption);
        return false;
    }
    if (!EndsWith(name, ".sav")) name += ".sav";
    const fs::path path = fs::path(mFolder) / name;
    std::error_code ec;
    if (fs::exists(path, ec) && !fs::is_regular_file(path, ec)) {
        mShowMessage("\"" + name + "\" is a folder, not a saved game. Please choose another name.",
                     mCaption);
        return false;
    }
    if (fs::exists(path, ec) &&
        mAskQuestion("The saved game \"" + name + "\" already exists. Do you want to replace it?",
                     mCaption) != mrYes)
        return false;
    fs::create_directories(mFolder, ec);
    if (ec || !fs::is_directory(mFolder, ec)) {
        mShowMessage("The folder " + mFolder + " cannot be made, so the game cannot be saved.",
                     mCaption);
        return false;
    }
    mFileName = path.string();
    return true;
}

int TformFileDialog::MaxTop() const {
    return std::max(0, static_cast<int>(mEntries.size()) - Rows);
}

void TformFileDialog::ScrollTo(int top) {
    top = std::clamp(top, 0, MaxTop());
    if (top != mTop) Invalidate();
    mTop = top;
}

void TformFileDialog::Select(int i) {
    if (mEntries.empty()) return;
    i = std::clamp(i, 0, static_cast<int>(mEntries.size()) - 1);
    mSelected = i;
    edFileName.SetText(mEntries[i].Name);
    if (i < mTop) ScrollTo(i);
    if (i >= mTop + Rows) ScrollTo(i - Rows + 1);
    Invalidate();
}

bool TformFileDialog::ListTakesHomeEnd() const {
    // Once the player edits the name, Home and End move the caret instead.
    const std::string& field = edFileName.Text();
    return !mEntries.empty() &&
           (field.empty() || (mSelected >= 0 && field == mEntries[mSelected].Name));
}

uint8_t TformFileDialog::GetHotArea(int x, int y) {
    LastHotIndex = -1;
    if (PointInRect(OkButton, x, y)) return fhOk;
    if (PointInRect(CancelButton, x, y)) return fhCancel;
    if (static_cast<int>(mEntries.size()) > Rows) {
        if (PointInRect(ScrollUpArrow, x, y)) return fhScrollUp;
        if (PointInRect(ScrollDownArrow, x, y)) return fhScrollDown;
        if (PointInRect(ScrollTrack, x, y)) return fhTrack;
    }
    if (x >= RowsArea.left && x < RowsArea.right && y >= RowsArea.top && y < RowsArea.bottom) {
        const int row = mTop + (y - RowsArea.top) / RowH;
        if (row < static_cast<int>(mEntries.size())) {
            LastHotIndex = row;
            return fhRow;
        }
    }
    return fhNone;
}

void TformFileDialog::FormMouseDown(MouseButton button, ShiftState, int x, int y) {
    if (button != mbLeft) return;
    switch (GetHotArea(x, y)) {
    case fhOk:
        Accept();
        break;
    case fhCancel:
        Cancel();
        break;
    case fhScrollUp:
        ScrollTo(mTop - 1);
        break;
    case fhScrollDown:
        ScrollTo(mTop + 1);
        break;
    case fhTrack: {
        // Above the thumb a page up, below it a page down.
        const int travel = ScrollTrack.Height();
        const int thumbTop = ScrollTrack.top + travel * mTop / static_cast<int>(mEntries.size());
        ScrollTo(y < thumbTop ? mTop - (Rows - 1) : mTop + (Rows - 1));
        break;
    }
    case fhRow:
        Select(LastHotIndex);
        break;
    default:
        break;
    }
}

void TformFileDialog::FormDoubleClick(MouseButton button, ShiftState, int x, int y) {
    if (button != mbLeft) return;
    if (GetHotArea(x, y) == fhRow && LastHotIndex == mSelected) Accept();
}

void TformFileDialog::FormMouseMove(ShiftState, int x, int y) {
    const int entry = GetHotArea(x, y) != fhNone ? HotCursor : NormalCursor;
    if (entry != CursorEntry()) SetCursorEntry(entry);
}

void TformFileDialog::FormMouseWheel(int dy, int, int) {
    ScrollTo(mTop - dy * WheelRows);
}

bool TformFileDialog::FormKeyDown(int key, ShiftState) {
    const int last = static_cast<int>(mEntries.size()) - 1;
    switch (key) {
    case vkEscape:
        Cancel();
        return true;
    case vkReturn:
        Accept();
        return true;
    case SDLK_UP:
        Select(mSelected < 0 ? 0 : mSelected - 1);
        return true;
    case SDLK_DOWN:
        Select(mSelected + 1);
        return true;
    case SDLK_PAGEUP:
        Select(mSelected < 0 ? 0 : mSelected - (Rows - 1));
        return true;
    case SDLK_PAGEDOWN:
        Select(mSelected < 0 ? Rows - 1 : mSelected + (Rows - 1));
        return true;
    case SDLK_HOME:
        if (!ListTakesHomeEnd()) return false;
        Select(0);
        return true;
    case SDLK_END:
        if (!ListTakesHomeEnd()) return false;
        Select(last);
        return true;
    default:
        return false;
    }
}

void TformFileDialog::FormPaint(Canvas& canvas) {
    const int w = canvas.Target().Width(), h = canvas.Target().Height();
    PaintDialogBackground(canvas, mBackgroundMsg, w, h);
    PaintDialogFrame(canvas, w, h);
    PaintDialogTitle(canvas, mCaption, w);

    canvas.SetBold(true);
    canvas.TextOut(ListBox.left + 3, 29, "Saved game");
    canvas.TextOutRight(RowsArea.right - 4, 29, "Saved on");
    canvas.SetBold(false);
    PaintList(canvas);

    canvas.SetFontColor(DialogGold);
    canvas.SetBrushStyle(bsClear);
    canvas.TextOut(ListBox.left, NameBox.top + (NameBox.Height() - canvas.TextHeight("F")) / 2,
                   "File name:");
    DrawDialogButton(canvas, OkButtonCell, OkButton);
    DrawDialogButton(canvas, CancelButtonCell, CancelButton);
}

void TformFileDialog::PaintList(Canvas& canvas) {
    canvas.SetBrushStyle(bsSolid);
    canvas.SetBrushColor(ListBackground);
    canvas.FillRect(ListBox);
    canvas.SetPenColor(DialogGold);
    canvas.FrameRect(ListBox);

    canvas.SetBrushStyle(bsClear);
    const int th = canvas.TextHeight("F");
    if (mEntries.empty()) {
        const std::string text = mKind == FileDialogKind::Open
                                     ? "There are no saved games yet."
                                     : "No saved games yet: type a name below.";
        canvas.SetFontColor(DimText);
        canvas.TextOut((ListBox.left + ListBox.right - canvas.TextWidth(text)) / 2,
                       (RowsArea.top + RowsArea.bottom - th) / 2, text);
        return;
    }
    const int count = static_cast<int>(mEntries.size());
    for (int row = 0; row < Rows && mTop + row < count; ++row) {
        const int i = mTop + row;
        const Rect r{RowsArea.left, RowsArea.top + row * RowH, RowsArea.right,
                     RowsArea.top + (row + 1) * RowH};
        if (i == mSelected) {
            canvas.SetBrushStyle(bsSolid);
            canvas.SetBrushColor(DialogGold);
            canvas.FillRect(r);
            canvas.SetBrushStyle(bsClear);
        }
        canvas.SetFontColor(i == mSelected ? SelectedText : DialogGold);
        const int y = r.top + (RowH - th) / 2;
        const int dateRight = r.right - 4;
        const int dateWidth = canvas.TextWidth(mTimes[i]);
        canvas.TextOutRight(dateRight, y, mTimes[i]);
        canvas.TextOut(r.left + 4, y,
                       Fitted(canvas, mEntries[i].Name, dateRight - dateWidth - 12 - (r.left + 4)));
    }
    if (count > Rows) PaintScrollBar(canvas);
}

void TformFileDialog::PaintScrollBar(Canvas& canvas) {
    const int count = static_cast<int>(mEntries.size());
    canvas.SetBrushStyle(bsSolid);
    canvas.SetBrushColor(TrackColor);
    canvas.FillRect(ScrollTrack);
    const int travel = ScrollTrack.Height();
    const int thumbTop = ScrollTrack.top + travel * mTop / count;
    const int thumbBottom =
        std::min(ScrollTrack.bottom,
                 std::max(thumbTop + 8, ScrollTrack.top + travel * (mTop + Rows) / count));
    canvas.SetBrushColor(DialogGold);
    canvas.FillRect(
        Rect{ScrollTrack.left + 3, thumbTop + 1, ScrollTrack.right - 3, thumbBottom - 1});
    canvas.SetPenColor(DialogGold);
    canvas.FrameRect(ScrollUpArrow);
    canvas.FrameRect(ScrollDownArrow);
    DrawArrow(canvas, ScrollUpArrow, true);
    DrawArrow(canvas, ScrollDownArrow, false);
    canvas.Line(ScrollTrack.left, ScrollTrack.top, ScrollTrack.left, ScrollTrack.bottom);
}
