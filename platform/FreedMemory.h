#pragma once

#include <cstddef>

namespace platform {

// Freed blocks above this size are handed back to the system at once.
inline constexpr std::size_t TrimBytes = 16u << 20;

// Hands freed heap pages back to the system when at least TrimBytes were freed: large texts
// lie among the heap's other blocks, so the allocator keeps their pages after free.
void HandBackFreedMemory(std::size_t freed);

// The same, a few times over the next seconds, for memory another part frees when it is done
// (the window system's copy of a pasted text).
void HandBackFreedMemoryLater();

} // namespace platform
