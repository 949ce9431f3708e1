#include "LayoutSuggestions.h"

#include "Appl.h"
#include "base/UiText.h"
#include "generate/PieceKit.h"
#include "report/TrackList.h"
#include "sim/LapSimulation.h"

#include <algorithm>
#include <memory>

namespace {

constexpr double CM_PER_METRE = 100.0;
constexpr double CM_PER_FOOT = 30.48;

} // namespace

bool RoomHasOutline(const A_APPL& appl) {
    return !RoomBoard(appl.Room.Layer).Empty();
}

bool BrandHasCrossing(A_APPL& appl) {
    L_BRAND* brand = appl.Design.Design.Brand;
    return brand && KitOf(*brand, UnlimitedBudget(*brand)).Crossing.Usable();
}

bool OptionsForRequest(A_APPL& appl, const SuggestRequest& request, SuggestOptions& options,
                       std::string& error) {
    T_DESIGN& design = appl.Design.Design;
    if (!design.Brand) {
        error = Texts::Mark("The design has no track system to suggest layouts of.");
        return false;
    }
    options = SuggestOptions{};
    options.Table = request.UseRoom ? RoomBoard(appl.Room.Layer)
                                    : RectangleBoard(request.WidthCm, request.HeightCm);
    if (options.Table.Empty()) {
        error = Texts::Mark("The room has no closed outline: draw one with the room wizard first.");
        return false;
    }
    options.Budget = request.InStockOnly ? FreeStockBudget(design) : UnlimitedBudget(*design.Brand);
    options.MinimumLapCm = static_cast<float>(request.MinimumLapCm);
    options.Crossing = request.Crossing;
    options.Bridges = request.Bridges;
    options.Count = std::max(request.Count, 1);
    options.Seed = request.Seed;
    options.TimeLimitSeconds = request.TimeLimitSeconds;
    return true;
}

std::string ProposalCaption(A_APPL& appl, const SuggestedLayout& layout, char decimalPoint) {
    const bool metric = appl.Metric;
    const double length = layout.LapCm() / (metric ? CM_PER_METRE : CM_PER_FOOT);
    std::string caption =
        Texts::Fill(metric ? Texts::Mark("%1 m, %2 parts") : Texts::Mark("%1 ft, %2 parts"),
                    {FormatDecimals(length, 2, decimalPoint), std::to_string(layout.Parts.size())});
    L_BRAND* brand = appl.Design.Design.Brand;
    if (!brand)
        return caption;
    L_PARTDEF emptyDef;
    auto design = std::make_unique<T_DESIGN>(&emptyDef);
    LayLayout(*design, *brand, layout);
    const std::vector<TrackLaps> laps = SimulateDesign(*design, appl.RaceCar.Values);
    if (!laps.empty() && laps[0].Closed) {
        const LaneLap& shorter = laps[0].Lanes[layout.Lane1 <= layout.Lane2 ? 0 : 1];
        caption = Texts::Fill(Texts::Mark("%1, %2 s"),
                              {caption, FormatDecimals(shorter.LapTime, 2, decimalPoint)});
    }
    return caption;
}
