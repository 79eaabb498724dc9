// The kestavolin-cli on the path hands dump and info to a program linked with Qt Core
// only, render to the program that draws labels without the printing libraries and
// the rest to the complete program: whichever runs a request, the user sees the same
// output and exit status, and each program loads only the libraries its requests need.

#include "ProgramRun.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString frontEnd = QStringLiteral(KESTAVOLIN_CLI);
const QString metadata = QStringLiteral(KESTAVOLIN_METADATA_CLI);
const QString render = QStringLiteral(KESTAVOLIN_RENDER_CLI);
const QString complete = QStringLiteral(KESTAVOLIN_COMPLETE_CLI);
const QString sample = QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg");

TEST(CliFrontEnd, AnswersEveryRequestAsTheCompleteProgramDoes) {
    const QString missing = QStringLiteral("/nonexistent/photo.jpg");
    QTemporaryDir folder;
    const QString label = folder.filePath(QStringLiteral("label.png"));
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
        {"render", "--layout-json", "--no-translations", sample, missing, "-o", label},
        {"render", "--help"},
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

// Each command's help starts with its usage line, naming the command and what it
// cannot do without, as the list of commands shows it (the manual page's synopsis).
TEST(CliFrontEnd, EachCommandsHelpStartsWithItsUsageLine) {
    const QList<QByteArray> listed = runProgram(frontEnd, {"--help"}).out.split('\n');
    const QRegularExpression summary(QStringLiteral("\\s{2,}.*$"));
    int commands = 0;
    for (const QByteArray& line : listed) {
        if (!line.startsWith("  "))
            continue;
        const QString synopsis = QString::fromUtf8(line.trimmed()).remove(summary);
        const QString command = synopsis.section(u' ', 0, 0);
        const ProgramRun help = runProgram(frontEnd, {command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command.toStdString();
        QString usage = QString::fromUtf8(help.out.left(help.out.indexOf('\n')));
        EXPECT_EQ(usage.remove(summary).toStdString(),
                  "Usage: kestavolin-cli " + synopsis.toStdString());
        ++commands;
    }
    EXPECT_EQ(commands, 4);
    const ProgramRun render = runProgram(frontEnd, {"render", "--help"});
    EXPECT_TRUE(render.out.startsWith("Usage: kestavolin-cli render [OPTIONS] FILE... -o OUT"))
        << render.out.toStdString();
    EXPECT_TRUE(runProgram(frontEnd, {"print", "--help"})
                    .out.startsWith("Usage: kestavolin-cli print [OPTIONS] FILE|--captions SHEET "
                                    "--printer "));
}

// The libraries a program names in its dynamic section.
QString neededLibraries(const QString& program) {
    const ProgramRun dynamicSection = runProgram(QStringLiteral("readelf"), {"--dynamic", program});
    EXPECT_EQ(dynamicSection.exitCode, 0) << dynamicSection.err.toStdString();
    return QString::fromUtf8(dynamicSection.out);
}

// The front end needs no Qt library; dump and info need Qt Core only; render needs
// neither the print service's client nor Qt's printing and widget libraries nor exiv2.
// PDF files are finished and joined by the programs' own code, so no program loads a
// PDF library.
TEST(CliFrontEnd, EachProgramLinksOnlyWhatItsCommandsNeed) {
    const QString needed = neededLibraries(frontEnd);
    EXPECT_FALSE(needed.contains("libQt6")) << needed.toStdString();
    const QString metadataNeeds = neededLibraries(metadata);
    EXPECT_TRUE(metadataNeeds.contains("libQt6Core")) << metadataNeeds.toStdString();
    EXPECT_FALSE(metadataNeeds.contains(QRegularExpression("libQt6(Gui|Widgets|PrintSupport|Svg)")))
        << metadataNeeds.toStdString();
    const QString renderNeeds = neededLibraries(render);
    EXPECT_TRUE(renderNeeds.contains("libQt6Gui")) << renderNeeds.toStdString();
    EXPECT_FALSE(
        renderNeeds.contains(QRegularExpression("cups|libQt6(Widgets|PrintSupport)|exiv2")))
        << renderNeeds.toStdString();
    const QString completeNeeds = neededLibraries(complete);
    EXPECT_TRUE(completeNeeds.contains("cups") && completeNeeds.contains("exiv2"))
        << completeNeeds.toStdString();
    const QString application = neededLibraries(QStringLiteral(KESTAVOLIN_APP));
    EXPECT_TRUE(application.contains("libQt6Widgets")) << application.toStdString();
    for (const QString& program : {needed, metadataNeeds, renderNeeds, completeNeeds, application})
        EXPECT_FALSE(program.contains("qpdf")) << program.toStdString();
}

} // namespace
