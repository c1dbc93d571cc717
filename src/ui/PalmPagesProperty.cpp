// The selected property's three tab pages: report with message log, service
// levels, and the admission fee.
#include "ui/Palmscreen.h"

#include "model/Game.h"
#include "model/Text.h"
#include "sim/Format.h"
#include "sim/Levels.h"
#include "ui/PalmPageParts.h"
#include "ui/Utilities.h"

#include <algorithm>
#include <cmath>

using namespace palm;

namespace {
Color LogColor(uint8_t kind) {
    switch (kind) {
    case lkBad:
        return BadMessageColor;
    case lkNotice:
        return NeutralMessageColor;
    case lkGood:
        return GoodMessageColor;
    default:
        return TextColor;
    }
}
} // namespace

int GPalmScreen::DrawReportPage(Canvas& canvas, const Property* p, const BarDescr* d) {
    if (!p) return 0;
    DrawPageTitle(canvas, FieldText(p->Name), 5);
    DrawCell(canvas, Rect{0, 80, 58, 100}, Rect{5, 28, 63, 48});
    DrawCell(canvas, Rect{0, 60, 58, 80}, Rect{68, 28, 126, 48});
    DrawCell(canvas, Rect{0, 280, 58, 300}, Rect{131, 28, 189, 48});

    int supplies = static_cast<int>(std::trunc(p->Supplies));
    int management = ManagementLevel(p, d);
    int security = SecurityLevel(p, d);
    int legality = LegalityLevel(p, d);
    auto bar = [&](Color fill, int marker, const std::string& label, int value, int top) {
        DrawValueBar(canvas, fill, marker, std::to_string(value), label, value, Column, top,
                     BarRight, top + BarHeight);
    };
    bar(LightBarColor, 0, "General Supplies", supplies, 60);
    bar(OrangeBarColor, 0, ServiceName(skManagement), management, 81);
    bar(OrangeBarColor, 50, ServiceName(skSecurity), security, 102);
    bar(OrangeBarColor, 50, "Legality", legality, 123);

    int y = 164;
    int reportCount = std::clamp(p->ReportCount, 0, MaxReportLines);
    if (reportCount > 0) {
        y += DrawSectionHeader(canvas, FormatLogDate(GameState.GameTime) + " Report", y);
        for (int i = 0; i < reportCount && y < PalmMaxHeight; ++i) {
            canvas.SetFontColor(ColorFromNumber(p->Report[i].Color));
            y += DrawTextWrapped(canvas, FieldText(p->Report[i].Text), Column, ColumnWidth, y);
            canvas.SetFontColor(TextColor);
        }
        y += 12;
    }

    y += DrawSectionHeader(canvas, "Message Log", y);
    int logCount = std::clamp(p->LogCount, 0, MaxLogEntries);
    for (int i = 0; i < logCount && y < PalmMaxHeight; ++i) {
        canvas.SetFontColor(LogColor(p->Log[i].Kind));
        y += DrawTextWrapped(canvas, FieldText(p->Log[i].Text), Column, ColumnWidth, y);
        canvas.SetFontColor(TextColor);
    }
    return y + 12;
}

int GPalmScreen::DrawStatisticsPage(Canvas& canvas, const Property* p, const BarDescr* d) {
    int t = DrawPageTitle(canvas, "Statistics", 5);
    int s = DrawSectionHeader(canvas, "Service Levels", t + 25);
    int y = t + s + 29;
    if (!p || !d) return y;

    int management = ManagementLevel(p, d);
    for (int kind = 0; kind < ServiceKindCount; ++kind) {
        if (!GameState.Services[kind].Rated) continue;
        int level = ServiceLevel(p, d, kind, management);
        y += DrawValueBar(canvas, OrangeBarColor, 0, std::to_string(level), ServiceName(kind),
                          level, Column, y, BarRight, y + BarHeight);
    }
    return y + 20;
}

int GPalmScreen::DrawManagePage(Canvas& canvas, const Property* p, const BarDescr* d) {
    int t = DrawPageTitle(canvas, "Manage", 5);
    int s = DrawSectionHeader(canvas, "Admission Fee", t + 25);
    int y = t + s + 27;
    if (!p || !d) return y;

    DrawTextWrapped(canvas,
                    "Setting admission fee brings extra income to you but makes your visitors "
                    "leave your " +
                        FieldText(d->Name) + ", especially those who are short of cash.",
                    Column, ColumnWidth, y);
    // Fixed rows, whatever the height of the text above.
    for (int r = 0; r <= 4; ++r) {
        int top = 120 + 17 * r;
        DrawTextAt(canvas, r == 0 ? std::string("(free)") : FormatMoney(r * 10), Column, top);
        if (r == p->AdmissionFee)
            DrawTextAt(canvas, "[selected]", 62, top);
        else
            DrawCell(canvas, Rect{75, 320, 115, 335}, Rect{65, top, 105, top + 15});
    }
    return 225;
}
