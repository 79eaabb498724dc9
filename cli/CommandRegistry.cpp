#include "Command.h"

#include <algorithm>

namespace {

std::vector<CliCommand>& commandTable() {
    static std::vector<CliCommand> table;
    return table;
}

} // namespace

const std::vector<CliCommand>& registeredCommands() {
    return commandTable();
}

const CliCommand* findCommand(const std::string& name) {
    const auto& table = registeredCommands();
    const auto found = std::find_if(table.begin(), table.end(), [&](const CliCommand& command) {
        return command.name == name;
    });
    return found == table.end() ? nullptr : &*found;
}

CommandRegistration::CommandRegistration(CliCommand command) {
    auto& table = commandTable();
    table.push_back(std::move(command));
    std::sort(table.begin(), table.end(),
              [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
}
