#pragma once
// The one seam through which windows show messages, so that tests can record them
// instead of blocking on a modal box.

#include <QString>

class QWidget;

namespace kestrelon {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const QString& text) = 0;
};

// Shows each message in a modal message box over the active window.
class MessageBoxSink : public MessageSink {
public:
    void showMessage(const QString& text) override;
};

} // namespace kestrelon
