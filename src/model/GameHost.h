// The few ways the core reaches the screen and the speakers. The window program
// installs real ones; tests install recorders; quelbrin-sim prints.
#pragma once

#include <functional>
#include <string>

struct GameHost {
    // The general error box of the error report (caption GeneralErrorCaption of
    // persist/DebugLog.h, "In-game error", stop icon).
    std::function<void(const std::string& text)> ErrorBox;
    // The text of each error report, before its box: quelbrin-sim prints it.
    std::function<void(const std::string& text)> ErrorReported;
    // The game's modal message window with one OK button.
    std::function<void(const std::string& text, const std::string& caption)> MessageBox;
    // The system message box with the stop icon (save and load failures).
    std::function<void(const std::string& text, const std::string& caption)> SystemError;
    // A sound by name: "page", "click", "click2", "bookopen".
    std::function<void(const std::string& name)> PlaySound;
    // After the daily update: redraw the palm page and the ruler strip, repaint.
    std::function<void()> RefreshAfterDay;
    // After a seizure: clear the selections and return the palm screen to its default page.
    std::function<void()> ReturnToDefaultPage;
};

// Installs the hooks; unset members do nothing.
void SetGameHost(GameHost host);
const GameHost& Host();

// Calls that tolerate unset hooks.
void HostErrorBox(const std::string& text);
void HostErrorReported(const std::string& text);
void ShowMessageBox(const std::string& text, const std::string& caption);
void HostSystemError(const std::string& text, const std::string& caption);
void HostPlaySound(const std::string& name);
void HostRefreshAfterDay();
void HostReturnToDefaultPage();

// The model's own reports of bad data (building files, full description tables)
// go to the one error report of the debug log, which sits above the model; start-up
// (and a test's program folder) installs it. Until then such reports are dropped.
void SetModelErrorReport(std::function<void(const std::string& text)> report);
void ReportModelError(const std::string& text);
