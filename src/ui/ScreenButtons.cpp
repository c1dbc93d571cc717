#include "ui/ScreenButtons.h"

std::unique_ptr<Bitmap> ScreenButtons;
