// The kestavolin-cli on the path. It links only the commands that need no GUI
// library (dump, info), so that they start as fast as a program linked with Qt Core
// alone. render goes to the program that draws labels without loading the printing
// libraries, exiv2 or qpdf, every other request (print, the usage, the version,
// mistakes) to the complete program, with the same arguments.

#include "Command.h"
#include "HandOver.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty()) {
        if (const CliCommand* command = findCommand(arguments.front()))
            return command->run(std::vector<std::string>(arguments.begin() + 1, arguments.end()));
    }
    const bool render = !arguments.empty() && arguments.front() == "render";
    return handOver(render ? KESTAVOLIN_RENDER_CLI : KESTAVOLIN_COMPLETE_CLI, arguments);
}
