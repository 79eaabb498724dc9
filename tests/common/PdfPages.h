#pragma once

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

// What poppler's tools make of a PDF file: each page drawn at 150 dpi (PNG bytes) and
// each page's size, in page order, its text, and anything they said on standard error.
struct PdfPages {
    QList<QByteArray> drawn;
    QStringList sizes;
    QString text;
    QByteArray complaints;
};

// Nothing when poppler's tools are not installed.
std::optional<PdfPages> readPdfPages(const QString& path);

// The page boxes (/MediaBox) of a PDF file as written, in the order they stand in the
// file: page order in a file that Qt's writer made in one piece.
QList<QRectF> writtenPageBoxes(const QString& path);
