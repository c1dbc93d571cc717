// The palm screen's commands on properties, staff and the contacts' services:
// each maps its hot area to a request on the current selections, performs it and
// shows what the action asks. Prompts stay here: ask first, then perform the answer.
#include "model/Game.h"
#include "sim/Actions.h"
#include "sim/Requests.h"
#include "ui/Main.h"
#include "ui/Palmscreen.h"

namespace {

PlayerRequest WithLevel(RequestKind kind, int32_t level) {
    PlayerRequest r = RequestOnSelections(kind);
    r.Level = level;
    return r;
}

PlayerRequest WithCategory(RequestKind kind, int32_t category) {
    PlayerRequest r = RequestOnSelections(kind);
    r.Category = category;
    return r;
}

PlayerRequest UpgradeRequest(Upgrade kind) {
    PlayerRequest r = RequestOnSelections(RequestKind::UpgradeInterior);
    r.UpgradeKind = kind;
    return r;
}

PlayerRequest SuppliesRequest(SuppliesOrder order) {
    PlayerRequest r = RequestOnSelections(RequestKind::BuySupplies);
    r.Supplies = order;
    return r;
}

} // namespace

bool TformMain::PalmPropertyCommand(uint8_t area) {
    switch (area) {
    case phAdmissionFee:
        Apply(Perform(WithLevel(RequestKind::SetAdmissionFee, mPalm->LastHotIndex)));
        return true;
    case phBuyBuilding: {
        PlayerRequest r = RequestOnSelections(RequestKind::BuyBuilding);
        r.Building = mPalm->mPageIndx;
        Apply(Perform(r));
        return true;
    }
    case phRenameProperty: {
        const ActionResult ask = AskRenameProperty();
        if (ask.Prompt != PromptKind::Input) return true;
        PlayerRequest r = RequestOnSelections(RequestKind::RenameProperty);
        r.Text = mPrompts->Input(ask.Text, ask.Caption, ask.InitialInput);
        Apply(Perform(r));
        return true;
    }
    case phSellProperty: {
        const ActionResult ask = AskSellProperty();
        if (ask.Prompt != PromptKind::Question) return true;
        // Only a click on Yes sells; Enter answers neither Yes nor No.
        if (mPrompts->Question(ask.Text, ask.Caption) != mrYes) return true;
        PlayerRequest r = RequestOnSelections(RequestKind::SellProperty);
        r.Yes = true;
        Apply(Perform(r));
        return true;
    }
    case phHireCandidate:
        Apply(Perform(RequestOnSelections(RequestKind::HireCandidate)));
        return true;
    case phFireEmployee:
        Apply(Perform(RequestOnSelections(RequestKind::FireEmployee)));
        return true;
    default:
        return false;
    }
}

bool TformMain::PalmServiceCommand(uint8_t area) {
    const int32_t index = mPalm->LastHotIndex;
    switch (area) {
    case phBorrow:
        Apply(Perform(RequestOnSelections(RequestKind::Borrow)));
        return true;
    case phPayDebt:
        Apply(Perform(RequestOnSelections(RequestKind::PayDebt)));
        return true;
    case phUpgradeRepair:
        Apply(Perform(UpgradeRequest(Upgrade::Repair)));
        return true;
    case phUpgradeTableware:
        Apply(Perform(UpgradeRequest(Upgrade::Tableware)));
        return true;
    case phUpgradeEquipment:
        Apply(Perform(UpgradeRequest(Upgrade::Equipment)));
        return true;
    case phOrderCampaign:
        if (index != -1) Apply(Perform(WithCategory(RequestKind::OrderCampaign, index)));
        return true;
    case phOrderShow:
        if (index != -1) Apply(Perform(WithCategory(RequestKind::OrderShow, index)));
        return true;
    case phHiddenCameras:
        Apply(Perform(RequestOnSelections(RequestKind::OrderHiddenCameras)));
        return true;
    case phOfficialLevel:
        Apply(Perform(WithLevel(RequestKind::SetOfficialLevel, index)));
        return true;
    case phSupplies5:
        Apply(Perform(SuppliesRequest(SuppliesOrder::Five)));
        return true;
    case phSupplies20:
        Apply(Perform(SuppliesRequest(SuppliesOrder::Twenty)));
        return true;
    case phSuppliesFull:
        Apply(Perform(SuppliesRequest(SuppliesOrder::Full)));
        return true;
    default:
        return false;
    }
}
