// The game clock, the hour tick, the daily update and the two per-property
// output channels (message log and daily report).
#pragma once

#include "model/Gamedata.h"

#include <cstdint>
#include <functional>
#include <string>

// The clock timer's logic; the window's 150 ms timer calls OnTimer. The window
// also sets InTick while it carries out a command, and repaints after each call.
struct GameClock {
    bool InTick = false;
    int32_t TickCounter = 0;
    void OnTimer();
};

void HourTick();
// Hears each hour tick just before (false) and just after (true) it runs; the
// session recorder counts them. An empty function stops listening.
void SetHourTickObserver(std::function<void(bool done)> observer);
void DailyUpdate();

// Entry 0 is the newest; the oldest of 24 is dropped. A null property does nothing.
void AddLogEntry(Property* p, const std::string& text, uint8_t kind);
// Ignored beyond 12 lines.
void AddReportLine(Property* p, const std::string& text, int32_t color);
