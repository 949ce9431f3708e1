#pragma once
#include "design/Design.h"
#include "geometry/View.h"

#include <string>

// How the track list shows lengths: metres (and centimetres for the design
// size) or feet, with the user's decimal separator.
struct TrackListUnits {
    bool Metric = true;
    char DecimalPoint = '.';
};

// The home page the report's footer links to.
inline const char* const HOME_PAGE = "https://vireldo.example/";

// The HTML track list of a design, as one line: the parts of the brand with
// stock, used and free counts, every placed part with its running lane
// lengths, the lane totals and curve counts per track, the design size from
// the extents of the last paint at that zoom. Recounts the brand's Used
// counts and the tracks' statistics.
// more: tables put in under the design size, beside the list.
std::string BuildTrackListHtml(T_DESIGN& design, const BoundingBox& extents, float zoom,
                               const TrackListUnits& units, const std::string& more = {});

// "0.00": two decimals, halves away from zero, the given decimal separator.
std::string FormatLength(double value, char decimalPoint);
// The same with 0 to 6 decimals.
std::string FormatDecimals(double value, int decimals, char decimalPoint);
// Text for HTML: &, <, > and " as entities.
std::string EscapeHtml(const std::string& text);
