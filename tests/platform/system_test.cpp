#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/SystemDialogs.h"

#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>

TEST(Files, WildcardsMatchWholeNamesWithExactCase) {
    struct Case {
        const char* pattern;
        const char* name;
        bool match;
    };
    const Case cases[] = {
        {"*.sav", "autosave.sav", true},
        {"*.sav", "autosave.sav.bak", false},
        {"*.sav", "AUTOSAVE.SAV", false},
        {"*.dat", ".dat", true},
        {"?f.bmp", "3f.bmp", true},
        {"?f.bmp", "13f.bmp", false},
        {"*", "", true},
        {"a*b*c", "aXbYbZc", true},
        {"a*b*c", "aXbYbZ", false},
        {"", "x", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Files::WildcardMatch(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

TEST(Files, ListingExistsSizeDeleteAndRead) {
    TempProgramFolder dir;
    dir.WriteFile("b.sav", "12345");
    dir.WriteFile("a.sav", "");
    dir.WriteFile(".hidden.sav", "x");
    dir.WriteFile("notes.txt", "x");
    std::filesystem::create_directories(dir.Sub("folder.sav"));
    EXPECT_EQ(Files::List(dir.Path(), "*.sav"), (std::vector<std::string>{"a.sav", "b.sav"}));
    EXPECT_TRUE(Files::List(dir.Sub("missing/"), "*").empty());

    EXPECT_TRUE(Files::Exists(dir.Sub("b.sav")));
    EXPECT_FALSE(Files::Exists(dir.Sub("folder.sav")));
    EXPECT_EQ(Files::Size(dir.Sub("b.sav")), 5);
    EXPECT_EQ(Files::Size(dir.Sub("folder.sav")), -1);

    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(Files::ReadAll(dir.Sub("b.sav"), bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "12345");
    EXPECT_FALSE(Files::ReadAll(dir.Sub("b.sav"), bytes, 4)); // over the limit
    EXPECT_FALSE(Files::ReadAll(dir.Sub("folder.sav"), bytes));
    EXPECT_TRUE(Files::ReadAll(dir.Sub("a.sav"), bytes));
    EXPECT_TRUE(bytes.empty());

    EXPECT_TRUE(Files::Delete(dir.Sub("b.sav")));
    EXPECT_FALSE(Files::Delete(dir.Sub("b.sav")));
    EXPECT_FALSE(Files::Delete(dir.Sub("folder.sav")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Sub("folder.sav")));
}

TEST(Clock, LocalTimeAndDayNumberAgree) {
    const Clock::LocalTime t = Clock::Now();
    EXPECT_GE(t.year, 2024);
    EXPECT_TRUE(t.month >= 1 && t.month <= 12);
    EXPECT_TRUE(t.day >= 1 && t.day <= 31);
    const double day = Clock::NowAsDayNumber();
    // 1 January 2024 is day 45292 since 30 December 1899.
    EXPECT_GT(day, 45292.0);
    const double frac = day - std::floor(day);
    EXPECT_NEAR(frac * 24, t.hour + t.minute / 60.0, 0.1);
    EXPECT_NEAR(double(Clock::Seconds()),
                double(std::chrono::duration_cast<std::chrono::seconds>(
                           std::chrono::system_clock::now().time_since_epoch())
                           .count()),
                2.0);
}

TEST(OpenAddress, PassesTheAddressAsOneArgumentAndRefusesOthers) {
    TempProgramFolder dir;
    // A stand-in xdg-open first on the PATH records what it was given.
    const std::string out = dir.Sub("args.txt");
    dir.WriteFile("xdg-open", "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > " + out + "\n");
    std::filesystem::permissions(dir.Sub("xdg-open"), std::filesystem::perms::owner_all);
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (dir.Path() + ":" + oldPath).c_str(), 1);

    const std::string tricky = "mailto:support@quelbrin.example?subject=a b;$(touch x)";
    ASSERT_TRUE(OpenAddress(tricky));
    for (int i = 0; i < 200 && ReadWholeFile(out).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(ReadWholeFile(out), "1|" + tricky + "|");
    EXPECT_FALSE(std::filesystem::exists(dir.Sub("x")));

    for (const char* bad :
         {"", "--help", "file:///etc/passwd", "javascript:x", "http://a\nb", "/bin/sh"})
        EXPECT_FALSE(OpenAddress(bad)) << bad;

    setenv("PATH", dir.Sub("nothing-here").c_str(), 1);
    EXPECT_FALSE(OpenAddress("https://quelbrin.example/"));
    setenv("PATH", oldPath.c_str(), 1);
}
