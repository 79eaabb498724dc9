#include "common/QStringPrinter.h"

#include "platform/PropertyList.h"

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QTemporaryDir>
#include <QTimeZone>

#include <plist/plist.h>

#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace {

QVariantMap sampleSettings() {
    return {
        {"photographer", QStringLiteral("山田 太郎")},
        {"lensList", QVariantList{"Summicron 50mm", "Nikkor 28mm"}},
        {"exifItem", QVariantMap{{"FNumber", true}, {"Maker", false}}},
        {"count", qint64(-42)},
        {"ratio", 2.5},
        {"blob", QByteArray("\x00\x01\xff", 3)},
        {"saved", QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9), QTimeZone::utc())},
        {"emptyText", QString()},
    };
}

QByteArray xmlToBinary(const QByteArray& xml) {
    plist_t root = nullptr;
    plist_from_xml(xml.constData(), static_cast<uint32_t>(xml.size()), &root);
    EXPECT_NE(root, nullptr);
    char* bin = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bin, &length);
    plist_free(root);
    QByteArray result(bin, length);
    std::free(bin);
    return result;
}

TEST(PropertyList, XmlRoundTripAndBinaryReadKeepEveryValueKind) {
    const QVariantMap settings = sampleSettings();
    const QByteArray xml = PropertyList::toXml(settings).value();
    ASSERT_TRUE(xml.startsWith("<?xml"));
    const auto result = PropertyList::readData(xml);
    ASSERT_TRUE(result.ok()) << result.failure().key.toStdString();
    const QVariantMap read = result->toMap();
    EXPECT_EQ(read.value("photographer").toString(), QStringLiteral("山田 太郎"));
    EXPECT_EQ(read.value("lensList").toStringList(),
              (QStringList{"Summicron 50mm", "Nikkor 28mm"}));
    EXPECT_EQ(read.value("exifItem").toMap().value("FNumber").typeId(), QMetaType::Bool);
    EXPECT_FALSE(read.value("exifItem").toMap().value("Maker").toBool());
    EXPECT_EQ(read.value("count").toLongLong(), -42);
    EXPECT_DOUBLE_EQ(read.value("ratio").toDouble(), 2.5);
    EXPECT_EQ(read.value("blob").toByteArray(), QByteArray("\x00\x01\xff", 3));
    EXPECT_EQ(read.value("saved").toDateTime(), settings.value("saved").toDateTime());
    EXPECT_EQ(read.value("emptyText").toString(), QString());

    const QByteArray binary = xmlToBinary(xml);
    ASSERT_TRUE(binary.startsWith("bplist"));
    const auto fromBinary = PropertyList::readData(binary);
    ASSERT_TRUE(fromBinary.ok()) << fromBinary.failure().key.toStdString();
    EXPECT_EQ(*fromBinary, *result) << "binary lists read like XML";
}

TEST(PropertyList, MalformedInputGivesAMessage) {
    const QByteArray xml = PropertyList::toXml(sampleSettings()).value();
    const QByteArray binary = xmlToBinary(xml);
    for (const QByteArray& bad :
         {QByteArray(), QByteArray("garbage"), QByteArray("<?xml version=\"1.0\"?><plist><dict>"),
          QByteArray("bplist00\xff\xff\xff"), xml.left(xml.size() / 2)}) {
        const auto result = PropertyList::readData(bad);
        ASSERT_FALSE(result.ok()) << bad.toStdString();
        EXPECT_FALSE(result.failure().key.isEmpty());
    }
    // Every truncation of a binary list is refused or read, never a crash.
    for (qsizetype length = 0; length < binary.size(); ++length)
        std::ignore = PropertyList::readData(binary.left(length));
}

TEST(PropertyList, FilesAreWrittenWholeOrNotAtAllAndUnreadableOnesNamed) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Documents/kestavolin.plist");
    EXPECT_FALSE(PropertyList::writeXmlFile(path, sampleSettings()).ok());
    ASSERT_TRUE(PropertyList::ensureParentFolder(path));
    ASSERT_TRUE(PropertyList::writeXmlFile(path, sampleSettings()));
    const auto read = PropertyList::readFile(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->toMap().value("photographer").toString(), QStringLiteral("山田 太郎"));

    // A value with no property-list form is reported, naming the file and the value, and
    // leaves the file as it was.
    const Status written = PropertyList::writeXmlFile(path, QVariantMap{{"where", QPoint(1, 2)}});
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.failure().key, "fileNotWrittenMsg");
    EXPECT_EQ(written.failure().arguments.value(0), path);
    EXPECT_TRUE(written.failure().arguments.value(1).contains("where"));
    EXPECT_EQ(*PropertyList::readFile(path), *read);
    EXPECT_EQ(QDir(dir.filePath("Documents")).entryList(QDir::Files).size(), 1);

    // Unreadable files are named in the message, with the reason.
    const auto missing = PropertyList::readFile(dir.filePath("none.plist"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.failure().arguments.value(0), dir.filePath("none.plist"));
    const auto folder = PropertyList::readFile(dir.path());
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.failure().arguments.value(1), "fileIsFolderReason");
    QFile blocker(dir.filePath("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(PropertyList::ensureParentFolder(dir.filePath("plain/sub/kestavolin.plist")));
}

// A write killed at any moment leaves the old or the new file, never a mix.
TEST(PropertyList, KillingTheProcessDuringWritesLeavesTheOldOrTheNewFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kestavolin.plist");
    const QVariantMap old{{"photographer", "Ansel"}};
    const QVariantMap other{{"photographer", QString(2000, QLatin1Char('z'))}};
    ASSERT_TRUE(PropertyList::writeXmlFile(path, old));
    constexpr int trials = 40;
    for (int trial = 0; trial < trials; ++trial) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int write = 0;; ++write)
                std::ignore = PropertyList::writeXmlFile(path, write % 2 ? old : other);
        }
        ::usleep(static_cast<useconds_t>(500 + trial * 97 % 3000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const QVariant read = PropertyList::readFile(path).value();
        EXPECT_TRUE(read == old || read == other) << "trial " << trial;
    }
}

} // namespace
