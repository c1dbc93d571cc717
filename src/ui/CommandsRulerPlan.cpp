// The ruler's and the plan page's commands.
#include "model/Game.h"
#include "persist/DebugLog.h"
#include "ui/Main.h"
#include "ui/Planpage.h"
#include "ui/Ruler.h"

#include <string>

void TformMain::ProcessRulerClick() {
    if (!mRepeatClick) PlayNamed("click2");
    GRuler& ruler = *mRuler;
    const uint8_t area = ruler.LastHotArea;
    switch (area) {
    case rhScrollLeft:
        ruler.SetScroll(ruler.mScrollX - RulerScrollStep);
        StartRepeat(maRuler, area);
        break;
    case rhScrollRight:
        ruler.SetScroll(ruler.mScrollX + RulerScrollStep);
        StartRepeat(maRuler, area);
        break;
    case rhItem:
        ShowRulerItem(ruler.LastHotIndex);
        break;
    case rhTab:
        ruler.SetTab(static_cast<uint8_t>(ruler.LastHotIndex));
        ShowDefaultPage();
        break;
    default:
        ReportError("Invalid Ruler->LastHotArea in TformMain::ProcessRulerClick: " +
                    std::to_string(area));
        break;
    }
    Invalidate();
}

void TformMain::ProcessPlanClick() {
    GPlanPage& plan = *mPlan;
    switch (plan.LastHotArea) {
    case plProperty:
        PlayNamed("page");
        GameState.SelectedProperty = plan.LastHotIndex;
        ShowDefaultPage();
        break;
    case plVacancy:
        PlayNamed("click2");
        ShowVacancy(plan.LastHotIndex);
        break;
    default:
        ReportError("Invalid Plan->LastHotArea in TformMain::ProcessPlanClick: " +
                    std::to_string(plan.LastHotArea));
        break;
    }
    Invalidate();
}
