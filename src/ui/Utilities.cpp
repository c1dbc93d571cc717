#include "ui/Utilities.h"

#include "model/ProgramFolder.h"

std::string ImagesFolder() {
    return ProgramFolder() + "Images/";
}
std::string BuildingsFolder() {
    return ProgramFolder() + "Buildings/";
}

bool LoadImageBitmap(Bitmap& bitmap, const std::string& name) {
    return bitmap.LoadFromFile(ImagesFolder() + name + ".bmp");
}

int DrawTextAt(Canvas& canvas, const char* text, int x, int y) {
    if (!text) return 0;
    return DrawTextAt(canvas, std::string(text), x, y);
}

int DrawTextAt(Canvas& canvas, const std::string& text, int x, int y) {
    canvas.SetBrushStyle(bsClear);
    canvas.TextOut(x, y, text);
    return canvas.TextHeight(text);
}

int DrawTextWrapped(Canvas& canvas, const char* text, int x, int width, int y) {
    if (!text) return 0;
    return DrawTextWrapped(canvas, std::string(text), x, width, y);
}

int DrawTextWrapped(Canvas& canvas, const std::string& text, int x, int width, int y) {
    canvas.SetBrushStyle(bsClear);
    int height = canvas.MeasureWrapped(width, text);
    canvas.DrawWrapped(Rect{x, y, x + width, y + height}, text);
    return height;
}
