// The kestavolin-cli on the path runs dump and info itself and hands the rest to the
// complete program: whichever runs a request, the user sees the same output and exit
// status, and the front end stays free of the GUI libraries that made it slow.

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProgramRun runProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    ProgramRun result;
    if (!process.waitForFinished(120000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

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
        {"dump", sample},
        {"dump", "--detailed", sample, missing},
        {"dump", "--bogus"},
        {"info", sample},
        {"info", "--json", "--no-translations", sample, missing},
        {"info", "--help"},
        {"info"},
        {"render", "--help"},
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

TEST(CliFrontEnd, NeedsNoGuiLibrary) {
    const ProgramRun dynamicSection =
        runProgram(QStringLiteral("readelf"), {"--dynamic", frontEnd});
    ASSERT_EQ(dynamicSection.exitCode, 0) << dynamicSection.err.toStdString();
    const QString needed = QString::fromUtf8(dynamicSection.out);
    EXPECT_TRUE(needed.contains("libQt6Core")) << needed.toStdString();
    EXPECT_FALSE(needed.contains(QRegularExpression("libQt6(Gui|Widgets|PrintSupport|Svg)|qpdf")))
        << needed.toStdString();
}

} // namespace
