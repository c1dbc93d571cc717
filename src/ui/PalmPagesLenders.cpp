// The lenders', the supervision agent's and the police official's service
// parts. They start below the measured end of their description, so their
// buttons are recorded as the page draws them and the hit test finds exactly
// those.
#include "ui/PalmPageParts.h"

#include "model/Game.h"
#include "model/Text.h"
#include "sim/Actions.h"
#include "sim/Format.h"
#include "sim/Prices.h"
#include "ui/Utilities.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace palm {

namespace {

constexpr int DescriptionTop = 192;
constexpr int PartTop = 224; // the highest a part may start
constexpr int PartGap = 6;   // between the description and its part
constexpr int ButtonGap = 4; // above a 60 x 20 button at x 5..65
constexpr int OfficialLevels = 5;

// Draws the description and returns where the part below it starts.
int DescriptionThenPart(Canvas& canvas, const char* text) {
    int end = DescriptionTop + DrawTextWrapped(canvas, text, Column, ColumnWidth, DescriptionTop);
    return std::max(PartTop, end + PartGap);
}

int Line(Canvas& canvas, const std::string& text, int y) {
    return y + DrawTextAt(canvas, text, Column, y);
}

int32_t HeldProduct(int64_t a, int64_t b) {
    return static_cast<int32_t>(std::clamp<int64_t>(a * b, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// The rate the player pays for the whole term, after the lender's goodwill,
// as a percentage with at most one decimal: "10%", "7.5%".
std::string RateText(const Character& lender) {
    double percent = RelationFactor(lender.Relation, lender.InterestRate) * 100;
    if (!std::isfinite(percent)) percent = 0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", std::clamp(percent, -1e6, 1e6));
    std::string text = buf;
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0)
        text.resize(text.size() - 2);
    return text + "%";
}

} // namespace

int DrawLenderPart(GPalmScreen& palm, Canvas& canvas, const Character& c, bool bank) {
    int y = DescriptionThenPart(canvas, bank ? "Lends money at reasonable rate for a long term."
                                             : "Lends money at high rate for a short term.");
    y = Line(canvas, "Credit Limit: " + FormatMoney(c.CreditLimit), y);
    y = Line(canvas, "Term: " + std::to_string(c.LoanDays) + " days", y);
    y = Line(canvas, "Interest Rate: " + RateText(c), y);
    y = Line(canvas, "Amount to Repay: " + FormatMoney(LoanRepayment(c)), y);

    if (c.Debt > 0) {
        y += 8;
        y = Line(canvas, "Debt: " + FormatMoney(c.Debt), y);
        std::string due = "Due Date: " + FormatLogDate(c.DueDay);
        if (Today() > c.DueDay) due += " (overdue)";
        y = Line(canvas, due, y);
        y += ButtonGap;
        palm.DrawPageButton(canvas, PayDebtCell, Rect{5, y, 65, y + 20}, phPayDebt);
    } else {
        y += ButtonGap;
        palm.DrawPageButton(canvas, BorrowCell, Rect{5, y, 65, y + 20}, phBorrow);
    }
    return y + 20 + 10;
}

int DrawSupervisionPart(GPalmScreen& palm, Canvas& canvas, const Character& c, const BarDescr* d,
                        const Property* p) {
    int y = DescriptionThenPart(
        canvas, "Sets up hidden cameras to determine the honesty of your employees.");
    if (!p) return Line(canvas, "(no property selected)", y);
    if (!d) return y;

    int32_t price = DiscountedPrice(HeldProduct(d->Capacity, 500), c.Relation);
    y += DrawTextWrapped(canvas,
                         "Hidden cameras for your " + FieldText(p->Name) + " cost " +
                             FormatMoney(price) + ".",
                         Column, ColumnWidth, y);
    y = Line(canvas, "Workers of unknown honesty: " + std::to_string(UnobservedWorkers(*p, *d)), y);
    y += ButtonGap;
    palm.DrawPageButton(canvas, OrderCamerasCell, Rect{5, y, 65, y + 20}, phHiddenCameras);
    return y + 20 + 10;
}

int DrawPolicePart(GPalmScreen& palm, Canvas& canvas, const Character& c, const BarDescr* d,
                   const Property* p) {
    int y = DescriptionThenPart(canvas, "The police pays special attention to your property if the "
                                        "Legality value drops below 50. The crooked official uses "
                                        "his position and contacts to legalize your doings for a "
                                        "fee.");
    if (!p) return Line(canvas, "(no property selected)", y);
    if (!d) return y;

    for (int level = 0; level < OfficialLevels; ++level) {
        int top = y + RowStep * level;
        int32_t price = DiscountedPrice(HeldProduct(d->Capacity, int64_t{level} * 25), c.Relation);
        DrawTextAt(canvas,
                   level == 0
                       ? std::string("(none)")
                       : "Level " + std::to_string(level) + ": " + FormatMoney(price) + " per day",
                   Column, top);
        if (level == p->BribeLevel)
            DrawTextAt(canvas, "[selected]", RowButtonLeft - 5, top);
        else
            palm.DrawPageButton(canvas, OfficialLevelCell,
                                Rect{RowButtonLeft, top, RowButtonLeft + 40, top + 15},
                                phOfficialLevel, level);
    }
    return y + RowStep * OfficialLevels + 10;
}

} // namespace palm
