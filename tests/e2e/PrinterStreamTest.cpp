#include "PrinterStream.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int value : values)
        out += static_cast<char>(value);
    return out;
}

// A two-page tape job as the P-touch driver writes it: set-up, two PackBits lines, a
// blank line, then a raw line and the end.
QByteArray twoPageJob() {
    QByteArray job(100, '\0');
    job += bytes({0x1b, '@', 0x1b, 'i', 'a', 1, 0x1b, 'i', 'M', 0x40, 0x1b, 'i', 'K', 0x08});
    job += bytes({0x1b, 'i', 'd', 14, 0, 'M', 0x02});
    job += bytes({0x1b, 'i', 'z', 0x84, 0, 18, 0, 3, 0, 0, 0, 0, 0});
    // 16 bytes: 0x80 then fifteen zeros (a literal byte, then a run).
    job += bytes({'G', 4, 0, 0, 0x80, -14 & 0xff, 0});
    // 16 bytes of 0xff as one run.
    job += bytes({'G', 2, 0, -15 & 0xff, 0xff});
    job += 'Z';
    job += 0x0c;
    job += bytes({0x1b, 'i', 'z', 0x84, 0, 18, 0, 1, 0, 0, 0, 0, 0, 'M', 0x00});
    job += bytes({'G', 2, 0, 0x01, 0x00});
    job += 0x1a;
    return job;
}

TEST(PrinterStream, DecodesPagesSettingsAndLines) {
    const PrinterStream stream = decodePtouchStream(twoPageJob());
    ASSERT_TRUE(stream.error.isEmpty()) << qPrintable(stream.error);
    ASSERT_EQ(stream.pages.size(), 2u);
    const PrintedPage& first = stream.pages[0];
    EXPECT_EQ(first.widthMillimetres, 18);
    EXPECT_EQ(first.declaredLines, 3u);
    EXPECT_TRUE(first.autoCut);
    EXPECT_FALSE(first.mirrored);
    EXPECT_FALSE(first.chainPrinting);
    EXPECT_EQ(first.marginDots, 14);
    ASSERT_EQ(first.lines.size(), 3u);
    EXPECT_EQ(first.lines[0].size(), 128u);
    EXPECT_TRUE(first.lines[0][0]);
    EXPECT_FALSE(first.lines[0][1]);
    EXPECT_EQ(std::count(first.lines[1].begin(), first.lines[1].end(), true), 128);
    EXPECT_TRUE(first.lines[2].empty());
    // Compression was switched off for the second page's line.
    ASSERT_EQ(stream.pages[1].lines.size(), 1u);
    EXPECT_EQ(stream.pages[1].lines[0].size(), 16u);
    EXPECT_TRUE(stream.pages[1].lines[0][7]);
}

TEST(PrinterStream, ThePageImageUndoesTheDriversRowReversal) {
    const QImage page = pageImage(decodePtouchStream(twoPageJob()).pages[0]);
    ASSERT_EQ(page.size(), QSize(128, 3));
    // Dot 0 is the page's rightmost column.
    EXPECT_EQ(qGray(page.pixel(127, 0)), 0);
    EXPECT_EQ(qGray(page.pixel(0, 0)), 255);
    EXPECT_EQ(qGray(page.pixel(64, 2)), 255);
}

TEST(PrinterStream, ReportsWhatItDoesNotUnderstand) {
    EXPECT_TRUE(decodePtouchStream(bytes({0x1b, '@', 'Q'})).error.contains("unknown command"));
    EXPECT_TRUE(decodePtouchStream(bytes({'G', 9, 0, 1})).error.contains("ends inside"));
    EXPECT_TRUE(decodePtouchStream(bytes({'M', 2, 'G', 2, 0, 5, 1})).error.contains("PackBits"));
    EXPECT_TRUE(decodePtouchStream(bytes({'Z'})).error.contains("after the last page"));
}

// A LabelWriter job as its command set describes it: a reset after a run of ESC bytes,
// 2 bytes a line with a dot tab of 1, a raw line, a compressed one, a feed of two blank
// lines, the end of the label; then a label ended by a form feed.
QByteArray labelWriterJob() {
    QByteArray job(10, 0x1b);
    job +=
        bytes({'@', 0x1b, 'B', 1, 0x1b, 'D', 2, 0x1b, 'L', 0x01, 0x2c, 0x1b, 'q', '1', 0x1b, 'd'});
    job += bytes({0x16, 0x80, 0x01});
    // 3 white, 10 black, 3 white: 16 dots.
    job += bytes({0x17, 0x02, 0x89, 0x02});
    job += bytes({0x1b, 'f', 1, 2, 0x1b, 'E'});
    job += bytes({0x1b, 'L', 0, 5, 0x16, 0xff, 0xff, 0x0c});
    return job;
}

TEST(PrinterStream, DecodesLabelWriterLabelsLinesAndFeeds) {
    const PrinterStream stream = decodeLabelWriterStream(labelWriterJob());
    ASSERT_TRUE(stream.error.isEmpty()) << qPrintable(stream.error);
    ASSERT_EQ(stream.pages.size(), 2u);
    const PrintedPage& first = stream.pages[0];
    EXPECT_EQ(first.declaredLines, 300u);
    ASSERT_EQ(first.lines.size(), 4u);
    // Each line starts with the dot tab's 8 blank dots.
    for (const auto& line : first.lines)
        EXPECT_EQ(line.size(), 24u);
    EXPECT_TRUE(first.lines[0][8]);
    EXPECT_TRUE(first.lines[0][23]);
    EXPECT_EQ(std::count(first.lines[0].begin(), first.lines[0].end(), true), 2);
    EXPECT_FALSE(first.lines[1][10]);
    EXPECT_TRUE(first.lines[1][11]);
    EXPECT_TRUE(first.lines[1][20]);
    EXPECT_FALSE(first.lines[1][21]);
    EXPECT_EQ(std::count(first.lines[3].begin(), first.lines[3].end(), true), 0);
    EXPECT_EQ(stream.pages[1].declaredLines, 5u);

    // Dot 0 is the page's left: the image is not turned round.
    const QImage page = pageImage(first);
    EXPECT_EQ(qGray(page.pixel(8, 0)), 0);
    EXPECT_EQ(qGray(page.pixel(15, 0)), 255);
}

TEST(PrinterStream, ReportsWhatOfALabelWriterStreamItDoesNotUnderstand) {
    EXPECT_TRUE(decodeLabelWriterStream(bytes({0x1b, 'Z'})).error.contains("unknown command"));
    EXPECT_TRUE(decodeLabelWriterStream(bytes({0x1b, 'D', 1, 0x16})).error.contains("ends inside"));
    // 8 dots a line; a run of 9.
    EXPECT_TRUE(
        decodeLabelWriterStream(bytes({0x1b, 'D', 1, 0x17, 0x88})).error.contains("longer"));
    EXPECT_TRUE(
        decodeLabelWriterStream(bytes({0x1b, 'D', 1, 0x16, 0})).error.contains("after the last"));
}

} // namespace
