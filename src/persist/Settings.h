// The per-user settings: a small typed key-value file standing in for the
// registry key of the game ("Software\Vostrane\QLB\1.0").
//
// The file, Vostrane/QLB/1.0.reg in the user's configuration folder, holds one
// value per line:
//     "SoundVolume"=dword:ffffd8f0
//     "InstallPath"="/home/me/quelbrin"
// Every write rewrites the whole file through a temporary file and a rename, so
// a crash never leaves half a file. No problem is ever reported: a failed read
// gives 0 and a failed write is dropped.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SettingValue {
    enum Kind { svInt, svText };
    std::string name;
    Kind kind = svInt;
    std::int32_t number = 0;
    std::string text;
};

class SettingsStore {
public:
    explicit SettingsStore(std::string path) : mPath(std::move(path)) {}

    // $XDG_CONFIG_HOME, else $HOME/.config, else the passwd home + "/.config";
    // then "/Vostrane/QLB/1.0.reg".
    static std::string DefaultPath();

    const std::string& Path() const { return mPath; }

    // The integer value, or nothing when the file, the value or its integer type
    // is missing. Names compare without regard to ASCII case, as in the registry.
    std::optional<std::int32_t> ReadInt(const std::string& name) const;
    std::optional<std::string> ReadText(const std::string& name) const;
    // Replace or add the value; the file and its folders are created when missing.
    // False when the value could not be stored.
    bool WriteInt(const std::string& name, std::int32_t value);
    bool WriteText(const std::string& name, const std::string& text);

    // The file's text as values; lines that are not values are skipped, and of
    // two values with the same name the later one counts.
    static std::vector<SettingValue> Parse(const std::string& content);
    static std::string Format(const std::vector<SettingValue>& values);

private:
    bool Load(std::vector<SettingValue>& values, bool& exists) const;
    bool Store(const SettingValue& value);

    std::string mPath;
};

// The store the game uses; at DefaultPath() until a test points it elsewhere.
SettingsStore& Settings();
void SetSettingsPath(const std::string& path);

std::int32_t ReadSettingInt(const std::string& name);
void WriteSettingInt(const std::string& name, std::int32_t value);
void WriteSettingText(const std::string& name, const std::string& text);

// Writes "InstallPath": the program's folder without its trailing separator.
void WriteInstallPath(const std::string& programFolder);
