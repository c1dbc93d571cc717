// Fonts by family name and size in points at 96 DPI, resolved through
// fontconfig ("Arial" gives Liberation Sans on Debian), opened with SDL2_ttf.
#pragma once

#include <string>

typedef struct _TTF_Font TTF_Font;

struct FontSpec {
    std::string name = "Arial";
    int size = 8; // points
    bool bold = false;
    bool underline = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

class Font {
public:
    // An open font for the wanted face; null when no font file can be found or opened.
    // Fonts are cached for the program's life and shared.
    static Font* Get(const FontSpec& want);
    // The font file fontconfig picks for a family name and weight; empty if none.
    static std::string ResolveFile(const std::string& name, bool bold);

    int Height() const;   // the height of one line of text
    int LineSkip() const; // the distance between baselines the font recommends
    int Ascent() const;
    // Width and height of one line of UTF-8 text; 0 x 0 for an empty text.
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;

    TTF_Font* Handle() const { return mFont; }
    bool Underline() const { return mUnderline; }

    Font(TTF_Font* font, bool underline) : mFont(font), mUnderline(underline) {}
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

private:
    TTF_Font* mFont;
    bool mUnderline;
};
