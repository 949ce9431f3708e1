#include "SectionList.h"

#include "TrackList.h"

namespace {

SectionRow PartRow(const T_PART& part, int track, float lane1, float lane2) {
    SectionRow row;
    row.Track = track;
    row.Status = part.Status;
    row.Height = part.Height;
    row.Lane1 = lane1;
    row.Lane2 = lane2;
    row.Code = part.Def->Code;
    row.Description = part.Def->Description;
    return row;
}

} // namespace

std::vector<SectionRow> SectionRows(const T_DESIGN& design) {
    std::vector<SectionRow> rows;
    int number = 0;
    for (const T_TRACK& track : design.Tracks) {
        if (!track.InUse)
            continue;
        ++number;
        float lane1 = 0.0f, lane2 = 0.0f;
        bool swapped = false;
        for (int i = 0; i < track.PartCount; ++i) {
            const T_PART& part = track.Parts[i];
            if (part.Def == design.EmptyDef()) {
                SectionRow empty;
                empty.Track = number;
                empty.Empty = true;
                rows.push_back(std::move(empty));
                continue;
            }
            const LaneTravel travel = TravelOf(part, swapped);
            lane1 += travel.Lane1;
            lane2 += travel.Lane2;
            rows.push_back(PartRow(part, number, lane1, lane2));
        }
    }
    return rows;
}

std::string SectionCell(const SectionRow& row, int column, const TrackListUnits& units) {
    if (row.Empty)
        return column == 0 ? "-" : column == 1 ? "Nothing" : "";
    switch (column) {
    case 0:
        return std::to_string(row.Track);
    case 1:
        return row.Code;
    case 2:
        return row.Description;
    case 3:
        return (row.Status & PS_LEFT) ? "L" : (row.Status & PS_RIGHT) ? "R" : "";
    case 4:
        return std::to_string(row.Height);
    case 5:
        return (row.Status & PS_INNER_BORDER) ? "x" : "";
    case 6:
        return (row.Status & PS_OUTER_BORDER) ? "x" : "";
    case 7:
        return LengthText(row.Lane1, units);
    case 8:
        return LengthText(row.Lane2, units);
    default:
        return "";
    }
}
