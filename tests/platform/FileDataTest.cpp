#include "platform/FileData.h"

#include "pictures/Picture.h"
#include "platform/DraftFile.h"
#include "platform/FileNames.h"
#include "platform/MappingGuard.h"
#include "platform/PropertyList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
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

TEST(FileData, EmptyFilesAreReadableUnreadablePathsGiveNothing) {
    QTemporaryDir dir;
    const auto empty = FileData::initWithContentsOfFile(writeFile(dir, "empty.jpg", {}));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->length(), 0);
    EXPECT_NE(empty->bytes(), nullptr);
    EXPECT_FALSE(FileData::initWithContentsOfFile(dir.filePath("missing.jpg")));
    EXPECT_FALSE(FileData::initWithContentsOfFile(dir.path()));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jpg"));
    EXPECT_FALSE(FileData::initWithContentsOfFile(dir.filePath("folder.jpg")));
    EXPECT_FALSE(FileData::initWithContentsOfFile(QString()));
}

// Reads every byte, as a decoder would.
unsigned sumOf(const FileData& data) {
    unsigned sum = 0;
    for (qint64 i = 0; i < data.length(); ++i)
        sum += data.bytes()[i];
    return sum;
}

TEST(FileData, FileTruncatedWhileReadCostsOnlyThatFile) {
    QTemporaryDir dir;
    const QByteArray content(256 * 1024, '\x5a');
    const QString shrinking = writeFile(dir, "shrinking.tif", content);
    const QString steady = writeFile(dir, "steady.tif", content);
    const auto data = FileData::initWithContentsOfFile(shrinking);
    const auto other = FileData::initWithContentsOfFile(steady);
    ASSERT_TRUE(data && other);
    EXPECT_FALSE(data->changedWhileRead());

    ASSERT_EQ(::truncate(QFile::encodeName(shrinking).constData(), 4096), 0);
    EXPECT_EQ(sumOf(*data), 4096u * 0x5a) << "the bytes past the new end read as zeros";
    EXPECT_TRUE(data->changedWhileRead());
    EXPECT_EQ(sumOf(*other), 256u * 1024 * 0x5a);
    EXPECT_FALSE(other->changedWhileRead());

    // A decoder that meets the shortened photograph finishes, whatever it makes of it.
    QFile sample(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg");
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QString photo = writeFile(dir, "photo.jpg", sample.readAll());
    const auto photoData = FileData::initWithContentsOfFile(photo);
    ASSERT_TRUE(photoData);
    ASSERT_EQ(::truncate(QFile::encodeName(photo).constData(), 1000), 0);
    Picture::initWithData(*photoData, {});
    EXPECT_TRUE(photoData->changedWhileRead());
}

TEST(FileDataDeathTest, BusErrorsOutsideWatchedMappingsStillEndTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir dir;
    const QString path = writeFile(dir, "plain.bin", QByteArray(64 * 1024, '\0'));
    const auto watched = FileData::initWithContentsOfFile(path); // installs the handler
    ASSERT_TRUE(watched);
    // The fault ends the process as it would without the handler (a sanitizer build
    // reports it first); a read that went on would exit normally with the zero byte.
    const auto didNotGoOn = [](int status) {
        return !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    };
    EXPECT_EXIT(
        {
            const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
            auto* bytes = static_cast<volatile unsigned char*>(
                ::mmap(nullptr, 64 * 1024, PROT_READ, MAP_PRIVATE, fd, 0));
            if (::ftruncate(::open(QFile::encodeName(path).constData(), O_WRONLY), 0) == 0)
                std::exit(bytes[32 * 1024]);
            std::exit(2);
        },
        didNotGoOn, "");
}

TEST(FileNames, NamesRoundTripWhateverTheirBytes) {
    const QByteArray names[] = {
        "plain.jpg",
        "\xe5\xaf\x8c\xe5\xa3\xab.jpg", // UTF-8 Japanese
        "caf\xe9 \xe0 Par\xeds.jpg",    // Latin-1
        "mixed-\xc3\xa9-\xe9.jpg",      // UTF-8 and Latin-1 in one name
        "\xf0\x90\x82\x80-astral.jpg",  // a pair whose low half looks like a stand-in
        "\xc0\xaf-overlong \xed\xa0\x80-surrogate \xf4\x90\x80\x80-too-high.jpg",
        "cut-\xe5\xaf",
    };
    for (const QByteArray& name : names) {
        const QString text = FileNames::fromNative(name);
        EXPECT_EQ(FileNames::toNative(text), name) << name.toHex().toStdString();
    }
    EXPECT_EQ(FileNames::fromNative("\xe5\xaf\x8c\xe5\xa3\xab.jpg"), QStringLiteral("富士.jpg"));
    EXPECT_EQ(FileNames::fromNative("caf\xe9.jpg").size(), 8);
}

TEST(FileData, FilesWithNamesInAnotherEncodingAreRead) {
    QTemporaryDir dir;
    const QByteArray native = QFile::encodeName(dir.path()) + "/caf\xe9.jpg";
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "\xff\xd8\xff", 3), 3);
    ::close(fd);
    const auto data = FileData::initWithContentsOfFile(FileNames::fromNative(native));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->length(), 3);
}

// Qt's file classes take a name that begins with ':' for one of the program's own
// resources; a file of that name in the working folder is still written, found and read.
TEST(FileNames, RelativeNamesBeginningWithAColonAreFilesNotResources) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_EQ(FileNames::plainFilePath(QStringLiteral("/photos/:r.jpg")), "/photos/:r.jpg");
    EXPECT_TRUE(
        PropertyList::writeXmlFile(QStringLiteral(":settings.plist"), {{"photographer", "Kim"}}));
    EXPECT_TRUE(QFile::exists(dir.path() + "/:settings.plist"));
    EXPECT_TRUE(FileNames::fileInfo(QStringLiteral(":settings.plist")).isFile());
    EXPECT_EQ(PropertyList::readFile(QStringLiteral(":settings.plist"))->toMap(),
              QVariantMap({{"photographer", "Kim"}}));
    DraftFile draft(QStringLiteral(":labels.pdf"));
    ASSERT_TRUE(draft.open());
    draft.device().write("%PDF");
    EXPECT_TRUE(draft.publish());
    EXPECT_TRUE(QFile::exists(dir.path() + "/:labels.pdf"));
    ASSERT_TRUE(QDir::setCurrent(previous));
}

} // namespace
