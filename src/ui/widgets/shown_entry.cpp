#include "shown_entry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QTimer>

namespace kestrelon {
namespace {

// The pop-up closing: after Escape the entry the user moved to is still selected in it. The
// pop-up hides before a choice made in it is taken from its current entry, so its selection
// is set only once that choice is through.
class PopupClosing : public QObject {
public:
    PopupClosing(QComboBox& list, QObject& popup) : QObject(&list), list_(list) {
        popup.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            QTimer::singleShot(0, &list_, [list = &list_] { selectShownEntry(*list); });
        }
        return false;
    }

private:
    QComboBox& list_;
};

} // namespace

void selectShownEntry(QComboBox& list) {
    QAbstractItemView* view = list.view();
    QItemSelectionModel* selection = view != nullptr ? view->selectionModel() : nullptr;
    if (selection == nullptr) {
        return;
    }
    const QModelIndex shown =
        list.model()->index(list.currentIndex(), list.modelColumn(), list.rootModelIndex());
    // The view tells the accessibility bridge of each entry whose selection changes.
    const QModelIndexList before = selection->selectedIndexes();
    if (before == QModelIndexList{shown} || (before.isEmpty() && !shown.isValid())) {
        return;
    }
    if (shown.isValid()) {
        QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
        if (view->selectionBehavior() == QAbstractItemView::SelectRows) {
            flags |= QItemSelectionModel::Rows;
        }
        selection->setCurrentIndex(shown, flags);
    } else {
        selection->clear();
    }
}

void keepShownEntrySelected(QComboBox& list) {
    QObject::connect(&list, &QComboBox::currentIndexChanged, &list,
                     [&list] { selectShownEntry(list); });
    new PopupClosing(list, *list.view());
    selectShownEntry(list);
}

QuietListChange::QuietListChange(QComboBox& list) : list_(list), blocker_(&list) {}

QuietListChange::~QuietListChange() {
    // Still blocked: selecting in the pop-up list is no highlighting by the user either.
    selectShownEntry(list_);
}

} // namespace kestrelon
