#pragma once
#include <initializer_list>
#include <string>
#include <vector>

// The texts people read, in English: the English text is the key the window
// translates by. Plain code marks them and fills in what they name; the
// window finds the key again at its boundary, while the batch tool prints
// the English as it is.
namespace Texts {

// A text to translate, as it is.
constexpr const char* Mark(const char* key) {
    return key;
}

// The key with %1, %2, ... replaced by the arguments, in English. The
// result remembers its key and arguments for the window (FindComposition).
std::string Fill(const char* key, std::initializer_list<std::string> args);

struct Composition {
    std::string Key;
    std::vector<std::string> Args;
};
// The key and arguments a text was filled from, among the texts filled
// lately; false for any other text.
bool FindComposition(const std::string& text, Composition& composition);
// A number for a text: the decimals asked for, a point as separator (the
// window shows the language's), a sign before it when asked.
std::string Number(double value, int decimals, bool sign = false);

// The key with %1, %2, ... replaced by the arguments.
std::string Substitute(const std::string& key, const std::vector<std::string>& args);

} // namespace Texts
