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
        } else if (argument == "--backup" || argument == "--backups" || argument == "--restore") {
            if (line.action != CommandLine::Action::Run) {
                return fail("--backup, --backups and --restore go one at a time");
            }
            if (argument == "--restore") {
                if (i + 1 == arguments.size()) {
                    return fail("--restore needs a backup file");
                }
                line.restoreFile = arguments[++i];
            }
            line.action = argument == "--backup"    ? CommandLine::Action::Backup
                          : argument == "--backups" ? CommandLine::Action::Backups
                                                    : CommandLine::Action::Restore;
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
           "       " +
           program +
           " --backup | --backups | --restore FILE [--data-folder DIR]\n"
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
           "  --backup            make a backup of the data folder now, without windows.\n"
           "  --backups           list the backups: date, size and what each holds.\n"
           "  --restore FILE      restore a backup into the data folder (the present state is\n"
           "                      backed up first). These three refuse to work while the\n"
           "                      program runs with the same data folder. The backups go to\n"
           "                      the folder beside the data folder named after it with\n"
           "                      \".backups\", unless another was chosen in the program.\n"
           "  -h, --help          print this text and exit.\n";
}

} // namespace kestrelon
