#include "persist/SessionFile.h"

#include "model/GameHost.h"
#include "persist/Autosave.h"
#include "persist/DebugLog.h"
#include "sim/Clock.h"
#include "sim/Random.h"

#include <cmath>
#include <filesystem>

namespace fs = std::filesystem;

SessionFile::SessionFile() {
    SetHourTickObserver([this](bool done) {
        if (!mActive) return;
        if (!done) {
            mRecorder.BeforeTick();
            return;
        }
        mRecorder.AfterTick();
        // Written once a game day, when the clock enters the next one.
        if (std::trunc(GameState.GameTime) != mFlushedDay) Flush();
    });
}

SessionFile::~SessionFile() {
    SetHourTickObserver({});
}

std::string SessionFile::Path() const {
    const std::string folder = mFolder.empty() ? SaveFolder() : mFolder;
    return (fs::path(folder) / "last-session.qlbr").string();
}

void SessionFile::Prepare() {
    // Drawn from the game's generator, so a session's seed follows from the start-up seed.
    mSeed = static_cast<uint32_t>(RandomInt());
    SeedRandom(mSeed);
}

void SessionFile::Begin() {
    const fs::path path = Path();
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    if (fs::exists(path, ec)) fs::rename(path, fs::path(path).replace_extension(".1.qlbr"), ec);
    mActive = true;
    Flush();
}

void SessionFile::StartNew(int difficulty, int32_t startDay) {
    mRecorder.StartNew(mSeed, difficulty, startDay);
    Begin();
}

void SessionFile::StartLoaded(const std::string& bytes) {
    mRecorder.StartLoaded(mSeed, bytes);
    Begin();
}

void SessionFile::Flush() {
    if (!mActive) return;
    mFlushedDay = std::trunc(GameState.GameTime);
    mRecorder.Finish();
    std::string error;
    if (!WriteRecording(Path(), mRecorder.Current(), error))
        AppendDebugLine("Session recording: " + error);
}
