// Recordings: what is written reads back the same, a damaged or foreign file is
// refused with its line, and the recorder notes fields only when they change.
#include "persist/Recording.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

Recording Sample() {
    Recording r;
    r.Seed = 4000000000u;
    r.Difficulty = 2;
    r.StartDay = 46000;
    RecordingEvent state;
    state.What = RecordingEvent::Type::State;
    state.State.ClockSpeed = 2;
    state.State.SelectedProperty = 1;
    state.State.SelectedGroup = 3;
    state.State.View.PalmMode = 4;
    state.State.View.PalmScrollY = -20;
    state.State.View.PlanWord = 0xFFFFFFFFu;
    state.State.View.RulerScrollX = 77;
    r.Events.push_back(state);
    RecordingEvent ticks;
    ticks.Ticks = 30;
    r.Events.push_back(ticks);
    RecordingEvent rename;
    rename.What = RecordingEvent::Type::Request;
    rename.Hour = 46000.0 * 24 + 30;
    rename.Request.Kind = RequestKind::RenameProperty;
    rename.Request.Text = "100% Fun Bar\t\xE9";
    rename.Request.SelectedProperty = 1;
    r.Events.push_back(rename);
    RecordingEvent supplies = rename;
    supplies.Request = PlayerRequest{};
    supplies.Request.Kind = RequestKind::BuySupplies;
    supplies.Request.Supplies = SuppliesOrder::Full;
    supplies.Request.UpgradeKind = Upgrade::Equipment;
    supplies.Request.Category = 11;
    supplies.Request.Level = 4;
    supplies.Request.Building = 12;
    supplies.Request.Yes = true;
    supplies.Request.SelectedCharacter = 5;
    supplies.Request.SelectedSlot = 19;
    r.Events.push_back(supplies);
    return r;
}

void ExpectSame(const Recording& a, const Recording& b) {
    EXPECT_EQ(a.Seed, b.Seed);
    EXPECT_EQ(a.Loaded, b.Loaded);
    EXPECT_EQ(a.Difficulty, b.Difficulty);
    EXPECT_EQ(a.StartDay, b.StartDay);
    EXPECT_EQ(a.LoadedBytes, b.LoadedBytes);
    ASSERT_EQ(a.Events.size(), b.Events.size());
    for (std::size_t i = 0; i < a.Events.size(); ++i) {
        const RecordingEvent &x = a.Events[i], &y = b.Events[i];
        EXPECT_EQ(x.What, y.What) << i;
        if (x.What == RecordingEvent::Type::Ticks) {
            EXPECT_EQ(x.Ticks, y.Ticks) << i;
        }
        if (x.What == RecordingEvent::Type::State) {
            EXPECT_TRUE(x.State == y.State) << i;
        }
        if (x.What == RecordingEvent::Type::Request) {
            EXPECT_EQ(x.Hour, y.Hour) << i;
            EXPECT_EQ(x.Request, y.Request) << i;
        }
    }
}

TEST(Recording, RoundTripThroughAFile) {
    TempProgramFolder folder;
    const std::string path = folder.Sub("session.qlbr");
    std::string error;
    const Recording r = Sample();
    ASSERT_TRUE(WriteRecording(path, r, error)) << error;
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    Recording back;
    ASSERT_TRUE(ReadRecording(path, back, error)) << error;
    ExpectSame(r, back);

    // A loaded start keeps every byte, zeros and high bytes included, at each padding length.
    for (std::string bytes : {std::string(), std::string("\0", 1), std::string("\xFF\x00\x7F", 3),
                              std::string("abcd\0\xFE", 6)}) {
        Recording loaded = r;
        loaded.Loaded = true;
        loaded.LoadedBytes = bytes;
        loaded.Difficulty = 0; // a loaded game has its own
        loaded.StartDay = 0;
        Recording again;
        ASSERT_TRUE(ParseRecording(RecordingText(loaded), again, error)) << error;
        ExpectSame(loaded, again);
    }
}

