// Borrowing from a lender and paying the debt back.
#include "model/Game.h"
#include "sim/Actions.h"
#include "sim/MoneyMath.h"
#include "sim/Prices.h"
#include "sim/Stats.h"

namespace {
Character* SelectedLender() {
    const int32_t ci = GameState.SelectedCharacter;
    if (ci < 0 || ci >= GameState.CharacterCount()) return nullptr;
    Character* c = GameState.Characters[ci].get();
    const CharDescr* d = DescrOf(c);
    if (!d || (d->Role != skBankOfficial && d->Role != skLoanShark)) return nullptr;
    return c;
}
} // namespace

ActionResult Borrow() {
    Character* lender = SelectedLender();
    if (!lender || lender->CreditLimit <= 0) return {};
    // A new loan replaces an earlier debt; the lenders' pages offer Borrow only
    // while no debt runs. A term of 0 days or less counts as one day.
    const int32_t days = lender->LoanDays > 0 ? lender->LoanDays : 1;
    lender->DueDay = HoldInt32(static_cast<int64_t>(Today()) + days);
    lender->Debt = LoanRepayment(*lender);
    AddHeld(GameState.Cash, lender->CreditLimit);
    ++GameStats.Borrowed;
    ActionResult r;
    r.Changed = true;
    r.UpdateScreen = true;
    return r;
}

ActionResult PayDebt() {
    Character* lender = SelectedLender();
    if (!lender || lender->Debt <= 0) return {};
    const int32_t debt = lender->Debt;
    if (GameState.Cash < debt) return NotEnoughCash(debt, "Paying debt");
    // Goodwill only for a debt paid by its due day; the debt is paid once.
    if (Today() <= lender->DueDay) AdjustRelation(lender, debt / 6);
    GameState.Cash -= debt;
    lender->DueDay = 0;
    lender->Debt = 0;
    ++GameStats.Repaid;
    ActionResult r;
    r.Changed = true;
    r.UpdateScreen = true;
    return r;
}
