#include "sim/Requests.h"

#include "model/Game.h"

#include <utility>

namespace {

std::function<void(const PlayerRequest&, double)>& Observer() {
    static std::function<void(const PlayerRequest&, double)> observer;
    return observer;
}

struct KindName {
    RequestKind Kind;
    const char* Name;
};

constexpr KindName KindNames[] = {
    {RequestKind::BuyBuilding, "buy"},         {RequestKind::RenameProperty, "rename"},
    {RequestKind::SellProperty, "sell"},       {RequestKind::SetAdmissionFee, "admission"},
    {RequestKind::HireCandidate, "hire"},      {RequestKind::FireEmployee, "fire"},
    {RequestKind::UpgradeInterior, "upgrade"}, {RequestKind::OrderCampaign, "campaign"},
    {RequestKind::OrderShow, "show"},          {RequestKind::OrderHiddenCameras, "cameras"},
    {RequestKind::BuySupplies, "supplies"},    {RequestKind::SetOfficialLevel, "official"},
    {RequestKind::Borrow, "borrow"},           {RequestKind::PayDebt, "paydebt"},
    {RequestKind::ViewCharacter, "view"},
};

bool SelectionInRange(int32_t index, int32_t count) {
    return index >= -1 && index < count;
}

} // namespace

PlayerRequest RequestOnSelections(RequestKind kind) {
    PlayerRequest r;
    r.Kind = kind;
    r.SelectedProperty = GameState.SelectedProperty;
    r.SelectedCharacter = GameState.SelectedCharacter;
    r.SelectedSlot = GameState.SelectedSlot;
    return r;
}

ActionResult Perform(const PlayerRequest& r) {
    if (Observer()) Observer()(r, GameState.GameTime);
    GameState.SelectedProperty = r.SelectedProperty;
    GameState.SelectedCharacter = r.SelectedCharacter;
    GameState.SelectedSlot = r.SelectedSlot;
    switch (r.Kind) {
    case RequestKind::BuyBuilding:
        return BuyBuilding(r.Building);
    case RequestKind::RenameProperty:
        return RenameProperty(r.Text);
    case RequestKind::SellProperty:
        return r.Yes ? SellProperty() : ActionResult{};
    case RequestKind::SetAdmissionFee:
        return SetAdmissionFee(r.Level);
    case RequestKind::HireCandidate:
        return HireCandidate();
    case RequestKind::FireEmployee:
        return FireEmployee();
    case RequestKind::UpgradeInterior:
        return UpgradeInterior(r.UpgradeKind);
    case RequestKind::OrderCampaign:
        return OrderCampaign(r.Category);
    case RequestKind::OrderShow:
        return OrderShow(r.Category);
    case RequestKind::OrderHiddenCameras:
        return OrderHiddenCameras();
    case RequestKind::BuySupplies:
        return BuySupplies(r.Supplies);
    case RequestKind::SetOfficialLevel:
        return SetOfficialLevel(r.Level);
    case RequestKind::Borrow:
        return Borrow();
    case RequestKind::PayDebt:
        return PayDebt();
    case RequestKind::ViewCharacter:
        return ViewCharacter();
    }
    return ActionResult{};
}

std::string RequestProblem(const PlayerRequest& r) {
    if (r.Kind == RequestKind::BuyBuilding &&
        (r.Building < 0 || r.Building >= GameState.BarDescrCount()))
        return "building " + std::to_string(r.Building) + " is not in the catalogue of " +
               std::to_string(GameState.BarDescrCount());
    if (!SelectionInRange(r.SelectedProperty, GameState.PropertyCount()))
        return "property " + std::to_string(r.SelectedProperty) + " is not owned";
    if (!SelectionInRange(r.SelectedCharacter, GameState.CharacterCount()))
        return "character " + std::to_string(r.SelectedCharacter) + " does not exist";
    if (!SelectionInRange(r.SelectedSlot, VacancyCount))
        return "position " + std::to_string(r.SelectedSlot) + " does not exist";
    return {};
}

void SetRequestObserver(std::function<void(const PlayerRequest&, double gameTime)> observer) {
    Observer() = std::move(observer);
}

const char* RequestKindName(RequestKind kind) {
    for (const KindName& k : KindNames)
        if (k.Kind == kind) return k.Name;
    return "?";
}

std::optional<RequestKind> RequestKindNamed(const std::string& name) {
    for (const KindName& k : KindNames)
        if (name == k.Name) return k.Kind;
    return std::nullopt;
}
