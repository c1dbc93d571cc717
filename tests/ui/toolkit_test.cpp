// The drawing toolkit: the rectangle rule, the text primitives and the
// picture cache's eviction.
#include "UiTestSupport.h"
#include "support/TestEnv.h"
#include "ui/Tempbitmap.h"
#include "ui/Utilities.h"

#include <gtest/gtest.h>

namespace {

TEST(PointInRect, IncludesLeftRightAndTopButNotBottom) {
    struct Case {
        int x, y;
        bool inside;
    } cases[] = {{21, 7, true},  {7, 20, true}, {7, 7, true},   {14, 14, true},
                 {7, 21, false}, {6, 7, false}, {22, 7, false}, {7, 6, false}};
    for (const Case& c : cases)
        EXPECT_EQ(PointInRect(7, 7, 21, 21, c.x, c.y), c.inside) << c.x << "," << c.y;
}

class TextPrimitives : public ::testing::Test {
protected:
    TextPrimitives() : bitmap(214, 200) {
        Canvas& c = bitmap.GetCanvas();
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(PageColor);
        c.FillRect(Rect{0, 0, 214, 200});
        c.SetFont("Arial", 8);
        c.SetFontColor(TextColor);
    }
    Bitmap bitmap;
};

TEST_F(TextPrimitives, NullTextDrawsNothingAndHasNoHeight) {
    Canvas& c = bitmap.GetCanvas();
    EXPECT_EQ(DrawTextAt(c, static_cast<const char*>(nullptr), 5, 5), 0);
    EXPECT_EQ(DrawTextWrapped(c, static_cast<const char*>(nullptr), 5, 100, 5), 0);
    EXPECT_FALSE(AnyPixelNot(bitmap, 0, 0, 214, 200, PageColor));
}

TEST_F(TextPrimitives, OneLineReturnsTheLineHeightOnAClearBrush) {
    Canvas& c = bitmap.GetCanvas();
    c.SetBrushStyle(bsSolid);
    c.SetBrushColor(RGB(0, 0, 255));
    int h = DrawTextAt(c, "Name: ", 5, 5);
    EXPECT_EQ(h, c.TextHeight("Name: "));
    EXPECT_GT(h, 0);
    // Transparent text: no box of the old brush colour behind it.
    EXPECT_FALSE(AnyPixel(bitmap, 0, 0, 214, 40, RGB(0, 0, 255)));
    EXPECT_TRUE(AnyPixel(bitmap, 5, 5, 60, 5 + h, TextColor));
}

TEST_F(TextPrimitives, WrappedTextStaysInItsColumnAndCountsItsLines) {
    Canvas& c = bitmap.GetCanvas();
    std::string text = "Setting admission fee brings extra income to you but makes your "
                       "visitors leave your bar, especially those who are short of cash.";
    int h = DrawTextWrapped(c, text, 20, 100, 10);
    int line = c.TextHeight(text);
    EXPECT_GE(h, 3 * line);
    EXPECT_EQ(h % line, 0);
    EXPECT_FALSE(AnyPixelNot(bitmap, 120, 0, 214, 200, PageColor));           // right of x + width
    EXPECT_FALSE(AnyPixelNot(bitmap, 0, 0, 20, 200, PageColor));              // left of x
    EXPECT_TRUE(AnyPixel(bitmap, 20, 10 + h - line, 120, 10 + h, TextColor)); // the last line
    EXPECT_EQ(DrawTextWrapped(c, "a\nb", 20, 100, 100), 2 * line);
}

// The cache over pictures written into a temporary Images folder.
class TempBitmapCacheTest : public ::testing::Test {
protected:
    std::string Name(int i) { return "pic" + std::to_string(i) + ".bmp"; }
    void Write(int i, int w = 3) { WriteSolidBmp(dir + Name(i), w, 2, RGB(i, 0, 0)); }
    int SlotOf(const std::string& name) {
        for (int i = 0; i < GTempBitmapCache::SlotCount; ++i) {
            const GTempBitmap* s = cache.Slot(i);
            if (s && std::string(s->FileName) == name) return i;
        }
        return -1;
    }

