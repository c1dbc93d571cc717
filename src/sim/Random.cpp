// PCG32 generators (64-bit state, XSH-RR output): one for the game, one for the presentation.
#include "sim/Random.h"

#include <cmath>
#include <utility>

namespace {

struct Pcg32 {
    uint64_t State = 0x853c49e6748fea9bULL;
    static constexpr uint64_t Multiplier = 6364136223846793005ULL;
    static constexpr uint64_t Increment = 1442695040888963407ULL;

    void Seed(uint64_t seed) {
        State = 0;
        Next();
        State += seed;
        Next();
    }

    uint32_t Next() {
        uint64_t old = State;
        State = old * Multiplier + Increment;
        auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
        auto rot = static_cast<uint32_t>(old >> 59u);
        return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
    }
};

Pcg32& Generator() {
    static Pcg32 g;
    return g;
}

Pcg32& PresentationGenerator() {
    static Pcg32 g;
    return g;
}

std::function<int32_t()>& TestSource() {
    static std::function<int32_t()> source;
    return source;
}

int32_t Draw(Pcg32& g) {
    if (TestSource()) {
        // A test sequence may hand out anything; the callers rely on 0 .. 2^31 - 1.
        return static_cast<int32_t>(static_cast<uint32_t>(TestSource()()) & 0x7FFFFFFFu);
    }
    return static_cast<int32_t>(g.Next() >> 1);
}

bool Chance(Pcg32& g, double p) {
    if (std::isnan(p)) p = 0;
    if (p < 0) p = 0;
    if (p > 1) p = 1;
    auto a = static_cast<int32_t>(p * 4095);
    return a >= Draw(g) % 4095;
}

std::string Phrase(Pcg32& g, std::initializer_list<const char*> phrases) {
    if (phrases.size() == 0) return std::string();
    int32_t k = Draw(g) % static_cast<int32_t>(phrases.size());
    const char* text = *(phrases.begin() + k);
    return text ? text : "";
}

} // namespace

void SeedRandom(uint32_t seed) {
    Generator().Seed(seed);
}

int32_t RandomInt() {
    return Draw(Generator());
}

bool ChanceTest(double p) {
    return Chance(Generator(), p);
}

double RandomBetween(double lo, double hi) {
    return lo + (RandomInt() % 4095) * (hi - lo) / 4095;
}

std::string PickPhrase(std::initializer_list<const char*> phrases) {
    return Phrase(Generator(), phrases);
}

void SeedPresentationRandom(uint32_t seed) {
    PresentationGenerator().Seed(seed);
}

int32_t PresentationRandomInt() {
    return Draw(PresentationGenerator());
}

bool PresentationChance(double p) {
    return Chance(PresentationGenerator(), p);
}

std::string PresentationPhrase(std::initializer_list<const char*> phrases) {
    return Phrase(PresentationGenerator(), phrases);
}

void SetRandomSourceForTesting(std::function<int32_t()> source) {
    TestSource() = std::move(source);
}
