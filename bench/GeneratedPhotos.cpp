#include "bench/GeneratedPhotos.h"

#include <QBuffer>
#include <QImageWriter>

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

constexpr int jpegQuality = 90;
constexpr int grainAmplitude = 12;

// The tags of a camera photograph: camera and lens, exposure, modes, dates, sizes.
Exiv2::ExifData exifTags(QSize size, int seed) {
    Exiv2::ExifData exif;
    exif["Exif.Image.ImageDescription"] =
        std::string("Generated photograph ") + std::to_string(seed);
    exif["Exif.Image.Make"] = std::string("Bench Camera Works");
    exif["Exif.Image.Model"] = std::string("BC-24 Mark II");
    exif["Exif.Image.Artist"] = std::string("Bench Photographer");
    exif["Exif.Image.Copyright"] = std::string("Public domain");
    exif["Exif.Image.Orientation"] = std::uint16_t{1};
    exif["Exif.Photo.LensMake"] = std::string("Bench Optics");
    exif["Exif.Photo.LensModel"] = std::string("BO 24-70mm F2.8");
    exif["Exif.Photo.FNumber"] = Exiv2::URational(28 + seed % 10, 10);
    exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 250);
    exif["Exif.Photo.ISOSpeedRatings"] = std::uint16_t{400};
    exif["Exif.Photo.ExposureBiasValue"] = Exiv2::Rational(-1, 3);
    exif["Exif.Photo.ExposureMode"] = std::uint16_t{0};
    exif["Exif.Photo.ExposureProgram"] = std::uint16_t{3};
    exif["Exif.Photo.MeteringMode"] = std::uint16_t{5};
    exif["Exif.Photo.LightSource"] = std::uint16_t{0};
    exif["Exif.Photo.Flash"] = std::uint16_t{16};
    exif["Exif.Photo.FocalLength"] = Exiv2::URational(50, 1);
    exif["Exif.Photo.FocalLengthIn35mmFilm"] = std::uint16_t{75};
    exif["Exif.Photo.WhiteBalance"] = std::uint16_t{0};
    exif["Exif.Photo.SceneCaptureType"] = std::uint16_t{0};
    exif["Exif.Photo.GainControl"] = std::uint16_t{0};
    exif["Exif.Photo.Contrast"] = std::uint16_t{0};
    exif["Exif.Photo.Saturation"] = std::uint16_t{0};
    exif["Exif.Photo.Sharpness"] = std::uint16_t{0};
    exif["Exif.Photo.SubjectDistanceRange"] = std::uint16_t{0};
    exif["Exif.Photo.DateTimeOriginal"] = std::string("2026:05:01 10:11:12");
    exif["Exif.Photo.DateTimeDigitized"] = std::string("2026:05:01 10:11:12");
    Exiv2::DataValue version(Exiv2::undefined);
    version.read(reinterpret_cast<const Exiv2::byte*>("0232"), 4, Exiv2::littleEndian);
    exif.add(Exiv2::ExifKey("Exif.Photo.ExifVersion"), &version);
    exif["Exif.Photo.PixelXDimension"] = static_cast<std::uint32_t>(size.width());
    exif["Exif.Photo.PixelYDimension"] = static_cast<std::uint32_t>(size.height());
    return exif;
}

QByteArray encoded(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}

} // namespace

namespace GeneratedPhotos {

QImage syntheticImage(QSize size, int seed) {
    QImage image(size, QImage::Format_RGB888);
    std::uint32_t state = 2463534242u + static_cast<std::uint32_t>(seed) * 7919u;
    const int width = size.width();
    const int height = size.height();
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        const int band = (y * 7 / height + seed) % 5;
        for (int x = 0; x < width; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int grain = static_cast<int>(state % (2 * grainAmplitude + 1)) - grainAmplitude;
            const int r = x * 255 / width;
            const int g = y * 255 / height;
            const int b = (band * 50 + (x + y) * 64 / (width + height)) & 0xff;
            line[3 * x] = static_cast<uchar>(std::clamp(r + grain, 0, 255));
            line[3 * x + 1] = static_cast<uchar>(std::clamp(g + grain, 0, 255));
            line[3 * x + 2] = static_cast<uchar>(std::clamp(b + grain, 0, 255));
        }
    }
    return image;
}

QByteArray jpegWithExif(const QImage& image, int seed) {
    const QByteArray plain = encoded(image, "jpeg", jpegQuality);
    if (plain.isEmpty())
        return {};
    try {
        auto file =
            Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte*>(plain.constData()),
                                      static_cast<long>(plain.size()));
        file->setExifData(exifTags(image.size(), seed));
        file->writeMetadata();
        Exiv2::BasicIo& io = file->io();
        io.seek(0, Exiv2::BasicIo::beg);
        const Exiv2::DataBuf written = io.read(static_cast<long>(io.size()));
        return QByteArray(reinterpret_cast<const char*>(written.pData_), written.size_);
    } catch (const Exiv2::AnyError&) {
        return {};
    }
}

QString writeTiffWithExif(const QImage& image, const QString& path) {
    QImageWriter writer(path, "tiff");
    writer.setCompression(0);
    if (!writer.write(image))
        return writer.errorString();
    try {
        auto file = Exiv2::ImageFactory::open(path.toStdString());
        file->readMetadata();
        Exiv2::ExifData exif = file->exifData();
        for (const Exiv2::Exifdatum& tag : exifTags(image.size(), 0))
            exif[tag.key()] = tag.value();
        file->setExifData(exif);
        file->writeMetadata();
    } catch (const Exiv2::AnyError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

} // namespace GeneratedPhotos
