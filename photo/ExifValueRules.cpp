#include "photo/ExifValueRules.h"

#include "photo/TagValues.h"
#include "platform/LocalizedText.h"

#include <array>
#include <cstdlib>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

struct MakerName {
    QLatin1StringView searchWord; // lower case, found anywhere in the lower-cased Make
    QLatin1StringView displayName;
    bool skipMaker;
};

// Searched in this order; the first match wins (a Make naming both PENTAX and RICOH
// shows PENTAX).
constexpr std::array<MakerName, 19> makerNames{{
    {"canon"_L1, "Canon"_L1, true},          {"hasselblad"_L1, "Hasselblad"_L1, true},
    {"leica"_L1, "Leica"_L1, true},          {"mamiya"_L1, "Mamiya"_L1, true},
    {"nikon"_L1, "Nikon"_L1, true},          {"pentax"_L1, "PENTAX"_L1, true},
    {"ricoh"_L1, "RICHO"_L1, true},          {"sigma"_L1, "SIGMA"_L1, true},
    {"sinar"_L1, "Sinar"_L1, true},          {"casio"_L1, "CASIO"_L1, false},
    {"epson"_L1, "EPSON"_L1, false},         {"fujifilm"_L1, "FUJIFILM"_L1, false},
    {"kodak"_L1, "KODAK"_L1, false},         {"leaf"_L1, "Leaf"_L1, false},
    {"olympus"_L1, "OLYMPUS"_L1, false},     {"panasonic"_L1, "Panasonic"_L1, false},
    {"phase one"_L1, "Phase One"_L1, false}, {"sony"_L1, "SONY"_L1, false},
    {"samsung"_L1, "SAMSUNG"_L1, false},
}};

// The quotient of a rational that is shown only when positive.
std::optional<float> positiveQuotient(const ExifTagNode& node) {
    const auto value = rationalView(node);
    if (!value || value->denominator == 0)
        return std::nullopt;
    const float quotient = singlePrecisionQuotient(*value);
    if (!(quotient > 0.0f))
        return std::nullopt;
    return quotient;
}

// Sensitivity words by SensitivityType: standard output sensitivity, recommended
// exposure index or ISO speed, possibly combined.
QString sensitivityTypeWord(std::uint16_t type) {
    switch (type) {
    case 0:
        return localizedString(QStringLiteral("UnknownSens"));
    case 1:
    case 4:
        return QStringLiteral("sos");
    case 2:
        return QStringLiteral("rei");
    case 3:
    case 5:
    case 6:
    case 7:
        return QStringLiteral("iso");
    default:
        return localizedString(QStringLiteral("OtherSens"));
    }
}

} // namespace

std::int32_t yakubun(std::int32_t& numerator, std::int32_t& denominator) {
    // 64-bit arithmetic: INT32_MIN % -1 and INT32_MIN / -1 overflow in 32 bits.
    std::int64_t dividend = denominator;
    std::int64_t divisor = numerator;
    for (std::int64_t remainder = dividend % divisor; remainder != 0;
         remainder = dividend % divisor) {
        dividend = divisor;
        divisor = remainder;
    }
    const std::int64_t reducedNumerator = numerator / divisor;
    const std::int64_t reducedDenominator = denominator / divisor;
    constexpr std::int64_t largest = std::numeric_limits<std::int32_t>::max();
    if (reducedNumerator > largest || reducedDenominator > largest)
        return 0;
    numerator = static_cast<std::int32_t>(reducedNumerator);
    denominator = static_cast<std::int32_t>(reducedDenominator);
    return static_cast<std::int32_t>(divisor);
}

std::optional<QString> textValue(const ExifTagNode& node) {
    return textView(node);
}

std::optional<MakerValue> makerValue(const ExifTagNode& node) {
    const auto text = textView(node);
    if (!text)
        return std::nullopt;
    const QString lowered = text->toLower();
    for (const MakerName& row : makerNames) {
        if (lowered.contains(row.searchWord))
            return MakerValue{row.skipMaker, QString(row.displayName)};
    }
    return MakerValue{false, lowered};
}

std::optional<QString> fNumberValue(const ExifTagNode& node) {
    const auto quotient = positiveQuotient(node);
    if (!quotient)
        return std::nullopt;
    return QStringLiteral("F/") + oneDecimal(*quotient);
}

