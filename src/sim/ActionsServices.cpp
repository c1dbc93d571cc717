// The contacts' services: interior upgrades, campaigns and shows, hidden
// cameras, supplies and the police official's level.
#include "model/Game.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "sim/Actions.h"
#include "sim/Clock.h"
#include "sim/Prices.h"

#include <cmath>
#include <string>

namespace {

Character* SelectedContact() {
    const int32_t ci = GameState.SelectedCharacter;
    if (ci < 0 || ci >= GameState.CharacterCount()) return nullptr;
    return GameState.Characters[ci].get();
}

// The common tail of a paid service: the contact earns, the cash pays.
ActionResult Paid(Character* contact, int32_t price, double earned) {
    AdjustRelation(contact, earned);
    GameState.Cash -= price;
    ActionResult r;
    r.Changed = true;
    r.UpdateScreen = true;
    return r;
}

} // namespace

ActionResult UpgradeInterior(Upgrade kind) {
    Property* p = SelectedPropertyRecord();
    Character* contact = SelectedContact();
    const BarDescr* d = DescrOf(p);
    if (!p || !contact || !d) return {};
    int32_t* level = &p->RepairLevel;
    const char* what = "repair";
    if (kind == Upgrade::Tableware) {
        level = &p->TablewareLevel;
        what = "tableware";
    } else if (kind == Upgrade::Equipment) {
        level = &p->EquipmentLevel;
        what = "equipment";
    }
    const int32_t price = UpgradePrice(*level, d->Capacity, contact->Relation);
    if (GameState.Cash < price) return NotEnoughCash(price, "Upgrading Interior");
    ++*level;
    AddLogEntry(
        p, std::string("You've improved ") + what + " level to " + std::to_string(*level) + ".",
        lkNotice);
    return Paid(contact, price, price);
}

namespace {
ActionResult StartProgram(int32_t category, int32_t base, bool campaign) {
    Property* p = SelectedPropertyRecord();
    Character* contact = SelectedContact();
    if (!p || !contact || category < 1 || category > 11) return {};
    const int32_t price = DiscountedPrice(base, contact->Relation);
    if (GameState.Cash < price) return NotEnoughCash(price, "Ordering Service");
    const std::string name = GetVisitorNameByEnum(category);
    if (campaign) {
        p->AdCampaign[category] = 75;
        AddLogEntry(p, "You've started an advertising campaign targeted at " + name + ".",
                    lkNotice);
    } else {
        p->ShowProgram[category] = 75;
        AddLogEntry(p, "You've started a show program targeted at " + name + ".", lkNotice);
    }
    return Paid(contact, price, price);
}
} // namespace

ActionResult OrderCampaign(int32_t category) {
    return StartProgram(category, 800, true);
}
ActionResult OrderShow(int32_t category) {
    return StartProgram(category, 400, false);
}

ActionResult OrderHiddenCameras() {
    Property* p = SelectedPropertyRecord();
    Character* contact = SelectedContact();
    const BarDescr* d = DescrOf(p);
    if (!p || !contact || !d) return {};
    const int32_t price = DiscountedPrice(d->Capacity * 500, contact->Relation);
    if (GameState.Cash < price) return NotEnoughCash(price, "Ordering Service");
    if (UnobservedWorkers(*p, *d) == 0) {
        ActionResult r;
        r.Prompt = PromptKind::Message;
        r.Text = "You have no new workers to keep your eye on.";
        r.Caption = "Ordering Service";
        return r;
    }
    p->SupervisionLeft = 100;
    AddLogEntry(p, "You've started to observe your workers.", lkNotice);
    // Charged once: the contact earns the price and the cash pays it here only.
    return Paid(contact, price, price);
}

int32_t UnobservedWorkers(const Property& p, const BarDescr& d) {
    int32_t n = 0;
    for (int32_t slot = 0; slot < VacancyCount; ++slot) {
        if (!d.Vacancies[slot].Open) continue;
        const int32_t w = FindWorkerInSlot(p.BarId, slot);
        if (w >= 0 && !GameState.Characters[w]->HonestyKnown) ++n;
    }
    return n;
}

int32_t FullSuppliesUnits(double supplies) {
    if (!std::isfinite(supplies) || supplies < 0) supplies = 0;
    if (supplies > 100) supplies = 100;
    return 100 - static_cast<int32_t>(std::trunc(supplies));
}

ActionResult BuySupplies(SuppliesOrder order) {
    Property* p = SelectedPropertyRecord();
    Character* contact = SelectedContact();
    if (!p || !contact) return {};
    const int32_t units = order == SuppliesOrder::Five     ? 5
                          : order == SuppliesOrder::Twenty ? 20
                                                           : FullSuppliesUnits(p->Supplies);
    const int32_t price = SuppliesPrice(units, contact->Relation);
    if (GameState.Cash < price) return NotEnoughCash(price, "Replentishing Supplies");
    p->Supplies += units;
    AddLogEntry(p, "You've added " + std::to_string(units) + " units to the supplies.", lkNotice);
    return Paid(contact, price, price / 10);
}

ActionResult SetOfficialLevel(int32_t level) {
    Property* p = SelectedPropertyRecord();
    if (!p || level < 0 || level > 4) return {};
    p->BribeLevel = level;
    ActionResult r;
    r.Changed = true;
    r.UpdateScreen = true;
    return r;
}
