#include "command_line.h"

namespace kestrelon {

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    const auto fail = [&line](std::string why) {
        line.action = CommandLine::Action::Error;
        line.error = std::move(why);
        return line;
    };
    static const std::string kDataFolderIs = "--data-folder=";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (argument == "--close-when-shown") {
            line.closeWhenShown = true;
        } else if (argument == "--data-folder") {
            if (i + 1 == arguments.size()) {
                return fail("--data-folder needs a folder");
            }
            line.dataFolder = arguments[++i];
        } else if (argument.starts_with(kDataFolderIs)) {
            line.dataFolder = argument.substr(kDataFolderIs.size());
        } else {
            return fail("unknown argument: " + argument);
        }
        if (line.dataFolder.empty() && argument.starts_with("--data-folder")) {
            return fail("--data-folder needs a folder");
        }
    }
    return line;
}

std::string usageText(const std::string& program) {
    return "Usage: " + program +
           " [--data-folder DIR] [--close-when-shown]\n"
           "\n"
           "Kestrelon, the agent's reports, invoices and acts.\n"
           "\n"
           "  --data-folder DIR   keep the data files in DIR (created when missing) instead of\n"
           "                      the executable's folder. The picture files and the help are\n"
           "                      read from DIR when it has them, else from beside the\n"
           "                      executable. The installed launcher passes\n"
           "                      $XDG_DATA_HOME/kestrelon (~/.local/share/kestrelon).\n"
           "  --close-when-shown  close the main window as soon as it is shown (checks that\n"
           "                      an installed copy starts).\n"
           "  -h, --help          print this text and exit.\n";
}

} // namespace kestrelon
