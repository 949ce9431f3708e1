#pragma once
#include "TrackList.h"

#include <cstdint>
#include <string>

// The markup the report's tables share: grey headings, light rows, lengths in
// metres or feet with the user's decimal separator.

namespace report_html {

inline constexpr double METRES_PER_CM = 0.01;
inline constexpr double FEET_PER_CM = 0.0328083989501312;

inline const char* const INNER_TABLE = "<TABLE width=100% border=0 bgcolor=#cccccc>";
inline const char* const HEAD_ROW = "<TR bgcolor=#cccccc>";
inline const char* const DATA_ROW = "<TR bgcolor=#eeeeee>";

struct Html {
    std::string Text;
    const TrackListUnits& Units;

    Html& operator<<(const std::string& piece) {
        Text += piece;
        return *this;
    }
    void Cell(const std::string& text) { Text += "<TD>" + EscapeHtml(text) + "</TD>"; }
    void Number(int64_t value) { Text += "<TD align=right>" + std::to_string(value) + "</TD>"; }
    void Length(float centimetres) {
        Text += "<TD align=right>" + LengthText(centimetres, Units) + "</TD>";
    }
    void Table(int columns, const std::string& title, const std::string& headings) {
        Text += INNER_TABLE;
        Text += HEAD_ROW + std::string("<TD colspan=") + std::to_string(columns) + "><H3>" + title +
                "</H3></TD></TR>";
        if (!headings.empty())
            Text += HEAD_ROW + headings + "</TR>";
    }
};

} // namespace report_html
