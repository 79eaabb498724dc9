#include "photo/EmbeddedTitle.h"

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
    QString path = folder.filePath(QStringLiteral("titled.jpg"));
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

// XMP comes first, then IPTC, then Exif, trimmed; blank or missing titles and
// unreadable files give none; photographs held in memory are read alike.
TEST(EmbeddedTitle, TitlesAreTakenFromXmpThenIptcThenExif) {
    QTemporaryDir folder;
    const std::pair<Titles, std::optional<QString>> cases[] = {
        {{"富士山の朝", "Object name", "Description"}, QStringLiteral("富士山の朝")},
        {{nullptr, "Harbour, dawn", "Description"}, QStringLiteral("Harbour, dawn")},
        {{nullptr, nullptr, "  Old mill  "}, QStringLiteral("Old mill")},
        {{nullptr, nullptr, "        "}, std::nullopt},
    };
    for (const auto& [titles, expected] : cases) {
        QFile file(photographWith(folder, titles));
        EXPECT_EQ(embeddedTitle(file.fileName()), expected);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(embeddedTitle(file.readAll()), expected);
    }
    EXPECT_EQ(embeddedTitle(QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg")),
              std::nullopt);
    EXPECT_EQ(embeddedTitle(folder.filePath(QStringLiteral("missing.jpg"))), std::nullopt);
    EXPECT_EQ(embeddedTitle(QByteArray("\xff\xd8\xff\xe1\x00\x10garbage", 12)), std::nullopt);
}

} // namespace
