#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Runs kestavolin-cli with the arguments through the shell in folder, so that a glob
// hands over a file name byte for byte (QProcess would re-encode it as UTF-8).
ProgramRun runInFolder(const QString& folder, const QString& arguments) {
    return runProgram(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("\"$0\" ") + arguments,
                       QStringLiteral(KESTAVOLIN_CLI)},
                      folder);
}

// A copy of the sample photograph under a name given as raw bytes.
bool copySampleAs(const QString& folder, const QByteArray& name) {
    QFile sample(QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg"));
    if (!sample.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = sample.readAll();
    const int fd = ::open((QFile::encodeName(folder) + '/' + name).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), bytes.size()) == bytes.size();
    return ::close(fd) == 0 && written;
}

TEST(InputNames, NamesThatAreNotUtf8ReachEverySubcommand) {
    QTemporaryDir folder;
    ASSERT_TRUE(copySampleAs(folder.path(), "caf\xe9 \xe0 Par\xeds.jpg")); // Latin-1

    const ProgramRun info = runInFolder(folder.path(), QStringLiteral("info --json caf*.jpg"));
    EXPECT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("Canon EOS 40D")) << info.out.toStdString();

    const ProgramRun dump = runInFolder(folder.path(), QStringLiteral("dump caf*.jpg"));
    EXPECT_EQ(dump.exitCode, 0) << dump.err.toStdString();

    const ProgramRun render =
        runInFolder(folder.path(), QStringLiteral("render caf*.jpg -o l.pdf"));
    EXPECT_EQ(render.exitCode, 0) << render.err.toStdString();
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("l.pdf"))));

    // Files are made only under names Qt can write; others are refused up front.
    const ProgramRun output =
        runInFolder(folder.path(), QStringLiteral("render caf*.jpg -o \"$(printf 'x\\351.pdf')\""));
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_TRUE(output.err.contains("encoding")) << output.err.toStdString();
}

} // namespace
