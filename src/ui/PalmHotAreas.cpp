// What a point of the palm screen means. Every rectangle that holds the point
// overwrites the answer, so where rectangles overlap the later one wins.
#include "ui/Palmscreen.h"

#include "model/Game.h"
#include "sim/Prices.h"
#include "ui/PalmPageParts.h"
#include "ui/Utilities.h"

#include <cmath>

namespace {
// Admission-fee rows r = 0..4 and the row buttons of the contact pages.
constexpr int FeeRowTop = 120;
constexpr int FeeRowStep = 17;
constexpr int OrderRowTop = 274;

const Character* SelectedCharacterRecord() {
    int32_t i = GameState.SelectedCharacter;
    if (i < 0 || i >= GameState.CharacterCount()) return nullptr;
    return GameState.Characters[i].get();
}
} // namespace

uint8_t GPalmScreen::IsHotArea(int x, int y) {
    LastHotArea = phNone;
    if (mData.Mode != pmNone && mData.Mode != pmReport && mData.Mode != pmMainMenu &&
        PointInRect(7, 7, 21, 21, x, y + mScrollY))
        LastHotArea = phBack;
    if (CheckMode("IsHotArea")) {
        TestModeAreas(x, y + mScrollY);
        // Buttons the page placed itself while drawing.
        for (const PalmPageButton& b : mPageButtons) {
            if (PointInRect(b.Place, x, y + mScrollY)) {
                LastHotArea = b.Area;
                LastHotIndex = b.Index;
            }
        }
    }

    if (mHeight > PalmViewHeight) {
        int t = ThumbTop();
        if (PointInRect(194, 0, 214, 20, x, y)) LastHotArea = phScrollUp;
        if (PointInRect(194, 310, 214, 330, x, y)) LastHotArea = phScrollDown;
        if (PointInRect(194, 20, 214, t, x, y)) LastHotArea = phPageUp;
        if (PointInRect(194, t + 70, 214, 310, x, y)) LastHotArea = phPageDown;
        if (PointInRect(194, t, 214, t + 70, x, y)) LastHotArea = phThumb;
    }
    return LastHotArea;
}

// (x, y) in page coordinates.
void GPalmScreen::TestModeAreas(int x, int y) {
    auto test = [&](int l, int t, int r, int b, uint8_t area) {
        if (PointInRect(l, t, r, b, x, y)) LastHotArea = area;
    };
    const Property* p = SelectedPropertyRecord();

    switch (mData.Mode) {
    case pmNewGame:
        for (int i = 0; i < 4; ++i)
            test(60, 75 + 25 * i, 135, 95 + 25 * i, static_cast<uint8_t>(phDifficulty0 + i));
        break;
    case pmReport:
        if (!p) break;
        test(5, 28, 63, 48, phTabDetails);
        test(68, 28, 126, 48, phTabStatistics);
        test(131, 28, 189, 48, phTabManage);
        break;
    case pmNewBuilding: {
        int32_t count = GameState.BarDescrCount();
        if (mPageIndx < 0 || mPageIndx >= count) break;
        if (mPageIndx > 0) test(5, 163, 70, 183, phPrevBuilding);
        if (mPageIndx < count - 1) test(70, 163, 135, 183, phNextBuilding);
        test(140, 28, 190, 53, phBuyBuilding);
        break;
    }
    case pmManage:
        // The fee buttons are drawn only with the building's description.
        if (!p || !DescrOf(p)) break;
        for (int r = 0; r <= 4; ++r) {
            if (r == p->AdmissionFee) continue;
            int top = FeeRowTop + FeeRowStep * r;
            if (PointInRect(65, top, 105, top + 15, x, y)) {
                LastHotArea = phAdmissionFee;
                LastHotIndex = r;
            }
        }
        break;
    case pmVacancyInfo:
        if (p && GameState.SelectedSlot >= 0 && GameState.SelectedSlot < VacancyCount &&
            FindWorkerInSlot(p->BarId, GameState.SelectedSlot) >= 0)
            test(140, 132, 190, 157, phFireEmployee);
        break;
    case pmCharacterInfo:
        TestCharacterAreas(x, y);
        break;
    case pmMainMenu: {
        bool inGame = GameState.GameInProgress;
        if (inGame) test(7, 7, 21, 21, phBack);
        test(60, 92, 135, 112, phMenuAbout);
        if (mContinueAvailable) test(60, 117, 135, 137, phMenuContinue);
        test(60, 142, 135, 162, phMenuNewGame);
        test(60, 167, 135, 187, phMenuLoadGame);
        if (inGame && GameState.PropertyCount() > 0) test(60, 192, 135, 212, phMenuSaveGame);
        test(60, 217, 135, 237, phMenuExit);
        break;
    }
    default:
        break; // pmNone, pmDetails, pmStatistics, pmVisitorsInfo
    }
}

void GPalmScreen::TestCharacterAreas(int x, int y) {
    auto test = [&](int l, int t, int r, int b, uint8_t area) {
        if (PointInRect(l, t, r, b, x, y)) LastHotArea = area;
    };
    LastHotIndex = -1;
    const Character* c = SelectedCharacterRecord();
    const CharDescr* cd = DescrOf(c);
    if (!cd) return;
    const Property* p = SelectedPropertyRecord();
    const BarDescr* d = DescrOf(p);

    if (cd->IsProfession) {
        // An employee shown here carries the fire button; there is no one to hire.
        if (!c->Employed) test(140, 132, 190, 157, phHireCandidate);
        return;
    }

    switch (cd->Role) {
    case skGeneralSupplier: {
        if (!p) break;
        int missing = 100 - static_cast<int>(std::trunc(p->Supplies));
        if (missing >= 5) test(150, 277, 190, 292, phSupplies5);
        if (missing >= 20) test(150, 294, 190, 309, phSupplies20);
        if (missing >= 1) test(150, 311, 190, 326, phSuppliesFull);
        break;
    }
    case skRepairAgent:
    case skTablewareSupplier:
    case skEquipmentSupplier: {
        if (!p || !d) break;
        int level = cd->Role == skRepairAgent         ? p->RepairLevel
                    : cd->Role == skTablewareSupplier ? p->TablewareLevel
                                                      : p->EquipmentLevel;
        uint8_t area = cd->Role == skRepairAgent         ? phUpgradeRepair
                       : cd->Role == skTablewareSupplier ? phUpgradeTableware
                                                         : phUpgradeEquipment;
        // Hot only where the page shows a cost and the button.
        if (level <= 9 && UpgradePrice(level, d->Capacity, c->Relation) >= 1)
            test(5, 290, 65, 315, area);
        break;
    }
    case skAdvertisingAgent:
    case skShowAgent: {
        if (!p || !d) break;
        bool campaign = cd->Role == skAdvertisingAgent;
        int row = 0;
        for (int t = 1; t < VisitorTypeCount; ++t) {
            if (d->Potential[t] <= 0) continue;
            int top = OrderRowTop + FeeRowStep * row++;
            int count = campaign ? p->Potential[t] : palm::CountGroupsOfType(*p, t);
            bool running = campaign ? p->AdCampaign[t] != 0 : p->ShowProgram[t] != 0;
            if (count > 0 && !running && PointInRect(150, top, 190, top + 15, x, y)) {
                LastHotArea = campaign ? phOrderCampaign : phOrderShow;
                LastHotIndex = t;
            }
        }
        break;
    }
    default:
        break; // the estate agent, the lenders, supervision and the police: buttons
               // placed by their pages
    }
}
