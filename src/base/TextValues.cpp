#include "TextValues.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

size_t SkipBlanks(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i;
}

#ifdef _WIN32
struct CLocale {
    _locale_t Handle = _create_locale(LC_ALL, "C");
    double StrToD(const char* text) const { return _strtod_l(text, nullptr, Handle); }
};
#else
struct CLocale {
    locale_t Handle = newlocale(LC_ALL_MASK, "C", nullptr);
    double StrToD(const char* text) const { return strtod_l(text, nullptr, Handle); }
};
#endif

} // namespace

int64_t ParseLong(const std::string& text) {
    size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const int64_t limit = std::numeric_limits<int64_t>::max();
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (limit - digit) / 10) {
            value = limit;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

double ParseDouble(const std::string& text) {
    // strtod's own grammar (signs, exponents, inf, hex) in the C locale
    static const CLocale locale;
    return locale.StrToD(text.c_str());
}

int32_t ClampToInt32(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

std::string FormatFloat(double value) {
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    return std::string(text, result.ptr);
}

std::string FormatInt(int64_t value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string NameForMessage(const std::string& name) {
    std::string shown = name.substr(0, MESSAGE_NAME_LENGTH);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    if (name.size() > MESSAGE_NAME_LENGTH)
        shown += "...";
    return shown;
}
