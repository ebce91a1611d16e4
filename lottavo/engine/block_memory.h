#pragma once

#include <cstddef>

namespace lottavo {

// Heap blocks that can grow or shrink in place of a fresh copy, as realloc does: resize keeps the
// content up to the smaller of the two sizes and gives null, leaving the old block alone, when
// no memory is to be had. resize(nullptr, n) makes a new block.
class BlockMemoryC {
public:
    virtual ~BlockMemoryC() = default;
    virtual void* resize(void* block, std::size_t bytes) = 0;
    virtual void release(void* block) = 0;
};

}  // namespace lottavo
