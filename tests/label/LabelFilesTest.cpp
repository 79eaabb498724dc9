#include "LabelFixtures.h"

#include "label/LabelFiles.h"
#include "label/PrintableLabel.h"
#include "label/RollLayout.h"
#include "label/TapeLayout.h"
#include "pdf/LabelDocument.h"
#include "photo/DefaultExifItems.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// Output of a poppler tool, or nothing when the tool is not installed.
std::optional<QString> runTool(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class LabelFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        record = recordWith({.maker = "Canon",
                             .model = "Canon EOS 40D",
                             .fNumber = "F/7.1",
                             .exposureTime = "1/160s"},
                            QStringLiteral("/photos/IMG_0042.JPG"));
        for (LabelLayout* layout :
             {static_cast<LabelLayout*>(&tape), static_cast<LabelLayout*>(&roll)}) {
            layout->setTitle(QStringLiteral("Harbour"));
            layout->setPhotographer(QStringLiteral("Jo Lens"));
            layout->setDisplaySettings(defaultExifItemsStatus());
            layout->setExifData(record.get());
        }
    }

    QTemporaryDir folder;
    std::unique_ptr<PhotoRecord> record;
    TapeLayout tape;
    RollLayout roll;
};

// The labels' PDF pages hold the texts, in the faces they fall back to, embedded.
TEST_F(LabelFilesTest, PdfPagesAreExactlyTheLabelsAndHoldTheTextsInEmbeddedFaces) {
    tape.setTitle(QStringLiteral("富士山の朝"));
    roll.setPhotographer(QStringLiteral("김지수"));
    const QString path = folder.filePath(QStringLiteral("labels.pdf"));
    ASSERT_TRUE(writeLabelDocument(path, {printableLabel(tape), printableLabel(roll)}).ok());
    const auto info = runTool(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "2", "-box", path});
    if (!info)
        GTEST_SKIP() << "pdfinfo is not installed";
    static const QRegularExpression mediaBox(
        QStringLiteral(R"(Page\s+(\d) MediaBox:\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+))"));
    QList<QSizeF> sizes;
    for (auto match = mediaBox.globalMatch(*info); match.hasNext();) {
        const auto box = match.next();
        sizes.append(QSizeF(box.captured(4).toDouble() - box.captured(2).toDouble(),
                            box.captured(5).toDouble() - box.captured(3).toDouble()));
    }
    ASSERT_EQ(sizes.size(), 2) << info->toStdString();
    EXPECT_NEAR(sizes[0].width(), tape.tapeSize().width(), 0.01);
    EXPECT_NEAR(sizes[0].height(), 43, 0.01);
    EXPECT_NE(tape.tapeSize().width(), std::floor(tape.tapeSize().width()))
        << "a fractional length";
    EXPECT_NEAR(sizes[1].width(), 170, 0.01);
    EXPECT_NEAR(sizes[1].height(), 170, 0.01);

    // The sample photograph is only 100 pixels wide; on the page it still has 600 dpi.
    const auto images = runTool(QStringLiteral("pdfimages"), {"-list", path});
    ASSERT_TRUE(images);
    static const QRegularExpression imageRow(
        QStringLiteral(
            R"(^\s*\d+\s+\d+\s+image\s+(\d+)\s+(\d+)\s+\S+\s+\d+\s+\d+\s+\S+\s+\S+\s+\d+\s+\d+\s+(\d+)\s+(\d+))"),
        QRegularExpression::MultilineOption);
    int imageCount = 0;
    for (auto match = imageRow.globalMatch(*images); match.hasNext(); ++imageCount) {
        const auto row = match.next();
        EXPECT_GE(row.captured(3).toInt(), 600) << images->toStdString();
    }
    EXPECT_EQ(imageCount, 2) << images->toStdString();

    const auto text = runTool(QStringLiteral("pdftotext"), {path, "-"});
    ASSERT_TRUE(text);
    for (const char* expected : {"Harbour", "Jo Lens", "Canon. Canon EOS 40D.", "F/7.1 1/160s",
                                 "IMG_0042.JPG", "Photographer", "富士山の朝", "김지수"})
        EXPECT_TRUE(text->contains(QString::fromUtf8(expected))) << expected;

    const auto fonts = runTool(QStringLiteral("pdffonts"), {path});
    ASSERT_TRUE(fonts);
    // Rows after the two heading lines: name, type..., encoding, emb, sub, uni, object.
    const QStringList rows = fonts->split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    EXPECT_GE(rows.size(), 2) << "the label face and a face with the CJK glyphs\n"
                              << fonts->toStdString();
    for (const QString& row : rows) {
        const QStringList columns = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 5);
        EXPECT_EQ(columns.at(columns.size() - 5), "yes") << "embedded: " << row.toStdString();
    }
}

