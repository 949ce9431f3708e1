#pragma once

// How the track list shows lengths: metres (and centimetres for the design
// size) or feet, with the user's decimal separator.
struct TrackListUnits {
    bool Metric = true;
    char DecimalPoint = '.';
};
