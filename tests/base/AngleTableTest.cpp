#include "base/AngleTable.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(AngleTable, QuarterDegreeSteps) {
    FillAngleTable();
    EXPECT_EQ(Angles.Cos[0], 1.0f);
    EXPECT_EQ(Angles.Sin[0], 0.0f);
    EXPECT_EQ(Angles.Sin[360], 1.0f);
    EXPECT_NEAR(Angles.Cos[360], 0.0f, 1e-7);
    EXPECT_EQ(Angles.Cos[720], -1.0f);
    EXPECT_EQ(Angles.Sin[1080], -1.0f);
    EXPECT_FLOAT_EQ(Angles.Sin[180], static_cast<float>(std::sqrt(0.5)));
    EXPECT_FLOAT_EQ(Angles.Cos[1], static_cast<float>(std::cos(3.14159265358979323846 / 720)));
}

TEST(AngleTable, TwoEntriesAreExactlyZero) {
    FillAngleTable();
    EXPECT_EQ(Angles.Cos[1080], 0.0f);
    EXPECT_EQ(Angles.Sin[720], 0.0f);
}

TEST(AngleTable, NormalizeWrapsBothWays) {
    EXPECT_EQ(NormalizeAngle(1440), 0);
    EXPECT_EQ(NormalizeAngle(-40), 1400);
    EXPECT_EQ(NormalizeAngle(3000), 120);
    EXPECT_EQ(NormalizeAngle(-2900), 1420);
}
