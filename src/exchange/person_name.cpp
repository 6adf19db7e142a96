#include "person_name.h"

#include <vector>

namespace kestrelon {
namespace {

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> result;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        result.push_back(text.substr(start, end - start));
        at = end;
    }
    return result;
}

} // namespace

std::optional<PersonName> fullNameFromText(std::string_view text) {
    const std::vector<std::string_view> parts = words(text);
    if (parts.size() < 2 || parts.size() > 3) {
        return std::nullopt;
    }
    for (std::string_view part : parts) {
        // Initials, quotes and digits belong to no full name of a person (cp1251 «» too).
        if (part.find_first_of(".\"\xAB\xBB"
                               "0123456789") != std::string_view::npos ||
            part.size() > kMaxNamePartLength) {
            return std::nullopt;
        }
    }
    PersonName name{std::string(parts[0]), std::string(parts[1]), {}};
    if (parts.size() == 3) {
        name.patronymic = std::string(parts[2]);
    }
    return name;
}

std::string surnameOf(std::string_view text) {
    const std::vector<std::string_view> parts = words(text);
    return parts.empty() ? std::string() : std::string(parts[0]);
}

std::string trimmedText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

} // namespace kestrelon
