#include "SoundsSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

long FramesOf(double seconds) {
    return long(std::lround(seconds * kSoundRate));
}

// A vowel as its first two formants.
struct Vowel {
    double F1, F2;
};
constexpr Vowel kVowels[] = {{730, 1090}, {530, 1840}, {270, 2290}, {570, 840},
                             {300, 870},  {660, 1720}, {490, 1350}, {400, 2000}};

} // namespace

Sound::Sound(int channels, double seconds)
    : Channels(channels), L(size_t(FramesOf(seconds)), 0.0f),
      R(channels == 2 ? size_t(FramesOf(seconds)) : 0, 0.0f) {}

void Sound::Add(const Samples& src, long start, float gain, float pan, bool wrap) {
    const long n = long(L.size());
    if (n == 0) return;
    // Equal-power pan.
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * kPi / 4.0;
    const float gl = Channels == 2 ? float(std::cos(angle)) * gain : gain;
    const float gr = float(std::sin(angle)) * gain;
    for (size_t i = 0; i < src.size(); ++i) {
        long at = start + long(i);
        if (wrap)
            at = ((at % n) + n) % n;
        else if (at < 0 || at >= n)
            continue;
        L[size_t(at)] += src[i] * gl;
        if (Channels == 2) R[size_t(at)] += src[i] * gr;
    }
}

float Sound::Peak() const {
    float p = 0;
    for (float x : L)
        p = std::max(p, std::fabs(x));
    for (float x : R)
        p = std::max(p, std::fabs(x));
    return p;
}

void Sound::Scale(float gain) {
    for (float& x : L)
        x *= gain;
    for (float& x : R)
        x *= gain;
}

void Sound::Normalize(float peak) {
    const float p = Peak();
    if (p > 0) Scale(peak / p);
}

void Sound::FadeEnds(double inSeconds, double outSeconds) {
    const long n = long(L.size());
    const long fin = std::min(n, FramesOf(inSeconds)), fout = std::min(n, FramesOf(outSeconds));
    for (long i = 0; i < n; ++i) {
        float g = 1.0f;
        if (i < fin) g *= float(i) / float(fin);
        if (i >= n - fout) g *= float(n - 1 - i) / float(fout);
        L[size_t(i)] *= g;
        if (Channels == 2) R[size_t(i)] *= g;
    }
}

uint64_t Rng::Next() {
    uint64_t z = (mState += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

double Rng::Uniform() {
    return double(Next() >> 11) * (1.0 / 9007199254740992.0);
}

Biquad Biquad::LowPass(double freq, double q) {
    Biquad f;
    const double w = 2 * kPi * freq / kSoundRate, c = std::cos(w), a = std::sin(w) / (2 * q);
    const double a0 = 1 + a;
    f.b0 = (1 - c) / 2 / a0;
    f.b1 = (1 - c) / a0;
    f.b2 = f.b0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - a) / a0;
    return f;
}

Biquad Biquad::HighPass(double freq, double q) {
    Biquad f;
    const double w = 2 * kPi * freq / kSoundRate, c = std::cos(w), a = std::sin(w) / (2 * q);
    const double a0 = 1 + a;
    f.b0 = (1 + c) / 2 / a0;
    f.b1 = -(1 + c) / a0;
    f.b2 = f.b0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - a) / a0;
    return f;
}

Biquad Biquad::BandPass(double freq, double q) {
    Biquad f;
    f.SetBandPass(freq, q);
    return f;
}

void Biquad::SetBandPass(double freq, double q) {
    const double w = 2 * kPi * freq / kSoundRate, c = std::cos(w), a = std::sin(w) / (2 * q);
    const double a0 = 1 + a;
    b0 = a / a0;
    b1 = 0;
    b2 = -a / a0;
    a1 = -2 * c / a0;
    a2 = (1 - a) / a0;
}

float Biquad::Process(float x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return float(y);
}

Reverb::Reverb(double roomSize, double damping, int spread)
    : mFeedback(float(0.7 + 0.28 * roomSize)), mDamp(float(damping)) {
    for (int len : {1116, 1188, 1277, 1356, 1422, 1491}) {
        Comb c;
        c.Line.assign(size_t(len + spread), 0.0f);
        mCombs.push_back(std::move(c));
    }
    for (int len : {556, 441, 341}) {
        AllPass a;
        a.Line.assign(size_t(len + spread), 0.0f);
        mAllPasses.push_back(std::move(a));
    }
}

float Reverb::Process(float x) {
    float out = 0;
    for (Comb& c : mCombs) {
        const float y = c.Line[c.Pos];
        c.Store = y * (1 - mDamp) + c.Store * mDamp;
        c.Line[c.Pos] = x * 0.02f + c.Store * mFeedback;
        c.Pos = (c.Pos + 1) % c.Line.size();
        out += y;
    }
    for (AllPass& a : mAllPasses) {
        const float b = a.Line[a.Pos];
        a.Line[a.Pos] = out + b * 0.5f;
        a.Pos = (a.Pos + 1) % a.Line.size();
        out = b - out;
    }
    return out;
}

