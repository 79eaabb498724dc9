#pragma once

#include "photo/TagCopy.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <ostream>
#include <vector>

// Tag copies made by the reader itself from values given in the test.

// A copy of a node with the given numeric elements (two per value for rationals).
TagCopy numericTag(std::uint16_t tag, std::uint16_t type, std::uint32_t count,
                   std::vector<std::uint32_t> elements);
TagCopy rationalTag(std::int32_t numerator, std::int32_t denominator);
TagCopy shortTag(std::uint16_t value);
TagCopy longTag(std::uint32_t value);
// ASCII bytes exactly as given (count = size, no terminator added).
TagCopy asciiTag(const QByteArray& bytes);
TagCopy undefinedTag(const QByteArray& bytes);

// A directory of several tags of one IFD type, answering copies like getTagInfo.
class TagDirectory {
public:
    explicit TagDirectory(int ifdType);
    ~TagDirectory();
    TagDirectory(const TagDirectory&) = delete;
    TagDirectory& operator=(const TagDirectory&) = delete;

    // count values; rationals take two elements per value.
    void addNumbers(std::uint16_t tag, std::uint16_t type, std::uint32_t count,
                    std::vector<std::uint32_t> elements);
    void addBytes(std::uint16_t tag, std::uint16_t type, const QByteArray& bytes);
    // A tag whose value could not be read.
    void addUnreadable(std::uint16_t tag);

    // The tag's copy, or null when absent or unreadable; counts the lookups made.
    TagCopy usableTag(std::uint16_t tag);
    const std::vector<std::uint16_t>& lookedUp() const { return lookedUp_; }

private:
    int ifdType_;
    ExifIfdTable* tables_[2];
    std::vector<std::uint16_t> lookedUp_;
};

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << qUtf8Printable(text) << '"';
}
