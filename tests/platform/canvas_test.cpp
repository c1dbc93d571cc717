#include "platform/Bitmap.h"
#include "platform/Canvas.h"

#include <gtest/gtest.h>

namespace {

constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kPage = RGB(208, 168, 97);
constexpr Color kText = RGB(70, 36, 3);

// Columns in [x0, x1) of row range [y0, y1) that are not `bg`.
bool AnyInk(const Bitmap& b, int x0, int y0, int x1, int y1, Color bg) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (b.PixelColor(x, y) != bg) return true;
    return false;
}

Bitmap Filled(int w, int h, Color c) {
    Bitmap b(w, h);
    b.GetCanvas().SetBrushColor(c);
    b.GetCanvas().FillRect({0, 0, w, h});
    return b;
}

} // namespace

TEST(Bitmap, NewIsOpaqueBlackAndResizeKeepsOverlap) {
    Bitmap b(4, 3);
    EXPECT_EQ(b.Pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(b.Pixel(4, 0), 0u); // outside
    b.SetPixel(1, 1, kRed);
    b.SetPixel(3, 2, kRed);
    b.SetSize(2, 10);
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Height(), 10);
    EXPECT_EQ(b.PixelColor(1, 1), kRed);
    EXPECT_EQ(b.Pixel(1, 9), 0xFF000000u);
    b.SetSize(-1, 5);
    EXPECT_TRUE(b.IsEmpty());
    b.GetCanvas().FillRect({0, 0, 5, 5}); // drawing on an empty bitmap is harmless
}

TEST(Canvas, FillFrameAndRectangleEdges) {
    Bitmap b(20, 20);
    Canvas& c = b.GetCanvas();
    c.SetBrushColor(kPage);
    c.FillRect({2, 3, 8, 9});
    EXPECT_EQ(b.PixelColor(2, 3), kPage);
    EXPECT_EQ(b.PixelColor(7, 8), kPage);
    EXPECT_EQ(b.PixelColor(8, 8), kBlack); // right edge is outside
    EXPECT_EQ(b.PixelColor(7, 9), kBlack); // bottom edge is outside

    c.SetBrushStyle(bsClear);
    c.SetBrushColor(kRed);
    c.FillRect({0, 0, 20, 20});
    EXPECT_EQ(b.PixelColor(0, 0), kBlack); // a clear brush paints nothing

    c.SetPenColor(kRed);
    c.FrameRect({10, 10, 15, 14});
    for (Point p : {Point{10, 10}, Point{14, 10}, Point{10, 13}, Point{14, 13}, Point{12, 10},
                    Point{12, 13}, Point{10, 12}, Point{14, 12}})
        EXPECT_EQ(b.PixelColor(p.x, p.y), kRed) << p.x << "," << p.y;
    EXPECT_EQ(b.PixelColor(12, 12), kBlack);
    EXPECT_EQ(b.PixelColor(15, 12), kBlack);
    EXPECT_EQ(b.PixelColor(12, 14), kBlack);

    Bitmap r(12, 12);
    Canvas& rc = r.GetCanvas();
    rc.SetBrushColor(kPage);
    rc.SetPenColor(kText);
    rc.SetPenWidth(2);
    rc.Rectangle({1, 1, 11, 11});
    EXPECT_EQ(r.PixelColor(1, 1), kText);
    EXPECT_EQ(r.PixelColor(2, 5), kText);
    EXPECT_EQ(r.PixelColor(3, 5), kPage);
    EXPECT_EQ(r.PixelColor(10, 10), kText);
    EXPECT_EQ(r.PixelColor(11, 11), kBlack);
}

