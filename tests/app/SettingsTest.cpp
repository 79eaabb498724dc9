#include "app/Settings.h"

#include "photo/DefaultExifItems.h"
#include "photo/LabelMedia.h"
#include "photo/SettingsFile.h"
#include "platform/FontCatalogue.h"
#include "platform/PropertyList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.isValid()); }

    QString documents() const { return home.filePath("config"); }
    QString plistPath() const { return documents() + "/kestavolin.plist"; }

    void writeFile(const QVariantMap& contents) const {
        ASSERT_TRUE(PropertyList::ensureParentFolder(plistPath()));
        ASSERT_TRUE(PropertyList::writeXmlFile(plistPath(), contents).ok());
    }

    void writeBytes(const QByteArray& bytes) const {
        ASSERT_TRUE(QDir().mkpath(documents()));
        QFile file(plistPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QVariantMap fileContents() const {
        const Result<QVariant> read = PropertyList::readFile(plistPath());
        EXPECT_TRUE(read.ok()) << read.failure().key.toStdString();
        return read.ok() ? read->toMap() : QVariantMap();
    }

    // A file as the application writes it after the user chose the tape.
    static QVariantMap validFile() {
        return {{"photographer", "Ansel"},
                {"lensList", QVariantList{"Exif", "Zoom 24-70"}},
                {"exifItem", defaultExifItemsStatus()},
                {"fontFamilyName", "Helvetica"},
                {"fontName", "Helvetica"},
                {"fontStyleIndex", 0},
                {"mediaTypeName", "Tape 18"}};
    }

    Settings loaded() const {
        Settings settings(plistPath());
        settings.load();
        return settings;
    }

    QTemporaryDir home;
};

TEST_F(SettingsTest, FirstStartCreatesItsFolderAndWritesEveryDefault) {
    const Settings settings = loaded();

    EXPECT_FALSE(settings.hasMedium());
    EXPECT_EQ(settings.photographer(), "Photographer");
    EXPECT_EQ(settings.lensList(), QStringList{"Exif"});

    // The file holds exactly what is in memory, the font being the default.
    const QVariantMap file = fileContents();
    EXPECT_EQ(file, settings.preferences());
    EXPECT_EQ(file.value("exifItem").toMap(), defaultExifItemsStatus());
    EXPECT_EQ(file.value("fontName").toString(), SettingsFile::defaultFont().postScriptName);
    EXPECT_EQ(file.value("mediaTypeName"), "");
}

// Entries of the wrong type alone are defaulted; hand-edited display values that are
// not booleans count as off (missing items are not filled in), and a hand-edited lens
// list keeps only its strings, without "Exif" added back. The file is rewritten so.
TEST_F(SettingsTest, HandEditedEntriesAreMendedAndWritten) {
    QVariantMap contents = validFile();
    contents["photographer"] = 42;
    contents["exifItem"] = QVariantMap{{"Maker", "yes"},
                                       {"Model", 1},
                                       {"fileName", true},
                                       {"FNumber", QVariantList{}},
                                       {"SignType", true}};
    contents["lensList"] = QVariantList{"Macro", 50, QVariantMap{{"a", 1}}, "Macro", true, ""};
    writeFile(contents);
    const Settings settings = loaded();
    EXPECT_EQ(settings.photographer(), "Photographer");
    const QVariantMap items{{"Maker", false},
                            {"Model", false},
                            {"fileName", true},
                            {"FNumber", false},
                            {"SignType", true}};
    EXPECT_EQ(settings.exifItemsStatus(), items);
    EXPECT_EQ(settings.lensList(), (QStringList{"Macro", "Macro", ""}));
    EXPECT_TRUE(settings.hasMedium());
    EXPECT_EQ(fileContents(), settings.preferences());

    contents["lensList"] = "Zoom 24-70";
    contents["exifItem"] = QVariantList{true};
    writeFile(contents);
    EXPECT_EQ(loaded().lensList(), QStringList{"Exif"});
    EXPECT_EQ(fileContents().value("exifItem").toMap(), defaultExifItemsStatus());
}

// The font chosen in the preferences is kept from start to start while it is
// installed; one that is gone, or an entry of the wrong type, gives the default.
TEST_F(SettingsTest, AStartKeepsTheChosenFontWhileItIsInstalled) {
    if (!FontCatalogue::availableFonts().contains("DejaVuSans-Bold"))
        GTEST_SKIP() << "DejaVu Sans Bold is not installed";
    QVariantMap contents = validFile();
    contents["fontFamilyName"] = "DejaVu Sans";
    contents["fontName"] = "DejaVuSans-Bold";
    contents["fontStyleIndex"] = 2;
    writeFile(contents);
    const Settings kept = loaded();
    EXPECT_EQ(kept.printFontFamilyName(), "DejaVu Sans");
    EXPECT_EQ(kept.printFontName(), "DejaVuSans-Bold");
    EXPECT_EQ(kept.printFontStyleIndex(), 2u);

    for (const QVariant& gone : {QVariant("NoSuchFont-Regular"), QVariant(7)}) {
        contents["fontName"] = gone;
        writeFile(contents);
        const Settings settings = loaded();
        EXPECT_EQ(settings.printFontName(), SettingsFile::defaultFont().postScriptName);
        EXPECT_EQ(settings.printFontStyleIndex(), 0u);
        EXPECT_EQ(fileContents(), settings.preferences());
    }
}

// Only the two exact names are taken; any other name, or none, leaves start-up to ask
// and the stored entry as it was.
TEST_F(SettingsTest, OnlyTheTwoExactMediumNamesAreTaken) {
    QVariantMap contents = validFile();
    for (const auto& [stored, taken] : {std::pair{QVariant("tape 18"), QString()},
                                        {QVariant(18), QString()},
                                        {QVariant(), QString()},
                                        {QVariant("Roll 60"), LabelMedia::roll60Name}}) {
        contents["mediaTypeName"] = stored;
        if (!stored.isValid())
            contents.remove("mediaTypeName");
        writeFile(contents);
        const Settings settings = loaded();
        EXPECT_EQ(settings.hasMedium(), !taken.isEmpty()) << stored.toString().toStdString();
        EXPECT_EQ(settings.medium(), taken);
        EXPECT_EQ(fileContents().value("mediaTypeName"), stored);
    }
}

TEST_F(SettingsTest, UnreadableFilesStartFromTheDefaults) {
    const QByteArray garbage[] = {
        QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>photographer"),
        // A root that is not a dictionary.
        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">"
                   "<array><string>Ansel</string></array></plist>\n"),
    };
    for (const QByteArray& bytes : garbage) {
        writeBytes(bytes);
        const Settings settings = loaded();
        EXPECT_EQ(settings.photographer(), "Photographer");
        EXPECT_FALSE(settings.hasMedium());
        EXPECT_EQ(fileContents(), settings.preferences());
    }
}

