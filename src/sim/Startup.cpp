// Start-up, shut-down, a new game and the generation of people.
#include "sim/Startup.h"

#include "model/BarDescrFile.h"
#include "model/Game.h"
#include "model/GameHost.h"
#include "model/GameInfo.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "persist/Autosave.h"
#include "persist/DataFolder.h"
#include "persist/DebugLog.h"
#include "sim/Format.h"
#include "sim/Names.h"
#include "sim/Random.h"

#include <cmath>
#include <ctime>
#include <vector>

namespace {

constexpr int32_t StartingCash[4] = {80000, 50000, 35000, 25000};
constexpr double SpendingFactor[4] = {1.5, 1.0, 0.85, 0.7};
constexpr unsigned long long LogSizeLimit = 10000;
constexpr int CandidateAttempts = 10;

std::string LocalDateTimeText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[64];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &local);
    return buf;
}

double Clamp01(double v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

} // namespace

int32_t StartingCashFor(int difficulty) {
    return difficulty >= 0 && difficulty < 4 ? StartingCash[difficulty] : 0;
}

double VisitorSpendingFactor(int difficulty) {
    return difficulty >= 0 && difficulty < 4 ? SpendingFactor[difficulty] : 1.0;
}

void GameStartup(std::optional<uint32_t> seed) {
    // Bad building files and full tables are reported before the game is running.
    SetModelErrorReport(ReportError);
    const uint32_t startSeed = seed ? *seed : static_cast<uint32_t>(std::time(nullptr));
    SeedRandom(startSeed);
    SeedPresentationRandom(startSeed);
    EmptyDebugLogIfLarger(LogSizeLimit);
    AppendDebugLine(std::string("*** ") + GameName + " v." + GameVersion + " has started on " +
                    LocalDateTimeText() + " ***");
    if (const std::string note = DataFolderNote(); !note.empty()) AppendDebugLine(note);
    LoadBarDescrs();
    BuildCharDescrs();

    ReleaseAllProperties();
    ReleaseAllCharacters();
    GameState.Cash = 0;
    GameState.GameTime = 0;
    GameState.Difficulty = 0;
    GameState.ClockSpeed = 0;
    GameState.GameInProgress = false;
    GameState.SelectedSlot = -1;
}

void GameShutdown() {
    AppendDebugLine("*** Quitting the game... ***");
    GameState.BarDescrs.clear();
    ReleaseAllProperties();
    ReleaseAllCharacters();
    GameState.SelectedSlot = -1;
}

int32_t LocalDayNumber() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<int32_t>(DayNumberOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
}

void NewGameOnDay(int32_t dayNumber) {
    ReleaseAllProperties();
    ReleaseAllCharacters();
    GenerateCharacters();
    BuildServices();
    // An unknown difficulty leaves the cash as it was.
    if (GameState.Difficulty < 4) GameState.Cash = StartingCashFor(GameState.Difficulty);
    GameState.GameTime = dayNumber + 1.0 / 48;
    GameState.StartTime = GameState.GameTime;
    GameState.ClockSpeed = 0;
    GameState.GameInProgress = true;
}

void NewGame() {
    NewGameOnDay(LocalDayNumber());
    // The old game's autosave would otherwise come back on the next start.
    DeleteAutosave();
}

void GenerateCharacters() {
    for (const CharDescr& d : GameState.CharDescrs) {
        if (GameState.CharacterCount() >= MaxCharacters) break;
        if (d.IsProfession) continue;
        auto c = NewCharacterRecord();
        c->DescrId = d.Id;
        const std::string fixed = FieldText(d.FixedName);
        CopyText(c->Name, fixed.empty() ? RandomFirstName(d.Male != 0) : fixed);
        if (d.Role == skBankOfficial) {
            c->CreditLimit = 50000;
            c->LoanDays = 60;
            c->InterestRate = 0.1;
        } else if (d.Role == skLoanShark) {
            c->CreditLimit = 100000;
            c->LoanDays = 30;
            c->InterestRate = 0.15;
        }
        GameState.Characters.push_back(std::move(c));
    }
    for (int i = 0; i < CandidateAttempts; ++i) {
        if (GameState.CharacterCount() >= MaxCharacters) break;
        if (ChanceTest(0.75)) AddRandomCandidate();
    }
}

void AddRandomCandidate() {
    std::vector<uint8_t> roles;
    for (const CharDescr& d : GameState.CharDescrs) {
        if (!d.IsProfession) continue;
        bool seen = false;
        for (uint8_t r : roles)
            seen = seen || r == d.Role;
        if (!seen) roles.push_back(d.Role);
    }
    if (roles.empty()) return;
    const uint8_t role = roles[RandomInt() % static_cast<int32_t>(roles.size())];

    // Contacts are never templates for candidates, whatever their role.
    std::vector<const CharDescr*> matching;
    for (const CharDescr& d : GameState.CharDescrs)
        if (d.IsProfession && d.Role == role) matching.push_back(&d);
    const CharDescr& d = *matching[RandomInt() % static_cast<int32_t>(matching.size())];

    auto c = NewCharacterRecord();
    c->DescrId = d.Id;
    CopyText(c->Name, RandomFirstName(d.Male != 0));
    c->Skill = Clamp01(RandomBetween(0.8, 1.2) * d.Skill);
    c->SecondSkill = Clamp01(RandomBetween(0.8, 1.2) * d.SecondSkill);
    c->Legality = static_cast<int32_t>(RandomBetween(0.75, 1.25) * d.Legality);

    const auto u = static_cast<int32_t>(RandomBetween(0.5, 1.5) * (c->Skill + c->SecondSkill) * 40);
    const bool management = d.Role == skManagement || d.SecondRole == skManagement;
    c->Salary = (u / 5) * (management ? 10 : 5);
    if (d.Role == skAgent) {
        c->Salary = 0;
        const auto v =
            static_cast<int32_t>(RandomBetween(0.75, 1.25) * (c->Skill + c->SecondSkill) * 50);
        c->AgentIncome = (v / 5) * 5;
    }

    c->Dishonesty = ChanceTest(0.5) ? 0 : 25 + RandomInt() % 76;
    c->HonestyKnown = 0;
    c->Employed = 0;
    c->Viewed = 0;
    GameState.Characters.push_back(std::move(c));
}
