// The palm screen's commands on properties, staff and the contacts' services:
// each maps its hot area to the core's action and shows what the action asks.
#include "model/Game.h"
#include "sim/Actions.h"
#include "ui/Main.h"
#include "ui/Palmscreen.h"

bool TformMain::PalmPropertyCommand(uint8_t area) {
    switch (area) {
    case phAdmissionFee:
        Apply(SetAdmissionFee(mPalm->LastHotIndex));
        return true;
    case phBuyBuilding:
        Apply(BuyBuilding(mPalm->mPageIndx));
        return true;
    case phRenameProperty: {
        const ActionResult ask = AskRenameProperty();
        if (ask.Prompt != PromptKind::Input) return true;
        Apply(RenameProperty(mPrompts->Input(ask.Text, ask.Caption, ask.InitialInput)));
        return true;
    }
    case phSellProperty: {
        const ActionResult ask = AskSellProperty();
        if (ask.Prompt != PromptKind::Question) return true;
        // Only a click on Yes sells; Enter answers neither Yes nor No.
        if (mPrompts->Question(ask.Text, ask.Caption) == mrYes) Apply(SellProperty());
        return true;
    }
    case phHireCandidate:
        Apply(HireCandidate());
        return true;
    case phFireEmployee:
        Apply(FireEmployee());
        return true;
    default:
        return false;
    }
}

bool TformMain::PalmServiceCommand(uint8_t area) {
    const int32_t index = mPalm->LastHotIndex;
    switch (area) {
    case phBorrow:
        Apply(Borrow());
        return true;
    case phPayDebt:
        Apply(PayDebt());
        return true;
    case phUpgradeRepair:
        Apply(UpgradeInterior(Upgrade::Repair));
        return true;
    case phUpgradeTableware:
        Apply(UpgradeInterior(Upgrade::Tableware));
        return true;
    case phUpgradeEquipment:
        Apply(UpgradeInterior(Upgrade::Equipment));
        return true;
    case phOrderCampaign:
        if (index != -1) Apply(OrderCampaign(index));
        return true;
    case phOrderShow:
        if (index != -1) Apply(OrderShow(index));
        return true;
    case phHiddenCameras:
        Apply(OrderHiddenCameras());
        return true;
    case phOfficialLevel:
        Apply(SetOfficialLevel(index));
        return true;
    case phSupplies5:
        Apply(BuySupplies(SuppliesOrder::Five));
        return true;
    case phSupplies20:
        Apply(BuySupplies(SuppliesOrder::Twenty));
        return true;
    case phSuppliesFull:
        Apply(BuySupplies(SuppliesOrder::Full));
        return true;
    default:
        return false;
    }
}
