#pragma once
// Organization names of any length a record holds (128 characters at most), as a bookkeeper
// might type them: in words, as one long word, or in the widest capitals.

#include <cstddef>
#include <string>

namespace kestrelon::test {

inline constexpr std::size_t kLongestName = 128;

enum class NameForm {
    Words,   // «Агентство связи Меридиан-Телеком …»
    OneWord, // «АгентствоСвязиМеридианТелеком…»
    Widest,  // «ШШШ…», the widest letter of the document fonts
};

// A cp1251 name of exactly `length` characters that neither starts nor ends with a blank.
std::string sampleName(std::size_t length, NameForm form);

const char* nameFormName(NameForm form);

} // namespace kestrelon::test
