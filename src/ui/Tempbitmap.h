// Pictures needed now and then (photographs, portraits, icons), kept in 32
// slots and evicted least recently used, so painting never reads the disk for
// a picture it drew a moment ago.
#pragma once

#include "platform/Bitmap.h"

#include <cstdint>
#include <memory>
#include <string>

struct GTempBitmap {
    ::Bitmap Bitmap;
    char FileName[256] = {};
    uint8_t Variant = 0;
    int32_t LastUse = 0;

    bool IsEmpty() const { return FileName[0] == '\0' && Variant == 0; }
};

class GTempBitmapCache {
public:
    static constexpr int SlotCount = 32;
    static constexpr int32_t CounterLimit = 4095;

    GTempBitmapCache() = default;
    GTempBitmapCache(const GTempBitmapCache&) = delete;
    GTempBitmapCache& operator=(const GTempBitmapCache&) = delete;

    // The picture for (fileName, variant), loaded from directory + fileName on a
    // miss. The directory is not part of the key. Null when the file does not
    // load; the bitmap stays owned by the cache and a later miss may replace it.
    Bitmap* Get(const std::string& directory, const std::string& fileName, uint8_t variant = 0);

    // Null until the slot is first needed.
    const GTempBitmap* Slot(int i) const { return mSlots[i].get(); }

    int32_t UseCounter = 0; // counts misses

private:
    int ChooseVictim();

    std::unique_ptr<GTempBitmap> mSlots[SlotCount];
};

// The one cache of the program; the main window creates it before the panels.
// While it does not exist, pictures fetched through it draw nothing.
extern std::unique_ptr<GTempBitmapCache> TempBitmaps;

// TempBitmaps->Get, or null while there is no cache.
Bitmap* GetTempBitmap(const std::string& directory, const std::string& fileName);
