// A session played through the window's own commands and clock leaves a recording
// that quelbrin-sim replays to the very bytes of the autosave the window wrote.
#include "MainWindowFixture.h"
#include "persist/Autosave.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Bytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

class SessionRecording : public MainWindowFixture {
protected:
    // Game hours through the window's clock timer, as the running game gets them.
    void PlayHours(int hours) {
        for (int call = 0; call < hours * 4; ++call)
            window->Clock().OnTimer();
    }
};

TEST_F(SessionRecording, TheWindowsSessionReplaysToItsAutosave) {
    const char* build = std::getenv("QLB_BUILD_DIR");
    ASSERT_NE(build, nullptr);
    Open();
    NewGameAt(1);
    Buy(0);
    PlayHours(30);
    inputs = {"Night Owl"};
    Palm(phRenameProperty);
    PalmScreen->SetMode(pmStatistics); // navigation only
    PlayHours(50);
    Buy(2);
    Palm(phAdmissionFee, 3);
    PlayHours(24 * 5 + 7);
    ASSERT_TRUE(window->FormCloseQuery());

    const std::string autosave = Bytes(AutosavePath());
    ASSERT_FALSE(autosave.empty());
    const std::string recording = folder.Sub("save/last-session.qlbr");
    ASSERT_TRUE(fs::exists(recording));
    // The sim reads the catalogue beside itself: the window's own program folder.
    fs::copy_file(fs::path(build) / "quelbrin-sim", folder.Sub("quelbrin-sim"));
    const std::string command = "'" + folder.Sub("quelbrin-sim") + "' --quiet --replay '" +
                                recording + "' --save '" + folder.Sub("replayed.sav") + "' > '" +
                                folder.Sub("replay.out") + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << Bytes(folder.Sub("replay.out"));
    EXPECT_TRUE(Bytes(folder.Sub("replayed.sav")) == autosave) << Bytes(folder.Sub("replay.out"));
}

} // namespace
