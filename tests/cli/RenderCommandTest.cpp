#include "ProgramRun.h"
#include "common/HostileJpeg.h"
#include "common/PdfPages.h"
#include "common/SmallFileSystem.h"
#include "platform/PropertyList.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <exiv2/exiv2.hpp>
#include <gtest/gtest.h>

#include <cstring>

namespace {

const QString sample = QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg");

class RenderCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString out(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    QTemporaryDir folder;
};

// The texts of one label's layout line.
QStringList textsOf(const QByteArray& line) {
    QStringList texts;
    for (const auto& text : QJsonDocument::fromJson(line).object().value("texts").toArray())
        texts.append(text.toObject().value("text").toString());
    return texts;
}

// Characters no installed face draws are named once per label, and the labels are
// still written.
TEST_F(RenderCommandTest, SeveralPngInputsGiveNumberedFilesAtTheResolution) {
    // U+10FFFD, a private-use character, is in no installed face; the Japanese is.
    const QString unknown = QString::fromUcs4(U"\U0010FFFD");
    const ProgramRun run =
        runCli({"render", "--medium", "Roll 60", "--dpi", "144", "--title", "富士山 " + unknown,
                "--photographer", "田中 愛子", sample, sample, "-o", out("roll.png")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(out("roll-1.png")).size(), QSize(340, 340));
    EXPECT_EQ(QImage(out("roll-2.png")).size(), QSize(340, 340));
    EXPECT_FALSE(QFile::exists(out("roll.png")));
    const QList<QByteArray> lines = run.err.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2) << run.err.toStdString();
    EXPECT_TRUE(lines[0].contains("U+10FFFD")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("titleString")) << lines[0].toStdString();
    EXPECT_FALSE(run.err.contains("U+5BCC")) << "the Japanese has its glyphs";
}

TEST_F(RenderCommandTest, ACaptionSheetMakesOneLabelPerRowWithItsOwnTexts) {
    ASSERT_TRUE(QFile::copy(sample, out("a.jpg")));
    QFile sheet(out("show.csv"));
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.write("title,file,photographer\r\nQuay,a.jpg,\r\n\"Harbour, dawn\",a.jpg,Ann\r\n");
    sheet.close();
    const ProgramRun run = runCli({"render", "--layout-json", "--no-translations", "--captions",
                                   out("show.csv"), "--photographer", "Jo", "-o", out("show.pdf")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(textsOf(lines[0]).contains("Quay"));
    EXPECT_TRUE(textsOf(lines[0]).contains("Jo"));
    EXPECT_TRUE(textsOf(lines[1]).contains("Harbour, dawn"));
    EXPECT_TRUE(textsOf(lines[1]).contains("Ann"));
}

// A photograph without camera data is labelled only when asked; a file that is no
// picture, or is missing, still fails, with its own layout line, and the readable
// photographs still have their pages.
TEST_F(RenderCommandTest, LayoutJsonDescribesEachLabelInInputOrder) {
    const QString scan = out("film scan.jpg");
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(scan, "JPEG"));
    QFile notes(out("notes.jpg"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write(QByteArray(64, 'x')) == 64);
    notes.close();
    const QStringList labelOptions{"render",  "--layout-json",  "--title",
                                   "Harbour", "--photographer", "Jo"};

    const ProgramRun refused = runCli(labelOptions + QStringList{scan, "-o", out("a.pdf")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("film scan.jpg: its metadata could not be read"))
        << refused.err.toStdString();

    const ProgramRun run =
        runCli(labelOptions + QStringList{"--without-camera-data", sample, scan, notes.fileName(),
                                          out("missing.jpg"), "-o", out("b.pdf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("notes.jpg: its metadata could not be read"));
    EXPECT_TRUE(run.err.contains("missing.jpg"));
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    const QJsonObject label = QJsonDocument::fromJson(lines[0]).object();
    EXPECT_EQ(label.value("file").toString(), sample);
    EXPECT_EQ(label.value("medium").toString(), "Tape 18");
    EXPECT_EQ(label.value("height").toDouble(), 43);
    QStringList texts = textsOf(lines[1]).replaceInStrings(QRegularExpression("^\\s+|\\s+$"), "");
    texts.removeAll(QString());
    EXPECT_EQ(texts, QStringList({"Harbour", "Jo", "Photographer", "Title", "film scan.jpg"}));
    EXPECT_TRUE(QJsonDocument::fromJson(lines[2]).object().contains("error"));
    EXPECT_TRUE(QJsonDocument::fromJson(lines[3]).object().contains("error"));
    EXPECT_TRUE(QFile::exists(out("b.pdf")));
}

// A label written without trouble says nothing on standard error, in every format:
// the SVG's picture is embedded without the faulty colour profile the sample's camera
// wrote, which libpng warned about.
TEST_F(RenderCommandTest, EachFormatIsWrittenWithoutAWordOnStandardError) {
    for (const char* name : {"label.pdf", "label.png", "label.svg"}) {
        const ProgramRun run = runCli({"render", sample, "-o", out(name)});
        EXPECT_EQ(run.exitCode, 0) << name;
        EXPECT_EQ(run.err.toStdString(), "") << name;
        EXPECT_GT(QFileInfo(out(name)).size(), 0) << name;
    }
    QFile svg(out("label.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("data:image/png;base64,")) << "the picture is embedded";
}

// Photographs' own titles are read through exiv2, which the program that runs render
// does not link: it hands such requests to the complete program, and the label has
// the title.
TEST_F(RenderCommandTest, APhotographGivenNoTitleTakesItsOwnWhenAsked) {
    const QString titled = out("titled.jpg");
    ASSERT_TRUE(QFile::copy(sample, titled));
    QFile::setPermissions(titled, QFile::ReadOwner | QFile::WriteOwner);
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(titled).toStdString());
    image->readMetadata();
    image->exifData()["Exif.Image.ImageDescription"] = "Old mill";
    image->writeMetadata();

    const ProgramRun own = runCli(
        {"render", "--layout-json", "--titles-from-photos", titled, sample, "-o", out("own.pdf")});
    ASSERT_EQ(own.exitCode, 0) << own.err.toStdString();
    const QList<QByteArray> lines = own.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(textsOf(lines[0]).contains("Old mill"));
    EXPECT_FALSE(textsOf(lines[1]).contains("Old mill"));
    const ProgramRun given =
        runCli({"render", "--layout-json", titled, "--title", "Quay", "-o", out("given.pdf")});
    EXPECT_TRUE(textsOf(given.out).contains("Quay"));
    EXPECT_FALSE(textsOf(given.out).contains("Old mill"));
}

// Without --settings the command line reads the window's settings file, or before the
// window took it over, the one older versions kept; --settings names another.
TEST_F(RenderCommandTest, TheWindowsSettingsFileIsReadUnlessAnotherIsNamed) {
    QTemporaryDir home;
    const auto photographerIn = [&](const QStringList& options) {
        const ProgramRun run =
            runProgram(QStringLiteral(KESTAVOLIN_CLI),
                       QStringList{"render", "--layout-json", sample, "-o", out("s.png")} + options,
                       QString(), 0, home.path());
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return QString::fromUtf8(run.out);
    };
    const auto settingsWith = [](const QString& path, const QString& photographer) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_TRUE(
            PropertyList::writeXmlFile(path, {{QStringLiteral("photographer"), photographer}}));
    };
    EXPECT_TRUE(photographerIn({}).contains(QStringLiteral("Photographer")));
    settingsWith(home.filePath("Documents/kestavolin.plist"), QStringLiteral("Old Hand"));
    EXPECT_TRUE(photographerIn({}).contains(QStringLiteral("Old Hand")));
    settingsWith(home.filePath(".config/kestavolin/kestavolin.plist"),
                 QStringLiteral("Ann Example"));
    EXPECT_TRUE(photographerIn({}).contains(QStringLiteral("Ann Example")));
    settingsWith(home.filePath("other.plist"), QStringLiteral("Kim Doe"));
    EXPECT_TRUE(photographerIn({"--settings", home.filePath("other.plist")})
                    .contains(QStringLiteral("Kim Doe")));
}

// Qt's file classes take a name beginning with ':' for a resource of the program; on
// the command line it names a file of the working folder wherever a path is taken.
TEST_F(RenderCommandTest, PathsBeginningWithAColonNameFilesOfTheWorkingFolder) {
    const QString here = folder.path() + '/';
    ASSERT_TRUE(QFile::copy(sample, here + ":r.jpg"));
    for (const auto& [name, content] :
         {std::pair{":sheet.csv", QByteArray("file,title\n:r.jpg,Colon\n")},
          {":settings.plist", "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>"
                              "photographer</key><string>Kim</string></dict></plist>"}}) {
        QFile file(here + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    const ProgramRun run = runProgram(QStringLiteral(KESTAVOLIN_CLI),
                                      {"render", "--layout-json", "--settings", ":settings.plist",
                                       "--captions", ":sheet.csv", "-o", ":labels.pdf"},
                                      folder.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(run.out).object().value("file").toString(), here + ":r.jpg");
    EXPECT_TRUE(textsOf(run.out).contains("Colon"));
    EXPECT_TRUE(textsOf(run.out).contains("Kim"));
    EXPECT_TRUE(QFile::exists(here + ":labels.pdf"));
    EXPECT_EQ(
        runProgram(QStringLiteral(KESTAVOLIN_CLI), {"info", ":r.jpg"}, folder.path()).exitCode, 0);
}

// The Roll 60 square keeps every text inside its inner frame, whatever the face: long
// texts are set smaller and shortened, and each shortened text is told once.
TEST_F(RenderCommandTest, RollTextsStayInsideTheInnerFrameAndEachShortenedOneIsTold) {
    const QString photo = out("IMG_20240101_123456_a_long_file_name_from_a_phone_camera.jpg");
    ASSERT_TRUE(QFile::copy(sample, photo));
    const QRectF innerFrame(8, 8, 154, 154);
    const QStringList longTexts{
        "--medium",
        "Roll 60",
        "--title",
        "The long title of a photograph that runs far past the frame of its label",
        "--photographer",
        "Bartholomew Featherstonehaugh-Smythe of the Harbour Club",
        photo};
    for (const char* font : {"Helvetica", "DejaVuSerif", "NotoSerifCJKjp-Regular"}) {
        const ProgramRun run = runCli(QStringList{"render", "--layout-json", "--font", font} +
                                      longTexts + QStringList{"-o", out("roll.pdf")});
        ASSERT_EQ(run.exitCode, 0) << font << run.err.toStdString();
        QStringList shortened;
        for (const auto& value :
             QJsonDocument::fromJson(run.out).object().value("texts").toArray()) {
            const QJsonObject text = value.toObject();
            const QString field = text.value("field").toString();
            const double x = text.value("x").toDouble();
            const double y = text.value("y").toDouble();
            EXPECT_GE(x, innerFrame.left()) << font << qPrintable(field);
            EXPECT_LE(x + text.value("width").toDouble(), innerFrame.right()) << font;
            EXPECT_GE(y, innerFrame.top()) << font << qPrintable(field);
            EXPECT_LE(y + text.value("fontSize").toDouble(), innerFrame.bottom()) << font;
            if (text.value("text").toString().endsWith(QStringLiteral("…")))
                shortened << field;
        }
        EXPECT_EQ(shortened, QStringList({"titleString", "authorString", "fileNameStr"})) << font;
        const QList<QByteArray> warnings = run.err.trimmed().split('\n');
        ASSERT_EQ(warnings.size(), 3) << run.err.toStdString();
        for (const QByteArray& warning : warnings) {
            EXPECT_TRUE(warning.startsWith("kestavolin-cli render: " + photo.toUtf8()));
            EXPECT_TRUE(warning.contains("…")) << warning.toStdString();
        }
    }
    // print tells them alike before it sends the job, here to a queue that is not there.
    const std::optional<QByteArray> cupsServer = qEnvironmentVariableIsSet("CUPS_SERVER")
                                                     ? std::optional(qgetenv("CUPS_SERVER"))
                                                     : std::nullopt;
    qputenv("CUPS_SERVER", "localhost:1");
    const ProgramRun print = runCli(QStringList{"print", "--printer", "nowhere"} + longTexts);
    if (cupsServer)
        qputenv("CUPS_SERVER", *cupsServer);
    else
        qunsetenv("CUPS_SERVER");
    EXPECT_EQ(print.exitCode, 1);
    const QList<QByteArray> lines = print.err.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4) << print.err.toStdString();
    for (qsizetype line = 0; line < 3; ++line)
        EXPECT_TRUE(lines[line].startsWith("kestavolin-cli print: " + photo.toUtf8()));
}

TEST_F(RenderCommandTest, BadOptionsAreUsageErrors) {
    for (const QStringList& arguments :
         {QStringList{"render", sample}, QStringList{"render", sample, "-o", out("x.jpg")},
          QStringList{"render", "--medium", "Roll 61", sample, "-o", out("x.pdf")},
          QStringList{"render", "--dpi", "0", sample, "-o", out("x.png")},
          QStringList{"render", "--show", "Lens", sample, "-o", out("x.pdf")},
          QStringList{"render", "--bogus", sample, "-o", out("x.pdf")}}) {
        const ProgramRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty()) << "nothing written";
}

TEST_F(RenderCommandTest, OutputAndMessagesDoNotDependOnTheNumberOfJobs) {
    QFile photo(sample);
    ASSERT_TRUE(photo.open(QIODevice::ReadOnly));
    const QByteArray bytes = photo.readAll();
    const std::pair<const char*, QByteArray> files[] = {
        {"a.jpg", bytes}, {"cut.jpg", bytes.left(300)},
        {"b.jpg", bytes}, {"hostile.jpg", HostileJpeg::makeWithExif()},
        {"c.jpg", bytes}, {"d.jpg", bytes}};
    for (const auto& [name, content] : files) {
        QFile copy(out(name));
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write(content);
    }
    // Sheet rows 3 and 4 fail, rows 5 and 7 carry a character no installed face
    // draws, row 6 is made without its picture; the titles tell the labels apart.
    QFile sheet(out("show.csv"));
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.write("file,title\n"
                "a.jpg,One\n"
                "cut.jpg,Two\n"
                "gone.jpg,\xF4\x8F\xBF\xBD Three\n"
                "b.jpg,\xE5\xAF\x8C\xE5\xA3\xAB\xE5\xB1\xB1 \xF4\x8F\xBF\xBD\n"
                "hostile.jpg,Five\n"
                "c.jpg,Six \xF4\x8F\xBF\xBD\n"
                "d.jpg,Seven\n");
    sheet.close();

    struct Output {
        ProgramRun pdfRun;
        std::optional<PdfPages> pdf;
        QList<QByteArray> pngs;
    };
    std::vector<Output> outputs;
    for (const QString jobs : {"1", "3"}) {
        ASSERT_TRUE(QDir(folder.path()).mkdir(jobs));
        const QString base = folder.filePath(jobs + "/labels");
        Output output;
        output.pdfRun = runCli({"render", "--jobs", jobs, "--layout-json", "--no-translations",
                                "--captions", out("show.csv"), "-o", base + ".pdf"});
        output.pdf = readPdfPages(base + ".pdf");
        const ProgramRun pngRun =
            runCli({"render", "--jobs", jobs, "--no-translations", "--dpi", "150", "--captions",
                    out("show.csv"), "-o", base + ".png"});
        EXPECT_EQ(pngRun.exitCode, 1);
        EXPECT_EQ(pngRun.err, output.pdfRun.err) << "the same messages for PNG files";
        for (const char* number : {"1", "4", "5", "6", "7"}) {
            QFile png(folder.filePath(jobs + "/labels-" + number + ".png"));
            EXPECT_TRUE(png.open(QIODevice::ReadOnly)) << png.fileName().toStdString();
            output.pngs.append(png.readAll());
        }
        outputs.push_back(output);
    }

    const Output& one = outputs.front();
    EXPECT_EQ(one.pdfRun.exitCode, 1);
    if (!one.pdf)
        GTEST_SKIP() << "poppler's tools are not installed";
    ASSERT_EQ(one.pdf->drawn.size(), 5);
    const QList<QByteArray> lines = one.pdfRun.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 7) << "one layout line per row";
    const char* inOrder[] = {"a.jpg",       "cut.jpg", "gone.jpg", "b.jpg",
                             "hostile.jpg", "c.jpg",   "d.jpg"};
    for (qsizetype row = 0; row < lines.size(); ++row) {
        const QJsonObject line = QJsonDocument::fromJson(lines[row]).object();
        EXPECT_TRUE(line.value("file").toString().endsWith(inOrder[row])) << lines[row].data();
        EXPECT_EQ(line.contains("error"), row == 1 || row == 2) << lines[row].data();
    }
    // Each photograph's messages come in its row's place (as keys: --no-translations).
    const QString err = QString::fromUtf8(one.pdfRun.err);
    const qsizetype cut = err.indexOf("cliSheetRowFailure (3, cliMetadataNotReadMsg");
    const qsizetype gone = err.indexOf("cliSheetRowFailure (4, cliNotReadMsg");
    const qsizetype japanese = err.indexOf("cliNoGlyphWarning (" + out("b.jpg"));
    const qsizetype hostile = err.indexOf("cliWithoutPictureWarning (" + out("hostile.jpg"));
    const qsizetype six = err.indexOf("cliNoGlyphWarning (" + out("c.jpg"));
    EXPECT_TRUE(0 <= cut && cut < gone && gone < japanese && japanese < hostile && hostile < six)
        << err.toStdString();

    for (std::size_t index = 1; index < outputs.size(); ++index) {
        const Output& many = outputs[index];
        EXPECT_EQ(many.pdfRun.exitCode, one.pdfRun.exitCode);
        EXPECT_EQ(many.pdfRun.out, one.pdfRun.out) << "layout lines with --jobs " << index;
        EXPECT_EQ(many.pdfRun.err, one.pdfRun.err) << "messages with --jobs " << index;
        // Pages drawn by several threads are the same pages in the same order.
        EXPECT_EQ(many.pdf->complaints, QByteArray());
        EXPECT_TRUE(many.pdf->drawn == one.pdf->drawn) << "the PDF pages with --jobs " << index;
        EXPECT_EQ(many.pdf->sizes, one.pdf->sizes);
        EXPECT_EQ(many.pdf->text, one.pdf->text);
        EXPECT_TRUE(many.pngs == one.pngs) << "the PNG files with --jobs " << index;
    }
}

// The peak any single photograph may cost the whole process, address space included.
constexpr rlim_t memoryTargetBytes = 600ULL * 1024 * 1024;

// A sanitizer build reserves terabytes of address space for its shadow memory, so a
// limit on the address space says nothing there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool addressSpaceIsLimitable = false;
#else
constexpr bool addressSpaceIsLimitable = true;
#endif

// kestavolin-cli under a hard address-space limit.
ProgramRun runWithin(rlim_t limitBytes, const QStringList& arguments) {
    return runProgram(QStringLiteral(KESTAVOLIN_CLI), arguments, QString(), limitBytes);
}

TEST_F(RenderCommandTest, HostileJpegsStayWithinTheMemoryTargetWithAnyJobs) {
    if (!addressSpaceIsLimitable)
        GTEST_SKIP() << "a sanitizer build cannot run under an address-space limit";
    const QByteArray withExif = HostileJpeg::makeWithExif();
    const QByteArray withoutExif = HostileJpeg::make();
    ASSERT_LT(withExif.size(), 4000);
    for (const auto& [name, bytes] : {std::pair{"exif.jpg", withExif}, {"bare.jpg", withoutExif}}) {
        QFile file(out(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    for (const char* jobs : {"1", "4"}) {
        // A decode past the target would fail its allocation, and the decoder would
        // say so on standard error.
        const ProgramRun run =
            runWithin(memoryTargetBytes, {"render", "--jobs", jobs, out("exif.jpg"),
                                          out("bare.jpg"), sample, "-o", out("labels.pdf")});
        const std::string err = run.err.toStdString();
        EXPECT_EQ(run.exitCode, 1) << "the file without Exif has no label; " << err;
        EXPECT_TRUE(run.err.contains("exif.jpg: the label is made without its picture")) << err;
        EXPECT_FALSE(run.err.contains("bare.jpg: the label is made without"))
            << "a file without metadata is never decoded";
        EXPECT_FALSE(run.err.contains("Insufficient memory") || run.err.contains("allocation"))
            << err;
    }
}

TEST_F(RenderCommandTest, PeakMemoryOfOnePdfStaysFlatWithTheNumberOfPhotographs) {
    // The same address space as one photograph takes, plus a margin far below what
    // holding the batch's pages in memory would add.
    constexpr rlim_t limit = 192ULL * 1024 * 1024;
    constexpr rlim_t margin = 32ULL * 1024 * 1024;
    if (!addressSpaceIsLimitable)
        GTEST_SKIP() << "a sanitizer build cannot run under an address-space limit";
    if (runWithin(limit - margin, {"render", "--jobs", "1", sample, "-o", out("one.pdf")})
            .exitCode != 0)
        GTEST_SKIP() << "one label takes more than " << (limit - margin) / 1024 / 1024
                     << " MiB of address space here; the batch check would say nothing";
    QStringList arguments{"render", "--jobs", "1", "-o", out("batch.pdf")};
    for (int i = 0; i < 600; ++i) {
        const QString link = out("photo-%1.jpg").arg(i);
        ASSERT_TRUE(QFile::link(sample, link));
        arguments.append(link);
    }
    EXPECT_EQ(runWithin(limit, arguments).exitCode, 0);
    EXPECT_TRUE(QFile::exists(out("batch.pdf")));
}

TEST_F(RenderCommandTest, FullDiskKeepsTheOldOutputAndSaysWhy) {
    const QString disk = out("disk");
    const SmallFileSystem fileSystem(disk);
    if (!fileSystem.mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root; the full-disk case is not tested";
    for (const QString name : {"labels.pdf", "label.png"}) {
        QFile old(disk + '/' + name);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the previous labels");
    }
    ASSERT_TRUE(fileSystem.fill());
    // Four pages into one PDF, one label into one PNG.
    for (const QStringList& arguments :
         {QStringList{"render", sample, sample, sample, sample, "-o", disk + "/labels.pdf"},
          QStringList{"render", "--dpi", "1200", sample, "-o", disk + "/label.png"}}) {
        const ProgramRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.last().toStdString();
        EXPECT_TRUE(run.err.contains("No space left on device")) << run.err.toStdString();
        QFile old(arguments.last());
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), "the previous labels");
    }
    EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden),
              QStringList({"filler", "label.png", "labels.pdf"}))
        << "no draft or temporary file is left behind";
}

} // namespace
