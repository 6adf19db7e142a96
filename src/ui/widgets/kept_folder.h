#pragma once
// The folders the windows' file and folder choosers start in: the one last chosen for the
// kind while it still exists, kept in the data folder; a failure to keep one is said once,
// until keeping one succeeds again.

#include "app_context.h"
#include "store/folder_choice.h"

#include <QString>

namespace kestrelon {

// The folder last chosen for the kind while it exists; empty when there is none.
QString keptFolder(const DataStore& store, FolderKind kind);
// The user's documents folder (the home folder without one).
QString documentsFolder();
// Where a chooser of the kind starts: the kept folder, else the documents folder.
QString folderStart(const DataStore& store, FolderKind kind);

class FolderKeeper {
public:
    explicit FolderKeeper(AppContext& context) : context_(context) {}
    // Keeps `folder` for the kind.
    void remember(FolderKind kind, const QString& folder);

private:
    AppContext& context_;
    // A failed save of a chosen folder was shown: it is not said again until one succeeds.
    bool failureShown_ = false;
};

} // namespace kestrelon
