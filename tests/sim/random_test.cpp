// The generator and the draws built on it.
#include "sim/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <vector>

namespace {

// Hands out one fixed value for every draw while it lives.
struct FixedDraw {
    explicit FixedDraw(int32_t value) {
        SetRandomSourceForTesting([value] { return value; });
    }
    ~FixedDraw() { SetRandomSourceForTesting(nullptr); }
};

TEST(Random, SameSeedSameSequenceAndAllNonNegative31Bit) {
    SeedRandom(1234);
    std::vector<int32_t> a;
    for (int i = 0; i < 1000; ++i)
        a.push_back(RandomInt());
    SeedRandom(1234);
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(RandomInt(), a[i]);
    SeedRandom(1235);
    int same = 0;
    for (int i = 0; i < 1000; ++i)
        same += RandomInt() == a[i];
    EXPECT_LT(same, 5);

    // Values reach both halves of the 31-bit range and the top bit is never set.
    SeedRandom(7);
    bool high = false, low = false;
    for (int i = 0; i < 10000; ++i) {
        int32_t r = RandomInt();
        ASSERT_GE(r, 0);
        high |= r >= (1 << 30);
        low |= r < (1 << 30);
    }
    EXPECT_TRUE(high);
    EXPECT_TRUE(low);
}

TEST(Random, RemaindersAreRoughlyUniform) {
    SeedRandom(99);
    int counts[10] = {};
    const int n = 100000;
    for (int i = 0; i < n; ++i)
        ++counts[RandomInt() % 10];
    for (int c : counts)
        EXPECT_NEAR(c, n / 10, n / 100);
}

TEST(Random, ChanceTestBoundaries) {
    struct Case {
        double p;
        int32_t draw;
        bool passes;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {0.5, 2047, true},
        {0.5, 2048, false},
        {0.5, 2047 + 4095, true},
        {1.0, 4094, true},
        {2.0, 4094, true},
        {0.0, 0, true},
        {0.0, 1, false},
        {-1.0, 0, true},
        {-1.0, 4095, true},
        {-1.0, 1, false},
        {nan, 0, true},
        {nan, 1, false},
        {1.0 / 4095, 1, true},
        {0.9999 / 4095, 1, false},
        {std::numeric_limits<double>::infinity(), 4094, true},
    };
    for (const Case& c : cases) {
        FixedDraw draw(c.draw);
        EXPECT_EQ(ChanceTest(c.p), c.passes) << "p=" << c.p << " draw=" << c.draw;
    }
}

TEST(Random, ChanceTestOfHalfPasses2048In4095) {
    int passes = 0;
    int32_t next = 0;
    SetRandomSourceForTesting([&next] { return next++; });
    for (int i = 0; i < 4095; ++i)
        passes += ChanceTest(0.5);
    SetRandomSourceForTesting(nullptr);
    EXPECT_EQ(passes, 2048);
}

TEST(Random, RandomBetweenStopsBelowTheTop) {
    {
        FixedDraw draw(4094);
        EXPECT_DOUBLE_EQ(RandomBetween(0.5, 1.5), 0.5 + 4094.0 / 4095);
        EXPECT_LT(RandomBetween(0.5, 1.5), 1.5);
    }
    {
        FixedDraw draw(4095);
        EXPECT_DOUBLE_EQ(RandomBetween(0.5, 1.5), 0.5);
    }
    {
        FixedDraw draw(2 * 4095 + 1);
        EXPECT_DOUBLE_EQ(RandomBetween(10, 20), 10 + 10.0 / 4095);
    }
    SeedRandom(3);
    for (int i = 0; i < 10000; ++i) {
        double v = RandomBetween(0.75, 1.25);
        ASSERT_GE(v, 0.75);
        ASSERT_LT(v, 1.25);
    }
}

TEST(Random, PickPhraseUsesTheRemainder) {
    {
        FixedDraw draw(10);
        EXPECT_STREQ(PickPhrase({"a", "b", "c"}).c_str(), "b"); // 10 mod 3
        EXPECT_STREQ(PickPhrase({"a", "b", "c", "d", "e", "f", "g", "h"}).c_str(), "c");
    }
    SeedRandom(5);
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i)
        seen.insert(PickPhrase({"x", "y", "z", "w"}));
    EXPECT_EQ(seen.size(), 4u);
}

TEST(Random, TestSourceNeverGivesNegativeDraws) {
    FixedDraw draw(-5);
    EXPECT_GE(RandomInt(), 0);
    EXPECT_FALSE(PickPhrase({"a", "b"}).empty());
}

} // namespace

TEST(Random, PresentationDrawsLeaveTheGameSequenceAlone) {
    SeedRandom(42);
    std::vector<int32_t> plain;
    for (int i = 0; i < 50; ++i)
        plain.push_back(RandomInt());

    SeedRandom(42);
    SeedPresentationRandom(42);
    std::vector<int32_t> mixed, presentation;
    for (int i = 0; i < 50; ++i) {
        presentation.push_back(PresentationRandomInt());
        PresentationChance(0.5);
        PresentationPhrase({"a", "b", "c"});
        mixed.push_back(RandomInt());
    }
    EXPECT_EQ(mixed, plain);
    // Same seed, same kind of generator: the presentation's first draw is the game's.
    EXPECT_EQ(presentation.front(), plain.front());
}
