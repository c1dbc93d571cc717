// Whole-number scaling of the game's pictures for large screens: the decisions
// behind it, free of any window, so they can be checked for any desktop.
#pragma once

#include "platform/Color.h"

constexpr int MaxScale = 4;

// The largest N (1..MaxScale) at which a picture of `logical` size times N stays
// within 90 % of the desktop's width and height; 1 when even that is too big.
int AutomaticScale(Point desktop, Point logical);
// The largest N (1..MaxScale) at which `logical` times N fits the desktop.
int FullScreenScale(Point desktop, Point logical);
// The logical screen a full-screen window lays out: the desktop divided by
// FullScreenScale; what is left over is shown black.
Point FullScreenLogicalSize(Point desktop, Point logical);
// A pointer position in window pixels as the logical picture's pixel under it
// (rounded down, also left of or above the window).
Point PhysicalToLogical(Point physical, int scale);
// A stored scale setting (0 automatic, else 1..MaxScale) and the automatic
// scale give the scale in use.
int EffectiveScale(int setting, int automatic);