TEST_F(SettingsTest, FailedSaveKeepsSettingsAndWarnsOnce) {
    // A file where the documents folder should be: the folder cannot be made.
    const auto block = [this] { return QFile(documents()).open(QIODevice::WriteOnly); };
    ASSERT_TRUE(block());

    const auto warnings = [] {
        return QString::fromStdString(testing::internal::GetCapturedStderr())
            .count("settingsNotSavedWarning");
    };
    testing::internal::CaptureStderr();
    Settings settings(plistPath());
    settings.load();
    EXPECT_EQ(settings.photographer(), "Photographer");
    settings.setPhotographer("Ansel");
    const Status failed = settings.save();
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.failure(), (Failure{"folderNotMadeMsg", {plistPath()}}));
    EXPECT_EQ(settings.photographer(), "Ansel");
    EXPECT_EQ(warnings(), 1);

    // Once saving works again the settings are written, and a later failure is
    // reported anew.
    ASSERT_TRUE(QFile::remove(documents()));
    EXPECT_TRUE(settings.save().ok());
    EXPECT_EQ(fileContents().value("photographer"), "Ansel");
    ASSERT_TRUE(QFile::remove(plistPath()));
    ASSERT_TRUE(QDir(documents()).removeRecursively());
    ASSERT_TRUE(block());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(settings.save().ok());
    EXPECT_EQ(warnings(), 1);
}

} // namespace
