// The window's session file: begun by each new game or load with the previous one
// kept beside it, written again whenever the clock enters a new day and on Flush.
#include "persist/SessionFile.h"
#include "sim/Clock.h"
#include "sim/Random.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

Recording Read(const std::string& path) {
    Recording r;
    std::string error;
    EXPECT_TRUE(ReadRecording(path, r, error)) << error;
    return r;
}

int64_t Ticks(const Recording& r) {
    int64_t n = 0;
    for (const RecordingEvent& e : r.Events)
        if (e.What == RecordingEvent::Type::Ticks) n += e.Ticks;
    return n;
}

TEST(SessionFile, WrittenAtTheStartEachDayAndOnFlushWithThePreviousKept) {
    TempProgramFolder folder;
    SeedRandom(5);
    SessionFile session;
    session.SetFolder(folder.Sub("save"));
    const std::string path = folder.Sub("save/last-session.qlbr");

    // Nothing is written before a session begins.
    HourTick();
    session.Flush();
    EXPECT_FALSE(std::filesystem::exists(path));

    session.Prepare();
    const int32_t first = RandomInt(); // the session's draws start at its seed
    GameState.GameTime = 46000 + 1.0 / 48;
    session.StartNew(1, 46000);
    Recording r = Read(path);
    EXPECT_EQ(r.Difficulty, 1);
    EXPECT_EQ(r.StartDay, 46000);
    SeedRandom(r.Seed);
    EXPECT_EQ(RandomInt(), first);

    // 23 hours stay inside the first day; the 24th enters the next and writes.
    for (int h = 0; h < 23; ++h)
        HourTick();
    EXPECT_EQ(Ticks(Read(path)), 0);
    HourTick();
    EXPECT_EQ(Ticks(Read(path)), 24);
    HourTick();
    EXPECT_EQ(Ticks(Read(path)), 24);
    session.Flush();
    EXPECT_EQ(Ticks(Read(path)), 25);

    // The next session moves this one aside.
    session.Prepare();
    session.StartLoaded("saved bytes");
    EXPECT_EQ(Ticks(Read(folder.Sub("save/last-session.1.qlbr"))), 25);
    r = Read(path);
    EXPECT_TRUE(r.Loaded);
    EXPECT_EQ(r.LoadedBytes, "saved bytes");
    EXPECT_EQ(Ticks(r), 0);
}

} // namespace
