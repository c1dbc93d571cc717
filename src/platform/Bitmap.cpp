#include "platform/Bitmap.h"

#include "platform/Canvas.h"
#include "platform/Files.h"

#include <SDL.h>

#include <algorithm>
#include <vector>

namespace {

SDL_Surface* NewSurface(int width, int height) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (s) SDL_FillRect(s, nullptr, 0xFF000000u);
    return s;
}

std::uint32_t* Row(SDL_Surface* s, int y) {
    return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) + y * s->pitch);
}

} // namespace

Bitmap::Bitmap() = default;

Bitmap::Bitmap(int width, int height) {
    SetSize(width, height);
}

Bitmap::~Bitmap() {
    if (mSurface) SDL_FreeSurface(mSurface);
}

Bitmap::Bitmap(Bitmap&& other) noexcept : mSurface(other.mSurface) {
    other.mSurface = nullptr;
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        if (mSurface) SDL_FreeSurface(mSurface);
        mSurface = other.mSurface;
        other.mSurface = nullptr;
    }
    return *this;
}

int Bitmap::Width() const {
    return mSurface ? mSurface->w : 0;
}
int Bitmap::Height() const {
    return mSurface ? mSurface->h : 0;
}

void Bitmap::Replace(SDL_Surface* surface) {
    if (mSurface) SDL_FreeSurface(mSurface);
    mSurface = surface;
}

void Bitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height()) return;
    if (width == 0 || height == 0) {
        Replace(nullptr);
        return;
    }
    SDL_Surface* s = NewSurface(width, height);
    if (!s) return; // out of memory: keep the old picture
    if (mSurface) {
        const int w = std::min(width, Width());
        const int h = std::min(height, Height());
        for (int y = 0; y < h; ++y)
            std::copy_n(Row(mSurface, y), w, Row(s, y));
    }
    Replace(s);
}

bool Bitmap::LoadFromMemory(const void* data, std::size_t size) {
    if (!data || size < 14 || size > 0x7FFFFFFF) return false;
    SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (!rw) return false;
    SDL_Surface* loaded = SDL_LoadBMP_RW(rw, 1);
    if (!loaded) return false;
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!converted) return false;
    // The game's pictures are opaque; whatever the file says about alpha, a
    // copied picture must cover what lies below it.
    SDL_SetSurfaceBlendMode(converted, SDL_BLENDMODE_NONE);
    for (int y = 0; y < converted->h; ++y) {
        std::uint32_t* row = Row(converted, y);
        for (int x = 0; x < converted->w; ++x)
            row[x] |= 0xFF000000u;
    }
    Replace(converted);
    return true;
}

bool Bitmap::LoadFromFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!Files::ReadAll(path, bytes)) return false;
    return LoadFromMemory(bytes.data(), bytes.size());
}

std::uint32_t Bitmap::Pixel(int x, int y) const {
    if (!mSurface || x < 0 || y < 0 || x >= mSurface->w || y >= mSurface->h) return 0;
    return Row(mSurface, y)[x];
}

void Bitmap::SetPixel(int x, int y, Color c) {
    if (!mSurface || x < 0 || y < 0 || x >= mSurface->w || y >= mSurface->h) return;
    Row(mSurface, y)[x] = ToPixel(c);
}

Canvas& Bitmap::GetCanvas() {
    if (!mCanvas) mCanvas = std::make_unique<Canvas>(*this);
    return *mCanvas;
}
