#include "persist/SaveGame.h"

#include "model/Game.h"
#include "model/GameHost.h"
#include "persist/SaveFormat.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const Caption = "Quelbrin";

std::function<bool(SaveStep)>& FaultHook() {
    static std::function<bool(SaveStep)> hook;
    return hook;
}

// False when a test asks this step to fail; the failure then looks like a full disk.
bool StepAllowed(SaveStep step) {
    if (FaultHook() && !FaultHook()(step)) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        if (!StepAllowed(SaveStep::Write)) return false;
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A new file beside the target that nobody else uses; -1 when none can be made.
int CreateTemporary(const std::string& path, std::string& tempPath) {
    if (!StepAllowed(SaveStep::Create)) return -1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The rename itself is made durable by syncing the folder; a folder that cannot
// be synced still holds the complete new file.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool FailedSave(const std::string& tempPath) {
    ::unlink(tempPath.c_str());
    HostSystemError("Failed to save the game.", Caption);
    return false;
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Reads at most limit + 1 bytes, enough to see a file that is longer than any save.
bool ReadFileBytes(int fd, std::string& out, std::size_t limit) {
    out.resize(limit + 1);
    std::size_t have = 0;
    while (have < out.size()) {
        const ssize_t n = ::read(fd, out.data() + have, out.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        have += static_cast<std::size_t>(n);
    }
    out.resize(have);
    return true;
}

} // namespace

void SetSaveFaultHook(std::function<bool(SaveStep)> hook) {
    FaultHook() = std::move(hook);
}

bool SaveGame(const std::string& path) {
    const std::string bytes = EncodeGame(GameState);

    std::string tempPath;
    const int fd = IsFolder(path) ? -1 : CreateTemporary(path, tempPath);
    if (fd < 0) {
        HostSystemError("Cannot save game to " + path + ".", Caption);
        return false;
    }
    bool ok = WriteAll(fd, bytes);
    ok = ok && StepAllowed(SaveStep::Sync) && ::fsync(fd) == 0;
    // close is checked too: some file systems report a failed write only there.
    const bool closeAllowed = StepAllowed(SaveStep::Close);
    const bool closed = ::close(fd) == 0 && closeAllowed;
    if (!ok || !closed) return FailedSave(tempPath);

    if (!StepAllowed(SaveStep::Rename) || ::rename(tempPath.c_str(), path.c_str()) != 0)
        return FailedSave(tempPath);
    SyncFolder(FolderOf(path));
    return true;
}

bool LoadGame(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
        HostSystemError(path + " does not exist.", Caption);
        return false;
    }
    // Only an ordinary file is opened: a folder or a pipe is no saved game.
    const int fd = S_ISREG(st.st_mode) ? ::open(path.c_str(), O_RDONLY | O_CLOEXEC) : -1;
    if (fd < 0) {
        HostSystemError("Cannot open the file.", Caption);
        return false;
    }
    std::string bytes;
    const bool read = ReadFileBytes(fd, bytes, MaxSaveFileSize);
    ::close(fd);
    if (!read) {
        HostSystemError("Failed to load the game.", Caption);
        return false;
    }

    LoadedGame loaded;
    if (!DecodeGame(bytes, loaded)) {
        HostSystemError(
            path + " is not a valid game file, or saved with an old version of the game.", Caption);
        return false;
    }
    ApplyLoadedGame(std::move(loaded));
    return true;
}
