#include "HostileJpeg.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>

namespace HostileJpeg {

namespace {

void putBigEndian16(QByteArray& bytes, qsizetype at, int value) {
    bytes[at] = static_cast<char>(value >> 8);
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

} // namespace

QByteArray make(bool progressive) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(90, 120, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    // Frame header: marker, length (2), precision (1), height (2), width (2).
    const qsizetype frame = bytes.indexOf(progressive ? "\xFF\xC2" : "\xFF\xC0");
    if (frame < 0)
        return QByteArray();
    putBigEndian16(bytes, frame + 5, declaredHeight);
    putBigEndian16(bytes, frame + 7, declaredWidth);
    return bytes;
}

QByteArray makeWithExif() {
    QFile sample(QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg"));
    if (!sample.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray photo = sample.readAll();
    const qsizetype exif = photo.indexOf("\xFF\xE1");
    if (exif < 0)
        return QByteArray();
    const int length = (static_cast<unsigned char>(photo[exif + 2]) << 8) |
                       static_cast<unsigned char>(photo[exif + 3]);
    const QByteArray bomb = make();
    return bomb.left(2) + photo.mid(exif, 2 + length) + bomb.mid(2);
}

} // namespace HostileJpeg
