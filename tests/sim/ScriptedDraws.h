// Hands out a scripted sequence of RandomInt values, then a fallback value;
// counts the draws. Restores the real generator when it goes out of scope.
#pragma once

#include "sim/Random.h"

#include <cstdint>
#include <deque>
#include <memory>

// Values that make ChanceTest pass or fail for every p in (0, 1).
constexpr int32_t kPass = 0;
constexpr int32_t kFail = 4094;

struct ScriptedDraws {
    struct State {
        std::deque<int32_t> next;
        int32_t fallback;
        int drawn = 0;
    };
    std::shared_ptr<State> s;

    explicit ScriptedDraws(std::initializer_list<int32_t> values, int32_t fallback = kFail)
        : s(std::make_shared<State>(State{values, fallback})) {
        auto st = s;
        SetRandomSourceForTesting([st] {
            ++st->drawn;
            if (st->next.empty()) return st->fallback;
            int32_t v = st->next.front();
            st->next.pop_front();
            return v;
        });
    }
    ~ScriptedDraws() { SetRandomSourceForTesting(nullptr); }
    void Then(std::initializer_list<int32_t> values) {
        for (int32_t v : values)
            s->next.push_back(v);
    }
    int Drawn() const { return s->drawn; }
    bool Exhausted() const { return s->next.empty(); }
};