void AddRoom(Sound& s, double roomSize, float wet, bool looped) {
    auto apply = [&](Samples& ch, int spread) {
        Reverb r(roomSize, 0.4, spread);
        Samples w = ch;
        if (looped)
            RunLooped(r, w);
        else
            for (float& x : w)
                x = r.Process(x);
        for (size_t i = 0; i < ch.size(); ++i)
            ch[i] += w[i] * wet;
    };
    if (s.Channels == 2) {
        apply(s.L, 0);
        apply(s.R, 23);
    } else {
        apply(s.L, 0);
    }
}

Samples GlassClink(Rng& rng, double pitch) {
    // Inharmonic partials of a struck glass, the high ones dying first.
    const double ratios[] = {1.0, 2.32, 4.25, 6.63};
    const double amps[] = {1.0, 0.55, 0.3, 0.15};
    const double decay[] = {0.45, 0.22, 0.11, 0.05};
    Samples s(size_t(FramesOf(1.4)), 0.0f);
    for (int p = 0; p < 4; ++p) {
        const double f = pitch * ratios[p] * rng.Range(0.99, 1.01);
        if (f > 18000) continue;
        const double phase = rng.Range(0, 2 * kPi);
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = double(i) / kSoundRate;
            s[i] += float(amps[p] * std::exp(-t / decay[p]) * std::sin(2 * kPi * f * t + phase));
        }
    }
    // The contact itself: a tick of bright noise.
    Biquad hp = Biquad::HighPass(3000);
    for (size_t i = 0; i < size_t(FramesOf(0.003)); ++i)
        s[i] += hp.Process(rng.Noise()) * 0.6f * float(1.0 - double(i) / double(FramesOf(0.003)));
    return s;
}

Samples Thump(double freq, double seconds) {
    Samples s(size_t(FramesOf(seconds)), 0.0f);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kSoundRate;
        // The pitch sags as the knock dies.
        phase += 2 * kPi * freq * (1.0 + 0.6 * std::exp(-t / 0.02)) / kSoundRate;
        s[i] = float(std::exp(-t / (seconds * 0.25)) * std::sin(phase) * std::min(1.0, t / 0.002));
    }
    return s;
}

Samples NoiseBurst(Rng& rng, double seconds, double lowCut, double highCut, double decay) {
    Samples s(size_t(FramesOf(seconds)), 0.0f);
    Biquad hp = Biquad::HighPass(lowCut), lp = Biquad::LowPass(highCut);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kSoundRate;
        s[i] = lp.Process(hp.Process(rng.Noise())) * float(std::exp(-t / decay));
    }
    return s;
}

Samples BottleKnock(Rng& rng) {
    Samples s = Thump(rng.Range(170, 230), 0.18);
    const Samples tap = NoiseBurst(rng, 0.05, 800, 5000, 0.008);
    for (size_t i = 0; i < tap.size(); ++i)
        s[i] = s[i] * 0.8f + tap[i] * 0.5f;
    // The glass rings a little after it lands.
    const Samples ring = GlassClink(rng, rng.Range(900, 1300));
    s.resize(ring.size(), 0.0f);
    for (size_t i = 0; i < ring.size(); ++i)
        s[i] += ring[i] * 0.15f;
    return s;
}

Samples Bell(double freq, double seconds) {
    const double ratios[] = {1.0, 2.0, 2.76, 3.9, 5.4};
    const double amps[] = {1.0, 0.6, 0.45, 0.25, 0.15};
    Samples s(size_t(FramesOf(seconds)), 0.0f);
    for (int p = 0; p < 5; ++p) {
        const double tau = seconds * 0.35 / (1 + p * 0.7);
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = double(i) / kSoundRate;
            s[i] += float(amps[p] * std::exp(-t / tau) * std::sin(2 * kPi * freq * ratios[p] * t));
        }
    }
    return s;
}

