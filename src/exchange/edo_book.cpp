#include "edo_book.h"

#include "store/data_store.h"
#include "store/image_file.h"

#include <algorithm>

namespace kestrelon {

std::string EdoBook::participantId(std::string_view inn) const {
    if (inn.empty()) {
        return {};
    }
    for (const EdoParticipant& p : Participants) {
        if (!p.Inn.empty() && p.Inn == inn) {
            return p.Id.str();
        }
    }
    return {};
}

bool EdoBook::setParticipantId(std::string_view inn, std::string_view id) {
    if (inn.empty()) {
        return false;
    }
    auto same = std::find_if(Participants.begin(), Participants.end(),
                             [&](const auto& p) { return !p.Inn.empty() && p.Inn == inn; });
    if (same == Participants.end()) {
        if (id.empty()) {
            return true;
        }
        same = std::find_if(Participants.begin(), Participants.end(),
                            [](const auto& p) { return p.Inn.empty(); });
        if (same == Participants.end()) {
            return false;
        }
    }
    if (id.empty()) {
        *same = EdoParticipant{};
        return true;
    }
    same->Inn = inn;
    same->Id = id;
    return true;
}

std::optional<PersonName> EdoBook::signerFor(std::string_view director) const {
    if (director.empty() || Signer.Director.empty() || !(Signer.Director == director) ||
        Signer.Surname.empty() || Signer.Name.empty()) {
        return std::nullopt;
    }
    return PersonName{Signer.Surname.str(), Signer.Name.str(), Signer.Patronymic.str()};
}

void EdoBook::setSigner(std::string_view director, const PersonName& name) {
    Signer = EdoSigner{};
    Signer.Director = director;
    Signer.Surname = name.surname;
    Signer.Name = name.name;
    Signer.Patronymic = name.patronymic;
}

std::string participantIdProblem(std::string_view id) {
    if (id.size() < 4 || id.size() > 46) {
        return "должен быть длиной от 4 до 46 знаков";
    }
    const auto allowed = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               c == '-';
    };
    if (!std::all_of(id.begin(), id.end(), allowed) || id.front() == '-') {
        return "может содержать только латинские буквы, цифры и дефисы";
    }
    return {};
}

EdoBook loadEdoBook(const std::string& dataFolder) {
    EdoBook book;
    loadImage(dataFolder, files::kEdo, book);
    return book;
}

void saveEdoBook(const std::string& dataFolder, const EdoBook& book) {
    saveImage(dataFolder, files::kEdo, book);
}

} // namespace kestrelon
