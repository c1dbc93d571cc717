// The service parts of the estate agent's, the general supplier's, the three
// contractors' and the advertising and show agents' pages. The supplier's, the
// contractors' and the agents' places are fixed and the hit test knows them;
// the estate agent's buttons follow its description, so the page records them.
#include "ui/PalmPageParts.h"

#include "model/Game.h"
#include "model/Tables.h"
#include "model/Text.h"
#include "sim/Format.h"
#include "sim/Prices.h"
#include "ui/Utilities.h"

#include <cmath>

namespace palm {

namespace {

constexpr int DescriptionTop = 192;
constexpr int FindTop = 224; // the find button's place while the description ends above it
constexpr int PartGap = 6;   // between a description that runs past it and the button
constexpr Rect FindCell{150, 240, 210, 260};
constexpr Rect RenameCell{140, 165, 200, 185};
constexpr Rect SellCell{150, 260, 210, 280};
constexpr Rect UpgradeCell{140, 90, 200, 115};

int Description(Canvas& canvas, const char* text) {
    return DrawTextWrapped(canvas, text, Column, ColumnWidth, DescriptionTop);
}

void RowButton(GPalmScreen& palm, Canvas& canvas, int y) {
    palm.DrawCell(canvas, RowOrderCell, Rect{RowButtonLeft, y, RowButtonLeft + 40, y + 15});
}

} // namespace

int DrawEstateAgentPart(GPalmScreen& palm, Canvas& canvas, const Character& c, const BarDescr* d,
                        const Property* p) {
    const int end =
        DescriptionTop +
        Description(
            canvas,
            "The agent can either help you find a new building or manage your existing one.");
    // A description that runs past the find button (a wider font) pushes the
    // button, and everything below it, down rather than being covered.
    const int shift = end > FindTop ? end + PartGap - FindTop : 0;
    auto at = [shift](int y) { return y + shift; };
    palm.DrawPageButton(canvas, FindCell, Rect{5, at(224), 65, at(244)}, phFindBuilding);
    if (!p) return at(248) + DrawTextAt(canvas, "(no property selected)", Column, at(248));

    palm.DrawPageButton(canvas, RenameCell, Rect{5, at(249), 65, at(269)}, phRenameProperty);
    if (d)
        DrawTextWrapped(canvas,
                        "The selling price for this " + FieldText(d->Name) + " is " +
                            FormatMoney(ResaleValue(p, d, c.Relation)) + ".",
                        Column, ColumnWidth, at(274));
    palm.DrawPageButton(canvas, SellCell, Rect{5, at(306), 65, at(326)}, phSellProperty);
    return at(330);
}

int DrawSupplierPart(GPalmScreen& palm, Canvas& canvas, const Character& c, const Property* p) {
    Description(canvas, "Servicing a visitor continuously consumes your supplies. All the service "
                        "levels drop to zero if your stocks are low.");
    if (!p) return 254 + DrawTextAt(canvas, "(no property selected)", Column, 254);

    int s = static_cast<int>(std::trunc(p->Supplies));
    ColumnBar(palm, canvas, LightBarColor, std::to_string(s), "General Supplies", s, 254);
    int missing = 100 - s;
    struct Row {
        std::string Text;
        int Needs;
    } rows[] = {
        {"+5 units (" + FormatMoney(SuppliesPrice(5, c.Relation)) + ")", 5},
        {"+20 units (" + FormatMoney(SuppliesPrice(20, c.Relation)) + ")", 20},
        {"Full Supplies (" + FormatMoney(SuppliesPrice(missing, c.Relation)) + ")", 1},
    };
    int y = 277;
    for (const Row& row : rows) {
        DrawTextAt(canvas, row.Text, Column, y);
        if (missing >= row.Needs)
            RowButton(palm, canvas, y);
        else
            DrawTextAt(canvas, "[n/a]", RowButtonLeft + 5, y);
        y += RowStep;
    }
    return 327;
}

int DrawUpgradePart(GPalmScreen& palm, Canvas& canvas, const Character& c, uint8_t role,
                    const BarDescr* d, const Property* p) {
    struct Kind {
        const char* Lead;
        uint8_t First, Second;
        const char* Label;
        int32_t Property::*Level;
    };
    static const Kind kinds[] = {
        {"Repairing the building provides additional bonuses to ", skServing, skCleanness,
         "Repair Level", &Property::RepairLevel},
        {"Purchasing high-quiality tableware provides additional bonuses to ", skCooking, skDrinks,
         "Tableware Level", &Property::TablewareLevel},
        {"Installing hi-tech equipment provides additional bonuses to ", skDanceFloor,
         skEntertainment, "Equipment Level", &Property::EquipmentLevel},
    };
    const Kind& k = kinds[role == skRepairAgent ? 0 : role == skTablewareSupplier ? 1 : 2];
    DrawTextWrapped(canvas,
                    k.Lead + ServiceName(k.First) + " and " + ServiceName(k.Second) + " values. ",
                    Column, ColumnWidth, DescriptionTop);
    if (!p) return 240 + DrawTextAt(canvas, "(no property selected)", Column, 240);

    int level = p->*k.Level;
    ColumnBar(palm, canvas, LightBarColor, std::to_string(level), k.Label, level * 10, 252);
    int y = 270;
    if (d && level <= 9) {
        int32_t cost = UpgradePrice(level, d->Capacity, c.Relation);
        if (cost >= 1) {
            DrawTextAt(canvas, "Upgrade cost: " + FormatMoney(cost), Column, 272);
            palm.DrawCell(canvas, UpgradeCell, Rect{5, 290, 65, 315});
            y = 320;
        }
    }
    return y;
}

int DrawOrdersPart(GPalmScreen& palm, Canvas& canvas, const Character& c, bool campaign,
                   const BarDescr* d, const Property* p) {
    Description(canvas, campaign ? "Launching advertising campaign on radio, tv and in magazines "
                                   "invites the specified visitors category for one or two weeks."
                                 : "Staging a show program increases the desire to stay for the "
                                   "specified visitors category for several weeks.");
    if (!p) return 240 + DrawTextAt(canvas, "(no property selected)", Column, 240);
    if (!d) return DescriptionTop;

    DrawTextWrapped(
        canvas,
        campaign ? "The campaign costs " + FormatMoney(DiscountedPrice(800, c.Relation)) + "."
                 : "The show program costs " + FormatMoney(DiscountedPrice(400, c.Relation)) + ".",
        Column, ColumnWidth, 258);
    int y = 274;
    for (int t = 1; t < VisitorTypeCount; ++t) {
        if (d->Potential[t] <= 0) continue;
        int n = campaign ? p->Potential[t] : CountGroupsOfType(*p, t);
        bool running = campaign ? p->AdCampaign[t] != 0 : p->ShowProgram[t] != 0;
        DrawTextAt(canvas,
                   GetVisitorNameByEnum(t) + " (" + std::to_string(n) +
                       (campaign ? " left)" : " inside)"),
                   Column, y);
        if (running)
            DrawTextAt(canvas, "[paid]", RowButtonLeft + 5, y);
        else if (n > 0)
            RowButton(palm, canvas, y);
        else
            DrawTextAt(canvas, "[n/a]", RowButtonLeft + 5, y);
        y += RowStep;
    }
    return y + 10;
}

} // namespace palm