TEST(Recording, DamagedTextNamesItsLine) {
    const std::string good = RecordingText(Sample());
    ASSERT_EQ(good.substr(0, 21), "quelbrin-recording 1\n");
    struct Case {
        std::string Text;
        std::string Error;
    } cases[] = {
        {"quelbrin-recording 2\nseed 1\nnew 0 1\nend\n",
         "line 1: a recording of version 2; this game plays version 1"},
        {"a saved game\n", "line 1: not a Quelbrin recording"},
        {"quelbrin-recording 1\nseed x\nnew 0 1\nend\n", "line 2: expected 'seed <number>'"},
        {"quelbrin-recording 1\nseed 1\nnew 5 1\nend\n",
         "line 3: expected 'new <difficulty> <day>' or 'load <base64>'"},
        {"quelbrin-recording 1\nseed 1\nload a*==\nend\n", "line 3: the loaded game is not base64"},
        {"quelbrin-recording 1\nseed 1\nnew 0 1\nticks 0\nend\n",
         "line 4: expected 'ticks <count>'"},
        {"quelbrin-recording 1\nseed 1\nnew 0 1\nticks 3\ndance 1\nend\n",
         "line 5: unknown line 'dance'"},
        {"quelbrin-recording 1\nseed 1\nnew 0 1\nstate 0 1 2\nend\n",
         "line 4: bad selected character"},
        {"quelbrin-recording 1\nseed 1\nnew 0 1\nrequest 24 juggle 0 0 0 0 0 0 0 0 0 =\nend\n",
         "line 4: unknown request 'juggle'"},
        {"quelbrin-recording 1\nseed 1\nnew 0 1\nrequest 24 buy 0 0 0 0 0 0 0 0 2 =\nend\n",
         "line 4: bad answer"},
        {"quelbrin-recording 1\nseed 1\nnew 0 1\nrequest 24 rename 0 0 0 0 0 0 0 0 0 =a%4\nend\n",
         "line 4: bad name '=a%4'"},
        {"quelbrin-recording 1\nseed 1\nnew 0 1\nend\nticks 1\n",
         "line 5: text after the end line"},
        {"quelbrin-recording 1\nseed 1\n", "line 3: the recording is truncated: it has no start"},
    };
    for (const Case& c : cases) {
        Recording out;
        std::string error;
        EXPECT_FALSE(ParseRecording(c.Text, out, error)) << c.Text;
        EXPECT_EQ(error, c.Error) << c.Text;
    }

    // Cut anywhere, a recording says it is truncated on the line where it stops.
    const std::size_t lines = static_cast<std::size_t>(std::count(good.begin(), good.end(), '\n'));
    for (std::size_t cut : {good.size() - 1, good.size() - 5, good.size() / 2}) {
        Recording out;
        std::string error;
        EXPECT_FALSE(ParseRecording(good.substr(0, cut), out, error)) << cut;
        EXPECT_NE(error.find("truncated"), std::string::npos) << error;
        EXPECT_EQ(error.rfind("line ", 0), 0u) << error;
    }
    Recording out;
    std::string error;
    EXPECT_FALSE(ParseRecording(good.substr(0, good.size() - 4), out, error));
    EXPECT_EQ(error,
              "line " + std::to_string(lines) + ": the recording is truncated: it has no end line");
}

TEST(Recording, ReadingAMissingOrDamagedFileSaysWhichFile) {
    TempProgramFolder folder;
    Recording out;
    std::string error;
    EXPECT_FALSE(ReadRecording(folder.Sub("none.qlbr"), out, error));
    EXPECT_EQ(error, "cannot open " + folder.Sub("none.qlbr"));
    folder.WriteFile("bad.qlbr", "quelbrin-recording 9\n");
    EXPECT_FALSE(ReadRecording(folder.Sub("bad.qlbr"), out, error));
    EXPECT_EQ(error, folder.Sub("bad.qlbr") +
                         ": line 1: a recording of version 9; this game plays version 1");
}

TEST(SessionRecorder, CountsTicksAndNotesFieldsOnlyWhenTheyChange) {
    TempProgramFolder folder; // resets the game state on entry and exit
    SessionRecorder rec;
    rec.StartNew(7, 1, 46000);
    auto tick = [&] {
        rec.BeforeTick();
        GameState.GameTime += 1.0 / 24;
        rec.AfterTick();
    };
    tick();
    tick();
    GameState.View.RulerTab = 2; // navigation between ticks
    tick();
    PlayerRequest r = RequestOnSelections(RequestKind::Borrow);
    Perform(r);
    tick();
    tick();
    rec.Finish();

    using T = RecordingEvent::Type;
    const std::vector<RecordingEvent>& e = rec.Current().Events;
    std::vector<T> kinds;
    for (const RecordingEvent& x : e)
        kinds.push_back(x.What);
    // The first state, two ticks, the tab, a tick, the request, the state it left, two ticks.
    const std::vector<T> expected = {T::State,   T::Ticks, T::State, T::Ticks,
                                     T::Request, T::State, T::Ticks};
    ASSERT_EQ(kinds, expected);
    EXPECT_EQ(e[1].Ticks, 2);
    EXPECT_EQ(e[2].State.View.RulerTab, 2);
    EXPECT_EQ(e[3].Ticks, 1);
    EXPECT_EQ(e[4].Request, r);
    EXPECT_DOUBLE_EQ(e[4].Hour, GameState.GameTime * 24 - 2);
    EXPECT_EQ(e[6].Ticks, 2);
}

} // namespace
