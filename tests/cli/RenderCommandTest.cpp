#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliResult runCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(KESTAVOLIN_CLI), arguments);
    CliResult run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

const QString sample = QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg");

class RenderCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString out(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    QTemporaryDir folder;
};

TEST_F(RenderCommandTest, SeveralPngInputsGiveNumberedFilesAtTheResolution) {
    const CliResult run = runCli(
        {"render", "--medium", "Roll 60", "--dpi", "144", sample, sample, "-o", out("roll.png")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(out("roll-1.png")).size(), QSize(340, 340));
    EXPECT_EQ(QImage(out("roll-2.png")).size(), QSize(340, 340));
    EXPECT_FALSE(QFile::exists(out("roll.png")));
}

TEST_F(RenderCommandTest, LayoutJsonDescribesEachLabelInInputOrder) {
    const QString missing = out("missing.jpg");
    const CliResult run = runCli({"render", "--layout-json", "--no-translations", "--title",
                                  "Iguana", "--photographer", "Jo", "--hide", "fileName", sample,
                                  missing, "-o", out("labels.pdf")});
    EXPECT_EQ(run.exitCode, 1) << "one file could not be read";
    EXPECT_TRUE(run.err.contains("missing.jpg"));
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject label = QJsonDocument::fromJson(lines[0]).object();
    EXPECT_EQ(label.value("file").toString(), sample);
    EXPECT_EQ(label.value("medium").toString(), "Tape 18");
    EXPECT_EQ(label.value("height").toDouble(), 43);
    QStringList texts;
    for (const auto& text : label.value("texts").toArray())
        texts.append(text.toObject().value("text").toString());
    EXPECT_TRUE(texts.contains("Iguana"));
    EXPECT_TRUE(texts.contains("Jo"));
    EXPECT_TRUE(texts.contains("Photographer"));
    for (const QString& text : texts)
        EXPECT_FALSE(text.contains("Canon_40D.jpg")) << "file name hidden";
    EXPECT_TRUE(QJsonDocument::fromJson(lines[1]).object().contains("error"));
    EXPECT_TRUE(QFile::exists(out("labels.pdf"))) << "the readable photograph still has its page";
}

TEST_F(RenderCommandTest, CharactersNoFontDrawsAreNamedAndTheLabelIsStillWritten) {
    // U+10FFFD, a private-use character, is in no installed face; the Japanese is.
    const QString unknown = QString::fromUcs4(U"\U0010FFFD");
    const CliResult run = runCli({"render", "--title", "富士山 " + unknown, "--photographer",
                                  "田中 愛子", sample, "-o", out("label.png")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(out("label.png")));
    const QList<QByteArray> lines = run.err.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 1) << run.err.toStdString();
    EXPECT_TRUE(lines[0].contains("U+10FFFD")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("titleString")) << lines[0].toStdString();
    EXPECT_FALSE(lines[0].contains("U+5BCC")) << "the Japanese has its glyphs";
}

TEST_F(RenderCommandTest, BadOptionsAreUsageErrors) {
    for (const QStringList& arguments :
         {QStringList{"render", sample}, QStringList{"render", sample, "-o", out("x.jpg")},
          QStringList{"render", "--medium", "Roll 61", sample, "-o", out("x.pdf")},
          QStringList{"render", "--dpi", "0", sample, "-o", out("x.png")},
          QStringList{"render", "--show", "Lens", sample, "-o", out("x.pdf")},
          QStringList{"render", "--bogus", sample, "-o", out("x.pdf")}}) {
        const CliResult run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty()) << "nothing written";
}

} // namespace
