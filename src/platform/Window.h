// A borderless top-level window painted entirely by its owner: every paint is
// composed in an off-screen bitmap of the window's size and shown in one step.
#pragma once

#include "platform/Bitmap.h"
#include "platform/Color.h"

#include <cstdint>
#include <string>
#include <vector>

struct SDL_Window;
union SDL_Event;
class Canvas;
class EditBox;
class EventLoop;

// Keyboard and mouse-button state with an event.
enum ShiftFlags : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
};
using ShiftState = unsigned;

enum MouseButton { mbLeft, mbRight, mbMiddle };

// Key codes are SDL key codes; the ones the game names:
enum KeyCodes : int {
    vkBack = 8,
    vkTab = 9,
    vkReturn = 13,
    vkEscape = 27,
    vkSpace = 32,
    vkDelete = 127,
    vkF11 = (1 << 30) | 68,     // SDLK_F11
    vkKpMinus = (1 << 30) | 86, // SDLK_KP_MINUS
    vkKpPlus = (1 << 30) | 87,  // SDLK_KP_PLUS
    vkKp0 = (1 << 30) | 98,     // SDLK_KP_0
};

// Modal results.
enum ModalResults { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

class Window {
public:
    explicit Window(EventLoop& loop);
    Window(); // on the program's main loop
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Every window shows its picture N times its logical size (nearest
    // neighbour); pointer positions reach the handlers divided by N. Takes
    // effect at each window's next SetBounds and paint.
    static void SetScale(int scale);
    static int Scale();

    // Opens the window with the given logical client size (times Scale() on
    // the screen), centred on the screen (or over `over`), hidden until Show().
    // False when no window can be made.
    bool Create(const std::string& caption, int width, int height, const Window* over = nullptr);
    // The picture the window manager and the task bar show for the window; ignored
    // before Create or for an empty bitmap. The window keeps its own copy.
    void SetIcon(const Bitmap& icon);
    bool IsOpen() const { return mWindow != nullptr; }
    void Show();
    void Hide();
    bool Visible() const { return mVisible; }

    // Asks to close: OnCloseQuery decides; a modal window then ends with Cancel
    // unless a result is already set, any other window is destroyed. The main
    // window's closing ends the loop.
    void Close();

    void Minimize();
    bool Minimized() const;
    // Position and size in screen pixels (borderless: client = window).
    void SetBounds(int left, int top, int width, int height);
    Rect Bounds() const;
    // The logical size the window composes: its screen size divided by Scale().
    int ClientWidth() const;
    int ClientHeight() const;
    // Covers the whole desktop (SDL_WINDOW_FULLSCREEN_DESKTOP) or returns.
    void SetFullScreenDesktop(bool on);
    bool FullScreenDesktop() const;

    // Between screen pixels and logical window coordinates.
    Point ScreenToClient(Point p) const;
    Point ClientToScreen(Point p) const;
    static Point PointerScreenPos();
    // The size of the screen the window is on (the first screen before Create).
    Point ScreenSize() const;

    // Marks all or part of the window for painting at the next idle moment.
    void Invalidate();
    void Invalidate(const Rect& r);
    // Paints now if anything is invalid.
    void Update();
    bool NeedsPaint() const { return !mDirty.IsEmpty(); }

    // The pointer shown over this window: an entry of the screen's CursorTable.
    void SetCursorEntry(int entry);
    int CursorEntry() const { return mCursorEntry; }

    int ModalResult() const { return mModalResult; }
    void SetModalResult(int r) { mModalResult = r; }
    // Runs this window modally on its loop; returns the modal result.
    int ShowModal();

    // The last composed picture at logical size, for tests and probes.
    const Bitmap& BackBuffer() const { return mBackBuffer; }
    std::uint32_t Id() const { return mId; }
    SDL_Window* Handle() const { return mWindow; }
    EventLoop& Loop() const { return mLoop; }

    // Handles one SDL event meant for this window (the loop calls it).
    void HandleEvent(const SDL_Event& e);

protected:
    // The whole window's picture; the canvas is the off-screen bitmap.
    virtual void OnPaint(Canvas& canvas);
    virtual void OnMouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void OnMouseMove(ShiftState shift, int x, int y);
    virtual void OnMouseUp(MouseButton button, ShiftState shift, int x, int y);
    // The second press of a double click, right after its OnMouseDown.
    virtual void OnDoubleClick(MouseButton button, ShiftState shift, int x, int y);
    // The wheel turned by dy notches (positive: away from the player) with the
    // pointer at (x, y).
    virtual void OnMouseWheel(int dy, int x, int y);
    // Sees every key first (key preview); true keeps it from the focused edit box.
    virtual bool OnKeyDown(int key, ShiftState shift);
    // False refuses the close.
    virtual bool OnCloseQuery();
    // After the window has closed.
    virtual void OnClosed();

private:
    friend class EditBox;
    friend class EventLoop;
    void Paint();
    void Present(const Rect& dirty, int width, int height);
    void Destroy();
    void ApplyCursor() const;
    EditBox* EditBoxAt(int x, int y) const;
    void Focus(EditBox* box);

    EventLoop& mLoop;
    SDL_Window* mWindow = nullptr;
    std::uint32_t mId = 0;
    bool mVisible = false;
    int mModalResult = mrNone;
    int mCursorEntry = -1;
    Rect mDirty;
    Bitmap mBackBuffer;
    std::vector<EditBox*> mEditBoxes;
    EditBox* mFocus = nullptr;
};
