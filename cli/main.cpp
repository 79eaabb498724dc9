#include "Command.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<CliCommand>& commandTable() {
    static std::vector<CliCommand> table;
    return table;
}

void printUsage(std::FILE* out) {
    std::fprintf(out, "Usage: kestavolin-cli COMMAND [OPTIONS] FILE...\n\n"
                      "Makes caption labels for photographs without a window.\n\nCommands:\n");
    for (const CliCommand& command : registeredCommands())
        std::fprintf(out, "  %s\n", command.usage.c_str());
    std::fprintf(out, "\nRun 'kestavolin-cli COMMAND --help' for a command's options.\n");
}

} // namespace

const std::vector<CliCommand>& registeredCommands() { return commandTable(); }

CommandRegistration::CommandRegistration(CliCommand command) {
    auto& table = commandTable();
    table.push_back(std::move(command));
    std::sort(table.begin(), table.end(),
              [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
}

int main(int argc, char** argv) {
    if (argc < 2) {
        printUsage(stderr);
        return 2;
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h" || first == "help") {
        printUsage(stdout);
        return 0;
    }
    if (first == "--version") {
        std::printf("kestavolin-cli %s\n", KESTAVOLIN_VERSION);
        return 0;
    }
    for (const CliCommand& command : registeredCommands()) {
        if (command.name == first)
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "kestavolin-cli: unknown command '%s'\n", first.c_str());
    printUsage(stderr);
    return 2;
}
