// The creditors' day: overdue debts grow, lenders lose goodwill, warn, send
// bandits or seize a property.
#include "model/Game.h"
#include "model/GameHost.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "sim/Clock.h"
#include "sim/Format.h"
#include "sim/MoneyMath.h"
#include "sim/Prices.h"
#include "sim/PropertyDay.h"
#include "sim/Random.h"
#include "sim/Stats.h"

#include <string>

namespace {

void LoanSharkVisit(Character& shark, Property& target, const BarDescr& d) {
    if (target.Value <= 100 || !ChanceTest(0.333)) return;
    const std::string who = FieldText(shark.Name);
    const std::string name = FieldText(d.Name);
    if (shark.Relation > -75) {
        AddLogEntry(&target, who + " wants his money back.", lkBad);
        return;
    }
    int32_t damage = (RandomInt() % 11000 + 1000) / 100 * 100;
    target.Value = target.Value - damage > 100 ? target.Value - damage : 100;
    std::string text =
        PickPhrase({" and his bandits caused some damage to your property.",
                    " sent his guys with clubs to your %N. They've broken some stuff.",
                    " sent his bandits to your %N. They've damaged some equipment.",
                    " and his gang inflicted some damage to your building."});
    AddLogEntry(&target, who + FillPhrase(text, std::string(), name), lkBad);
    int32_t i = 0;
    while (i < target.GroupCount) {
        if (target.Groups[i].SecurityEffect != 0 || !ChanceTest(0.333)) {
            ++i;
            continue;
        }
        AddLogEntry(&target,
                    GetVisitorNameByEnum(target.Groups[i].Type) + " consider your " + name +
                        " as unsafe and so leaving it.",
                    lkBad);
        RemoveVisitorGroup(&target, i);
    }
}

void BankPresses(Character& bank, int32_t targetIndex, const BarDescr& d) {
    Property& target = *GameState.Properties[targetIndex];
    // The chance of a reminder is drawn every overdue day, whatever the goodwill,
    // so the draws that follow stay where they are.
    const bool remind = ChanceTest(0.333);
    if (bank.Relation > -75) {
        if (remind) AddLogEntry(&target, "The bank informs you that your debt is overdue.", lkBad);
    } else if (bank.Relation > -100) {
        AddLogEntry(&target,
                    "The bank is about to seize your " + FieldText(d.Name) +
                        " in order to settle the debt.",
                    lkBad);
    } else {
        bank.DueDay = 0;
        bank.Debt = 0;
        ShowMessageBox("Your " + FieldText(target.Name) +
                           " has been seized by the bank in order to settle the debt.",
                       "Quelbrin");
        RemoveProperty(targetIndex);
        ++GameStats.Seizures;
        HostReturnToDefaultPage();
    }
}

} // namespace

void CreditorsDay() {
    const int32_t today = Today();
    for (int32_t i = 0; i < GameState.CharacterCount(); ++i) {
        Character& c = *GameState.Characters[i];
        if (c.Debt <= 0 || c.DueDay >= today) continue;
        const CharDescr* cd = DescrOf(&c);
        if (!cd || (cd->Role != skBankOfficial && cd->Role != skLoanShark)) continue;
        AdjustRelation(&c, -(c.Debt / 25));
        // A term of 0 days or less (bad data) counts as one day.
        const int32_t days = c.LoanDays > 0 ? c.LoanDays : 1;
        c.Debt = HoldInt32(RelationFactor(c.Relation, c.InterestRate) * c.Debt / days + c.Debt);
        if (GameState.PropertyCount() == 0) continue;
        if (today == static_cast<int64_t>(c.DueDay) + 1 || c.SeizeTarget < 0 ||
            c.SeizeTarget >= GameState.PropertyCount())
            c.SeizeTarget = RandomInt() % GameState.PropertyCount();
        Property& target = *GameState.Properties[c.SeizeTarget];
        const BarDescr* d = DescrOf(&target);
        if (!d) continue;
        if (cd->Role == skLoanShark)
            LoanSharkVisit(c, target, *d);
        else
            BankPresses(c, c.SeizeTarget, *d);
    }
}
