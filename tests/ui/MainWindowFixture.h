// The real main window over a temporary program folder with coded pictures
// and the fixture catalogue, its prompts recorded and answered from a script,
// its sounds listened to.
#pragma once

#include "UiTestSupport.h"
#include "model/Game.h"
#include "persist/Settings.h"
#include "platform/EventLoop.h"
#include "support/TestEnv.h"
#include "ui/Main.h"
#include "ui/Palmscreen.h"
#include "ui/Planpage.h"
#include "ui/Ruler.h"
#include "ui/Utilities.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace coded_main {
constexpr int Closed = 150;  // bgclosed, 485 x 705
constexpr int Icons = 160;   // bdricons, 64 x 16
constexpr int Speed = 170;   // plmbtns, 136 x 30
constexpr int Buttons = 200; // pscreenbtns
} // namespace coded_main

struct PromptCall {
    std::string Kind; // "message", "question", "input", "about", "error", "load", "save"
    std::string Text;
    std::string Caption;
    std::string Initial;
};

class RecordedPrompts final : public CommandPrompts {
public:
    std::vector<PromptCall>& Calls;
    std::deque<int>& Answers;         // for questions
    std::deque<std::string>& Inputs;  // for input windows
    std::optional<std::string>& File; // for the file dialogs

    RecordedPrompts(std::vector<PromptCall>& calls, std::deque<int>& answers,
                    std::deque<std::string>& inputs, std::optional<std::string>& file)
        : Calls(calls), Answers(answers), Inputs(inputs), File(file) {}

    void Message(const std::string& text, const std::string& caption) override {
        Calls.push_back({"message", text, caption, {}});
    }
    int Question(const std::string& text, const std::string& caption) override {
        Calls.push_back({"question", text, caption, {}});
        return Take(Answers, int(mrNo));
    }
    std::string Input(const std::string& text, const std::string& caption,
                      const std::string& initial) override {
        Calls.push_back({"input", text, caption, initial});
        return Take(Inputs, std::string());
    }
    void About() override { Calls.push_back({"about", {}, {}, {}}); }
    void SystemError(const std::string& text, const std::string& caption) override {
        Calls.push_back({"error", text, caption, {}});
    }
    std::optional<std::string> ChooseLoadFile(const std::string& folder) override {
        Calls.push_back({"load", folder, {}, {}});
        return File;
    }
    std::optional<std::string> ChooseSaveFile(const std::string& folder) override {
        Calls.push_back({"save", folder, {}, {}});
        return File;
    }

private:
    template <class T> static T Take(std::deque<T>& q, T fallback) {
        if (q.empty()) return fallback;
        T v = q.front();
        q.pop_front();
        return v;
    }
};

class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        SetSettingsPath(folder.Sub("config/Vostrane/QLB/1.0.reg"));
        WriteCodedBmp(folder.Sub("Images/bgclosed.bmp"), 485, 705, coded_main::Closed);
        WriteCodedBmp(folder.Sub("Images/bdricons.bmp"), 64, 16, coded_main::Icons);
        WriteCodedBmp(folder.Sub("Images/plmbtns.bmp"), 136, 30, coded_main::Speed);
        WriteCodedBmp(folder.Sub("Images/pscreenbtns.bmp"), 400, 400, coded_main::Buttons);
        WriteFixtureCatalogue(folder);
    }
    ~MainWindowFixture() override {
        window.reset();
        SetSettingsPath(SettingsStore::DefaultPath());
    }

    // Builds the window after the test has written what it needs.
    void Open() {
        window = std::make_unique<TformMain>(
            loop, std::make_unique<RecordedPrompts>(calls, answers, inputs, file));
        window->OnSound = [this](const std::string& s) { sounds.push_back(s); };
        // What start-up reported (this folder has no sound decoder) stays apart
        // from what the tests' commands show.
        startupCalls = std::move(calls);
        calls.clear();
    }

    // A new game at the difficulty through the menu's own commands.
    void NewGameAt(int difficulty) {
        Palm(phMenuNewGame);
        Palm(static_cast<uint8_t>(phDifficulty0 + difficulty));
    }
    // Runs a palm command as a press on its hot area would.
    void Palm(uint8_t area, int32_t index = -1) {
        PalmScreen->LastHotArea = area;
        PalmScreen->LastHotIndex = index;
        window->ProcessPalmScreenClick();
    }
    // Presses the first spot of the palm screen that holds the hot area, through
    // the window's own hit test; false when the page shows no such area.
    bool PressPalmArea(uint8_t area) {
        for (int y = 0; y < PalmViewHeight; y += 2)
            for (int x = 0; x < PalmWidth; x += 2)
                if (PalmScreen->IsHotArea(x, y) == area) {
                    window->FormMouseDown(mbLeft, ssLeft, 524 + x, 56 + y);
                    return true;
                }
        return false;
    }
    // Buys the catalogue's building at that position.
    void Buy(int32_t page) {
        PalmScreen->SetMode(pmNewBuilding);
        PalmScreen->SetPage(page);
        Palm(phBuyBuilding);
    }
    Bitmap Paint(int w = MainWidth, int h = MainHeight) {
        Bitmap b(w, h);
        window->FormPaint(b.GetCanvas());
        return b;
    }
    std::vector<std::string> Kinds() const {
        std::vector<std::string> k;
        for (const PromptCall& c : calls)
            k.push_back(c.Kind);
        return k;
    }

    TempProgramFolder folder;
    EventLoop loop;
    std::vector<PromptCall> calls;
    std::vector<PromptCall> startupCalls;
    std::deque<int> answers;
    std::deque<std::string> inputs;
    std::optional<std::string> file;
    std::vector<std::string> sounds;
    std::unique_ptr<TformMain> window;
};
