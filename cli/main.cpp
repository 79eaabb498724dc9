// The dispatcher of kestavolin-cli's programs: the commands the program was linked with,
// the usage and the version.

#include "Command.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void printUsage(std::FILE* out) {
    std::fprintf(out, "Usage: kestavolin-cli COMMAND [OPTIONS] FILE...\n\n"
                      "Makes caption labels for photographs without a window.\n\nCommands:\n");
    for (const CliCommand& command : registeredCommands())
        std::fprintf(out, "  %s\n", command.usage.c_str());
    std::fprintf(out, "\nRun 'kestavolin-cli COMMAND --help' for a command's options.\n");
}

} // namespace

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
    if (const CliCommand* command = findCommand(first))
        return command->run(std::vector<std::string>(argv + 2, argv + argc));
    std::fprintf(stderr, "kestavolin-cli: unknown command '%s'\n", first.c_str());
    printUsage(stderr);
    return 2;
}
