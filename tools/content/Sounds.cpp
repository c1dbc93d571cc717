// The game's sounds: interface clicks, a page, a notebook, two effects and
// four bar ambience loops, all synthesized here and written to Sounds/.
#include "Generator.h"
#include "SoundsEncode.h"
#include "SoundsSynth.h"

#include <cmath>
#include <filesystem>
#include <functional>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr float kQuality = 0.4f;

long At(double seconds) {
    return long(std::lround(seconds * kSoundRate));
}

Samples Shaped(double seconds, const std::function<float(double)>& f) {
    Samples s(size_t(At(seconds)), 0.0f);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = f(double(i) / kSoundRate);
    return s;
}

Sound Silence() {
    return Sound(1, 1.0);
}

// A crisp, bright tick.
Sound Click() {
    Sound s(1, 0.06);
    Rng rng(11);
    s.Add(Shaped(0.06,
                 [](double t) {
                     return float(0.8 * std::exp(-t / 0.004) * std::sin(2 * kPi * 3200 * t) +
                                  0.5 * std::exp(-t / 0.009) * std::sin(2 * kPi * 1150 * t));
                 }),
          0, 1.0f);
    s.Add(NoiseBurst(rng, 0.004, 2000, 12000, 0.0008), 0, 0.6f);
    s.FadeEnds(0.0003, 0.006);
    s.Normalize(0.7f);
    return s;
}

// A softer, lower "tock" with the key's release after it.
Sound Click2() {
    Sound s(1, 0.11);
    Rng rng(12);
    s.Add(Shaped(0.11,
                 [](double t) {
                     return float(0.9 * std::exp(-t / 0.018) * std::sin(2 * kPi * 620 * t) +
                                  0.4 * std::exp(-t / 0.010) * std::sin(2 * kPi * 1240 * t));
                 }),
          0, 1.0f);
    s.Add(NoiseBurst(rng, 0.006, 100, 2500, 0.0015), 0, 0.5f);
    s.Add(
        Shaped(0.02,
               [](double t) { return float(std::exp(-t / 0.003) * std::sin(2 * kPi * 1800 * t)); }),
        At(0.05), 0.35f);
    s.FadeEnds(0.0005, 0.01);
    s.Normalize(0.65f);
    return s;
}

// Paper sweeping through the air, with the flap as it lands.
Sound Page() {
    Sound s(1, 0.5);
    Rng rng(13);
    Biquad band, flutterLp = Biquad::LowPass(30);
    Samples swish(size_t(At(0.45)), 0.0f);
    for (size_t i = 0; i < swish.size(); ++i) {
        const double t = double(i) / kSoundRate;
        if (i % 32 == 0) band.SetBandPass(900 + 2300 * std::sin(std::min(1.0, t / 0.4) * kPi), 0.9);
        const double rise = std::min(1.0, t / 0.06);
        const double fall = t < 0.3 ? 1.0 : std::max(0.0, 1.0 - (t - 0.3) / 0.15);
        const double flutter = 0.6 + 4.0 * std::fabs(flutterLp.Process(rng.Noise()));
        swish[i] = band.Process(rng.Noise()) * float(rise * rise * fall * flutter);
    }
    s.Add(swish, 0, 1.0f);
    s.Add(NoiseBurst(rng, 0.08, 150, 1200, 0.02), At(0.33), 0.6f);
    s.Add(Thump(140, 0.08), At(0.33), 0.2f);
    s.FadeEnds(0.002, 0.02);
    s.Normalize(0.6f);
    return s;
}

// A leather notebook: the spine gives, the cover lands, the pages fan out.
Sound BookOpen() {
    Sound s(1, 0.9);
    Rng rng(14);
    Biquad creakBand = Biquad::BandPass(650, 3);
    Samples creak(size_t(At(0.22)), 0.0f);
    for (long next = 0; next < long(creak.size());) {
        creak[size_t(next)] = float(rng.Range(0.5, 1.0));
        next += At(rng.Range(0.004, 0.011));
    }
    creakBand.Run(creak);
    s.Add(creak, 0, 1.5f);
    s.Add(Thump(85, 0.25), At(0.22), 0.9f);
    s.Add(NoiseBurst(rng, 0.1, 60, 900, 0.03), At(0.22), 0.5f);
    Biquad band = Biquad::BandPass(2500, 0.7), flutterLp = Biquad::LowPass(25);
    Samples rustle(size_t(At(0.5)), 0.0f);
    for (size_t i = 0; i < rustle.size(); ++i) {
        const double t = double(i) / kSoundRate;
        const double env = std::sin(std::min(1.0, t / 0.5) * kPi);
        const double flutter = 0.4 + 5.0 * std::fabs(flutterLp.Process(rng.Noise()));
        rustle[i] = band.Process(rng.Noise()) * float(env * flutter);
    }
    s.Add(rustle, At(0.3), 0.35f);
    s.FadeEnds(0.002, 0.05);
    s.Normalize(0.65f);
    return s;
}

