// The day's money: visitors, entrance fee, agents, deceivers, salaries, and the
// region traits that adjust them.
#include "sim/PropertyDay.h"

#include "model/Game.h"
#include "sim/Clock.h"
#include "sim/MoneyMath.h"
#include "sim/Random.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int64_t Trunc(double v) {
    return static_cast<int64_t>(std::trunc(v));
}

// Good trait first, then the bad one, so the bad trait wins when a building
// carries the same code twice.
int64_t TraitAdjust(const BarDescr* d, uint8_t code, int64_t amount, int64_t divisor) {
    int64_t adjust = 0;
    if (d->GoodTrait == code) adjust = amount / divisor;
    if (d->BadTrait == code) adjust = -amount / divisor;
    return adjust;
}

// The worker in each open vacancy, in vacancy order.
template <typename F> void ForEachStaffedVacancy(const DayContext& day, F&& f) {
    for (int32_t slot = 0; slot < VacancyCount; ++slot) {
        if (!day.D->Vacancies[slot].Open) continue;
        int32_t ci = FindWorkerInSlot(day.P->BarId, slot);
        if (ci >= 0) f(ci);
    }
}

} // namespace

void CountVisitorIncome(DayContext& day) {
    Property* p = day.P;
    int64_t dishonesty = 0;
    day.StaffCount = 0;
    ForEachStaffedVacancy(day, [&](int32_t ci) {
        ++day.StaffCount;
        dishonesty += GameState.Characters[ci]->Dishonesty;
    });
    day.Dishonesty = day.StaffCount > 0 ? static_cast<double>(dishonesty) / day.StaffCount : 0.0;

    int32_t groups = std::clamp(p->GroupCount, 0, MaxGroups);
    if (day.StaffCount == 0) {
        if (groups > 0)
            AddLogEntry(p, "You must hire a worker in order to make profit from the visitors.",
                        lkNotice);
        return;
    }
    DayAccounts& a = day.A;
    for (int32_t i = 0; i < groups; ++i) {
        const int32_t profit = p->Groups[i].Profit;
        a.VisitorProfit += Trunc(RandomBetween(0.75, 1.25) * profit);
        a.DeceiverLoss += Trunc(RandomBetween(0.75, 1.25) * profit * day.Dishonesty * 0.005);
    }
    a.VisitorAdjust = TraitAdjust(day.D, rtVisitorProfit, a.VisitorProfit, 4);
    a.Fee = static_cast<int64_t>(groups) * p->AdmissionFee * 10;
    a.Total += a.VisitorProfit + a.VisitorAdjust + a.Fee;
}

void PayStaffAndAgents(DayContext& day) {
    Property* p = day.P;
    int32_t groups = std::clamp(p->GroupCount, 0, MaxGroups);
    DayAccounts& a = day.A;
    ForEachStaffedVacancy(day, [&](int32_t ci) {
        if (SalaryStep(day, ci)) return; // retired: no agent's profit today
        const int32_t income = GameState.Characters[ci]->AgentIncome;
        if (income <= 0) return;
        a.AgentProfit += Trunc(RandomBetween(0.75, 1.25) * income * groups);
        a.DeceiverLoss +=
            Trunc(RandomBetween(0.75, 1.25) * income * groups * day.Dishonesty * 0.005);
    });
}

void ApplyTraitsAndTotal(DayContext& day) {
    DayAccounts& a = day.A;
    a.AgentAdjust = TraitAdjust(day.D, rtAgentEarnings, a.AgentProfit, 4);
    a.Total += a.AgentProfit + a.AgentAdjust;
    // A good trait halves the loss, a bad one raises it by half.
    a.DeceiverAdjust = TraitAdjust(day.D, rtDeceiverLosses, a.DeceiverLoss, 2);
    a.Total += -a.DeceiverLoss + a.DeceiverAdjust;
    a.SalaryAdjust = TraitAdjust(day.D, rtSalaries, a.Salary, 4);
    a.Total += -a.Salary + a.SalaryAdjust;

    // The counters are written as int32 money; cash never ends the day below 0.
    for (int64_t* v :
         {&a.VisitorProfit, &a.VisitorAdjust, &a.Fee, &a.AgentProfit, &a.AgentAdjust,
          &a.DeceiverLoss, &a.DeceiverAdjust, &a.Salary, &a.SalaryAdjust, &a.Bribe, &a.Total})
        *v = HoldInt32(*v);
    int64_t cash = static_cast<int64_t>(GameState.Cash) + a.Total;
    GameState.Cash =
        static_cast<int32_t>(std::clamp<int64_t>(cash, 0, std::numeric_limits<int32_t>::max()));
}
