#pragma once
// What every window shares: the in-memory tables and the message seam.

#include "message_sink.h"
#include "store/data_store.h"

namespace kestrelon {

struct AppContext {
    DataStore& store;
    MessageSink& messages;
};

} // namespace kestrelon
