// An event loop on a fake clock for tests: waiting moves the clock on to the
// deadline, and queued events are handed out first.
#pragma once

#include "platform/EventLoop.h"

#include <SDL.h>

#include <cstdint>
#include <vector>

struct FakeLoop {
    std::uint64_t now = 1000;
    std::vector<int> waits;
    std::vector<SDL_Event> queue;
    EventLoop loop{[this] { return now; },
                   [this](SDL_Event& e, int timeout) {
                       if (!queue.empty()) {
                           e = queue.front();
                           queue.erase(queue.begin());
                           return true;
                       }
                       waits.push_back(timeout);
                       if (timeout > 0) now += std::uint64_t(timeout);
                       return false;
                   }};
};
