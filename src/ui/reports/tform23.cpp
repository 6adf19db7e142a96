#include "tform23.h"

#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/first_focus.h"
#include "ui/widgets/shown_entry.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

QLabel* captionFor(QWidget* buddy, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    return label;
}

bool lies(const QString& path, const QString& root) {
    const QString withSlash = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return path == root || path.startsWith(withSlash);
}

} // namespace

TForm23::TForm23(QWidget* parent) : LazyDialog(parent) {
    setObjectName(QStringLiteral("Form23"));
    setWindowTitle(QStringLiteral("Form23"));
    resize(460, 420);
    startEachShowingOn(*this, [this] { return static_cast<QWidget*>(drives_); });
}

void TForm23::build() {
    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("DriveComboBox1"));
    keepShownEntrySelected(*drives_);

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("DirectoryListBox1"));
    tree_->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        tree_->hideColumn(column);
    }
    tree_->setHeaderHidden(true);

    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("FileListBox1"));

    QPushButton* ok = makeButton(this, QStringLiteral("OK"), "ButtonOK", &TForm23::OKClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(captionFor(drives_, QStringLiteral("&Диск:"), this));
    layout->addWidget(drives_);
    layout->addWidget(captionFor(tree_, QStringLiteral("&Папки:"), this));
    layout->addWidget(tree_, 2);
    layout->addWidget(captionFor(files_, QStringLiteral("&Файлы отчетов:"), this));
    layout->addWidget(files_, 1);
    layout->addLayout(buttonRow({ok}));

    connect(drives_, &QComboBox::currentIndexChanged, this, &TForm23::DriveComboBox1Change);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TForm23::DirectoryListBox1Change);
    fillVolumes();
}

void TForm23::fillVolumes() {
    // The home folder first: the user's own files are where a copy is usually wanted.
    QStringList roots{QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath())) {
            roots.append(volume.rootPath());
        }
    }
    drives_->clear();
    for (const QString& root : roots) {
        drives_->addItem(QDir::toNativeSeparators(root), root);
    }
    drives_->setCurrentIndex(0);
    DriveComboBox1Change(0);
}

std::optional<QString> TForm23::chooseFolder() {
    chosen_.reset();
    exec();
    return chosen_;
}

QString TForm23::currentFolder() const {
    if (tree_ == nullptr) {
        return {};
    }
    const QModelIndex current = tree_->currentIndex();
    return current.isValid() ? folders_->filePath(current) : drives_->currentData().toString();
}

void TForm23::selectFolder(const QString& path) {
    ensureBuilt();
    const QString folder = QDir::cleanPath(path);
    // The volume with the longest root that holds the folder.
    int best = -1;
    for (int i = 0; i < drives_->count(); ++i) {
        const QString root = drives_->itemData(i).toString();
        if (lies(folder, root) &&
            (best < 0 || root.size() > drives_->itemData(best).toString().size())) {
            best = i;
        }
    }
    if (best >= 0) {
        drives_->setCurrentIndex(best);
    }
    const QModelIndex index = folders_->index(folder);
    if (index.isValid()) {
        tree_->setCurrentIndex(index);
        tree_->scrollTo(index);
    }
}

void TForm23::DriveComboBox1Change(int index) {
    const QString root = drives_->itemData(index).toString();
    if (root.isEmpty()) {
        return;
    }
    folders_->setRootPath(root);
    tree_->setRootIndex(folders_->index(root));
    tree_->setCurrentIndex(QModelIndex());
    showFiles();
}

void TForm23::DirectoryListBox1Change() {
    showFiles();
}

void TForm23::showFiles() {
    files_->clear();
    const QDir folder(currentFolder());
    files_->addItems(folder.entryList({QStringLiteral("*.rep")}, QDir::Files, QDir::Name));
}

void TForm23::OKClick() {
    QString folder = currentFolder();
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    chosen_ = folder;
    accept();
}

} // namespace kestrelon