Samples Voice(Rng& rng, double seconds, double pitch, double liveliness) {
    Samples s(size_t(FramesOf(seconds)), 0.0f);
    Biquad f1, f2, f3;
    double phase = 0, cur1 = 500, cur2 = 1500, tgt1 = 500, tgt2 = 1500;
    double env = 0, envTarget = 0;
    long syllableLeft = 0, phraseLeft = FramesOf(rng.Range(0.0, 1.5)), pauseLeft = 0;
    bool inPhrase = rng.Uniform() < 0.5;
    double phraseStart = 0;
    Biquad breath = Biquad::BandPass(1800, 0.8);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kSoundRate;
        if (inPhrase) {
            if (--phraseLeft <= 0) {
                inPhrase = false;
                pauseLeft = FramesOf(rng.Range(0.3, 1.6) / (0.6 + liveliness));
                envTarget = 0;
            } else if (--syllableLeft <= 0) {
                syllableLeft = FramesOf(rng.Range(0.09, 0.26));
                const Vowel& v = kVowels[rng.Next() % 8];
                tgt1 = v.F1 * rng.Range(0.9, 1.15);
                tgt2 = v.F2 * rng.Range(0.9, 1.15);
                envTarget = rng.Range(0.35, 1.0);
            }
        } else if (--pauseLeft <= 0) {
            inPhrase = true;
            phraseLeft = FramesOf(rng.Range(0.8, 3.2));
            syllableLeft = 0;
            phraseStart = t;
        }
        // Syllables are shaped by a fast follower; the gaps between them by its fall.
        const bool gap = inPhrase && syllableLeft < FramesOf(0.03);
        env += ((gap ? envTarget * 0.25 : envTarget) - env) * 0.0025;
        cur1 += (tgt1 - cur1) * 0.003;
        cur2 += (tgt2 - cur2) * 0.003;
        if (i % 32 == 0) {
            f1.SetBandPass(cur1, 6);
            f2.SetBandPass(cur2, 9);
            f3.SetBandPass(2700, 7);
        }
        // Intonation falls over the phrase; a little vibrato and jitter.
        const double f0 = pitch * (1.08 - 0.12 * std::min(1.0, (t - phraseStart) / 2.5)) *
                          (1 + 0.01 * std::sin(2 * kPi * 5.3 * t)) * (1 + 0.004 * rng.Noise());
        phase += f0 / kSoundRate;
        if (phase >= 1) phase -= 1;
        const float source = float(1.0 - 2.0 * phase) + breath.Process(rng.Noise()) * 0.15f;
        const float y =
            f1.Process(source) * 1.0f + f2.Process(source) * 0.6f + f3.Process(source) * 0.2f;
        s[i] = y * float(env);
    }
    return s;
}

Samples Laugh(Rng& rng, double pitch) {
    // Five to eight "ha"s, each a bit lower and softer than the last.
    const int count = 5 + int(rng.Next() % 4);
    const double beat = rng.Range(0.14, 0.2);
    Samples s(size_t(FramesOf(beat * count + 0.3)), 0.0f);
    Biquad f1 = Biquad::BandPass(750, 5), f2 = Biquad::BandPass(1200, 7);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kSoundRate;
        const int k = int(t / beat);
        const double u = t - k * beat;
        const double env =
            k < count ? std::exp(-u / 0.05) * std::min(1.0, u / 0.01) * (1.0 - 0.08 * k) : 0.0;
        phase += pitch * (1.25 - 0.04 * k) / kSoundRate;
        if (phase >= 1) phase -= 1;
        const float src = float(1.0 - 2.0 * phase) * 0.7f + rng.Noise() * 0.3f;
        s[i] = (f1.Process(src) + f2.Process(src) * 0.6f) * float(env);
    }
    return s;
}

Sound CrowdLoop(Rng& rng, double seconds, int voices, double liveliness) {
    const double fold = 1.5;
    Sound raw(2, seconds + fold);
    for (int v = 0; v < voices; ++v) {
        const bool low = rng.Uniform() < 0.55;
        const double pitch = low ? rng.Range(90, 140) : rng.Range(170, 240);
        const Samples voice = Voice(rng, seconds + fold, pitch, liveliness);
        raw.Add(voice, 0, float(rng.Range(0.5, 1.0)), float(rng.Range(-0.8, 0.8)));
    }
    // The room's own hum under the voices.
    Biquad lpL = Biquad::LowPass(350), lpR = Biquad::LowPass(350);
    for (size_t i = 0; i < raw.Frames(); ++i) {
        raw.L[i] += lpL.Process(rng.Noise()) * 0.25f;
        raw.R[i] += lpR.Process(rng.Noise()) * 0.25f;
    }
    // Fold the tail over the start: y = x*sin + tail*cos keeps the power of two
    // unrelated signals, and the last frame runs on into the first.
    Sound out(2, seconds);
    const size_t n = out.Frames(), f = size_t(FramesOf(fold));
    for (size_t i = 0; i < n; ++i) {
        float a = 1, b = 0;
        if (i < f) {
            const double w = (double(i) / double(f)) * kPi / 2;
            a = float(std::sin(w));
            b = float(std::cos(w));
        }
        out.L[i] = raw.L[i] * a + (i < f ? raw.L[n + i] * b : 0.0f);
        out.R[i] = raw.R[i] * a + (i < f ? raw.R[n + i] * b : 0.0f);
    }
    return out;
}
