#include "platform/CursorTable.h"

#include "platform/Files.h"

#include <SDL.h>

namespace {

// Bounds-checked little-endian reads over the file's bytes.
struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    bool Has(std::uint64_t offset, std::uint64_t count) const {
        return offset <= size && count <= size - offset;
    }
    std::uint32_t U16(std::size_t at) const {
        return data[at] | (std::uint32_t(data[at + 1]) << 8);
    }
    std::uint32_t U32(std::size_t at) const { return U16(at) | (U16(at + 2) << 16); }
};

constexpr int kMaxSide = 256;
constexpr std::size_t kMaxFile = 1 << 20;

} // namespace

bool ParseCursorFile(const std::uint8_t* data, std::size_t size, CursorImage& out) {
    const Reader r{data, size};
    if (!data || !r.Has(0, 6 + 16)) return false;
    if (r.U16(0) != 0 || r.U16(2) != 2 || r.U16(4) == 0) return false;
    const int hotX = static_cast<int>(r.U16(6 + 4));
    const int hotY = static_cast<int>(r.U16(6 + 6));
    const std::uint64_t offset = r.U32(6 + 12);

    if (!r.Has(offset, 40)) return false;
    const std::uint8_t* png = data + offset;
    if (png[0] == 0x89 && png[1] == 'P' && png[2] == 'N' && png[3] == 'G') return false;
    const std::uint32_t headerSize = r.U32(offset);
    const auto width = static_cast<std::int32_t>(r.U32(offset + 4));
    const auto doubleHeight = static_cast<std::int32_t>(r.U32(offset + 8));
    const std::uint32_t planes = r.U16(offset + 12);
    const std::uint32_t bits = r.U16(offset + 14);
    const std::uint32_t compression = r.U32(offset + 16);
    const std::uint32_t colorsUsed = r.U32(offset + 32);
    if (headerSize < 40 || headerSize > 4096 || planes != 1 || compression != 0) return false;
    if (width < 1 || width > kMaxSide || doubleHeight < 2 || doubleHeight > 2 * kMaxSide)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
    const int w = width, h = doubleHeight / 2;

    std::uint64_t at = offset + headerSize;
    std::uint32_t paletteSize = 0;
    if (bits <= 8) {
        paletteSize = colorsUsed ? colorsUsed : (1u << bits);
        if (paletteSize > (1u << bits)) return false;
    }
    const std::uint64_t palette = at;
    at += std::uint64_t(paletteSize) * 4;
    const std::uint64_t xorStride = ((std::uint64_t(w) * bits + 31) / 32) * 4;
    const std::uint64_t andStride = ((std::uint64_t(w) + 31) / 32) * 4;
    const std::uint64_t xorAt = at, andAt = at + xorStride * h;
    if (!r.Has(palette, andAt + andStride * h - palette)) return false;

    CursorImage img;
    img.width = w;
    img.height = h;
    img.hotX = hotX < w ? hotX : w - 1;
    img.hotY = hotY < h ? hotY : h - 1;
    img.pixels.assign(std::size_t(w) * h, 0);
    bool anyAlpha = false;
    for (int y = 0; y < h; ++y) {
        // Rows are stored bottom-up.
        const std::uint8_t* row = data + xorAt + xorStride * std::uint64_t(h - 1 - y);
        const std::uint8_t* mask = data + andAt + andStride * std::uint64_t(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            std::uint32_t argb = 0;
            if (bits == 32) {
                const std::uint8_t* p = row + x * 4;
                argb = (std::uint32_t(p[3]) << 24) | (std::uint32_t(p[2]) << 16) |
                       (std::uint32_t(p[1]) << 8) | p[0];
                anyAlpha = anyAlpha || p[3] != 0;
            } else if (bits == 24) {
                const std::uint8_t* p = row + x * 3;
                argb = (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
            } else {
                const int perByte = 8 / static_cast<int>(bits);
                const std::uint8_t byte = row[x / perByte];
                const int shift = (perByte - 1 - x % perByte) * static_cast<int>(bits);
                const std::uint32_t index = (byte >> shift) & ((1u << bits) - 1);
                if (index < paletteSize) {
                    const std::uint8_t* p = data + palette + index * 4;
                    argb = (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
                }
            }
            const bool transparent = (mask[x / 8] >> (7 - x % 8)) & 1;
            if (bits != 32) argb = transparent ? 0 : (argb | 0xFF000000u);
            img.pixels[std::size_t(y) * w + x] = argb;
        }
    }
    // A 32-bit cursor without any alpha takes its shape from the mask.
    if (bits == 32 && !anyAlpha) {
        for (int y = 0; y < h; ++y) {
            const std::uint8_t* mask = data + andAt + andStride * std::uint64_t(h - 1 - y);
            for (int x = 0; x < w; ++x) {
                std::uint32_t& p = img.pixels[std::size_t(y) * w + x];
                p = ((mask[x / 8] >> (7 - x % 8)) & 1) ? 0 : (p | 0xFF000000u);
            }
        }
    }
    out = std::move(img);
    return true;
}

CursorTable::~CursorTable() {
    Clear();
}

void CursorTable::Clear() {
    for (auto& [entry, cursor] : mCursors)
        if (cursor && SDL_WasInit(SDL_INIT_VIDEO)) SDL_FreeCursor(cursor);
    mCursors.clear();
    mImages.clear();
}

bool CursorTable::Load(int entry, const std::string& path) {
    if (auto it = mCursors.find(entry); it != mCursors.end()) {
        if (it->second && SDL_WasInit(SDL_INIT_VIDEO)) SDL_FreeCursor(it->second);
        mCursors.erase(it);
    }
    CursorImage img;
    std::vector<std::uint8_t> bytes;
    const bool ok =
        Files::ReadAll(path, bytes, kMaxFile) && ParseCursorFile(bytes.data(), bytes.size(), img);
    mImages[entry] = ok ? std::move(img) : CursorImage{};
    return ok;
}

const CursorImage& CursorTable::Image(int entry) const {
    static const CursorImage none;
    auto it = mImages.find(entry);
    return it == mImages.end() ? none : it->second;
}

SDL_Cursor* CursorTable::Get(int entry) {
    if (auto it = mCursors.find(entry); it != mCursors.end()) return it->second;
    const CursorImage& img = Image(entry);
    if (img.IsEmpty() || !SDL_WasInit(SDL_INIT_VIDEO)) return nullptr;
    SDL_Surface* s =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(img.pixels.data()), img.width,
                                           img.height, 32, img.width * 4, SDL_PIXELFORMAT_ARGB8888);
    SDL_Cursor* cursor = s ? SDL_CreateColorCursor(s, img.hotX, img.hotY) : nullptr;
    if (s) SDL_FreeSurface(s);
    mCursors[entry] = cursor;
    return cursor;
}

CursorTable& ScreenCursors() {
    static CursorTable table;
    return table;
}
