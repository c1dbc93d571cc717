// Compiles content/buildings/*.txt into Buildings/N.dat, the photograph Nf.bmp
// and the floor plan Np.bmp.
#include "BuildingArt.h"
#include "BuildingDef.h"
#include "Generator.h"
#include "model/BarDescrFile.h"

#include <filesystem>
#include <fstream>

namespace {

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw ContentError(path + ": cannot write");
}

void GenerateBuildings(const ContentPaths& paths) {
    const std::string out = paths.Out + "/Buildings/";
    // Only our own files: a stale building from an older catalogue must not linger.
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(out, ec)) {
        auto ext = e.path().extension();
        if (ext == ".dat" || ext == ".bmp") std::filesystem::remove(e.path(), ec);
    }
    for (const BuildingDef& def : LoadBuildingDefs(paths.Sources + "/buildings")) {
        const std::string id = std::to_string(def.Record.Id);
        WriteBytes(out + id + ".dat", BarDescrFileBytes(def.Record));
        DrawBuildingPhoto(def, out + id + "f.bmp");
        DrawFloorPlan(def, out + id + "p.bmp");
    }
}

} // namespace

QLB_CONTENT_GENERATOR(buildings, GenerateBuildings);
