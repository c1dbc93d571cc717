// A session's recording: how it began (a seed and a new game, or a loaded file's
// bytes), then the player's requests with the game hour they ran at, the hour ticks
// between them as counts, and the saved view fields that navigation and the speed
// buttons change, so that playing it again leads to a game that saves to the same bytes.
//
// The file is line-oriented text:
//   quelbrin-recording 1
//   seed <n>
//   new <difficulty> <day number>  |  load <base64 of the file>
//   state <ClockSpeed> <the four selections> <the eight view fields>
//   ticks <n>
//   request <hour> <kind> <property> <character> <slot> <building> <upgrade> <supplies>
//           <category> <level> <yes> =<name, %-escaped>
//   end
#pragma once

#include "model/Game.h"
#include "sim/Requests.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int RecordingVersion = 1;

// The saved fields that change without a request.
struct RecordedState {
    int32_t ClockSpeed = 0;
    int32_t SelectedProperty = -1;
    int32_t SelectedSlot = -1;
    int32_t SelectedCharacter = -1;
    int32_t SelectedGroup = -1;
    ViewState View;

    bool operator==(const RecordedState& o) const;
};

RecordedState CurrentRecordedState();
void ApplyRecordedState(const RecordedState& s);

struct RecordingEvent {
    enum class Type : uint8_t { Ticks, Request, State };
    Type What = Type::Ticks;
    int64_t Ticks = 0;
    double Hour = 0; // game time * 24 when the request ran
    PlayerRequest Request;
    RecordedState State;
};

struct Recording {
    uint32_t Seed = 0;
    bool Loaded = false;
    int Difficulty = 0;      // of a new game
    int32_t StartDay = 0;    // of a new game
    std::string LoadedBytes; // of a loaded game
    std::vector<RecordingEvent> Events;
};

std::string RecordingText(const Recording& r);
// False with "line N: reason" when the text is not a whole recording of this version.
bool ParseRecording(const std::string& text, Recording& out, std::string& error);

// Written to a temporary file beside path, then renamed over it.
bool WriteRecording(const std::string& path, const Recording& r, std::string& error);
bool ReadRecording(const std::string& path, Recording& out, std::string& error);

std::string Base64Encode(const std::string& bytes);
bool Base64Decode(const std::string& text, std::string& bytes);

// Keeps the recording of a running session: the hosts call BeforeTick and AfterTick
// around every hour tick and Finish at the end; it hears the requests while it lives.
class SessionRecorder {
public:
    SessionRecorder();
    ~SessionRecorder();
    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    void StartNew(uint32_t seed, int difficulty, int32_t startDay);
    void StartLoaded(uint32_t seed, const std::string& bytes);
    void BeforeTick();
    void AfterTick();
    // Notes the fields as they are now; call before writing the recording out.
    void Finish();
    const Recording& Current() const { return mRecording; }

private:
    void Requested(const PlayerRequest& r, double gameTime);
    void NoteState();

    Recording mRecording;
    RecordedState mLast;
    bool mLastKnown = false;
    bool mTickRun = false; // the last event is a run of ticks that may grow
};
