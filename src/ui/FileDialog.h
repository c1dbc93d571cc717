// The Load Game and Save Game dialogs: the saved games of a folder in a
// scrolling list, a name field, OK and Cancel, painted in the message
// window's look.
#pragma once

#include "platform/Bitmap.h"
#include "platform/EditBox.h"
#include "platform/EventLoop.h"
#include "platform/Window.h"
#include "ui/FileDialogListing.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Canvas;

enum class FileDialogKind : uint8_t { Open, Save };

enum FileDialogHotArea : uint8_t {
    fhNone = 0,
    fhOk = 1,
    fhCancel = 2,
    fhScrollUp = 3,
    fhScrollDown = 4,
    fhTrack = 5, // the scroll bar between the arrows
    fhRow = 6,   // a file of the list; LastHotIndex says which
};

class TformFileDialog : public Window {
public:
    static constexpr int Width = 360;
    static constexpr int Height = 300;
    static constexpr int RowHeight = 16;
    static constexpr int VisibleRows = 11;

    TformFileDialog(FileDialogKind kind, std::string folder, EventLoop& loop = EventLoop::Main());

    // Modal; true when the player chose a file.
    bool Execute();
    // The chosen file's full path.
    const std::string& FileName() const { return mFileName; }

    // Reads the folder and makes the window, centred over the main window,
    // without running it; Execute starts with it, tests stop here.
    void Prepare();
    // What OK does with the name field: checks the name, asks before replacing
    // a file, and closes with OK when the name is good; otherwise tells the
    // player why and the dialog stays open.
    void Accept();

    uint8_t GetHotArea(int x, int y);
    void FormPaint(Canvas& canvas);
    void FormMouseDown(MouseButton button, ShiftState shift, int x, int y);
    void FormDoubleClick(MouseButton button, ShiftState shift, int x, int y);
    void FormMouseMove(ShiftState shift, int x, int y);
    void FormMouseWheel(int dy, int x, int y);
    bool FormKeyDown(int key, ShiftState shift);

    // Selects entry i (clamped; nothing when the list is empty), puts its name
    // into the field and scrolls it into view.
    void Select(int i);
    void ScrollTo(int top);
    const std::vector<SaveFileEntry>& Entries() const { return mEntries; }
    int Selected() const { return mSelected; }
    int TopRow() const { return mTop; }
    const std::string& Caption() const { return mCaption; }

    EditBox edFileName;
    Bitmap mBackgroundMsg;
    int LastHotIndex = -1;
    // How the dialog tells and asks the player; tests put recorders here.
    std::function<void(const std::string& text, const std::string& caption)> mShowMessage;
    std::function<int(const std::string& text, const std::string& caption)> mAskQuestion;

protected:
    void OnPaint(Canvas& canvas) override { FormPaint(canvas); }
    void OnMouseDown(MouseButton button, ShiftState shift, int x, int y) override {
        FormMouseDown(button, shift, x, y);
    }
    void OnDoubleClick(MouseButton button, ShiftState shift, int x, int y) override {
        FormDoubleClick(button, shift, x, y);
    }
    void OnMouseMove(ShiftState shift, int x, int y) override { FormMouseMove(shift, x, y); }
    void OnMouseWheel(int dy, int x, int y) override { FormMouseWheel(dy, x, y); }
    bool OnKeyDown(int key, ShiftState shift) override { return FormKeyDown(key, shift); }

private:
    bool AcceptOpen(const std::string& name);
    bool AcceptSave(std::string name);
    void Cancel();
    int MaxTop() const;
    // True while Home and End belong to the list rather than the name field.
    bool ListTakesHomeEnd() const;
    void PaintList(Canvas& canvas);
    void PaintScrollBar(Canvas& canvas);

    FileDialogKind mKind;
    std::string mFolder;
    std::string mCaption;
    std::string mFileName;
    std::vector<SaveFileEntry> mEntries;
    std::vector<std::string> mTimes; // the entries' times as shown
    int mSelected = -1;
    int mTop = 0;
};
