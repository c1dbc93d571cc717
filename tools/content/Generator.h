// quelbrin-content: every generator registers itself here and is run in name order.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

struct ContentPaths {
    std::string Out;     // the build folder: Images/, Cursors/, Buildings/, Sounds/, Music/ go here
    std::string Sources; // the repository's content/ folder
};

using ContentGenerator = std::function<void(const ContentPaths&)>;

struct GeneratorEntry {
    std::string Name;
    ContentGenerator Run;
};

std::vector<GeneratorEntry>& ContentGenerators();

struct RegisterGenerator {
    RegisterGenerator(const char* name, ContentGenerator run) {
        ContentGenerators().push_back({name, std::move(run)});
    }
};

// In one .cpp file: QLB_CONTENT_GENERATOR(sounds, GenerateSounds);
#define QLB_CONTENT_GENERATOR(name, fn) static RegisterGenerator qlb_generator_##name(#name, fn)

// The --sheet writer; the sheet module installs itself here. A function-local object, so
// the module's static initialiser can set it whatever the order of initialisation.
using SheetWriter = std::function<int(const ContentPaths&, const std::string&)>;
SheetWriter& ContactSheetWriter();

// A generator that meets bad input throws this; the build stops with the message.
struct ContentError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
