// LoadGame on arbitrary bytes: it must refuse or load, never crash or leak, and a
// game it loaded must save and load again to the same bytes.
#include "model/Game.h"
#include "model/ProgramFolder.h"
#include "persist/SaveFormat.h"
#include "persist/SaveGame.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// A folder of its own, kept in storage without a destructor so that the exit
// handler can still remove it.
char gFolder[] = "/tmp/qlb-fuzz-load-XXXXXX";
char gInput[sizeof gFolder + 16];

void RemoveFolder() {
    std::remove(gInput);
    rmdir(gFolder);
}

const char* InputPath() {
    static const bool ready = [] {
        if (!mkdtemp(gFolder)) std::abort();
        std::snprintf(gInput, sizeof gInput, "%s/input.sav", gFolder);
        SetProgramFolder(std::string(gFolder) + "/");
        std::atexit(RemoveFolder);
        return true;
    }();
    (void)ready;
    return gInput;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = InputPath();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);

    ResetGameState();
    if (LoadGame(path)) {
        const std::string once = EncodeGame(GameState);
        LoadedGame again;
        if (!DecodeGame(once, again)) std::abort();
        ApplyLoadedGame(std::move(again));
        if (EncodeGame(GameState) != once) std::abort();
    }
    return 0;
}
