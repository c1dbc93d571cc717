// The visitors' part of a property's day: supplies, staying or leaving, arrivals,
// campaigns and shows wearing off, and the growth of potential visitors.
#include "sim/PropertyDay.h"

#include "model/Game.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "sim/Clock.h"
#include "sim/Format.h"
#include "sim/Levels.h"
#include "sim/Random.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

std::string BuildingWord(const DayContext& day) {
    return FieldText(day.D->Name);
}
std::string TypeName(int type) {
    return GetVisitorNameByEnum(type);
}
bool IsGroupType(int type) {
    return type >= 1 && type < VisitorTypeCount;
}

// Puts the building's word where the phrase has its place for it.
std::string WithName(const std::string& phrase, const std::string& name) {
    return FillPhrase(phrase, std::string(), name);
}

int32_t HeldDesire(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, 0, 100));
}

// Group i leaves with the phrase the log gives its type.
void Leave(DayContext& day, int32_t i, const std::string& phrase) {
    AddLogEntry(day.P, TypeName(day.P->Groups[i].Type) + WithName(phrase, BuildingWord(day)),
                lkBad);
    RemoveVisitorGroup(day.P, i);
}

void LeaveUnhappy(DayContext& day, int32_t i) {
    Leave(day, i,
          PickPhrase({
              " don't like your %N anymore.",
              " don't want to stay in your %N anymore.",
              " are leaving your %N.",
              " are bored and so leaving your %N.",
              " are very unpleased with your service and so leaving your %N.",
              " are dissatisfied with your service and so leaving your %N.",
          }));
}

void LeaveOverFee(DayContext& day, int32_t i) {
    Leave(day, i,
          PickPhrase({
              " found a cheaper %N to visit.",
              " chose another %N with free admission to visit.",
              " can't afford to visit your %N anymore.",
              " don't wish to pay that much for entering your %N and leaving it.",
              " don't agree to pay the entrance fee anymore.",
          }));
}

bool FeeDrivesAway(const DayContext& day, const VisitorGroup& g) {
    double p =
        (static_cast<int64_t>(day.P->AdmissionFee) * 50 - static_cast<int64_t>(g.Profit)) * 0.001;
    if (day.D->GoodTrait == rtAdmissionFeeReaction) p *= 0.333;
    if (day.D->BadTrait == rtAdmissionFeeReaction) p *= 3;
    return ChanceTest(p);
}

void Stay(DayContext& day, const StaffSums& staff, VisitorGroup& g) {
    int32_t s = Satisfaction(staff, day.P, day.D, g);
    double r = RandomBetween(0.5, 1.5);
    int64_t desire = g.DesireToStay + static_cast<int64_t>(std::trunc(r * (s - 100) / 14));
    int32_t show = IsGroupType(g.Type) ? day.P->ShowProgram[g.Type] : 0;
    if (show > 0) {
        double r2 = RandomBetween(0.5, 1.5);
        desire += static_cast<int64_t>(std::trunc(r2 * show * 0.2));
    }
    g.DesireToStay = HeldDesire(desire);
}

void LogArrival(DayContext& day, int32_t position, std::string phrase) {
    AddLogEntry(day.P, TypeName(day.P->Groups[position].Type) + phrase, lkGood);
}

std::string VisitYour(const DayContext& day) {
    return "and visit your " + BuildingWord(day) + ".";
}

// Below this the store counts as empty.
constexpr double kSuppliesExhausted = 1e-9;

} // namespace

void ConsumeSupplies(DayContext& day) {
    Property* p = day.P;
    p->Supplies -= 0.2 * p->GroupCount;
    // Steps of 0.2 are not exact in binary: 25.0 less 125 of them leaves about 5e-14,
    // which is an empty store, not one that lasts another day.
    if (p->Supplies < kSuppliesExhausted) p->Supplies = 0;
    if (p->GroupCount <= 0) return;
    if (p->Supplies > 5 && p->Supplies <= 15)
        AddLogEntry(p, "Your stocks are running low.", lkNotice);
    else if (p->Supplies > 0 && p->Supplies <= 5)
        AddLogEntry(p, "Your stocks are running low.", lkBad);
    else if (p->Supplies == 0)
        AddLogEntry(p, "All the service levels are zeroed because your supplies are exhausted.",
                    lkBad);
}

