#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The title a photographer already gave a photograph in its own metadata: the XMP
// title (dc:title, its default language), else the IPTC object name, else the Exif
// image description. Nothing when none holds more than white space, or when the file
// cannot be read. Read with the exiv2 library, which knows the XMP and IPTC blocks
// that the label's own reader leaves aside.
std::optional<QString> embeddedTitle(const QString& path);
std::optional<QString> embeddedTitle(const QByteArray& photograph);
