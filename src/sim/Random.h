// The game's random generator and the draws every rule rests on, and the presentation's own.
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

// The presentation's generator (sound picks and fades, dialog background offsets). Its draws
// follow wall-clock timing, so they stay off the game's sequence: the game then depends only on
// the seed, the player's requests and the hour ticks. Same draws and distributions as above.
void SeedPresentationRandom(uint32_t seed);
int32_t PresentationRandomInt();
bool PresentationChance(double p);
std::string PresentationPhrase(std::initializer_list<const char*> phrases);

// Tests replace both generators with their own sequence; an empty function restores them.
void SetRandomSourceForTesting(std::function<int32_t()> source);
