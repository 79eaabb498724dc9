#pragma once

#include "photo/PhotoRecord.h"

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

// An analysed photo record whose dictionary is replaced by `info`, with the given
// file name and, when pictureSize is not empty, a picture of that logical size. The
// record comes from the bundled sample photograph, so it is a real analysed record.
std::unique_ptr<PhotoRecord> recordWith(const QVariantMap& info,
                                        const QString& fileName = QString(),
                                        const QSizeF& pictureSize = QSizeF());

// Display settings with exactly these items on.
QVariantMap itemsOn(const QStringList& keys);

// The bundled sample photograph.
QString samplePhotographPath();
