// quelbrin-content OUTDIR [--sources DIR] [--only NAME] [--sheet FILE.png]
// Makes the game's pictures, cursors, sounds and building files, deterministically.
#include "Generator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

std::vector<GeneratorEntry>& ContentGenerators() {
    static std::vector<GeneratorEntry> list;
    return list;
}

SheetWriter& ContactSheetWriter() {
    static SheetWriter writer;
    return writer;
}

int main(int argc, char** argv) {
    ContentPaths paths;
    std::string only, sheet;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--sources" && i + 1 < argc)
            paths.Sources = argv[++i];
        else if (a == "--only" && i + 1 < argc)
            only = argv[++i];
        else if (a == "--sheet" && i + 1 < argc)
            sheet = argv[++i];
        else if (!a.empty() && a[0] != '-' && paths.Out.empty())
            paths.Out = a;
        else {
            std::fprintf(stderr, "usage: quelbrin-content OUTDIR [--sources DIR] [--only NAME] "
                                 "[--sheet FILE.png]\n");
            return 2;
        }
    }
    if (paths.Out.empty()) paths.Out = ".";
    if (paths.Sources.empty()) paths.Sources = QLB_CONTENT_SOURCE_DIR;
    std::filesystem::create_directories(paths.Out);
    for (const char* d : {"Images", "Cursors", "Buildings", "Sounds", "Music", "save"})
        std::filesystem::create_directories(std::filesystem::path(paths.Out) / d);

    auto& gens = ContentGenerators();
    std::sort(gens.begin(), gens.end(), [](auto& a, auto& b) { return a.Name < b.Name; });
    for (auto& g : gens) {
        if (!only.empty() && g.Name != only) continue;
        auto t0 = std::chrono::steady_clock::now();
        try {
            g.Run(paths);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "quelbrin-content: %s: %s\n", g.Name.c_str(), e.what());
            return 1;
        }
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - t0)
                      .count();
        std::printf("quelbrin-content: %s done in %lld ms\n", g.Name.c_str(),
                    static_cast<long long>(ms));
    }
    if (!sheet.empty()) {
        if (!ContactSheetWriter()) {
            std::fprintf(stderr, "quelbrin-content: no contact sheet support built in\n");
            return 1;
        }
        return ContactSheetWriter()(paths, sheet);
    }
    return 0;
}
