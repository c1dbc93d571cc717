#include "platform/Scale.h"

#include <algorithm>

namespace {

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

int AutomaticScale(Point desktop, Point logical) {
    int n = 1;
    // Integers only: 10 x size x N within 9 x desktop.
    for (int k = 2; k <= MaxScale; ++k)
        if (10 * logical.x * k <= 9 * desktop.x && 10 * logical.y * k <= 9 * desktop.y) n = k;
    return n;
}

int FullScreenScale(Point desktop, Point logical) {
    int n = 1;
    for (int k = 2; k <= MaxScale; ++k)
        if (logical.x * k <= desktop.x && logical.y * k <= desktop.y) n = k;
    return n;
}

Point FullScreenLogicalSize(Point desktop, Point logical) {
    const int n = FullScreenScale(desktop, logical);
    return {desktop.x / n, desktop.y / n};
}

Point PhysicalToLogical(Point physical, int scale) {
    scale = std::max(scale, 1);
    return {FloorDiv(physical.x, scale), FloorDiv(physical.y, scale)};
}

int EffectiveScale(int setting, int automatic) {
    if (setting >= 1 && setting <= MaxScale) return setting;
    return std::clamp(automatic, 1, MaxScale);
}
