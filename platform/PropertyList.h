#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// Property-list files. Reading accepts XML and binary property lists; values come
// back as QVariantMap, QVariantList, QString, bool, qint64, double, QByteArray or
// QDateTime (UTC). Writing produces XML.
namespace PropertyList {

struct ReadResult {
    QVariant value; // invalid when reading failed
    QString error;  // empty on success
    bool ok() const { return error.isEmpty(); }
};

ReadResult readFile(const QString& path);
ReadResult readData(const QByteArray& bytes);

// The map as an XML property list. On failure returns an empty array and, when
// error is given, says which value could not be stored.
QByteArray toXml(const QVariantMap& map, QString* error = nullptr);

// Writes the map as an XML property list through a temporary file renamed over the
// target, so a failed write leaves the previous file untouched. Returns an empty
// string on success, else a message naming the file and the cause. The folder must
// exist (see ensureParentFolder).
QString writeXmlFile(const QString& path, const QVariantMap& map);

// Creates the folder that holds path, with its parents, when it is missing. False
// when it is still missing afterwards.
bool ensureParentFolder(const QString& path);

} // namespace PropertyList
