#include "named_list.h"

#include "ui/widgets/shown_entry.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace kestrelon {
namespace {

// What Qt says of a list, but named by its accessible name. It offers no value text of its
// own: the AT-SPI bridge has no way to pass one on for a list (neither a Value nor a Text
// interface); a screen reader takes the selected entry of the pop-up list instead.
class NamedListAccessible : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    // The pop-up list of items, as a screen reader walks it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            return;
        }
        if (list()->view()->isVisible()) {
            list()->hidePopup();
        } else {
            list()->showPopup();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* namedListFactory(const QString& className, QObject* object) {
    auto* list = dynamic_cast<NamedList*>(object);
    if (list == nullptr || className != QLatin1String("QComboBox")) {
        return nullptr;
    }
    return new NamedListAccessible(list);
}

} // namespace

NamedList::NamedList(const QString& accessibleName, QWidget* parent) : QComboBox(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&namedListFactory);
        return true;
    }();
    (void)installed;
    // With a screen reader running, Qt may have made the plain list's interface while the
    // list was still being built, before it was a NamedList; that one is dropped.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(this);
    if (face != nullptr && dynamic_cast<NamedListAccessible*>(face) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
    }
    setAccessibleName(accessibleName);
    keepShownEntrySelected(*this);
}

} // namespace kestrelon
