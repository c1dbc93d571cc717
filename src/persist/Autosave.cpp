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
    std::error_code ec;
    std::filesystem::remove(AutosavePath(), ec);
}

bool AutosaveExists() {
    std::error_code ec;
    return std::filesystem::is_regular_file(AutosavePath(), ec);
}
