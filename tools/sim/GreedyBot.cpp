#include "GreedyBot.h"

#include "model/Game.h"
#include "model/GameHost.h"
#include "sim/Actions.h"
#include "sim/Levels.h"
#include "sim/Prices.h"
#include "sim/Requests.h"

#include <algorithm>
#include <cstdint>

namespace {

// Cash the bot keeps back for the day's salaries and a fine.
constexpr int32_t Reserve = 3000;
// Cash above which it spends on upgrades.
constexpr int32_t RichEnough = 40000;

// What the window would do with a result: a message is shown, nothing else
// needs doing headless.
void Show(const ActionResult& r) {
    if (r.Prompt == PromptKind::Message) ShowMessageBox(r.Text, r.Caption);
}

bool SelectContact(uint8_t role) {
    int32_t index = -1;
    if (!FindContact(role, &index)) return false;
    GameState.SelectedCharacter = index;
    return true;
}

bool AnyDebt() {
    for (const auto& c : GameState.Characters)
        if (c->Debt > 0) return true;
    return false;
}

void PayDebts() {
    for (uint8_t role : {skLoanShark, skBankOfficial}) {
        int32_t index = -1;
        Character* lender = FindContact(role, &index);
        if (!lender || lender->Debt <= 0 || GameState.Cash < lender->Debt) continue;
        GameState.SelectedCharacter = index;
        Show(Perform(RequestOnSelections(RequestKind::PayDebt)));
    }
}

// The bank tides a struggling chain over; only while no debt runs.
void BorrowWhenBroke() {
    if (GameState.PropertyCount() == 0 || GameState.Cash >= 500 || AnyDebt()) return;
    if (SelectContact(skBankOfficial)) Show(Perform(RequestOnSelections(RequestKind::Borrow)));
}

void BuyBuildings() {
    while (GameState.PropertyCount() < MaxProperties && !AnyDebt()) {
        int32_t best = -1;
        for (int32_t i = 0; i < GameState.BarDescrCount(); ++i) {
            const BarDescr& d = GameState.BarDescrs[i];
            if (FindProperty(d.Id) || static_cast<int64_t>(d.Value) + Reserve > GameState.Cash)
                continue;
            if (best < 0 || d.Value < GameState.BarDescrs[best].Value) best = i;
        }
        if (best < 0) return;
        PlayerRequest request = RequestOnSelections(RequestKind::BuyBuilding);
        request.Building = best;
        ActionResult r = Perform(request);
        Show(r);
        if (!r.Changed) return;
    }
}

void KeepSuppliesUp(Property& p) {
    if (p.Supplies >= 40 || !SelectContact(skGeneralSupplier)) return;
    const double rel = GameState.Characters[GameState.SelectedCharacter]->Relation;
    for (SuppliesOrder order : {SuppliesOrder::Full, SuppliesOrder::Twenty, SuppliesOrder::Five}) {
        const int32_t units = order == SuppliesOrder::Full     ? FullSuppliesUnits(p.Supplies)
                              : order == SuppliesOrder::Twenty ? 20
                                                               : 5;
        if (SuppliesPrice(units, rel) > GameState.Cash) continue;
        PlayerRequest r = RequestOnSelections(RequestKind::BuySupplies);
        r.Supplies = order;
        Show(Perform(r));
        return;
    }
}

void BribeWhereLegalityIsLow(Property& p, const BarDescr& d) {
    if (p.BribeLevel > 0 || GameState.Cash < Reserve) return;
    const int32_t l = LegalityLevel(&p, &d);
    Character* police = FindContact(skPoliceOfficial);
    if (l >= 50 || !police) return;
    // Ten points of legality per level, as long as a month of bribes is affordable.
    const int32_t level = std::min(4, (50 - l + 9) / 10);
    const int32_t bribe = DiscountedPrice(d.Capacity * level * 25, police->Relation);
    if (static_cast<int64_t>(bribe) * 30 > GameState.Cash) return;
    PlayerRequest r = RequestOnSelections(RequestKind::SetOfficialLevel);
    r.Level = level;
    Show(Perform(r));
}

// The most skilled candidate of the slot's kind, or -1.
int32_t BestCandidate(uint8_t kind) {
    int32_t best = -1;
    for (int32_t i = 0; i < GameState.CharacterCount(); ++i) {
        const Character& c = *GameState.Characters[i];
        const CharDescr* cd = DescrOf(&c);
        if (c.Employed || !cd || cd->IsProfession != 1 || cd->Role != kind) continue;
        if (best < 0 || c.Skill > GameState.Characters[best]->Skill) best = i;
    }
    return best;
}

void HireIntoOpenPositions(const Property& p, const BarDescr& d) {
    for (int32_t slot = 0; slot < VacancyCount; ++slot) {
        const Vacancy& v = d.Vacancies[slot];
        if (!v.Open || FindWorkerInSlot(p.BarId, slot) >= 0) continue;
        if (GameState.Cash < Reserve) return;
        const int32_t candidate = BestCandidate(v.Kind);
        if (candidate < 0) continue;
        GameState.SelectedCharacter = candidate;
        Show(Perform(RequestOnSelections(RequestKind::HireCandidate)));
    }
}

// One upgrade a day, the cheapest one, when cash is plentiful.
void UpgradeWhenRich(Property& p, const BarDescr& d) {
    if (GameState.Cash < RichEnough || AnyDebt()) return;
    struct Option {
        Upgrade Kind;
        int32_t Level;
        uint8_t Role;
    } options[] = {{Upgrade::Repair, p.RepairLevel, skRepairAgent},
                   {Upgrade::Tableware, p.TablewareLevel, skTablewareSupplier},
                   {Upgrade::Equipment, p.EquipmentLevel, skEquipmentSupplier}};
    const Option* pick = nullptr;
    for (const Option& o : options)
        if (o.Level < 10 && (!pick || o.Level < pick->Level)) pick = &o;
    if (!pick || !SelectContact(pick->Role)) return;
    const double rel = GameState.Characters[GameState.SelectedCharacter]->Relation;
    if (static_cast<int64_t>(UpgradePrice(pick->Level, d.Capacity, rel)) + RichEnough / 2 >
        GameState.Cash)
        return;
    PlayerRequest r = RequestOnSelections(RequestKind::UpgradeInterior);
    r.UpgradeKind = pick->Kind;
    Show(Perform(r));
}

} // namespace

void GreedyBotDay() {
    if (!GameState.GameInProgress) return;
    PayDebts();
    BuyBuildings();
    for (int32_t i = 0; i < GameState.PropertyCount(); ++i) {
        Property& p = *GameState.Properties[i];
        const BarDescr* d = DescrOf(&p);
        if (!d) continue;
        GameState.SelectedProperty = i;
        KeepSuppliesUp(p);
        BribeWhereLegalityIsLow(p, *d);
        HireIntoOpenPositions(p, *d);
        UpgradeWhenRich(p, *d);
    }
    BorrowWhenBroke();
    GameState.SelectedCharacter = -1;
    GameState.SelectedProperty = GameState.PropertyCount() > 0 ? 0 : -1;
}
