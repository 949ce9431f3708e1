#pragma once
#include <cstdint>
#include <string>

// Writes the line-oriented data files. Lines go to memory first; Commit puts
// them into a temporary file beside the target and renames it over the target
// only once it is complete, so a failed save never destroys the old file.
class TextWriter {
  public:
    void Line(const std::string& text); // a label or a text value
    void Int(int64_t value);
    void Float(double value);

    const std::string& Content() const { return Buffer; }
    // Returns false (and leaves the target untouched) when it cannot write.
    bool Commit(const std::string& path) const;

  private:
    std::string Buffer;
};

// Replaces the file at path with content: written under a fresh name beside
// the file (a link's target) and flushed to disk, then renamed over it with
// its permission bits kept. A file marked read-only is refused; on any
// failure the old file stays as it was.
bool WriteFileAtomically(const std::string& path, const std::string& content);
