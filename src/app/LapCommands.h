#pragma once

class A_APPL;

// "Car...": the user picks a preset or sets the car's four values; the lap
// times everywhere follow.
void CarCommand(A_APPL& appl);
