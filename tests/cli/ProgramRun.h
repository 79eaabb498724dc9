#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

// What a program run by a test wrote and how it ended.
struct ProgramRun {
    // -1 when the program did not end within five minutes or did not end normally.
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the program with the arguments, in folder when one is given, and under a hard
// address-space limit when one is given: an allocation past it fails instead of
// succeeding. The program's home and configuration folder are the tests' own, holding
// no settings unless home names another.
ProgramRun runProgram(const QString& program, const QStringList& arguments,
                      const QString& folder = QString(), rlim_t addressSpaceLimit = 0,
                      const QString& home = QString());

// kestavolin-cli as installed on the path.
inline ProgramRun runCli(const QStringList& arguments) {
    return runProgram(QStringLiteral(KESTAVOLIN_CLI), arguments);
}
