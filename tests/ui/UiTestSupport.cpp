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

bool CopyBuildContent(const std::string& folder) {
    namespace fs = std::filesystem;
    const char* build = std::getenv("QLB_BUILD_DIR");
    if (!build || !fs::exists(fs::path(build) / "Images" / "bg.bmp")) return false;
    for (const char* dir : {"Images", "Buildings"}) {
        fs::create_directories(folder + dir);
        for (const auto& e : fs::directory_iterator(fs::path(build) / dir))
            fs::copy_file(e.path(), folder + dir + "/" + e.path().filename().string(),
                          fs::copy_options::overwrite_existing);
    }
    return true;
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

Bitmap MakeCodedBitmap(int w, int h, int base) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, RGB(x % 256, y % 256, base + y / 256 + 2 * (x / 256)));
    return b;
}

void WriteCodedBmp(const std::string& path, int w, int h, int base) {
    Bitmap b = MakeCodedBitmap(w, h, base);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    SDL_SaveBMP(b.Surface(), path.c_str());
}

Coded CodeAt(const Bitmap& b, int x, int y) {
    Color c = b.PixelColor(x, y);
    if (c.b < 150 || c.b > 207 || c.b % 10 > 7) return Coded{-1, 0, 0};
    int base = c.b / 10 * 10, high = c.b - base;
    return Coded{base, c.r + 256 * (high / 2), c.g + 256 * (high % 2)};
}

std::ostream& operator<<(std::ostream& os, const Coded& c) {
    return os << "[" << c.base << ": " << c.x << ", " << c.y << "]";
}
