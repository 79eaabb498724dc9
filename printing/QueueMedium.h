#pragma once

#include <QString>

// What a print queue's driver does with a page, read from the queue's PPD or from what
// a driverless printer reports. Label printers take the page's width as the width of
// the tape or roll and print each raster row as one line of dots across it, so a label
// must reach them on a portrait page as wide as the loaded medium and as long as the
// label.
enum class QueueKind {
    Tape,  // narrow tape cassettes, cut to the length of each page
    Roll,  // continuous or die-cut rolls
    Other, // office printers, PDF queues: the page is the label's own size
};

// The medium a label is printed on, in points. For Other queues only the kind is set.
struct QueueMedium {
    QueueKind kind = QueueKind::Other;
    // The driver's page size for the medium ("tz-18", "62mm"); empty when the queue
    // offers none that a label can use (a tape printer without 18 mm tape).
    QString sizeName;
    // Across the medium: its width and the band the head prints on, from the
    // medium's left edge.
    double width = 0;
    double printableLeft = 0;
    double printableRight = 0;
    // Along the medium: what the driver leaves unprinted at each end of a page, and
    // the longest page it accepts.
    double endMargin = 0;
    double maximumLength = 0;
    // True when the driver takes pages of any length up to maximumLength; otherwise
    // every page is exactly maximumLength long.
    bool customLength = false;
    // Where a driverless printer holds the medium ("main-roll"); empty for PPD drivers.
    QString source;
};

// The width of the tape a tape label is made for, and how far a tape size may differ
// from it and still carry the label; the width of the roll a roll label is made for.
inline constexpr double labelTapeMillimetres = 18.0;
inline constexpr double labelRollMillimetres = 60.0;
inline constexpr double tapeWidthToleranceMillimetres = 1.5;

// Reads the medium from a PPD file. A file that cannot be read describes an Other
// queue.
QueueMedium queueMediumFromPpd(const QString& ppdPath);
