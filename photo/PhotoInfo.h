#pragma once

#include <QJsonObject>
#include <QString>
#include <QtGlobal>

#include <optional>

// The photo information of one photograph: the display values its analysis found, each
// absent when the photograph does not store it or stores nothing that can be shown.
struct PhotoInfo {
    // The items of photo information. Each has a name (itemName), under which the Exif
    // item display settings switch it and `info` reports it. SkipMaker and FileName are
    // items of the display settings too; the file name is the record's, not held here.
    enum class Item {
        ImageDescription,
        SkipMaker,
        Maker,
        Model,
        Artist,
        Copyright,
        LensMaker,
        LensModel,
        FNumber,
        ExposureTime,
        Sensitivity,
        ExposureBiasValue,
        ExposureMode,
        ExposureProgram,
        MeteringMode,
        LightSource,
        FocalLength,
        FocalLengthIn35mmFormat,
        WhiteBalance,
        SceneCaptureType,
        GainControl,
        Contrast,
        Saturation,
        Sharpness,
        SubjectDistance,
        DateTimeOriginal,
        DateTimeDigitized,
        ExifVersion,
        PixelXDimension,
        PixelYDimension,
        Flash,
        FileName,
    };
    static const QString& itemName(Item item);

    // Every item starts absent, so that an initializer names only the items it sets.
    std::optional<QString> imageDescription{};
    // Whether the label prints the model without the maker in front of it.
    std::optional<bool> skipMaker{};
    std::optional<QString> maker{};
    std::optional<QString> model{};
    std::optional<QString> artist{};
    std::optional<QString> copyright{};
    std::optional<QString> lensMaker{};
    std::optional<QString> lensModel{};
    std::optional<QString> fNumber{};
    std::optional<QString> exposureTime{};
    std::optional<QString> sensitivity{};
    std::optional<QString> exposureBiasValue{};
    std::optional<QString> exposureMode{};
    std::optional<QString> exposureProgram{};
    std::optional<QString> meteringMode{};
    std::optional<QString> lightSource{};
    std::optional<QString> focalLength{};
    std::optional<QString> focalLengthIn35mmFormat{};
    std::optional<QString> whiteBalance{};
    std::optional<QString> sceneCaptureType{};
    std::optional<QString> gainControl{};
    std::optional<QString> contrast{};
    std::optional<QString> saturation{};
    std::optional<QString> sharpness{};
    std::optional<QString> subjectDistance{};
    std::optional<QString> dateTimeOriginal{};
    std::optional<QString> dateTimeDigitized{};
    std::optional<QString> exifVersion{};
    std::optional<QString> pixelXDimension{};
    std::optional<QString> pixelYDimension{};
    // The stored flash code, kept as the number.
    std::optional<quint16> flash{};

    // The display text of a text item; nothing when the photograph lacks it, and for
    // SkipMaker, Flash and FileName.
    const std::optional<QString>& text(Item item) const;
    // True when no item is present.
    bool isEmpty() const;
    // Every present item under its name: texts as texts, SkipMaker a boolean, Flash a
    // number.
    QJsonObject toJson() const;

    bool operator==(const PhotoInfo&) const = default;
};
