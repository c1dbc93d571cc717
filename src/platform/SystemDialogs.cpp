#include "platform/SystemDialogs.h"

#include <SDL.h>

#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

void ShowSystemError(const std::string& caption, const std::string& text) {
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr) != 0)
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

namespace {

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

// Handlers that have ended are reaped at the next call; one left running keeps
// its entry until then.
std::vector<pid_t>& Children() {
    static std::vector<pid_t> children;
    return children;
}

void ReapChildren() {
    auto& children = Children();
    std::erase_if(children, [](pid_t pid) {
        int status = 0;
        return waitpid(pid, &status, WNOHANG) != 0;
    });
}

} // namespace

bool OpenAddress(const std::string& address) {
    ReapChildren();
    if (!(StartsWith(address, "http://") || StartsWith(address, "https://") ||
          StartsWith(address, "mailto:")))
        return false;
    for (unsigned char c : address)
        if (c < 0x20 || c == 0x7F) return false;
    std::string program = "xdg-open";
    std::string arg = address;
    char* argv[] = {program.data(), arg.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) != 0) return false;
    Children().push_back(pid);
    return true;
}
