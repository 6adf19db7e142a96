#pragma once
// Shows a file error the way every window does: the system's message alone.

#include "app_context.h"
#include "store/io_error.h"

namespace kestrelon {

inline void showFileError(AppContext& context, const IoError& error) {
    context.messages.showMessage(QString::fromStdString(error.message()));
}

} // namespace kestrelon
