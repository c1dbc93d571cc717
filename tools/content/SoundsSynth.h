// Small building blocks for the game's synthesized sounds: a seeded noise
// source, filters, a room reverb and the bar's recurring voices and objects.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kSoundRate = 44100;

using Samples = std::vector<float>;

// A stereo or mono recording in progress.
struct Sound {
    int Channels = 2;
    Samples L, R; // R unused when mono

    Sound(int channels, double seconds);
    size_t Frames() const { return L.size(); }
    // Adds a mono source at start (frames) with a pan in -1..1; with wrap the
    // part past the end comes back at the start, so loops stay whole.
    void Add(const Samples& src, long start, float gain, float pan = 0.0f, bool wrap = false);
    float Peak() const;
    void Scale(float gain);
    // Brings the peak to the given level.
    void Normalize(float peak);
    // Short fades at both ends, for one-shot effects.
    void FadeEnds(double inSeconds, double outSeconds);
};

// Deterministic noise (splitmix64).
class Rng {
public:
    explicit Rng(uint64_t seed) : mState(seed) {}
    uint64_t Next();
    double Uniform(); // [0, 1)
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
    float Noise() { return float(Uniform() * 2.0 - 1.0); }

private:
    uint64_t mState;
};

// A biquad in direct form I (the usual audio cookbook shapes).
class Biquad {
public:
    static Biquad LowPass(double freq, double q = 0.707);
    static Biquad HighPass(double freq, double q = 0.707);
    static Biquad BandPass(double freq, double q); // 0 dB at the centre
    void SetBandPass(double freq, double q);
    float Process(float x);
    void Run(Samples& s) {
        for (float& x : s)
            x = Process(x);
    }

private:
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// Runs an in-place filter over a loop twice, so the state at the seam is the
// state the loop itself leaves: the result joins its own start.
template <class Filter> void RunLooped(Filter& f, Samples& s) {
    for (float x : s)
        (void)f.Process(x);
    for (float& x : s)
        x = f.Process(x);
}

// A small room: parallel combs into series all-passes, one set per channel.
class Reverb {
public:
    Reverb(double roomSize, double damping, int spread);
    float Process(float x);

private:
    struct Comb {
        std::vector<float> Line;
        size_t Pos = 0;
        float Store = 0;
    };
    struct AllPass {
        std::vector<float> Line;
        size_t Pos = 0;
    };
    std::vector<Comb> mCombs;
    std::vector<AllPass> mAllPasses;
    float mFeedback, mDamp;
};

// Adds a wet room to a sound; looped keeps a loop's seam.
void AddRoom(Sound& s, double roomSize, float wet, bool looped);

// Recurring sounds of the bar, each a mono sample list.
Samples GlassClink(Rng& rng, double pitch); // a glass touching another
Samples BottleKnock(Rng& rng);              // a bottle set down on wood
Samples Thump(double freq, double seconds); // a soft low knock
Samples NoiseBurst(Rng& rng, double seconds, double lowCut, double highCut, double decay);
Samples Bell(double freq, double seconds);
// A speaking voice for the given time: syllables through moving vowel
// formants, in phrases with pauses; pitch is its fundamental in Hz.
Samples Voice(Rng& rng, double seconds, double pitch, double liveliness);
// A short burst of laughter.
Samples Laugh(Rng& rng, double pitch);

// A length of crowd murmur that loops: voices rendered past the end and the
// tail folded over the start with an equal-power crossfade.
Sound CrowdLoop(Rng& rng, double seconds, int voices, double liveliness);

// Music from the next room: a looping groove of bars at the given tempo,
// heard through a wall. bars x 4 beats fills the loop exactly.
struct MusicStyle {
    double Tempo = 120;
    int Bars = 16;
    int Root = 45; // MIDI note of the key
    bool Minor = false;
    bool Swing = false;
    double MelodyDensity = 0; // chance of a melody note per eighth
};
Sound MusicLoop(Rng& rng, const MusicStyle& style);
double MusicLoopSeconds(const MusicStyle& style);
