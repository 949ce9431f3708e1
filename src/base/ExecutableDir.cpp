#include "ExecutableDir.h"

#include <filesystem>
#include <system_error>

std::string ExecutableDir(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error || exe.empty())
        exe = fs::absolute(fs::path(argv0 ? argv0 : ""), error);
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}
