// The window's recording of the running session, kept as save/last-session.qlbr
// so that a bug report can carry the session; the previous session's file stays
// as last-session.1.qlbr. It is written when a session starts, after every game
// day and by Flush on the way out, so a crash loses at most the day being played.
#pragma once

#include "persist/Recording.h"

#include <cstdint>
#include <string>

class SessionFile {
public:
    SessionFile();
    ~SessionFile();
    SessionFile(const SessionFile&) = delete;
    SessionFile& operator=(const SessionFile&) = delete;

    // Before a new game or a load: seeds the generator anew, so that the recording's
    // seed is where the session's draws start.
    void Prepare();
    // After it: the session begins, and the previous one's file moves aside.
    void StartNew(int difficulty, int32_t startDay);
    void StartLoaded(const std::string& bytes);
    // Notes the fields as they are and writes the file; nothing without a session.
    void Flush();

    // In the save folder unless set (tests).
    void SetFolder(const std::string& folder) { mFolder = folder; }
    std::string Path() const;

private:
    void Begin();

    SessionRecorder mRecorder;
    std::string mFolder;
    bool mActive = false;
    uint32_t mSeed = 0;
    double mFlushedDay = 0;
};
