// The creditors' day: interest, goodwill, the loan shark's visits and the bank's seizure.
#include "ScriptedDraws.h"
#include "SimFixture.h"
#include "sim/PropertyDay.h"
#include "sim/Stats.h"

#include <string>

namespace {

class Creditors : public SimWorld {
protected:
    HostRecorder host;
    Character* bank = nullptr;
    Character* shark = nullptr;
    static constexpr int32_t kToday = 1000;

    void SetUp() override {
        bank = Lender(skBankOfficial, "Leroy", 60, 0.1);
        shark = Lender(skLoanShark, "Carlos", 30, 0.15);
        GameState.GameTime = kToday + 23.5 / 24;
    }
    Character* Lender(uint8_t role, const char* name, int32_t days, double rate) {
        int32_t id = Profession(role, 0, name);
        GameState.CharDescrs.back().IsProfession = 0;
        auto c = NewCharacterRecord();
        c->DescrId = id;
        CopyText(c->Name, name);
        c->LoanDays = days;
        c->InterestRate = rate;
        GameState.Characters.push_back(std::move(c));
        return GameState.Characters.back().get();
    }
    // An overdue debt whose target stays where it is.
    void Owe(Character* c, int32_t debt, double relation, int32_t target = 0) {
        c->Debt = debt;
        c->DueDay = kToday - 5;
        c->Relation = relation;
        c->SeizeTarget = target;
    }
    std::string Log(const Property* p, int i = 0) { return FieldText(p->Log[i].Text); }
};

TEST_F(Creditors, TheLoanSharkSendsBanditsFromMinus75AndOnlyWarnsAbove) {
    struct Case {
        double relation;
        bool bandits;
    } cases[] = {{-75.0, true}, {-74.9, false}};
    for (const Case& c : cases) {
        ReleaseAllProperties();
        GameState.BarDescrs.clear();
        Property* p = Own(MakeBarDescr(1, 20000, 5), "Corner");
        p->Value = 5000;
        Place(p, Group(5));
        Place(p, Group(9, -80));
        Owe(shark, 100, c.relation);
        // Visit, the smallest damage, the first phrase; the peaceful group leaves.
        ScriptedDraws draws({kPass, 0, 0, kPass});
        CreditorsDay();
        if (c.bandits) {
            EXPECT_EQ(p->Value, 4000);
            ASSERT_EQ(p->LogCount, 2);
            EXPECT_EQ(Log(p, 1), "Carlos and his bandits caused some damage to your property.");
            EXPECT_EQ(Log(p, 0), "Gourmets consider your bar as unsafe and so leaving it.");
            EXPECT_EQ(p->GroupCount, 1);
            EXPECT_EQ(p->Groups[0].Type, 9);
        } else {
            EXPECT_EQ(p->Value, 5000);
            ASSERT_EQ(p->LogCount, 1);
            EXPECT_EQ(Log(p), "Carlos wants his money back.");
            EXPECT_EQ(p->GroupCount, 2);
        }
        EXPECT_EQ(p->Log[0].Kind, lkBad);
        EXPECT_EQ(shark->Debt, 100); // interest on 100 for one day is below a dollar
        EXPECT_EQ(GameState.PropertyCount(), 1);
    }
}

TEST_F(Creditors, BanditsNeverTakeTheValueBelow100) {
    Property* p = Own(MakeBarDescr(1, 20000, 5), "Corner");
    p->Value = 1500;
    Owe(shark, 100, -90);
    ScriptedDraws draws({kPass, 10999, 3});
    CreditorsDay();
    EXPECT_EQ(p->Value, 100);
    EXPECT_EQ(Log(p), "Carlos and his gang inflicted some damage to your building.");
    // At 100 he does not come at all.
    ScriptedDraws none({});
    CreditorsDay();
    EXPECT_EQ(none.Drawn(), 0);
}

TEST_F(Creditors, TheBankWarnsThenSeizesOnTheDayGoodwillReachesMinus100) {
    Property* a = Own(MakeBarDescr(1, 20000, 5), "Alpha");
    Property* b = Own(MakeBarDescr(2, 20000, 5), "Beta");
    Character* w = Employ(b, Profession(skCooking), 0, 0.5);
    GameState.SelectedProperty = 1;

    Owe(bank, 1000, 0.0, 0);
    {
        ScriptedDraws draws({kPass});
        CreditorsDay();
        EXPECT_EQ(Log(a), "The bank informs you that your debt is overdue.");
    }
    Owe(bank, 1000, -80.0, 0);
    {
        ScriptedDraws draws({});
        CreditorsDay();
        EXPECT_EQ(draws.Drawn(), 1); // the reminder's chance, drawn whatever the goodwill
        EXPECT_EQ(Log(a), "The bank is about to seize your bar in order to settle the debt.");
    }
    // -99.99 less 100000 / 25 x 0.002 = 8 reaches -100 today.
    Owe(bank, 100000, -99.99, 1);
    ScriptedDraws draws({});
    CreditorsDay();
    EXPECT_EQ(bank->Relation, -100);
    EXPECT_EQ(bank->Debt, 0);
    EXPECT_EQ(bank->DueDay, 0);
    ASSERT_EQ(GameState.PropertyCount(), 1);
    EXPECT_EQ(GameState.Properties[0].get(), a);
    EXPECT_EQ(GameState.SelectedProperty, 0);
    EXPECT_FALSE(w->Employed);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].first,
              "Your Beta has been seized by the bank in order to settle the debt.");
    EXPECT_EQ(host.Messages[0].second, "Quelbrin");
    EXPECT_EQ(host.DefaultPages, 1);
}

