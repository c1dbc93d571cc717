// Feeds arbitrary bytes to the building-file reader: it must never read past the
// input, and whatever it accepts must be safe to use.
#include "model/BarDescrFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    BarDescr d;
    std::memset(&d, 0, sizeof d);
    if (ParseBarDescrFile(data, size, d) == BarDescrParse::Ok) {
        if (d.Capacity < 0 || d.Capacity > MaxGroups || d.Value < 0 || d.Inflow < 0) std::abort();
        if (std::strlen(d.Name) >= sizeof d.Name || std::strlen(d.Location) >= sizeof d.Location)
            std::abort();
        for (int32_t p : d.Potential)
            if (p < 0) std::abort();
    }
    return 0;
}