// One "cheers!": a vowel from "eh" to "ee" on a rising voice.
Samples Cheer(Rng& rng, double pitch) {
    const double len = rng.Range(0.3, 0.42);
    Biquad f1, f2;
    double phase = 0;
    Samples s(size_t(At(len)), 0.0f);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kSoundRate, u = t / len;
        if (i % 32 == 0) {
            f1.SetBandPass(530 - 260 * u, 6);
            f2.SetBandPass(1840 + 450 * u, 9);
        }
        phase += pitch * (1.0 + 0.15 * u) / kSoundRate;
        if (phase >= 1) phase -= 1;
        const float src = float(1.0 - 2.0 * phase) + rng.Noise() * 0.1f;
        const double env = std::min(1.0, t / 0.03) * std::min(1.0, (len - t) / 0.08);
        s[i] = (f1.Process(src) + f2.Process(src) * 0.7f) * float(env);
    }
    return s;
}

Sound Toast() {
    Sound s(2, 3.2);
    Rng rng(21);
    for (int v = 0; v < 6; ++v)
        s.Add(Cheer(rng, rng.Range(110, 240)), At(rng.Range(0.1, 0.3)), 0.5f,
              float(rng.Range(-0.7, 0.7)));
    for (int c = 0; c < 6; ++c)
        s.Add(GlassClink(rng, rng.Range(2200, 3400)), At(0.6 + c * 0.07 + rng.Range(0, 0.04)), 0.3f,
              float(rng.Range(-0.6, 0.6)));
    s.Add(Laugh(rng, 190), At(1.25), 0.35f, -0.3f);
    s.Add(Laugh(rng, 120), At(1.5), 0.3f, 0.4f);
    for (int v = 0; v < 3; ++v)
        s.Add(Voice(rng, 3.2, rng.Range(100, 220), 1.2), 0, 0.12f, float(rng.Range(-0.8, 0.8)));
    AddRoom(s, 0.5, 0.35f, false);
    s.FadeEnds(0.01, 0.5);
    s.Normalize(0.8f);
    return s;
}

Sound CashRegister() {
    Sound s(2, 2.4);
    Rng rng(22);
    for (double t : {0.0, 0.16, 0.3}) {
        s.Add(NoiseBurst(rng, 0.04, 1500, 6000, 0.006), At(t), 0.7f, -0.1f);
        s.Add(Thump(320, 0.05), At(t), 0.4f, -0.1f);
    }
    for (int k = 0; k < 10; ++k)
        s.Add(NoiseBurst(rng, 0.01, 2500, 9000, 0.002), At(0.45 + k * 0.025), 0.5f);
    s.Add(Bell(2093, 1.5), At(0.72), 0.45f, 0.2f);
    // The drawer rolls out and stops.
    Biquad rumble = Biquad::LowPass(400), rollers = Biquad::BandPass(1200, 2);
    Samples slide(size_t(At(0.32)), 0.0f);
    for (size_t i = 0; i < slide.size(); ++i) {
        const double t = double(i) / kSoundRate;
        const double env = std::min(1.0, t / 0.05);
        const float n = rng.Noise();
        slide[i] = (rumble.Process(n) * 2.0f + rollers.Process(n) * 0.6f) * float(env);
    }
    s.Add(slide, At(0.74), 0.6f);
    s.Add(Thump(110, 0.3), At(1.06), 0.9f);
    s.Add(NoiseBurst(rng, 0.06, 200, 3000, 0.015), At(1.06), 0.6f);
    for (int c = 0; c < 6; ++c)
        s.Add(GlassClink(rng, rng.Range(4500, 6500)), At(1.1 + rng.Range(0, 0.45)), 0.12f,
              float(rng.Range(-0.5, 0.5)));
    AddRoom(s, 0.3, 0.2f, false);
    s.FadeEnds(0.002, 0.4);
    s.Normalize(0.8f);
    return s;
}

// Glasses, bottles and laughter scattered around a loop.
struct BarNoises {
    int Clinks = 0, Bottles = 0, Laughs = 0;
    float ClinkGain = 0.2f;
};

