// The building catalogue, a property's building description and a visitor
// group's page.
#include "ui/Palmscreen.h"

#include "model/Game.h"
#include "persist/DebugLog.h"
#include "ui/Utilities.h"

int GPalmScreen::DrawBarDescrInfo(Canvas& canvas, const BarDescr* descr, int y) {
    (void)canvas;
    if (!descr) {
        ReportError("BarDescr in GPalmScreen::DrawBarDescrInfo is NULL");
        return y;
    }
    // The description block itself is drawn by the buildings page work.
    return y;
}

int GPalmScreen::DrawNewBuildingPage(Canvas& canvas) {
    int32_t count = GameState.BarDescrCount();
    // Without building files the catalogue has nothing to offer; that is no error.
    if (count == 0) return DrawPageTitle(canvas, "Select New Building", 5) + 5;
    if (mPageIndx < 0 || mPageIndx >= count) {
        ReportError("mPageIndx in GPalmScreen::UpdateInternalScreen is invalid");
        return 0;
    }
    DrawPageTitle(canvas, "Select New Building", 5);
    int height = DrawBarDescrInfo(canvas, &GameState.BarDescrs[mPageIndx], 190);
    bool first = mPageIndx == 0;
    bool last = mPageIndx == count - 1;
    DrawCell(canvas, first ? Rect{90, 20, 155, 40} : Rect{90, 0, 155, 20}, Rect{5, 163, 70, 183});
    DrawCell(canvas, last ? Rect{155, 20, 220, 40} : Rect{155, 0, 220, 20},
             Rect{70, 163, 135, 183});
    DrawCell(canvas, Rect{90, 50, 140, 75}, Rect{140, 28, 190, 53});
    return height;
}

int GPalmScreen::DrawDetailsPage(Canvas& canvas, const Property* p, const BarDescr* d) {
    (void)p;
    DrawPageTitle(canvas, "Details", 5);
    return d ? DrawBarDescrInfo(canvas, d, 170) : 0;
}

int GPalmScreen::DrawVisitorsPage(Canvas& canvas, const Property* p, const BarDescr* d) {
    (void)d;
    if (!p || GameState.SelectedGroup == -1) return 0;
    return DrawPageTitle(canvas, "Visitors Info", 5) + 5;
}
