// The daily report and the day's log entry.
#include "sim/PropertyDay.h"

#include "model/Game.h"
#include "sim/Clock.h"
#include "sim/Format.h"
#include "sim/MoneyMath.h"

#include <string>

namespace {

// "Label: $1,200" with a signed adjustment right after the amount: "$1,200+$300".
std::string Amount(const char* label, int64_t amount, int64_t adjust) {
    std::string s = std::string(label) + FormatMoney(HoldInt32(amount));
    if (adjust != 0) s += FormatSignedMoney(HoldInt32(adjust));
    return s;
}

} // namespace

void WriteDailyReport(DayContext& day) {
    Property* p = day.P;
    const DayAccounts& a = day.A;
    AddReportLine(
        p, "Attendance: " + std::to_string(p->GroupCount) + "/" + std::to_string(day.D->Capacity),
        ColorReportText);
    if (a.VisitorProfit != 0 || a.VisitorAdjust != 0)
        AddReportLine(p, Amount("Profit from visitors: ", a.VisitorProfit, a.VisitorAdjust),
                      ColorReportText);
    if (a.Fee != 0)
        AddReportLine(p, "Collected entrance fee: " + FormatMoney(HoldInt32(a.Fee)),
                      ColorReportText);
    if (a.AgentProfit != 0 || a.AgentAdjust != 0)
        AddReportLine(p, Amount("Profit from agents: ", a.AgentProfit, a.AgentAdjust),
                      ColorReportText);
    // Loss and salary adjustments lower the cost, so they are shown negated.
    if (a.DeceiverLoss != 0 || a.DeceiverAdjust != 0)
        AddReportLine(p, Amount("Loss from deceivers: ", a.DeceiverLoss, -a.DeceiverAdjust),
                      ColorReportText);
    if (a.Salary != 0 || a.SalaryAdjust != 0)
        AddReportLine(p, Amount("Salary paid: ", a.Salary, -a.SalaryAdjust), ColorReportText);
    if (a.Bribe != 0)
        AddReportLine(p, "Bribe paid: " + FormatMoney(HoldInt32(a.Bribe)), ColorReportText);

    const int32_t total = HoldInt32(a.Total);
    int32_t color = total == 0 ? ColorBlack : total < 0 ? ColorDarkRed : ColorGreen;
    AddReportLine(p, "Total: " + FormatSignedMoney(total), color);

    uint8_t kind = total > 0 ? lkGood : total < 0 ? lkBad : lkNotice;
    AddLogEntry(p, FormatLogDate(GameState.GameTime) + " total: " + FormatSignedMoney(total), kind);
}
