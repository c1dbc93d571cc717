// Feeds arbitrary bytes to the cursor-file reader: it must never read past the
// input, and an image it accepts must be consistent.
#include "platform/CursorTable.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CursorImage img;
    if (ParseCursorFile(data, size, img)) {
        if (img.width < 1 || img.width > 256 || img.height < 1 || img.height > 256) std::abort();
        if (img.pixels.size() != std::size_t(img.width) * std::size_t(img.height)) std::abort();
        if (img.hotX < 0 || img.hotX >= img.width || img.hotY < 0 || img.hotY >= img.height)
            std::abort();
    }
    return 0;
}
