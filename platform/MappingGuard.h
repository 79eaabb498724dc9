#pragma once

#include <cstddef>

// Keeps a memory-mapped file that shrinks while it is read from killing the process.
// Reading a mapped page past the file's new end raises SIGBUS; inside a watched
// mapping the signal handler replaces the rest of the mapping by zero pages, notes the
// fault and lets the read go on. The reader then sees zeros, and its owner, asking
// faulted() afterwards, discards whatever was made of them. Faults elsewhere keep
// their usual effect.
class MappingGuard {
public:
    // Watches length bytes from begin until destroyed; unmap only after that.
    MappingGuard(const void* begin, std::size_t length);
    ~MappingGuard();
    MappingGuard(const MappingGuard&) = delete;
    MappingGuard& operator=(const MappingGuard&) = delete;

    // False when no watch slot was free (the mapping is then read unguarded).
    bool watching() const { return slot_ >= 0; }
    // True once a read of the mapping found the file shorter than when it was mapped.
    bool faulted() const;

private:
    int slot_ = -1;
};
