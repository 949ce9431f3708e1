#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

// Reads the line-oriented data files: one value per line, "#" comment lines
// skipped before every value, LF with or without CR. Past the end of the file
// every value reads as empty (0, 0.0, empty text), so a truncated file still
// yields a well-defined result.
class TextReader {
  public:
    explicit TextReader(const std::string& path);
    ~TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    bool IsOpen() const { return File != nullptr; }
    // True once a read found no further value line.
    bool AtEnd() const { return EndReached; }
    // Whether another value line follows; it stays to be read. Readers use it
    // so that a record the file announces but does not hold is not created.
    bool MoreValues();

    std::string ReadText();
    // Integer as atol parses it, clamped to 32 bits.
    int32_t ReadInt();
    // Floating-point value as strtod parses it in the C locale.
    double ReadFloat();
    // Reads a floating-point line and truncates it toward zero (border steps, angles).
    int32_t ReadTruncated();

  private:
    bool ReadLine(std::string& line);

    std::FILE* File = nullptr;
    bool EndReached = false;
    std::string Pending; // a value line looked at by MoreValues
    bool HasPending = false;
};
