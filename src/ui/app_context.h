#pragma once
// What every window shares: the in-memory tables, the message seam and the selections and
// states that windows hand to each other.

#include "catalogues/agent_contract.h"
#include "catalogues/client_catalogue.h"
#include "catalogues/firm_catalogue.h"
#include "message_sink.h"
#include "store/data_store.h"

namespace kestrelon {

struct CatalogueState {
    FirmSelection firms;
    ClientSelection clients;
    AgentContractEditor agent;
};

struct AppContext {
    DataStore& store;
    MessageSink& messages;
    CatalogueState catalogues{};
};

} // namespace kestrelon
