#pragma once
// A dialog whose "OK" closes only on what checks out: otherwise the problems are shown above
// its buttons and it stays open with what was typed. The fields are the subclass's.

#include <QDialog>
#include <QStringList>

class QLabel;
class QVBoxLayout;

namespace kestrelon {

class CheckedDialog : public QDialog {
public:
    void accept() override;

protected:
    CheckedDialog(QWidget* parent, const QString& objectName, const QString& title);
    // Adds the problems line and the "OK" and "Отмена" buttons below what `layout` holds.
    void finishLayout(QVBoxLayout* layout);
    // What is wrong with what was typed; empty when it may be taken.
    virtual QStringList problems() const = 0;

private:
    QLabel* problems_ = nullptr;
};

} // namespace kestrelon
