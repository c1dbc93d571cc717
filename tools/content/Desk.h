// The desk scene behind the play area: wood, the notebook, the organiser and the ruler.
// The strips that the game lays over the background (pressed buttons, bookmark tabs,
// ruler tabs and arrows, the empty ruler) are painted on the same scene and cut out of
// it, so their edges meet the background exactly.
#pragma once

#include "Art.h"

namespace content {

// Play-area origin inside the background picture.
constexpr int PlayX = 250, PlayY = 232;

enum class Notebook { Open, Closed };

// The open notebook's paper with its ruled lines over the play-area rectangle
// (x, y, w, h) of a scene canvas. The floor plans are drawn on the same paper, so
// they lie on the page without a seam.
void PaintNotebookPaper(Canvas& scene, int x, int y, int w, int h);

// The scene without any of the game's overlay strips; the speed buttons are left out
// when `withButtons` is false (their pressed looks are painted on that version).
void PaintDesk(Canvas& c, Notebook notebook, bool withButtons);

// Overlays, in play-area coordinates on a scene canvas.
constexpr int SpeedButtonLeft[4] = {580, 614, 648, 691};
constexpr int SpeedButtonTop = 413, SpeedButtonWidth = 34, SpeedButtonHeight = 30;
void PaintSpeedButton(Canvas& c, int index, bool pressed);

constexpr int BookTabX = 5, BookTabY = 56, BookTabW = 53, BookTabH = 55, BookTabStep = 56;
// Where the bad-news badge lands on a tab (tab coordinates) and the plate colour under it.
constexpr int BadgeOnTabX = 18, BadgeOnTabY = 9;
constexpr Rgb TabPlate = Bytes(238, 224, 192);
void PaintBookTab(Canvas& c, int index, bool selected);
void PaintAlertBadge(cairo_t* cr, int age, double x, double y); // 20 x 20 at (x, y)

constexpr int RulerY = 460, RulerTabX = 74, RulerTabY = 71, RulerTabW = 117, RulerTabH = 27,
              RulerTabStep = 118;
constexpr int ArrowLeftX = 36, ArrowRightX = 707, ArrowY = 10, ArrowW = 33, ArrowH = 70;
void PaintRulerTab(Canvas& c, int index, bool chosen);
void PaintRulerArrow(Canvas& c, bool right);
// The ruler as it looks before a game: the icon groove closed by a name plate.
void PaintRulerEmpty(Canvas& c);

} // namespace content
