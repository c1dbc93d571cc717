// Start-up, shut-down, a new game and the generation of people.
#include "model/Game.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "sim/Format.h"
#include "sim/Random.h"
#include "sim/Startup.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <vector>

namespace {

// "*** Quelbrin v.1.0.2.0 has started on YYYY-MM-DD HH:MM:SS ***\n"
bool IsBannerLine(const std::string& line) {
    const std::string head = "*** Quelbrin v.1.0.2.0 has started on ";
    const std::string tail = " ***\n";
    const std::string shape = "dddd-dd-dd dd:dd:dd";
    if (line.size() != head.size() + shape.size() + tail.size()) return false;
    if (line.compare(0, head.size(), head) != 0) return false;
    if (line.compare(line.size() - tail.size(), tail.size(), tail) != 0) return false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const char ch = line[head.size() + i];
        if (shape[i] == 'd' ? (ch < '0' || ch > '9') : ch != shape[i]) return false;
    }
    return true;
}

class Startup : public ::testing::Test {
protected:
    TempProgramFolder folder;
    HostRecorder host;
    ~Startup() override { SetRandomSourceForTesting(nullptr); }

    // Hands out the given draws in order, then zeros.
    void Sequence(std::vector<int32_t> draws) {
        auto pos = std::make_shared<std::size_t>(0);
        SetRandomSourceForTesting(
            [draws = std::move(draws), pos] { return *pos < draws.size() ? draws[(*pos)++] : 0; });
    }
    const Character& Last() const { return *GameState.Characters.back(); }
};

TEST_F(Startup, StartupLoadsTablesWritesTheBannerAndLeavesNoGame) {
    WriteBuildingFile(folder, "2.dat", MakeBarDescr(2, 90000, 20));
    WriteBuildingFile(folder, "1.dat", MakeBarDescr(1, 40000, 10));
    GameState.Cash = 5;
    GameState.SelectedSlot = 3;
    GameState.Characters.push_back(NewCharacterRecord());
    GameStartup(42u);

    ASSERT_EQ(GameState.BarDescrCount(), 2);
    EXPECT_EQ(GameState.BarDescrs[0].Id, 1);
    EXPECT_EQ(GameState.CharDescrCount(), 45);
    EXPECT_EQ(GameState.PropertyCount(), 0);
    EXPECT_EQ(GameState.CharacterCount(), 0);
    EXPECT_EQ(GameState.Cash, 0);
    EXPECT_EQ(GameState.GameTime, 0);
    EXPECT_FALSE(GameState.GameInProgress);
    for (int32_t sel : {GameState.SelectedProperty, GameState.SelectedSlot,
                        GameState.SelectedCharacter, GameState.SelectedGroup})
        EXPECT_EQ(sel, -1);
    EXPECT_TRUE(IsBannerLine(folder.ReadFile("debug.txt"))) << folder.ReadFile("debug.txt");

    GameShutdown();
    EXPECT_EQ(GameState.BarDescrCount(), 0);
    const std::string log = folder.ReadFile("debug.txt");
    EXPECT_EQ(log.substr(log.size() - 29), "*** Quitting the game... ***\n");
}

TEST_F(Startup, TheSeedFixesTheSequence) {
    GameStartup(7u);
    const int32_t a = RandomInt(), b = RandomInt();
    GameStartup(7u);
    EXPECT_EQ(RandomInt(), a);
    EXPECT_EQ(RandomInt(), b);
}

TEST_F(Startup, LogIsEmptiedOnlyAbove10000Bytes) {
    folder.WriteFile("debug.txt", std::string(10000, 'a'));
    GameStartup(1u);
    std::string log = folder.ReadFile("debug.txt");
    EXPECT_EQ(log.substr(0, 10000), std::string(10000, 'a'));
    EXPECT_EQ(log.find("*** Quelbrin v.1.0.2.0 has started on "), 10000u);

    folder.WriteFile("debug.txt", std::string(10001, 'a'));
    GameStartup(1u);
    log = folder.ReadFile("debug.txt");
    EXPECT_EQ(log.find("*** The log file has been emptied ***\n*** Quelbrin v.1.0.2.0 has "), 0u);
    EXPECT_EQ(log.find("aaaa"), std::string::npos);
}

TEST_F(Startup, NewGameCashTimeAndClock) {
    GameStartup(3u);
    const int32_t cash[4] = {80000, 50000, 35000, 25000};
    for (int d = 0; d < 4; ++d) {
        GameState.Difficulty = static_cast<uint8_t>(d);
        GameState.ClockSpeed = 2;
        NewGameOnDay(static_cast<int32_t>(DayNumberOf(2026, 12, 7)));
        EXPECT_EQ(GameState.Cash, cash[d]);
        EXPECT_EQ(GameState.ClockSpeed, 0);
        EXPECT_TRUE(GameState.GameInProgress);
        EXPECT_EQ(GameState.StartTime, GameState.GameTime);
        EXPECT_EQ(FormatClockDate(GameState.GameTime), "Dec 07 2026, 12 am");
        EXPECT_EQ(Today(), 46363);
    }
    GameState.Difficulty = 9;
    GameState.Cash = 1234;
    NewGameOnDay(46363);
    EXPECT_EQ(GameState.Cash, 1234);
    EXPECT_DOUBLE_EQ(VisitorSpendingFactor(9), 1.0);
    EXPECT_DOUBLE_EQ(VisitorSpendingFactor(2), 0.85);
}

