#include "ProgramRun.h"

#include <QProcess>
#include <QTemporaryDir>

ProgramRun runProgram(const QString& program, const QStringList& arguments, const QString& folder,
                      rlim_t addressSpaceLimit, const QString& home) {
    static const QTemporaryDir testsHome;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString homeFolder = home.isEmpty() ? testsHome.path() : home;
    environment.insert(QStringLiteral("HOME"), homeFolder);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), homeFolder + QStringLiteral("/.config"));
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    if (addressSpaceLimit) {
        process.setChildProcessModifier([addressSpaceLimit] {
            const rlimit limit{addressSpaceLimit, addressSpaceLimit};
            ::setrlimit(RLIMIT_AS, &limit);
        });
    }
    process.start(program, arguments);
    ProgramRun result;
    if (!process.waitForFinished(300000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
