#include "CommandArguments.h"

#include "platform/FileNames.h"

QStringList commandArguments(const char* command, const std::vector<std::string>& args) {
    QStringList arguments{QStringLiteral("kestavolin-cli %1").arg(QLatin1String(command))};
    for (const std::string& arg : args)
        arguments.append(FileNames::fromNative(QByteArray::fromStdString(arg)));
    return arguments;
}
