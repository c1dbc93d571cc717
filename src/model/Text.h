// Bounded copies into the records' fixed text fields.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Copies at most size - 1 characters of text into field and always ends it with
// a terminating zero; a null text counts as empty.
void CopyText(char* field, const char* text, std::size_t size);
void CopyText(char* field, std::string_view text, std::size_t size);

template <std::size_t N> void CopyText(char (&field)[N], std::string_view text) {
    CopyText(field, text, N);
}

// Reads a fixed text field that may lack its terminator: the text ends at the
// first NUL or at the end of the array.
template <std::size_t N> std::string FieldText(const char (&field)[N]) {
    std::size_t n = 0;
    while (n < N && field[n] != '\0') ++n;
    return std::string(field, n);
}

// Makes sure a fixed text field ends within its array.
template <std::size_t N> void TerminateField(char (&field)[N]) { field[N - 1] = '\0'; }
