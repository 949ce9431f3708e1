#pragma once
#include <array>
#include <memory>

// Fixed-capacity storage of a layer's shapes that allocates a block of slots
// only when a slot in it is first used, so an empty layer (most silkscreens)
// costs a few pointers. A slot never moves once it exists: the editor keeps
// pointers to the selected shape and the shape being drawn.
template <typename T, int Capacity, int BlockSize> class ShapeStore {
    static_assert(Capacity % BlockSize == 0);

  public:
    ShapeStore() = default;
    ShapeStore(const ShapeStore& other) { *this = other; }
    ShapeStore& operator=(const ShapeStore& other) {
        if (this == &other)
            return *this;
        for (int b = 0; b < BLOCKS; ++b)
            Blocks[b] = other.Blocks[b] ? std::make_unique<Block>(*other.Blocks[b]) : nullptr;
        return *this;
    }

    // The slot at index, allocated (with its block) when it was not yet.
    T& Slot(int index) {
        std::unique_ptr<Block>& block = Blocks[index / BlockSize];
        if (!block)
            block = std::make_unique<Block>();
        return (*block)[index % BlockSize];
    }
    // Only for slots that exist: those below the count of shapes in use.
    T& operator[](int index) { return (*Blocks[index / BlockSize])[index % BlockSize]; }
    const T& operator[](int index) const { return (*Blocks[index / BlockSize])[index % BlockSize]; }

  private:
    static constexpr int BLOCKS = Capacity / BlockSize;
    using Block = std::array<T, BlockSize>;
    std::array<std::unique_ptr<Block>, BLOCKS> Blocks;
};
