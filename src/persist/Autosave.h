// The automatic save file: the data folder (persist/DataFolder.h) + "save/autosave.sav".
#pragma once

#include <string>

// The folder of the saves, created when missing; with a trailing '/'.
std::string SaveFolder();
std::string AutosavePath();
// A missing file or a failure is ignored; a folder of that name is left alone.
void DeleteAutosave();
bool AutosaveExists();
