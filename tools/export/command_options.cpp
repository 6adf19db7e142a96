#include "command_options.h"

#include "store/protected_files.h"

#include <algorithm>
#include <filesystem>

namespace kestrelon {

std::optional<CommandOptions> parseCommandOptions(const std::vector<std::string>& args,
                                                  const std::vector<std::string>& known,
                                                  std::size_t positionalCount,
                                                  const std::string& expected, std::ostream& err) {
    CommandOptions parsed;
    const auto refuse = [&err](const std::string& why) {
        err << "kestrelon-export: " << why << "\nRun kestrelon-export --help for the usage.\n";
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            parsed.positional.push_back(arg);
            continue;
        }
        if (std::find(known.begin(), known.end(), arg) == known.end()) {
            return refuse("unknown option " + arg);
        }
        if (i + 1 == args.size()) {
            return refuse(arg + " needs a value");
        }
        parsed.values[arg] = args[++i];
    }
    if (parsed.positional.size() != positionalCount) {
        return refuse(expected);
    }
    return parsed;
}

std::string dataFolderFor(const std::optional<std::string>& given, const std::string& report) {
    const std::filesystem::path folder =
        given ? std::filesystem::path(*given) : std::filesystem::absolute(report).parent_path();
    std::string path = folder.string();
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path;
}

bool refusedAsProtected(const std::vector<std::string>& outputs, const std::string& dataFolder,
                        const std::string& report, std::ostream& err) {
    for (const std::string& output : outputs) {
        if (const auto kind = protectedFileKind(output, dataFolder, {report})) {
            err << "kestrelon-export: " << protectedFileRefusal(*kind, output) << "\n";
            return true;
        }
    }
    return false;
}

} // namespace kestrelon