void Scatter(Sound& s, Rng& rng, const BarNoises& n) {
    const long len = long(s.Frames());
    for (int i = 0; i < n.Clinks; ++i) {
        const long at = long(rng.Uniform() * double(len));
        const double pitch = rng.Range(1800, 3600);
        s.Add(GlassClink(rng, pitch), at, n.ClinkGain * float(rng.Range(0.4, 1.0)),
              float(rng.Range(-0.9, 0.9)), true);
        if (rng.Uniform() < 0.5) // the other glass answers
            s.Add(GlassClink(rng, pitch * rng.Range(1.05, 1.25)), at + At(rng.Range(0.002, 0.01)),
                  n.ClinkGain * 0.6f, float(rng.Range(-0.9, 0.9)), true);
    }
    for (int i = 0; i < n.Bottles; ++i)
        s.Add(BottleKnock(rng), long(rng.Uniform() * double(len)), 0.35f,
              float(rng.Range(-0.7, 0.7)), true);
    for (int i = 0; i < n.Laughs; ++i)
        s.Add(Laugh(rng, rng.Range(110, 230)), long(rng.Uniform() * double(len)), 0.3f,
              float(rng.Range(-0.8, 0.8)), true);
}

struct AmbientRecipe {
    uint64_t Seed = 0;
    double Seconds = 0;
    int Voices = 0;
    double Liveliness = 1;
    float CrowdGain = 1;
    BarNoises Noises;
    bool Music = false;
    MusicStyle Style;
    float MusicGain = 0;
};

Sound Ambient(const AmbientRecipe& r) {
    Rng rng(r.Seed);
    Sound s = CrowdLoop(rng, r.Seconds, r.Voices, r.Liveliness);
    s.Normalize(r.CrowdGain);
    if (r.Music) {
        Sound m = MusicLoop(rng, r.Style);
        m.Normalize(r.MusicGain);
        s.Add(m.L, 0, 1.0f, -1.0f, true);
        s.Add(m.R, 0, 1.0f, 1.0f, true);
    }
    Scatter(s, rng, r.Noises);
    AddRoom(s, 0.6, 0.3f, true);
    for (Samples* ch : {&s.L, &s.R}) {
        Biquad hp = Biquad::HighPass(50);
        RunLooped(hp, *ch);
    }
    s.Normalize(0.5f);
    return s;
}

AmbientRecipe Recipe(uint64_t seed, double seconds, int voices, double liveliness, float crowd,
                     BarNoises noises) {
    AmbientRecipe r;
    r.Seed = seed;
    r.Seconds = seconds;
    r.Voices = voices;
    r.Liveliness = liveliness;
    r.CrowdGain = crowd;
    r.Noises = noises;
    return r;
}

AmbientRecipe WithMusic(AmbientRecipe r, const MusicStyle& style, float gain) {
    r.Music = true;
    r.Style = style;
    r.MusicGain = gain;
    return r;
}

// A full room; a room with the band next door; a quiet room at the bar
// counter; the band with a few listeners.
AmbientRecipe Ambient1() {
    return Recipe(101, 30.0, 10, 1.0, 1.0f, {9, 1, 2, 0.22f});
}
AmbientRecipe Ambient2() {
    return WithMusic(Recipe(102, 32.0, 7, 0.9, 1.0f, {4, 0, 1, 0.2f}),
                     {120, 16, 45, false, true, 0.12}, 0.6f);
}
AmbientRecipe Ambient3() {
    return Recipe(103, 24.0, 5, 0.7, 0.8f, {13, 4, 1, 0.25f});
}
AmbientRecipe Ambient4() {
    return WithMusic(Recipe(104, 32.0, 4, 0.8, 0.5f, {3, 1, 0, 0.18f}),
                     {90, 12, 50, true, false, 0.3}, 1.0f);
}

void GenerateSounds(const ContentPaths& paths) {
    const std::filesystem::path folder = std::filesystem::path(paths.Out) / "Sounds";
    std::filesystem::create_directories(folder);
    std::filesystem::create_directories(std::filesystem::path(paths.Out) / "Music");
    const std::pair<const char*, std::function<Sound()>> list[] = {
        {"silence", Silence},
        {"click", Click},
        {"click2", Click2},
        {"page", Page},
        {"bookopen", BookOpen},
        {"random1", Toast},
        {"random2", CashRegister},
        {"ambient1", [] { return Ambient(Ambient1()); }},
        {"ambient2", [] { return Ambient(Ambient2()); }},
        {"ambient3", [] { return Ambient(Ambient3()); }},
        {"ambient4", [] { return Ambient(Ambient4()); }},
    };
    int serial = 0x51b0;
    for (const auto& [name, make] : list)
        EncodeOgg(make(), (folder / (std::string(name) + ".ogg")).string(), kQuality, serial++);
}

} // namespace

QLB_CONTENT_GENERATOR(sounds, GenerateSounds);
