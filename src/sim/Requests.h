// The player's requests: one value for each action that changes the game, with the
// selections it acts on. The window, the bots and the replay all go through Perform,
// so a session is the list of its requests and the hour ticks between them.
#pragma once

#include "sim/Actions.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

enum class RequestKind : uint8_t {
    BuyBuilding,
    RenameProperty,
    SellProperty,
    SetAdmissionFee,
    HireCandidate,
    FireEmployee,
    UpgradeInterior,
    OrderCampaign,
    OrderShow,
    OrderHiddenCameras,
    BuySupplies,
    SetOfficialLevel,
    Borrow,
    PayDebt,
    ViewCharacter, // opening a character's page marks it seen, which is saved
};

struct PlayerRequest {
    RequestKind Kind = RequestKind::BuyBuilding;
    int32_t Building = -1; // catalogue position, for a purchase
    Upgrade UpgradeKind = Upgrade::Repair;
    SuppliesOrder Supplies = SuppliesOrder::Five;
    int32_t Category = 0; // visitor category of a campaign or a show
    int32_t Level = 0;    // admission fee or official level
    std::string Text;     // the new name of a rename
    bool Yes = false;     // the answer to the sale's question
    int32_t SelectedProperty = -1;
    int32_t SelectedCharacter = -1;
    int32_t SelectedSlot = -1;

    bool operator==(const PlayerRequest&) const = default;
};

// A request of the kind on the current selections.
PlayerRequest RequestOnSelections(RequestKind kind);

// Sets the request's selections, then runs its action (a sale only on Yes).
// The observer, if any, hears of it first, with the game time it runs at.
ActionResult Perform(const PlayerRequest& r);

// Why the request cannot be performed in this game (a building the catalogue lacks,
// a selection out of range); empty when it can. A level or category out of range is
// performed: the action ignores it, as it did when the player's click made it.
std::string RequestProblem(const PlayerRequest& r);

// The recorder listens here; an empty function stops listening.
void SetRequestObserver(std::function<void(const PlayerRequest&, double gameTime)> observer);

// The kinds' names in recordings ("buy", "rename", ...) and back.
const char* RequestKindName(RequestKind kind);
std::optional<RequestKind> RequestKindNamed(const std::string& name);
