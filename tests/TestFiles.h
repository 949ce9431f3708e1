#pragma once
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

// A fresh folder per test under the system's temporary folder.
class TempDir {
  public:
    TempDir() {
        static int counter = 0;
        Path = std::filesystem::temp_directory_path() /
               ("vireldo-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(Path);
        std::filesystem::create_directories(Path);
    }
    ~TempDir() { std::filesystem::remove_all(Path); }
    // The folder with a trailing "/", as ProgramDir is.
    std::string Dir() const { return Path.string() + "/"; }
    std::string File(const std::string& name) const { return (Path / name).string(); }

  private:
    std::filesystem::path Path;
};

// A copy of a program folder (definitions, manual) inside dir: what the
// program writes beside its definitions stays out of the source tree.
inline std::string ProgramFolderCopy(const TempDir& dir, const std::string& source) {
    const std::string copy = dir.File("program");
    std::filesystem::copy(source, copy, std::filesystem::copy_options::recursive);
    return copy + "/";
}

// How many entries a folder holds, hidden ones included.
inline int FilesIn(const TempDir& dir) {
    const std::filesystem::path folder = dir.Dir();
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder),
                                          std::filesystem::directory_iterator()));
}

inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Joins lines with CR LF after each, as the writers do.
inline std::string CrLf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}
