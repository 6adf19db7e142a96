#pragma once
// Records the messages a window shows, and the questions it asks, instead of opening message
// boxes; every question gets `answer`.

#include "ui/widgets/message_sink.h"

#include <QStringList>

namespace kestrelon::test {

class RecordingSink : public MessageSink {
public:
    void showMessage(const QString& text) override { messages.append(text); }
    // Work done well is also a message: `information` tells which were shown as that.
    void showInformation(const QString& text) override {
        messages.append(text);
        information.append(text);
    }
    bool askQuestion(const QString& text) override {
        questions.append(text);
        return answer;
    }
    Answer askYesNoCancel(const QString& text) override {
        questions.append(text);
        return threeWayAnswer;
    }
    QStringList messages;
    QStringList information;
    QStringList questions;
    bool answer = false;
    Answer threeWayAnswer = Answer::Cancel;
};

} // namespace kestrelon::test
