// The lenders', the supervision agent's and the police official's pages: their
// figures below the description, and buttons that are hot exactly where drawn.
#include "PagesFixture.h"

#include "sim/Prices.h"

namespace {

constexpr Rect BorrowCell{0, 240, 60, 260};
constexpr Rect PayDebtCell{0, 260, 60, 280};
constexpr Rect CamerasCell{0, 100, 60, 120};
constexpr Rect LevelCell{150, 280, 190, 295};

class ServicePages : public PagesFixture {
protected:
    Character& ShowLender(bool bank, double relation = 0) {
        Character& c = ShowContact(bank ? skBankOfficial : skLoanShark,
                                   bank ? "Bank Official" : "Loan Shark", relation);
        c.CreditLimit = bank ? 50000 : 100000;
        c.LoanDays = bank ? 60 : 30;
        c.InterestRate = bank ? 0.1 : 0.15;
        palm->UpdateInternalScreen();
        return c;
    }
    // The top of the button drawn from cell, or -1.
    int ButtonTop(const Rect& cell, int x) {
        for (int y = 192; y < palm->ScreenHeight(); ++y)
            if (CellAt(Page(), x, y) == (StripPoint{cell.left + x - 5, cell.top})) return y;
        return -1;
    }
};

TEST_F(ServicePages, LenderTermsAndBorrowWhileNothingIsOwed) {
    GameState.GameInProgress = true;
    GameState.GameTime = DayNumberOf(2026, 3, 7) + 0.5;
    struct Case {
        bool bank;
        double relation;
        const char *limit, *term, *rate, *repay;
    } cases[] = {
        {true, 0, "$50,000", "60 days", "10%", "$55,000"},
        {true, 100, "$50,000", "60 days", "5%", "$52,500"},
        {true, 50, "$50,000", "60 days", "7.5%", "$53,750"},
        {false, 0, "$100,000", "30 days", "15%", "$114,990"},
    };
    const int h = LineHeightOf();
    for (const Case& k : cases) {
        Character& c = ShowLender(k.bank, k.relation);
        int top = FindText(Page(), std::string("Credit Limit: ") + k.limit, 5, 192, 300);
        ASSERT_GE(top, 224) << k.relation;
        EXPECT_TRUE(PageShows(Page(), std::string("Term: ") + k.term, 5, top + h));
        EXPECT_TRUE(PageShows(Page(), std::string("Interest Rate: ") + k.rate, 5, top + 2 * h));
        EXPECT_TRUE(PageShows(Page(), std::string("Amount to Repay: ") + k.repay, 5, top + 3 * h));
        EXPECT_EQ(FormatMoney(LoanRepayment(c)), k.repay);
        EXPECT_EQ(ButtonTop(BorrowCell, 5), top + 4 * h + 4);
        EXPECT_EQ(CheckHotWhereDrawn(BorrowCell, phBorrow), 60 * 20) << k.relation;
        EXPECT_EQ(CheckHotWhereDrawn(PayDebtCell, phPayDebt), 0);
    }
}

TEST_F(ServicePages, ARunningDebtShowsItsDueDateAndOnlyPayDebt) {
    GameState.GameInProgress = true;
    GameState.GameTime = DayNumberOf(2026, 3, 7) + 0.5;
    const int h = LineHeightOf();
    Character& c = ShowLender(false);
    c.Debt = 114990;
    c.DueDay = Today() + 30;
    palm->UpdateInternalScreen();
    int top = FindText(Page(), "Credit Limit: $100,000", 5, 192, 300);
    ASSERT_GE(top, 224);
    int debt = top + 4 * h + 8;
    EXPECT_TRUE(PageShows(Page(), "Debt: $114,990", 5, debt));
    EXPECT_TRUE(PageShows(Page(), "Due Date: " + FormatLogDate(Today() + 30), 5, debt + h));
    EXPECT_EQ(FormatLogDate(Today() + 30), "April 06");
    EXPECT_EQ(ButtonTop(PayDebtCell, 5), debt + 2 * h + 4);
    EXPECT_EQ(CheckHotWhereDrawn(PayDebtCell, phPayDebt), 60 * 20);
    EXPECT_EQ(CheckHotWhereDrawn(BorrowCell, phBorrow), 0);

    // Due today is still on time; a day later it is overdue.
    c.DueDay = Today();
    palm->UpdateInternalScreen();
    EXPECT_FALSE(AnyPixel(Page(), 5 + TextWidthOf("Due Date: " + FormatLogDate(Today())) + 2,
                          debt + h, 189, debt + 2 * h, TextColor));
    c.DueDay = Today() - 1;
    palm->UpdateInternalScreen();
    EXPECT_TRUE(
        PageShows(Page(), "Due Date: " + FormatLogDate(Today() - 1) + " (overdue)", 5, debt + h));

    // Paid off: Borrow again, and the page as before the loan.
    c.Debt = 0;
    palm->UpdateInternalScreen();
    EXPECT_EQ(CheckHotWhereDrawn(BorrowCell, phBorrow), 60 * 20);
    EXPECT_EQ(CheckHotWhereDrawn(PayDebtCell, phPayDebt), 0);
    EXPECT_FALSE(AnyPixel(Page(), 5, debt + 20, 189, palm->ScreenHeight(), TextColor));
}

TEST_F(ServicePages, SupervisionQuotesCamerasAndCountsUnobservedWorkers) {
    Property& p = StartGameWithProperty();
    GameState.BarDescrs[0] = MakeBarDescr(1, 50000, 12, {skCooking, skServing, skServing});
    GameState.BarDescrs[0].Vacancies[2].Open = 0;
    int32_t cook = AddDescr(true, skCooking, "Cook");
    Employ(p, cook, 0);                  // unknown
    Employ(p, cook, 1).HonestyKnown = 1; // known
    Employ(p, cook, 2);                  // in a closed post: not counted
    AddCharacter(cook);                  // a candidate: not counted
    Character& agent = ShowContact(skSupervisionAgent, "Supervision Agent", 40);

    std::string price = FormatMoney(DiscountedPrice(12 * 500, agent.Relation));
    EXPECT_EQ(price, "$4,800");
    int count = FindText(Page(), "Workers of unknown honesty: 1", 5, 224, 330);
    ASSERT_GT(count, 224);
    Bitmap m(4, 4);
    m.GetCanvas().SetFont("Arial", 8);
    std::string quote = "Hidden cameras for your Blue Lamp cost " + price + ".";
    int quoteHeight = m.GetCanvas().MeasureWrapped(189, quote);
    EXPECT_TRUE(PageShows(Page(), m.GetCanvas().WrapLines(189, quote)[0], 5, count - quoteHeight));
    EXPECT_EQ(ButtonTop(CamerasCell, 5), count + LineHeightOf() + 4);
    EXPECT_EQ(CheckHotWhereDrawn(CamerasCell, phHiddenCameras), 60 * 20);

    // Everyone known: the count says 0, and the order is still offered (the
    // command answers that there is nobody to watch).
    for (auto& c : GameState.Characters)
        c->HonestyKnown = 1;
    palm->UpdateInternalScreen();
    EXPECT_TRUE(PageShows(Page(), "Workers of unknown honesty: 0", 5, count));
    EXPECT_EQ(CheckHotWhereDrawn(CamerasCell, phHiddenCameras), 60 * 20);

    // No building description: no price, no button; no property: the notice.
    p.BarId = 77;
    palm->UpdateInternalScreen();
    EXPECT_EQ(CheckHotWhereDrawn(CamerasCell, phHiddenCameras), 0);
    EXPECT_FALSE(AnyPixel(Page(), 5, 230, 189, 330, TextColor));
    GameState.SelectedProperty = -1;
    palm->UpdateInternalScreen();
    EXPECT_GE(FindText(Page(), "(no property selected)", 5, 224, 300), 224);
    EXPECT_EQ(CheckHotWhereDrawn(CamerasCell, phHiddenCameras), 0);
}

TEST_F(ServicePages, PoliceLevelRowsLikeTheFeeRows) {
    Property& p = StartGameWithProperty(); // capacity 10
    p.BribeLevel = 2;
    Character& official = ShowContact(skPoliceOfficial, "Police Official", -20);
    int top = FindText(Page(), "(none)", 5, 224, 400);
    ASSERT_GE(top, 224);
    for (int level = 1; level <= 4; ++level) {
        std::string row = "Level " + std::to_string(level) + ": " +
                          FormatMoney(DiscountedPrice(10 * level * 25, official.Relation)) +
                          " per day";
        palm->SetScroll(0);
        EXPECT_TRUE(PageShows(Page(), row, 5, top + 17 * level)) << row;
    }
    EXPECT_TRUE(PageShows(Page(), "Level 4: $1,100 per day", 5, top + 68));
    EXPECT_TRUE(PageShows(Page(), "[selected]", 145, top + 34));
    EXPECT_EQ(palm->ScreenHeight(), std::max(330, top + 5 * 17 + 10));

    // Every other row has its choice button, hot with the row's level.
    for (int level = 0; level <= 4; ++level) {
        int y = top + 17 * level;
        uint8_t area = HotAt(160, y + 7);
        if (level == 2) {
            EXPECT_EQ(area, phNone);
            EXPECT_EQ(palm->LastHotIndex, -1);
        } else {
            EXPECT_EQ(area, phOfficialLevel) << level;
            EXPECT_EQ(palm->LastHotIndex, level);
        }
    }
    EXPECT_EQ(CheckHotWhereDrawn(LevelCell, phOfficialLevel), 4 * 40 * 15);

    // Level 0 chosen: its row reads "(none)" and "[selected]", and has no button.
    p.BribeLevel = 0;
    palm->UpdateInternalScreen();
    EXPECT_TRUE(PageShows(Page(), "[selected]", 145, top));
    EXPECT_EQ(HotAt(160, top + 7), phNone);
    EXPECT_EQ(HotAt(160, top + 2 * 17 + 7), phOfficialLevel);
    EXPECT_EQ(palm->LastHotIndex, 2);

    GameState.SelectedProperty = -1;
    palm->UpdateInternalScreen();
    EXPECT_EQ(FindText(Page(), "(no property selected)", 5, 224, 400), top);
    EXPECT_EQ(CheckHotWhereDrawn(LevelCell, phOfficialLevel), 0);
}

TEST_F(ServicePages, DescriptionTextsOfTheServicePages) {
    StartGameWithProperty();
    struct Case {
        uint8_t role;
        const char* title;
        const char* text;
    } cases[] = {
        {skBankOfficial, "Bank Official", "Lends money at reasonable rate for a long term."},
        {skLoanShark, "Loan Shark", "Lends money at high rate for a short term."},
        {skSupervisionAgent, "Supervision Agent",
         "Sets up hidden cameras to determine the honesty of your employees."},
        {skPoliceOfficial, "Police Official",
         "The police pays special attention to your property if the Legality value drops below "
         "50. The crooked official uses his position and contacts to legalize your doings for a "
         "fee."},
    };
    Bitmap m(4, 4);
    m.GetCanvas().SetFont("Arial", 8);
    const int h = LineHeightOf();
    for (const Case& k : cases) {
        ShowContact(k.role, k.title);
        std::vector<std::string> lines = m.GetCanvas().WrapLines(189, k.text);
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_TRUE(PageShows(Page(), lines[i], 5, 192 + h * static_cast<int>(i))) << k.title;
        // The part starts below the text's measured end, never above 224.
        int end = 192 + h * static_cast<int>(lines.size());
        EXPECT_FALSE(AnyPixel(Page(), 5, end, 189, std::max(224, end + 6), TextColor)) << k.title;
        EXPECT_TRUE(
            AnyPixel(Page(), 5, std::max(224, end + 6), 189, std::max(224, end + 6) + h, TextColor))
            << k.title;
    }
}

} // namespace
