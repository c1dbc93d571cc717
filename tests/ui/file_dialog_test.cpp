// The Load Game and Save Game dialogs: the listing, the name rules, the keys
// and clicks of the list, and the painting.
#include "DialogFixture.h"

#include "ui/FileDialog.h"
#include "ui/FileDialogListing.h"
#include "ui/Message.h"
#include "ui/MessageLook.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr Color Backdrop = RGB(20, 30, 40);

class FileDialogTest : public DialogFixture {
protected:
    FileDialogTest() {
        WriteSolidBmp(folder.Sub("Images/bgmsg.bmp"), 640, 420, Backdrop);
        fs::create_directories(saves);
    }
    // A file of the save folder, modified `age` seconds before a fixed moment.
    void AddSave(const std::string& name, int age = 0) {
        std::ofstream(saves + "/" + name) << "QLB1A";
        fs::last_write_time(saves + "/" + name, base - std::chrono::seconds(age));
    }
    std::vector<std::string> Names(const std::vector<SaveFileEntry>& entries) {
        std::vector<std::string> names;
        for (const SaveFileEntry& e : entries)
            names.push_back(e.Name);
        return names;
    }
    // A dialog whose messages and questions are recorded; questions get `answer`.
    std::unique_ptr<TformFileDialog> Dialog(FileDialogKind kind, const std::string& dir = "") {
        auto d = std::make_unique<TformFileDialog>(kind, dir.empty() ? saves : dir, f.loop);
        d->mShowMessage = [this](const std::string& t, const std::string& c) {
            messages.push_back(c + ": " + t);
        };
        d->mAskQuestion = [this](const std::string& t, const std::string& c) {
            questions.push_back(c + ": " + t);
            return answer;
        };
        d->Prepare();
        d->Show();
        return d;
    }
    void Type(TformFileDialog& d, const std::string& text) {
        d.edFileName.SetText("");
        f.loop.Dispatch(TextEvent(d, text.c_str()));
    }

    std::string saves = folder.Sub("save");
    fs::file_time_type base = fs::file_time_type::clock::now() - std::chrono::hours(1);
    std::vector<std::string> messages, questions;
    int answer = mrYes;
};

TEST_F(FileDialogTest, ListsOrdinarySaveFilesNewestFirst) {
    AddSave("old.sav", 300);
    AddSave("newest.sav", 0);
    AddSave("middle.sav", 100);
    AddSave("tie-b.sav", 200);
    AddSave("tie-a.sav", 200);
    AddSave("notes.txt", 0);
    AddSave("upper.SAV", 0);
    AddSave(".hidden.sav", 0);
    fs::create_directories(saves + "/folder.sav");
    EXPECT_EQ(Names(ListSaveFiles(saves)),
              (std::vector<std::string>{"newest.sav", "middle.sav", "tie-a.sav", "tie-b.sav",
                                        "old.sav"}));
    EXPECT_TRUE(ListSaveFiles(folder.Sub("nowhere")).empty());

    auto d = Dialog(FileDialogKind::Open);
    EXPECT_EQ(d->Caption(), "Load Game");
    EXPECT_EQ(Names(d->Entries()).front(), "newest.sav");
    EXPECT_EQ(d->Selected(), -1);
}

TEST_F(FileDialogTest, TimesAreShownInLocalTime) {
    std::tm local{};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 2;
    local.tm_mday = 5;
    local.tm_hour = 14;
    local.tm_min = 7;
    local.tm_sec = 30;
    local.tm_isdst = -1;
    const auto sys = std::chrono::system_clock::from_time_t(std::mktime(&local));
    EXPECT_EQ(FormatFileTime(std::chrono::file_clock::from_sys(sys)), "Mar 05 2024, 14:07");
}

