#include "TrackList.h"

#include "ReportHtml.h"
#include "defs/SharedPiece.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace report_html;

namespace {

void Head(Html& out) {
    out << "<HTML>"
        << "<HEAD>"
        << "<TITLE>Vireldo 2000 Design</TITLE>"
        << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"
        << "<style type=\"text/css\">"
        << " td { padding: 2px ; color: #0 ; "
        << "      font-family: Arial, Helvetica, sans-serif; font-size: 8pt } "
        << " h3 { font-family: Arial, Helvetica, sans-serif; font-size: 12pt } "
        << " p  { font-family: Arial, Helvetica, sans-serif; font-size: 8pt } "
        << "</style>"
        << "</HEAD>"
        << "<BODY>"
        << "<TABLE bgcolor=#f0f0e6 border=0 cellspacing=8 width=100%>"
        << "<TR>";
}

void SectionsInfo(Html& out, T_DESIGN& design) {
    out << "<TD valign=top>";
    out.Table(5, "Track Sections Info",
              "<TD>Code</TD><TD>Section</TD><TD align=right>Stock</TD>"
              "<TD align=right>Used</TD><TD align=right>Free</TD>");
    if (L_BRAND* brand = design.Brand) {
        for (int i = 0; i < brand->PartCount; ++i)
            brand->Parts[i].Used = 0;
        design.CountUses();
        for (int i = 0; i < brand->PartCount; ++i) {
            const L_PARTDEF& def = brand->Parts[i];
            out << DATA_ROW;
            out.Cell(def.Code);
            out.Cell(def.Description);
            out.Number(StockOf(*brand, def));
            out.Number(def.Used);
            out.Number(FreeOf(*brand, def));
            out << "</TR>";
        }
    }
    out << "</TABLE>"
        << "</TD>";
}

void AddLanes(const T_PART& part, bool& swapped, float& lane1, float& lane2) {
    const LaneTravel travel = TravelOf(part, swapped);
    lane1 += travel.Lane1;
    lane2 += travel.Lane2;
}

void PartRow(Html& out, const T_PART& part, int number, float lane1, float lane2) {
    out << DATA_ROW;
    out.Cell(std::to_string(number));
    out.Cell(part.Def->Code);
    out.Cell(part.Def->Description);
    out << ((part.Status & PS_LEFT)    ? "<TD align=center>L</TD>"
            : (part.Status & PS_RIGHT) ? "<TD align=center>R</TD>"
                                       : "<TD>&nbsp;</TD>");
    out.Number(part.Height);
    out << ((part.Status & PS_INNER_BORDER) ? "<TD align=center>x</TD>" : "<TD>&nbsp;</TD>");
    out << ((part.Status & PS_OUTER_BORDER) ? "<TD align=center>x</TD>" : "<TD>&nbsp;</TD>");
    out.Length(lane1);
    out.Length(lane2);
    out << "</TR>";
}

void SectionList(Html& out, T_DESIGN& design) {
    out << "<TD valign=top>";
    out.Table(9, "Track Section List",
              "<TD>#</TD><TD>Code</TD><TD>Section</TD>"
              "<TD>Dir</TD><TD>Height</TD><TD>&nbsp;I&nbsp;</TD><TD>&nbsp;O&nbsp;</TD>"
              "<TD align=right>Lane 1</TD><TD align=right>Lane 2</TD>");
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
                out << DATA_ROW << "<TD>-</TD>"
                    << "<TD>Nothing</TD>";
                for (int k = 0; k < 7; ++k)
                    out << "<TD></TD>";
                out << "</TR>";
                continue;
            }
            AddLanes(part, swapped, lane1, lane2);
            PartRow(out, part, number, lane1, lane2);
        }
    }
    out << "</TABLE>"
        << "</TD>";
}

void SizeRow(Html& out, const char* label, float centimetres) {
    const TrackListUnits& units = out.Units;
    out << "<TR bgcolor=#eeeeee><TD>" << label << "</TD><TD>"
        << FormatLength(units.Metric ? centimetres : centimetres * FEET_PER_CM, units.DecimalPoint)
        << (units.Metric ? " cm</TD>" : " ft</TD>") << "</TR>";
}

// One row per track in use, numbered as in the section list.
template <typename Cells> void TrackRows(Html& out, const T_DESIGN& design, Cells cells) {
    int number = 0;
    for (const T_TRACK& track : design.Tracks)
        if (track.InUse) {
            out << DATA_ROW;
            out.Cell(std::to_string(++number));
            cells(track);
            out << "</TR>";
        }
}

void Totals(Html& out, T_DESIGN& design, const BoundingBox& extents, float zoom,
            const std::string& more) {
    out << "<TD valign=top>";
    design.ComputeTrackStats(true, nullptr, 0, -1);
    out.Table(3, "Track Lengths",
              "<TD>Track</TD><TD align=right>Lane 1</TD><TD align=right>Lane 2</TD>");
    TrackRows(out, design, [&out](const T_TRACK& track) {
        out.Length(track.Lane1Total);
        out.Length(track.Lane2Total);
    });
    out << "</TABLE>"
        << "<P></P>";
    out.Table(3, "Track Curve Count",
              "<TD>Track</TD><TD align=right>Left #</TD><TD align=right>Right #</TD>");
    TrackRows(out, design, [&out](const T_TRACK& track) {
        out.Number(track.LeftCount);
        out.Number(track.RightCount);
    });
    out << "</TABLE>"
        << "<P></P>";
    // Nothing painted yet: no size rather than the negative reset extents.
    const bool painted = !extents.IsReset() && zoom > 0;
    const float width = painted ? static_cast<float>(extents.MaxX - extents.MinX) / zoom : 0.0f;
    const float height = painted ? static_cast<float>(extents.MaxY - extents.MinY) / zoom : 0.0f;
    out.Table(2, "Design Size", "");
    SizeRow(out, "Width: ", width);
    SizeRow(out, "Height: ", height);
    out << "</TABLE>" << more << "</TD>"
        << "</TR>"
        << "</TABLE>";
}

} // namespace

std::string FormatLength(double value, char decimalPoint) {
    return FormatDecimals(value, 2, decimalPoint);
}

std::string FormatDecimals(double value, int decimals, char decimalPoint) {
    decimals = std::clamp(decimals, 0, 6);
    const double scale = std::pow(10.0, decimals);
    const double units = std::round(value * scale); // halves away from zero
    const long long whole = std::llabs(static_cast<long long>(units));
    const long long unit = static_cast<long long>(scale);
    char text[64];
    if (decimals == 0)
        std::snprintf(text, sizeof text, "%s%lld", units < 0 ? "-" : "", whole);
    else
        std::snprintf(text, sizeof text, "%s%lld%c%0*lld", units < 0 ? "-" : "", whole / unit,
                      decimalPoint, decimals, whole % unit);
    return text;
}

std::string EscapeHtml(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string BuildTrackListHtml(T_DESIGN& design, const BoundingBox& extents, float zoom,
                               const TrackListUnits& units, const std::string& more) {
    Html out{std::string(), units};
    Head(out);
    SectionsInfo(out, design);
    SectionList(out, design);
    Totals(out, design, extents, zoom, more);
    out << "<p>Generated by Vireldo 2000 - "
        << "<a href=\"" << HOME_PAGE << "\">" << HOME_PAGE << "</a>"
        << "</p>"
        << "</BODY>"
        << "</HTML>";
    return out.Text;
}
