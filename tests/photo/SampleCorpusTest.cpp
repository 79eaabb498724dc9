#include "common/SampleFolder.h"
#include "photo/PhotoRecord.h"
#include "platform/FileData.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// The reference dictionaries were computed with the string table's earlier, misspelt
// key for this word; the table now names it correctly.
const QHash<QString, QString> renamedWordKeys = {{"NotFefined", "NotDefined"}};

// The expected entry as the dictionary holds it: "skipMaker" a boolean, "Flash" a
// 16-bit number, everything else text.
QVariant dictionaryValue(const QJsonValue& value) {
    if (value.isBool())
        return value.toBool();
    if (value.isDouble())
        return QVariant::fromValue<quint16>(static_cast<quint16>(value.toInt()));
    const QString text = value.toString();
    return renamedWordKeys.value(text, text);
}

// Every sample photograph: its dictionary as independently computed from the raw
// tags with an empty string table, or the reader code that refuses it. Each gives a
// dictionary or the failure that tells why not, with the picture decoded as the
// application does.
TEST(SampleCorpus, AnalysisMatchesTheExpectedDictionaries) {
    const QString samplesDir = QString::fromStdString(sampleFolder().string());
    if (samplesDir.isEmpty())
        GTEST_SKIP() << "no sample photographs";
    QFile expectedFile(samplesDir + QStringLiteral("/expected/info.json"));
    ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly));
    const QJsonObject expected = QJsonDocument::fromJson(expectedFile.readAll()).object();
    ASSERT_FALSE(expected.isEmpty());

    for (auto sample = expected.begin(); sample != expected.end(); ++sample) {
        SCOPED_TRACE(qUtf8Printable(sample.key()));
        const auto data =
            FileData::initWithContentsOfFile(samplesDir + QLatin1Char('/') + sample.key());
        ASSERT_NE(data, nullptr);
        const auto record = PhotoRecord::initWithData(data);
        ASSERT_NE(record, nullptr);
        const QJsonObject entry = sample.value().toObject();
        if (entry.contains(QStringLiteral("error"))) {
            EXPECT_FALSE(record->haveExif());
            ASSERT_TRUE(record->failure());
            EXPECT_EQ(record->failure()->code, entry.value(QStringLiteral("error")).toInt());
            EXPECT_TRUE(record->exifData().isEmpty());
            continue;
        }
        EXPECT_TRUE(record->haveExif());
        EXPECT_FALSE(record->failure());
        QVariantMap wanted;
        for (auto item = entry.begin(); item != entry.end(); ++item)
            wanted.insert(item.key(), dictionaryValue(item.value()));
        EXPECT_EQ(record->exifData(), wanted);
    }
}

} // namespace
