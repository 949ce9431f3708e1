#pragma once
#include "Room.h"

#include <array>
#include <string>

// The standard room outlines of the new room wizard.
enum class RoomShape { None, Rectangle, LShaped, MShaped, TShaped };

// What the wizard was told: the shape, the six measures A to F as typed (in
// metres, or feet without Metric), mirrored or flipped, filled in.
struct RoomOutlineRequest {
    RoomShape Shape = RoomShape::Rectangle;
    std::array<std::string, 6> Measures;
    bool Invert = false;
    bool Filled = true;
};

// The green of a room outline (stored colour value).
constexpr int32_t ROOM_OUTLINE_COLOUR = 32768;

// A typed measure in centimetres; a text that is no number counts as 0.
float MeasureInCentimetres(const std::string& text, bool metric);
// Adds the outline to the layer, centred on the world origin; nothing for None.
void AddRoomOutline(F_FREEHAND& layer, const RoomOutlineRequest& request, bool metric);
