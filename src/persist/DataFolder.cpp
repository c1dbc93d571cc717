#include "persist/DataFolder.h"

#include "model/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

std::function<bool(const std::string&)>& WritableProbe() {
    static std::function<bool(const std::string&)> probe;
    return probe;
}

bool FolderWritable(const std::string& folder) {
    if (WritableProbe()) return WritableProbe()(folder);
    return ::access(folder.c_str(), W_OK) == 0;
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

} // namespace

std::string ChooseDataFolder(const std::string& programFolder, bool programFolderWritable,
                             const char* xdgDataHome, const char* home) {
    if (programFolderWritable) return WithSlash(programFolder);
    if (xdgDataHome && xdgDataHome[0] == '/') return WithSlash(xdgDataHome) + "quelbrin/";
    if (home && home[0] != '\0') return WithSlash(home) + ".local/share/quelbrin/";
    return WithSlash(programFolder);
}

std::string DataFolder() {
    const std::string& program = ProgramFolder();
    const std::string folder = ChooseDataFolder(program, FolderWritable(program),
                                                std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (folder != program) {
        // A folder that cannot be made shows up as a failed save with its message.
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
    }
    return folder;
}

std::string DataFolderNote() {
    const std::string folder = DataFolder();
    if (folder == ProgramFolder()) return std::string();
    return "*** The program's folder " + ProgramFolder() +
           " is not writable: saved games and this log are kept in " + folder + " ***";
}

void SetFolderWritableProbe(std::function<bool(const std::string& folder)> probe) {
    WritableProbe() = std::move(probe);
}
