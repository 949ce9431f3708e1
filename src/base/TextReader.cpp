#include "TextReader.h"

#include "TextValues.h"

TextReader::TextReader(const std::string& path) : File(std::fopen(path.c_str(), "rb")) {}

TextReader::~TextReader() {
    if (File)
        std::fclose(File);
}

// Reads one physical line of any length; strips LF and a CR before it.
bool TextReader::ReadLine(std::string& line) {
    line.clear();
    if (!File)
        return false;
    int c = std::getc(File);
    if (c == EOF)
        return false;
    while (c != EOF && c != '\n') {
        line.push_back(static_cast<char>(c));
        c = std::getc(File);
    }
    if (c == '\n' && !line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

bool TextReader::MoreValues() {
    if (!HasPending && !EndReached) {
        Pending = ReadText();
        HasPending = !EndReached;
    }
    return HasPending;
}

std::string TextReader::ReadText() {
    if (HasPending) {
        HasPending = false;
        return std::move(Pending);
    }
    std::string line;
    while (ReadLine(line)) {
        if (line.empty() || line[0] != '#')
            return line;
    }
    EndReached = true;
    return std::string();
}

int32_t TextReader::ReadInt() {
    return ClampToInt32(ParseLong(ReadText()));
}

double TextReader::ReadFloat() {
    return ParseDouble(ReadText());
}

int32_t TextReader::ReadTruncated() {
    return TruncToInt32(ReadFloat());
}
