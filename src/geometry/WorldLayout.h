#pragma once
#include "Placement.h"

#include <unordered_map>
#include <vector>

// Every part of a design where it lies in the world (cm), in the canvas's
// drawing order (lower parts first), with the box each covers and a grid of
// those boxes: what a page, a tile or a view asks for is found without
// looking at every part.

struct WorldPart {
    T_PLACED Placed; // pose in cm at scale 1, lane colours as the canvas gives them
    int Slot = 0;
    int Index = 0;                                            // in its track
    float MinX = 0.0f, MinY = 0.0f, MaxX = 0.0f, MaxY = 0.0f; // with borders, cm
};

class WorldLayout {
  public:
    // Places every track at scale 1 and sorts the parts by height exactly as
    // the canvas does; lanes in their colours (silver without colorLanes).
    void Build(T_DESIGN& design, bool colorLanes);

    const std::vector<WorldPart>& Parts() const { return Entries; }
    bool Empty() const { return Entries.empty(); }

    // The parts whose boxes meet the rectangle, in drawing order.
    std::vector<int> PartsIn(float minX, float minY, float maxX, float maxY) const;

    static constexpr float CELL_CM = 50.0f;

  private:
    std::vector<WorldPart> Entries;
    std::unordered_map<long long, std::vector<int>> Cells;
    std::vector<int> Large; // parts too large for the grid: compared with every query
};
