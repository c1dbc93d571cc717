#include "platform/Canvas.h"

#include "platform/Bitmap.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

std::uint32_t* Row(SDL_Surface* s, int y) {
    return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) + y * s->pitch);
}

// Length of the UTF-8 sequence that starts at text[i]; a stray byte counts as one.
std::size_t CharLength(const std::string& text, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    if (i + n > text.size()) n = 1;
    return n;
}

} // namespace

void Canvas::FillClipped(int left, int top, int right, int bottom, Color c) {
    SDL_Surface* s = mOwner.Surface();
    if (!s) return;
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, s->w);
    bottom = std::min(bottom, s->h);
    if (right <= left || bottom <= top) return;
    const std::uint32_t p = ToPixel(c);
    for (int y = top; y < bottom; ++y)
        std::fill(Row(s, y) + left, Row(s, y) + right, p);
}

void Canvas::FillRect(const Rect& r) {
    if (mBrushStyle == bsClear) return;
    FillClipped(r.left, r.top, r.right, r.bottom, mBrushColor);
}

void Canvas::FrameRect(const Rect& r) {
    if (r.IsEmpty()) return;
    FillClipped(r.left, r.top, r.right, r.top + 1, mPenColor);
    FillClipped(r.left, r.bottom - 1, r.right, r.bottom, mPenColor);
    FillClipped(r.left, r.top, r.left + 1, r.bottom, mPenColor);
    FillClipped(r.right - 1, r.top, r.right, r.bottom, mPenColor);
}

void Canvas::Rectangle(const Rect& r) {
    FillRect(r);
    if (r.IsEmpty()) return;
    const int w = std::min({mPenWidth, (r.Width() + 1) / 2, (r.Height() + 1) / 2});
    FillClipped(r.left, r.top, r.right, r.top + w, mPenColor);
    FillClipped(r.left, r.bottom - w, r.right, r.bottom, mPenColor);
    FillClipped(r.left, r.top, r.left + w, r.bottom, mPenColor);
    FillClipped(r.right - w, r.top, r.right, r.bottom, mPenColor);
}

void Canvas::LineTo(int x, int y) {
    // Bresenham from the pen position up to, but not including, (x, y).
    int x0 = mPenPos.x, y0 = mPenPos.y;
    const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    const int half = (mPenWidth - 1) / 2;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        FillClipped(x0 - half, y0 - half, x0 - half + mPenWidth, y0 - half + mPenWidth, mPenColor);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    mPenPos = {x, y};
}

void Canvas::CopyRect(const Rect& dst, const Bitmap& src, const Rect& srcRect) {
    SDL_Surface* to = mOwner.Surface();
    SDL_Surface* from = src.Surface();
    if (!to || !from || dst.IsEmpty() || srcRect.IsEmpty()) return;

    // Copying within one bitmap may overlap: read from a snapshot.
    SDL_Surface* snapshot = nullptr;
    if (to == from) {
        snapshot = SDL_DuplicateSurface(from);
        if (!snapshot) return;
        from = snapshot;
    }
    const long long dw = dst.Width(), dh = dst.Height();
    const long long sw = srcRect.Width(), sh = srcRect.Height();
    const int x0 = std::max(dst.left, 0), x1 = std::min(dst.right, to->w);
    const int y0 = std::max(dst.top, 0), y1 = std::min(dst.bottom, to->h);
    if (dw == sw && dh == sh) {
        // The common case, a copy without stretching: whole row pieces at once.
        const int shift = srcRect.left - dst.left;
        const int xs0 = std::max(x0, -shift), xs1 = std::min(x1, from->w - shift);
        for (int y = y0; y < y1 && xs0 < xs1; ++y) {
            const int sy = srcRect.top + (y - dst.top);
            if (sy < 0 || sy >= from->h) continue;
            std::memcpy(Row(to, y) + xs0, Row(from, sy) + xs0 + shift,
                        sizeof(std::uint32_t) * static_cast<std::size_t>(xs1 - xs0));
        }
        if (snapshot) SDL_FreeSurface(snapshot);
        return;
    }
    for (int y = y0; y < y1; ++y) {
        const long long sy = srcRect.top + (y - dst.top) * sh / dh;
        if (sy < 0 || sy >= from->h) continue;
        const std::uint32_t* in = Row(from, static_cast<int>(sy));
        std::uint32_t* out = Row(to, y);
        for (int x = x0; x < x1; ++x) {
            const long long sx = srcRect.left + (x - dst.left) * sw / dw;
            if (sx < 0 || sx >= from->w) continue;
            out[x] = in[sx];
        }
    }
    if (snapshot) SDL_FreeSurface(snapshot);
}

