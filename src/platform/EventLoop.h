// The program's one event loop: dispatches window events, fires timers on the
// main thread and paints invalidated windows. Between events it sleeps until
// the next timer deadline (SDL_WaitEventTimeout), never spinning.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

union SDL_Event;
class Timer;
class Window;

class EventLoop {
public:
    // Milliseconds of a steady clock.
    using NowFn = std::function<std::uint64_t()>;
    // Waits up to timeoutMs (-1: without limit) for an event; false on time-out.
    using WaitFn = std::function<bool(SDL_Event& event, int timeoutMs)>;

    EventLoop(); // the steady clock and SDL's event queue
    EventLoop(NowFn now, WaitFn wait);
    ~EventLoop();
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    // The loop of the program's windows and timers.
    static EventLoop& Main();

    std::uint64_t Now() const { return mNow(); }

    // Runs until Quit(), or until the main window has closed.
    void Run();
    void Quit() { mQuit = true; }
    bool QuitCalled() const { return mQuit; }

    // Shows the window and runs a nested loop until its modal result is set
    // (Window::SetModalResult) and returns that result. Meanwhile every timer
    // keeps firing and other windows still paint, but input reaches only the
    // modal window. A quit request (SIGTERM) ends it with 2, Cancel.
    int RunModal(Window& window);
    Window* ModalWindow() const { return mModal.empty() ? nullptr : mModal.back(); }

    // One turn: fire the due timers, paint what is invalid, then wait for one
    // event (or the next deadline, or at most maxWaitMs when >= 0) and dispatch it.
    void RunOnce(int maxWaitMs = -1);
    // Fires every timer whose deadline has come, earliest deadline first.
    void FireDueTimers();
    // Milliseconds until the next timer deadline; -1 when no timer is armed.
    int NextTimeout() const;
    // Dispatches one event to the window it belongs to.
    void Dispatch(const SDL_Event& event);
    // Paints every window with an invalid region.
    void PaintInvalid();

    // The window whose closing ends Run(); SIGTERM asks it to close.
    void SetMainWindow(Window* w) { mMainWindow = w; }
    Window* MainWindow() const { return mMainWindow; }
    // A close request for the whole program (SIGTERM) waiting to be handled.
    bool QuitRequested() const { return mQuitRequested; }

private:
    friend class Timer;
    friend class Window;
    void Add(Timer* t);
    void Remove(Timer* t);
    void Add(Window* w);
    void Remove(Window* w);
    Window* Find(std::uint32_t windowId) const;
    bool TakesInput(const Window* w) const;
    void HandleQuitRequest();

    NowFn mNow;
    WaitFn mWait;
    std::vector<Timer*> mTimers;
    std::vector<Window*> mWindows;
    std::vector<Window*> mModal;
    Window* mMainWindow = nullptr;
    std::uint64_t mNextSeq = 1;
    bool mQuit = false;
    bool mQuitRequested = false;
};
