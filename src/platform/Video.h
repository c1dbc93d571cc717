// Starts SDL's video system once, with the settings the game's windows need.
#pragma once

#include <string>

// False when no video system can be started (no display); windows then fail
// to open and the caller goes on without them.
bool EnsureVideo();
// Why the video system did not start (empty when it did, or was not tried).
const std::string& VideoError();

// Replaces Xlib's default error handler (which ends the program) with one that
// reports and goes on; every X connection of the process uses it.
void KeepXErrorsFromEndingTheGame();
