#include "model/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace {
std::string& FolderStorage() {
    static std::string folder = [] {
        std::error_code ec;
        auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        std::string f = ec ? std::filesystem::current_path(ec).string() : exe.parent_path().string();
        if (f.empty() || f.back() != '/') f += '/';
        return f;
    }();
    return folder;
}
} // namespace

const std::string& ProgramFolder() { return FolderStorage(); }

void SetProgramFolder(const std::string& folder) {
    std::string f = folder;
    if (f.empty() || f.back() != '/') f += '/';
    FolderStorage() = f;
}
