#include "ui/Palmscreen.h"

#include "model/Game.h"
#include "persist/Autosave.h"
#include "persist/DebugLog.h"
#include "ui/Utilities.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr Rect BackCell{140, 75, 154, 89};
constexpr Rect BackButton{7, 7, 21, 21};
constexpr Rect ActiveBarCell{220, 0, 240, 330};
constexpr Rect InactiveBarCell{240, 0, 260, 330};
constexpr Rect ThumbCell{200, 40, 220, 110};
constexpr int BarLeft = 194;
constexpr int ThumbHeight = 70;

bool DrawsBackButton(uint8_t mode) {
    if (mode == pmMainMenu) return GameState.GameInProgress;
    return mode != pmNone && mode != pmReport;
}
} // namespace

uint8_t DefaultPalmMode() {
    if (!GameState.GameInProgress) return pmMainMenu;
    if (GameState.PropertyCount() == 0) return pmNewBuilding;
    return pmReport;
}

GPalmScreen::GPalmScreen(const Bitmap* screenButtons)
    : mData{GameState.View.PalmMode}, mPageIndx(GameState.View.PalmPageIndx),
      LastHotIndex(GameState.View.PalmLastHotIndex), mScrollY(GameState.View.PalmScrollY),
      mContinueAvailable(GameState.View.PalmContinueAvailable), mScreen(PalmWidth, PalmMaxHeight),
      mButtons(screenButtons) {
    mData.Mode = pmNone;
    mPageIndx = 0;
    mScrollY = 0;
    LastHotIndex = 0;
    mContinueAvailable = 0;
    UpdateInternalScreen();
}

GPalmScreen::~GPalmScreen() = default;

void GPalmScreen::PaintTo(Canvas& canvas, int x, int y) {
    canvas.CopyRect(Rect{x, y, x + PalmWidth, y + PalmViewHeight}, mScreen,
                    Rect{0, mScrollY, PalmWidth, mScrollY + PalmViewHeight});
}

void GPalmScreen::SetMode(uint8_t mode) {
    if (mode != mData.Mode) {
        mPageIndx = 0;
        mScrollY = 0;
    }
    mData.Mode = mode;
    mContinueAvailable = mode == pmMainMenu && !GameState.GameInProgress && AutosaveExists();
    UpdateInternalScreen();
}

void GPalmScreen::SetPage(int32_t index) {
    mPageIndx = index;
    UpdateInternalScreen();
}

void GPalmScreen::SetScroll(int32_t y) {
    mScrollY = y;
    UpdateInternalScreen();
}

bool GPalmScreen::CheckMode(const char* method) {
    if (mData.Mode <= PalmModeLast) {
        mReportedMode = -1;
        return true;
    }
    // Hit tests run on every mouse move: one report per bad value is enough.
    if (mReportedMode != mData.Mode) {
        mReportedMode = mData.Mode;
        ReportError(std::string("Invalid mData.Mode in GPalmScreen::") + method + ": " +
                    std::to_string(mData.Mode));
    }
    return false;
}

int GPalmScreen::ThumbTop() const {
    if (mHeight <= PalmViewHeight) return 19;
    double range = mHeight - PalmViewHeight;
    return static_cast<int>(std::trunc(mScrollY / range * ThumbTravel)) + 19;
}

void GPalmScreen::DrawCell(Canvas& canvas, const Rect& cell, const Rect& dest) {
    if (!mButtons || mButtons->IsEmpty()) return;
    canvas.CopyRect(dest, *mButtons, cell);
}

void GPalmScreen::DrawPageButton(Canvas& canvas, const Rect& cell, const Rect& dest, uint8_t area,
                                 int32_t index) {
    DrawCell(canvas, cell, dest);
    mPageButtons.push_back(PalmPageButton{dest, area, index});
}

void GPalmScreen::UpdateInternalScreen() {
    Canvas& canvas = mScreen.GetCanvas();
    // The surface stays 2000 rows tall; mHeight says how much of it is the page.
    canvas.SetBrushStyle(bsSolid);
    canvas.SetBrushColor(PageColor);
    canvas.FillRect(Rect{0, 0, PalmWidth, PalmMaxHeight});
    canvas.SetFont("Arial", 8);
    canvas.SetFontColor(TextColor);
    canvas.SetBold(false);
    canvas.SetUnderline(false);
    canvas.SetPenColor(TextColor);
    canvas.SetPenWidth(1);
    mPageButtons.clear();

    const Property* p = SelectedPropertyRecord();
    const BarDescr* d = DescrOf(p);

    if (DrawsBackButton(mData.Mode)) DrawCell(canvas, BackCell, BackButton);

    int content = 0;
    if (CheckMode("UpdateInternalScreen")) {
        switch (mData.Mode) {
        case pmNone:
            break;
        case pmNewGame:
            content = DrawNewGamePage(canvas);
            break;
        case pmReport:
            content = DrawReportPage(canvas, p, d);
            break;
        case pmNewBuilding:
            content = DrawNewBuildingPage(canvas);
            break;
        case pmDetails:
            content = DrawDetailsPage(canvas, p, d);
            break;
        case pmStatistics:
            content = DrawStatisticsPage(canvas, p, d);
            break;
        case pmManage:
            content = DrawManagePage(canvas, p, d);
            break;
        case pmVacancyInfo:
            content = DrawVacancyPage(canvas, p, d);
            break;
        case pmVisitorsInfo:
            content = DrawVisitorsPage(canvas, p, d);
            break;
        case pmCharacterInfo:
            content = DrawCharacterInfoPage(canvas, p, d);
            break;
        case pmMainMenu:
            content = DrawMainMenuPage(canvas);
            break;
        }
    }

    mHeight = content <= PalmViewHeight ? PalmViewHeight : std::min(content, PalmMaxHeight);
    if (mScrollY > mHeight - PalmViewHeight) mScrollY = mHeight - PalmViewHeight;
    if (mScrollY < 0) mScrollY = 0;
    DrawScrollBar(canvas);
}

void GPalmScreen::DrawScrollBar(Canvas& canvas) {
    Rect bar{BarLeft, mScrollY, PalmWidth, mScrollY + PalmViewHeight};
    if (mHeight <= PalmViewHeight) {
        DrawCell(canvas, InactiveBarCell, bar);
        return;
    }
    DrawCell(canvas, ActiveBarCell, bar);
    int t = ThumbTop();
    DrawCell(canvas, ThumbCell, Rect{BarLeft, mScrollY + t, PalmWidth, mScrollY + t + ThumbHeight});
}
