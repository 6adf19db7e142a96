#pragma once
// Records the messages a window shows instead of opening message boxes.

#include "ui/message_sink.h"

#include <QStringList>

namespace kestrelon::test {

class RecordingSink : public MessageSink {
public:
    void showMessage(const QString& text) override { messages.append(text); }
    QStringList messages;
};

} // namespace kestrelon::test
