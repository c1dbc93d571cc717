#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Font.h"

#include <gtest/gtest.h>

TEST(Font, ArialResolvesToLiberationSans) {
    EXPECT_NE(Font::ResolveFile("Arial", false).find("LiberationSans-Regular"), std::string::npos);
    EXPECT_NE(Font::ResolveFile("Arial", true).find("LiberationSans-Bold"), std::string::npos);
}

TEST(Font, EightPointMetricsAtNinetySixDpi) {
    Font* f = Font::Get(FontSpec{"Arial", 8, false, false});
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Height(), 12);
    EXPECT_EQ(f->LineSkip(), 13);
    EXPECT_EQ(f->TextWidth("Name: "), 35);
    EXPECT_EQ(f->TextWidth(""), 0);
}

TEST(Font, BoldIsWiderAndSizesScale) {
    Font* regular = Font::Get(FontSpec{"Arial", 8, false, false});
    Font* bold = Font::Get(FontSpec{"Arial", 8, true, false});
    Font* big = Font::Get(FontSpec{"Arial", 16, false, false});
    ASSERT_TRUE(regular && bold && big);
    EXPECT_GT(bold->TextWidth("Main Menu"), regular->TextWidth("Main Menu"));
    EXPECT_GT(big->Height(), 2 * regular->Height() - 2);
}

TEST(Font, BadSizeGivesNoFontAndCanvasMeasuresZero) {
    EXPECT_EQ(Font::Get(FontSpec{"Arial", 0, false, false}), nullptr);
    Bitmap b(10, 10);
    Canvas& c = b.GetCanvas();
    c.SetFontSize(-3);
    EXPECT_EQ(c.TextWidth("abc"), 0);
    EXPECT_EQ(c.MeasureWrapped(100, "abc"), 0);
    c.TextOut(0, 0, "abc"); // draws nothing, no crash
    EXPECT_EQ(b.Pixel(5, 5), 0xFF000000u);
}
