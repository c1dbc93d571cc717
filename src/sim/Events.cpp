// Random events and market changes: windfalls, losses, and changes of a
// building's value.
#include "model/Game.h"
#include "model/GameHost.h"
#include "model/Text.h"
#include "sim/Clock.h"
#include "sim/Format.h"
#include "sim/MoneyMath.h"
#include "sim/PropertyDay.h"
#include "sim/Random.h"
#include "sim/Stats.h"

#include <string>

namespace {

// RandomInt() mod range + base, cut down to a multiple of step.
int32_t DrawAmount(int32_t range, int32_t base, int32_t step) {
    return (RandomInt() % range + base) / step * step;
}

std::string LargeWindfallText() {
    return PickPhrase(
        {"After his sudden death, your uncle left you %A in cash. May he rest in peace!",
         "You've inherited %A from your aunt after her long disease. May she rest in "
         "peace!",
         "You've found rares in the kitchen when moving the furniture. The collector "
         "gave you %A for them.",
         "Someone left a bag with %A in the trash can. You grabbed it before anyone "
         "noticed."});
}

std::string SmallWindfallText() {
    return PickPhrase(
        {"A visitor left his papers on the table. You returned them for a reward of %A.",
         "Somebody dropped a purse on the floor and lost it. Nobody looked for it, so "
         "you decided to possess all the %A.",
         "Someone left a wallet under the table. It was unclaimed for weeks, so you "
         "decided to possess all the %A.",
         "Because of accounting error, you've got %A extra this week."});
}

std::string LargeLossText() {
    return PickPhrase(
        {"Thieves broke into %N and stole some equipment inflicting a loss about %A.",
         "A burglar sneaked into your %N and picked the lock box. %A is stolen.",
         "Your property was set on fire. Extinguishing the fire and indemnifying losses "
         "cost you %A."});
}

std::string SmallLossText() {
    return PickPhrase(
        {"Some equipment at the kitchen has broken down. You've spend %A to repair it.",
         "Some morons broke the window and made their way off. You've spend %A to insert a new "
         "one.",
         "A power down caused defrosting of meat and fish in the refrigerator. You've spend %A to "
         "restock it.",
         "Rats were found in the basement. Getting rid of them cost you %A.",
         "A pipe has burst in the kitchen. The poured water inflicted you a loss of %A.",
         "Because of accounting flaw, you've lost %A this week.",
         "You had to make a visit to the dentist. He billed you %A."});
}

std::string ValueRiseText() {
    return PickPhrase(
        {"%N has raised in price by %A as the region around it becomes more developed.",
         "The value of %N has raised by %A as the city gets more developed "
         "infrastructure.",
         "The land under %N has raised in price by %A as the general cost of living "
         "rises."});
}

std::string ValueDropText() {
    return PickPhrase(
        {"The price of %N has dropped down by %A because of economic recession.",
         "%N has gone down in price by %A because of general political instability."});
}

// Puts the amount and the property's name into a text variant.
std::string Fill(const std::string& text, int32_t amount, const Property& p) {
    return FillPhrase(text, FormatMoney(amount), FieldText(p.Name));
}

void Report(Property* target, const std::string& text, uint8_t kind, bool large) {
    AddLogEntry(target, text, kind);
    if (large) ShowMessageBox(text, "Quelbrin");
    ++GameStats.Events;
}

} // namespace

void RandomEvent(Property* p, Property* secondTarget) {
    if (!p) return;
    if (!secondTarget) secondTarget = p;
    if (!ChanceTest(0.02)) return;
    const int32_t k = RandomInt() % 12;
    if (k == 0) {
        int32_t a = DrawAmount(30000, 1000, 500);
        std::string t = Fill(LargeWindfallText(), a, *p);
        AddHeld(GameState.Cash, a);
        Report(secondTarget, t, lkGood, true);
    } else if (k <= 3) {
        int32_t a = DrawAmount(3000, 200, 100);
        std::string t = Fill(SmallWindfallText(), a, *p);
        AddHeld(GameState.Cash, a);
        Report(secondTarget, t, lkGood, false);
    } else if (k == 4) {
        int32_t a = DrawAmount(15000, 500, 500);
        if (a >= GameState.Cash) return;
        std::string t = Fill(LargeLossText(), a, *p);
        GameState.Cash -= a;
        Report(p, t, lkBad, true);
    } else if (k <= 7) {
        int32_t a = DrawAmount(1500, 100, 50);
        if (a >= GameState.Cash) return;
        std::string t = Fill(SmallLossText(), a, *p);
        GameState.Cash -= a;
        Report(secondTarget, t, lkBad, false);
    } else if (k <= 9) {
        int32_t a = DrawAmount(50000, 5000, 1000);
        std::string t = Fill(ValueRiseText(), a, *p);
        AddHeld(p->Value, a);
        Report(p, t, lkGood, true);
    } else {
        int32_t a = DrawAmount(25000, 2500, 500);
        if (static_cast<int64_t>(a) >= static_cast<int64_t>(p->Value) - 100) return;
        std::string t = Fill(ValueDropText(), a, *p);
        p->Value -= a;
        Report(p, t, lkBad, true);
    }
}
