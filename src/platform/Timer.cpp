#include "platform/Timer.h"

#include "platform/EventLoop.h"

Timer::Timer() : Timer(EventLoop::Main()) {}

Timer::Timer(EventLoop& loop) : mLoop(&loop) {
    mLoop->Add(this);
    Restart();
}

Timer::~Timer() {
    if (mLoop) mLoop->Remove(this);
}

void Timer::Restart() {
    if (mLoop) mDeadline = mLoop->Now() + static_cast<std::uint64_t>(mInterval > 0 ? mInterval : 0);
}

void Timer::SetInterval(int ms) {
    mInterval = ms < 0 ? 0 : ms;
    Restart();
}

void Timer::SetEnabled(bool on) {
    if (on && !mEnabled) Restart();
    mEnabled = on;
}
