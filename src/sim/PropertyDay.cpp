// One property's day: the steps in the order the game runs them.
#include "sim/PropertyDay.h"

#include "model/Game.h"
#include "sim/Levels.h"

bool PropertyDay(int32_t index) {
    if (index < 0 || index >= GameState.PropertyCount()) return false;
    DayContext day;
    day.P = GameState.Properties[index].get();
    day.D = DescrOf(day.P);
    day.Index = index;
    if (!day.D) return true; // left out of the day

    Property* p = day.P;
    p->ReportCount = 0;
    day.CannotHold = false;

    Property* selected = SelectedPropertyRecord();
    RandomEvent(p, selected ? selected : p);
    PayBribe(day);
    ConsumeSupplies(day);
    day.Management = ManagementLevel(p, day.D);
    RemoveCandidates();
    GenerateCandidates();
    VisitorsStayOrLeave(day);
    SecurityIncidents(day);
    Arrivals(day);
    CannotHoldNotice(day);
    SupervisionCountdown(day);
    CampaignsAndShows(day);
    GrowPotentialVisitors(day);
    CountVisitorIncome(day);
    PayStaffAndAgents(day);
    ApplyTraitsAndTotal(day);
    WriteDailyReport(day);
    return !FinesAndRaids(day);
}
