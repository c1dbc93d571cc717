// The system's plain message box, and handing an address to the desktop.
#pragma once

#include <string>

// A message box with the caption, the text and the stop icon; works before any
// window exists. Without a display the text goes to standard error.
void ShowSystemError(const std::string& caption, const std::string& text);

// Opens a web ("http://", "https://") or "mailto:" address with the desktop's
// default handler (xdg-open, started with an argument vector, never a shell).
// False when the address is refused or xdg-open cannot be started.
bool OpenAddress(const std::string& address);
