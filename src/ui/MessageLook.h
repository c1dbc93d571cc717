// The look the game's dialogs share: a piece of the leather background, the
// gold frame, the framed title and the button pictures of the shared strip.
#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

#include <string>

class Window;

constexpr Color DialogGold = RGB(227, 183, 106);
constexpr Color DialogLinkColor = RGB(255, 230, 177);

// A w x h piece of the background at a pseudo-random offset, new on every
// call; black where the picture is missing or smaller than the window.
void PaintDialogBackground(Canvas& canvas, const Bitmap& background, int w, int h);
// The one-pixel gold frame around the window; leaves the canvas on Arial 8,
// regular, gold text over a clear brush.
void PaintDialogFrame(Canvas& canvas, int w, int h);
// The caption, bold, centred in its own frame along the top.
void PaintDialogTitle(Canvas& canvas, const std::string& caption, int w);
// A cell of ScreenButtons at dest; nothing while the strip is not loaded.
void DrawDialogButton(Canvas& canvas, const Rect& cell, const Rect& dest);
// Makes the dialog's system window when it has none yet, placed over the main
// window (or the screen), and centres it there at its size times the scale.
void OpenDialogWindow(Window& dialog, const std::string& caption, int width, int height);
