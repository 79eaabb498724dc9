#include "photo/TagValues.h"

#include <QStringDecoder>

#include <array>
#include <charconv>
#include <cstring>

namespace {

bool isRationalType(std::uint16_t type) {
    return type == TIFF_TYPE_RATIONAL || type == TIFF_TYPE_SRATIONAL;
}

// How many 32-bit elements numData holds.
std::uint64_t numericElementCount(const ExifTagNode& node) {
    if (!node.numData)
        return 0;
    return isRationalType(node.type) ? std::uint64_t{node.count} * 2 : node.count;
}

} // namespace

std::optional<std::uint32_t> firstElement(const ExifTagNode& node) {
    if (numericElementCount(node) < 1)
        return std::nullopt;
    return node.numData[0];
}

std::optional<std::uint16_t> sixteenBitView(const ExifTagNode& node) {
    const auto element = firstElement(node);
    if (!element)
        return std::nullopt;
    return static_cast<std::uint16_t>(*element & 0xFFFFu);
}

std::optional<Rational> rationalView(const ExifTagNode& node) {
    // A single integer has no denominator; its neighbour in memory is not one.
    if (numericElementCount(node) < 2)
        return std::nullopt;
    return Rational{static_cast<std::int32_t>(node.numData[0]),
                    static_cast<std::int32_t>(node.numData[1])};
}

std::optional<QString> textView(const ExifTagNode& node) {
    if (!node.byteData)
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const char*>(node.byteData);
    const void* nul = std::memchr(bytes, '\0', node.count);
    const qsizetype length =
        nul ? static_cast<const char*>(nul) - bytes : static_cast<qsizetype>(node.count);
    // Stored unchanged: a leading byte-order mark is kept like any other character.
    // Stateless, so a sequence cut off at the end is an error rather than pending.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                     QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes, length));
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

float singlePrecisionQuotient(Rational value) {
    return static_cast<float>(value.numerator) / static_cast<float>(value.denominator);
}

QString oneDecimal(float value) {
    // Room for the largest float printed in fixed notation with one decimal.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      static_cast<double>(value), std::chars_format::fixed, 1);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}
