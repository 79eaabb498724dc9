#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// Property-list files. Reading accepts XML and binary property lists; values come
// back as QVariantMap, QVariantList, QString, bool, qint64, double, QByteArray or
// QDateTime (UTC). Writing produces XML.
namespace PropertyList {

// A failure of readFile names the file and the cause; one of readData gives the cause.
Result<QVariant> readFile(const QString& path);
Result<QVariant> readData(const QByteArray& bytes);

// The map as an XML property list, or which value could not be stored.
Result<QByteArray> toXml(const QVariantMap& map);

// Writes the map as an XML property list through a temporary file renamed over the
// target, so a failed write leaves the previous file untouched. A failure names the
// file and the cause. The folder must exist (see ensureParentFolder).
Status writeXmlFile(const QString& path, const QVariantMap& map);

// Creates the folder that holds path, with its parents, when it is missing. False
// when it is still missing afterwards.
bool ensureParentFolder(const QString& path);

} // namespace PropertyList
