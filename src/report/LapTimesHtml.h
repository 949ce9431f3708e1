#pragma once
#include "TrackList.h"
#include "sim/LapSimulation.h"

#include <string>
#include <vector>

// "Estimated lap times": a table per closed track with each lane's length,
// lap time, average speed and share at full throttle, and the difference
// between the lanes, naming the car they were driven with.
std::string LapTimesHtml(const std::vector<TrackLaps>& laps, const std::string& carName,
                         const TrackListUnits& units);
