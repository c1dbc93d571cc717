// The data folder: where the game writes its saves and its debug log. That is the
// program's folder when the game may write there (a build, or an install in the
// player's home); an install the player cannot write (a system package) keeps them
// in the player's own data folder instead. Content is always read beside the
// executable.
#pragma once

#include <functional>
#include <string>

// The rule by itself: the program's folder when it is writable, else
// $XDG_DATA_HOME/quelbrin/ (only an absolute XDG_DATA_HOME counts), else
// $HOME/.local/share/quelbrin/; the program's folder again when neither variable
// is usable. Null or empty texts stand for unset variables. Every folder ends in '/'.
std::string ChooseDataFolder(const std::string& programFolder, bool programFolderWritable,
                             const char* xdgDataHome, const char* home);

// The rule for this run: the program's folder as access(W_OK) sees it and the
// environment. A folder other than the program's is created when missing.
std::string DataFolder();
// The debug log's line for the banner telling where the saves and the log went;
// empty while they stay in the program's folder.
std::string DataFolderNote();

// Tests answer "may the game write into this folder?" themselves: a test running as
// root would otherwise always hear yes. Empty to go back to access(W_OK).
void SetFolderWritableProbe(std::function<bool(const std::string& folder)> probe);
