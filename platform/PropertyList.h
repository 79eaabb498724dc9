#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

// Property-list files. Reading accepts every encoding the library reads (XML, binary,
// and the text forms); values come back as QVariantMap, QVariantList, QString, bool,
// qint64 (quint64 above its range), double, QByteArray or QDateTime (UTC).
namespace PropertyList {

struct ReadResult {
    QVariant value; // invalid when reading failed
    QString error;  // empty on success
    bool ok() const { return error.isEmpty(); }
};

ReadResult readFile(const QString& path);
ReadResult readData(const QByteArray& bytes);

// Writes the map as an XML property list: a temporary file renamed over the target,
// so a failed write never leaves a half-written file. Returns an empty string on
// success, else a message naming the file and the cause. Values of types that have
// no property-list form are reported as an error, not written.
QString writeXmlFile(const QString& path, const QVariantMap& map);
QByteArray toXml(const QVariantMap& map, QString* error = nullptr);

// Creates the folder that holds path when it is missing. False when it cannot.
bool ensureParentFolder(const QString& path);

} // namespace PropertyList
