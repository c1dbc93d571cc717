// The game's one random generator and the draws every rule rests on.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

// Seeds the generator (start-up seeds it from the clock; tests and quelbrin-sim set it).
void SeedRandom(uint32_t seed);
// Uniform integers 0 .. 2^31 - 1.
int32_t RandomInt();
// Passes when trunc(clamp(p, 0, 1) * 4095) >= RandomInt() mod 4095; NaN counts as 0.
bool ChanceTest(double p);
// lo + (RandomInt() mod 4095) * (hi - lo) / 4095.
double RandomBetween(double lo, double hi);
// One of the texts with equal chance (RandomInt() mod n).
std::string PickPhrase(std::initializer_list<const char*> phrases);

// Tests replace the generator with their own sequence; an empty function restores it.
void SetRandomSourceForTesting(std::function<int32_t()> source);
