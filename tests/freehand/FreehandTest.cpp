#include "freehand/Freehand.h"
#include "base/Saturate.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

TEST(Freehand, AddShapeStopsAtTheLimitAndMarksChanged) {
    auto layer = std::make_unique<F_FREEHAND>();
    EXPECT_FALSE(layer->Changed);
    for (int i = 0; i < MAX_SHAPES; ++i)
        ASSERT_NE(layer->AddShape(), nullptr);
    EXPECT_TRUE(layer->Changed);
    layer->Changed = false;
    EXPECT_EQ(layer->AddShape(), nullptr);
    EXPECT_EQ(layer->ShapeCount, MAX_SHAPES);
    EXPECT_FALSE(layer->Changed);
}

// Part silkscreens are mostly empty: 8192 of them once took 300 MB.
TEST(Freehand, AnEmptyLayerHoldsNoShapeStorage) {
    EXPECT_LT(sizeof(F_FREEHAND), 4 * sizeof(F_SHAPE));
}

// The editor keeps pointers to the selected shape and the one being drawn.
TEST(Freehand, ShapesKeepTheirAddressesAsTheLayerGrows) {
    auto layer = std::make_unique<F_FREEHAND>();
    std::vector<F_SHAPE*> added;
    for (int i = 0; i < MAX_SHAPES; ++i) {
        added.push_back(layer->AddShape());
        added.back()->Text = std::to_string(i);
    }
    for (int i = 0; i < MAX_SHAPES; ++i) {
        EXPECT_EQ(&layer->Shapes[i], added[i]);
        EXPECT_EQ(added[i]->Text, std::to_string(i));
    }
}

TEST(Freehand, CopiesOwnTheirShapes) {
    auto layer = std::make_unique<F_FREEHAND>();
    for (int i = 0; i < 10; ++i) // beyond one block of slots
        layer->AddShape()->AddPoint(float(i), 0);
    auto copy = std::make_unique<F_FREEHAND>(*layer);
    copy->Shapes[9].Points[0].X = -1;
    EXPECT_EQ(layer->Shapes[9].Points[0].X, 9.0f);
    EXPECT_EQ(copy->Shapes[8].Points[0].X, 8.0f);
    *layer = *copy;
    EXPECT_EQ(layer->Shapes[9].Points[0].X, -1.0f);
    EXPECT_NE(&layer->Shapes[9], &copy->Shapes[9]);
}

TEST(Freehand, AddedShapeIsReset) {
    auto layer = std::make_unique<F_FREEHAND>();
    F_SHAPE* shape = layer->AddShape();
    shape->Kind = SK_Text;
    shape->Text = "old";
    shape->AddPoint(1, 2);
    layer->ClearLayer();
    shape = layer->AddShape();
    EXPECT_EQ(shape->Kind, SK_None);
    EXPECT_EQ(shape->PenWidth, 1);
    EXPECT_EQ(shape->Text, "");
    EXPECT_EQ(shape->PointCount, 0);
}

TEST(Freehand, AddPointStopsAtTheLimit) {
    F_SHAPE shape;
    for (int i = 0; i < MAX_POINTS; ++i)
        ASSERT_NE(shape.AddPoint(i, -i), nullptr);
    EXPECT_EQ(shape.AddPoint(99, 99), nullptr);
    EXPECT_EQ(shape.PointCount, MAX_POINTS);
    EXPECT_EQ(shape.Points[31].X, 31.0f);
}

TEST(Freehand, DeleteMovesLaterShapesDown) {
    auto layer = std::make_unique<F_FREEHAND>();
    for (const char* text : {"a", "b", "c"})
        layer->AddShape()->Text = text;
    layer->Changed = false;
    EXPECT_TRUE(layer->DeleteShape(&layer->Shapes[0]));
    EXPECT_TRUE(layer->Changed);
    ASSERT_EQ(layer->ShapeCount, 2);
    EXPECT_EQ(layer->Shapes[0].Text, "b");
    EXPECT_EQ(layer->Shapes[1].Text, "c");
    EXPECT_FALSE(layer->DeleteShape(&layer->Shapes[2])); // not in use
    F_SHAPE stranger;
    EXPECT_FALSE(layer->DeleteShape(&stranger));
    EXPECT_EQ(layer->IndexOfShape(&layer->Shapes[1]), 1);
    EXPECT_EQ(layer->IndexOfShape(&stranger), -1);
}

TEST(Freehand, PointAtHitsWithinThreePixels) {
    F_SHAPE shape;
    shape.AddPoint(0, 0);
    shape.AddPoint(10, 20);
    ViewTransform view;
    view.Scale = 2.0f;
    view.OriginX = 100;
    view.OriginY = 50;
    // (10, 20) lies at pixel (120, 90).
    const struct {
        int X, Y, Index;
    } cases[] = {
        {120, 90, 1},  {123, 93, 1}, {117, 87, 1}, {124, 90, -1},
        {120, 94, -1}, {100, 50, 0}, {103, 47, 0}, {96, 50, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shape.PointAt(view, c.X, c.Y), c.Index) << c.X << "," << c.Y;
}

// Points far off screen map to the int bounds; the hit test still measures
// the distance to them without overflowing.
// Points of a damaged file far beyond any screen stop at the pixel limit.
TEST(Freehand, PointAtOfPointsBeyondThePixelLimit) {
    F_SHAPE shape;
    shape.AddPoint(-1e30f, 0);
    shape.AddPoint(1e30f, 0);
    const ViewTransform view;
    EXPECT_EQ(shape.PointAt(view, -PIXEL_LIMIT + 2, 0), 0);
    EXPECT_EQ(shape.PointAt(view, PIXEL_LIMIT - 2, 0), 1);
    EXPECT_EQ(shape.PointAt(view, INT32_MIN, 0), -1);
    EXPECT_EQ(shape.PointAt(view, INT32_MAX, 0), -1);
    EXPECT_EQ(shape.PointAt(view, 0, 0), -1);
}

TEST(Freehand, PointAtFollowsTheViewAngle) {
    F_SHAPE shape;
    shape.AddPoint(10, 0);
    ViewTransform view;
    view.Angle = 360; // 90 degrees clockwise on screen: x becomes y
    EXPECT_EQ(shape.PointAt(view, 0, 10), 0);
    EXPECT_EQ(shape.PointAt(view, 10, 0), -1);
}

TEST(Freehand, FindShapeAtTakesTheFirstShapeInOrder) {
    auto layer = std::make_unique<F_FREEHAND>();
    layer->AddShape()->AddPoint(50, 50);
    layer->AddShape()->AddPoint(5, 5);
    layer->AddShape()->AddPoint(6, 6);
    ViewTransform view;
    EXPECT_EQ(layer->FindShapeAt(view, 5, 6), &layer->Shapes[1]);
    EXPECT_EQ(layer->FindShapeAt(view, 30, 30), nullptr);
}
