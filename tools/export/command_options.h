#pragma once
// The arguments of a kestrelon-export command: positional ones and "--name VALUE" options, in
// any order.

#include "store/utf8_text.h"
#include <map>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kestrelon {

struct CommandOptions {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values; // by the option's name, "--" included

    // A text option (an id, a name, a number) as the command line gives it: UTF-8, to be put
    // into the records' encoding where a record takes it.
    std::optional<Utf8Text> text(const std::string& name) const {
        const std::optional<std::string> given = value(name);
        return given ? std::optional(Utf8Text::fromUtf8(*given)) : std::nullopt;
    }
    // A path option: the bytes the system takes.
    std::optional<std::string> value(const std::string& name) const {
        const auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
};

// Nothing, after saying why on `err`, for an option not in `known`, an option without its
// value, or another count of positional arguments than `positionalCount`.
std::optional<CommandOptions> parseCommandOptions(const std::vector<std::string>& args,
                                                  const std::vector<std::string>& known,
                                                  std::size_t positionalCount,
                                                  const std::string& expected, std::ostream& err);

// The data folder of a command, with its trailing "/": the one given with --data-folder, else
// the report's own folder, where the program saves it.
std::string dataFolderFor(const std::optional<std::string>& given, const std::string& report);

// Says on `err` and returns true when an output would take the place of the report being read,
// of any *.rep, or of a table of the data folder.
bool refusedAsProtected(const std::vector<std::string>& outputs, const std::string& dataFolder,
                        const std::string& report, std::ostream& err);

} // namespace kestrelon
