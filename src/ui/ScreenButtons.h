// The shared strip of buttons and scroll-bar pieces ("pscreenbtns") that the
// palm pages, the message window and the file dialogs draw from. The main
// window loads it at start-up and frees it at exit.
#pragma once

#include "platform/Bitmap.h"
#include "platform/Color.h"

#include <memory>

extern std::unique_ptr<Bitmap> ScreenButtons;

// Cells of the strip used by the dialogs, each 75 x 20.
constexpr Rect OkButtonCell{0, 0, 75, 20};
constexpr Rect CancelButtonCell{0, 20, 75, 40};
constexpr Rect YesButtonCell{75, 280, 150, 300};
constexpr Rect NoButtonCell{75, 300, 150, 320};

// The strip, or null while it is not loaded (nothing is drawn from it then).
inline const Bitmap* ScreenButtonsStrip() {
    return ScreenButtons && !ScreenButtons->IsEmpty() ? ScreenButtons.get() : nullptr;
}