void Canvas::Draw(int x, int y, const Bitmap& src) {
    CopyRect({x, y, x + src.Width(), y + src.Height()}, src, {0, 0, src.Width(), src.Height()});
}

int Canvas::TextWidth(const std::string& text) {
    Font* f = CurrentFont();
    return f ? f->TextWidth(text) : 0;
}

int Canvas::TextHeight(const std::string&) {
    Font* f = CurrentFont();
    return f ? f->Height() : 0;
}

void Canvas::DrawLine(const std::string& text, int x, int y, int clipRight) {
    Font* f = CurrentFont();
    SDL_Surface* target = mOwner.Surface();
    if (!f || !target || text.empty()) return;
    if (mBrushStyle == bsSolid)
        FillClipped(x, y, std::min(x + f->TextWidth(text), clipRight), y + f->Height(),
                    mBrushColor);
    const SDL_Color c{mFontColor.r, mFontColor.g, mFontColor.b, 255};
    SDL_Surface* glyphs = TTF_RenderUTF8_Blended(f->Handle(), text.c_str(), c);
    if (!glyphs) return;
    SDL_SetSurfaceBlendMode(glyphs, SDL_BLENDMODE_BLEND);
    SDL_Rect oldClip;
    SDL_GetClipRect(target, &oldClip);
    SDL_Rect clip{0, 0, std::max(0, std::min(clipRight, target->w)), target->h};
    SDL_SetClipRect(target, &clip);
    SDL_Rect at{x, y, glyphs->w, glyphs->h};
    SDL_BlitSurface(glyphs, nullptr, target, &at);
    SDL_SetClipRect(target, &oldClip);
    SDL_FreeSurface(glyphs);
}

void Canvas::TextOut(int x, int y, const std::string& text) {
    SDL_Surface* target = mOwner.Surface();
    if (target) DrawLine(text, x, y, target->w);
}

void Canvas::TextOutRight(int right, int y, const std::string& text) {
    TextOut(right - TextWidth(text), y, text);
}

std::vector<std::string> Canvas::WrapLines(int width, const std::string& text) {
    std::vector<std::string> lines;
    Font* f = CurrentFont();
    if (!f || text.empty()) return lines;
    auto fits = [&](const std::string& s) { return f->TextWidth(s) <= width; };

    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string para = text.substr(start, end - start);
        if (!para.empty() && para.back() == '\r') para.pop_back();

        std::string line;
        std::size_t i = 0;
        bool any = false;
        while (i < para.size()) {
            std::size_t spaceEnd = para.find_first_not_of(' ', i);
            if (spaceEnd == std::string::npos) break; // trailing spaces
            std::size_t wordEnd = para.find(' ', spaceEnd);
            if (wordEnd == std::string::npos) wordEnd = para.size();
            const std::string spaces = para.substr(i, spaceEnd - i);
            std::string word = para.substr(spaceEnd, wordEnd - spaceEnd);
            i = wordEnd;

            if (!line.empty() && fits(line + spaces + word)) {
                line += spaces + word;
                continue;
            }
            if (!line.empty()) {
                lines.push_back(line);
                line.clear();
            }
            // A word wider than the column is cut between characters.
            while (!fits(word)) {
                std::size_t cut = CharLength(word, 0);
                while (cut < word.size()) {
                    const std::size_t next = cut + CharLength(word, cut);
                    if (!fits(word.substr(0, next))) break;
                    cut = next;
                }
                if (cut >= word.size()) break;
                lines.push_back(word.substr(0, cut));
                word.erase(0, cut);
            }
            line = word;
            any = true;
        }
        if (!line.empty() || !any) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

int Canvas::MeasureWrapped(int width, const std::string& text) {
    return static_cast<int>(WrapLines(width, text).size()) * TextHeight(text);
}

int Canvas::DrawWrapped(const Rect& r, const std::string& text) {
    const std::vector<std::string> lines = WrapLines(r.Width(), text);
    const int h = TextHeight(text);
    int y = r.top;
    for (const std::string& line : lines) {
        DrawLine(line, r.left, y, r.right);
        y += h;
    }
    return static_cast<int>(lines.size()) * h;
}
