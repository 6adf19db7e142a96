#pragma once
// Shows a file error the way every window does: the system's message, then on its own line the
// file's full name, so that the user knows which file of which folder failed.

#include "app_context.h"
#include "store/io_error.h"

namespace kestrelon {

// A name without a folder belongs to the data folder.
inline QString fileErrorText(const IoError& error, const DataStore& store) {
    return QString::fromStdString(kestrelon::fileErrorText(error, store.DataFolder));
}

inline void showFileError(AppContext& context, const IoError& error) {
    context.messages.showMessage(fileErrorText(error, context.store));
}

} // namespace kestrelon
