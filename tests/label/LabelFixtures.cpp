#include "LabelFixtures.h"

#include "pictures/Picture.h"
#include "platform/FileData.h"

#include <gtest/gtest.h>

QString samplePhotographPath() {
    return QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg");
}

std::unique_ptr<PhotoRecord> recordWith(const QVariantMap& info, const QString& fileName,
                                        const QSizeF& pictureSize) {
    auto record =
        PhotoRecord::initWithData(FileData::initWithContentsOfFile(samplePhotographPath()));
    EXPECT_TRUE(record && record->haveExif() && record->photoImage());
    if (!record)
        return record;
    record->exifData() = info;
    record->setFileName(fileName);
    if (!pictureSize.isEmpty() && record->photoImage())
        record->photoImage()->setSize(pictureSize);
    return record;
}

QVariantMap itemsOn(const QStringList& keys) {
    QVariantMap settings;
    for (const QString& key : keys)
        settings.insert(key, true);
    return settings;
}
