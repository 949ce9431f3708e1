#include "SharedPiece.h"

#include <algorithm>

namespace {

bool SameFootprint(const L_PARTDEF& a, const L_PARTDEF& b) {
    return a.Type == PT_Straight && b.Type == PT_Straight && a.StraightWidth == b.StraightWidth &&
           a.StraightLength == b.StraightLength;
}

// The part of the brand whose code is def's with its last letter `from`
// changed to `to`, of the same footprint.
const L_PARTDEF* Partner(const L_BRAND& brand, const L_PARTDEF& def, char from, char to) {
    const std::string& code = def.Code;
    if (code.size() < 2 || code.back() != from)
        return nullptr;
    const std::string wanted = code.substr(0, code.size() - 1) + to;
    for (int i = 0; i < brand.PartCount; ++i) {
        const L_PARTDEF& other = brand.Parts[i];
        if (other.Code == wanted)
            return SameFootprint(def, other) ? &other : nullptr;
    }
    return nullptr;
}

} // namespace

const L_PARTDEF* FirstRoadOf(const L_BRAND& brand, const L_PARTDEF& def) {
    return Partner(brand, def, 'B', 'A');
}

const L_PARTDEF* SecondRoadOf(const L_BRAND& brand, const L_PARTDEF& def) {
    return Partner(brand, def, 'A', 'B');
}

int64_t StockOf(const L_BRAND& brand, const L_PARTDEF& def) {
    const L_PARTDEF* first = FirstRoadOf(brand, def);
    return first ? first->Stock : def.Stock;
}

int64_t FreeOf(const L_BRAND& brand, const L_PARTDEF& def) {
    return StockOf(brand, def) - def.Used;
}

int64_t MissingOf(const L_BRAND& brand, const L_PARTDEF& def) {
    if (FirstRoadOf(brand, def))
        return 0;
    const L_PARTDEF* second = SecondRoadOf(brand, def);
    const int64_t passes = std::max<int64_t>(def.Used, second ? second->Used : 0);
    return std::max<int64_t>(passes - def.Stock, 0);
}
