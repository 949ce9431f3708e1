#include "GeometryTestParts.h"
#include "geometry/Placement.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

namespace {

// The exchange sort the drawing order is defined by.
void PlainExchangeSort(std::vector<T_PLACED>& entries) {
    for (size_t i = 0; i + 1 < entries.size(); ++i)
        for (size_t j = i + 1; j < entries.size(); ++j)
            if (entries[i].Part->Height > entries[j].Part->Height)
                std::swap(entries[i], entries[j]);
}

} // namespace

TEST(HeightSort, EqualHeightsAreNotKeptInOrder) {
    L_PARTDEF def = Straight(1, 1);
    T_PART a = PartOf(def, 0, 1), b = PartOf(def, 0, 1), c = PartOf(def, 0, 0);
    auto placement = NewPlacement();
    for (T_PART* part : {&a, &b, &c})
        placement->Entries[placement->Count++].Part = part;
    SortPlacementByHeight(*placement);
    EXPECT_EQ(placement->Entries[0].Part, &c);
    EXPECT_EQ(placement->Entries[1].Part, &b);
    EXPECT_EQ(placement->Entries[2].Part, &a);
}

TEST(HeightSort, SameOrderAsThePlainExchangeSort) {
    L_PARTDEF def = Straight(1, 1);
    std::mt19937 random(20261210);
    auto placement = NewPlacement();
    for (int round = 0; round < 2000; ++round) {
        const int count = std::uniform_int_distribution<int>(0, 40)(random);
        const int heights = std::uniform_int_distribution<int>(1, round % 3 == 0 ? 256 : 4)(random);
        std::vector<T_PART> parts(count);
        std::vector<T_PLACED> expected(count);
        for (int i = 0; i < count; ++i) {
            const int height = std::uniform_int_distribution<int>(0, heights - 1)(random) - 128;
            parts[i] = PartOf(def, 0, static_cast<int8_t>(height));
            expected[i].Part = &parts[i];
            expected[i].X = static_cast<float>(i);
        }
        placement->Count = count;
        placement->Grow(count);
        std::copy(expected.begin(), expected.end(), placement->Entries.begin());
        PlainExchangeSort(expected);
        SortPlacementByHeight(*placement);
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(placement->Entries[i].Part, expected[i].Part)
                << "round " << round << " position " << i;
    }
}
