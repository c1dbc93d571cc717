#include "ui/Tempbitmap.h"

#include "model/Text.h"

std::unique_ptr<GTempBitmapCache> TempBitmaps;

Bitmap* GetTempBitmap(const std::string& directory, const std::string& fileName) {
    return TempBitmaps ? TempBitmaps->Get(directory, fileName, 0) : nullptr;
}

Bitmap* GTempBitmapCache::Get(const std::string& directory, const std::string& fileName,
                              uint8_t variant) {
    for (auto& slot : mSlots) {
        if (slot && !slot->IsEmpty() && slot->Variant == variant &&
            FieldText(slot->FileName) == fileName) {
            slot->LastUse = UseCounter; // a hit does not count
            return &slot->Bitmap;
        }
    }

    int victim = ChooseVictim();
    if (!mSlots[victim]) mSlots[victim] = std::make_unique<GTempBitmap>();
    GTempBitmap& slot = *mSlots[victim];
    CopyText(slot.FileName, fileName);
    slot.Variant = variant;
    if (!slot.Bitmap.LoadFromFile(directory + fileName)) {
        // Not remembered as missing: the next request tries the file again.
        slot.FileName[0] = '\0';
        slot.Variant = 0;
        slot.LastUse = 0;
    }
    slot.LastUse = UseCounter;
    return slot.IsEmpty() ? nullptr : &slot.Bitmap;
}

int GTempBitmapCache::ChooseVictim() {
    if (++UseCounter > CounterLimit) {
        // Keep the stamps within 0..4095; old ones meet at 0.
        for (auto& slot : mSlots) {
            if (!slot || slot->IsEmpty()) continue;
            slot->LastUse = slot->LastUse > CounterLimit ? slot->LastUse - CounterLimit : 0;
        }
        UseCounter -= CounterLimit;
    }
    for (int i = 0; i < SlotCount; ++i)
        if (!mSlots[i] || mSlots[i]->IsEmpty()) return i;
    int victim = 0;
    int32_t oldest = UseCounter;
    for (int i = 0; i < SlotCount; ++i) {
        if (mSlots[i]->LastUse < oldest) {
            oldest = mSlots[i]->LastUse;
            victim = i;
        }
    }
    return victim;
}
