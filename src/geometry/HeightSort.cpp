#include "Placement.h"

#include <limits>

// The exchange sort compares position i with every later position j and swaps
// when i's part is higher. Scanning j, a swap happens exactly at each new
// strict minimum of the heights seen so far, and nowhere else. A minimum tree
// over the heights finds those positions directly, so the work grows with the
// number of swaps instead of with the square of the count.

namespace {

constexpr int LEAVES = T_PLACEMENT::TREE_LEAVES;
constexpr int8_t NO_HEIGHT = std::numeric_limits<int8_t>::max();

int8_t HeightOf(const T_PLACED& entry) {
    return entry.Part->Height;
}

void SetLeaf(T_PLACEMENT& placement, int index, int8_t height) {
    auto& tree = placement.HeightTree;
    int node = LEAVES + index;
    tree[node] = height;
    for (node /= 2; node >= 1; node /= 2) {
        const int8_t lowest = std::min(tree[2 * node], tree[2 * node + 1]);
        if (tree[node] == lowest)
            break; // the ancestors already hold the right minimum
        tree[node] = lowest;
    }
}

void BuildTree(T_PLACEMENT& placement) {
    auto& tree = placement.HeightTree;
    for (int i = 0; i < LEAVES; ++i)
        tree[LEAVES + i] = i < placement.Count ? HeightOf(placement.Entries[i]) : NO_HEIGHT;
    for (int node = LEAVES - 1; node >= 1; --node)
        tree[node] = std::min(tree[2 * node], tree[2 * node + 1]);
}

// First index >= from whose height is below height, or -1: climb from the
// leaf until a subtree to the right holds a lower height, then descend into it.
int FirstLower(const T_PLACEMENT& placement, int from, int8_t height) {
    const auto& tree = placement.HeightTree;
    if (from >= LEAVES || tree[1] >= height)
        return -1; // nothing lower anywhere
    int node = LEAVES + from;
    if (tree[node] >= height) {
        for (;;) {
            if (node == 1)
                return -1;
            if ((node & 1) == 0 && tree[node + 1] < height) {
                node = node + 1;
                break;
            }
            node /= 2;
        }
    }
    while (node < LEAVES)
        node = tree[2 * node] < height ? 2 * node : 2 * node + 1;
    return node - LEAVES;
}

// Heights that never fall leave the sort nothing to swap: most designs lie
// flat, and the tree costs the same for one part as for the largest design.
bool HeightsNeverFall(const T_PLACEMENT& placement) {
    for (int i = 1; i < placement.Count; ++i)
        if (HeightOf(placement.Entries[i]) < HeightOf(placement.Entries[i - 1]))
            return false;
    return true;
}

} // namespace

void SortPlacementByHeight(T_PLACEMENT& placement) {
    if (HeightsNeverFall(placement))
        return;
    auto& entries = placement.Entries;
    BuildTree(placement);
    for (int i = 0; i + 1 < placement.Count; ++i) {
        SetLeaf(placement, i, NO_HEIGHT); // position i is final once its pass ends
        for (int j = FirstLower(placement, i + 1, HeightOf(entries[i])); j >= 0;
             j = FirstLower(placement, j + 1, HeightOf(entries[i]))) {
            std::swap(entries[i], entries[j]);
            SetLeaf(placement, j, HeightOf(entries[j]));
        }
    }
}
