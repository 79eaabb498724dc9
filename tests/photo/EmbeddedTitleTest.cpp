#include "photo/EmbeddedTitle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <exiv2/exiv2.hpp>

#include <gtest/gtest.h>

namespace {

struct Titles {
    const char* xmp = nullptr;
    const char* iptc = nullptr;
    const char* exif = nullptr;
};

// A copy of the bundled sample with the titles written into its metadata.
QString photographWith(const QTemporaryDir& folder, const Titles& titles) {
    const QString path = folder.filePath(QStringLiteral("titled.jpg"));
    QFile::remove(path);
    EXPECT_TRUE(QFile::copy(QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    if (titles.xmp)
        image->xmpData()["Xmp.dc.title"] = std::string("lang=\"x-default\" ") + titles.xmp;
    if (titles.iptc)
        image->iptcData()["Iptc.Application2.ObjectName"] = titles.iptc;
    if (titles.exif)
        image->exifData()["Exif.Image.ImageDescription"] = titles.exif;
    image->writeMetadata();
    return path;
}

TEST(EmbeddedTitle, XmpComesFirstThenIptcThenExif) {
    QTemporaryDir folder;
    EXPECT_EQ(embeddedTitle(photographWith(folder, {"富士山の朝", "Object name", "Description"})),
              QStringLiteral("富士山の朝"));
    EXPECT_EQ(embeddedTitle(photographWith(folder, {nullptr, "Harbour, dawn", "Description"})),
              QStringLiteral("Harbour, dawn"));
    EXPECT_EQ(embeddedTitle(photographWith(folder, {nullptr, nullptr, "  Old mill  "})),
              QStringLiteral("Old mill"));
}

TEST(EmbeddedTitle, BlankOrMissingTitlesAndUnreadableFilesGiveNone) {
    QTemporaryDir folder;
    EXPECT_EQ(embeddedTitle(photographWith(folder, {nullptr, nullptr, "        "})), std::nullopt);
    EXPECT_EQ(embeddedTitle(QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg")),
              std::nullopt);
    EXPECT_EQ(embeddedTitle(folder.filePath(QStringLiteral("missing.jpg"))), std::nullopt);
    EXPECT_EQ(embeddedTitle(QByteArray("\xff\xd8\xff\xe1\x00\x10garbage", 12)), std::nullopt);
}

TEST(EmbeddedTitle, ReadsPhotographsHeldInMemory) {
    QTemporaryDir folder;
    QFile file(photographWith(folder, {"In memory", nullptr, nullptr}));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(embeddedTitle(file.readAll()), QStringLiteral("In memory"));
}

} // namespace
