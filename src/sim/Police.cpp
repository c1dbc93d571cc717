// The police bribe, fights among rowdy visitors, fines and raids.
#include "model/Game.h"
#include "model/GameHost.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "sim/Clock.h"
#include "sim/Format.h"
#include "sim/Levels.h"
#include "sim/MoneyMath.h"
#include "sim/Prices.h"
#include "sim/PropertyDay.h"
#include "sim/Random.h"
#include "sim/Stats.h"

#include <cmath>
#include <string>

namespace {

constexpr int32_t Fine = 5000;

// Replaces every "%A" with the fine and every "%N" with the building's name.
std::string Fill(const std::string& text, const std::string& name) {
    return FillPhrase(text, FormatMoney(Fine), name);
}

int32_t IndexOf(const Property* p) {
    for (int32_t i = 0; i < GameState.PropertyCount(); ++i)
        if (GameState.Properties[i].get() == p) return i;
    return -1;
}

} // namespace

void PayBribe(DayContext& day) {
    Property* p = day.P;
    if (!p || !day.D) return;
    // A level outside 1..4 (bad data) counts as no bribe.
    if (p->BribeLevel < 1 || p->BribeLevel > 4) return;
    Character* police = FindContact(skPoliceOfficial);
    if (!police) return;
    int32_t bribe = DiscountedPrice(
        HoldInt32(static_cast<int64_t>(day.D->Capacity) * p->BribeLevel * 25), police->Relation);
    if (GameState.Cash < bribe) {
        p->BribeLevel = 0;
        AddLogEntry(p, "You don't have enough cash to bribe the police.", lkBad);
        return;
    }
    AdjustRelation(police, bribe / 4);
    day.A.Bribe += bribe;
    day.A.Total -= bribe;
}

void SecurityIncidents(DayContext& day) {
    Property* p = day.P;
    if (!p || !day.D) return;
    const int32_t s = ServiceLevel(p, day.D, skSecurity, day.Management);
    if (s >= 50) return;
    const std::string name = FieldText(day.D->Name);
    bool fight = false;
    for (int32_t i = 0; i < p->GroupCount && !fight; ++i) {
        const VisitorGroup& g = p->Groups[i];
        if (g.SecurityEffect >= 0 || !ChanceTest((50 - s) * 0.0025)) continue;
        fight = true;
        std::string text = GetVisitorNameByEnum(g.Type) +
                           PickPhrase({" entered the fray in your ", " started a fight in your ",
                                       " put up a fight in your ", " provoked a fight in your "}) +
                           name;
        if (p->Value <= 100) {
            text += ".";
        } else {
            // No lower limit: fights may push a value below 0.
            AddHeld(p->Value, -((RandomInt() % 2000 + 300) / 100 * 100));
            text +=
                PickPhrase({" and inflicted some damage to it.", " and caused some damage to it."});
        }
        AddLogEntry(p, text, lkBad);
        ++GameStats.Fights;
    }
    if (!fight) return;
    // Each group present now is handled once; a removal brings the next one to i.
    int32_t i = 0;
    while (i < p->GroupCount) {
        const VisitorGroup& g = p->Groups[i];
        if (g.SecurityEffect != 0 || !ChanceTest(0.333)) {
            ++i;
            continue;
        }
        std::string text =
            GetVisitorNameByEnum(g.Type) +
            Fill(PickPhrase(
                     {" are dissatisfied with the security measures in your %N and so leaving it.",
                      " think staying in your %N is rather dangereous and so leaving it.",
                      " think your %N is insecure and so leaving it.",
                      " consider your %N as unsafe and so leaving it."}),
                 name);
        AddLogEntry(p, text, lkBad);
        RemoveVisitorGroup(p, i);
    }
}

bool FinesAndRaids(DayContext& day) {
    Property* p = day.P;
    if (!p || !day.D) return false;
    const std::string name = FieldText(day.D->Name);
    // A fine time that is not a number (bad data) counts as no fine.
    const double dueDay = std::isfinite(p->FineDueTime) ? std::trunc(p->FineDueTime) : 0.0;
    if (dueDay != 0) {
        if (GameState.Cash >= Fine) {
            AddLogEntry(p,
                        Fill(PickPhrase({"You payed a %A fine and so threw out your charges.",
                                         "You payed a penalty of %A and dismissed your charges."}),
                             name),
                        lkNotice);
            GameState.Cash -= Fine;
            p->FineDueTime = 0;
        } else if (dueDay < Today()) {
            ShowMessageBox("Your " + FieldText(p->Name) +
                               " has been seized by police in order to reimburse the fine.",
                           "Quelbrin");
            RemoveProperty(IndexOf(p));
            ++GameStats.Seizures;
            HostReturnToDefaultPage();
            return true;
        } else {
            AddLogEntry(p,
                        "You have " + std::to_string(HoldInt32(dueDay - Today())) +
                            " day(s) left to pay the fine.",
                        lkNotice);
        }
        return false;
    }
    const int32_t l = LegalityLevel(p, day.D);
    if (l >= 50 || !ChanceTest((50 - l) * 0.00125)) return false;
    ++GameStats.Raids;
    AddLogEntry(p,
                Fill(PickPhrase({"The crime investigator leveled charges of violence of the law "
                                 "against you.",
                                 "You are faced charges according to the criminal law.",
                                 "The police found offence against morality in your %N.",
                                 "After making a raid on your %N, the police got evidence of "
                                 "offence against the law.",
                                 "The police found violence of the law in your %N."}),
                     name),
                lkBad);
    if (GameState.Cash < Fine) {
        AddLogEntry(
            p,
            Fill(PickPhrase({"You must pay %A within 7 days or your %N will be confiscated.",
                             "You are to pay a fine of %A within 7 days or your %N will be "
                             "seized.",
                             "You are to prepare %A in cash in 7 days or your %N will be "
                             "seized."}),
                 name),
            lkBad);
        p->FineDueTime = GameState.GameTime + 7;
    } else {
        AddLogEntry(
            p,
            Fill(PickPhrase({"The police imposed a %A fine on you.", "You payed a penalty of %A.",
                             "A fine in the amount of %A was levied on you.",
                             "You were imposed a %A fine.", "You were fined in the amount of %A."}),
                 name),
            lkNotice);
        GameState.Cash -= Fine;
    }
    return false;
}
