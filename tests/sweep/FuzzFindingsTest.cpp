// Inputs the fuzz targets found, kept in tests/data/fuzz/<target>/, and their
// relatives built here. Photographs of every target are also swept by
// BadFileSweepTest (it reads all of tests/data).

#include "app/Settings.h"
#include "photo/SettingsFile.h"
#include "platform/FileData.h"
#include "platform/LocalizedText.h"
#include "platform/Picture.h"
#include "platform/PropertyList.h"
#include "platform/TiffDecoder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

const QString findingsDir = QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/fuzz");
// Deep enough to run the property-list library out of stack if it ever saw it.
constexpr int hostileNesting = 200000;

// A settings file the reader must refuse with the message part given: the
// application then starts from the defaults and writes a good file over it.
void expectRefusedThenReplaced(const QByteArray& bytes, const QString& reason) {
    EXPECT_TRUE(PropertyList::readData(bytes).error.contains(reason));

    const QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("Documents/kestavolin.plist"));
    ASSERT_TRUE(PropertyList::ensureParentFolder(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();
    useEmptyStringTable();
    Settings settings(path);
    settings.load();
    EXPECT_EQ(settings.photographer(), QStringLiteral("Photographer"));
    EXPECT_EQ(settings.lensList(), QStringList{QStringLiteral("Exif")});
    EXPECT_FALSE(settings.setMedia());

    const PropertyList::ReadResult saved = PropertyList::readFile(path);
    ASSERT_TRUE(saved.ok()) << qUtf8Printable(saved.error);
    EXPECT_EQ(saved.value.toMap().value(SettingsFile::lensListKey),
              settings.preferences().value(SettingsFile::lensListKey));
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
    const QDir findings(findingsDir + QStringLiteral("/settings"));
    const QStringList names = findings.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        SCOPED_TRACE(qUtf8Printable(name));
        QFile file(findings.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        expectRefusedThenReplaced(file.readAll(), QStringLiteral("zero character"));
    }
}

// The library parses, converts and frees nested values recursively: deep nesting
// ran it out of stack before the reader's own depth limit was reached.
TEST(FuzzFindings, DeeplyNestedSettingsFilesAreRefusedBeforeParsing) {
    expectRefusedThenReplaced(nestedXmlArrays(hostileNesting), QStringLiteral("nested"));
    expectRefusedThenReplaced(nestedBinaryArrays(hostileNesting), QStringLiteral("nested"));

    // Nesting within the limit still reads, in both forms.
    const PropertyList::ReadResult xml = PropertyList::readData(nestedXmlArrays(10));
    EXPECT_TRUE(xml.ok()) << qUtf8Printable(xml.error);
    const PropertyList::ReadResult binary = PropertyList::readData(nestedBinaryArrays(10));
    EXPECT_TRUE(binary.ok()) << qUtf8Printable(binary.error);
    EXPECT_EQ(binary.value, xml.value);
}

// A TIFF header may declare a picture of any size: asked for it at full size, the
// reducing decoder allocated 6 GB. It now refuses pictures it could never hand out.
TEST(FuzzFindings, TiffsDeclaringHugePicturesAllocateNothingOfThatSize) {
    const QDir findings(findingsDir + QStringLiteral("/tiff"));
    const QStringList names = findings.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        SCOPED_TRACE(qUtf8Printable(name));
        const auto data = FileData::initWithContentsOfFile(findings.filePath(name));
        ASSERT_TRUE(data);
        const auto bytes = data->bytes();
        const auto length = static_cast<std::size_t>(data->length());
        const auto header = TiffDecoder::readHeader(bytes, length);
        ASSERT_TRUE(header);
        EXPECT_TRUE(TiffDecoder::decodeReduced(bytes, length, header->size).isNull());
        // The application's own path asks for a thumbnail and must not fail loudly.
        Picture::initWithData(*data);
    }
}

} // namespace