TEST_F(Startup, NewGameStartsTodayAndDeletesTheAutosaveButTheDayVariantKeepsIt) {
    GameStartup(3u);
    folder.WriteFile("save/autosave.sav", "old game");
    NewGameOnDay(46363);
    EXPECT_TRUE(std::filesystem::exists(folder.Sub("save/autosave.sav")));

    GameState.Difficulty = 3;
    GameState.SelectedSlot = 4;
    NewGame();
    EXPECT_FALSE(std::filesystem::exists(folder.Sub("save/autosave.sav")));
    EXPECT_EQ(GameState.Cash, 25000);
    EXPECT_EQ(GameState.GameTime, LocalDayNumber() + 1.0 / 48);
    EXPECT_EQ(CalendarOf(GameState.GameTime).Hour, 0);
    EXPECT_EQ(GameState.SelectedSlot, 4); // a new game keeps the slot selection
    EXPECT_EQ(FieldText(GameState.Services[skCooking].Name), "Cooking");
    NewGame(); // no autosave left: still fine
    EXPECT_TRUE(host.ErrorBoxes.empty());
}

TEST_F(Startup, ContactsComeFirstThenUpToTenCandidates) {
    GameStartup(0u);
    std::vector<int> candidateCounts;
    for (uint32_t seed = 0; seed < 200; ++seed) {
        SeedRandom(seed);
        NewGameOnDay(46363);
        ASSERT_GE(GameState.CharacterCount(), 11);
        ASSERT_LE(GameState.CharacterCount(), 21);
        candidateCounts.push_back(GameState.CharacterCount() - 11);
        for (int i = 0; i < 11; ++i) {
            const Character& c = *GameState.Characters[i];
            const CharDescr& d = *FindCharDescr(c.DescrId);
            ASSERT_EQ(c.DescrId, 35 + i);
            ASSERT_EQ(FieldText(c.Name), FieldText(d.FixedName));
            ASSERT_EQ(c.Employed, 0);
        }
        for (int i = 11; i < GameState.CharacterCount(); ++i)
            ASSERT_EQ(FindCharDescr(GameState.Characters[i]->DescrId)->IsProfession, 1);
    }
    const Character& bank = *GameState.Characters[42 - 35];
    EXPECT_EQ(FieldText(bank.Name), "Leroy");
    EXPECT_EQ(bank.CreditLimit, 50000);
    EXPECT_EQ(bank.LoanDays, 60);
    EXPECT_DOUBLE_EQ(bank.InterestRate, 0.1);
    const Character& shark = *GameState.Characters[43 - 35];
    EXPECT_EQ(FieldText(shark.Name), "Carlos");
    EXPECT_EQ(shark.CreditLimit, 100000);
    EXPECT_EQ(shark.LoanDays, 30);
    EXPECT_DOUBLE_EQ(shark.InterestRate, 0.15);
    EXPECT_EQ(GameState.Characters[0]->CreditLimit, 0);

    // Ten attempts at 3 in 4: about 7.5 candidates on average, and both extremes are reachable.
    double mean = 0;
    for (int n : candidateCounts)
        mean += n;
    mean /= candidateCounts.size();
    EXPECT_NEAR(mean, 7.5, 0.5);
}

TEST_F(Startup, AContactWithoutAFixedNameGetsAFirstNameOfItsSex) {
    AddContactDescr("", "Mystery Agent", "offers", 0, false, 14);
    Sequence({82}); // 82 mod 80: the female pool's third name
    GenerateCharacters();
    ASSERT_GE(GameState.CharacterCount(), 1);
    EXPECT_EQ(FieldText(GameState.Characters[0]->Name), "Aisha");
}

TEST_F(Startup, TheLimitOf180) {
    BuildCharDescrs();
    struct Case {
        int present, contacts;
    };
    for (Case c : {Case{180, 0}, Case{175, 5}, Case{169, 11}}) {
        ReleaseAllCharacters();
        for (int i = 0; i < c.present; ++i)
            GameState.Characters.push_back(NewCharacterRecord());
        SetRandomSourceForTesting([] { return 0; }); // every chance test passes
        GenerateCharacters();
        SetRandomSourceForTesting(nullptr);
        const int expected = std::min(180, c.present + c.contacts + (c.contacts == 11 ? 10 : 0));
        EXPECT_EQ(GameState.CharacterCount(), expected) << c.present;
    }
}

