#pragma once

#include "SoundsSynth.h"

#include <string>

// Encodes at 44.1 kHz with the given VBR quality; throws ContentError when the
// file cannot be written.
void EncodeOgg(const Sound& sound, const std::string& path, float quality, int serial);