TEST_F(FileDialogTest, SaveNamesAreCheckedCompletedAndOnlyYesReplacesAFile) {
    AddSave("old.sav");
    fs::create_directories(saves + "/box.sav");
    struct Case {
        const char* typed;
        int answer;
        const char* file; // the chosen file, or null when the dialog stays open
        int messages, questions;
    } cases[] = {
        {"mygame", mrYes, "mygame.sav", 0, 0},
        {"mygame.sav", mrYes, "mygame.sav", 0, 0},
        {"  spaced  ", mrYes, "spaced.sav", 0, 0},
        {"", mrYes, nullptr, 1, 0},
        {"   ", mrYes, nullptr, 1, 0},
        {"a/b", mrYes, nullptr, 1, 0},
        {"../up", mrYes, nullptr, 1, 0},
        {".hidden", mrYes, nullptr, 1, 0},
        {"box", mrYes, nullptr, 1, 0}, // a folder of that name
        {"old", mrYes, "old.sav", 0, 1},
        {"old.sav", mrNo, nullptr, 0, 1},
        {"old", mrOk, nullptr, 0, 1}, // Enter in the question is not consent
        {"old", mrCancel, nullptr, 0, 1},
    };
    for (const Case& c : cases) {
        messages.clear();
        questions.clear();
        answer = c.answer;
        auto d = Dialog(FileDialogKind::Save);
        Type(*d, c.typed);
        f.loop.Dispatch(KeyEvent(*d, SDLK_RETURN));
        const std::string what =
            std::string("'") + c.typed + "' answered " + std::to_string(c.answer);
        EXPECT_EQ(d->ModalResult(), c.file ? mrOk : mrNone) << what;
        EXPECT_EQ(d->FileName(), c.file ? saves + "/" + c.file : "") << what;
        EXPECT_EQ(messages.size(), std::size_t(c.messages)) << what;
        ASSERT_EQ(questions.size(), std::size_t(c.questions)) << what;
        for (const std::string& m : messages)
            EXPECT_EQ(m.rfind("Save Game: ", 0), 0u) << m;
        if (c.questions) {
            EXPECT_EQ(questions[0], "Save Game: The saved game \"old.sav\" already exists. Do "
                                    "you want to replace it?");
        }
    }
    EXPECT_TRUE(fs::exists(saves + "/old.sav")); // the dialog itself never writes
}

TEST_F(FileDialogTest, SavingIntoAMissingFolderMakesIt) {
    const std::string dir = folder.Sub("fresh/save");
    auto d = Dialog(FileDialogKind::Save, dir);
    EXPECT_TRUE(d->Entries().empty());
    Type(*d, "first");
    f.loop.Dispatch(KeyEvent(*d, SDLK_RETURN));
    EXPECT_EQ(d->ModalResult(), mrOk);
    EXPECT_EQ(d->FileName(), dir + "/first.sav");
    EXPECT_TRUE(fs::is_directory(dir));
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileDialogTest, LoadTakesOnlyAnExistingSavedGame) {
    AddSave("joes.sav");
    fs::create_directories(saves + "/box.sav");
    struct Case {
        const char* typed;
        const char* file;
    } cases[] = {
        {"joes.sav", "joes.sav"}, {"joes", "joes.sav"},
        {"missing.sav", nullptr}, {"", nullptr},
        {"box.sav", nullptr},     {"../save/joes.sav", nullptr},
    };
    for (const Case& c : cases) {
        messages.clear();
        auto d = Dialog(FileDialogKind::Open);
        Type(*d, c.typed);
        f.loop.Dispatch(PressEvent(*d, 120, 275)); // OK
        EXPECT_EQ(d->ModalResult(), c.file ? mrOk : mrNone) << c.typed;
        EXPECT_EQ(d->FileName(), c.file ? saves + "/" + c.file : "") << c.typed;
        EXPECT_EQ(messages.size(), c.file ? 0u : 1u) << c.typed;
        for (const std::string& m : messages)
            EXPECT_EQ(m.rfind("Load Game: ", 0), 0u) << m;
    }
    EXPECT_TRUE(questions.empty());
}

