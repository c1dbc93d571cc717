// The screen's numbered mouse cursors, loaded from Windows cursor files (.cur)
// by a bounded reader of our own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct SDL_Cursor;

// One cursor image as 32-bit 0xAARRGGBB pixels, top row first.
struct CursorImage {
    int width = 0;
    int height = 0;
    int hotX = 0;
    int hotY = 0;
    std::vector<std::uint32_t> pixels;
    bool IsEmpty() const { return width == 0 || height == 0; }
};

// Reads the first image of a .cur file: 32-bit (alpha), 24-bit or paletted
// 1/4/8-bit with its AND mask; PNG-compressed images are not read. Never reads
// past the data; a broken file gives false.
bool ParseCursorFile(const std::uint8_t* data, std::size_t size, CursorImage& out);

class CursorTable {
public:
    CursorTable() = default;
    ~CursorTable();
    CursorTable(const CursorTable&) = delete;
    CursorTable& operator=(const CursorTable&) = delete;

    // Loads the file into the entry; a missing or broken file leaves the entry
    // empty (the system's arrow is shown for it). True when it loaded.
    bool Load(int entry, const std::string& path);
    // The entry's image (empty when none), e.g. for tests.
    const CursorImage& Image(int entry) const;
    // The SDL cursor of the entry, made on first use; null for an empty entry
    // or before the video system runs.
    SDL_Cursor* Get(int entry);
    void Clear();

private:
    std::map<int, CursorImage> mImages;
    std::map<int, SDL_Cursor*> mCursors;
};

// The table the program's windows take their cursors from.
CursorTable& ScreenCursors();