    TempProgramFolder folder;
    std::string dir = folder.Sub("Images/");
    GTempBitmapCache cache;
};

TEST_F(TempBitmapCacheTest, HitsDoNotCountAndTheLeastRecentlyUsedGoesFirst) {
    for (int i = 0; i < 33; ++i)
        Write(i);
    for (int i = 0; i < 32; ++i)
        ASSERT_NE(cache.Get(dir, Name(i)), nullptr);
    EXPECT_EQ(cache.UseCounter, 32);

    // Picture 0 used again: a hit, and picture 1 becomes the oldest.
    Bitmap* first = cache.Get(dir, Name(0));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->PixelColor(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(cache.UseCounter, 32);

    Bitmap* extra = cache.Get(dir, Name(32));
    ASSERT_NE(extra, nullptr);
    EXPECT_EQ(extra->PixelColor(0, 0), RGB(32, 0, 0));
    EXPECT_EQ(cache.UseCounter, 33);
    EXPECT_EQ(SlotOf(Name(32)), 1);
    EXPECT_EQ(SlotOf(Name(1)), -1);
    EXPECT_EQ(SlotOf(Name(0)), 0);
}

TEST_F(TempBitmapCacheTest, TheKeyIsNameAndVariantNotTheDirectory) {
    Write(1, 3);
    WriteSolidBmp(folder.Sub("Buildings/") + Name(1), 7, 2, RGB(9, 9, 9));
    Bitmap* a = cache.Get(dir, Name(1), 0);
    Bitmap* b = cache.Get(dir, Name(1), 1);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    EXPECT_EQ(cache.UseCounter, 2);
    // Another folder, same name: the picture already cached.
    Bitmap* c = cache.Get(folder.Sub("Buildings/"), Name(1), 0);
    EXPECT_EQ(c, a);
    EXPECT_EQ(c->Width(), 3);
    EXPECT_EQ(cache.UseCounter, 2);
}

TEST_F(TempBitmapCacheTest, AMissingPictureEmptiesItsSlotAndIsTriedAgain) {
    Write(0);
    Write(1);
    ASSERT_NE(cache.Get(dir, Name(0)), nullptr);
    EXPECT_EQ(cache.Get(dir, "missing.bmp"), nullptr);
    ASSERT_NE(cache.Slot(1), nullptr);
    EXPECT_TRUE(cache.Slot(1)->IsEmpty());
    EXPECT_EQ(cache.Get(dir, "missing.bmp"), nullptr);
    EXPECT_EQ(cache.UseCounter, 3); // not remembered as missing
    ASSERT_NE(cache.Get(dir, Name(1)), nullptr);
    EXPECT_EQ(SlotOf(Name(1)), 1);
    // A broken file counts as missing too.
    folder.WriteFile("Images/broken.bmp", "BM not really");
    EXPECT_EQ(cache.Get(dir, "broken.bmp"), nullptr);
}

TEST_F(TempBitmapCacheTest, TheCounterWrapsAndOldStampsTieAtZero) {
    for (int i = 0; i < 33; ++i)
        Write(i);
    for (int i = 0; i < 32; ++i)
        ASSERT_NE(cache.Get(dir, Name(i)), nullptr);
    // Stamps are 1..32; jump the counter to just below the limit and use
    // picture 31 there, so its stamp is 4095.
    cache.UseCounter = 4094;
    ASSERT_NE(cache.Get(dir, Name(30)), nullptr); // hit: stamp 4094
    EXPECT_EQ(cache.Get(dir, "missing.bmp"), nullptr);
    // That miss counted 4095 and evicted picture 0 (stamp 1), then emptied the slot.
    EXPECT_EQ(cache.UseCounter, 4095);
    EXPECT_EQ(SlotOf(Name(0)), -1);
    ASSERT_NE(cache.Get(dir, Name(31)), nullptr); // hit: stamp 4095

    // The 4096th miss lowers everything by 4095; it refills the empty slot 0.
    ASSERT_NE(cache.Get(dir, Name(32)), nullptr);
    EXPECT_EQ(cache.UseCounter, 1);
    EXPECT_EQ(SlotOf(Name(32)), 0);
    EXPECT_EQ(cache.Slot(0)->LastUse, 1);
    EXPECT_EQ(cache.Slot(31)->LastUse, 0); // 4095 - 4095
    EXPECT_EQ(cache.Slot(30)->LastUse, 0); // clamped from below zero
    EXPECT_EQ(cache.Slot(5)->LastUse, 0);

    // Everyone else ties at 0: the lowest slot among them goes first.
    Write(40);
    ASSERT_NE(cache.Get(dir, Name(40)), nullptr);
    EXPECT_EQ(SlotOf(Name(40)), 1);
    EXPECT_EQ(SlotOf(Name(1)), -1);
}

TEST(LoadImageBitmap, ReadsFromTheImagesFolderAndFailsQuietly) {
    TempProgramFolder folder;
    HostRecorder host;
    WriteSolidBmp(folder.Sub("Images/strip.bmp"), 4, 3, RGB(1, 2, 3));
    Bitmap b;
    EXPECT_TRUE(LoadImageBitmap(b, "strip"));
    EXPECT_EQ(b.Width(), 4);
    EXPECT_EQ(b.PixelColor(3, 2), RGB(1, 2, 3));
    Bitmap missing;
    EXPECT_FALSE(LoadImageBitmap(missing, "nothere"));
    EXPECT_TRUE(missing.IsEmpty());
    EXPECT_TRUE(host.ErrorBoxes.empty());
}

} // namespace
