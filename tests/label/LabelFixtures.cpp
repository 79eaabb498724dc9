#include "LabelFixtures.h"

#include "pictures/Picture.h"
#include "platform/FileData.h"

#include <gtest/gtest.h>

QString samplePhotographPath() {
    return QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg");
}

std::unique_ptr<PhotoRecord> recordWith(const PhotoInfo& info, const QString& fileName,
                                        const QSizeF& pictureSize) {
    auto record =
        PhotoRecord::initWithData(FileData::initWithContentsOfFile(samplePhotographPath()));
    EXPECT_TRUE(record && record->haveExif() && record->photoImage());
    if (!record)
        return record;
    record->info() = info;
    record->setFileName(fileName);
    if (!pictureSize.isEmpty() && record->photoImage())
        record->photoImage()->setSize(pictureSize);
    return record;
}

QVariantMap everyItemOn() {
    using Item = PhotoInfo::Item;
    return itemsOn({Item::Maker, Item::Model, Item::LensMaker, Item::LensModel, Item::FocalLength,
                    Item::FocalLengthIn35mmFormat, Item::FNumber, Item::ExposureTime,
                    Item::Sensitivity, Item::ExposureBiasValue, Item::ExposureMode,
                    Item::ExposureProgram, Item::MeteringMode, Item::WhiteBalance,
                    Item::DateTimeOriginal, Item::FileName});
}

PhotoInfo cameraInfo() {
    return {.maker = "Canon",
            .model = "Canon EOS 40D",
            .lensMaker = "Canon",
            .lensModel = "EF-S 17-85mm",
            .fNumber = "F/7.1",
            .exposureTime = "1/160s",
            .sensitivity = "ISO100 ",
            .exposureBiasValue = "+1/3",
            .exposureMode = "Auto",
            .exposureProgram = "Program",
            .meteringMode = "Pattern",
            .focalLength = "35.0 mm ",
            .focalLengthIn35mmFormat = "( 56 mm) ",
            .whiteBalance = "AWB",
            .dateTimeOriginal = "2008:05:30 15:56:01",
            .dateTimeDigitized = "2008:05:30 15:56:02"};
}

QVariantMap itemsOn(std::initializer_list<PhotoInfo::Item> items) {
    QVariantMap settings;
    for (const PhotoInfo::Item item : items)
        settings.insert(PhotoInfo::itemName(item), true);
    return settings;
}
