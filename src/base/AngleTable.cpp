#include "AngleTable.h"

#include <cmath>

AngleTable Angles;

void FillAngleTable() {
    const double step = 3.14159265358979323846 / 720.0;
    for (int i = 0; i < FULL_TURN; ++i) {
        Angles.Cos[i] = static_cast<float>(std::cos(i * step));
        Angles.Sin[i] = static_cast<float>(std::sin(i * step));
    }
    Angles.Cos[1080] = 0.0f;
    Angles.Sin[720] = 0.0f;
}

namespace {
// Model code and tests may run without the program's start-up.
const bool TablesFilled = (FillAngleTable(), true);
} // namespace
