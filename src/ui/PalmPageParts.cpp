#include "ui/PalmPageParts.h"

#include "model/Game.h"
#include "model/Text.h"
#include "ui/Tempbitmap.h"
#include "ui/Utilities.h"

#include <algorithm>
#include <cmath>

namespace palm {

std::string ServiceName(int kind) {
    if (kind < 0 || kind >= ServiceKindCount) return std::string();
    return FieldText(GameState.Services[kind].Name);
}

int CountGroupsOfType(const Property& p, int type) {
    int n = 0;
    for (int32_t i = 0; i < p.GroupCount && i < MaxGroups; ++i)
        if (p.Groups[i].Type == type) ++n;
    return n;
}

void DrawPortrait(Canvas& canvas, const std::string& file, int frame) {
    if (const Bitmap* strip = GetTempBitmap(ImagesFolder(), file)) {
        int left = PortraitSize * frame;
        canvas.CopyRect(PortraitPlace, *strip, Rect{left, 0, left + PortraitSize, PortraitSize});
    }
    canvas.SetPenColor(TextColor);
    canvas.FrameRect(PortraitPlace);
}

int ColumnBar(GPalmScreen& palm, Canvas& canvas, Color fill, const std::string& valueText,
              const std::string& label, int percent, int y) {
    return palm.DrawValueBar(canvas, fill, 0, valueText, label, percent, Column, y, BarRight,
                             y + BarHeight);
}

int MoodFace(double r) {
    if (r <= -75) return 0;
    if (r <= -45) return 1;
    if (r <= -15) return 2;
    if (r < 15) return 3;
    if (r < 45) return 4;
    if (r < 75) return 5;
    return 6;
}

std::string RelationText(double relation) {
    // The whole part only, so a relation of -0.5 shows nothing rather than "-0".
    double r = std::isnan(relation) ? 0.0 : std::clamp(relation, -1e9, 1e9);
    int whole = static_cast<int>(std::trunc(r));
    if (whole > 0) return "+" + std::to_string(whole);
    if (whole < 0) return std::to_string(whole);
    return std::string();
}

} // namespace palm
