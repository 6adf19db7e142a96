#include "long_names.h"

#include "store/cp1251.h"

#include <array>

namespace kestrelon::test {

std::string sampleName(std::size_t length, NameForm form) {
    static const std::array<std::string, 12> words{
        "Агентство"_cp,     "связи"_cp, "Меридиан-Телеком"_cp, "Северо-Западного"_cp,
        "региона"_cp,       "и"_cp,     "прилегающих"_cp,      "территорий"_cp,
        "Ленинградской"_cp, "и"_cp,     "Псковской"_cp,        "областей"_cp};
    std::string name;
    for (std::size_t i = 0; name.size() < length; ++i) {
        switch (form) {
        case NameForm::Words:
            name += (name.empty() ? "" : " ") + words[i % words.size()];
            break;
        case NameForm::OneWord:
            name += words[i % words.size()];
            break;
        case NameForm::Widest:
            name += "Ш"_cp;
            break;
        }
    }
    name.resize(length);
    if (name.back() == ' ') {
        name.back() = "А"_cp[0];
    }
    return name;
}

const char* nameFormName(NameForm form) {
    switch (form) {
    case NameForm::Words:
        return "in words";
    case NameForm::OneWord:
        return "one word";
    case NameForm::Widest:
        return "widest letters";
    }
    return "";
}

} // namespace kestrelon::test