TEST(Canvas, LinesStopBeforeTheEndPoint) {
    Bitmap b(10, 10);
    Canvas& c = b.GetCanvas();
    c.SetPenColor(kRed);
    c.Line(1, 2, 6, 2);
    EXPECT_EQ(b.PixelColor(1, 2), kRed);
    EXPECT_EQ(b.PixelColor(5, 2), kRed);
    EXPECT_EQ(b.PixelColor(6, 2), kBlack);
    EXPECT_EQ((c.PenPos()), (Point{6, 2}));
    c.LineTo(6, 7); // continues from the pen position
    EXPECT_EQ(b.PixelColor(6, 2), kRed);
    EXPECT_EQ(b.PixelColor(6, 6), kRed);
    EXPECT_EQ(b.PixelColor(6, 7), kBlack);
    c.Line(0, 0, 4, 4); // diagonal
    EXPECT_EQ(b.PixelColor(3, 3), kRed);
    EXPECT_EQ(b.PixelColor(4, 4), kBlack);
    c.SetPenWidth(3);
    c.Line(-5, 8, 20, 8); // clipped, three rows thick
    EXPECT_EQ(b.PixelColor(0, 7), kRed);
    EXPECT_EQ(b.PixelColor(9, 9), kRed);
}

TEST(Canvas, CopyRectClipsOnEverySide) {
    Bitmap src(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            src.SetPixel(x, y, RGB(x * 60, y * 60, 7));
    struct Case {
        const char* what;
        Rect dst, from;
    };
    const Case cases[] = {
        {"inside", {3, 3, 7, 7}, {0, 0, 4, 4}},
        {"past dst left", {-2, 3, 2, 7}, {0, 0, 4, 4}},
        {"past dst top", {3, -3, 7, 1}, {0, 0, 4, 4}},
        {"past dst right", {8, 2, 12, 6}, {0, 0, 4, 4}},
        {"past dst bottom", {1, 8, 5, 12}, {0, 0, 4, 4}},
        {"past src left", {3, 3, 7, 7}, {-2, 0, 2, 4}},
        {"past src top", {3, 3, 7, 7}, {0, -1, 4, 3}},
        {"past src right", {3, 3, 7, 7}, {2, 0, 6, 4}},
        {"past src bottom", {3, 3, 7, 7}, {0, 3, 4, 7}},
    };
    for (const Case& k : cases) {
        Bitmap dst = Filled(10, 10, kPage);
        dst.GetCanvas().CopyRect(k.dst, src, k.from);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const int sx = k.from.left + x - k.dst.left, sy = k.from.top + y - k.dst.top;
                const bool inDst =
                    x >= k.dst.left && x < k.dst.right && y >= k.dst.top && y < k.dst.bottom;
                const bool inSrc = sx >= 0 && sx < 4 && sy >= 0 && sy < 4;
                const std::uint32_t want = inDst && inSrc ? src.Pixel(sx, sy) : ToPixel(kPage);
                ASSERT_EQ(dst.Pixel(x, y), want) << k.what << " at " << x << "," << y;
            }
    }
}

TEST(Canvas, CopyRectStretchesAndCopiesWithinOneBitmap) {
    Bitmap src(2, 1);
    src.SetPixel(0, 0, kRed);
    src.SetPixel(1, 0, kPage);
    Bitmap dst(4, 2);
    dst.GetCanvas().CopyRect({0, 0, 4, 2}, src, {0, 0, 2, 1});
    EXPECT_EQ(dst.PixelColor(1, 1), kRed);
    EXPECT_EQ(dst.PixelColor(2, 0), kPage);

    // Overlapping copy inside one bitmap reads the picture as it was before.
    Bitmap row(5, 1);
    for (int x = 0; x < 5; ++x)
        row.SetPixel(x, 0, RGB(x, 0, 0));
    row.GetCanvas().CopyRect({1, 0, 5, 1}, row, {0, 0, 4, 1});
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(row.PixelColor(x, 0), RGB(x - 1, 0, 0));

    Bitmap empty;
    dst.GetCanvas().Draw(0, 0, empty); // nothing to copy
    empty.GetCanvas().Draw(0, 0, src);
    EXPECT_EQ(dst.PixelColor(0, 0), kRed);
}

