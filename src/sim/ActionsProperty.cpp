// Buying, renaming and selling a property, and its admission fee.
#include "model/Game.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "sim/Actions.h"
#include "sim/Clock.h"
#include "sim/Format.h"
#include "sim/MoneyMath.h"
#include "sim/Names.h"
#include "sim/Prices.h"
#include "sim/Stats.h"

#include <cstring>

ActionResult NotEnoughCash(int32_t amount, const std::string& caption) {
    ActionResult r;
    r.Prompt = PromptKind::Message;
    r.Text = "You don't have " + FormatMoney(amount) + " in cash.";
    r.Caption = caption;
    return r;
}

namespace {
ActionResult Message(const std::string& text, const std::string& caption) {
    ActionResult r;
    r.Prompt = PromptKind::Message;
    r.Text = text;
    r.Caption = caption;
    return r;
}
} // namespace

ActionResult BuyBuilding(int32_t index) {
    if (index < 0 || index >= GameState.BarDescrCount()) return {};
    const BarDescr& d = GameState.BarDescrs[index];
    const int32_t price = d.Value;
    // The checks run in this order: an unaffordable building gives the money
    // message even when it is already owned.
    if (GameState.PropertyCount() >= MaxProperties)
        return Message("You can't manage a new building.", "Quelbrin");
    if (GameState.Cash < price) return NotEnoughCash(price, "Buying a Building");
    if (FindProperty(d.Id)) return Message("You already own this building.", "Buying a Building");

    if (Character* agent = FindContact(skRealEstateAgent)) AdjustRelation(agent, price / 10);
    GameState.Cash -= price;
    const bool first = GameState.PropertyCount() == 0;
    auto p = NewPropertyRecord();
    p->BarId = d.Id;
    CopyText(p->Name, DefaultBarName());
    p->Value = price;
    static_assert(sizeof p->Potential == sizeof d.Potential + sizeof d.Carried);
    std::memcpy(p->Potential, d.Potential, sizeof d.Potential);
    std::memcpy(p->Potential + 12, d.Carried, sizeof d.Carried);
    p->Supplies = 25.0;
    GameState.Properties.push_back(std::move(p));
    GameState.SelectedProperty = GameState.PropertyCount() - 1;
    if (first && GameState.ClockSpeed == 0) GameState.ClockSpeed = 1;
    ++GameStats.Bought;

    ActionResult r;
    r.Changed = true;
    r.Sound = first ? "bookopen" : "page";
    r.DefaultPage = true;
    return r;
}

ActionResult AskRenameProperty() {
    Property* p = SelectedPropertyRecord();
    if (!p) return {};
    ActionResult r;
    r.Prompt = PromptKind::Input;
    r.Text = "Enter a new name for your property:";
    r.Caption = "Rename";
    r.InitialInput = FieldText(p->Name);
    return r;
}

ActionResult RenameProperty(const std::string& name) {
    Property* p = SelectedPropertyRecord();
    // Cancel gives an empty text, which keeps the name.
    if (!p || name.empty()) return {};
    CopyText(p->Name, name);
    AddLogEntry(p, "You've set a new name for your property.", lkNotice);
    ActionResult r;
    r.Changed = true;
    r.UpdateScreen = true;
    return r;
}

ActionResult AskSellProperty() {
    if (!SelectedPropertyRecord()) return {};
    if (GameState.SelectedCharacter < 0 ||
        GameState.SelectedCharacter >= GameState.CharacterCount())
        return {};
    ActionResult r;
    r.Prompt = PromptKind::Question;
    r.Text = "Are you sure you want to sell your property?";
    r.Caption = "Selling";
    return r;
}

ActionResult SellProperty() {
    Property* p = SelectedPropertyRecord();
    if (!p) return {};
    const int32_t ci = GameState.SelectedCharacter;
    if (ci < 0 || ci >= GameState.CharacterCount()) return {};
    const BarDescr* d = DescrOf(p);
    if (!d) return {};
    Character* agent = GameState.Characters[ci].get();
    const int32_t price = ResaleValue(p, d, agent->Relation);
    AdjustRelation(agent, price / 10);
    AddHeld(GameState.Cash, price);
    RemoveProperty(GameState.SelectedProperty);
    ++GameStats.Sold;
    ActionResult r;
    r.Changed = true;
    r.DefaultPage = true;
    return r;
}

ActionResult SetAdmissionFee(int32_t level) {
    Property* p = SelectedPropertyRecord();
    if (!p || level < 0 || level > 4) return {};
    p->AdmissionFee = level;
    ActionResult r;
    r.Changed = true;
    r.UpdateScreen = true;
    return r;
}