TEST_F(FileDialogTest, KeysMoveTheSelectionAndKeepItInView) {
    for (int i = 0; i < 15; ++i)
        AddSave("game" + std::to_string(10 + i) + ".sav", i); // game10 is the newest
    auto d = Dialog(FileDialogKind::Open);
    struct Step {
        SDL_Keycode key;
        int selected, top;
    } steps[] = {
        {SDLK_DOWN, 0, 0},      {SDLK_UP, 0, 0},     {SDLK_DOWN, 1, 0}, {SDLK_PAGEDOWN, 11, 1},
        {SDLK_PAGEDOWN, 14, 4}, {SDLK_DOWN, 14, 4},  {SDLK_HOME, 0, 0}, {SDLK_END, 14, 4},
        {SDLK_PAGEUP, 4, 4},    {SDLK_PAGEUP, 0, 0},
    };
    for (const Step& s : steps) {
        f.loop.Dispatch(KeyEvent(*d, s.key));
        EXPECT_EQ(d->Selected(), s.selected) << "key " << s.key;
        EXPECT_EQ(d->TopRow(), s.top) << "key " << s.key;
        EXPECT_EQ(d->edFileName.Text(), d->Entries()[d->Selected()].Name);
    }
    // Once the name is edited, Home and End are the name field's again.
    f.loop.Dispatch(TextEvent(*d, "x"));
    f.loop.Dispatch(KeyEvent(*d, SDLK_HOME));
    EXPECT_EQ(d->Selected(), 0);
    EXPECT_EQ(d->edFileName.Caret(), 0u);
    f.loop.Dispatch(KeyEvent(*d, SDLK_END));
    EXPECT_EQ(d->Selected(), 0);
    EXPECT_EQ(d->edFileName.Caret(), d->edFileName.Text().size());
    EXPECT_EQ(d->ModalResult(), mrNone);
}

TEST_F(FileDialogTest, TheWheelAndTheArrowsScrollTheList) {
    for (int i = 0; i < 20; ++i)
        AddSave("game" + std::to_string(10 + i) + ".sav", i);
    auto d = Dialog(FileDialogKind::Open);
    const int w = TformFileDialog::Width;
    struct Step {
        SDL_Event event;
        int top;
    } steps[] = {
        {WheelEvent(*d, -1, 100, 100), 3}, // toward the player: further down
        {WheelEvent(*d, -5, 100, 100), 9}, // no further than the last page
        {WheelEvent(*d, 2, 100, 100), 3},  {PressEvent(*d, w - 24, 52), 2}, // the up arrow
        {PressEvent(*d, w - 24, 215), 3},                                   // the down arrow
        {PressEvent(*d, w - 24, 200), 9}, // the track below the thumb: a page
        {PressEvent(*d, w - 24, 70), 0},  // above it
        {PressEvent(*d, w - 24, 52), 0},
    };
    for (const Step& s : steps) {
        f.loop.Dispatch(s.event);
        EXPECT_EQ(d->TopRow(), s.top);
    }
    EXPECT_EQ(d->Selected(), -1); // scrolling selects nothing
}

TEST_F(FileDialogTest, AClickSelectsAndADoubleClickOrEnterTakesTheFile) {
    AddSave("newest.sav", 0);
    AddSave("second.sav", 10);
    AddSave("third.sav", 20);
    const int row = TformFileDialog::RowHeight;
    {
        auto d = Dialog(FileDialogKind::Open);
        f.loop.Dispatch(PressEvent(*d, 100, 46 + row + 3)); // the second row
        EXPECT_EQ(d->Selected(), 1);
        EXPECT_EQ(d->edFileName.Text(), "second.sav");
        EXPECT_EQ(d->ModalResult(), mrNone);
        f.loop.Dispatch(PressEvent(*d, 100, 46 + 3 * row + 3)); // below the last file
        EXPECT_EQ(d->Selected(), 1);
        f.loop.Dispatch(KeyEvent(*d, SDLK_RETURN));
        EXPECT_EQ(d->ModalResult(), mrOk);
        EXPECT_EQ(d->FileName(), saves + "/second.sav");
    }
    {
        auto d = Dialog(FileDialogKind::Open);
        f.loop.Dispatch(PressEvent(*d, 100, 46 + 2 * row + 3, SDL_BUTTON_LEFT, 1));
        f.loop.Dispatch(PressEvent(*d, 100, 46 + 2 * row + 3, SDL_BUTTON_LEFT, 2));
        EXPECT_EQ(d->ModalResult(), mrOk);
        EXPECT_EQ(d->FileName(), saves + "/third.sav");
    }
    {
        auto d = Dialog(FileDialogKind::Save);
        f.loop.Dispatch(PressEvent(*d, 100, 46 + 3));
        f.loop.Dispatch(KeyEvent(*d, SDLK_ESCAPE));
        EXPECT_EQ(d->ModalResult(), mrCancel);
        EXPECT_TRUE(questions.empty());
    }
}

