// The kestavolin-cli on the path runs dump and info itself and hands the rest to the
// complete program: whichever runs a request, the user sees the same output and exit
// status, and the front end stays free of the GUI libraries that made it slow.

#include "ProgramRun.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString frontEnd = QStringLiteral(KESTAVOLIN_CLI);
const QString complete = QStringLiteral(KESTAVOLIN_COMPLETE_CLI);
const QString sample = QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg");

TEST(CliFrontEnd, AnswersEveryRequestAsTheCompleteProgramDoes) {
    const QString missing = QStringLiteral("/nonexistent/photo.jpg");
    const QList<QStringList> requests{
        {},
        {"--help"},
        {"--version"},
        {"unknown"},
        {"dump", "--detailed", sample, missing},
        {"dump", "--bogus"},
        {"info", "--json", "--no-translations", sample, missing},
        {"info"},
        {"render", sample},
        {"print", "--help"},
    };
    for (const QStringList& arguments : requests) {
        const ProgramRun fast = runProgram(frontEnd, arguments);
        const ProgramRun full = runProgram(complete, arguments);
        const QString request = arguments.join(' ');
        EXPECT_NE(full.exitCode, -1) << request.toStdString();
        EXPECT_EQ(fast.exitCode, full.exitCode) << request.toStdString();
        EXPECT_EQ(fast.out, full.out) << request.toStdString();
        EXPECT_EQ(fast.err, full.err) << request.toStdString();
    }
}

// A file that cannot be read, or whose metadata cannot be, ends dump and info with
// status 1 (render's own cases check it there); a usage mistake with status 2. The
// reason names the reader's code.
TEST(CliFrontEnd, EveryCommandTellsAnUnreadableFileAlike) {
    QTemporaryDir folder;
    const QString notPhoto = folder.filePath(QStringLiteral("notes.jpg"));
    QFile file(notPhoto);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("these are notes, not a photograph");
    file.close();
    const QString missing = folder.filePath(QStringLiteral("missing.jpg"));

    for (const QString& path : {notPhoto, missing}) {
        for (const QStringList& command : {QStringList{"dump"}, QStringList{"info"}}) {
            const ProgramRun run = runProgram(frontEnd, command + QStringList{path});
            EXPECT_EQ(run.exitCode, 1) << command.join(' ').toStdString() << ' '
                                       << path.toStdString() << ": " << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(path.toUtf8())) << run.err.toStdString();
        }
    }

    const ProgramRun dump = runProgram(frontEnd, {"dump", notPhoto});
    EXPECT_TRUE(dump.err.contains("not a JPEG, TIFF or PSD file with readable metadata (code -1)"))
        << dump.err.toStdString();
    const ProgramRun info = runProgram(frontEnd, {"info", "--json", "--no-translations", notPhoto});
    EXPECT_TRUE(info.out.contains("\"code\": -1")) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains("FailedOpenMsg")) << info.out.toStdString();

    for (const QStringList& arguments :
         {QStringList{"dump", "--bogus", notPhoto}, QStringList{"dump"},
          QStringList{"info", "--bogus", notPhoto}, QStringList{"info"}}) {
        const ProgramRun run = runProgram(frontEnd, arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << arguments.join(' ').toStdString();
    }
}

// The libraries a program names in its dynamic section.
QString neededLibraries(const QString& program) {
    const ProgramRun dynamicSection = runProgram(QStringLiteral("readelf"), {"--dynamic", program});
    EXPECT_EQ(dynamicSection.exitCode, 0) << dynamicSection.err.toStdString();
    return QString::fromUtf8(dynamicSection.out);
}

// The front end needs no GUI library. PDF files are finished and joined by the
// programs' own code, so neither the application nor the complete program loads a
// PDF library at start.
TEST(CliFrontEnd, NeedsNoGuiLibraryAndNoProgramLoadsAPdfLibrary) {
    const QString needed = neededLibraries(frontEnd);
    EXPECT_TRUE(needed.contains("libQt6Core")) << needed.toStdString();
    EXPECT_FALSE(needed.contains(QRegularExpression("libQt6(Gui|Widgets|PrintSupport|Svg)")))
        << needed.toStdString();
    const QString application = neededLibraries(QStringLiteral(KESTAVOLIN_APP));
    EXPECT_TRUE(application.contains("libQt6Widgets")) << application.toStdString();
    for (const QString& program : {needed, application, neededLibraries(complete)})
        EXPECT_FALSE(program.contains("qpdf")) << program.toStdString();
}

} // namespace
