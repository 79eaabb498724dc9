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

QByteArray buildPsd(const PsdDocument& document) {
    QByteArray out("8BPS");
    putBigEndian(out, document.largeDocument ? 2 : 1, 2);
    out.append(6, '\0');
    putBigEndian(out, document.channels, 2);
    putBigEndian(out, document.height, 4);
    putBigEndian(out, document.width, 4);
    putBigEndian(out, document.depth, 2);
    putBigEndian(out, document.colorMode, 2);
    putBigEndian(out, 0, 4);                              // colour mode data
    putBigEndian(out, 0, 4);                              // image resources
    putBigEndian(out, 0, document.largeDocument ? 8 : 4); // layers and masks
    putBigEndian(out, document.rle ? 1 : 0, 2);

    std::vector<QByteArray> rows;
    for (int c = 0; c < document.channels; ++c) {
        for (int y = 0; y < document.height; ++y) {
            QByteArray row;
            for (int x = 0; x < document.width; ++x)
                putBigEndian(row, document.sample(c, x, y), document.depth / 8);
            rows.push_back(document.rle ? packBits(row) : row);
        }
    }
    if (document.rle)
        for (const QByteArray& row : rows)
            putBigEndian(out, static_cast<std::uint64_t>(row.size()),
                         document.largeDocument ? 4 : 2);
    for (const QByteArray& row : rows)
        out.append(row);
    return out;
}
