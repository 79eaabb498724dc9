#pragma once

#include <QString>

// Keys of the photo information dictionary and of the Exif item display settings,
// shared by the analysis, the label views, the settings file and the preferences panel.
// Each constant is named after its key.

inline const QString imageDescription = QStringLiteral("ImageDescription");
inline const QString skipMaker = QStringLiteral("skipMaker");
inline const QString maker = QStringLiteral("Maker");
inline const QString model = QStringLiteral("Model");
inline const QString artist = QStringLiteral("Artist");
inline const QString copyright = QStringLiteral("Copyright");
inline const QString lensMaker = QStringLiteral("LensMaker");
inline const QString lensModel = QStringLiteral("LensModel");
inline const QString fNumber = QStringLiteral("FNumber");
inline const QString exposureTime = QStringLiteral("ExposureTime");
inline const QString sensitivity = QStringLiteral("Sensitivity");
inline const QString exposureBiasValue = QStringLiteral("ExposureBiasValue");
inline const QString exposureMode = QStringLiteral("ExposureMode");
inline const QString exposureProgram = QStringLiteral("ExposureProgram");
inline const QString meteringMode = QStringLiteral("MeteringMode");
inline const QString lightSource = QStringLiteral("LightSource");
inline const QString focalLength = QStringLiteral("FocalLength");
inline const QString focalLengthIn35mmFormat = QStringLiteral("FocalLengthIn35mmFormat");
inline const QString whiteBalance = QStringLiteral("WhiteBalance");
inline const QString sceneCaptureType = QStringLiteral("SceneCaptureType");
inline const QString gainControl = QStringLiteral("GainControl");
inline const QString contrast = QStringLiteral("Contrast");
inline const QString saturation = QStringLiteral("Saturation");
inline const QString sharpness = QStringLiteral("Sharpness");
inline const QString subjectDistance = QStringLiteral("SubjectDistance");
inline const QString dateTimeOriginal = QStringLiteral("DateTimeOriginal");
inline const QString dateTimeDigitized = QStringLiteral("DateTimeDigitized");
inline const QString exifVersion = QStringLiteral("ExifVersion");
inline const QString pixelXDimension = QStringLiteral("PixelXDimension");
inline const QString pixelYDimension = QStringLiteral("PixelYDimension");

// The flash entry has no constant of its own among the label's items; the analysis
// stores it under this key as a number.
inline const QString flashKey = QStringLiteral("Flash");

// Display-settings key for the file name; never an entry of the photo dictionary.
inline const QString fileName = QStringLiteral("fileName");

// The two label media.
inline const QString MediaTape18Key = QStringLiteral("Tape 18");
inline const QString MediaRoll60Key = QStringLiteral("Roll 60");

// True for the exact name of one of the two media.
inline bool isMediumName(const QString& name) {
    return name == MediaTape18Key || name == MediaRoll60Key;
}
