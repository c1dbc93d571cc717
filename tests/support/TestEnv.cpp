#include "support/TestEnv.h"

#include "model/BarDescrFile.h"
#include "model/ProgramFolder.h"
#include "model/Text.h"
#include "persist/DebugLog.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

TempProgramFolder::TempProgramFolder() {
    std::string tmpl = (fs::temp_directory_path() / "qlb-test-XXXXXX").string();
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) throw std::runtime_error("mkdtemp failed");
    mPath = std::string(buf.data()) + "/";
    SetProgramFolder(mPath);
    ResetGameState();
    // As start-up does: the model's bad-data reports reach the debug log and the box.
    SetModelErrorReport(ReportError);
}

TempProgramFolder::~TempProgramFolder() {
    ResetGameState();
    std::error_code ec;
    fs::permissions(mPath, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto& e : fs::recursive_directory_iterator(mPath, ec))
        fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(mPath, ec);
}

void TempProgramFolder::WriteFile(const std::string& rel, const std::string& bytes) const {
    fs::path p = mPath + rel;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempProgramFolder::ReadFile(const std::string& rel) const {
    return ReadWholeFile(mPath + rel);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

HostRecorder::HostRecorder() {
    GameHost h;
    h.ErrorBox = [this](const std::string& t) { ErrorBoxes.push_back(t); };
    h.MessageBox = [this](const std::string& t, const std::string& c) {
        Messages.emplace_back(t, c);
    };
    h.SystemError = [this](const std::string& t, const std::string& c) {
        SystemErrors.emplace_back(t, c);
    };
    h.PlaySound = [this](const std::string& n) { Sounds.push_back(n); };
    h.RefreshAfterDay = [this] { ++Refreshes; };
    h.ReturnToDefaultPage = [this] { ++DefaultPages; };
    SetGameHost(std::move(h));
}

HostRecorder::~HostRecorder() {
    SetGameHost(GameHost{});
}

BarDescr MakeBarDescr(int32_t id, int32_t value, int32_t capacity, std::vector<uint8_t> kinds,
                      const char* name) {
    BarDescr d;
    std::memset(&d, 0, sizeof d);
    d.Id = id;
    d.Value = value;
    d.Capacity = capacity;
    d.Inflow = 10;
    for (int t = 1; t < VisitorTypeCount; ++t)
        d.Potential[t] = 10;
    for (std::size_t i = 0; i < kinds.size() && i < VacancyCount; ++i) {
        d.Vacancies[i].Open = 1;
        d.Vacancies[i].Kind = kinds[i];
        d.Vacancies[i].X = 20 + 40 * static_cast<int32_t>(i % 8);
        d.Vacancies[i].Y = 100 + 50 * static_cast<int32_t>(i / 8);
    }
    CopyText(d.Name, name);
    CopyText(d.Location, "1 Test Street");
    return d;
}

void WriteBuildingFile(const TempProgramFolder& folder, const std::string& file,
                       const BarDescr& d) {
    folder.WriteFile("Buildings/" + file, BarDescrFileBytes(d));
}
