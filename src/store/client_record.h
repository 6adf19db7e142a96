#pragma once
// A contract between the agent and a client organization ("Clients", "ClientsDel").

#include "short_str.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kestrelon {

struct ClientRecord {
    ShortStr<12> ContractNo;
    ShortStr<12> ContractDate;
    ShortStr<12> FirmInn; // presence field
    ShortStr<64> Phone;
    ShortStr<64> Email;
    std::uint8_t Inactive = 0; // 0 = active, 1 = not active
};

static_assert(sizeof(ClientRecord) == 170 && alignof(ClientRecord) == 1);
static_assert(offsetof(ClientRecord, ContractNo) == 0);
static_assert(offsetof(ClientRecord, ContractDate) == 13);
static_assert(offsetof(ClientRecord, FirmInn) == 26);
static_assert(offsetof(ClientRecord, Phone) == 39);
static_assert(offsetof(ClientRecord, Email) == 104);
static_assert(offsetof(ClientRecord, Inactive) == 169);

inline bool isPresent(const ClientRecord& r) {
    return !r.FirmInn.empty();
}
inline void clearPresence(ClientRecord& r) {
    r.FirmInn.clear();
}

using ClientTable = std::array<ClientRecord, 64>;
static_assert(sizeof(ClientTable) == 10880);

} // namespace kestrelon
