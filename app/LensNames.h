#pragma once

#include <QString>

// The lens list entry that stands for the lens named in the photograph itself. It
// cannot be deleted, in any letter case.
inline const QString exifLensEntry = QStringLiteral("Exif");

// True for a name that is "exif" in any letter case.
bool isExifLensEntry(const QString& name);

// True when nothing but spaces (Unicode category Zs) and tabs is left after trimming
// both ends: such a name is not added to the list.
bool isBlankLensName(const QString& name);
