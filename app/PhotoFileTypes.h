#pragma once

#include <QString>
#include <QStringList>

// The photograph files the application opens: JPEG, TIFF and Photoshop documents.

// True when the path's extension (after its last dot), in any letter case, is tif,
// tiff, jpg, jpeg or psd.
bool hasPhotoExtension(const QString& path);

// Name filters for the open dialog, offering exactly the photograph extensions.
QStringList openDialogNameFilters();
