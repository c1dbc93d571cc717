// How the player's commands ask the player: message windows and the file
// dialogs. The game uses the real windows; tests give a recorder, so every
// command can run headless with scripted answers.
#pragma once

#include <memory>
#include <optional>
#include <string>

class CommandPrompts {
public:
    virtual ~CommandPrompts() = default;
    // A message with one OK button.
    virtual void Message(const std::string& text, const std::string& caption) = 0;
    // Yes/No; the modal result (6 Yes, 7 No, 1 after Enter, 2 after Escape).
    virtual int Question(const std::string& text, const std::string& caption) = 0;
    // A line of text; empty after Cancel.
    virtual std::string Input(const std::string& text, const std::string& caption,
                              const std::string& initial) = 0;
    virtual void About() = 0;
    // The system's box with the stop icon: error reports, failed saves and loads.
    virtual void SystemError(const std::string& text, const std::string& caption) = 0;
    // The save file the player picks in the folder, or nothing when cancelled.
    virtual std::optional<std::string> ChooseLoadFile(const std::string& folder) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const std::string& folder) = 0;
};

// The game's own message windows and file dialogs.
std::unique_ptr<CommandPrompts> MakeWindowPrompts();
