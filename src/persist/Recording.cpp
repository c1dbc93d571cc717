#include "persist/Recording.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* Magic = "quelbrin-recording";

constexpr char Base64Chars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// A name may hold spaces and any byte: everything but plain printable letters is %XX.
std::string Escape(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c > 32 && c < 127 && c != '%') {
            out += static_cast<char>(c);
        } else {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", c);
            out += buf;
        }
    }
    return out;
}

bool Unescape(const std::string& text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return false;
        const std::string hex = text.substr(i + 1, 2);
        if (hex.size() != 2 || !std::isxdigit(static_cast<unsigned char>(hex[0])) ||
            !std::isxdigit(static_cast<unsigned char>(hex[1])))
            return false;
        out += static_cast<char>(std::stoi(hex, nullptr, 16));
        i += 2;
    }
    return true;
}

std::string StateLine(const RecordedState& s) {
    std::ostringstream o;
    const ViewState& v = s.View;
    o << "state " << s.ClockSpeed << ' ' << s.SelectedProperty << ' ' << s.SelectedSlot << ' '
      << s.SelectedCharacter << ' ' << s.SelectedGroup << ' ' << v.PlanWord << ' '
      << int(v.PalmMode) << ' ' << v.PalmPageIndx << ' ' << v.PalmLastHotIndex << ' '
      << v.PalmScrollY << ' ' << int(v.PalmContinueAvailable) << ' ' << int(v.RulerTab) << ' '
      << v.RulerScrollX;
    return o.str();
}

std::string RequestLine(double hour, const PlayerRequest& r) {
    char h[40];
    std::snprintf(h, sizeof h, "%.17g", hour);
    std::ostringstream o;
    o << "request " << h << ' ' << RequestKindName(r.Kind) << ' ' << r.SelectedProperty << ' '
      << r.SelectedCharacter << ' ' << r.SelectedSlot << ' ' << r.Building << ' '
      << int(r.UpgradeKind) << ' ' << int(r.Supplies) << ' ' << r.Category << ' ' << r.Level << ' '
      << (r.Yes ? 1 : 0) << " =" << Escape(r.Text);
    return o.str();
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// Whole decimal numbers only, in the range of the field.
bool Number(const std::string& text, int64_t lo, int64_t hi, int64_t& out) {
    if (text.empty() || text.size() > 20) return false;
    std::size_t used = 0;
    long long v = 0;
    try {
        v = std::stoll(text, &used, 10);
    } catch (...) {
        return false;
    }
    if (used != text.size() || v < lo || v > hi) return false;
    out = v;
    return true;
}

struct LineParser {
    const std::vector<std::string>& W;
    std::string Error;
    std::size_t Next = 1;

    template <typename T> bool Take(T& field, int64_t lo, int64_t hi, const char* what) {
        int64_t v = 0;
        if (Next >= W.size() || !Number(W[Next], lo, hi, v)) {
            Error = std::string("bad ") + what;
            return false;
        }
        field = static_cast<T>(v);
        ++Next;
        return true;
    }
};

constexpr int64_t I32Min = INT32_MIN, I32Max = INT32_MAX;

bool ParseState(const std::vector<std::string>& w, RecordedState& s, std::string& error) {
    LineParser p{w, {}};
    ViewState& v = s.View;
    const bool ok = p.Take(s.ClockSpeed, 0, 2, "clock speed") &&
                    p.Take(s.SelectedProperty, -1, I32Max, "selected property") &&
                    p.Take(s.SelectedSlot, -1, I32Max, "selected position") &&
                    p.Take(s.SelectedCharacter, -1, I32Max, "selected character") &&
                    p.Take(s.SelectedGroup, -1, I32Max, "selected group") &&
                    p.Take(v.PlanWord, 0, UINT32_MAX, "plan word") &&
                    p.Take(v.PalmMode, 0, 255, "palm mode") &&
                    p.Take(v.PalmPageIndx, I32Min, I32Max, "palm page") &&
                    p.Take(v.PalmLastHotIndex, I32Min, I32Max, "palm hot index") &&
                    p.Take(v.PalmScrollY, I32Min, I32Max, "palm scroll") &&
                    p.Take(v.PalmContinueAvailable, 0, 255, "continue flag") &&
                    p.Take(v.RulerTab, 0, 255, "ruler tab") &&
                    p.Take(v.RulerScrollX, I32Min, I32Max, "ruler scroll");
    if (!ok) {
        error = p.Error;
        return false;
    }
    if (w.size() != 14) {
        error = "a state line has 13 numbers";
        return false;
    }
    return true;
}

bool ParseRequest(const std::vector<std::string>& w, RecordingEvent& e, std::string& error) {
    if (w.size() != 13) {
        error = "a request line has 12 fields";
        return false;
    }
    try {
        std::size_t used = 0;
        e.Hour = std::stod(w[1], &used);
        if (used != w[1].size() || !std::isfinite(e.Hour)) throw std::invalid_argument("hour");
    } catch (...) {
        error = "bad hour '" + w[1] + "'";
        return false;
    }
    const std::optional<RequestKind> kind = RequestKindNamed(w[2]);
    if (!kind) {
        error = "unknown request '" + w[2] + "'";
        return false;
    }
    PlayerRequest& r = e.Request;
    r.Kind = *kind;
    LineParser p{w, {}, 3};
    const bool ok = p.Take(r.SelectedProperty, I32Min, I32Max, "selected property") &&
                    p.Take(r.SelectedCharacter, I32Min, I32Max, "selected character") &&
                    p.Take(r.SelectedSlot, I32Min, I32Max, "selected position") &&
                    p.Take(r.Building, I32Min, I32Max, "building") &&
                    p.Take(r.UpgradeKind, 0, 2, "upgrade") &&
                    p.Take(r.Supplies, 0, 2, "supplies order") &&
                    p.Take(r.Category, I32Min, I32Max, "category") &&
                    p.Take(r.Level, I32Min, I32Max, "level") && p.Take(r.Yes, 0, 1, "answer");
    if (!ok) {
        error = p.Error;
        return false;
    }
    if (w[12][0] != '=' || !Unescape(w[12].substr(1), r.Text)) {
        error = "bad name '" + w[12] + "'";
        return false;
    }
    return true;
}

} // namespace

