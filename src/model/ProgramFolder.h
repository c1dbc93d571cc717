// The program's folder: the folder of the running executable, where the game
// finds its content and writes its log and saves.
#pragma once

#include <string>

// The folder with a trailing '/'.
const std::string& ProgramFolder();
// Tests and tools point the game at another folder.
void SetProgramFolder(const std::string& folder);
