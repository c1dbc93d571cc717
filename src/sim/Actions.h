// The player's actions. Each checks, then applies, and says what the player
// must be shown and heard; the window's dispatchers only map hot areas to these
// calls, and the headless runner's bot and the tests call the same functions.
//
// The actions work on the selections as the player made them: the property is
// GameState.SelectedProperty, the contact or candidate GameState.SelectedCharacter,
// the staff position GameState.SelectedSlot. Missing selections or descriptions,
// or an index out of range, make an action do nothing (Changed false, no prompt).
#pragma once

#include "model/Gamedata.h"

#include <cstdint>
#include <string>

enum class PromptKind : uint8_t {
    None,     // nothing to show
    Message,  // ShowMessageBox(Text, Caption)
    Question, // ask Yes/No; on Yes call the action's second step
    Input,    // ask for a line of text starting from InitialInput; then the second step
};

struct ActionResult {
    bool Changed = false; // the game state changed
    PromptKind Prompt = PromptKind::None;
    std::string Text;
    std::string Caption;
    std::string InitialInput;
    std::string Sound;         // to play after the action, empty for none
    bool DefaultPage = false;  // the palm screen returns to its default page
    bool UpdateScreen = false; // the palm screen redraws its page
};

// The lack-of-money message: "You don't have $N in cash.".
ActionResult NotEnoughCash(int32_t amount, const std::string& caption);

// Property: buy the building at position index of the catalogue (the shown page),
// rename in two steps, sell in two steps (the selected character is the agent).
ActionResult BuyBuilding(int32_t index);
ActionResult AskRenameProperty();
ActionResult RenameProperty(const std::string& name);
ActionResult AskSellProperty();
ActionResult SellProperty();
ActionResult SetAdmissionFee(int32_t level); // 0..4

// Staff.
// The selected character's page was opened: it no longer shows as new.
ActionResult ViewCharacter();
ActionResult HireCandidate();
ActionResult FireEmployee();

// Contacts' services; the selected character is the contact.
enum class Upgrade : uint8_t { Repair, Tableware, Equipment };
ActionResult UpgradeInterior(Upgrade kind);
ActionResult OrderCampaign(int32_t category); // visitor category 1..11
ActionResult OrderShow(int32_t category);
ActionResult OrderHiddenCameras();
enum class SuppliesOrder : uint8_t { Five, Twenty, Full };
ActionResult BuySupplies(SuppliesOrder order);
ActionResult SetOfficialLevel(int32_t level); // 0..4

// Loans; the selected character is the lender.
ActionResult Borrow();
ActionResult PayDebt();

// The units the full-supplies order buys: 100 - trunc(Supplies).
int32_t FullSuppliesUnits(double supplies);
// The employees of the property's open positions whose honesty is not known yet:
// what hidden cameras would reveal.
int32_t UnobservedWorkers(const Property& p, const BarDescr& d);
