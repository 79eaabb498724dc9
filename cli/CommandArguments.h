#pragma once

#include <QStringList>

#include <string>
#include <vector>

// The arguments of a subcommand as QCommandLineParser reads them: the program and
// command name first, then each argument (the command name excluded), with bytes that
// are not valid in the file system's encoding kept as FileNames' stand-ins so that a
// path comes back unchanged through FileNames::toNative.
QStringList commandArguments(const char* command, const std::vector<std::string>& args);
