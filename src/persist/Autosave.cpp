#include "persist/Autosave.h"

#include "persist/DataFolder.h"

#include <filesystem>
#include <system_error>

std::string SaveFolder() {
    std::string folder = DataFolder() + "save/";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder;
}

std::string AutosavePath() {
    return SaveFolder() + "autosave.sav";
}

void DeleteAutosave() {
    // A folder that happens to carry the autosave's name is the player's, not ours.
    std::error_code ec;
    const std::string path = AutosavePath();
    if (std::filesystem::is_directory(std::filesystem::symlink_status(path, ec))) return;
    std::filesystem::remove(path, ec);
}

bool AutosaveExists() {
    std::error_code ec;
    return std::filesystem::is_regular_file(AutosavePath(), ec);
}
