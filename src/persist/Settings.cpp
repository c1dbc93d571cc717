#include "persist/Settings.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A settings file is a few hundred bytes; anything far larger is not ours.
constexpr std::size_t kMaxFileSize = 1 << 20;
const char kHeader[] = "[Software\\Vostrane\\QLB\\1.0]";

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string Quote(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out + '"';
}

// Reads a quoted string at line[pos]; pos moves past the closing quote.
bool Unquote(const std::string& line, std::size_t& pos, std::string& out) {
    if (pos >= line.size() || line[pos] != '"') return false;
    out.clear();
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\') {
            if (++pos >= line.size()) return false;
            c = line[pos];
            out += c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        } else {
            out += c;
        }
    }
    return false;
}

bool ParseDword(const std::string& s, std::int32_t& out) {
    if (s.empty() || s.size() > 8) return false;
    std::uint32_t v = 0;
    for (char c : s) {
        int d = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : -1;
        if (d < 0) return false;
        v = v << 4 | std::uint32_t(d);
    }
    out = static_cast<std::int32_t>(v);
    return true;
}

bool ParseLine(const std::string& raw, SettingValue& v) {
    std::string line = raw;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t pos = 0;
    if (!Unquote(line, pos, v.name) || v.name.empty()) return false;
    if (pos >= line.size() || line[pos] != '=') return false;
    ++pos;
    if (line.compare(pos, 6, "dword:") == 0) {
        v.kind = SettingValue::svInt;
        return ParseDword(line.substr(pos + 6), v.number);
    }
    v.kind = SettingValue::svText;
    return Unquote(line, pos, v.text) && pos == line.size();
}

std::string Home() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return xdg;
    if (const char* home = std::getenv("HOME"); home && home[0])
        return std::string(home) + "/.config";
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && pw->pw_dir[0])
        return std::string(pw->pw_dir) + "/.config";
    return {};
}

} // namespace

std::string SettingsStore::DefaultPath() {
    const std::string base = Home();
    return base.empty() ? std::string() : base + "/Vostrane/QLB/1.0.reg";
}

std::vector<SettingValue> SettingsStore::Parse(const std::string& content) {
    std::vector<SettingValue> values;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        SettingValue v;
        if (ParseLine(content.substr(start, end - start), v)) {
            bool replaced = false;
            for (auto& old : values)
                if (SameName(old.name, v.name)) {
                    old = v;
                    replaced = true;
                }
            if (!replaced) values.push_back(v);
        }
        start = end + 1;
    }
    return values;
}

std::string SettingsStore::Format(const std::vector<SettingValue>& values) {
    std::string out = std::string(kHeader) + "\n";
    for (const auto& v : values) {
        out += Quote(v.name) + "=";
        if (v.kind == SettingValue::svInt) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "dword:%08x", static_cast<unsigned>(v.number));
            out += hex;
        } else {
            out += Quote(v.text);
        }
        out += '\n';
    }
    return out;
}

bool SettingsStore::Load(std::vector<SettingValue>& values, bool& exists) const {
    values.clear();
    exists = false;
    if (mPath.empty()) return false;
    std::error_code ec;
    const auto status = fs::status(mPath, ec);
    if (!fs::exists(status)) return true; // no file yet: an empty key
    exists = true;
    if (!fs::is_regular_file(status)) return false;
    const auto size = fs::file_size(mPath, ec);
    if (ec || size > kMaxFileSize) return false;
    std::FILE* f = std::fopen(mPath.c_str(), "rb");
    if (!f) return false;
    std::string content(size, '\0');
    const std::size_t got = size ? std::fread(content.data(), 1, size, f) : 0;
    const bool ok = !std::ferror(f);
    std::fclose(f);
    if (!ok) return false;
    content.resize(got);
    values = Parse(content);
    return true;
}

std::optional<std::int32_t> SettingsStore::ReadInt(const std::string& name) const {
    std::vector<SettingValue> values;
    bool exists = false;
    if (!Load(values, exists)) return std::nullopt;
    for (const auto& v : values)
        if (SameName(v.name, name))
            return v.kind == SettingValue::svInt ? std::optional(v.number) : std::nullopt;
    return std::nullopt;
}

std::optional<std::string> SettingsStore::ReadText(const std::string& name) const {
    std::vector<SettingValue> values;
    bool exists = false;
    if (!Load(values, exists)) return std::nullopt;
    for (const auto& v : values)
        if (SameName(v.name, name))
            return v.kind == SettingValue::svText ? std::optional(v.text) : std::nullopt;
    return std::nullopt;
}

bool SettingsStore::Store(const SettingValue& value) {
    if (value.name.empty()) return false;
    std::vector<SettingValue> values;
    bool exists = false;
    // A file we cannot read is left alone rather than replaced by one value.
    if (!Load(values, exists)) return false;
    bool replaced = false;
    for (auto& v : values)
        if (SameName(v.name, value.name)) {
            v = value;
            replaced = true;
        }
    if (!replaced) values.push_back(value);

    std::error_code ec;
    const fs::path path(mPath);
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    const std::string temp = mPath + ".tmp" + std::to_string(getpid());
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    const std::string content = Format(values);
    bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    ok = std::fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok) ok = std::rename(temp.c_str(), mPath.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}

bool SettingsStore::WriteInt(const std::string& name, std::int32_t value) {
    SettingValue v;
    v.name = name;
    v.kind = SettingValue::svInt;
    v.number = value;
    return Store(v);
}

bool SettingsStore::WriteText(const std::string& name, const std::string& text) {
    SettingValue v;
    v.name = name;
    v.kind = SettingValue::svText;
    v.text = text;
    return Store(v);
}

SettingsStore& Settings() {
    static SettingsStore store(SettingsStore::DefaultPath());
    return store;
}

void SetSettingsPath(const std::string& path) {
    Settings() = SettingsStore(path);
}

std::int32_t ReadSettingInt(const std::string& name) {
    return Settings().ReadInt(name).value_or(0);
}

void WriteSettingInt(const std::string& name, std::int32_t value) {
    Settings().WriteInt(name, value);
}

void WriteSettingText(const std::string& name, const std::string& text) {
    Settings().WriteText(name, text);
}

void WriteInstallPath(const std::string& programFolder) {
    std::string folder = programFolder;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    WriteSettingText("InstallPath", folder);
}
