#include "platform/Font.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>
#include <tuple>

namespace {

// Screen resolution the game's point sizes are meant for.
constexpr unsigned kDpi = 96;

bool EnsureTtf() {
    static const bool ok = TTF_WasInit() > 0 || TTF_Init() == 0;
    return ok;
}

using FontKey = std::tuple<std::string, int, bool, bool>;

std::map<FontKey, std::unique_ptr<Font>>& Cache() {
    static std::map<FontKey, std::unique_ptr<Font>> cache;
    return cache;
}

} // namespace

std::string Font::ResolveFile(const std::string& name, bool bold) {
    static std::map<std::pair<std::string, bool>, std::string> resolved;
    auto key = std::make_pair(name, bold);
    if (auto it = resolved.find(key); it != resolved.end()) return it->second;

    std::string file;
    if (FcInit()) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        if (match) {
            FcChar8* path = nullptr;
            if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
                file = reinterpret_cast<const char*>(path);
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    resolved[key] = file;
    return file;
}

Font* Font::Get(const FontSpec& want) {
    FontKey key{want.name, want.size, want.bold, want.underline};
    auto& cache = Cache();
    if (auto it = cache.find(key); it != cache.end()) return it->second.get();

    Font* font = nullptr;
    if (want.size > 0 && want.size <= 400 && EnsureTtf()) {
        const std::string file = ResolveFile(want.name, want.bold);
        TTF_Font* handle =
            file.empty() ? nullptr : TTF_OpenFontDPI(file.c_str(), want.size, kDpi, kDpi);
        if (handle) {
            int style = TTF_STYLE_NORMAL;
            // A family without a bold face gets a drawn-bold one.
            if (want.bold && !(TTF_GetFontStyle(handle) & TTF_STYLE_BOLD)) {
                const char* styleName = TTF_FontFaceStyleName(handle);
                if (!styleName || std::string(styleName).find("Bold") == std::string::npos)
                    style |= TTF_STYLE_BOLD;
            }
            if (want.underline) style |= TTF_STYLE_UNDERLINE;
            TTF_SetFontStyle(handle, style);
            TTF_SetFontHinting(handle, TTF_HINTING_NORMAL);
            auto owned = std::make_unique<Font>(handle, want.underline);
            font = owned.get();
            cache[key] = std::move(owned);
            return font;
        }
    }
    // Remember the failure too, so a missing font is not searched on every call.
    cache[key] = nullptr;
    return nullptr;
}

Font::~Font() {
    // Fonts live in a static cache; TTF may already be shut down at exit.
    if (mFont && TTF_WasInit()) TTF_CloseFont(mFont);
}

int Font::Height() const {
    return TTF_FontHeight(mFont);
}
int Font::LineSkip() const {
    return TTF_FontLineSkip(mFont);
}
int Font::Ascent() const {
    return TTF_FontAscent(mFont);
}

int Font::TextWidth(const std::string& text) const {
    if (text.empty()) return 0;
    int w = 0, h = 0;
    if (TTF_SizeUTF8(mFont, text.c_str(), &w, &h) != 0) return 0;
    return w;
}

int Font::TextHeight(const std::string& text) const {
    return text.empty() ? 0 : Height();
}
