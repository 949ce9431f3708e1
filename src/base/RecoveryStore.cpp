#include "RecoveryStore.h"

#include "TextReader.h"
#include "TextValues.h"
#include "TextWriter.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr const char* LOCK_SUFFIX = ".lock";
constexpr const char* INFO_SUFFIX = ".info";
constexpr const char* KINDS[] = {"design", "room", "definitions"};

bool KnownKind(const std::string& kind) {
    return std::find(std::begin(KINDS), std::end(KINDS), kind) != std::end(KINDS);
}

// An owner name no other program takes: the process and the moment it started.
std::string NewOwnerName() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::to_string(::getpid()) + "-" +
           std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

// Whether the program that owns `owner`'s lock still runs: its lock is held.
bool OwnerRunning(const std::string& folder, const std::string& owner) {
    const std::string lock = (fs::path(folder) / (owner + LOCK_SUFFIX)).string();
    const int fd = ::open(lock.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

// "<owner>.<kind>.info" read back; false for anything else.
bool ReadInfo(const fs::path& info, RecoveryCopy& copy) {
    const std::string name = info.filename().string();
    const size_t dot = name.find('.');
    if (dot == std::string::npos || name.size() <= std::string(INFO_SUFFIX).size())
        return false;
    copy.Owner = name.substr(0, dot);
    copy.Kind = name.substr(dot + 1, name.size() - dot - 1 - std::string(INFO_SUFFIX).size());
    if (!KnownKind(copy.Kind))
        return false;
    TextReader in(info.string());
    copy.OriginalName = in.ReadText();
    copy.SavedAt = ParseLong(in.ReadText());
    copy.File = (info.parent_path() / (copy.Owner + "." + copy.Kind)).string();
    std::error_code error;
    return in.IsOpen() && fs::is_regular_file(copy.File, error);
}

} // namespace

RecoveryStore::RecoveryStore(const std::string& folder) : Folder(folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    OwnerName = NewOwnerName();
    LockFd = ::open(Path(OwnerName + LOCK_SUFFIX).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (LockFd >= 0 && ::flock(LockFd, LOCK_EX | LOCK_NB) != 0) {
        ::close(LockFd);
        LockFd = -1;
    }
}

RecoveryStore::~RecoveryStore() {
    if (LockFd >= 0)
        ::close(LockFd);
}

std::string RecoveryStore::Path(const std::string& name) const {
    return (fs::path(Folder) / name).string();
}

bool RecoveryStore::Write(const std::string& kind, const std::string& originalName,
                          const std::string& content, long long savedAt) {
    if (!Active() || !KnownKind(kind))
        return false;
    TextWriter info;
    info.Line(originalName);
    info.Int(savedAt);
    // The copy first: an info file always names a whole copy.
    return WriteFileAtomically(Path(OwnerName + "." + kind), content) &&
           info.Commit(Path(OwnerName + "." + kind + INFO_SUFFIX));
}

void RecoveryStore::Remove(const std::string& kind) {
    if (!Active())
        return;
    ::unlink(Path(OwnerName + "." + kind + INFO_SUFFIX).c_str());
    ::unlink(Path(OwnerName + "." + kind).c_str());
}

void RecoveryStore::RemoveAll() {
    for (const char* kind : KINDS)
        Remove(kind);
    if (Active())
        ::unlink(Path(OwnerName + LOCK_SUFFIX).c_str());
}

std::vector<RecoveryCopy> RecoveryStore::Orphans(const std::string& folder) {
    std::vector<RecoveryCopy> copies;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        RecoveryCopy copy;
        if (it->path().extension() == INFO_SUFFIX && ReadInfo(it->path(), copy) &&
            !OwnerRunning(folder, copy.Owner))
            copies.push_back(copy);
    }
    std::sort(copies.begin(), copies.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.SavedAt != b.SavedAt ? a.SavedAt > b.SavedAt : a.File < b.File;
    });
    return copies;
}

void RecoveryStore::Discard(const RecoveryCopy& copy) {
    const fs::path file(copy.File);
    ::unlink((file.string() + INFO_SUFFIX).c_str());
    ::unlink(file.c_str());
    // The owner's lock goes with its last copy.
    std::error_code error;
    for (const char* kind : KINDS)
        if (fs::exists(file.parent_path() / (copy.Owner + "." + kind + INFO_SUFFIX), error))
            return;
    ::unlink((file.parent_path() / (copy.Owner + LOCK_SUFFIX)).c_str());
}
