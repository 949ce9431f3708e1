#include "TextWriter.h"

#include "TextValues.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

void TextWriter::Line(const std::string& text) {
    Buffer += text;
    Buffer += "\r\n";
}

void TextWriter::Int(int64_t value) {
    Line(FormatInt(value));
}

void TextWriter::Float(double value) {
    Line(FormatFloat(value));
}

bool TextWriter::Commit(const std::string& path) const {
    return WriteFileAtomically(path, Buffer);
}

namespace {

namespace fs = std::filesystem;

constexpr int MAX_LINK_HOPS = 40; // as the system allows before it calls a link loop

// The file a save really replaces: a symbolic link is followed to its target,
// so the link stays and the user's file is brought up to date.
fs::path SaveTarget(const std::string& path) {
    fs::path target = path;
    std::error_code error;
    for (int hop = 0; hop < MAX_LINK_HOPS && fs::is_symlink(fs::symlink_status(target, error));
         ++hop) {
        const fs::path next = fs::read_symlink(target, error);
        if (error)
            break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

// A file marked read-only is not replaced, even by a user the system would let.
bool MayReplace(const fs::path& target, mode_t& mode) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
        return errno == ENOENT;
    }
    mode = info.st_mode & 07777;
    return S_ISREG(info.st_mode) && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
           ::access(target.c_str(), W_OK) == 0;
}

bool WriteAll(int fd, const std::string& content) {
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// A marker no user file carries, so that a leftover is known by its name.
constexpr const char* TEMPORARY_MARK = ".vireldo-";
constexpr const char* TEMPORARY_SUFFIX = ".vireldo-XXXXXX";
constexpr int TEMPORARY_TAIL = 6; // the characters the system puts for the Xs
constexpr auto LEFTOVER_AGE = std::chrono::minutes(1);

// Whether a name is one of the temporary names a save to target makes.
bool IsTemporaryOf(const std::string& name, const std::string& target) {
    const std::string head = "." + target + TEMPORARY_MARK;
    if (name.size() != head.size() + TEMPORARY_TAIL || name.compare(0, head.size(), head) != 0)
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(head.size()), name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

// A save killed while writing leaves its temporary file. The next save to the
// same target removes those older than a minute (a younger one may be another
// program's save under way): only the user's own plain files of that name.
void RemoveLeftovers(const fs::path& folder, const std::string& target) {
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        struct stat info {};
        if (!IsTemporaryOf(path.filename().string(), target) || ::lstat(path.c_str(), &info) != 0 ||
            !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
            continue;
        std::error_code timeError;
        const auto written = fs::last_write_time(path, timeError);
        if (!timeError && now - written > LEFTOVER_AGE)
            ::unlink(path.c_str());
    }
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool WriteFileAtomically(const std::string& path, const std::string& content) {
    const fs::path target = SaveTarget(path);
    mode_t mode = 0;
    if (!MayReplace(target, mode))
        return false;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    RemoveLeftovers(folder, target.filename().string());
    // A fresh name created exclusively: nothing planted beside the file is followed.
    std::string temporary =
        (folder / ("." + target.filename().string() + TEMPORARY_SUFFIX)).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool written = WriteAll(fd, content) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}
