#include "UiText.h"

#include <cstdio>
#include <deque>
#include <mutex>
#include <unordered_map>

namespace Texts {

namespace {

// Enough for every message on screen at once; the oldest are forgotten.
constexpr size_t REMEMBERED_COMPOSITIONS = 512;

struct Memory {
    std::mutex Lock;
    std::unordered_map<std::string, Composition> ByText;
    std::deque<std::string> Order;
};

Memory& Remembered() {
    static Memory memory;
    return memory;
}

void Remember(const std::string& text, Composition composition) {
    Memory& memory = Remembered();
    const std::lock_guard<std::mutex> guard(memory.Lock);
    if (memory.ByText.insert_or_assign(text, std::move(composition)).second)
        memory.Order.push_back(text);
    if (memory.Order.size() > REMEMBERED_COMPOSITIONS) {
        memory.ByText.erase(memory.Order.front());
        memory.Order.pop_front();
    }
}

} // namespace

std::string Substitute(const std::string& key, const std::vector<std::string>& args) {
    std::string text;
    for (size_t i = 0; i < key.size(); ++i) {
        const char digit = i + 1 < key.size() ? key[i + 1] : '\0';
        const size_t n = static_cast<size_t>(digit - '1');
        if (key[i] == '%' && digit >= '1' && digit <= '9' && n < args.size()) {
            text += args[n];
            ++i;
        } else {
            text += key[i];
        }
    }
    return text;
}

std::string Number(double value, int decimals, bool sign) {
    char text[64];
    std::snprintf(text, sizeof text, sign ? "%+.*f" : "%.*f", decimals, value);
    return text;
}

std::string Fill(const char* key, std::initializer_list<std::string> args) {
    Composition composition{key, std::vector<std::string>(args)};
    std::string text = Substitute(composition.Key, composition.Args);
    Remember(text, std::move(composition));
    return text;
}

bool FindComposition(const std::string& text, Composition& composition) {
    Memory& memory = Remembered();
    const std::lock_guard<std::mutex> guard(memory.Lock);
    const auto found = memory.ByText.find(text);
    if (found == memory.ByText.end())
        return false;
    composition = found->second;
    return true;
}

} // namespace Texts
