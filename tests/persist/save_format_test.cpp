// The saved-game file: its exact bytes, round trips, and every kind of file that
// must be refused without touching the running game.
#include "persist/SaveFormat.h"
#include "persist/SaveGame.h"
#include "support/TestEnv.h"

#include "SampleGame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

namespace {

using sample::CharacterAt;
using sample::PropertyAt;
using sample::ScalarsAt;

const std::string InvalidSuffix =
    " is not a valid game file, or saved with an old version of the game.";

template <typename T> void Put(std::string& bytes, std::size_t at, T value) {
    ASSERT_LE(at + sizeof(T), bytes.size());
    std::memcpy(bytes.data() + at, &value, sizeof(T));
}

template <typename T> T Get(const std::string& bytes, std::size_t at) {
    T v{};
    std::memcpy(&v, bytes.data() + at, sizeof(T));
    return v;
}

std::string Raw(const void* p, std::size_t n) {
    return std::string(static_cast<const char*>(p), n);
}

// Compares two files without printing kilobytes of bytes: sizes and the first difference.
testing::AssertionResult SameBytes(const std::string& a, const std::string& b) {
    if (a == b) return testing::AssertionSuccess();
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return testing::AssertionFailure()
           << "sizes " << a.size() << " and " << b.size() << ", first difference at byte " << i;
}

TEST(SaveFormat, TwoPropertiesAndFourteenCharactersGiveTheDocumentedBytes) {
    TempProgramFolder folder;
    HostRecorder host;
    sample::FillGame(1, 2, 14);
    GameState.Difficulty = 3;
    GameState.View.PalmMode = 9;
    GameState.View.PalmContinueAvailable = 1;
    GameState.View.RulerTab = 2;
    const std::string path = folder.Sub("two.sav");
    ASSERT_TRUE(SaveGame(path));
    const std::string f = ReadWholeFile(path);
    ASSERT_EQ(f.size(), 60886u);

    EXPECT_EQ(f.substr(0, 9), std::string("\x05\x00\x00\x00QLB1A", 9));
    EXPECT_EQ(Get<int32_t>(f, 9), 2);
    for (int k = 0; k < 2; ++k)
        EXPECT_TRUE(SameBytes(f.substr(PropertyAt(k), sizeof(Property)),
                              Raw(GameState.Properties[k].get(), sizeof(Property))));
    EXPECT_EQ(Get<int32_t>(f, sample::CharacterCountAt(2)), 14);
    for (int j = 0; j < 14; ++j)
        EXPECT_TRUE(SameBytes(f.substr(CharacterAt(2, j), sizeof(Character)),
                              Raw(GameState.Characters[j].get(), sizeof(Character))));
    EXPECT_TRUE(
        SameBytes(f.substr(sample::ServicesAt(2, 14), 8008), Raw(GameState.Services, 8008)));

    const std::size_t s = ScalarsAt(2, 14);
    EXPECT_EQ(s + 77, f.size());
    EXPECT_EQ(Get<int32_t>(f, s + 0), GameState.Cash);
    EXPECT_EQ(Get<double>(f, s + 4), GameState.GameTime);
    EXPECT_EQ(Get<double>(f, s + 12), GameState.StartTime);
    EXPECT_EQ(Get<int32_t>(f, s + 20), 3);
    EXPECT_EQ(Get<int32_t>(f, s + 24), GameState.ClockSpeed);
    EXPECT_EQ(Get<uint8_t>(f, s + 28), 1);
    EXPECT_EQ(Get<int32_t>(f, s + 29), GameState.SelectedProperty);
    EXPECT_EQ(Get<int32_t>(f, s + 33), GameState.SelectedSlot);
    EXPECT_EQ(Get<int32_t>(f, s + 37), GameState.SelectedCharacter);
    EXPECT_EQ(Get<int32_t>(f, s + 41), GameState.SelectedGroup);
    EXPECT_EQ(Get<uint32_t>(f, s + 45), GameState.View.PlanWord);
    EXPECT_EQ(f.substr(s + 49, 4), std::string("\x09\x00\x00\x00", 4));
    EXPECT_EQ(Get<int32_t>(f, s + 53), GameState.View.PalmPageIndx);
    EXPECT_EQ(Get<int32_t>(f, s + 57), GameState.View.PalmLastHotIndex);
    EXPECT_EQ(Get<int32_t>(f, s + 61), GameState.View.PalmScrollY);
    EXPECT_EQ(f.substr(s + 65, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(f.substr(s + 69, 4), std::string("\x02\x00\x00\x00", 4));
    EXPECT_EQ(Get<int32_t>(f, s + 73), GameState.View.RulerScrollX);
    EXPECT_TRUE(host.SystemErrors.empty());
}

TEST(SaveFormat, SaveLoadSaveGivesTheSameBytesAndKeepsTheStaticTables) {
    for (auto [p, c] : {std::pair{0, 0}, {1, 5}, {6, 180}}) {
        SCOPED_TRACE(testing::Message() << p << " properties, " << c << " characters");
        TempProgramFolder folder;
        HostRecorder host;
        GameState.BarDescrs.push_back(MakeBarDescr(7, 1000, 10));
        sample::FillGame(2, p, c);
        const std::string first = folder.Sub("a.sav");
        ASSERT_TRUE(SaveGame(first));
        const std::string saved = ReadWholeFile(first);
        EXPECT_TRUE(SameBytes(saved, EncodeGame(GameState))); // saving changed nothing

        sample::FillGame(3, 2, 7); // another game is running when the file is loaded
        ASSERT_TRUE(LoadGame(first));
        EXPECT_EQ(GameState.PropertyCount(), p);
        EXPECT_EQ(GameState.CharacterCount(), c);
        ASSERT_EQ(GameState.BarDescrCount(), 1);
        EXPECT_EQ(GameState.BarDescrs[0].Id, 7);

        const std::string second = folder.Sub("b.sav");
        ASSERT_TRUE(SaveGame(second));
        EXPECT_TRUE(SameBytes(ReadWholeFile(second), saved));
        EXPECT_TRUE(host.SystemErrors.empty());
    }
}

// A file of two properties and three characters from a known game, and a
// different game running when it is loaded.
struct LoadFixture : testing::Test {
    TempProgramFolder folder;
    HostRecorder host;
    std::string path = folder.Sub("game.sav");
    std::string file;
    std::string running;

    void SetUp() override {
        sample::FillGame(5, 2, 3);
        GameState.Properties[1]->GroupCount = 4;
        GameState.Properties[1]->LogCount = 2;
        file = EncodeGame(GameState);
        sample::FillGame(6, 1, 2);
        running = EncodeGame(GameState);
    }

    std::size_t Prop(int k, std::size_t offset) const { return PropertyAt(k) + offset; }
    std::size_t Char(int j, std::size_t offset) const { return CharacterAt(2, j) + offset; }
    std::size_t Scalar(std::size_t offset) const { return ScalarsAt(2, 3) + offset; }

    bool Load(const std::string& bytes) {
        host.SystemErrors.clear();
        folder.WriteFile("game.sav", bytes);
        return LoadGame(path);
    }

    void ExpectRefusedUnchanged(const std::string& bytes) {
        EXPECT_FALSE(Load(bytes));
        ASSERT_EQ(host.SystemErrors.size(), 1u);
        EXPECT_EQ(host.SystemErrors[0].first, path + InvalidSuffix);
        EXPECT_EQ(host.SystemErrors[0].second, "Quelbrin");
        EXPECT_TRUE(SameBytes(EncodeGame(GameState), running));
    }
};

using Edit = std::function<void(std::string&)>;

TEST_F(LoadFixture, MagicIsComparedWithoutRegardToCase) {
    for (const char* magic : {"qlb1a", "Qlb1A", "QLB1A"}) {
        std::string f = file;
        f.replace(4, 5, magic);
        EXPECT_TRUE(Load(f)) << magic;
        EXPECT_TRUE(host.SystemErrors.empty());
        EXPECT_TRUE(SameBytes(EncodeGame(GameState), file));
    }
}

TEST_F(LoadFixture, BadValuesAreRefusedAndTheRunningGameStays) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<const char*, Edit> cases[] = {
        {"last magic character", [](std::string& f) { f[8] = 'B'; }},
        {"NUL inside the magic", [](std::string& f) { f[7] = '\0'; }},
        {"magic length 4", [](std::string& f) { Put<int32_t>(f, 0, 4); }},
        {"magic length 6", [](std::string& f) { Put<int32_t>(f, 0, 6); }},
        {"negative magic length", [](std::string& f) { Put<int32_t>(f, 0, -5); }},
        {"property count -1", [](std::string& f) { Put<int32_t>(f, 9, -1); }},
        {"group count 51", [this](std::string& f) { Put<int32_t>(f, Prop(0, 6256), 51); }},
        {"group count -1", [this](std::string& f) { Put<int32_t>(f, Prop(1, 6256), -1); }},
        {"log count 25", [this](std::string& f) { Put<int32_t>(f, Prop(0, 19128), 25); }},
        {"log count -1", [this](std::string& f) { Put<int32_t>(f, Prop(1, 19128), -1); }},
        {"report count 13", [this](std::string& f) { Put<int32_t>(f, Prop(1, 25324), 13); }},
        {"report count -1", [this](std::string& f) { Put<int32_t>(f, Prop(0, 25324), -1); }},
        {"group type 0", [this](std::string& f) { f[Prop(1, 256 + 120 * 3)] = 0; }},
        {"group type 12", [this](std::string& f) { f[Prop(1, 256)] = 12; }},
        {"employed in slot 20",
         [this](std::string& f) {
             f[Char(1, 88)] = 1;
             Put<int32_t>(f, Char(1, 96), 20);
         }},
        {"employed in slot -1",
         [this](std::string& f) {
             f[Char(2, 88)] = 1;
             Put<int32_t>(f, Char(2, 96), -1);
         }},
        {"supplies NaN", [&](std::string& f) { Put(f, Prop(0, 64), nan); }},
        {"relation NaN", [&](std::string& f) { Put(f, Char(0, 56), nan); }},
        {"skill infinite", [&](std::string& f) { Put(f, Char(1, 64), inf); }},
        {"second skill NaN", [&](std::string& f) { Put(f, Char(2, 72), -nan); }},
        {"interest rate infinite", [&](std::string& f) { Put(f, Char(0, 128), -inf); }},
        {"unused log entry time NaN",
         [&](std::string& f) { Put(f, Prop(1, 6264 + 536 * 20 + 520), nan); }},
        {"game time NaN", [&](std::string& f) { Put(f, Scalar(4), nan); }},
        {"game time infinite", [&](std::string& f) { Put(f, Scalar(4), inf); }},
        {"game time before the calendar", [&](std::string& f) { Put(f, Scalar(4), -0.5); }},
        {"game time after the year 9999", [&](std::string& f) { Put(f, Scalar(4), 2958466.0); }},
        {"start time NaN", [&](std::string& f) { Put(f, Scalar(12), nan); }},
        {"start time after the year 9999", [&](std::string& f) { Put(f, Scalar(12), 1e300); }},
        {"fine deadline before the calendar", [&](std::string& f) { Put(f, Prop(0, 72), -1.0); }},
        {"fine deadline after the year 9999",
         [&](std::string& f) { Put(f, Prop(1, 72), 2958466.5); }},
        {"log entry time after the year 9999",
         [&](std::string& f) { Put(f, Prop(1, 6264 + 536 * 1 + 520), 3e6); }},
        {"log entry time before the calendar",
         [&](std::string& f) { Put(f, Prop(1, 6264 + 520), -2.0); }},
    };
    for (const auto& [name, edit] : cases) {
        SCOPED_TRACE(name);
        std::string f = file;
        edit(f);
        ExpectRefusedUnchanged(f);
    }
}

TEST_F(LoadFixture, ValuesOnlyJustInsideTheLimitsLoad) {
    const std::pair<const char*, Edit> cases[] = {
        {"group type 0 beyond the group count",
         [this](std::string& f) { f[Prop(1, 256 + 120 * 4)] = 0; }},
        {"log time beyond the log count",
         [this](std::string& f) { Put(f, Prop(1, 6264 + 536 * 2 + 520), -7.0); }},
        {"idle character with slot 99",
         [this](std::string& f) {
             f[Char(0, 88)] = 0;
             Put<int32_t>(f, Char(0, 96), 99);
         }},
        {"full counts",
         [this](std::string& f) {
             Put<int32_t>(f, Prop(0, 6256), 50);
             Put<int32_t>(f, Prop(0, 19128), 24);
             Put<int32_t>(f, Prop(0, 25324), 12);
         }},
        {"last day of the calendar", [this](std::string& f) { Put(f, Scalar(4), 2958465.99); }},
        {"first moment of the calendar", [this](std::string& f) { Put(f, Scalar(12), 0.0); }},
        {"bytes after the last item", [](std::string& f) { f += "extra"; }},
    };
    for (const auto& [name, edit] : cases) {
        SCOPED_TRACE(name);
        std::string f = file;
        edit(f);
        EXPECT_TRUE(Load(f));
        EXPECT_TRUE(host.SystemErrors.empty());
    }
}

TEST_F(LoadFixture, CountsAboveTheLimitsAreRefusedEvenInACompleteFile) {
    for (auto [p, c] : {std::pair{7, 0}, {0, 181}}) {
        SCOPED_TRACE(testing::Message() << p << " properties, " << c << " characters");
        sample::FillGame(8, p, c);
        const std::string big = EncodeGame(GameState);
        ASSERT_EQ(big.size(), SaveFileSize(p, c));
        sample::FillGame(6, 1, 2);
        ExpectRefusedUnchanged(big);
    }
}

TEST_F(LoadFixture, DifficultyTakesTheLowByte) {
    std::string f = file;
    Put<int32_t>(f, Scalar(20), 0x7F000102);
    ASSERT_TRUE(Load(f));
    EXPECT_EQ(GameState.Difficulty, 2);
}

TEST_F(LoadFixture, EveryTextFieldEndsAtItsLastByte) {
    std::string f = file;
    auto fill = [&f](std::size_t at, std::size_t n) { f.replace(at, n, std::string(n, 'x')); };
    fill(Prop(0, 4), 32);
    fill(Prop(1, 6264 + 536 * 23), 512); // an unused entry is terminated too
    fill(Prop(0, 19132 + 516 * 11), 512);
    fill(Char(2, 4), 50);
    fill(sample::ServicesAt(2, 3) + 308 * 25 + 1, 50);
    fill(sample::ServicesAt(2, 3) + 308 * 25 + 51, 256);
    ASSERT_TRUE(Load(f));
    EXPECT_EQ(FieldText(GameState.Properties[0]->Name), std::string(31, 'x'));
    EXPECT_EQ(FieldText(GameState.Properties[1]->Log[23].Text), std::string(511, 'x'));
    EXPECT_EQ(FieldText(GameState.Properties[0]->Report[11].Text), std::string(511, 'x'));
    EXPECT_EQ(FieldText(GameState.Characters[2]->Name), std::string(49, 'x'));
    EXPECT_EQ(FieldText(GameState.Services[25].Name), std::string(49, 'x'));
    EXPECT_EQ(FieldText(GameState.Services[25].Description), std::string(255, 'x'));
}

TEST_F(LoadFixture, OddViewValuesAndSelectionsGoBackToTheirDefaults) {
    // The selected property 1 holds 4 groups; there are 3 characters.
    struct Case {
        const char* name;
        std::size_t at;
        int32_t value;
        int width;
        std::function<int32_t()> read;
        int32_t expected;
    };
    auto mode = [] { return int32_t{GameState.View.PalmMode}; };
    auto tab = [] { return int32_t{GameState.View.RulerTab}; };
    auto page = [] { return GameState.View.PalmPageIndx; };
    auto cont = [] { return int32_t{GameState.View.PalmContinueAvailable}; };
    auto prop = [] { return GameState.SelectedProperty; };
    auto slot = [] { return GameState.SelectedSlot; };
    auto chr = [] { return GameState.SelectedCharacter; };
    auto grp = [] { return GameState.SelectedGroup; };
    const Case cases[] = {
        {"palm mode 11", Scalar(49), 11, 1, mode, 0},
        {"palm mode 10", Scalar(49), 10, 1, mode, 10},
        {"ruler tab 3", Scalar(69), 3, 1, tab, 0},
        {"ruler tab 2", Scalar(69), 2, 1, tab, 2},
        {"page index -1", Scalar(53), -1, 4, page, 0},
        {"page index 1000", Scalar(53), 1000, 4, page, 1000}, // the page reports that itself
        {"continue flag 2", Scalar(65), 2, 1, cont, 0},
        {"selected property 2", Scalar(29), 2, 4, prop, -1},
        {"selected property -2", Scalar(29), -2, 4, prop, -1},
        {"selected slot 20", Scalar(33), 20, 4, slot, -1},
        {"selected slot 19", Scalar(33), 19, 4, slot, 19},
        {"selected character 3", Scalar(37), 3, 4, chr, -1},
        {"selected character 2", Scalar(37), 2, 4, chr, 2},
        {"selected group 4", Scalar(41), 4, 4, grp, -1},
        {"selected group 3", Scalar(41), 3, 4, grp, 3},
        {"group of no property", Scalar(29), -1, 4, grp, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string f = file;
        Put<int32_t>(f, Scalar(29), 1);
        Put<int32_t>(f, Scalar(41), 0);
        if (c.width == 1)
            f[c.at] = static_cast<char>(c.value);
        else
            Put<int32_t>(f, c.at, c.value);
        ASSERT_TRUE(Load(f));
        EXPECT_TRUE(host.SystemErrors.empty());
        EXPECT_EQ(c.read(), c.expected);
    }
}

TEST_F(LoadFixture, AFileCutAnywhereIsRefused) {
    // A small save cut at every byte, and a save with properties cut inside
    // and between each of its records.
    sample::FillGame(11, 0, 2);
    const std::string small = EncodeGame(GameState);
    sample::FillGame(6, 1, 2);
    // The reader sees every cut; whole loads through a file take every 37th.
    for (std::size_t n = 0; n < small.size(); ++n) {
        LoadedGame g;
        ASSERT_FALSE(DecodeGame(std::string_view(small).substr(0, n), g)) << n;
        if (n % 37 != 0 && n + 1 != small.size()) continue;
        SCOPED_TRACE(n);
        ExpectRefusedUnchanged(small.substr(0, n));
        if (HasFailure()) break;
    }
    for (std::size_t n : {PropertyAt(0), PropertyAt(0) + 1, PropertyAt(1) - 1, PropertyAt(1),
                          PropertyAt(1) + 6256, CharacterAt(2, 0), CharacterAt(2, 1) + 100,
                          sample::ServicesAt(2, 3) + 4000, ScalarsAt(2, 3), file.size() - 1}) {
        SCOPED_TRACE(n);
        ExpectRefusedUnchanged(file.substr(0, n));
    }
}

} // namespace
