#include "platform/FileData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

TEST(FileData, MapsTheWholeFile) {
    QTemporaryDir dir;
    QByteArray content(100000, '\0');
    for (qsizetype i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7);
    const auto data = FileData::initWithContentsOfFile(writeFile(dir, "photo.jpg", content));
    ASSERT_TRUE(data);
    ASSERT_EQ(data->length(), content.size());
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(data->bytes()), content.size()), content);
}

TEST(FileData, FilesLargerThanMemoryWouldAllowAreMappedNotRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.tif");
    constexpr qint64 size = 5LL * 1024 * 1024 * 1024 + 3; // beyond 32-bit lengths
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        // A sparse file: no disk space and no memory until its pages are touched.
        if (!file.resize(size))
            GTEST_SKIP() << "the file system cannot hold a sparse file of this size";
        file.seek(size - 1);
        file.putChar('\x42');
    }
    const auto data = FileData::initWithContentsOfFile(path);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->length(), size);
    EXPECT_EQ(data->bytes()[0], 0);
    EXPECT_EQ(data->bytes()[size - 1], 0x42);
}

TEST(FileData, EmptyFileHasNoBytesButIsReadable) {
    QTemporaryDir dir;
    const auto data = FileData::initWithContentsOfFile(writeFile(dir, "empty.jpg", {}));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->length(), 0);
    EXPECT_NE(data->bytes(), nullptr);
}

TEST(FileData, UnreadablePathsGiveNothing) {
    QTemporaryDir dir;
    EXPECT_FALSE(FileData::initWithContentsOfFile(dir.filePath("missing.jpg")));
    EXPECT_FALSE(FileData::initWithContentsOfFile(dir.path()));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jpg"));
    EXPECT_FALSE(FileData::initWithContentsOfFile(dir.filePath("folder.jpg")));
    EXPECT_FALSE(FileData::initWithContentsOfFile(QString()));
}

TEST(FileData, BufferKeepsItsBytes) {
    const auto data = FileData::fromByteArray(QByteArray("\xff\xd8\xff", 3));
    ASSERT_EQ(data->length(), 3);
    EXPECT_EQ(data->bytes()[0], 0xff);
    EXPECT_EQ(data->bytes()[2], 0xff);
    EXPECT_EQ(FileData::fromByteArray({})->length(), 0);
}

} // namespace
