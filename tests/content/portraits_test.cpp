// The portrait and icon strips against the character descriptions and visitor categories
// that name them, and frame against frame.
#include "ContentFiles.h"
#include "PictureTable.h"
#include "model/Game.h"
#include "model/Tables.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>

using namespace contenttest;

namespace {

std::map<std::string, content::Strip> StripsByName() {
    std::map<std::string, content::Strip> m;
    for (const auto& s : content::PortraitStrips())
        m[s.Name] = s;
    return m;
}

// Mean absolute difference of two equal-sized rectangles, per channel, 0..255.
double Difference(const Bitmap& a, int ax, const Bitmap& b, int bx, int y0, int w, int h) {
    long sum = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t p = a.At(ax + x, y), q = b.At(bx + x, y);
            for (int sh = 0; sh < 24; sh += 8)
                sum += std::abs(int((p >> sh) & 0xff) - int((q >> sh) & 0xff));
        }
    return double(sum) / (3.0 * w * h);
}

} // namespace

TEST(PortraitStrips, HaveAFrameOfTheRightSexForEveryCharacterDescription) {
    BuildCharDescrs();
    ASSERT_EQ(GameState.CharDescrCount(), 45);
    const auto strips = StripsByName();
    for (const auto& d : GameState.CharDescrs) {
        SCOPED_TRACE(std::string(d.Title) + " (" + d.Picture + " " +
                     std::to_string(d.PictureIndex) + ")");
        auto it = strips.find(d.Picture);
        ASSERT_NE(it, strips.end()) << "no strip";
        ASSERT_GE(d.PictureIndex, 0);
        ASSERT_LT(d.PictureIndex, int(it->second.Frames.size())) << "no frame";
        const auto& frame = it->second.Frames[d.PictureIndex];
        EXPECT_EQ(frame.Gender, d.Male ? content::Sex::Male : content::Sex::Female);
        // Contacts sit in frames of their own trade.
        if (!d.IsProfession) {
            EXPECT_EQ(frame.Who, d.Title);
        }
    }
}

TEST(PortraitStrips, VisitorsHaveOneFramePerCategoryInTypeOrder) {
    const auto strips = StripsByName();
    ASSERT_EQ(strips.count("visitors"), 1u);
    const auto& v = strips.at("visitors");
    ASSERT_EQ(v.Frames.size(), 11u);
    for (int t = 1; t <= 11; ++t)
        EXPECT_EQ(v.Frames[t - 1].Who, GetVisitorNameByEnum(t)) << t;
}

// Two chefs on the ruler, or on the floor plan where only the inner part of the icon shows,
// must be told apart; and the inner part must hold a picture, not the card alone.
TEST(PortraitStrips, FramesOfAStripAreDistinctAndIconsShowAFaceInTheInnerPart) {
    constexpr int P = content::PortraitSize, I = content::IconSize;
    constexpr int L = content::IconInnerLeft, T = content::IconInnerTop;
    constexpr int W = content::IconInnerRight - L, H = content::IconInnerBottom - T;
    for (const auto& s : content::PortraitStrips()) {
        SCOPED_TRACE(s.Name);
        const Bitmap portraits = ReadBmp(BuildDir() + "/Images/" + s.Name + ".bmp");
        const Bitmap icons = ReadBmp(BuildDir() + "/Images/" + s.Name + "_i.bmp");
        ASSERT_EQ(portraits.Error + icons.Error, "");
        const int n = int(s.Frames.size());
        ASSERT_EQ(portraits.Width, P * n);
        ASSERT_EQ(icons.Width, I * n);
        for (int i = 0; i < n; ++i) {
            std::set<uint32_t> colours;
            for (int y = T; y < T + H; ++y)
                for (int x = L; x < L + W; ++x)
                    colours.insert(icons.At(I * i + x, y));
            EXPECT_GE(colours.size(), 120u) << "icon " << i << " shows little in its inner part";
            for (int j = 0; j < i; ++j) {
                EXPECT_GT(Difference(portraits, P * i, portraits, P * j, 0, P, P), 12.0)
                    << "portraits " << j << " and " << i << " look alike";
                EXPECT_GT(Difference(icons, I * i + L, icons, I * j + L, T, W, H), 12.0)
                    << "icons " << j << " and " << i << " look alike inside";
            }
        }
    }
}
