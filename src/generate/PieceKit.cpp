#include "PieceKit.h"

#include "defs/SharedPiece.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <tuple>

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// An unlimited budget buys plain track: the special pieces (lane changers,
// pit lanes, crossings, chicanes) are bought for what they do, not to fill a
// straight's place.
bool IsPlainTrack(const L_PARTDEF& def) {
    const std::string text = Lower(def.Description);
    for (const char* special : {"chang", "crossover", "crossing", "crossroads", "pit", "chicane",
                                "swipe", "start", "power", "bank"})
        if (text.find(special) != std::string::npos)
            return false;
    return true;
}

bool SameShape(const L_PARTDEF& a, const L_PARTDEF& b) {
    constexpr float SAME = 0.001f;
    if (a.Type != b.Type)
        return false;
    if (a.Type == PT_Straight)
        return std::fabs(a.StraightLength - b.StraightLength) < SAME &&
               std::fabs(a.StraightWidth - b.StraightWidth) < SAME;
    return a.CurveAngle == b.CurveAngle &&
           std::fabs(a.CurveInnerRadius - b.CurveInnerRadius) < SAME &&
           std::fabs(a.CurveOuterRadius - b.CurveOuterRadius) < SAME &&
           a.OuterBorderWidth == b.OuterBorderWidth && a.InnerBorderWidth == b.InnerBorderWidth;
}

bool Usable(const L_BRAND& brand, const L_PARTDEF& def, int64_t budget) {
    const bool shaped = (def.Type == PT_Straight && def.StraightLength > 0) ||
                        (def.Type == PT_Curve && def.CurveAngle > 0 && def.CurveAngle <= 720 &&
                         def.CurveOuterRadius > def.CurveInnerRadius);
    if (!shaped || budget <= 0 || def.CrossTrack || IsCrossingPart(brand, def) ||
        FirstRoadOf(brand, def))
        return false;
    return budget < UNLIMITED_PARTS || IsPlainTrack(def);
}

int64_t Budget(const std::vector<int64_t>& budget, int index) {
    return index < static_cast<int>(budget.size()) ? std::max<int64_t>(budget[index], 0) : 0;
}

} // namespace

bool IsCrossingPart(const L_BRAND& brand, const L_PARTDEF& def) {
    if (def.Type != PT_Straight)
        return false;
    if (SecondRoadOf(brand, def))
        return true;
    const std::string text = Lower(def.Description);
    return !FirstRoadOf(brand, def) &&
           (text.rfind("crossing", 0) == 0 || text.rfind("crossroads", 0) == 0);
}

int PieceKit::FirstCurve() const {
    int i = 0;
    while (i < static_cast<int>(Shapes.size()) && !Shapes[i].Curve())
        ++i;
    return i;
}

PieceKit KitOf(L_BRAND& brand, const std::vector<int64_t>& budget) {
    PieceKit kit;
    for (int i = 0; i < std::clamp(brand.PartCount, 0, MAX_PARTDEFS); ++i) {
        L_PARTDEF& def = brand.Parts[i];
        const int64_t allowed = std::min(Budget(budget, i), UNLIMITED_PARTS);
        if (!kit.Crossing.FirstRoad && IsCrossingPart(brand, def) && allowed > 0) {
            L_PARTDEF* second = const_cast<L_PARTDEF*>(SecondRoadOf(brand, def));
            kit.Crossing.FirstRoad = &def;
            kit.Crossing.SecondRoad = second ? second : &def;
            kit.Crossing.FirstBudget = allowed;
            kit.Crossing.SecondBudget =
                second ? std::min(Budget(budget, brand.IndexOfPart(second)), UNLIMITED_PARTS)
                       : allowed;
            continue;
        }
        if (!Usable(brand, def, allowed))
            continue;
        auto same = std::find_if(kit.Shapes.begin(), kit.Shapes.end(),
                                 [&](const KitShape& s) { return SameShape(s.Def(), def); });
        if (same == kit.Shapes.end())
            same = kit.Shapes.insert(kit.Shapes.end(), KitShape{});
        same->Parts.push_back(&def);
        same->Budget.push_back(allowed);
        same->Total = std::min(same->Total + allowed, UNLIMITED_PARTS);
    }
    std::stable_sort(kit.Shapes.begin(), kit.Shapes.end(),
                     [](const KitShape& a, const KitShape& b) {
                         if (a.Curve() != b.Curve())
                             return !a.Curve();
                         if (!a.Curve())
                             return a.Def().StraightLength > b.Def().StraightLength;
                         return std::tie(a.Def().CurveInnerRadius, a.Def().CurveAngle) <
                                std::tie(b.Def().CurveInnerRadius, b.Def().CurveAngle);
                     });
    return kit;
}
