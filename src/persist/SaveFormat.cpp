#include "persist/SaveFormat.h"

#include "model/Text.h"

#include <cmath>
#include <cstring>
#include <strings.h>

namespace {

class ByteWriter {
public:
    explicit ByteWriter(std::string& out) : mOut(out) {}
    void Bytes(const void* data, std::size_t n) { mOut.append(static_cast<const char*>(data), n); }
    void Int32(int32_t v) { Bytes(&v, 4); }
    void Double(double v) { Bytes(&v, 8); }
    // A one-byte value followed by three zero bytes.
    void PaddedByte(uint8_t v) {
        const uint8_t b[4] = {v, 0, 0, 0};
        Bytes(b, 4);
    }

private:
    std::string& mOut;
};

// Every read checks that the bytes are there; after the first short read all
// later reads fail too, so a caller may test once at the end of a group.
class ByteReader {
public:
    explicit ByteReader(std::string_view in) : mIn(in) {}
    bool Bytes(void* data, std::size_t n) {
        if (!mOk || mIn.size() - mPos < n) return mOk = false;
        std::memcpy(data, mIn.data() + mPos, n);
        mPos += n;
        return true;
    }
    bool Int32(int32_t& v) { return Bytes(&v, 4); }
    bool Double(double& v) { return Bytes(&v, 8); }
    bool Byte(uint8_t& v) { return Bytes(&v, 1); }
    bool PaddedByte(uint8_t& v) {
        uint8_t b[4];
        if (!Bytes(b, 4)) return false;
        v = b[0];
        return true;
    }
    bool Ok() const { return mOk; }

private:
    std::string_view mIn;
    std::size_t mPos = 0;
    bool mOk = true;
};

bool InRange(int32_t v, int32_t lo, int32_t hi) {
    return v >= lo && v <= hi;
}

bool IsCalendarTime(double t) {
    return std::isfinite(t) && t >= FirstCalendarTime && t < EndOfCalendarTime;
}

// Fixes up the text fields and refuses what the daily update or the pages would
// index out of bounds or do arithmetic on that is not a number.
bool CheckProperty(Property& p) {
    TerminateField(p.Name);
    for (MessageLogEntry& e : p.Log)
        TerminateField(e.Text);
    for (ReportLine& r : p.Report)
        TerminateField(r.Text);

    if (!InRange(p.GroupCount, 0, MaxGroups) || !InRange(p.LogCount, 0, MaxLogEntries) ||
        !InRange(p.ReportCount, 0, MaxReportLines))
        return false;
    for (int32_t i = 0; i < p.GroupCount; ++i)
        if (p.Groups[i].Type < vtPartyTeens || p.Groups[i].Type > vtRacketingYouth) return false;

    if (!std::isfinite(p.Supplies) || !IsCalendarTime(p.FineDueTime)) return false;
    for (int32_t i = 0; i < MaxLogEntries; ++i) {
        const double t = p.Log[i].Time;
        if (!std::isfinite(t)) return false;
        if (i < p.LogCount && !IsCalendarTime(t)) return false;
    }
    return true;
}

bool CheckCharacter(Character& c) {
    TerminateField(c.Name);
    if (c.Employed && !InRange(c.SlotIndex, 0, VacancyCount - 1)) return false;
    return std::isfinite(c.Relation) && std::isfinite(c.Skill) && std::isfinite(c.SecondSkill) &&
           std::isfinite(c.InterestRate);
}

int32_t SelectionOrNone(int32_t index, int32_t count) {
    return InRange(index, -1, count - 1) ? index : -1;
}

// View values the panels cannot show go back to what a fresh panel has.
void ResetOddSelectionsAndView(LoadedGame& g) {
    g.SelectedProperty =
        SelectionOrNone(g.SelectedProperty, static_cast<int32_t>(g.Properties.size()));
    g.SelectedSlot = SelectionOrNone(g.SelectedSlot, VacancyCount);
    g.SelectedCharacter =
        SelectionOrNone(g.SelectedCharacter, static_cast<int32_t>(g.Characters.size()));
    const int32_t groups =
        g.SelectedProperty >= 0 ? g.Properties[g.SelectedProperty]->GroupCount : 0;
    g.SelectedGroup = SelectionOrNone(g.SelectedGroup, groups);

    ViewState& v = g.View;
    const ViewState fresh;
    if (v.PalmMode > 10) v.PalmMode = fresh.PalmMode;
    if (v.PalmPageIndx < 0) v.PalmPageIndx = fresh.PalmPageIndx;
    if (v.PalmContinueAvailable > 1) v.PalmContinueAvailable = fresh.PalmContinueAvailable;
    if (v.RulerTab > 2) v.RulerTab = fresh.RulerTab;
}

} // namespace

