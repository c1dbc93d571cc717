#include "SimHost.h"

#include "model/GameHost.h"

#include <cstdio>

namespace {

void PrintMessage(const std::string& text, const std::string& caption) {
    std::printf("message: %s: %s\n", caption.c_str(), text.c_str());
}

} // namespace

void InstallSimHost() {
    GameHost h;
    h.ErrorReported = [](const std::string& text) {
        std::fflush(stdout);
        std::fprintf(stderr, "error: %s\n", text.c_str());
    };
    // The general box only repeats that an error happened; the report itself is printed.
    h.ErrorBox = [](const std::string&) {};
    h.MessageBox = PrintMessage;
    h.SystemError = PrintMessage;
    h.PlaySound = [](const std::string&) {};
    h.RefreshAfterDay = [] {};
    h.ReturnToDefaultPage = [] {};
    SetGameHost(h);
}
