#pragma once

#include "photo/PhotoInfo.h"

#include <QJsonDocument>

#include <ostream>

// Lets test failures show photo information as its items by name.
inline void PrintTo(const PhotoInfo& info, std::ostream* out) {
    *out << QJsonDocument(info.toJson()).toJson(QJsonDocument::Compact).toStdString();
}