bool RecordedState::operator==(const RecordedState& o) const {
    const ViewState &a = View, &b = o.View;
    return ClockSpeed == o.ClockSpeed && SelectedProperty == o.SelectedProperty &&
           SelectedSlot == o.SelectedSlot && SelectedCharacter == o.SelectedCharacter &&
           SelectedGroup == o.SelectedGroup && a.PlanWord == b.PlanWord &&
           a.PalmMode == b.PalmMode && a.PalmPageIndx == b.PalmPageIndx &&
           a.PalmLastHotIndex == b.PalmLastHotIndex && a.PalmScrollY == b.PalmScrollY &&
           a.PalmContinueAvailable == b.PalmContinueAvailable && a.RulerTab == b.RulerTab &&
           a.RulerScrollX == b.RulerScrollX;
}

RecordedState CurrentRecordedState() {
    RecordedState s;
    s.ClockSpeed = GameState.ClockSpeed;
    s.SelectedProperty = GameState.SelectedProperty;
    s.SelectedSlot = GameState.SelectedSlot;
    s.SelectedCharacter = GameState.SelectedCharacter;
    s.SelectedGroup = GameState.SelectedGroup;
    s.View = GameState.View;
    return s;
}

void ApplyRecordedState(const RecordedState& s) {
    GameState.ClockSpeed = s.ClockSpeed;
    GameState.SelectedProperty = s.SelectedProperty;
    GameState.SelectedSlot = s.SelectedSlot;
    GameState.SelectedCharacter = s.SelectedCharacter;
    GameState.SelectedGroup = s.SelectedGroup;
    GameState.View = s.View;
}

