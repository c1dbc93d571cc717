#include "UiTestSupport.h"

#include "platform/Canvas.h"

#include <SDL.h>
#include <cstdlib>
#include <filesystem>

void WriteSolidBmp(const std::string& path, int w, int h, Color c) {
    Bitmap b(w, h);
    Canvas& canvas = b.GetCanvas();
    canvas.SetBrushStyle(bsSolid);
    canvas.SetBrushColor(c);
    canvas.FillRect(Rect{0, 0, w, h});
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    SDL_SaveBMP(b.Surface(), path.c_str());
}

std::string BuildImagesFolder() {
    const char* dir = std::getenv("QLB_BUILD_DIR");
    return dir ? std::string(dir) + "/Images/" : std::string();
}

bool LoadRealButtonStrip(Bitmap& strip) {
    std::string folder = BuildImagesFolder();
    return !folder.empty() && strip.LoadFromFile(folder + "pscreenbtns.bmp");
}

std::string SaveSnapshot(const Bitmap& bitmap, int height, const std::string& name) {
    const char* dir = std::getenv("QLB_BUILD_DIR");
    if (!dir) return {};
    std::string folder = std::string(dir) + "/ui-snapshots/";
    std::filesystem::create_directories(folder);
    Bitmap copy(bitmap.Width(), height);
    copy.GetCanvas().CopyRect(Rect{0, 0, bitmap.Width(), height}, bitmap,
                              Rect{0, 0, bitmap.Width(), height});
    std::string path = folder + name + ".bmp";
    return SDL_SaveBMP(copy.Surface(), path.c_str()) == 0 ? path : std::string();
}

bool AnyPixel(const Bitmap& b, int left, int top, int right, int bottom, Color c) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (b.PixelColor(x, y) == c) return true;
    return false;
}

bool AnyPixelNot(const Bitmap& b, int left, int top, int right, int bottom, Color c) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (!(b.PixelColor(x, y) == c)) return true;
    return false;
}
