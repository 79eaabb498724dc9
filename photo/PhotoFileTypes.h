#pragma once

#include <QString>
#include <QStringList>

// The photograph files the application takes, known by the extension of their name:
// JPEG, TIFF and Photoshop documents. Every way a photograph comes in (open dialog,
// open requests, drops on a label) asks here.

// The accepted extensions, in lower case: jpg, jpeg, tif, tiff, psd.
const QStringList& photoFileExtensions();

// True when the extension of the path's file name, in any letter case, is accepted.
// The extension is what follows the last dot of the last path component
// ("archive.tar.JPG" gives "JPG"); a name whose only dot is its first character
// (".jpg") has none.
bool hasPhotoExtension(const QString& path);
