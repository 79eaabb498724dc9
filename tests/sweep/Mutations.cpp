#include "Mutations.h"

#include "StructureFields.h"

#include <array>
#include <random>

namespace {

// Metadata sits near the start of a file; flips further in would only hit pixels.
constexpr qsizetype metadataRegion = 64 * 1024;
constexpr int maximumFlips = 4;
constexpr std::array<quint32, 3> extremeValues{0u, 0xFFFFu, 0xFFFFFFFFu};

// Draws with plain modulo: std::mt19937's sequence is fixed by the standard, the
// distributions' results are not.
class Dice {
public:
    explicit Dice(quint32 seed) : engine_(seed) {}
    quint32 below(quint64 bound) {
        return bound == 0 ? 0 : static_cast<quint32>(engine_() % bound);
    }

private:
    std::mt19937 engine_;
};

QString flipBytes(QByteArray& bytes, Dice& dice) {
    const qsizetype region = std::min(bytes.size(), metadataRegion);
    const int flips = 1 + static_cast<int>(dice.below(maximumFlips));
    for (int flip = 0; flip < flips; ++flip) {
        const auto position = static_cast<qsizetype>(dice.below(static_cast<quint64>(region)));
        bytes[position] =
            static_cast<char>(bytes[position] ^ static_cast<char>(1 + dice.below(255)));
    }
    return QStringLiteral("flip%1").arg(flips);
}

QString truncate(QByteArray& bytes, Dice& dice, qsizetype minimumLength) {
    if (bytes.size() <= minimumLength)
        return QStringLiteral("whole");
    const qsizetype span = std::min(bytes.size(), metadataRegion) - minimumLength;
    const qsizetype length =
        minimumLength +
        static_cast<qsizetype>(dice.below(static_cast<quint64>(std::max<qsizetype>(span, 1))));
    bytes.truncate(length);
    return QStringLiteral("cut%1").arg(length);
}

QString setField(QByteArray& bytes, Dice& dice) {
    const std::vector<StructureField> fields = structureFields(bytes);
    const quint32 value = extremeValues[dice.below(extremeValues.size())];
    if (fields.empty() && bytes.size() < 4)
        return QStringLiteral("whole");
    // Without a structure found, any four bytes near the start.
    const StructureField field =
        fields.empty() ? StructureField{dice.below(static_cast<quint64>(
                                            std::min(bytes.size(), metadataRegion) - 3)),
                                        4, true}
                       : fields[dice.below(fields.size())];
    writeField(bytes, field, value);
    return QStringLiteral("set@%1=%2").arg(field.offset).arg(value, 0, 16);
}

} // namespace

std::vector<SweepFile> mutations(const std::vector<SweepFile>& bases, int count, quint32 seed,
                                 qsizetype minimumLength) {
    std::vector<SweepFile> made;
    Dice dice(seed);
    made.reserve(static_cast<std::size_t>(count));
    for (int index = 0; index < count && !bases.empty(); ++index) {
        const SweepFile& base = bases[static_cast<std::size_t>(index) % bases.size()];
        QByteArray bytes = base.bytes;
        const quint32 kind = dice.below(4);
        const QString how = kind == 0   ? flipBytes(bytes, dice)
                            : kind == 1 ? truncate(bytes, dice, minimumLength)
                                        : setField(bytes, dice);
        made.push_back(
            {QStringLiteral("%1 #%2 %3").arg(base.name).arg(index).arg(how), std::move(bytes)});
    }
    return made;
}
