// Every picture and cursor the generator makes: file, size, and each cell the game copies
// out of it. The generators draw into these cells and the content tests check the files
// against the same table, so a cell is written down once.
#pragma once

#include <string>
#include <vector>

namespace content {

struct Cell {
    std::string Name; // the generator's handle for the cell
    int Left, Top, Right, Bottom;
    std::string Shows;
    bool Plain = false; // one flat colour on purpose: the game paints over it
};

struct Picture {
    std::string Folder; // "Images"
    std::string File;   // "pscreenbtns.bmp"
    int Width, Height;
    std::string Shows;
    std::vector<Cell> Cells;
    bool Regions = false; // the cells name parts of one scene and may overlap
};

struct CursorSpec {
    std::string File; // in Cursors/
    int HotX, HotY;
    std::string Shows;
};

constexpr int CursorSize = 32;
// The game's emblem: PNGs in the desktop's icon sizes, laid out as the icon theme wants
// them, and one opaque BMP in Images that the window shows as its icon.
inline constexpr int AppIconSizes[] = {32, 64, 128, 256};
inline constexpr int AppIconBmpSize = 64;
inline constexpr const char* AppIconBmpFile = "appicon.bmp";
inline std::string AppIconPngPath(int size) {
    const std::string n = std::to_string(size);
    return "icons/hicolor/" + n + "x" + n + "/apps/quelbrin.png";
}
constexpr int PortraitSize = 130;
constexpr int IconSize = 40;
// The floor plan shows only this part of an icon, so the face has to sit inside it.
constexpr int IconInnerLeft = 5, IconInnerTop = 3, IconInnerRight = 35, IconInnerBottom = 33;

// One person or visitor group in a portrait strip; frame i of NAME.bmp and NAME_i.bmp.
enum class Sex { Male, Female, Group };
struct StripFrame {
    std::string Who;
    Sex Gender;
};

struct Strip {
    std::string Name; // "s_cook" -> s_cook.bmp and s_cook_i.bmp
    std::vector<StripFrame> Frames;
};

inline Cell Row(std::string name, int l, int t, int r, int b, std::string shows) {
    return Cell{std::move(name), l, t, r, b, std::move(shows)};
}
inline Cell PlainRow(std::string name, int l, int t, int r, int b, std::string shows) {
    return Cell{std::move(name), l, t, r, b, std::move(shows), true};
}

inline std::vector<Cell> ScreenButtonCells() {
    std::vector<Cell> c = {
        Row("ok", 0, 0, 75, 20, "OK button"),
        Row("cancel", 0, 20, 75, 40, "Cancel button"),
        Row("yes", 75, 280, 150, 300, "Yes button"),
        Row("no", 75, 300, 150, 320, "No button"),
        Row("back", 140, 75, 154, 89, "back button of the palm pages"),
        Row("tab_details", 0, 80, 58, 100, "tab Details"),
        Row("tab_statistics", 0, 60, 58, 80, "tab Statistics"),
        Row("tab_manage", 0, 280, 58, 300, "tab Manage"),
        Row("prev", 90, 0, 155, 20, "previous building, active"),
        Row("prev_grey", 90, 20, 155, 40, "previous building, greyed"),
        Row("next", 155, 0, 220, 20, "next building, active"),
        Row("next_grey", 155, 20, 220, 40, "next building, greyed"),
        Row("buy", 90, 50, 140, 75, "buy building"),
        Row("fee", 75, 320, 115, 335, "choose this fee level"),
        Row("row_order", 100, 95, 140, 110, "order / buy button of a list row"),
        Row("find", 150, 240, 210, 260, "find a new building"),
        Row("rename", 140, 165, 200, 185, "rename property"),
        Row("sell", 150, 260, 210, 280, "sell property"),
        Row("upgrade", 140, 90, 200, 115, "upgrade"),
        Row("hire", 90, 115, 140, 140, "hire"),
        Row("fire", 90, 140, 140, 165, "fire"),
        Row("scroll_active", 220, 0, 240, 330, "scroll bar, active"),
        Row("scroll_inactive", 240, 0, 260, 330, "scroll bar, inactive"),
        Row("thumb", 200, 40, 220, 110, "scroll thumb"),
        Row("about", 0, 120, 75, 140, "main menu: About"),
        Row("continue", 0, 200, 75, 220, "main menu: Continue"),
        Row("continue_grey", 75, 390, 150, 410, "main menu: Continue, greyed"),
        Row("new_game", 0, 140, 75, 160, "main menu: New Game"),
        Row("load_game", 0, 160, 75, 180, "main menu: Load Game"),
        Row("save_game", 0, 180, 75, 200, "main menu: Save Game"),
        Row("save_game_grey", 75, 370, 150, 390, "main menu: Save Game, greyed"),
        Row("exit", 0, 220, 75, 240, "main menu: Exit"),
        Row("difficulty0", 0, 370, 75, 390, "difficulty 0: Easy"),
        Row("difficulty1", 75, 220, 150, 240, "difficulty 1: Normal"),
        Row("difficulty2", 0, 410, 75, 430, "difficulty 2: Hard"),
        Row("difficulty3", 0, 430, 75, 450, "difficulty 3: Expert"),
        Row("badge_viewed", 21, 327, 31, 340, "candidate fits a vacancy, page already seen"),
        Row("badge_new", 31, 327, 41, 340, "candidate fits a vacancy, not seen yet"),
        // Contact-page buttons whose places the pages choose.
        Row("borrow", 0, 240, 60, 260, "lender: Borrow"),
        Row("pay_debt", 0, 260, 60, 280, "lender: Pay Debt"),
        Row("order", 0, 100, 60, 120, "supervision agent: Order hidden cameras"),
        Row("level", 150, 280, 190, 295, "police official: choose this level (row button)"),
    };
    static const char* const moods[7] = {"furious", "angry",   "annoyed",  "neutral",
                                         "pleased", "content", "delighted"};
    for (int i = 0; i < 7; ++i)
        c.push_back(Row("mood" + std::to_string(i), 30 * i, 340, 30 * i + 30, 370,
                        std::string("mood face ") + moods[i]));
    for (int m = 0; m < 5; ++m)
        c.push_back(Row("alert" + std::to_string(m), 150 + 20 * m, 370, 170 + 20 * m, 390,
                        "bad-news badge, " + std::to_string(m) + " half-days old"));
    return c;
}

inline std::vector<Picture> InterfacePictures() {
    std::vector<Picture> p;
    p.push_back({"Images",
                 "bg.bmp",
                 1280,
                 1024,
                 "the desk; the 780 x 560 play area sits at (250, 232)",
                 {Row("play_area", 250, 232, 1030, 792, "play area"),
                  Row("plan", 250, 232, 730, 697, "open notebook under the plan page"),
                  PlainRow("palm", 774, 288, 988, 618, "palm screen viewport"),
                  PlainRow("status", 774, 618, 988, 634, "status strip"),
                  Row("speed_buttons", 830, 645, 975, 675, "speed and menu buttons, unpressed"),
                  Row("ruler", 250, 692, 1030, 792, "ruler body"),
                  PlainRow("icon_row", 334, 714, 945, 754, "ruler icon row")},
                 true});
    p.push_back({"Images",
                 "bgclosed.bmp",
                 485,
                 705,
                 "closed notebook cover; rows 232..705 cover the plan page",
                 {Row("cover", 0, 232, 485, 705, "the part over the play area")}});
    p.push_back({"Images",
                 "bdricons.bmp",
                 64,
                 16,
                 "window border icons",
                 {Row("minimize", 0, 0, 16, 16, "minimise"),
                  Row("fullscreen", 16, 0, 32, 16, "enter full screen"),
                  Row("windowed", 32, 0, 48, 16, "leave full screen"),
                  Row("close", 48, 0, 64, 16, "close")}});
    p.push_back({"Images",
                 "sndicons.bmp",
                 32,
                 16,
                 "the sound switch left of the border icons",
                 {Row("sound_on", 0, 0, 16, 16, "sound on"),
                  Row("sound_off", 16, 0, 32, 16, "all sound off")}});
    p.push_back({"Images",
                 "plmbtns.bmp",
                 136,
                 30,
                 "pressed speed and menu buttons",
                 {Row("pause", 0, 0, 34, 30, "speed 0 (clock stopped), pressed"),
                  Row("normal", 34, 0, 68, 30, "speed 1, pressed"),
                  Row("fast", 68, 0, 102, 30, "speed 2, pressed"),
                  Row("menu", 102, 0, 136, 30, "main-menu button, pressed")}});
    p.push_back({"Images", "pscreenbtns.bmp", 260, 450,
                 "buttons and scroll-bar pieces of the palm pages and the message window",
                 ScreenButtonCells()});
    p.push_back({"Images",
                 "bgmsg.bmp",
                 640,
                 420,
                 "message window background; a random window-sized piece is shown",
                 {}});
    p.push_back({"Images",
                 "splash.bmp",
                 190,
                 238,
                 "about window picture at (5, 26), left of the text at x 205",
                 {}});
    std::vector<Cell> tabs;
    static const char* const tabNames[3] = {"contacts", "candidates", "visitors"};
    for (int i = 0; i < 3; ++i) {
        tabs.push_back(Row(std::string(tabNames[i]), 0, 54 * i, 117, 54 * i + 27,
                           std::string("ruler tab ") + tabNames[i] + ", normal"));
        tabs.push_back(Row(std::string(tabNames[i]) + "_chosen", 0, 54 * i + 27, 117, 54 * i + 54,
                           std::string("ruler tab ") + tabNames[i] + ", chosen"));
    }
    p.push_back({"Images", "rlscuts.bmp", 117, 162, "ruler tabs", tabs});
    p.push_back(
        {"Images",
         "rlbtns.bmp",
         66,
         70,
         "ruler scroll arrows",
         {Row("left", 0, 0, 33, 70, "scroll left"), Row("right", 33, 0, 66, 70, "scroll right")}});
    p.push_back({"Images", "rlempty.bmp", 780, 100, "the ruler before a game", {}});
    p.push_back({"Images",
                 AppIconBmpFile,
                 AppIconBmpSize,
                 AppIconBmpSize,
                 "the window's icon: the emblem on dark wood",
                 {Row("badge", 8, 8, 56, 56, "the badge and its glass")}});
    std::vector<Cell> nb;
    for (int i = 0; i < 6; ++i) {
        nb.push_back(Row("tab" + std::to_string(i), 106 * i, 0, 106 * i + 53, 55,
                         "bookmark tab of property " + std::to_string(i + 1) + ", normal"));
        nb.push_back(Row("tab" + std::to_string(i) + "_selected", 106 * i + 53, 0, 106 * i + 106,
                         55, "bookmark tab of property " + std::to_string(i + 1) + ", selected"));
    }
    p.push_back({"Images", "nbscuts.bmp", 636, 55, "notebook bookmark tabs", nb});
    return p;
}

// The portrait strips: frame i is PictureIndex i of the character descriptions that name
// the strip, or visitor type i + 1.
inline std::vector<Strip> PortraitStrips() {
    const Sex M = Sex::Male, F = Sex::Female, G = Sex::Group;
    return {
        {"management", {{"Manager", M}, {"Manager", F}}},
        {"s_cook",
         {{"Chef", M}, {"Chef", M}, {"Chef (also drinks)", M}, {"Chef (also serves)", M}}},
        {"s_drinks", {{"Barman", M}, {"Barman (also serves)", M}}},
        {"s_serve", {{"Valet", M}, {"Waiter", M}, {"Waiter", F}, {"Waiter", F}}},
        {"s_clean", {{"Cleaner", M}, {"Cleaner", M}}},
        {"s_dance", {{"DJ", M}, {"DJ", M}, {"Go-Go Dancer", F}, {"Go-Go Dancer", F}}},
        {"s_entertain",
         {{"Dancer", F},
          {"Dancer", M},
          {"Musician (guitar)", M},
          {"Musician (saxophone)", M},
          {"Singer", F},
          {"Singer", F}}},
        {"s_bargirl", {{"Strip Dancer", F}, {"Strip Dancer", F}}},
        {"s_secure", {{"Security Guard", M}, {"Security Guard", M}}},
        {"offers",
         {{"Bank Official", M},
          {"Loan Shark", M},
          {"Real Estate Agent", F},
          {"Tableware Supplier", M},
          {"Repair Agent", M},
          {"Equipment Supplier", M},
          {"Advertising Agent", M},
          {"Show Agent", F},
          {"Supervision Agent", M},
          {"Agent: contraband", M},
          {"Agent: drugs", M},
          {"Agent: pandering", M},
          {"Police Official", M},
          {"General Supplier", M}}},
        {"visitors",
         {{"Party Teens", G},
          {"Placid Couples", G},
          {"VIPs", G},
          {"Hard Up Visitors", G},
          {"Gourmets", G},
          {"Cocktail Lovers", G},
          {"Restless Dancers", G},
          {"Show Fiends", G},
          {"Drunkards", G},
          {"Bustling Teens", G},
          {"Racketing Youth", G}}},
    };
}

// NAME.bmp (130 x 130 frames) and NAME_i.bmp (40 x 40 frames) of a strip.
inline std::vector<Picture> StripPictures(const Strip& s) {
    std::vector<Picture> out(2);
    const int n = int(s.Frames.size());
    out[0] = {"Images", s.Name + ".bmp", PortraitSize * n, PortraitSize, "portraits", {}};
    out[1] = {"Images", s.Name + "_i.bmp", IconSize * n, IconSize, "icons", {}};
    for (int i = 0; i < n; ++i) {
        const std::string who = s.Frames[i].Who;
        out[0].Cells.push_back(Row("frame" + std::to_string(i), PortraitSize * i, 0,
                                   PortraitSize * (i + 1), PortraitSize, who));
        out[1].Cells.push_back(
            Row("frame" + std::to_string(i), IconSize * i, 0, IconSize * (i + 1), IconSize, who));
    }
    return out;
}

// Every picture the generator writes.
inline std::vector<Picture> AllPictures() {
    auto all = InterfacePictures();
    for (const auto& s : PortraitStrips())
        for (auto& p : StripPictures(s))
            all.push_back(std::move(p));
    return all;
}

inline std::vector<CursorSpec> Cursors() {
    return {{"crmain.cur", 2, 1, "the normal pointer"},
            {"crhl.cur", 12, 2, "pointing hand over anything clickable"},
            {"crdragone.cur", 15, 12, "closed hand dragging"},
            {"crdragreject.cur", 15, 15, "drag refused"}};
}

} // namespace content
