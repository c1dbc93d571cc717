// The building catalogue, a property's building description and a visitor
// group's page.
#include "ui/Palmscreen.h"

#include "model/Game.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "persist/DebugLog.h"
#include "sim/Format.h"
#include "sim/Levels.h"
#include "ui/PalmPageParts.h"
#include "ui/Tempbitmap.h"
#include "ui/Utilities.h"

#include <string>
#include <vector>

using namespace palm;

namespace {

std::string VisitorName(int type) {
    // Only real categories are looked up: a stray type would be reported on every redraw.
    if (type < 1 || type >= VisitorTypeCount) return std::string();
    return GetVisitorNameByEnum(type);
}

// "Title/Title: n" with a line break after each "/" where the column is full, so
// a line wraps between titles and the count stays with the last title. Word
// wrap would break at the spaces instead and could leave the count alone.
std::string VacancyLine(Canvas& canvas, const std::string& titles, int count) {
    std::vector<std::string> parts;
    for (std::size_t start = 0; start <= titles.size();) {
        std::size_t slash = titles.find('/', start);
        if (slash == std::string::npos) {
            parts.push_back(titles.substr(start));
            break;
        }
        parts.push_back(titles.substr(start, slash + 1 - start));
        start = slash + 1;
    }
    parts.back() += ": " + std::to_string(count);

    std::string text, line;
    for (const std::string& part : parts) {
        if (!line.empty() && canvas.TextWidth(line + part) > ColumnWidth) {
            text += line + "\n";
            line.clear();
        }
        line += part;
    }
    return text + line;
}

} // namespace

int GPalmScreen::DrawBarDescrInfo(Canvas& canvas, const BarDescr* descr, int y) {
    if (!descr) {
        ReportError("BarDescr in GPalmScreen::DrawBarDescrInfo is NULL");
        return y;
    }
    const Property* owned = FindProperty(descr->Id);

    if (const Bitmap* photo =
            GetTempBitmap(BuildingsFolder(), std::to_string(descr->Id) + "f.bmp")) {
        canvas.Draw(5, 28, *photo);
        canvas.SetPenColor(TextColor);
        canvas.FrameRect(Rect{5, 28, 5 + photo->Width(), 28 + photo->Height()});
    }

    y += DrawSectionHeader(canvas, "General", y);
    y += DrawTextWrapped(canvas, "Located at " + FieldText(descr->Location), Column, ColumnWidth,
                         y) +
         18;
    y += DrawTextAt(canvas, "Value: " + FormatMoney(descr->Value), Column, y);
    y += DrawTextAt(canvas, "Admits Visitors: " + std::to_string(descr->Capacity) + " dozens",
                    Column, y) +
         18;

    y += DrawSectionHeader(canvas, "Special", y) + 4;
    for (const auto& [trait, favourable] :
         {std::pair{descr->GoodTrait, true}, std::pair{descr->BadTrait, false}}) {
        std::string text = RegionTraitText(trait, favourable);
        if (!text.empty()) y += DrawTextWrapped(canvas, text + "\n", Column, ColumnWidth, y);
    }

    y += 4;
    DrawSectionHeader(canvas, "Vacancies", y);
    y += 22;
    for (int kind = 1; kind < ServiceKindCount; ++kind) {
        int n = 0;
        for (const Vacancy& v : descr->Vacancies)
            if (v.Open && v.Kind == kind) ++n;
        // Wrapped, so that a long list keeps its count out from under the scroll bar;
        // a title wider than the column alone still wraps at its spaces.
        if (n > 0)
            y += DrawTextWrapped(canvas,
                                 VacancyLine(canvas, TitlesForKind(static_cast<uint8_t>(kind)), n),
                                 Column, ColumnWidth, y);
    }

    y += 18;
    DrawSectionHeader(canvas, "Potential Visitors", y);
    y += 22;
    for (int t = 1; t < VisitorTypeCount; ++t) {
        int most = descr->Potential[t];
        if (most <= 0) continue;
        std::string value = owned
                                ? std::to_string(owned->Potential[t]) + " / " + std::to_string(most)
                                : std::to_string(most);
        y += ColumnBar(*this, canvas, OrangeBarColor, value, VisitorName(t), most, y);
    }
    return y + 5;
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
    // Over the photograph's top-right corner.
    DrawCell(canvas, Rect{90, 50, 140, 75}, Rect{140, 28, 190, 53});
    return height;
}

int GPalmScreen::DrawDetailsPage(Canvas& canvas, const Property* p, const BarDescr* d) {
    (void)p;
    DrawPageTitle(canvas, "Details", 5);
    return d ? DrawBarDescrInfo(canvas, d, 170) : 0;
}

int GPalmScreen::DrawVisitorsPage(Canvas& canvas, const Property* p, const BarDescr* d) {
    if (!p || GameState.SelectedGroup == -1) return 0;
    int title = DrawPageTitle(canvas, "Visitors Info", 5);
    int32_t i = GameState.SelectedGroup;
    if (i < 0 || i >= p->GroupCount || i >= MaxGroups) return 5 + title;
    const VisitorGroup& g = p->Groups[i];

    if (g.Type >= 1 && g.Type < VisitorTypeCount) DrawPortrait(canvas, "visitors.bmp", g.Type - 1);

    int y = 164;
    y += DrawTextAt(canvas, "Dozens of " + VisitorName(g.Type), Column, y);
    y += DrawTextAt(canvas, "Daily Average Profit: " + FormatMoney(g.Profit), Column, y);
    if (g.SecurityEffect < 0)
        y += DrawTextAt(canvas, "Security Decrease: " + std::to_string(-int64_t{g.SecurityEffect}),
                        Column, y);

    y += 18 + DrawSectionHeader(canvas, FieldText(p->Name), y + 18) + 2;
    y += ColumnBar(*this, canvas, LightBarColor, std::to_string(g.DesireToStay) + "%",
                   "Desire to Stay", g.DesireToStay, y);
    int satisfaction = Satisfaction(p, d, g);
    y += ColumnBar(*this, canvas, LightBarColor, std::to_string(satisfaction) + "%",
                   "Satisfaction Meter", satisfaction, y);
    y += 18;

    y += DrawSectionHeader(canvas, "Required Services", y) + 2;
    for (int k = 0; k < ServiceKindCount; ++k) {
        int demand = g.Demand[k];
        if (demand <= 0) continue;
        y += ColumnBar(*this, canvas, OrangeBarColor, std::to_string(demand), ServiceName(k),
                       demand, y);
    }
    return y + 5;
}
