#pragma once
// The agent's own contract with the principal and the people who sign ("Agent").

#include "short_str.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kestrelon {

struct AgentRecord {
    ShortStr<12> ContractNo;
    ShortStr<12> ContractDate;
    ShortStr<12> AgentInn;
    ShortStr<64> Phone;
    ShortStr<64> Email;
    ShortStr<36> AgentDirector;
    ShortStr<36> AgentChiefAccountant;
    ShortStr<36> AgentAccountant;
    ShortStr<36> AgentChiefAccountantGenitive;
    ShortStr<36> PrincipalChiefAccountant;
    ShortStr<36> PrincipalChiefAccountantGenitive;
    std::array<std::uint8_t, 148> Reserved{};
    std::uint8_t SignerIsAccountant = 0; // 0 = chief accountant signs, 1 = accountant signs
};

static_assert(sizeof(AgentRecord) == 540 && alignof(AgentRecord) == 1);
static_assert(offsetof(AgentRecord, ContractNo) == 0);
static_assert(offsetof(AgentRecord, ContractDate) == 13);
static_assert(offsetof(AgentRecord, AgentInn) == 26);
static_assert(offsetof(AgentRecord, Phone) == 39);
static_assert(offsetof(AgentRecord, Email) == 104);
static_assert(offsetof(AgentRecord, AgentDirector) == 169);
static_assert(offsetof(AgentRecord, AgentChiefAccountant) == 206);
static_assert(offsetof(AgentRecord, AgentAccountant) == 243);
static_assert(offsetof(AgentRecord, AgentChiefAccountantGenitive) == 280);
static_assert(offsetof(AgentRecord, PrincipalChiefAccountant) == 317);
static_assert(offsetof(AgentRecord, PrincipalChiefAccountantGenitive) == 354);
static_assert(offsetof(AgentRecord, Reserved) == 391);
static_assert(offsetof(AgentRecord, SignerIsAccountant) == 539);

} // namespace kestrelon
