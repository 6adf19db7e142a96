#include "first_focus.h"

#include <QEvent>
#include <QWidget>

namespace kestrelon {
namespace {

class FirstFocus : public QObject {
public:
    FirstFocus(QWidget& window, std::function<QWidget*()> first)
        : QObject(&window), window_(window), first_(std::move(first)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A spontaneous showing is the window coming back from the task bar: its focus stays.
        if (watched == &window_ && event->type() == QEvent::Show && !event->spontaneous()) {
            if (QWidget* first = first_()) {
                first->setFocus(Qt::OtherFocusReason);
            }
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<QWidget*()> first_;
};

} // namespace

void startEachShowingOn(QWidget& window, std::function<QWidget*()> first) {
    window.installEventFilter(new FirstFocus(window, std::move(first)));
}

} // namespace kestrelon
