#include "model/BarDescrFile.h"

#include "model/Game.h"
#include "model/GameHost.h"
#include "model/ProgramFolder.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace {

void Sanitise(BarDescr& d) {
    d.Location[sizeof d.Location - 1] = '\0';
    d.Name[sizeof d.Name - 1] = '\0';
    d.Capacity = std::clamp(d.Capacity, 0, MaxGroups);
    d.Value = std::max(d.Value, 0);
    d.Inflow = std::max(d.Inflow, 0);
    for (int32_t& p : d.Potential)
        p = std::max(p, 0);
}

// Ordinary files matching *.dat, in name order so that equal ids load repeatably.
std::vector<std::string> ListDatFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) return names;
    for (const auto& entry : it) {
        std::error_code fec;
        if (!entry.is_regular_file(fec)) continue;
        std::string name = entry.path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".dat") != 0) continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

BarDescrParse ParseBarDescrFile(const uint8_t* data, std::size_t size, BarDescr& out) {
    int32_t label = 0;
    if (size < 4) return BarDescrParse::BadLabel;
    std::memcpy(&label, data, 4);
    if (label != BarDescrFileLabel) return BarDescrParse::BadLabel;
    if (size < BarDescrFileSize) return BarDescrParse::BadFormat;
    std::memcpy(&out, data + 4, sizeof(BarDescr));
    Sanitise(out);
    return BarDescrParse::Ok;
}

std::string BarDescrFileBytes(const BarDescr& d) {
    std::string bytes(BarDescrFileSize, '\0');
    std::memcpy(bytes.data(), &BarDescrFileLabel, 4);
    std::memcpy(bytes.data() + 4, &d, sizeof(BarDescr));
    return bytes;
}

void LoadBarDescrs() {
    GameState.BarDescrs.clear();
    const std::string folder = ProgramFolder() + "Buildings/";
    for (const std::string& name : ListDatFiles(folder)) {
        const std::string path = folder + name;
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            ReportModelError("Can't open file " + path + ".");
            continue;
        }
        // Bytes after the record are ignored.
        std::vector<uint8_t> bytes(BarDescrFileSize);
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        in.close();

        BarDescr d;
        std::memset(&d, 0, sizeof d);
        switch (ParseBarDescrFile(bytes.data(), bytes.size(), d)) {
        case BarDescrParse::BadLabel:
            ReportModelError("File label of " + path + " is invalid.");
            continue;
        case BarDescrParse::BadFormat:
            ReportModelError("File format of " + path + " is invalid.");
            continue;
        case BarDescrParse::Ok:
            break;
        }
        if (GameState.BarDescrCount() >= MaxBarDescrs) {
            ReportModelError("Cannot add new bar descriptions. The limit is reached.");
            continue;
        }
        auto pos = std::find_if(GameState.BarDescrs.begin(), GameState.BarDescrs.end(),
                                [&](const BarDescr& e) { return e.Id > d.Id; });
        GameState.BarDescrs.insert(pos, d);
    }
}
