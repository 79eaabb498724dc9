#include "ProgramRun.h"

#include <QProcess>

ProgramRun runProgram(const QString& program, const QStringList& arguments, const QString& folder,
                      rlim_t addressSpaceLimit) {
    QProcess process;
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
