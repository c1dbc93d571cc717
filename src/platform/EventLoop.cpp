#include "platform/EventLoop.h"

#include "platform/Timer.h"
#include "platform/Window.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <tuple>

namespace {

std::uint64_t SteadyMs() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

bool SdlWait(SDL_Event& e, int timeoutMs) {
    if (!SDL_WasInit(SDL_INIT_EVENTS) && SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) return false;
    if (timeoutMs == 0) return SDL_PollEvent(&e) == 1;
    if (timeoutMs < 0) return SDL_WaitEvent(&e) == 1;
    return SDL_WaitEventTimeout(&e, timeoutMs) == 1;
}

// At most this many queued events are handled in one turn, so timers and
// painting keep their turn under a flood of pointer movements.
constexpr int kEventsPerTurn = 64;

} // namespace

EventLoop::EventLoop() : EventLoop(SteadyMs, SdlWait) {}

EventLoop::EventLoop(NowFn now, WaitFn wait) : mNow(std::move(now)), mWait(std::move(wait)) {}

EventLoop::~EventLoop() {
    for (Timer* t : mTimers)
        t->mLoop = nullptr;
}

EventLoop& EventLoop::Main() {
    static EventLoop loop;
    return loop;
}

void EventLoop::Add(Timer* t) {
    t->mSeq = mNextSeq++;
    mTimers.push_back(t);
}

void EventLoop::Remove(Timer* t) {
    std::erase(mTimers, t);
}

void EventLoop::Add(Window* w) {
    mWindows.push_back(w);
}

void EventLoop::Remove(Window* w) {
    std::erase(mWindows, w);
    std::erase(mModal, w);
    if (mMainWindow == w) mMainWindow = nullptr;
}

Window* EventLoop::Find(std::uint32_t windowId) const {
    if (windowId == 0) return nullptr;
    for (Window* w : mWindows)
        if (w->Id() == windowId) return w;
    return nullptr;
}

bool EventLoop::TakesInput(const Window* w) const {
    return mModal.empty() || mModal.back() == w;
}

int EventLoop::NextTimeout() const {
    const std::uint64_t now = Now();
    long long best = -1;
    for (const Timer* t : mTimers) {
        if (!t->Armed()) continue;
        const long long left = t->mDeadline > now ? static_cast<long long>(t->mDeadline - now) : 0;
        if (best < 0 || left < best) best = left;
    }
    return best < 0 ? -1 : static_cast<int>(std::min<long long>(best, INT_MAX));
}

void EventLoop::FireDueTimers() {
    std::vector<std::tuple<std::uint64_t, std::uint64_t, Timer*>> due;
    const std::uint64_t now = Now();
    for (Timer* t : mTimers)
        if (t->Armed() && t->mDeadline <= now) due.emplace_back(t->mDeadline, t->mSeq, t);
    std::sort(due.begin(), due.end());
    for (auto& [deadline, seq, timer] : due) {
        // An earlier handler may have stopped, changed or destroyed this timer.
        if (std::find(mTimers.begin(), mTimers.end(), timer) == mTimers.end()) continue;
        if (timer->mSeq != seq || !timer->Armed()) continue;
        const std::uint64_t at = Now();
        if (timer->mDeadline > at) continue;
        // The next period starts before the handler runs: a handler that opens
        // a modal window gets its timer fired again inside that window's loop.
        timer->mDeadline = at + static_cast<std::uint64_t>(timer->mInterval);
        if (timer->OnTimer) timer->OnTimer();
        if (mQuit) return;
    }
}

void EventLoop::PaintInvalid() {
    const std::vector<Window*> windows = mWindows;
    for (Window* w : windows)
        if (std::find(mWindows.begin(), mWindows.end(), w) != mWindows.end() && w->NeedsPaint())
            w->Paint();
}

void EventLoop::HandleQuitRequest() {
    mQuitRequested = true;
    if (!mModal.empty()) return; // the modal loops end first, then we come back here
    mQuitRequested = false;
    if (!mMainWindow) {
        Quit();
        return;
    }
    mMainWindow->Close();
}

void EventLoop::Dispatch(const SDL_Event& e) {
    switch (e.type) {
    case SDL_QUIT:
        HandleQuitRequest();
        return;
    case SDL_WINDOWEVENT: {
        Window* w = Find(e.window.windowID);
        if (!w) return;
        // A close from the window manager while another window is modal is ignored,
        // as the window could not be reached by the player either.
        if (e.window.event == SDL_WINDOWEVENT_CLOSE && !TakesInput(w)) return;
        w->HandleEvent(e);
        return;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        Window* w = Find(e.button.windowID);
        if (w && TakesInput(w)) w->HandleEvent(e);
        return;
    }
    case SDL_MOUSEMOTION: {
        Window* w = Find(e.motion.windowID);
        if (w && TakesInput(w)) w->HandleEvent(e);
        return;
    }
    case SDL_MOUSEWHEEL: {
        Window* w = Find(e.wheel.windowID);
        if (w && TakesInput(w)) w->HandleEvent(e);
        return;
    }
    case SDL_KEYDOWN: {
        // Keys go to the modal window even while the window manager still gives
        // the focus to its owner.
        Window* w = mModal.empty() ? Find(e.key.windowID) : mModal.back();
        if (w) w->HandleEvent(e);
        return;
    }
    case SDL_TEXTINPUT: {
        Window* w = mModal.empty() ? Find(e.text.windowID) : mModal.back();
        if (w) w->HandleEvent(e);
        return;
    }
    default:
        return;
    }
}

void EventLoop::RunOnce(int maxWaitMs) {
    FireDueTimers();
    if (mQuit) return;
    PaintInvalid();
    int timeout = NextTimeout();
    if (maxWaitMs >= 0 && (timeout < 0 || timeout > maxWaitMs)) timeout = maxWaitMs;
    SDL_Event e;
    if (!mWait(e, timeout)) return;
    Dispatch(e);
    for (int i = 1; i < kEventsPerTurn && !mQuit && mWait(e, 0); ++i)
        Dispatch(e);
}

void EventLoop::Run() {
    mQuit = false;
    while (!mQuit) {
        RunOnce();
        if (mQuitRequested && mModal.empty()) HandleQuitRequest();
    }
}

int EventLoop::RunModal(Window& window) {
    window.SetModalResult(mrNone);
    mModal.push_back(&window);
    window.Show();
    while (window.ModalResult() == mrNone && !mQuit) {
        if (mQuitRequested) {
            window.SetModalResult(mrCancel);
            break;
        }
        RunOnce();
    }
    std::erase(mModal, &window);
    window.Hide();
    // The owner repaints where the modal window was.
    for (Window* w : mWindows)
        if (w->Visible()) w->Invalidate();
    return window.ModalResult() == mrNone ? mrCancel : window.ModalResult();
}
