// Pieces the building, visitor and people pages of the palm screen share: the
// column, picture frames, and the contact pages' own drawers.
#pragma once

#include "model/Gamedata.h"
#include "platform/Canvas.h"
#include "ui/Palmscreen.h"

#include <string>

namespace palm {

constexpr int Column = 5;
constexpr int ColumnWidth = 189;
constexpr int BarRight = 189;
constexpr int BarHeight = 19;
constexpr int RowStep = 17;        // list rows with a button at x 150..190
constexpr int RowButtonLeft = 150; // ... and their "[n/a]" / "[paid]" at x 155
constexpr Rect RowOrderCell{100, 95, 140, 110};
constexpr Rect PortraitPlace{5, 28, 135, 158};
constexpr int PortraitSize = 130;

// The name GameState.Services gives a kind; empty outside 0..25.
std::string ServiceName(int kind);

// The visitor groups of that type present in the property.
int CountGroupsOfType(const Property& p, int type);

// Frame `frame` of a row of 130 x 130 portraits in Images/<file>, copied to
// (5, 28, 135, 158) and framed in the text colour. A missing picture leaves the
// frame empty.
void DrawPortrait(Canvas& canvas, const std::string& file, int frame);

// One labelled bar row of the column at y; returns 21.
int ColumnBar(GPalmScreen& palm, Canvas& canvas, Color fill, const std::string& valueText,
              const std::string& label, int percent, int y);

// The contacts' service parts, below the name and profession lines. Each returns
// the y below what it drew (192 when it draws nothing below the description).
int DrawEstateAgentPart(GPalmScreen& palm, Canvas& canvas, const Character& c, const BarDescr* d,
                        const Property* p);
int DrawSupplierPart(GPalmScreen& palm, Canvas& canvas, const Character& c, const Property* p);
int DrawUpgradePart(GPalmScreen& palm, Canvas& canvas, const Character& c, uint8_t role,
                    const BarDescr* d, const Property* p);
int DrawOrdersPart(GPalmScreen& palm, Canvas& canvas, const Character& c, bool campaign,
                   const BarDescr* d, const Property* p);
int DrawLenderPart(GPalmScreen& palm, Canvas& canvas, const Character& c, bool bank);
int DrawSupervisionPart(GPalmScreen& palm, Canvas& canvas, const Character& c, const BarDescr* d,
                        const Property* p);
int DrawPolicePart(GPalmScreen& palm, Canvas& canvas, const Character& c, const BarDescr* d,
                   const Property* p);

// The mood face (0 furious .. 6 delighted) for a relation.
int MoodFace(double relation);
// The relation as the page writes it: "+14", "-75", and "" for a whole part of 0.
std::string RelationText(double relation);

// The cells of the buttons only the lender, supervision and police pages carry.
constexpr Rect BorrowCell{0, 240, 60, 260};
constexpr Rect PayDebtCell{0, 260, 60, 280};
constexpr Rect OrderCamerasCell{0, 100, 60, 120};
constexpr Rect OfficialLevelCell{150, 280, 190, 295};

} // namespace palm