std::string Base64Encode(const std::string& bytes) {
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const uint32_t n = uint32_t(uint8_t(bytes[i])) << 16 |
                           uint32_t(uint8_t(bytes[i + 1])) << 8 | uint8_t(bytes[i + 2]);
        for (int k = 18; k >= 0; k -= 6)
            out += Base64Chars[(n >> k) & 63];
    }
    if (i < bytes.size()) {
        uint32_t n = uint32_t(uint8_t(bytes[i])) << 16;
        if (i + 1 < bytes.size()) n |= uint32_t(uint8_t(bytes[i + 1])) << 8;
        out += Base64Chars[(n >> 18) & 63];
        out += Base64Chars[(n >> 12) & 63];
        out += i + 1 < bytes.size() ? Base64Chars[(n >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

bool Base64Decode(const std::string& text, std::string& bytes) {
    bytes.clear();
    if (text.size() % 4 != 0) return false;
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        int v[4];
        int pad = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = text[i + k];
            if (c == '=' && last && k >= 2) {
                v[k] = 0;
                ++pad;
                continue;
            }
            if (pad > 0) return false; // padding only at the very end
            v[k] = Base64Value(c);
            if (v[k] < 0) return false;
        }
        const uint32_t n =
            uint32_t(v[0]) << 18 | uint32_t(v[1]) << 12 | uint32_t(v[2]) << 6 | uint32_t(v[3]);
        bytes += static_cast<char>((n >> 16) & 255);
        if (pad < 2) bytes += static_cast<char>((n >> 8) & 255);
        if (pad < 1) bytes += static_cast<char>(n & 255);
    }
    return true;
}

std::string RecordingText(const Recording& r) {
    std::ostringstream o;
    o << Magic << ' ' << RecordingVersion << '\n';
    o << "seed " << r.Seed << '\n';
    if (r.Loaded)
        o << "load " << Base64Encode(r.LoadedBytes) << '\n';
    else
        o << "new " << r.Difficulty << ' ' << r.StartDay << '\n';
    for (const RecordingEvent& e : r.Events) {
        switch (e.What) {
        case RecordingEvent::Type::Ticks:
            o << "ticks " << e.Ticks << '\n';
            break;
        case RecordingEvent::Type::State:
            o << StateLine(e.State) << '\n';
            break;
        case RecordingEvent::Type::Request:
            o << RequestLine(e.Hour, e.Request) << '\n';
            break;
        }
    }
    o << "end\n";
    return o.str();
}

bool ParseRecording(const std::string& text, Recording& out, std::string& error) {
    Recording r;
    std::istringstream in(text);
    std::string line;
    int n = 0;
    bool ended = false;
    auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(n) + ": " + why;
        return false;
    };
    while (std::getline(in, line)) {
        ++n;
        // Every line ends with a newline: one without was cut off by a crash or a copy.
        if (in.eof()) return fail("the recording is truncated: the line is cut off");
        if (ended) return fail("text after the end line");
        const std::vector<std::string> w = Words(line);
        if (n == 1) {
            if (w.size() != 2 || w[0] != Magic) return fail("not a Quelbrin recording");
            if (w[1] != std::to_string(RecordingVersion))
                return fail("a recording of version " + w[1] + "; this game plays version " +
                            std::to_string(RecordingVersion));
            continue;
        }
        if (n == 2) {
            int64_t seed = 0;
            if (w.size() != 2 || w[0] != "seed" || !Number(w[1], 0, UINT32_MAX, seed))
                return fail("expected 'seed <number>'");
            r.Seed = static_cast<uint32_t>(seed);
            continue;
        }
        if (n == 3) {
            int64_t difficulty = 0, day = 0;
            if (w.size() == 3 && w[0] == "new" && Number(w[1], 0, 3, difficulty) &&
                Number(w[2], 0, I32Max, day)) {
                r.Difficulty = static_cast<int>(difficulty);
                r.StartDay = static_cast<int32_t>(day);
            } else if ((w.size() == 1 || w.size() == 2) && w[0] == "load") {
                r.Loaded = true;
                if (w.size() == 2 && !Base64Decode(w[1], r.LoadedBytes))
                    return fail("the loaded game is not base64");
            } else {
                return fail("expected 'new <difficulty> <day>' or 'load <base64>'");
            }
            continue;
        }
        if (w.empty()) return fail("an empty line");
        RecordingEvent e;
        std::string why;
        if (w[0] == "end" && w.size() == 1) {
            ended = true;
            continue;
        } else if (w[0] == "ticks") {
            e.What = RecordingEvent::Type::Ticks;
            if (w.size() != 2 || !Number(w[1], 1, INT64_MAX / 2, e.Ticks))
                return fail("expected 'ticks <count>'");
        } else if (w[0] == "state") {
            e.What = RecordingEvent::Type::State;
            if (!ParseState(w, e.State, why)) return fail(why);
        } else if (w[0] == "request") {
            e.What = RecordingEvent::Type::Request;
            if (!ParseRequest(w, e, why)) return fail(why);
        } else {
            return fail("unknown line '" + w[0] + "'");
        }
        r.Events.push_back(e);
    }
    if (n < 3) {
        n += 1;
        return fail("the recording is truncated: it has no start");
    }
    if (!ended) {
        n += 1;
        return fail("the recording is truncated: it has no end line");
    }
    out = std::move(r);
    return true;
}

