#pragma once
// The two organizations the agent contract names by INN, the agent and the principal: kept
// when a card corrects their INN, asked about before one is deleted, and said when the
// principal named cannot be found. Texts are cp1251.

#include "store/data_store.h"

#include <cstddef>
#include <string>

namespace kestrelon {

// Which of the agent contract's names followed an organization's new INN.
struct PartiesFollowed {
    bool agent = false;     // Agent.AgentInn changed: "Agent" is to be saved
    bool principal = false; // PrincipalChoice changed: "Principal" is to be saved
};

// After the card changed the INN of the organization in `slot` from `innBefore`, while the
// indexes still name the organizations as they were found before the edit: the agent contract
// and the principal's choice that named this organization name it by its new INN.
PartiesFollowed followInnChange(DataStore& store, std::size_t slot, const ShortStr<12>& innBefore);

// Asked before the organization in `slot` is deleted when it is the agent's or the
// principal's and no other active organization shares its INN; empty otherwise.
std::string partyDeletionQuestion(const DataStore& store, std::size_t slot);

// Said where the month is made while "Principal" names an INN that no active organization
// has: the INN looked for and where the principal is chosen. Empty when the principal is
// found, and for a data folder that never named one (its fixed principal prints as before).
std::string missingPrincipalProblem(const DataStore& store);

} // namespace kestrelon
