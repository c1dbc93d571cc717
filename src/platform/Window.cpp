#include "platform/Window.h"

#include "platform/Canvas.h"
#include "platform/CursorTable.h"
#include "platform/EditBox.h"
#include "platform/EventLoop.h"
#include "platform/Scale.h"
#include "platform/Video.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace {
std::string gVideoError;
}

const std::string& VideoError() {
    return gVideoError;
}

bool EnsureVideo() {
    static bool tried = false, ok = false;
    if (tried) return ok;
    tried = true;
    // We decide ourselves when the program ends: a close goes through the
    // window's close query, not straight to SDL_QUIT.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // The picture is composed in memory and shown as it is: the system's own
    // framebuffer does that without loading an OpenGL driver (on a machine
    // without a GPU, a software one of 60 MB).
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    ok = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (!ok) gVideoError = SDL_GetError();
    // Without a window system SDL falls back to drawing off-screen, where the
    // game would run unseen: that counts as no video unless it was asked for.
    if (ok) {
        const char* driver = SDL_GetCurrentVideoDriver();
        const bool hidden =
            driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
        if (hidden && !SDL_getenv("SDL_VIDEODRIVER")) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            ok = false;
            // SDL drops the reason of the drivers it tried before falling back.
            const char* display = SDL_getenv("DISPLAY");
            gVideoError = display && *display
                              ? std::string("the display ") + display + " did not accept the game"
                              : "no window system (only an off-screen video driver)";
        }
        if (ok && driver && std::strcmp(driver, "x11") == 0) KeepXErrorsFromEndingTheGame();
    }
    // Text input runs only while an edit box has the focus.
    if (ok) SDL_StopTextInput();
    return ok;
}

namespace {

ShiftState KeyShift(Uint16 mod) {
    ShiftState s = 0;
    if (mod & KMOD_SHIFT) s |= ssShift;
    if (mod & KMOD_ALT) s |= ssAlt;
    if (mod & KMOD_CTRL) s |= ssCtrl;
    return s;
}

ShiftState ButtonShift(Uint32 buttons) {
    ShiftState s = 0;
    if (buttons & SDL_BUTTON_LMASK) s |= ssLeft;
    if (buttons & SDL_BUTTON_RMASK) s |= ssRight;
    if (buttons & SDL_BUTTON_MMASK) s |= ssMiddle;
    return s;
}

bool ToButton(Uint8 b, MouseButton& out) {
    switch (b) {
    case SDL_BUTTON_LEFT:
        out = mbLeft;
        return true;
    case SDL_BUTTON_RIGHT:
        out = mbRight;
        return true;
    case SDL_BUTTON_MIDDLE:
        out = mbMiddle;
        return true;
    default:
        return false;
    }
}

int gScale = 1;

Point Logical(int x, int y) {
    return PhysicalToLogical({x, y}, gScale);
}

// Copies the rectangle r of a logical picture into dst at n times its size,
// each pixel becoming an n x n block; both 32-bit surfaces of the same layout.
void BlitScaled32(SDL_Surface* src, const SDL_Rect& r, SDL_Surface* dst, int n) {
    const int w = std::min(r.w, dst->w / n - r.x), h = std::min(r.h, dst->h / n - r.y);
    if (w <= 0 || h <= 0) return;
    SDL_LockSurface(src);
    SDL_LockSurface(dst);
    for (int y = 0; y < h; ++y) {
        const auto* from = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(src->pixels) +
                                                           (r.y + y) * src->pitch) +
                           r.x;
        auto* first = reinterpret_cast<Uint32*>(static_cast<Uint8*>(dst->pixels) +
                                                (r.y + y) * n * dst->pitch) +
                      r.x * n;
        Uint32* to = first;
        for (int x = 0; x < w; ++x) {
            const Uint32 c = from[x];
            for (int k = 0; k < n; ++k)
                *to++ = c;
        }
        // The other rows of the block repeat the first.
        for (int k = 1; k < n; ++k)
            std::memcpy(reinterpret_cast<Uint8*>(first) + k * dst->pitch, first,
                        size_t(w) * size_t(n) * 4);
    }
    SDL_UnlockSurface(dst);
    SDL_UnlockSurface(src);
}

