// The distant band of the ambience loops: bass, electric piano, brushes and an
// occasional vibraphone line, rendered around the loop so its bars join.
#include "SoundsSynth.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

double NoteFreq(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

Samples Pluck(double freq, double seconds) {
    Samples s(size_t(seconds * kSoundRate), 0.0f);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kSoundRate;
        const double env = std::exp(-t / 0.35) * std::min(1.0, t / 0.004);
        s[i] = float(env * (std::sin(2 * kPi * freq * t) + 0.35 * std::sin(4 * kPi * freq * t)));
    }
    return s;
}

// A tine struck by a hammer: a little frequency modulation that fades fast.
Samples Tine(double freq, double seconds) {
    Samples s(size_t(seconds * kSoundRate), 0.0f);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kSoundRate;
        const double env = std::exp(-t / 0.9) * std::min(1.0, t / 0.003);
        const double mod = 1.2 * std::exp(-t / 0.12) * std::sin(2 * kPi * freq * t);
        s[i] = float(env * std::sin(2 * kPi * freq * t + mod));
    }
    // Released at the end.
    const size_t rel = std::min(s.size(), size_t(0.05 * kSoundRate));
    for (size_t i = 0; i < rel; ++i)
        s[s.size() - 1 - i] *= float(i) / float(rel);
    return s;
}

Samples Vibes(double freq) {
    Samples s(size_t(1.4 * kSoundRate), 0.0f);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kSoundRate;
        const double trem = 1.0 - 0.25 * (1 + std::sin(2 * kPi * 5.5 * t)) / 2;
        s[i] = float(std::exp(-t / 0.5) * std::min(1.0, t / 0.002) * trem *
                     (std::sin(2 * kPi * freq * t) + 0.2 * std::sin(2 * kPi * freq * 4 * t)));
    }
    return s;
}

struct Chord {
    int Offset;   // from the key's root
    int Tones[4]; // the voicing above the chord's root
    int Scale[5]; // a pentatonic line that fits
};

// I vi ii V in major; i VI III VII in minor.
constexpr Chord kMajor[] = {{0, {4, 7, 11, 14}, {0, 2, 4, 7, 9}},
                            {9, {3, 7, 10, 14}, {0, 3, 5, 7, 10}},
                            {2, {3, 7, 10, 14}, {0, 3, 5, 7, 10}},
                            {7, {4, 7, 10, 14}, {0, 2, 4, 7, 9}}};
constexpr Chord kMinor[] = {{0, {3, 7, 10, 14}, {0, 3, 5, 7, 10}},
                            {8, {4, 7, 11, 14}, {0, 2, 4, 7, 9}},
                            {3, {4, 7, 11, 14}, {0, 2, 4, 7, 9}},
                            {10, {4, 7, 10, 14}, {0, 2, 4, 7, 9}}};

} // namespace

double MusicLoopSeconds(const MusicStyle& style) {
    return style.Bars * 4 * 60.0 / style.Tempo;
}

Sound MusicLoop(Rng& rng, const MusicStyle& style) {
    Sound out(2, MusicLoopSeconds(style));
    const double beat = 60.0 / style.Tempo;
    auto at = [&](int bar, double beats) {
        return long(std::lround((bar * 4 + beats) * beat * kSoundRate));
    };
    const int barsPerChord = style.Bars % 8 == 0 ? 2 : 1;
    const Chord* chords = style.Minor ? kMinor : kMajor;
    const Samples kick = Thump(55, 0.35);
    for (int bar = 0; bar < style.Bars; ++bar) {
        const Chord& c = chords[(bar / barsPerChord) % 4];
        const int root = style.Root + c.Offset;
        // Walking bass: root, fifth, octave, a step towards the next chord.
        const int walk[4] = {0, 7, 12, 10};
        for (int b = 0; b < 4; ++b)
            out.Add(Pluck(NoteFreq(root - 12 + walk[b]), beat * 1.1), at(bar, b), 0.55f, 0.0f,
                    true);
        // Piano on the one and on the and-of-two.
        for (double when : {0.0, 1.5}) {
            for (int tone : c.Tones)
                out.Add(Tine(NoteFreq(root + 12 + tone), beat * (when == 0 ? 1.4 : 2.3)),
                        at(bar, when), 0.12f, -0.35f, true);
        }
        // Kick on one and three, brushes on two and four, hats on the eighths.
        for (int b : {0, 2})
            out.Add(kick, at(bar, b), 0.5f, 0.0f, true);
        for (int b : {1, 3}) {
            Samples brush = NoiseBurst(rng, 0.25, 900, 6000, 0.07);
            out.Add(brush, at(bar, b), 0.3f, 0.1f, true);
        }
        for (int e = 0; e < 8; ++e) {
            const double off = (e % 2 && style.Swing) ? 0.17 : 0.0;
            Samples hat = NoiseBurst(rng, 0.06, 7000, 14000, e % 2 ? 0.012 : 0.02);
            out.Add(hat, at(bar, e * 0.5 + off), 0.18f, 0.45f, true);
        }
        // The odd vibraphone note over the top.
        for (int e = 0; e < 8; ++e) {
            if (rng.Uniform() >= style.MelodyDensity) continue;
            const int degree = c.Scale[rng.Next() % 5];
            const int octave = rng.Uniform() < 0.5 ? 24 : 36;
            out.Add(Vibes(NoteFreq(style.Root + c.Offset % 12 + degree + octave - 12)),
                    at(bar, e * 0.5), 0.22f, 0.3f, true);
        }
    }
    // Through the wall: the highs are gone and the room rings.
    for (Samples* ch : {&out.L, &out.R}) {
        Biquad lp = Biquad::LowPass(1500);
        RunLooped(lp, *ch);
        Biquad lp2 = Biquad::LowPass(2200);
        RunLooped(lp2, *ch);
    }
    AddRoom(out, 0.7, 0.6f, true);
    return out;
}