bool WriteRecording(const std::string& path, const Recording& r, std::string& error) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        f << RecordingText(r);
        f.flush();
        if (!f) {
            error = "cannot write " + temp;
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        error = "cannot rename " + temp + " to " + path + ": " + ec.message();
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

bool ReadRecording(const std::string& path, Recording& out, std::string& error) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        error = "cannot open " + path;
        return false;
    }
    std::ostringstream text;
    text << f.rdbuf();
    if (!ParseRecording(text.str(), out, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

SessionRecorder::SessionRecorder() {
    SetRequestObserver([this](const PlayerRequest& r, double t) { Requested(r, t); });
}

SessionRecorder::~SessionRecorder() {
    SetRequestObserver({});
}

void SessionRecorder::StartNew(uint32_t seed, int difficulty, int32_t startDay) {
    mRecording = Recording{};
    mRecording.Seed = seed;
    mRecording.Difficulty = difficulty;
    mRecording.StartDay = startDay;
    mLastKnown = false;
    mTickRun = false;
}

void SessionRecorder::StartLoaded(uint32_t seed, const std::string& bytes) {
    StartNew(seed, 0, 0);
    mRecording.Loaded = true;
    mRecording.LoadedBytes = bytes;
}

void SessionRecorder::NoteState() {
    const RecordedState now = CurrentRecordedState();
    if (mLastKnown && now == mLast) return;
    RecordingEvent e;
    e.What = RecordingEvent::Type::State;
    e.State = now;
    mRecording.Events.push_back(e);
    mLast = now;
    mLastKnown = true;
    mTickRun = false;
}

void SessionRecorder::BeforeTick() {
    NoteState();
    if (mTickRun) {
        ++mRecording.Events.back().Ticks;
        return;
    }
    RecordingEvent e;
    e.What = RecordingEvent::Type::Ticks;
    e.Ticks = 1;
    mRecording.Events.push_back(e);
    mTickRun = true;
}

void SessionRecorder::AfterTick() {
    // The replay's tick leaves the same fields: nothing to note unless they change later.
    mLast = CurrentRecordedState();
    mLastKnown = true;
}

void SessionRecorder::Requested(const PlayerRequest& r, double gameTime) {
    NoteState();
    RecordingEvent e;
    e.What = RecordingEvent::Type::Request;
    e.Hour = gameTime * 24;
    e.Request = r;
    mRecording.Events.push_back(e);
    // What the action leaves is seen at the next event.
    mLastKnown = false;
    mTickRun = false;
}

void SessionRecorder::Finish() {
    NoteState();
}