TEST(Canvas, TextOutDrawsInkAndSolidBrushFillsTheBox) {
    Bitmap b = Filled(100, 20, kPage);
    Canvas& c = b.GetCanvas();
    c.SetFontColor(kText);
    c.SetBrushStyle(bsClear);
    c.TextOut(2, 2, "Name: ");
    const int w = c.TextWidth("Name: ");
    EXPECT_EQ(w, 35);
    EXPECT_EQ(c.TextHeight("Name: "), 12);
    EXPECT_TRUE(AnyInk(b, 2, 2, 2 + w, 14, kPage));
    EXPECT_FALSE(AnyInk(b, 2 + w, 0, 100, 20, kPage));
    EXPECT_FALSE(AnyInk(b, 0, 14, 100, 20, kPage));

    Bitmap s = Filled(100, 20, kPage);
    s.GetCanvas().SetBrushColor(kRed);
    s.GetCanvas().TextOut(10, 5, "ab");
    EXPECT_EQ(s.PixelColor(10, 5), kRed); // box behind the text
    EXPECT_EQ(s.PixelColor(9, 5), kPage);
}

TEST(Canvas, RightAlignedTextEndsAtTheGivenX) {
    Bitmap b = Filled(200, 20, kPage);
    Canvas& c = b.GetCanvas();
    c.SetBrushStyle(bsClear);
    c.SetFontColor(kText);
    c.TextOutRight(150, 2, "Home Page: x");
    EXPECT_FALSE(AnyInk(b, 150, 0, 200, 20, kPage));
    EXPECT_TRUE(AnyInk(b, 140, 0, 150, 20, kPage));
    EXPECT_FALSE(AnyInk(b, 0, 0, 150 - c.TextWidth("Home Page: x"), 20, kPage));
}

TEST(Canvas, WrapBreaksAtSpacesHonoursNewlinesAndCutsLongWords) {
    Bitmap b(10, 10);
    Canvas& c = b.GetCanvas();
    const int w = c.TextWidth("hello world");
    EXPECT_EQ(c.WrapLines(w, "hello world"), (std::vector<std::string>{"hello world"}));
    EXPECT_EQ(c.WrapLines(w - 1, "hello world"), (std::vector<std::string>{"hello", "world"}));
    EXPECT_EQ(c.WrapLines(500, "one\ntwo\r\n\nthree"),
              (std::vector<std::string>{"one", "two", "", "three"}));
    EXPECT_EQ(c.WrapLines(500, "a  b   "), (std::vector<std::string>{"a  b"}));
    EXPECT_TRUE(c.WrapLines(500, "").empty());
    EXPECT_EQ(c.MeasureWrapped(500, ""), 0);

    const auto cut = c.WrapLines(20, "Supercalifragilistic and so on");
    ASSERT_GT(cut.size(), 3u);
    std::string joined;
    for (const auto& line : cut) {
        EXPECT_LE(c.TextWidth(line), 20) << line;
        EXPECT_FALSE(line.empty());
        joined += line;
    }
    EXPECT_EQ(joined.substr(0, 20), "Supercalifragilistic");

    // Multi-byte characters are never split.
    for (const auto& line : c.WrapLines(8, "ééééé"))
        EXPECT_EQ(line.size() % 2, 0u) << line;
}

TEST(Canvas, WrappedDrawingMatchesMeasurementAndStaysInTheColumn) {
    const std::string text = "Your staff demand higher wages and threaten to leave.\nPay them now.";
    Bitmap b = Filled(200, 200, kPage);
    Canvas& c = b.GetCanvas();
    c.SetBrushStyle(bsClear);
    c.SetFontColor(kText);
    const int h = c.MeasureWrapped(80, text);
    EXPECT_EQ(h % 12, 0);
    EXPECT_GE(h, 5 * 12);
    EXPECT_EQ(c.DrawWrapped({10, 20, 90, 20 + h}, text), h);
    EXPECT_TRUE(AnyInk(b, 10, 20, 90, 32, kPage));
    EXPECT_TRUE(AnyInk(b, 10, 20 + h - 12, 90, 20 + h, kPage)); // last line drawn
    EXPECT_FALSE(AnyInk(b, 90, 0, 200, 200, kPage));            // never right of the column
    EXPECT_FALSE(AnyInk(b, 0, 20 + h, 200, 200, kPage));        // nothing below the height
    EXPECT_FALSE(AnyInk(b, 0, 0, 10, 200, kPage));
}
