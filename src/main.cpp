// Quelbrin: the main window and its event loop.
#include "ui/Main.h"
#include "platform/EventLoop.h"
#include "platform/SystemDialogs.h"
#include "platform/Video.h"

#include <cstdio>
#include <exception>
#include <memory>

int main() {
    try {
        auto window = std::make_unique<TformMain>(EventLoop::Main());
        if (!window->Start()) {
            const std::string& why = VideoError();
            std::fprintf(stderr,
                         "Quelbrin: cannot open a window%s%s (is a display available? "
                         "DISPLAY is how the game finds the window system).\n",
                         why.empty() ? "" : ": ", why.c_str());
            return 1;
        }
        EventLoop::Main().Run();
        // The window closes itself through its close query; here the rest goes.
        window.reset();
    } catch (const std::exception& e) {
        ShowSystemError("Quelbrin", e.what());
        return 1;
    }
    return 0;
}
