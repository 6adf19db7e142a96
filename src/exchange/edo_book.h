#pragma once
// What the EDO export remembers from month to month, typed once: each organization's EDO
// participant id (given to it by its operator, «2BM-…», «2BE-…») and the full name of the
// director who signs, where the agent contract holds only his initials. One whole-image file
// of the data folder ("Edo"), written through a temporary file as the tables are; no table
// changes its layout for it. Texts are cp1251, as in every record.

#include "person_name.h"
#include "store/short_str.h"

#include <array>
#include <string>
#include <string_view>

namespace kestrelon {

struct EdoParticipant {
    ShortStr<12> Inn; // empty: a free entry
    ShortStr<46> Id;
};
static_assert(sizeof(EdoParticipant) == 60);

struct EdoSigner {
    ShortStr<36> Director; // the agent contract's text the name spells out; empty: none kept
    ShortStr<60> Surname;
    ShortStr<60> Name;
    ShortStr<60> Patronymic;
};
static_assert(sizeof(EdoSigner) == 220);

struct EdoBook {
    static constexpr std::size_t kParticipants = 64;
    std::array<EdoParticipant, kParticipants> Participants{};
    EdoSigner Signer{};

    // The id kept for the INN, empty when none is.
    std::string participantId(std::string_view inn) const;
    // Keeps the id for the INN, replacing an earlier one; an empty id forgets it. False when
    // every entry is taken by other organizations.
    bool setParticipantId(std::string_view inn, std::string_view id);

    // The full name kept for the director's text as the agent contract holds it.
    std::optional<PersonName> signerFor(std::string_view director) const;
    void setSigner(std::string_view director, const PersonName& name);
};
static_assert(sizeof(EdoBook) == 64 * 60 + 220);

// An EDO participant id as operators give them: 4 to 46 Latin letters, digits and hyphens,
// starting with a letter or digit (it becomes part of a file name). "" when it is one,
// otherwise what is wrong with it (UTF-8).
std::string participantIdProblem(std::string_view id);

// The book of the data folder; an empty one when it has none. Throws IoError.
EdoBook loadEdoBook(const std::string& dataFolder);
// Throws IoError.
void saveEdoBook(const std::string& dataFolder, const EdoBook& book);

} // namespace kestrelon
