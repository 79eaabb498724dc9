#include "PsdBuilder.h"

#include <vector>

namespace {

void putBigEndian(QByteArray& out, std::uint64_t value, int width) {
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
        out.append(static_cast<char>((value >> shift) & 0xff));
}

// PackBits with both kinds of run: repeats of three or more bytes become a repeat
// run, everything else literal runs.
QByteArray packBits(const QByteArray& row) {
    QByteArray out;
    qsizetype i = 0;
    while (i < row.size()) {
        qsizetype repeat = 1;
        while (i + repeat < row.size() && repeat < 128 && row[i + repeat] == row[i])
            ++repeat;
        if (repeat >= 3) {
            out.append(static_cast<char>(1 - repeat));
            out.append(row[i]);
            i += repeat;
            continue;
        }
        const qsizetype start = i;
        while (i < row.size() && i - start < 128) {
            if (i + 2 < row.size() && row[i] == row[i + 1] && row[i] == row[i + 2])
                break;
            ++i;
        }
        out.append(static_cast<char>(i - start - 1));
        out.append(row.mid(start, i - start));
    }
    return out;
}

} // namespace

QByteArray buildPsd(const PsdSpec& spec) {
    QByteArray out("8BPS");
    putBigEndian(out, spec.largeDocument ? 2 : 1, 2);
    out.append(6, '\0');
    putBigEndian(out, spec.channels, 2);
    putBigEndian(out, spec.height, 4);
    putBigEndian(out, spec.width, 4);
    putBigEndian(out, spec.depth, 2);
    putBigEndian(out, spec.colorMode, 2);
    putBigEndian(out, 0, 4);                          // colour mode data
    putBigEndian(out, 0, 4);                          // image resources
    putBigEndian(out, 0, spec.largeDocument ? 8 : 4); // layers and masks
    putBigEndian(out, spec.rle ? 1 : 0, 2);

    std::vector<QByteArray> rows;
    for (int c = 0; c < spec.channels; ++c) {
        for (int y = 0; y < spec.height; ++y) {
            QByteArray row;
            for (int x = 0; x < spec.width; ++x)
                putBigEndian(row, spec.sample(c, x, y), spec.depth / 8);
            rows.push_back(spec.rle ? packBits(row) : row);
        }
    }
    if (spec.rle)
        for (const QByteArray& row : rows)
            putBigEndian(out, static_cast<std::uint64_t>(row.size()), spec.largeDocument ? 4 : 2);
    for (const QByteArray& row : rows)
        out.append(row);
    return out;
}
