#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// A read position over bytes in memory, for the picture decoders' own parsing:
// big-endian reads and moves that fail instead of running past the end.
class ByteCursor {
public:
    ByteCursor(const unsigned char* bytes, std::size_t length) : bytes_(bytes), length_(length) {}

    std::size_t position() const { return position_; }
    std::size_t remaining() const { return length_ - position_; }
    // The byte at the position; only while remaining() is not zero.
    const unsigned char* here() const { return bytes_ + position_; }

    // The byte `offset` bytes past the position, without moving.
    std::optional<unsigned char> peek(std::size_t offset = 0) const {
        if (offset >= remaining())
            return std::nullopt;
        return bytes_[position_ + offset];
    }

    // A big-endian value of `width` bytes (at most 8).
    std::optional<std::uint64_t> read(int width) {
        if (remaining() < static_cast<std::size_t>(width))
            return std::nullopt;
        std::uint64_t value = 0;
        for (int i = 0; i < width; ++i)
            value = (value << 8) | bytes_[position_++];
        return value;
    }

    bool skip(std::uint64_t count) {
        if (count > remaining())
            return false;
        position_ += count;
        return true;
    }

private:
    const unsigned char* bytes_;
    std::size_t length_;
    std::size_t position_ = 0;
};
