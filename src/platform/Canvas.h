// Drawing on a Bitmap: rectangles, lines, rectangle copies and text, with a
// current font, brush and pen as the game's painting code expects them.
#pragma once

#include "platform/Color.h"
#include "platform/Font.h"

#include <string>
#include <vector>

class Bitmap;

enum BrushStyle { bsSolid, bsClear };

class Canvas {
public:
    explicit Canvas(Bitmap& owner) : mOwner(owner) {}
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Bitmap& Target() const { return mOwner; }

    // Font: family name, size in points, colour, bold and underline.
    void SetFont(const std::string& name, int size) {
        mFont.name = name;
        mFont.size = size;
    }
    void SetFontName(const std::string& name) { mFont.name = name; }
    void SetFontSize(int size) { mFont.size = size; }
    void SetFontColor(Color c) { mFontColor = c; }
    void SetBold(bool on) { mFont.bold = on; }
    void SetUnderline(bool on) { mFont.underline = on; }
    const FontSpec& GetFont() const { return mFont; }
    Color FontColor() const { return mFontColor; }

    // Brush: fills rectangles and, when solid, the background behind text.
    void SetBrushColor(Color c) { mBrushColor = c; }
    void SetBrushStyle(BrushStyle s) { mBrushStyle = s; }
    Color BrushColor() const { return mBrushColor; }
    BrushStyle GetBrushStyle() const { return mBrushStyle; }

    // Pen: outlines and lines.
    void SetPenColor(Color c) { mPenColor = c; }
    void SetPenWidth(int w) { mPenWidth = w < 1 ? 1 : w; }
    Color PenColor() const { return mPenColor; }
    int PenWidth() const { return mPenWidth; }

    // Fills the rectangle with the brush colour; a clear brush fills nothing.
    void FillRect(const Rect& r);
    // A one-pixel outline just inside the rectangle, in the pen colour.
    void FrameRect(const Rect& r);
    // Fills with the brush (unless clear) and outlines with the pen, its width
    // drawn inwards from the rectangle's edges.
    void Rectangle(const Rect& r);

    // Lines in the pen colour and width; the end point itself is not drawn, so
    // lines joined end to start do not overlap.
    void MoveTo(int x, int y) { mPenPos = {x, y}; }
    void LineTo(int x, int y);
    void Line(int x1, int y1, int x2, int y2) {
        MoveTo(x1, y1);
        LineTo(x2, y2);
    }
    Point PenPos() const { return mPenPos; }

    // Copies src's rectangle onto dst of this canvas, clipped to both bitmaps;
    // when the two rectangles differ in size the picture is stretched (nearest
    // pixel). Pixels are copied as they are, no blending.
    void CopyRect(const Rect& dst, const Bitmap& src, const Rect& srcRect);
    // The whole of src with its top-left corner at (x, y).
    void Draw(int x, int y, const Bitmap& src);

    // One line of text with its top-left corner at (x, y) in the current font and
    // colour; a solid brush first fills the text's box with the brush colour.
    void TextOut(int x, int y, const std::string& text);
    // The same, placed so that the text ends at x = right.
    void TextOutRight(int right, int y, const std::string& text);
    int TextWidth(const std::string& text);
    // The font's line height (the same for every text).
    int TextHeight(const std::string& text);

    // Word-wrapped text. Lines break at spaces; a word wider than the column is
    // broken between characters; "\n" (or "\r\n") starts a new line. Every line
    // is at most `width` pixels wide and one TextHeight high.
    std::vector<std::string> WrapLines(int width, const std::string& text);
    // The height the wrapped text needs in a column of that width (0 for "").
    int MeasureWrapped(int width, const std::string& text);
    // Draws the wrapped text left-aligned from the top of r, never past r.right;
    // returns the same height as MeasureWrapped(r.Width(), text).
    int DrawWrapped(const Rect& r, const std::string& text);

private:
    Font* CurrentFont() const { return Font::Get(mFont); }
    void FillClipped(int left, int top, int right, int bottom, Color c);
    void DrawLine(const std::string& text, int x, int y, int clipRight);

    Bitmap& mOwner;
    FontSpec mFont;
    Color mFontColor{};
    Color mBrushColor = RGB(255, 255, 255);
    BrushStyle mBrushStyle = bsSolid;
    Color mPenColor{};
    int mPenWidth = 1;
    Point mPenPos;
};
