// A timer with an interval in milliseconds, fired on the main thread by its
// event loop. No threads: the loop sleeps until the next deadline or event.
#pragma once

#include <cstdint>
#include <functional>

class EventLoop;

class Timer {
public:
    // Belongs to the program's main loop unless given another (tests).
    Timer();
    explicit Timer(EventLoop& loop);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // A change of interval or a switch on starts a fresh period from now.
    void SetInterval(int ms);
    int Interval() const { return mInterval; }
    void SetEnabled(bool on);
    bool Enabled() const { return mEnabled; }
    // Runs once per period while enabled with an interval above 0. A period
    // missed while the program was busy fires once, not once per lost period.
    std::function<void()> OnTimer;

private:
    friend class EventLoop;
    void Restart();
    bool Armed() const { return mEnabled && mInterval > 0 && mLoop; }

    EventLoop* mLoop;
    int mInterval = 1000;
    bool mEnabled = true;
    std::uint64_t mDeadline = 0;
    std::uint64_t mSeq = 0;
};
