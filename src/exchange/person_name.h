#pragma once
// A person's full name as the electronic documents need it: surname, name and patronymic
// written out, never initials. The texts are cp1251 where the program keeps them and UTF-8 in
// the document built for writing.

#include <optional>
#include <string>
#include <string_view>

namespace kestrelon {

struct PersonName {
    std::string surname;
    std::string name;
    std::string patronymic; // may be empty: not everybody has one

    bool operator==(const PersonName&) const = default;
};

// The longest part the format takes.
inline constexpr std::size_t kMaxNamePartLength = 60;

// "Иванов Иван Иванович" or "Иванов Иван": two or three words separated by blanks, none of
// them an initial (no point) and none longer than the format takes. "Иванов И.И." and anything
// else give nothing. cp1251 text in, cp1251 parts out.
std::optional<PersonName> fullNameFromText(std::string_view text);

// The words before the first blank: the surname of "Иванов И.И.".
std::string surnameOf(std::string_view text);

// The text without the blanks and tabs around it, as a value copied from a letter brings them.
std::string trimmedText(std::string_view text);

} // namespace kestrelon