TEST_F(FileDialogTest, ExecuteRunsModallyUntilAGoodChoiceOrCancel) {
    AddSave("newest.sav", 0);
    AddSave("older.sav", 50);
    auto d = Dialog(FileDialogKind::Open);
    f.queue = {KeyEvent(*d, SDLK_DOWN), KeyEvent(*d, SDLK_DOWN), KeyEvent(*d, SDLK_RETURN)};
    EXPECT_TRUE(d->Execute());
    EXPECT_EQ(d->FileName(), saves + "/older.sav");
    EXPECT_TRUE(f.queue.empty());

    // A missing name keeps it open; Escape then ends it with nothing chosen.
    auto again = Dialog(FileDialogKind::Open);
    f.queue = {TextEvent(*again, "gone"), KeyEvent(*again, SDLK_RETURN),
               KeyEvent(*again, SDLK_ESCAPE)};
    EXPECT_FALSE(again->Execute());
    EXPECT_EQ(again->FileName(), "");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(host.Sounds, (std::vector<std::string>{"click", "click", "click"}));
}

TEST_F(FileDialogTest, PaintsTheListTheFieldAndTheButtons) {
    for (int i = 0; i < 3; ++i)
        AddSave("game" + std::to_string(i) + ".sav", i);
    auto d = Dialog(FileDialogKind::Save);
    d->Select(1);
    const int w = TformFileDialog::Width, row = TformFileDialog::RowHeight;
    const Bitmap& b = Painted(*d);
    EXPECT_EQ(b.Width(), w);
    EXPECT_EQ(b.Height(), TformFileDialog::Height);
    EXPECT_EQ(b.PixelColor(0, 0), DialogGold);
    EXPECT_EQ(b.PixelColor(15, 44), DialogGold);                       // the list's frame
    EXPECT_EQ(b.PixelColor(17, 46 + row + 1), DialogGold);             // the selected row
    EXPECT_EQ(b.PixelColor(17, 46 + 1), RGB(0, 0, 0));                 // the others on black
    EXPECT_TRUE(AnyPixel(b, 16, 46, w / 2, 46 + row, DialogGold));     // a name
    EXPECT_TRUE(AnyPixel(b, w / 2, 46, w - 32, 46 + row, DialogGold)); // its time
    EXPECT_FALSE(AnyPixelNot(b, 16, 46 + 3 * row, w - 16, 223, RGB(0, 0, 0))); // no more files
    EXPECT_EQ(b.PixelColor(w - 32, 45), RGB(0, 0, 0));    // no scroll bar for three files
    EXPECT_EQ(b.PixelColor(78, 234), RGB(255, 255, 255)); // the name field
    EXPECT_EQ(CodeAt(b, w / 2 - 77, 266), (Coded{coded::Buttons, 0, 0})); // OK
    EXPECT_EQ(CodeAt(b, w / 2 + 2, 266), (Coded{coded::Buttons, 0, 20})); // Cancel

    for (int i = 3; i < 14; ++i)
        AddSave("game" + std::to_string(i) + ".sav", i);
    auto full = Dialog(FileDialogKind::Save);
    const Bitmap& fb = Painted(*full);
    EXPECT_EQ(fb.PixelColor(w - 32, 45), DialogGold); // the up arrow's frame
    EXPECT_EQ(fb.PixelColor(w - 32, 222), DialogGold);
}

} // namespace
