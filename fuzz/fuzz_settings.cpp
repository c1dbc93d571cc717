// Feeds arbitrary bytes to the settings reader: whatever it accepts must write
// back into a file that reads as the same values.
#include "persist/Settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    const auto values = SettingsStore::Parse(content);
    const auto again = SettingsStore::Parse(SettingsStore::Format(values));
    if (again.size() != values.size()) std::abort();
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto &a = values[i], &b = again[i];
        if (a.name.empty() || a.name != b.name || a.kind != b.kind || a.number != b.number ||
            a.text != b.text)
            std::abort();
    }
    return 0;
}
