#include "TagFixtures.h"

#include <cstdlib>

TagDirectory::TagDirectory(int ifdType)
    : ifdType_(ifdType), tables_{static_cast<ExifIfdTable*>(std::calloc(1, sizeof(ExifIfdTable))),
                                 nullptr} {
    tables_[0]->ifdType = ifdType;
}

TagDirectory::~TagDirectory() {
    freeIfdTable(tables_[0]);
}

void TagDirectory::addNumbers(std::uint16_t tag, std::uint16_t type, std::uint32_t count,
                              std::vector<std::uint32_t> elements) {
    addTagNodeToIfd(tables_[0], tag, type, count, elements.data(), nullptr);
}

void TagDirectory::addBytes(std::uint16_t tag, std::uint16_t type, const QByteArray& bytes) {
    addTagNodeToIfd(tables_[0], tag, type, static_cast<std::uint32_t>(bytes.size()), nullptr,
                    reinterpret_cast<const unsigned char*>(bytes.constData()));
}

void TagDirectory::addUnreadable(std::uint16_t tag) {
    addTagNodeToIfd(tables_[0], tag, TIFF_TYPE_SHORT, 1, nullptr, nullptr);
}

TagCopy TagDirectory::usableTag(std::uint16_t tag) {
    lookedUp_.push_back(tag);
    return ::usableTag(tables_, ifdType_, tag);
}

namespace {

// The rules do not look at the tag number.
constexpr std::uint16_t anyTag = TAG_FNUMBER;

TagCopy byteTag(std::uint16_t type, const QByteArray& bytes) {
    TagDirectory directory(IFD_EXIF);
    directory.addBytes(anyTag, type, bytes);
    return directory.usableTag(anyTag);
}

} // namespace

TagCopy numericTag(std::uint16_t tag, std::uint16_t type, std::uint32_t count,
                   std::vector<std::uint32_t> elements) {
    TagDirectory directory(IFD_EXIF);
    directory.addNumbers(tag, type, count, std::move(elements));
    return directory.usableTag(tag);
}

TagCopy rationalTag(std::int32_t numerator, std::int32_t denominator) {
    return numericTag(
        anyTag, TIFF_TYPE_SRATIONAL, 1,
        {static_cast<std::uint32_t>(numerator), static_cast<std::uint32_t>(denominator)});
}

TagCopy shortTag(std::uint16_t value) {
    return numericTag(anyTag, TIFF_TYPE_SHORT, 1, {value});
}

TagCopy longTag(std::uint32_t value) {
    return numericTag(anyTag, TIFF_TYPE_LONG, 1, {value});
}

TagCopy asciiTag(const QByteArray& bytes) {
    return byteTag(TIFF_TYPE_ASCII, bytes);
}

TagCopy undefinedTag(const QByteArray& bytes) {
    return byteTag(TIFF_TYPE_UNDEFINED, bytes);
}
