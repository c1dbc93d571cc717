// Candidates leaving and arriving, supervision, and the salary step.
#include "ScriptedDraws.h"
#include "SimFixture.h"
#include "model/Tables.h"
#include "sim/PropertyDay.h"
#include "sim/Startup.h"
#include "sim/Stats.h"

#include <string>

namespace {

class Staff : public SimWorld {
protected:
    int32_t Contact() {
        int32_t id = Profession(skBankOfficial, 0, "Bank Official");
        GameState.CharDescrs.back().IsProfession = 0;
        return id;
    }
    Character* Candidate(int32_t descrId, const char* name) {
        auto c = NewCharacterRecord();
        c->DescrId = descrId;
        CopyText(c->Name, name);
        GameState.Characters.push_back(std::move(c));
        return GameState.Characters.back().get();
    }
    std::vector<std::string> Names() {
        std::vector<std::string> out;
        for (auto& c : GameState.Characters)
            out.push_back(FieldText(c->Name));
        return out;
    }
    std::string LogText(const Property* p, int i) { return FieldText(p->Log[i].Text); }
};

TEST_F(Staff, CandidateRemovalTestsEachCandidateOnceAndSparesContactsAndWorkers) {
    Property* p = Own(MakeBarDescr(1, 1000, 5, {skCooking}));
    int32_t contact = Contact();
    int32_t chef = Profession(skCooking, 0, "Chef");
    Candidate(contact, "Leroy");
    Candidate(chef, "A");
    Candidate(chef, "B");
    Employ(p, chef, 0, 0.5, 0, "Worker");
    Candidate(chef, "C");
    Candidate(chef, "D");
    Candidate(999, "NoDescr");       // a character without description is never a candidate
    GameState.SelectedCharacter = 4; // C
    // A and B (adjacent: the second moves into the first's place) go, C stays, D goes.
    ScriptedDraws draws({kPass, kPass, kFail, kPass});
    RemoveCandidates();
    EXPECT_EQ(draws.Drawn(), 4);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Leroy", "Worker", "C", "NoDescr"}));
    EXPECT_EQ(GameState.SelectedCharacter, 2);
}

TEST_F(Staff, CandidateGenerationStopsAtThePoolLimit) {
    BuildCharDescrs();
    struct Case {
        int32_t pool;
        int32_t fallback;
        int32_t expect;
        bool anyDraw;
    } cases[] = {
        {179, kPass, 180, true},  // the first success fills the pool; the other tries do nothing
        {180, kPass, 180, false}, // no try at all
        {100, kFail, 100, true},  // three failed tries
        {100, kPass, 103, true},
    };
    for (const Case& c : cases) {
        ReleaseAllCharacters();
        for (int32_t i = 0; i < c.pool; ++i)
            Candidate(1, "X");
        ScriptedDraws draws({}, c.fallback);
        GenerateCandidates();
        EXPECT_EQ(GameState.CharacterCount(), c.expect) << c.pool;
        EXPECT_EQ(draws.Drawn() > 0, c.anyDraw) << c.pool;
        if (c.fallback == kFail) {
            EXPECT_EQ(draws.Drawn(), 3);
        }
    }
}

TEST_F(Staff, SupervisionRevealsOnlyWorkersInOpenSlotsOnce) {
    BarDescr d = MakeBarDescr(1, 1000, 5, {skCooking, skCooking, skCooking});
    d.Vacancies[1].Open = 0;
    Property* p = Own(d);
    Property* other = Own(MakeBarDescr(2, 1000, 5, {skCooking}), "Other");
    int32_t chef = Profession(skCooking);
    Character* inOpen = Employ(p, chef, 0, 0.5);
    Character* inClosed = Employ(p, chef, 1, 0.5);
    Character* elsewhere = Employ(other, chef, 0, 0.5);

    DayContext day;
    day.P = p;
    day.D = Descr(p);
    p->SupervisionLeft = 100;
    int days = 0, notices = 0;
    while (p->SupervisionLeft > 0 && days < 100) {
        int before = p->LogCount;
        SupervisionCountdown(day);
        ++days;
        notices += p->LogCount - before;
    }
    EXPECT_GE(days, 7);
    EXPECT_LE(days, 20);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(LogText(p, 0), "You've determined the honesty of your workers.");
    EXPECT_EQ(p->Log[0].Kind, lkNotice);
    EXPECT_TRUE(inOpen->HonestyKnown);
    EXPECT_FALSE(inClosed->HonestyKnown);
    EXPECT_FALSE(elsewhere->HonestyKnown);

    // A worker hired after the end stays unknown; nothing more is logged.
    Character* late = Employ(p, chef, 2, 0.5);
    SupervisionCountdown(day);
    EXPECT_FALSE(late->HonestyKnown);
    EXPECT_EQ(p->LogCount, 1);
}

TEST_F(Staff, SalaryStepDemandsPayAndMayRetire) {
    struct Case {
        int32_t cash;
        int64_t total;
        int32_t salary;
        int32_t draw;
        bool demand, retire;
    } cases[] = {
        {0, 0, 50, kFail, true, false},
        {0, 0, 50, kPass, true, true},
        {100, -50, 50, kPass, false, false}, // exactly covered
        {100, -50, 55, kFail, true, false},
        {0, 0, 0, kPass, false, false}, // an agent without salary
    };
    for (const Case& c : cases) {
        ReleaseAllProperties();
        ReleaseAllCharacters();
        GameState.BarDescrs.clear();
        ResetGameStats();
        Property* p = Own(MakeBarDescr(1, 1000, 5, {skCooking}));
        Character* w = Employ(p, Profession(skCooking), 0, 0.5, 0, "Ann");
        w->Salary = c.salary;
        GameState.SelectedCharacter = 0;
        GameState.Cash = c.cash;
        DayContext day;
        day.P = p;
        day.D = Descr(p);
        day.A.Total = c.total;
        ScriptedDraws draws({c.draw});
        bool retired = SalaryStep(day, 0);
        std::string what = std::to_string(c.cash) + "/" + std::to_string(c.salary);
        EXPECT_EQ(retired, c.retire) << what;
        EXPECT_EQ(day.A.Salary, c.salary) << what;
        EXPECT_EQ(p->LogCount, (c.demand ? 1 : 0) + (c.retire ? 1 : 0)) << what;
        if (c.demand) {
            EXPECT_EQ(LogText(p, c.retire ? 1 : 0), "Ann demands salary.") << what;
        }
        if (c.retire) {
            EXPECT_EQ(LogText(p, 0), "Ann has retired.");
            EXPECT_EQ(p->Log[0].Kind, lkBad);
            EXPECT_EQ(GameState.CharacterCount(), 0);
            EXPECT_EQ(GameState.SelectedCharacter, -1);
            EXPECT_EQ(GameStats.Retired, 1);
        } else {
            EXPECT_EQ(GameState.CharacterCount(), 1) << what;
        }
    }
}

} // namespace
