#pragma once

#include <QString>

// The names of the two label media, as the settings file, the command line and the
// windows know them.
namespace LabelMedia {

inline const QString tape18Name = QStringLiteral("Tape 18");
inline const QString roll60Name = QStringLiteral("Roll 60");

// True for the exact name of one of the two media.
inline bool isMediumName(const QString& name) {
    return name == tape18Name || name == roll60Name;
}

} // namespace LabelMedia
