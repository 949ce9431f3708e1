#pragma once
#include "TrackListUnits.h"
#include "base/UiText.h"
#include "design/Design.h"

#include <array>
#include <string>
#include <vector>

// One row of the track section list: a placed part with the lengths its lanes
// have run up to its end, or an empty slot ("Nothing"). The row keeps copies,
// so a window may show it while the design changes.
struct SectionRow {
    int Track = 0; // numbered from 1 among the tracks in use
    bool Empty = false;
    uint8_t Status = 0;
    int8_t Height = 0;
    float Lane1 = 0.0f;
    float Lane2 = 0.0f;
    std::string Code;
    std::string Description;
};

// Every part of every track in use, in the order of the track list.
std::vector<SectionRow> SectionRows(const T_DESIGN& design);

inline constexpr int SECTION_COLUMNS = 9;
inline constexpr std::array<const char*, SECTION_COLUMNS> SECTION_HEADINGS = {
    "#",
    Texts::Mark("Code"),
    Texts::Mark("Section"),
    Texts::Mark("Dir"),
    Texts::Mark("Height"),
    "I",
    "O",
    Texts::Mark("Lane 1"),
    Texts::Mark("Lane 2")};

// The text of one cell of a row, as the track list shows it (column 0 to
// SECTION_COLUMNS - 1).
std::string SectionCell(const SectionRow& row, int column, const TrackListUnits& units);
