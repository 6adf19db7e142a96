#include "kept_folder.h"

#include "file_error.h"

#include <QDir>
#include <QStandardPaths>

namespace kestrelon {

QString keptFolder(const DataStore& store, FolderKind kind) {
    QString kept;
    try {
        kept = QString::fromStdString(loadFolder(store.DataFolder, kind));
    } catch (const IoError&) {
        // A damaged choice only costs the user a few clicks: start where nothing is known.
    }
    return !kept.isEmpty() && QDir(kept).exists() ? kept : QString();
}

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

QString folderStart(const DataStore& store, FolderKind kind) {
    const QString kept = keptFolder(store, kind);
    return kept.isEmpty() ? documentsFolder() : kept;
}

void FolderKeeper::remember(FolderKind kind, const QString& folder) {
    try {
        saveFolder(context_.store.DataFolder, kind, folder.toStdString());
        failureShown_ = false;
    } catch (const IoError& error) {
        if (!failureShown_) {
            failureShown_ = true;
            showFileError(context_, error);
        }
    }
}

} // namespace kestrelon