Rect Union(const Rect& a, const Rect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

} // namespace

Window::Window(EventLoop& loop) : mLoop(loop) {
    mLoop.Add(this);
}

Window::Window() : Window(EventLoop::Main()) {}

Window::~Window() {
    mLoop.Remove(this);
    Destroy();
}

void Window::SetScale(int scale) {
    gScale = std::clamp(scale, 1, MaxScale);
}

int Window::Scale() {
    return gScale;
}

bool Window::Create(const std::string& caption, int width, int height, const Window* over) {
    if (mWindow || !EnsureVideo()) return mWindow != nullptr;
    width *= gScale;
    height *= gScale;
    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    if (over && over->IsOpen()) {
        const Rect b = over->Bounds();
        x = b.left + (b.Width() - width) / 2;
        y = b.top + (b.Height() - height) / 2;
    }
    mWindow = SDL_CreateWindow(caption.c_str(), x, y, width, height,
                               SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    if (!mWindow) return false;
    mId = SDL_GetWindowID(mWindow);
    Invalidate();
    return true;
}

void Window::SetIcon(const Bitmap& icon) {
    if (mWindow && icon.Surface()) SDL_SetWindowIcon(mWindow, icon.Surface());
}

void Window::Destroy() {
    if (!mWindow) return;
    if (mFocus) SDL_StopTextInput();
    SDL_DestroyWindow(mWindow);
    mWindow = nullptr;
    mId = 0;
    mVisible = false;
}

void Window::Show() {
    mVisible = true;
    Invalidate();
    if (!mWindow) return;
    SDL_ShowWindow(mWindow);
    SDL_RaiseWindow(mWindow);
    if (mFocus && mFocus->Visible()) SDL_StartTextInput();
}

void Window::Hide() {
    mVisible = false;
    if (!mWindow) return;
    if (mFocus) SDL_StopTextInput();
    SDL_HideWindow(mWindow);
}

void Window::Close() {
    if (!OnCloseQuery()) return;
    if (mLoop.ModalWindow() == this) {
        if (mModalResult == mrNone) mModalResult = mrCancel;
        return;
    }
    const bool wasOpen = mWindow != nullptr || mVisible;
    Destroy();
    if (wasOpen) OnClosed();
    if (mLoop.MainWindow() == this) mLoop.Quit();
}

void Window::Minimize() {
    if (mWindow) SDL_MinimizeWindow(mWindow);
}

bool Window::Minimized() const {
    return mWindow && (SDL_GetWindowFlags(mWindow) & SDL_WINDOW_MINIMIZED);
}

void Window::SetBounds(int left, int top, int width, int height) {
    if (!mWindow) return;
    SDL_SetWindowSize(mWindow, std::max(width, 1), std::max(height, 1));
    SDL_SetWindowPosition(mWindow, left, top);
    Invalidate();
}

Rect Window::Bounds() const {
    if (!mWindow) return {};
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(mWindow, &x, &y);
    SDL_GetWindowSize(mWindow, &w, &h);
    return {x, y, x + w, y + h};
}

int Window::ClientWidth() const {
    return Bounds().Width() / gScale;
}
int Window::ClientHeight() const {
    return Bounds().Height() / gScale;
}

void Window::SetFullScreenDesktop(bool on) {
    if (!mWindow) return;
    SDL_SetWindowFullscreen(mWindow, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    Invalidate();
}

bool Window::FullScreenDesktop() const {
    return mWindow && (SDL_GetWindowFlags(mWindow) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
                          SDL_WINDOW_FULLSCREEN_DESKTOP;
}

Point Window::ScreenToClient(Point p) const {
    const Rect b = Bounds();
    return Logical(p.x - b.left, p.y - b.top);
}

Point Window::ClientToScreen(Point p) const {
    const Rect b = Bounds();
    return {p.x * gScale + b.left, p.y * gScale + b.top};
}

Point Window::PointerScreenPos() {
    if (!EnsureVideo()) return {};
    Point p;
    SDL_GetGlobalMouseState(&p.x, &p.y);
    return p;
}

Point Window::ScreenSize() const {
    if (!EnsureVideo()) return {};
    const int display = mWindow ? std::max(SDL_GetWindowDisplayIndex(mWindow), 0) : 0;
    SDL_Rect r{0, 0, 0, 0};
    if (SDL_GetDisplayBounds(display, &r) != 0) return {};
    return {r.w, r.h};
}

void Window::Invalidate() {
    mDirty = {0, 0, 1 << 20, 1 << 20};
}

void Window::Invalidate(const Rect& r) {
    mDirty = Union(mDirty, r);
}

void Window::Update() {
    if (NeedsPaint()) Paint();
}

void Window::Paint() {
    if (!mVisible) return;
    int w = 0, h = 0;
    if (mWindow) {
        SDL_GetWindowSize(mWindow, &w, &h);
        w /= gScale;
        h /= gScale;
    } else {
        w = mBackBuffer.Width();
        h = mBackBuffer.Height();
    }
    const Rect dirty{std::max(mDirty.left, 0), std::max(mDirty.top, 0), std::min(mDirty.right, w),
                     std::min(mDirty.bottom, h)};
    mDirty = {};
    if (dirty.IsEmpty()) return;
    mBackBuffer.SetSize(w, h);
    Canvas& canvas = mBackBuffer.GetCanvas();
    OnPaint(canvas);
    for (EditBox* box : mEditBoxes)
        if (box->Visible()) box->Paint(canvas);
    if (mWindow) Present(dirty, w, h);
}

// Shows the logical rectangle dirty of the back buffer (w x h) on the window.
void Window::Present(const Rect& dirty, int w, int h) {
    SDL_Surface* screen = SDL_GetWindowSurface(mWindow);
    SDL_Surface* picture = mBackBuffer.Surface();
    if (!screen || !picture) return;
    const int n = gScale;
    SDL_Rect r{dirty.left, dirty.top, dirty.Width(), dirty.Height()};
    SDL_Rect to{r.x * n, r.y * n, r.w * n, r.h * n};
    if (n == 1) {
        // Copied as it is: a blending blit would mix pixels the text left
        // translucent with the window's previous picture.
        SDL_BlendMode mode = SDL_BLENDMODE_NONE;
        SDL_GetSurfaceBlendMode(picture, &mode);
        SDL_SetSurfaceBlendMode(picture, SDL_BLENDMODE_NONE);
        SDL_BlitSurface(picture, &r, screen, &to);
        SDL_SetSurfaceBlendMode(picture, mode);
    } else if (screen->format->BytesPerPixel == 4 &&
               screen->format->Rmask == picture->format->Rmask &&
               screen->format->Gmask == picture->format->Gmask &&
               screen->format->Bmask == picture->format->Bmask) {
        BlitScaled32(picture, r, screen, n);
    } else {
        SDL_BlitScaled(picture, &r, screen, &to);
    }
    SDL_Rect rects[3] = {to};
    int count = 1;
    // A screen that is no multiple of n keeps a black strip right and below.
    if (dirty.right >= w && screen->w > w * n) {
        rects[count] = {w * n, 0, screen->w - w * n, screen->h};
        SDL_FillRect(screen, &rects[count++], SDL_MapRGB(screen->format, 0, 0, 0));
    }
    if (dirty.bottom >= h && screen->h > h * n) {
        rects[count] = {0, h * n, screen->w, screen->h - h * n};
        SDL_FillRect(screen, &rects[count++], SDL_MapRGB(screen->format, 0, 0, 0));
    }
    SDL_UpdateWindowSurfaceRects(mWindow, rects, count);
}

void Window::SetCursorEntry(int entry) {
    mCursorEntry = entry;
    if (mWindow && SDL_GetMouseFocus() == mWindow) ApplyCursor();
}

void Window::ApplyCursor() const {
    SDL_Cursor* c = ScreenCursors().Get(mCursorEntry);
    SDL_SetCursor(c ? c : SDL_GetDefaultCursor());
}

int Window::ShowModal() {
    return mLoop.RunModal(*this);
}

EditBox* Window::EditBoxAt(int x, int y) const {
    for (EditBox* box : mEditBoxes) {
        const Rect& b = box->Bounds();
        if (box->Visible() && x >= b.left && x < b.right && y >= b.top && y < b.bottom) return box;
    }
    return nullptr;
}

void Window::Focus(EditBox* box) {
    if (mFocus == box) return;
    mFocus = box;
    if (box && mVisible) {
        SDL_StartTextInput();
        const Rect& b = box->Bounds();
        SDL_Rect r{b.left * gScale, b.top * gScale, b.Width() * gScale, b.Height() * gScale};
        SDL_SetTextInputRect(&r);
    } else if (!box) {
        SDL_StopTextInput();
    }
    Invalidate();
}

void Window::HandleEvent(const SDL_Event& e) {
    switch (e.type) {
    case SDL_WINDOWEVENT:
        switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            Close();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SHOWN:
            Invalidate();
            break;
        case SDL_WINDOWEVENT_ENTER:
            ApplyCursor();
            break;
        default:
            break;
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        MouseButton b;
        if (!ToButton(e.button.button, b)) break;
        const ShiftState s =
            KeyShift(SDL_GetModState()) | ButtonShift(SDL_GetMouseState(nullptr, nullptr));
        const Point p = Logical(e.button.x, e.button.y);
        if (e.type == SDL_MOUSEBUTTONDOWN) {
            // A press on an edit box is the box's own.
            if (EditBox* box = EditBoxAt(p.x, p.y)) {
                Focus(box);
                break;
            }
            const ShiftState down = s | (b == mbLeft ? ssLeft : b == mbRight ? ssRight : ssMiddle);
            OnMouseDown(b, down, p.x, p.y);
            if (e.button.clicks >= 2) OnDoubleClick(b, down, p.x, p.y);
        } else {
            OnMouseUp(b, s, p.x, p.y);
        }
        break;
    }
    case SDL_MOUSEMOTION: {
        const Point p = Logical(e.motion.x, e.motion.y);
        OnMouseMove(KeyShift(SDL_GetModState()) | ButtonShift(e.motion.state), p.x, p.y);
        break;
    }
    case SDL_MOUSEWHEEL: {
        const int dy = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        const Point p = Logical(e.wheel.mouseX, e.wheel.mouseY);
        if (dy != 0) OnMouseWheel(dy, p.x, p.y);
        break;
    }
    case SDL_KEYDOWN: {
        int key = e.key.keysym.sym;
        if (key == SDLK_KP_ENTER) key = vkReturn;
        if (OnKeyDown(key, KeyShift(e.key.keysym.mod))) break;
        if (mFocus && mFocus->Visible() && mFocus->HandleKey(key)) Invalidate();
        break;
    }
    case SDL_TEXTINPUT:
        if (mFocus && mFocus->Visible()) {
            mFocus->HandleText(e.text.text);
            Invalidate();
        }
        break;
    default:
        break;
    }
}

void Window::OnPaint(Canvas& canvas) {
    canvas.SetBrushStyle(bsSolid);
    canvas.SetBrushColor(RGB(0, 0, 0));
    canvas.FillRect({0, 0, canvas.Target().Width(), canvas.Target().Height()});
}
void Window::OnMouseDown(MouseButton, ShiftState, int, int) {}
void Window::OnMouseMove(ShiftState, int, int) {}
void Window::OnMouseUp(MouseButton, ShiftState, int, int) {}
void Window::OnDoubleClick(MouseButton, ShiftState, int, int) {}
void Window::OnMouseWheel(int, int, int) {}
bool Window::OnKeyDown(int, ShiftState) {
    return false;
}
bool Window::OnCloseQuery() {
    return true;
}
void Window::OnClosed() {}
