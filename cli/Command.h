#pragma once

#include <functional>
#include <string>
#include <vector>

// A subcommand of kestavolin-cli. Each subcommand's source file registers itself
// with a static CommandRegistration, so the dispatcher needs no list of its own.
struct CliCommand {
    std::string name;
    std::string usage; // one line, shown by "kestavolin-cli --help"
    std::function<int(const std::vector<std::string>& args)> run; // args exclude the name
};

const std::vector<CliCommand>& registeredCommands();
// The registered command of that name, or null.
const CliCommand* findCommand(const std::string& name);

struct CommandRegistration {
    explicit CommandRegistration(CliCommand command);
};
