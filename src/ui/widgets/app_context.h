#pragma once
// What every window shares: the in-memory tables, the message seam and the selections and
// states that windows hand to each other.

#include "catalogues/agent_contract.h"
#include "catalogues/client_catalogue.h"
#include "catalogues/firm_catalogue.h"
#include "message_sink.h"
#include "reports/files/report_workspace.h"
#include "store/data_store.h"

#include <QDate>
#include <cstdint>
#include <functional>

namespace kestrelon {

struct CatalogueState {
    FirmSelection firms;
    ClientSelection clients;
    AgentContractEditor agent;
};

// The tariff function last chosen in the function editor's combo box or in the function list.
struct TariffState {
    std::int16_t SelectedFunction = 0;
};

struct AppContext {
    DataStore& store;
    MessageSink& messages;
    CatalogueState catalogues{};
    ReportWorkspace reports{};
    TariffState tariff{};
    // A failed save of the column widths was shown: later drags do not say it again until a
    // save of them succeeds (the widths are kept in memory and go with the next save).
    bool columnWidthsFailureShown = false;
    // Today's date as the windows propose it; tests fix it.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
};

} // namespace kestrelon
