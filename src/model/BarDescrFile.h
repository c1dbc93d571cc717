// Building description files: Buildings/*.dat beside the program, 1068 bytes each
// (the label 9047, then one BarDescr record).
#pragma once

#include "model/Gamedata.h"

#include <cstddef>
#include <cstdint>
#include <string>

constexpr int32_t BarDescrFileLabel = 9047;
constexpr std::size_t BarDescrFileSize = 4 + sizeof(BarDescr);

enum class BarDescrParse { Ok, BadLabel, BadFormat };

// Reads one file's bytes into out and makes its values safe to use: text fields
// end within their arrays, Capacity lies in 0..50, and negative values, inflows
// and potentials become 0.
BarDescrParse ParseBarDescrFile(const uint8_t* data, std::size_t size, BarDescr& out);

// The image of a record as a file (used by the content generator and by tests).
std::string BarDescrFileBytes(const BarDescr& d);

// Empties GameState.BarDescrs and fills it from the Buildings folder, sorted by Id;
// every bad file is reported through ReportModelError and skipped.
void LoadBarDescrs();
