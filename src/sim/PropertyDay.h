// One property's day, and the named steps it runs in order.
#pragma once

#include "model/Gamedata.h"

#include <cstdint>

// The day's money counters, computed in 64 bits.
struct DayAccounts {
    int64_t VisitorProfit = 0, VisitorAdjust = 0;
    int64_t Fee = 0;
    int64_t AgentProfit = 0, AgentAdjust = 0;
    int64_t DeceiverLoss = 0, DeceiverAdjust = 0;
    int64_t Salary = 0, SalaryAdjust = 0;
    int64_t Bribe = 0;
    int64_t Total = 0;
};

struct DayContext {
    Property* P = nullptr;
    const BarDescr* D = nullptr;
    int32_t Index = 0; // the property's place in GameState.Properties
    DayAccounts A;
    bool CannotHold = false;
    int32_t Management = 0; // step 5
    // Step 15: occupied vacancies and their mean dishonesty, used again by step 16.
    int32_t StaffCount = 0;
    double Dishonesty = 0;
};

// Runs the 19 steps; returns false when the property was taken away during its day.
bool PropertyDay(int32_t index);

// Visitors, supplies and income.
void ConsumeSupplies(DayContext& day);
void VisitorsStayOrLeave(DayContext& day);
void Arrivals(DayContext& day);
void CannotHoldNotice(DayContext& day);
void CampaignsAndShows(DayContext& day);
void GrowPotentialVisitors(DayContext& day);
void CountVisitorIncome(DayContext& day);
void PayStaffAndAgents(DayContext& day);
void ApplyTraitsAndTotal(DayContext& day);
void WriteDailyReport(DayContext& day);

// Staff and candidates.
void RemoveCandidates();
void GenerateCandidates();
void SupervisionCountdown(DayContext& day);
// Pays the worker at characterIndex; true when the worker retired.
bool SalaryStep(DayContext& day, int32_t characterIndex);

// Random events, police and creditors.
void RandomEvent(Property* p, Property* secondTarget);
void PayBribe(DayContext& day);
void SecurityIncidents(DayContext& day);
// True when the property was seized.
bool FinesAndRaids(DayContext& day);
void CreditorsDay();

// Visitor groups.
int PickVisitorType(Property* p, int type);
bool AddVisitorGroup(Property* p, const BarDescr* d, int type, bool& cannotHold, int32_t* position);
void AddPotentialVisitor(Property* p, const BarDescr* d);
int32_t CountGroups(const Property* p, int type);