void VisitorsStayOrLeave(DayContext& day) {
    Property* p = day.P;
    // Groups only leave during this step; the staff behind every group's levels stays.
    StaffSums staff;
    SumStaff(p, staff);
    // Nothing joins during this step, so a removal lets the next group move up to i.
    for (int32_t i = 0; i < p->GroupCount && i < MaxGroups;) {
        VisitorGroup& g = p->Groups[i];
        if (g.DesireToStay <= 0) {
            LeaveUnhappy(day, i);
        } else if (FeeDrivesAway(day, g)) {
            LeaveOverFee(day, i);
        } else {
            Stay(day, staff, g);
            ++i;
        }
    }
}

void Arrivals(DayContext& day) {
    Property* p = day.P;
    const BarDescr* d = day.D;
    int32_t at = 0;
    bool firstDay = std::trunc(GameState.GameTime) == std::trunc(GameState.StartTime);
    if (ChanceTest(d->Inflow / 30.0) || (firstDay && p->GroupCount == 0)) {
        if (AddVisitorGroup(p, d, 0, day.CannotHold, &at)) {
            std::string phrase = PickPhrase({
                " found your %N is conveniently located and visit it.",
                " live close to your %N and visit it.",
                " live next to to your %N and visit it.",
                " reside next to to your %N and visit it.",
                " found your %N by accident and visit it.",
                " found your %N by chance and visit it.",
                " appreciate advantageous location of your %N and visit it.",
            });
            LogArrival(day, at, WithName(phrase, BuildingWord(day)));
        }
    }
    for (int t = 1; t < VisitorTypeCount; ++t) {
        if (p->AdCampaign[t] <= 0) continue;
        if (!ChanceTest(p->AdCampaign[t] * 0.01)) continue;
        if (!AddVisitorGroup(p, d, t, day.CannotHold, &at)) continue;
        LogArrival(day, at,
                   PickPhrase({" saw your ad on tv ", " find your ad in the magazine ",
                               " notice your ad in the magazine ", " hear your ad over the air ",
                               " don't miss your advertising campaign ",
                               " got inspired with your advertisement ", " hook onto your ad "}) +
                       VisitYour(day));
    }
    int32_t strip = ServiceLevel(p, d, skStriptease, day.Management);
    if (ChanceTest(strip * 0.01) && AddVisitorGroup(p, d, 0, day.CannotHold, &at)) {
        LogArrival(day, at,
                   PickPhrase({" get off on your strip show ", " go wild over your strip dancers ",
                               " got hooked on your strip show ", " love your strip show ",
                               " like your strip program ", " are keen on your strip show ",
                               " got inspired with your strip program ",
                               " got crazy about your strip show "}) +
                       VisitYour(day));
    }
}

void CannotHoldNotice(DayContext& day) {
    if (!day.CannotHold) return;
    std::string text = PickPhrase({
        "New people can't visit your %N because you cannot hold them all.",
        "New people wouldn't mind to visit your %N, however you cannot hold them all.",
        "You're rejecting to new visitors because your %N cannot hold them all.",
        "You're losing new visitors because your %N cannot hold them all.",
    });
    AddLogEntry(day.P, WithName(text, BuildingWord(day)), lkNotice);
}

void CampaignsAndShows(DayContext& day) {
    Property* p = day.P;
    for (int t = 1; t < VisitorTypeCount; ++t) {
        if (p->AdCampaign[t] > 0) {
            auto drop = static_cast<int32_t>(std::trunc(RandomBetween(0.5, 1.5) * 12));
            p->AdCampaign[t] = std::max(p->AdCampaign[t] - drop, 0);
            if (p->AdCampaign[t] == 0)
                AddLogEntry(p, "You've ended advertising campaign for " + TypeName(t) + ".",
                            lkNotice);
        }
        if (p->ShowProgram[t] > 0) {
            auto drop = static_cast<int32_t>(std::trunc(RandomBetween(0.5, 1.5) * 6));
            p->ShowProgram[t] = std::max(p->ShowProgram[t] - drop, 0);
            if (p->ShowProgram[t] == 0)
                AddLogEntry(p, "You've ended staging show program for " + TypeName(t) + ".",
                            lkNotice);
        }
    }
}

void GrowPotentialVisitors(DayContext& day) {
    if (ChanceTest(day.D->Inflow * 2.0 / 30)) AddPotentialVisitor(day.P, day.D);
}
