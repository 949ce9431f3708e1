#include "TextWriter.h"

#include "TextValues.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

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

bool WriteFileAtomically(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".saving~";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    std::error_code error;
    if (written)
        std::filesystem::rename(temporary, path, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