TEST_F(Startup, ACandidateFromControlledDraws) {
    BuildCharDescrs();
    // Role Management (first of nine), its second description (the 0.4 female manager),
    // the name, both skills, legality, salary, then a failed honesty test and 75 mod 76.
    Sequence({0, 1, 80, 0, 0, 0, 4094, 2048, 75});
    AddRandomCandidate();
    const Character& c = Last();
    EXPECT_EQ(c.DescrId, 2);
    EXPECT_EQ(FieldText(c.Name), "Kesia");
    EXPECT_DOUBLE_EQ(c.Skill, 0.8 * 0.4);
    EXPECT_EQ(c.SecondSkill, 0);
    EXPECT_EQ(c.Legality, 0);
    // (0.5 + 4094/4095) x 0.32 x 40 = 19.19..: 19 div 5 = 3, doubled for a manager.
    EXPECT_EQ(c.Salary, 30);
    EXPECT_EQ(c.AgentIncome, 0);
    EXPECT_EQ(c.Dishonesty, 100);
    EXPECT_EQ(c.HonestyKnown, 0);

    // Agent with drug selling at 0.8 (description 32): agent role is the ninth, its
    // fourth description; top draws everywhere.
    Sequence({8, 3, 0, 4094, 4094, 4094, 4094, 4094, 0});
    AddRandomCandidate();
    const Character& a = Last();
    EXPECT_EQ(a.DescrId, 32);
    EXPECT_EQ(a.Skill, 0);
    EXPECT_NEAR(a.SecondSkill, 0.8 * (0.8 + 4094 * 0.4 / 4095), 1e-12);
    EXPECT_EQ(a.Legality, -124); // -100 x 1.2498.. cut toward zero
    EXPECT_EQ(a.Salary, 0);
    // v = 1.2498.. x 0.9598.. x 50 = 59.98..: 59 div 5 x 5.
    EXPECT_EQ(a.AgentIncome, 55);
    EXPECT_EQ(a.Dishonesty, 0);
}

TEST_F(Startup, SkillsAreHeldAtOne) {
    AddProfessionDescr("Ace", "s_cook", 0, true, skCooking, skDrinks, 0.9, -0.5, 0);
    Sequence({0, 0, 0, 4094, 4094, 0, 0, 0});
    AddRandomCandidate();
    EXPECT_EQ(Last().Skill, 1.0);
    EXPECT_EQ(Last().SecondSkill, 0.0);
}

TEST_F(Startup, CandidateBounds) {
    BuildCharDescrs();
    SeedRandom(11);
    for (int i = 0; i < 3000; ++i)
        AddRandomCandidate();
    std::vector<int> perDescr(46, 0);
    for (const auto& cp : GameState.Characters) {
        const Character& c = *cp;
        const CharDescr& d = *FindCharDescr(c.DescrId);
        ASSERT_EQ(d.IsProfession, 1);
        ++perDescr[d.Id];
        ASSERT_GE(c.Skill, std::min(1.0, 0.8 * d.Skill) - 1e-12);
        ASSERT_LE(c.Skill, std::min(1.0, 1.2 * d.Skill));
        ASSERT_GE(c.SecondSkill, std::min(1.0, 0.8 * d.SecondSkill) - 1e-12);
        ASSERT_LE(c.SecondSkill, std::min(1.0, 1.2 * d.SecondSkill));
        ASSERT_LE(c.Legality, 0);
        ASSERT_GE(c.Legality, static_cast<int32_t>(1.25 * d.Legality) - 1);
        const bool management = d.Role == skManagement || d.SecondRole == skManagement;
        if (d.Role == skAgent) {
            ASSERT_EQ(c.Salary, 0);
            ASSERT_EQ(c.AgentIncome % 5, 0);
            ASSERT_LE(c.AgentIncome, 1.25 * (c.Skill + c.SecondSkill) * 50);
        } else {
            ASSERT_EQ(c.Salary % (management ? 10 : 5), 0) << d.Id;
            ASSERT_EQ(c.AgentIncome, 0);
            ASSERT_LE(c.Salary, (management ? 2 : 1) * 1.5 * (c.Skill + c.SecondSkill) * 40);
        }
        ASSERT_TRUE(c.Dishonesty == 0 || (c.Dishonesty >= 25 && c.Dishonesty <= 100));
        ASSERT_EQ(c.Employed, 0);
        ASSERT_FALSE(FieldText(c.Name).empty());
    }
    // Each of the nine roles is drawn alike, then each description of the role alike.
    int managers = perDescr[1] + perDescr[2];
    EXPECT_NEAR(managers, 3000 / 9, 60);
    EXPECT_NEAR(perDescr[29], 3000 / 9 / 6, 30);
    EXPECT_GT(perDescr[15], 0);
}

TEST_F(Startup, NoProfessionsNoCandidate) {
    AddContactDescr("Leroy", "Bank Official", "offers", 0, true, 15);
    AddRandomCandidate();
    EXPECT_EQ(GameState.CharacterCount(), 0);
}

} // namespace
