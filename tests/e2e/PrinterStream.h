#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

// What a label printer would print, decoded from the stream its driver writes: the
// page's settings and its raster lines, one line of dots across the tape or roll for
// each step along it.
struct PrintedPage {
    int mediaType = 0;
    int widthMillimetres = 0;
    int lengthMillimetres = 0;
    // The page's length in lines as the stream declares it (P-touch: ESC i z; LabelWriter:
    // ESC L, which counts the lines the driver leaves blank at each end too).
    std::uint32_t declaredLines = 0;
    bool autoCut = false;
    bool mirrored = false;
    bool chainPrinting = true;
    int marginDots = 0;
    // True when each line's dot 0 lies at the page's right (P-touch), false when at its
    // left (LabelWriter).
    bool reversedRows = true;
    // Each line as the driver sent it: dot 0 first.
    std::vector<std::vector<bool>> lines;
};

struct PrinterStream {
    std::vector<PrintedPage> pages;
    // Empty when the whole stream was understood; else what was not, and where.
    QString error;
};

PrinterStream decodePtouchStream(const QByteArray& stream);

// A LabelWriter's stream, from its command set: ESC commands, and raster lines of the
// ESC D length, raw after SYN or run-length coded after ETB; ESC E or FF ends a label.
PrinterStream decodeLabelWriterStream(const QByteArray& stream);

// The page as the driver received it: one row per raster line, top first, with the
// driver's reversal of each row undone, black where a dot prints.
QImage pageImage(const PrintedPage& page);
