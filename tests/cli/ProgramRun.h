#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a program run by a test wrote and how it ended.
struct ProgramRun {
    // -1 when the program did not end within two minutes or did not end normally.
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the program with the arguments, in folder when one is given.
ProgramRun runProgram(const QString& program, const QStringList& arguments,
                      const QString& folder = QString());

// kestavolin-cli as installed on the path.
inline ProgramRun runCli(const QStringList& arguments) {
    return runProgram(QStringLiteral(KESTAVOLIN_CLI), arguments);
}
