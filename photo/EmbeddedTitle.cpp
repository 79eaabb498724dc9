#include "photo/EmbeddedTitle.h"

#include <QFile>
#include <QStringDecoder>

#include <exiv2/exiv2.hpp>

#include <memory>
#include <mutex>

namespace {

// exiv2 writes its warnings about damaged files to standard error; a missing title
// is no news to the user. Its XMP parser is set up once here, as setting it up is not
// safe on two threads at once (titles are read on the photo list's worker thread and
// on the event loop).
void prepareLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
    });
}

// IPTC and Exif text is UTF-8 in files written by current software and Latin-1 in
// older ones.
QString decoded(const std::string& text) {
    QStringDecoder utf8(QStringConverter::Utf8);
    const QByteArray bytes = QByteArray::fromStdString(text);
    QString result = utf8.decode(bytes);
    if (utf8.hasError())
        result = QString::fromLatin1(bytes);
    return result;
}

std::optional<QString> nonBlank(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? std::nullopt : std::optional<QString>(trimmed);
}

std::optional<QString> xmpTitle(const Exiv2::XmpData& xmp) {
    const auto datum = xmp.findKey(Exiv2::XmpKey("Xmp.dc.title"));
    if (datum == xmp.end())
        return std::nullopt;
    if (datum->value().typeId() == Exiv2::langAlt) {
        const auto& titles = static_cast<const Exiv2::LangAltValue&>(datum->value()).value_;
        const auto fallback = titles.find("x-default");
        const auto chosen = fallback != titles.end() ? fallback : titles.begin();
        return chosen == titles.end() ? std::nullopt
                                      : nonBlank(QString::fromStdString(chosen->second));
    }
    return nonBlank(QString::fromStdString(datum->toString()));
}

std::optional<QString> iptcTitle(const Exiv2::IptcData& iptc) {
    const auto datum = iptc.findKey(Exiv2::IptcKey("Iptc.Application2.ObjectName"));
    return datum == iptc.end() ? std::nullopt : nonBlank(decoded(datum->toString()));
}

std::optional<QString> exifTitle(const Exiv2::ExifData& exif) {
    const auto datum = exif.findKey(Exiv2::ExifKey("Exif.Image.ImageDescription"));
    return datum == exif.end() ? std::nullopt : nonBlank(decoded(datum->toString()));
}

// The title of an image exiv2 opened. The caller's temporary keeps the image alive:
// exiv2 0.27 hands it over in std::auto_ptr, which C++ deprecated, so it is not named.
std::optional<QString> titleOf(Exiv2::Image* image) {
    if (!image)
        return std::nullopt;
    image->readMetadata();
    if (auto title = xmpTitle(image->xmpData()))
        return title;
    if (auto title = iptcTitle(image->iptcData()))
        return title;
    return exifTitle(image->exifData());
}

} // namespace

std::optional<QString> embeddedTitle(const QByteArray& photograph) {
    prepareLibrary();
    try {
        return titleOf(
            Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte*>(photograph.constData()),
                                      static_cast<long>(photograph.size()))
                .get());
    } catch (const std::exception&) {
        // A file exiv2 cannot make sense of has no title to offer.
        return std::nullopt;
    }
}

std::optional<QString> embeddedTitle(const QString& path) {
    prepareLibrary();
    try {
        return titleOf(Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString()).get());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}
