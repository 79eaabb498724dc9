#include "platform/PropertyListNesting.h"

#include <QByteArrayView>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr QByteArrayView binaryMagic("bplist");
constexpr qsizetype binaryTrailerSize = 32;
constexpr quint8 arrayType = 0xA;
constexpr quint8 setType = 0xC;
constexpr quint8 dictionaryType = 0xD;
constexpr quint8 countFollows = 0xF;

// Counts container tags along the text: <array> and <dict> open a level (unless
// written empty as <array/>), </array> and </dict> close one.
bool xmlWithinDepth(QByteArrayView text, int maxDepth) {
    int depth = 0;
    for (qsizetype at = text.indexOf('<'); at >= 0; at = text.indexOf('<', at + 1)) {
        QByteArrayView tag = text.sliced(at + 1);
        const bool closing = tag.startsWith('/');
        if (closing)
            tag = tag.sliced(1);
        if (!tag.startsWith("array") && !tag.startsWith("dict"))
            continue;
        const qsizetype end = tag.indexOf('>');
        if (!closing && end > 0 && tag.at(end - 1) == '/')
            continue;
        depth += closing ? -1 : 1;
        if (depth > maxDepth)
            return false;
    }
    return true;
}

// Big-endian unsigned numbers of 1 to 8 bytes at given places of the file.
class BinaryReader {
public:
    explicit BinaryReader(QByteArrayView bytes) : bytes_(bytes) {}

    std::optional<quint64> number(quint64 offset, quint64 width) const {
        if (width == 0 || width > 8 || offset > static_cast<quint64>(bytes_.size()) ||
            width > static_cast<quint64>(bytes_.size()) - offset)
            return std::nullopt;
        quint64 value = 0;
        for (quint64 index = 0; index < width; ++index)
            value =
                (value << 8) | static_cast<quint8>(bytes_[static_cast<qsizetype>(offset + index)]);
        return value;
    }

private:
    QByteArrayView bytes_;
};

class BinaryStructure {
public:
    explicit BinaryStructure(QByteArrayView bytes) : reader_(bytes), size_(bytes.size()) {
        const quint64 trailer = static_cast<quint64>(size_ - binaryTrailerSize);
        offsetWidth_ = reader_.number(trailer + 6, 1).value_or(0);
        refWidth_ = reader_.number(trailer + 7, 1).value_or(0);
        count_ = reader_.number(trailer + 8, 8).value_or(0);
        top_ = reader_.number(trailer + 16, 8).value_or(0);
        table_ = reader_.number(trailer + 24, 8).value_or(0);
    }

    quint64 count() const { return count_; }
    quint64 top() const { return top_; }

    // The objects a container refers to (keys and values of a dictionary); empty for
    // other objects; null when the structure cannot be followed.
    std::optional<std::vector<quint64>> children(quint64 object) const {
        if (object >= count_ || offsetWidth_ == 0 || offsetWidth_ > 8 ||
            object > (UINT64_MAX - table_) / offsetWidth_)
            return std::nullopt;
        const auto offset = reader_.number(table_ + object * offsetWidth_, offsetWidth_);
        const auto marker = offset ? reader_.number(*offset, 1) : std::nullopt;
        if (!marker)
            return std::nullopt;
        const quint8 type = static_cast<quint8>(*marker >> 4);
        if (type != arrayType && type != setType && type != dictionaryType)
            return std::vector<quint64>{};
        quint64 entries = *marker & 0xF;
        quint64 position = *offset + 1;
        if (entries == countFollows) {
            const auto countMarker = reader_.number(position, 1);
            if (!countMarker || (*countMarker >> 4) != 1)
                return std::nullopt;
            const quint64 width = quint64{1} << (*countMarker & 0x3);
            const auto count = reader_.number(position + 1, width);
            if (!count)
                return std::nullopt;
            entries = *count;
            position += 1 + width;
        }
        const quint64 refs = type == dictionaryType ? 2 * entries : entries;
        if (refWidth_ == 0 || refWidth_ > 8 || entries > static_cast<quint64>(size_) ||
            refs * refWidth_ > static_cast<quint64>(size_))
            return std::nullopt;
        std::vector<quint64> found;
        found.reserve(refs);
        for (quint64 index = 0; index < refs; ++index) {
            const auto ref = reader_.number(position + index * refWidth_, refWidth_);
            if (!ref)
                return std::nullopt;
            found.push_back(*ref);
        }
        return found;
    }

private:
    BinaryReader reader_;
    qsizetype size_;
    quint64 offsetWidth_ = 0;
    quint64 refWidth_ = 0;
    quint64 count_ = 0;
    quint64 top_ = 0;
    quint64 table_ = 0;
};

// The longest chain of nested objects below the top object, found depth first with
// an explicit stack. An object shared by several containers is walked once and its
// height remembered; a cycle is left for the library to refuse.
bool binaryWithinDepth(QByteArrayView bytes, int maxDepth) {
    if (bytes.size() < binaryTrailerSize)
        return true;
    const BinaryStructure structure(bytes);
    if (structure.count() == 0 || structure.count() > static_cast<quint64>(bytes.size()))
        return true;
    struct Level {
        quint64 object;
        std::vector<quint64> children;
        std::size_t next = 0;
        int height = 1;
    };
    const auto maxHeight = static_cast<std::size_t>(maxDepth) + 1;
    std::vector<int> heights(structure.count(), 0); // 0: not walked yet
    std::vector<bool> onStack(structure.count(), false);
    std::vector<Level> stack;
    auto enter = [&](quint64 object) {
        auto children = structure.children(object);
        if (!children)
            return false;
        onStack[object] = true;
        stack.push_back({object, std::move(*children)});
        return true;
    };
    if (structure.top() >= structure.count() || !enter(structure.top()))
        return true;
    while (!stack.empty()) {
        if (stack.size() > maxHeight)
            return false;
        Level& level = stack.back();
        if (level.next == level.children.size()) {
            const Level done = std::move(level);
            stack.pop_back();
            onStack[done.object] = false;
            heights[done.object] = done.height;
            if (!stack.empty())
                stack.back().height = std::max(stack.back().height, done.height + 1);
            continue;
        }
        const quint64 child = level.children[level.next++];
        if (child >= structure.count() || onStack[child])
            return true;
        if (heights[child] > 0) {
            level.height = std::max(level.height, heights[child] + 1);
            if (static_cast<std::size_t>(level.height) + stack.size() - 1 > maxHeight)
                return false;
        } else if (!enter(child)) {
            return true;
        }
    }
    return static_cast<std::size_t>(heights[structure.top()]) <= maxHeight;
}

} // namespace

namespace PropertyListNesting {

bool withinDepth(const QByteArray& bytes, int maxDepth) {
    const QByteArrayView view(bytes);
    return view.startsWith(binaryMagic) ? binaryWithinDepth(view, maxDepth)
                                        : xmlWithinDepth(view, maxDepth);
}

} // namespace PropertyListNesting
