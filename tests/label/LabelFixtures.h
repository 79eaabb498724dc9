#pragma once

#include "photo/PhotoInfo.h"
#include "photo/PhotoRecord.h"

#include <QSizeF>
#include <QString>
#include <QVariantMap>

#include <initializer_list>
#include <memory>

// An analysed photo record whose photo information is replaced by `info`, with the given
// file name and, when pictureSize is not empty, a picture of that logical size. The
// record comes from the bundled sample photograph, so it is a real analysed record.
std::unique_ptr<PhotoRecord> recordWith(const PhotoInfo& info, const QString& fileName = QString(),
                                        const QSizeF& pictureSize = QSizeF());

// Display settings with exactly these items on.
QVariantMap itemsOn(std::initializer_list<PhotoInfo::Item> items);
// Display settings with every item a label can show on.
QVariantMap everyItemOn();

// A camera's photo information as the analysis gives it, every text short enough for
// its place on either label.
PhotoInfo cameraInfo();

// The bundled sample photograph.
QString samplePhotographPath();
