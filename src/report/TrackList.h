#pragma once
#include "SectionList.h"
#include "design/Design.h"
#include "geometry/View.h"

#include <string>
#include <vector>

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

// The track list as a window shows it: the section list as rows, the other
// columns as HTML (each a <TD> of the page's one row of columns).
struct TrackListPage {
    TrackListUnits Units;
    std::string Sections; // the brand's parts with stock, used and free counts
    std::vector<SectionRow> Rows;
    std::string Totals; // lane totals, curve counts, design size and `more`
};
// Recounts as BuildTrackListHtml does.
TrackListPage BuildTrackListPage(T_DESIGN& design, const BoundingBox& extents, float zoom,
                                 const TrackListUnits& units, const std::string& more = {});
// The whole track list file of a page: what BuildTrackListHtml gives.
std::string TrackListHtml(const TrackListPage& page);
// One column of the page as a document of its own.
std::string ColumnDocument(const TrackListPage& page, const std::string& column);
// The words of the track list's headings and labels, as whole cells or
// before a number or name ("Track 1"): what a window in another language
// translates in the documents it shows (the files stay English).
const std::vector<const char*>& TrackListWords();

// "0.35 m" or "1.15 ft": metres or feet, two decimals.
std::string LengthText(float centimetres, const TrackListUnits& units);
// "0.00": two decimals, halves away from zero, the given decimal separator.
std::string FormatLength(double value, char decimalPoint);
// The same with 0 to 6 decimals.
std::string FormatDecimals(double value, int decimals, char decimalPoint);
// Text for HTML: &, <, > and " as entities.
std::string EscapeHtml(const std::string& text);
