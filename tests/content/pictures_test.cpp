// The generated pictures and cursors against the generator's picture table and against
// the cells the panels copy.
#include "ContentFiles.h"
#include "PictureTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <tuple>

using namespace contenttest;

namespace {

const content::Picture* FindPicture(const std::string& file) {
    static const auto pics = content::AllPictures();
    for (const auto& p : pics)
        if (p.File == file) return &p;
    return nullptr;
}

bool Overlap(const content::Cell& a, const content::Cell& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

} // namespace

TEST(PictureTable, CellsLieInsideTheirPictureAndDoNotOverlap) {
    std::set<std::string> files;
    for (const auto& p : content::AllPictures()) {
        EXPECT_TRUE(files.insert(p.File).second) << "listed twice: " << p.File;
        EXPECT_GT(p.Width, 0) << p.File;
        EXPECT_GT(p.Height, 0) << p.File;
        std::set<std::string> names;
        for (size_t i = 0; i < p.Cells.size(); ++i) {
            const auto& c = p.Cells[i];
            EXPECT_TRUE(names.insert(c.Name).second) << p.File << ": cell named twice: " << c.Name;
            EXPECT_TRUE(c.Left >= 0 && c.Top >= 0 && c.Right <= p.Width && c.Bottom <= p.Height &&
                        c.Left < c.Right && c.Top < c.Bottom)
                << p.File << ": cell " << c.Name << " outside the picture";
            if (p.Regions) continue;
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(Overlap(c, p.Cells[j]))
                    << p.File << ": " << c.Name << " overlaps " << p.Cells[j].Name;
        }
    }
}

// Every cell the panels, the message window and the main window copy, by its rectangle.
TEST(PictureTable, HoldsEveryCellTheGameCopies) {
    struct Use {
        const char* File;
        int L, T, R, B;
    };
    std::vector<Use> uses = {
        {"pscreenbtns.bmp", 0, 0, 75, 20},
        {"pscreenbtns.bmp", 0, 20, 75, 40},
        {"pscreenbtns.bmp", 75, 280, 150, 300},
        {"pscreenbtns.bmp", 75, 300, 150, 320},
        {"pscreenbtns.bmp", 140, 75, 154, 89},
        {"pscreenbtns.bmp", 0, 80, 58, 100},
        {"pscreenbtns.bmp", 0, 60, 58, 80},
        {"pscreenbtns.bmp", 0, 280, 58, 300},
        {"pscreenbtns.bmp", 90, 0, 155, 20},
        {"pscreenbtns.bmp", 90, 20, 155, 40},
        {"pscreenbtns.bmp", 155, 0, 220, 20},
        {"pscreenbtns.bmp", 155, 20, 220, 40},
        {"pscreenbtns.bmp", 90, 50, 140, 75},
        {"pscreenbtns.bmp", 75, 320, 115, 335},
        {"pscreenbtns.bmp", 100, 95, 140, 110},
        {"pscreenbtns.bmp", 150, 240, 210, 260},
        {"pscreenbtns.bmp", 140, 165, 200, 185},
        {"pscreenbtns.bmp", 150, 260, 210, 280},
        {"pscreenbtns.bmp", 140, 90, 200, 115},
        {"pscreenbtns.bmp", 90, 115, 140, 140},
        {"pscreenbtns.bmp", 90, 140, 140, 165},
        {"pscreenbtns.bmp", 220, 0, 240, 330},
        {"pscreenbtns.bmp", 240, 0, 260, 330},
        {"pscreenbtns.bmp", 200, 40, 220, 110},
        {"pscreenbtns.bmp", 0, 120, 75, 140},
        {"pscreenbtns.bmp", 0, 200, 75, 220},
        {"pscreenbtns.bmp", 75, 390, 150, 410},
        {"pscreenbtns.bmp", 0, 140, 75, 160},
        {"pscreenbtns.bmp", 0, 160, 75, 180},
        {"pscreenbtns.bmp", 0, 180, 75, 200},
        {"pscreenbtns.bmp", 75, 370, 150, 390},
        {"pscreenbtns.bmp", 0, 220, 75, 240},
        {"pscreenbtns.bmp", 0, 370, 75, 390},
        {"pscreenbtns.bmp", 75, 220, 150, 240},
        {"pscreenbtns.bmp", 0, 410, 75, 430},
        {"pscreenbtns.bmp", 0, 430, 75, 450},
        {"pscreenbtns.bmp", 21, 327, 31, 340},
        {"pscreenbtns.bmp", 31, 327, 41, 340},
        {"bdricons.bmp", 0, 0, 16, 16},
        {"bdricons.bmp", 16, 0, 32, 16},
        {"bdricons.bmp", 32, 0, 48, 16},
        {"bdricons.bmp", 48, 0, 64, 16},
        {"sndicons.bmp", 0, 0, 16, 16},
        {"sndicons.bmp", 16, 0, 32, 16},
        {"rlbtns.bmp", 0, 0, 33, 70},
        {"rlbtns.bmp", 33, 0, 66, 70},
        {"bgclosed.bmp", 0, 232, 485, 705},
    };
    for (int i = 0; i < 7; ++i)
        uses.push_back({"pscreenbtns.bmp", 30 * i, 340, 30 * i + 30, 370});
    for (int m = 0; m < 5; ++m)
        uses.push_back({"pscreenbtns.bmp", 150 + 20 * m, 370, 170 + 20 * m, 390});
    for (int i = 0; i < 4; ++i)
        uses.push_back({"plmbtns.bmp", 34 * i, 0, 34 * i + 34, 30});
    for (int i = 0; i < 3; ++i) {
        uses.push_back({"rlscuts.bmp", 0, 54 * i, 117, 54 * i + 27});
        uses.push_back({"rlscuts.bmp", 0, 54 * i + 27, 117, 54 * i + 54});
    }
    for (int i = 0; i < 6; ++i) {
        uses.push_back({"nbscuts.bmp", 106 * i, 0, 106 * i + 53, 55});
        uses.push_back({"nbscuts.bmp", 106 * i + 53, 0, 106 * i + 106, 55});
    }
    for (const auto& u : uses) {
        const auto* p = FindPicture(u.File);
        ASSERT_NE(p, nullptr) << u.File;
        bool found = false;
        for (const auto& c : p->Cells)
            found |= std::tie(c.Left, c.Top, c.Right, c.Bottom) == std::tie(u.L, u.T, u.R, u.B);
        EXPECT_TRUE(found) << u.File << " has no cell (" << u.L << ", " << u.T << ", " << u.R
                           << ", " << u.B << ")";
    }
    // Sizes the windows rely on.
    EXPECT_EQ(FindPicture("bg.bmp")->Width, 1280);
    EXPECT_EQ(FindPicture("bg.bmp")->Height, 1024);
    EXPECT_GE(FindPicture("bgclosed.bmp")->Width, 485);
    EXPECT_GE(FindPicture("bgclosed.bmp")->Height, 705);
    EXPECT_GT(FindPicture("bgmsg.bmp")->Width, 480);
    EXPECT_GT(FindPicture("bgmsg.bmp")->Height, 281);
    EXPECT_EQ(FindPicture("rlempty.bmp")->Width, 780);
    EXPECT_EQ(FindPicture("rlempty.bmp")->Height, 100);
    // The about window: the picture at (5, 26) stays left of the text at x 205 and above OK.
    EXPECT_LE(5 + FindPicture("splash.bmp")->Width, 200);
    EXPECT_LE(26 + FindPicture("splash.bmp")->Height, 270);
}

TEST(GeneratedPictures, EveryFileMatchesTheTable) {
    for (const auto& p : content::AllPictures()) {
        const std::string path = BuildDir() + "/" + p.Folder + "/" + p.File;
        SCOPED_TRACE(path);
        const Bitmap bmp = ReadBmp(path);
        ASSERT_EQ(bmp.Error, "");
        EXPECT_EQ(bmp.Width, p.Width);
        EXPECT_EQ(bmp.Height, p.Height);
        EXPECT_EQ(bmp.Bits, 32);
        EXPECT_EQ(bmp.Compression, 0u) << "BI_RGB";
        EXPECT_TRUE(bmp.BottomUp);
        EXPECT_TRUE(bmp.AllOpaque) << "every alpha byte must be 255";
    }
}

TEST(GeneratedPictures, EveryCellShowsSomething) {
    // A cell left at one flat colour is a cell the generator forgot; the table marks the
    // few that are flat on purpose (the game paints over them).
    for (const auto& p : content::AllPictures()) {
        const Bitmap bmp = ReadBmp(BuildDir() + "/" + p.Folder + "/" + p.File);
        if (!bmp.Error.empty()) continue; // reported by the test above
        for (const auto& c : p.Cells) {
            std::set<uint32_t> colours;
            for (int y = c.Top; y < c.Bottom; ++y)
                for (int x = c.Left; x < c.Right; ++x)
                    colours.insert(bmp.At(x, y));
            if (c.Plain)
                EXPECT_EQ(colours.size(), 1u) << p.File << ": " << c.Name;
            else
                EXPECT_GE(colours.size(), 3u) << p.File << ": cell " << c.Name << " is blank";
        }
    }
}

TEST(GeneratedPictures, RulerIconRowIsTheStripColour) {
    const Bitmap bg = ReadBmp(BuildDir() + "/Images/bg.bmp");
    ASSERT_EQ(bg.Error, "");
    // Ruler at (0, 460) of the play area, icon row (84..695, 22..62) of the ruler.
    for (int y = 232 + 460 + 22; y < 232 + 460 + 62; y += 7)
        for (int x = 250 + 84; x < 250 + 695; x += 13)
            ASSERT_EQ(bg.At(x, y) & 0xFFFFFF, 0xB36640u) << x << ", " << y;
}

// The closed cover and the empty ruler are drawn over the ruler's top rows: those rows
// must be the background's own, or a seam shows.
TEST(GeneratedPictures, OverlaysMeetTheBackground) {
    const Bitmap bg = ReadBmp(BuildDir() + "/Images/bg.bmp");
    const Bitmap closed = ReadBmp(BuildDir() + "/Images/bgclosed.bmp");
    const Bitmap empty = ReadBmp(BuildDir() + "/Images/rlempty.bmp");
    ASSERT_EQ(bg.Error + closed.Error + empty.Error, "");
    int closedDiff = 0, emptyDiff = 0;
    // Row 460 and the rounded end still show what lies under the ruler.
    for (int y = 461; y < 473; ++y)
        for (int x = 8; x < 485; ++x) {
            const uint32_t b = bg.At(250 + x, 232 + y);
            closedDiff += closed.At(x, 232 + y) != b;
            emptyDiff += empty.At(x, y - 460) != b;
        }
    EXPECT_EQ(closedDiff, 0);
    EXPECT_EQ(emptyDiff, 0);
    // Above the play area the closed picture continues the desk (full screen shows it).
    int deskDiff = 0;
    for (int y = 0; y < 232; y += 3)
        for (int x = 0; x < 485; x += 3)
            deskDiff += closed.At(x, y) != bg.At(250 + x, y);
    EXPECT_LT(deskDiff, 5) << "the desk above the notebook differs";
}

TEST(GeneratedCursors, MatchTheTableWithTheHotSpotOnTheInk) {
    for (const auto& cursor : content::Cursors()) {
        const std::string path = BuildDir() + "/Cursors/" + cursor.File;
        SCOPED_TRACE(path);
        const CursorFile c = ReadCur(path);
        ASSERT_EQ(c.Error, "");
        EXPECT_EQ(c.Type, 2);
        EXPECT_EQ(c.Count, 1);
        EXPECT_EQ(c.Width, content::CursorSize);
        EXPECT_EQ(c.Height, content::CursorSize);
        EXPECT_EQ(c.Bits, 32);
        EXPECT_EQ(c.DibHeight, 64) << "image and mask";
        EXPECT_EQ(c.HotX, cursor.HotX);
        EXPECT_EQ(c.HotY, cursor.HotY);
        ASSERT_EQ(c.Alpha.size(), 32u * 32u);
        int near = 0;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const int x = cursor.HotX + dx, y = cursor.HotY + dy;
                if (x >= 0 && y >= 0 && x < 32 && y < 32) near += c.Alpha[y * 32 + x] > 128;
            }
        EXPECT_GT(near, 0) << "nothing drawn at the hot spot";
    }
}

// Same program, same files: the build regenerates them on every change.
TEST(GeneratedPictures, AreDeterministic) {
    const auto tmp =
        std::filesystem::temp_directory_path() / ("qlb-content-" + std::to_string(::getpid()));
    std::filesystem::create_directories(tmp);
    for (const char* gen : {"interface_desk", "interface_buttons", "interface_misc",
                            "interface_icon", "cursors", "portraits"}) {
        const std::string cmd = "'" + BuildDir() + "/quelbrin-content' '" + tmp.string() +
                                "' --only " + gen + " > /dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    int compared = 0;
    for (const char* folder : {"Images", "Cursors"})
        for (const auto& e : std::filesystem::directory_iterator(tmp / folder)) {
            const auto built = std::filesystem::path(BuildDir()) / folder / e.path().filename();
            EXPECT_TRUE(ReadFile(e.path().string()) == ReadFile(built.string()))
                << e.path().filename() << " differs between two runs";
            ++compared;
        }
    EXPECT_GE(compared, 37);
    std::filesystem::remove_all(tmp);
}