std::string EncodeGame(const GameStateData& game) {
    std::string out;
    out.reserve(SaveFileSize(game.Properties.size(), game.Characters.size()));
    ByteWriter w(out);
    w.Int32(SaveMagicLength);
    w.Bytes(SaveMagic, SaveMagicLength);
    w.Int32(game.PropertyCount());
    for (const auto& p : game.Properties)
        w.Bytes(p.get(), sizeof(Property));
    w.Int32(game.CharacterCount());
    for (const auto& c : game.Characters)
        w.Bytes(c.get(), sizeof(Character));
    w.Bytes(game.Services, sizeof game.Services);
    w.Int32(game.Cash);
    w.Double(game.GameTime);
    w.Double(game.StartTime);
    w.Int32(static_cast<int8_t>(game.Difficulty)); // the byte widened with its sign
    w.Int32(game.ClockSpeed);
    const uint8_t inProgress = game.GameInProgress ? 1 : 0;
    w.Bytes(&inProgress, 1);
    w.Int32(game.SelectedProperty);
    w.Int32(game.SelectedSlot);
    w.Int32(game.SelectedCharacter);
    w.Int32(game.SelectedGroup);
    const ViewState& v = game.View;
    w.Bytes(&v.PlanWord, 4);
    w.PaddedByte(v.PalmMode);
    w.Int32(v.PalmPageIndx);
    w.Int32(v.PalmLastHotIndex);
    w.Int32(v.PalmScrollY);
    w.PaddedByte(v.PalmContinueAvailable);
    w.PaddedByte(v.RulerTab);
    w.Int32(v.RulerScrollX);
    return out;
}

bool DecodeGame(std::string_view bytes, LoadedGame& out) {
    ByteReader r(bytes);

    int32_t magicLength = 0;
    if (!r.Int32(magicLength) || magicLength != SaveMagicLength) return false;
    char magic[SaveMagicLength + 1] = {};
    if (!r.Bytes(magic, SaveMagicLength)) return false;
    // The magic is a text that ends at its first NUL, compared without regard to case.
    if (strcasecmp(magic, SaveMagic) != 0) return false;

    int32_t count = 0;
    if (!r.Int32(count) || !InRange(count, 0, MaxProperties)) return false;
    for (int32_t i = 0; i < count; ++i) {
        auto p = NewPropertyRecord();
        if (!r.Bytes(p.get(), sizeof(Property)) || !CheckProperty(*p)) return false;
        out.Properties.push_back(std::move(p));
    }

    if (!r.Int32(count) || !InRange(count, 0, MaxCharacters)) return false;
    for (int32_t i = 0; i < count; ++i) {
        auto c = NewCharacterRecord();
        if (!r.Bytes(c.get(), sizeof(Character)) || !CheckCharacter(*c)) return false;
        out.Characters.push_back(std::move(c));
    }

    if (!r.Bytes(out.Services, sizeof out.Services)) return false;
    for (ServiceDescr& s : out.Services) {
        TerminateField(s.Name);
        TerminateField(s.Description);
    }

    int32_t difficulty = 0;
    uint8_t inProgress = 0;
    r.Int32(out.Cash);
    r.Double(out.GameTime);
    r.Double(out.StartTime);
    r.Int32(difficulty);
    r.Int32(out.ClockSpeed);
    r.Byte(inProgress);
    r.Int32(out.SelectedProperty);
    r.Int32(out.SelectedSlot);
    r.Int32(out.SelectedCharacter);
    r.Int32(out.SelectedGroup);
    ViewState& v = out.View;
    r.Bytes(&v.PlanWord, 4);
    r.PaddedByte(v.PalmMode);
    r.Int32(v.PalmPageIndx);
    r.Int32(v.PalmLastHotIndex);
    r.Int32(v.PalmScrollY);
    r.PaddedByte(v.PalmContinueAvailable);
    r.PaddedByte(v.RulerTab);
    r.Int32(v.RulerScrollX);
    if (!r.Ok()) return false;

    if (!IsCalendarTime(out.GameTime) || !IsCalendarTime(out.StartTime)) return false;
    out.Difficulty = static_cast<uint8_t>(difficulty & 0xFF);
    out.GameInProgress = inProgress != 0;
    ResetOddSelectionsAndView(out);
    return true;
}

void ApplyLoadedGame(LoadedGame&& loaded) {
    GameStateData& g = GameState;
    g.Properties = std::move(loaded.Properties);
    g.Characters = std::move(loaded.Characters);
    std::memcpy(g.Services, loaded.Services, sizeof g.Services);
    g.Cash = loaded.Cash;
    g.GameTime = loaded.GameTime;
    g.StartTime = loaded.StartTime;
    g.Difficulty = loaded.Difficulty;
    g.ClockSpeed = loaded.ClockSpeed;
    g.GameInProgress = loaded.GameInProgress;
    g.SelectedProperty = loaded.SelectedProperty;
    g.SelectedSlot = loaded.SelectedSlot;
    g.SelectedCharacter = loaded.SelectedCharacter;
    g.SelectedGroup = loaded.SelectedGroup;
    g.View = loaded.View;
}