TEST_F(LabelFilesTest, PngPixelSizeFollowsTheResolution) {
    // dpi, the roll's side and the tape's height in pixels: partial pixels round up.
    const std::tuple<int, int, int> cases[] = {{72, 170, 43}, {300, 709, 180}, {600, 1417, 359}};
    for (const auto& [dpi, rollSide, tapeHeight] : cases) {
        const QString rollPath = folder.filePath(QStringLiteral("roll%1.png").arg(dpi));
        const QString tapePath = folder.filePath(QStringLiteral("tape%1.png").arg(dpi));
        ASSERT_TRUE(LabelFiles::writePng(roll, rollPath, dpi).ok());
        ASSERT_TRUE(LabelFiles::writePng(tape, tapePath, dpi).ok());
        EXPECT_EQ(QImage(rollPath).size(), QSize(rollSide, rollSide));
        const QImage tapeImage(tapePath);
        EXPECT_EQ(tapeImage.height(), tapeHeight);
        EXPECT_EQ(tapeImage.dotsPerMeterX(), qRound(dpi / 0.0254));
    }
}

TEST_F(LabelFilesTest, OversizedOrOutOfRangeImagesAreRefusedWithAMessage) {
    const Result<QImage> outOfRange = LabelFiles::renderImage(roll, 0);
    ASSERT_FALSE(outOfRange.ok());
    EXPECT_EQ(outOfRange.failure(), (Failure{"dpiOutOfRangeReason", {"0", "1", "9600"}}));
    tape.setTitle(QString(20000, QLatin1Char('W')));
    const Result<QImage> tooLarge = LabelFiles::renderImage(tape, 9600);
    ASSERT_FALSE(tooLarge.ok());
    EXPECT_EQ(tooLarge.failure().key, "imageTooLargeReason");
    EXPECT_EQ(tooLarge.failure().arguments.value(3), "250000000");
    const QString path = folder.filePath(QStringLiteral("x.png"));
    const Status written = LabelFiles::writePng(tape, path, 9600);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.failure().arguments.value(0), path) << "the file is named";
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(LabelFilesTest, SvgHasTheLabelsViewBoxAndItsTextsAsOutlinesAndWords) {
    roll.setTitle(QStringLiteral("Harbour <at dawn> & \"夜明け\""));
    const QString path = folder.filePath(QStringLiteral("roll.svg"));
    ASSERT_TRUE(LabelFiles::writeSvg(roll, path).ok());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(svg.contains(QStringLiteral("viewBox=\"0 0 170 170\"")))
        << svg.left(400).toStdString();
    EXPECT_FALSE(svg.contains(QStringLiteral("<text"))) << "no text left to the viewer's fonts";
    EXPECT_FALSE(svg.contains(QStringLiteral(" ["))) << "font families without their foundry";

    QXmlStreamReader xml(svg);
    QString description;
    while (xml.readNextStartElement()) {
        if (xml.name() == QStringLiteral("desc"))
            description = xml.readElementText();
        else if (xml.name() != QStringLiteral("svg"))
            xml.skipCurrentElement();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(description.section(QLatin1Char('\n'), 0, 1).toStdString(),
              "Harbour <at dawn> & \"夜明け\"\nJo Lens");
}

TEST(LabelFilesNamingTest, FormatsAndNumberedNames) {
    EXPECT_EQ(LabelFiles::formatForPath(QStringLiteral("a.PDF")), LabelFiles::Format::Pdf);
    EXPECT_EQ(LabelFiles::formatForPath(QStringLiteral("a.svg")), LabelFiles::Format::Svg);
    EXPECT_FALSE(LabelFiles::formatForPath(QStringLiteral("a.jpg")));
    EXPECT_EQ(LabelFiles::numberedPath(QStringLiteral("out/label.png"), 3, 1), "out/label.png");
    EXPECT_EQ(LabelFiles::numberedPath(QStringLiteral("out/label.png"), 3, 12), "out/label-03.png");
    EXPECT_EQ(LabelFiles::numberedPath(QStringLiteral("label.png"), 7, 9), "label-7.png");
}

} // namespace
