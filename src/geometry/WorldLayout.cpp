#include "WorldLayout.h"

#include "base/Saturate.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float OUTLINE_SCALE = 10.0f; // outlines in millimetres: fine enough for boxes
constexpr long long MAX_CELLS_PER_PART = 4096;

long long CellKey(long long cx, long long cy) {
    return (cx << 32) ^ static_cast<unsigned>(cy);
}

long long CellOf(float cm) {
    return static_cast<long long>(std::floor(cm / WorldLayout::CELL_CM));
}

// The part's box in cm: its outline, widened by the borders it shows.
void SetBox(WorldPart& part, PointBuffer& buffer) {
    const T_PLACED& placed = part.Placed;
    Pose pose = placed.StartPose();
    pose.X *= OUTLINE_SCALE;
    pose.Y *= OUTLINE_SCALE;
    PartOutline(*placed.Part, pose, OUTLINE_SCALE, true, buffer);
    part.MinX = part.MaxX = placed.X;
    part.MinY = part.MaxY = placed.Y;
    for (int i = 0; i < buffer.Count; ++i) {
        const float x = buffer.Points[i].X / OUTLINE_SCALE, y = buffer.Points[i].Y / OUTLINE_SCALE;
        part.MinX = std::min(part.MinX, x);
        part.MaxX = std::max(part.MaxX, x);
        part.MinY = std::min(part.MinY, y);
        part.MaxY = std::max(part.MaxY, y);
    }
    const L_PARTDEF& def = *placed.Part->Def;
    const float reach = std::max(def.InnerBorderWidth, def.OuterBorderWidth);
    if (std::isfinite(reach) && reach > 0) {
        part.MinX -= reach;
        part.MinY -= reach;
        part.MaxX += reach;
        part.MaxY += reach;
    }
}

} // namespace

void WorldLayout::Build(T_DESIGN& design, bool colorLanes) {
    Entries.clear();
    Cells.clear();
    Large.clear();
    const std::unique_ptr<T_PLACEMENT> placement = NewPlacement();
    P_VIEW world;
    PlaceDesign(*placement, world, design, colorLanes);
    SortPlacementByHeight(*placement);
    Entries.resize(placement->Count);
    PointBuffer buffer;
    for (int i = 0; i < placement->Count; ++i) {
        WorldPart& part = Entries[i];
        part.Placed = placement->Entries[i];
        design.LocatePart(part.Placed.Part, part.Slot, part.Index);
        SetBox(part, buffer);
        const bool finite = std::isfinite(part.MinX) && std::isfinite(part.MinY) &&
                            std::isfinite(part.MaxX) && std::isfinite(part.MaxY);
        const long long x0 = finite ? CellOf(part.MinX) : 0, x1 = finite ? CellOf(part.MaxX) : 0;
        const long long y0 = finite ? CellOf(part.MinY) : 0, y1 = finite ? CellOf(part.MaxY) : 0;
        if (!finite || (x1 - x0 + 1) * (y1 - y0 + 1) > MAX_CELLS_PER_PART) {
            Large.push_back(i);
            continue;
        }
        for (long long cx = x0; cx <= x1; ++cx)
            for (long long cy = y0; cy <= y1; ++cy)
                Cells[CellKey(cx, cy)].push_back(i);
    }
}

std::vector<int> WorldLayout::PartsIn(float minX, float minY, float maxX, float maxY) const {
    std::vector<int> found;
    auto meets = [&](int i) {
        const WorldPart& p = Entries[i];
        return !(p.MaxX < minX || p.MinX > maxX || p.MaxY < minY || p.MinY > maxY);
    };
    const long long x0 = CellOf(minX), x1 = CellOf(maxX), y0 = CellOf(minY), y1 = CellOf(maxY);
    if (static_cast<double>(x1 - x0 + 1) * static_cast<double>(y1 - y0 + 1) >
        static_cast<double>(Cells.size())) {
        // A query larger than the grid: every part once.
        for (int i = 0; i < static_cast<int>(Entries.size()); ++i)
            if (meets(i))
                found.push_back(i);
        return found;
    }
    for (long long cx = x0; cx <= x1; ++cx)
        for (long long cy = y0; cy <= y1; ++cy) {
            const auto cell = Cells.find(CellKey(cx, cy));
            if (cell == Cells.end())
                continue;
            for (int i : cell->second)
                if (meets(i))
                    found.push_back(i);
        }
    for (int i : Large)
        found.push_back(i); // their boxes may be anything: drawing decides
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}