TEST_F(Creditors, TheBankDrawsItsReminderChanceFirstWhateverTheGoodwill) {
    Property* p = Own(MakeBarDescr(1, 20000, 5), "Alpha");
    struct Case {
        double relation;
        int32_t chance;
        const char* log; // nullptr: nothing logged
    } cases[] = {
        {0.0, kPass, "The bank informs you that your debt is overdue."},
        {0.0, kFail, nullptr},
        {-80.0, kPass, "The bank is about to seize your bar in order to settle the debt."},
        {-80.0, kFail, "The bank is about to seize your bar in order to settle the debt."},
    };
    for (const Case& c : cases) {
        p->LogCount = 0;
        Owe(bank, 1000, c.relation, 0);
        // The second value is what the draw after the bank's turn gets.
        ScriptedDraws draws({c.chance, 1234});
        CreditorsDay();
        EXPECT_EQ(draws.Drawn(), 1) << c.relation;
        if (c.log) {
            ASSERT_EQ(p->LogCount, 1) << c.relation;
            EXPECT_EQ(Log(p), c.log);
        } else {
            EXPECT_EQ(p->LogCount, 0) << c.relation;
        }
        EXPECT_EQ(RandomInt(), 1234) << c.relation;
    }
}

TEST_F(Creditors, ATargetOutOfRangeOrTheFirstOverdueDayDrawsANewTarget) {
    Own(MakeBarDescr(1, 20000, 5), "Alpha");
    Own(MakeBarDescr(2, 20000, 5), "Beta");
    Own(MakeBarDescr(3, 20000, 5), "Gamma");
    RemoveProperty(2); // sold: the old target 2 no longer exists
    Owe(bank, 1000, -80.0, 2);
    {
        ScriptedDraws draws({7});
        CreditorsDay();
        EXPECT_EQ(bank->SeizeTarget, 1);
        EXPECT_EQ(GameState.Properties[1]->LogCount, 1);
        EXPECT_EQ(GameState.Properties[0]->LogCount, 0);
    }
    // A valid target is kept, except on the first overdue day: only the reminder's
    // chance is drawn.
    {
        ScriptedDraws draws({});
        CreditorsDay();
        EXPECT_EQ(draws.Drawn(), 1);
        EXPECT_EQ(bank->SeizeTarget, 1);
    }
    bank->DueDay = kToday - 1;
    ScriptedDraws draws({4});
    CreditorsDay();
    EXPECT_EQ(bank->SeizeTarget, 0);
}

TEST_F(Creditors, InterestAndGoodwillRunWithoutPropertiesAndStayInRange) {
    struct Case {
        Character* lender;
        int32_t debt;
        int32_t days;
        int32_t dueOffset;
        int32_t expect;
        double relation;
    } cases[] = {
        // -1200 x 0.002 = -2.4; (1 + 0.012) x 0.15 x 30000 / 30 = 151.8
        {shark, 30000, 30, -5, 30151, -2.4},
        // a term of 0 days counts as one: 1000 + 0.10004 x 1000
        {bank, 1000, 0, -5, 1100, -0.08},
        // compounding for years must not wrap
        {shark, 2147000000, 30, -5, 2147483647, -100},
        // due today: not yet overdue
        {bank, 1000, 60, 0, 1000, 0},
    };
    for (const Case& c : cases) {
        bank->Debt = shark->Debt = 0;
        c.lender->Debt = c.debt;
        c.lender->LoanDays = c.days;
        c.lender->DueDay = kToday + c.dueOffset;
        c.lender->Relation = 0;
        ScriptedDraws draws({});
        CreditorsDay();
        EXPECT_EQ(c.lender->Debt, c.expect) << c.debt;
        EXPECT_NEAR(c.lender->Relation, c.relation, 1e-9) << c.debt;
        EXPECT_EQ(draws.Drawn(), 0) << c.debt;
    }
}

} // namespace
