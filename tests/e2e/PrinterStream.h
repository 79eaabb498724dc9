#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

// What a P-touch label printer would print, decoded from the stream its Linux driver
// writes: the page's settings and its raster lines, one line of dots across the tape
// for each step along it.
struct PrintedPage {
    int mediaType = 0;
    int widthMillimetres = 0;
    int lengthMillimetres = 0;
    std::uint32_t declaredLines = 0;
    bool autoCut = false;
    bool mirrored = false;
    bool chainPrinting = true;
    int marginDots = 0;
    // Each line as the driver sent it: dot 0 first.
    std::vector<std::vector<bool>> lines;
};

struct PrinterStream {
    std::vector<PrintedPage> pages;
    // Empty when the whole stream was understood; else what was not, and where.
    QString error;
};

PrinterStream decodePtouchStream(const QByteArray& stream);

// The page as the driver received it: one row per raster line, top first, with the
// driver's reversal of each row undone, black where a dot prints.
QImage pageImage(const PrintedPage& page);