std::optional<QString> exposureTimeValue(const ExifTagNode& node) {
    const auto quotient = positiveQuotient(node);
    if (!quotient)
        return std::nullopt;
    if (*quotient > 1.0f)
        return oneDecimal(*quotient) + QLatin1Char('s');
    Rational value = *rationalView(node);
    if (yakubun(value.numerator, value.denominator) == 0)
        return std::nullopt;
    return QString::asprintf("%d/%ds", value.numerator, value.denominator);
}

std::optional<QString> exposureBiasValueText(const ExifTagNode& node) {
    const auto value = rationalView(node);
    if (!value || value->denominator == 0)
        return std::nullopt;
    if (value->numerator == 0)
        return QStringLiteral("+/-0");
    std::int64_t numerator = value->numerator;
    std::int64_t denominator = value->denominator;
    int sign = 1;
    if (singlePrecisionQuotient(*value) < 0.0f) {
        numerator = std::llabs(numerator);
        denominator = std::llabs(denominator);
        sign = -1;
    }
    // The magnitude of INT32_MIN has no 32-bit form to print or reduce.
    constexpr std::int64_t largest = std::numeric_limits<std::int32_t>::max();
    if (numerator > largest || denominator > largest)
        return std::nullopt;
    auto magnitude = static_cast<std::int32_t>(numerator);
    const auto divisor = static_cast<std::int32_t>(denominator);
    std::int32_t whole = 0;
    if (magnitude >= divisor) {
        whole = magnitude / divisor;
        magnitude %= divisor;
    }
    if (magnitude > 0) {
        std::int32_t reducedDenominator = divisor;
        yakubun(magnitude, reducedDenominator);
        if (whole > 0)
            return QString::asprintf("%+d %d/%d", sign * whole, magnitude, reducedDenominator);
        return QString::asprintf("%+d/%d", sign * magnitude, reducedDenominator);
    }
    if (whole > 0)
        return QString::asprintf("%+d", sign * whole);
    return std::nullopt;
}

std::optional<QString> focalLengthValue(const ExifTagNode& node) {
    const auto quotient = positiveQuotient(node);
    if (!quotient)
        return std::nullopt;
    return oneDecimal(*quotient) + QStringLiteral(" mm ");
}

std::optional<QString> focalLengthIn35mmValue(const ExifTagNode& node) {
    const auto length = sixteenBitView(node);
    if (!length || *length == 0)
        return std::nullopt;
    return QString::asprintf("( %d mm) ", *length);
}

std::optional<QString> exifVersionValue(const ExifTagNode& node) {
    constexpr std::uint32_t versionBytes = 4;
    if (!node.byteData || node.count < versionBytes)
        return std::nullopt;
    QString version;
    for (std::uint32_t i = 0; i < versionBytes; ++i)
        version += QString::number(node.byteData[i]);
    return version;
}

std::optional<QString> pixelDimensionValue(const ExifTagNode& node) {
    // The whole value: a LONG dimension above 65535 is a real size, not a code.
    const auto dimension = firstElement(node);
    if (!dimension)
        return std::nullopt;
    return QString::number(*dimension);
}

std::optional<std::uint16_t> flashValue(const ExifTagNode& node) {
    return sixteenBitView(node);
}

std::optional<QString> sensitivityValue(const UsableTagLookup& usableTag) {
    if (const TagCopy isoSpeed = usableTag(TAG_ISO_SPEED)) {
        const auto speed = sixteenBitView(*isoSpeed);
        if (!speed || *speed == 0)
            return std::nullopt;
        return QStringLiteral("iso%1").arg(*speed);
    }
    QString text;
    if (const TagCopy type = usableTag(TAG_SENSITIVITY_TYPE)) {
        if (const auto code = sixteenBitView(*type))
            text = sensitivityTypeWord(*code);
    }
    const TagCopy photographic = usableTag(TAG_PHOTOGRAPHIC_SENSITIVITY);
    if (!photographic)
        return std::nullopt;
    if (const auto value = sixteenBitView(*photographic); value && *value != 0)
        text = QStringLiteral("ISO%1 ").arg(*value);
    return text;
}
