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

// The expected items with the word keys the string table uses now.
QJsonObject withCurrentWordKeys(QJsonObject items) {
    for (auto item = items.begin(); item != items.end(); ++item)
        if (item->isString())
            *item = renamedWordKeys.value(item->toString(), item->toString());
    return items;
}

std::string compactJson(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

// Every sample photograph: its photo information as independently computed from the
// raw tags with an empty string table, under the names, and with the value types,
// `info` reports them; or the reader code that refuses it. Each gives photo information
// or the failure that tells why not, with the picture decoded as the application does.
TEST(SampleCorpus, AnalysisMatchesTheExpectedInformation) {
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
            EXPECT_TRUE(record->info().isEmpty());
            continue;
        }
        EXPECT_TRUE(record->haveExif());
        EXPECT_FALSE(record->failure());
        EXPECT_EQ(compactJson(record->info().toJson()), compactJson(withCurrentWordKeys(entry)));
    }
}

} // namespace
