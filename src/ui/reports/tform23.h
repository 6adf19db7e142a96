#pragma once
// "Form23": chooses the folder the report files are copied to and from. The mounted volumes
// and the home folder stand where Windows lists its drives; the folder tree shows the
// folders of the chosen volume and the file list the report files of the current folder.

#include "ui/widgets/lazy_dialog.h"

#include <optional>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QTreeView;

namespace kestrelon {

class TForm23 : public LazyDialog {
public:
    explicit TForm23(QWidget* parent);

    // The chosen folder with a trailing "/" after "OK"; nothing when closed otherwise.
    std::optional<QString> chooseFolder();

    // The folder the tree has current (the volume's root when none is).
    QString currentFolder() const;
    // Makes `path` current, switching to the volume that holds it.
    void selectFolder(const QString& path);

    void DriveComboBox1Change(int index);
    void DirectoryListBox1Change();
    void OKClick();

protected:
    // The volumes and the folder model are set up on the first showing: a file system model
    // reads folders in the background, which start-up and shut-down should not wait for.
    void build() override;

private:
    void fillVolumes();
    void showFiles();

    std::optional<QString> chosen_;
    QComboBox* drives_ = nullptr;
    QFileSystemModel* folders_ = nullptr;
    QTreeView* tree_ = nullptr;
    QListWidget* files_ = nullptr;
};

} // namespace kestrelon
