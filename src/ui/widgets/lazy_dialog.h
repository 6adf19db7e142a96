#pragma once
// A window that is made at start-up but builds its controls, and does its creation work, only
// when it is first shown (or first asked to do something). Start-up then only makes the
// window, and the program opens sooner.

#include <QDialog>

namespace kestrelon {

class LazyDialog : public QDialog {
public:
    // Builds the controls once; showing the window does it.
    void ensureBuilt() {
        if (!built_) {
            built_ = true;
            build();
        }
    }

    void setVisible(bool visible) override {
        if (visible) {
            ensureBuilt();
        }
        QDialog::setVisible(visible);
    }

protected:
    explicit LazyDialog(QWidget* parent) : QDialog(parent) {}

    virtual void build() = 0;

private:
    bool built_ = false;
};

} // namespace kestrelon
