#include "sim/Clock.h"

#include "model/Game.h"
#include "model/GameHost.h"
#include "model/Text.h"
#include "sim/PropertyDay.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

// Clears InTick however the hour ends.
struct TickGuard {
    bool& Flag;
    ~TickGuard() { Flag = false; }
};

double WholeDay(double t) {
    return std::trunc(t);
}

} // namespace

void GameClock::OnTimer() {
    if (InTick) return;
    InTick = true;
    TickGuard guard{InTick};
    if (GameState.ClockSpeed == 1)
        TickCounter += 1;
    else if (GameState.ClockSpeed == 2)
        TickCounter += 4;
    if (TickCounter > 3) {
        HourTick();
        TickCounter = 0;
    }
}

static void HourTickBody();

static std::function<void(bool)>& TickObserver() {
    static std::function<void(bool)> observer;
    return observer;
}

void SetHourTickObserver(std::function<void(bool done)> observer) {
    TickObserver() = std::move(observer);
}

void HourTick() {
    if (TickObserver()) TickObserver()(false);
    HourTickBody();
    if (TickObserver()) TickObserver()(true);
}

static void HourTickBody() {
    double next = GameState.GameTime + 1.0 / 24;
    // The daily update runs while the time still holds the ending day's last hour,
    // so everything it dates belongs to that day.
    if (WholeDay(next) != WholeDay(GameState.GameTime)) DailyUpdate();
    GameState.GameTime = next;
    if (GameState.ClockSpeed > 0 && GameState.PropertyCount() == 0) {
        GameState.ClockSpeed = 0;
        HostPlaySound("click2");
    }
}

void DailyUpdate() {
    for (int32_t i = 0; i < GameState.PropertyCount();) {
        Property* p = GameState.Properties[i].get();
        if (!DescrOf(p)) {
            ++i;
            continue;
        }
        PropertyDay(i);
        // A property taken away during its day lets the next one move up to its
        // place; that one still gets its day.
        if (i < GameState.PropertyCount() && GameState.Properties[i].get() == p) ++i;
    }
    CreditorsDay();
    HostRefreshAfterDay();
}

void AddLogEntry(Property* p, const std::string& text, uint8_t kind) {
    if (!p) return;
    int32_t count = std::clamp(p->LogCount, 0, MaxLogEntries);
    if (count < MaxLogEntries) ++count;
    p->LogCount = count;
    std::memmove(&p->Log[1], &p->Log[0], sizeof(MessageLogEntry) * (count - 1));
    MessageLogEntry& e = p->Log[0];
    std::memset(&e, 0, sizeof e);
    CopyText(e.Text, text);
    e.Kind = kind;
    e.Time = GameState.GameTime;
    e.Seen = p == SelectedPropertyRecord() ? 1 : 0;
}

void AddReportLine(Property* p, const std::string& text, int32_t color) {
    if (!p || p->ReportCount < 0 || p->ReportCount >= MaxReportLines) return;
    ReportLine& line = p->Report[p->ReportCount];
    std::memset(&line, 0, sizeof line);
    CopyText(line.Text, text);
    line.Color = color;
    ++p->ReportCount;
}
