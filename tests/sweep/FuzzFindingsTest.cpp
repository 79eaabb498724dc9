// Inputs the fuzz targets found, kept in tests/data/fuzz/<target>/, and their
// relatives built here. Photographs of every target are also swept by
// BadFileSweepTest (it reads all of tests/data).

#include "common/QStringPrinter.h"
#include "label/CaptionSheet.h"
#include "label/LabelPictures.h"
#include "pictures/TiffDecoder.h"
#include "platform/FileData.h"
#include "platform/PropertyList.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <limits>

#include <gtest/gtest.h>

namespace {

// Deep enough to run the property-list library out of stack if it ever saw it.
constexpr int hostileNesting = 200000;

// The findings of one fuzz target.
QStringList findings(const QString& target) {
    const QDir folder(QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/fuzz/") + target);
    QStringList paths;
    for (const QString& name : folder.entryList(QDir::Files))
        paths << folder.filePath(name);
    return paths;
}

// A settings file the reader must refuse with the message part given (the
// application then starts from the defaults, as the settings tests show).
void expectRefused(const QByteArray& bytes, const QString& reason) {
    const Result<QVariant> read = PropertyList::readData(bytes);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.failure().key, reason);
}

QByteArray nestedXmlArrays(int levels) {
    return QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\">") +
           QByteArray("<array>").repeated(levels) + QByteArray("</array>").repeated(levels) +
           QByteArray("</plist>");
}

// A binary list of levels arrays, each holding the next (4-byte references and
// offsets), the innermost one empty.
QByteArray nestedBinaryArrays(int levels) {
    QByteArray bytes("bplist00");
    QByteArray offsets;
    auto appendBigEndian = [](QByteArray& to, auto value) {
        char buffer[sizeof value];
        qToBigEndian(value, buffer);
        to.append(buffer, sizeof value);
    };
    for (int level = 0; level < levels; ++level) {
        appendBigEndian(offsets, static_cast<quint32>(bytes.size()));
        if (level == levels - 1) {
            bytes.append('\xA0');
        } else {
            bytes.append('\xA1');
            appendBigEndian(bytes, static_cast<quint32>(level + 1));
        }
    }
    const auto tableOffset = static_cast<quint64>(bytes.size());
    bytes.append(offsets);
    bytes.append(QByteArray(6, '\0'));
    bytes.append('\x04');
    bytes.append('\x04');
    appendBigEndian(bytes, static_cast<quint64>(levels));
    appendBigEndian(bytes, quint64{0});
    appendBigEndian(bytes, tableOffset);
    return bytes;
}

// Text holding a zero character (a raw zero byte in XML, U+0000 in binary UTF-16
// text) made the property-list library end the program when asked for it.
TEST(FuzzFindings, SettingsFilesWithAZeroCharacterAreRefused) {
    ASSERT_FALSE(findings(QStringLiteral("settings")).isEmpty());
    for (const QString& path : findings(QStringLiteral("settings"))) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qUtf8Printable(path);
        expectRefused(file.readAll(), QStringLiteral("plistZeroCharacterReason"));
    }
}

// The library parses, converts and frees nested values recursively: deep nesting
// ran it out of stack before the reader's own depth limit was reached.
TEST(FuzzFindings, DeeplyNestedSettingsFilesAreRefusedBeforeParsing) {
    expectRefused(nestedXmlArrays(hostileNesting), QStringLiteral("plistTooDeepReason"));
    expectRefused(nestedBinaryArrays(hostileNesting), QStringLiteral("plistTooDeepReason"));

    // Nesting within the limit still reads, in both forms.
    const Result<QVariant> xml = PropertyList::readData(nestedXmlArrays(10));
    ASSERT_TRUE(xml.ok());
    const Result<QVariant> binary = PropertyList::readData(nestedBinaryArrays(10));
    ASSERT_TRUE(binary.ok());
    EXPECT_EQ(*binary, *xml);
}

// A date whose microseconds carried it past the whole seconds a list can hold was
// read, but could not be written: every later save of the settings failed.
TEST(FuzzFindings, SettingsFilesWithDatesBeyondTheListsRangeCanBeSavedAgain) {
    ASSERT_FALSE(findings(QStringLiteral("settings-dates")).isEmpty());
    for (const QString& path : findings(QStringLiteral("settings-dates"))) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qUtf8Printable(path);
        const Result<QVariant> read = PropertyList::readData(file.readAll());
        ASSERT_TRUE(read.ok()) << qUtf8Printable(read.failure().text());
        const Result<QByteArray> xml = PropertyList::toXml(read->toMap());
        ASSERT_TRUE(xml.ok()) << qUtf8Printable(xml.failure().text());
        EXPECT_FALSE(xml->isEmpty());
    }
}

// A TIFF header may declare a picture of any size: asked for it at full size, the
// reducing decoder allocated 6 GB. It now refuses pictures it could never hand out:
// the finding declares 23320 × 65520 pixels, which halved are still four times what
// a picture may take.
TEST(FuzzFindings, TiffsDeclaringHugePicturesAllocateNothingOfThatSize) {
    constexpr double declaredHeight = 65520;
    constexpr double pointsPerPixel = 72.0 / PictureReduction::printResolutionDpi;
    const PrintBoxes nearlyHalf{
        QSizeF(std::numeric_limits<double>::infinity(), 0.45 * declaredHeight * pointsPerPixel)};
    ASSERT_FALSE(findings(QStringLiteral("tiff")).isEmpty());
    for (const QString& path : findings(QStringLiteral("tiff"))) {
        const auto data = FileData::initWithContentsOfFile(path);
        ASSERT_TRUE(data) << qUtf8Printable(path);
        EXPECT_FALSE(TiffDecoder::decode(data->bytes(), static_cast<std::size_t>(data->length()),
                                         nearlyHalf));
        // The application's own path asks for a thumbnail and must not fail loudly.
        decodeLabelPicture(*data);
    }
}

// A sheet the program writes reads back as the rows it was written from. Every seed
// of the caption sheet target is checked, its finding among them: a photograph named
// ":r" in the sheet's folder was written as ":r", which read back as a resource.
TEST(FuzzFindings, CaptionSheetsReadBackTheRowsTheyWereWrittenFrom) {
    const QDir seeds(QStringLiteral(KESTAVOLIN_FUZZ_SEEDS_DIR "/caption_sheet"));
    const QString folder = QStringLiteral("/exhibition/sheets");
    ASSERT_TRUE(seeds.exists(QStringLiteral("colon-relative-path.csv")));
    for (const QString& name : seeds.entryList(QDir::Files)) {
        QFile seed(seeds.filePath(name));
        ASSERT_TRUE(seed.open(QIODevice::ReadOnly)) << qUtf8Printable(name);
        const auto rows = CaptionSheet::parse(seed.readAll(), folder);
        if (!rows)
            continue;
        const auto again = CaptionSheet::parse(CaptionSheet::write(*rows, folder), folder);
        ASSERT_TRUE(again && again->size() == rows->size()) << qUtf8Printable(name);
        for (std::size_t index = 0; index < rows->size(); ++index) {
            const CaptionRow& row = (*rows)[index];
            const CaptionRow& rowAgain = (*again)[index];
            // A path outside the folder is written whole, its ".." resolved.
            EXPECT_EQ(QDir::cleanPath(rowAgain.file), QDir::cleanPath(row.file))
                << qUtf8Printable(name);
            EXPECT_EQ(rowAgain.title, row.title);
            EXPECT_EQ(rowAgain.photographer, row.photographer);
            EXPECT_EQ(rowAgain.lens, row.lens);
        }
    }
}

} // namespace
