#include "model/Text.h"

#include <cstring>

void CopyText(char* field, const char* text, std::size_t size) {
    CopyText(field, std::string_view(text ? text : ""), size);
}

void CopyText(char* field, std::string_view text, std::size_t size) {
    if (field == nullptr || size == 0) return;
    std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    if (n > 0) std::memcpy(field, text.data(), n);
    field[n] = '\0';
}
