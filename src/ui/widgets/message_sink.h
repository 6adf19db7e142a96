#pragma once
// The one seam through which windows show messages and ask Yes/No questions, so that tests can
// record them (and answer) instead of blocking on a modal box.

#include <QString>
#include <memory>

class QMessageBox;
class QWidget;

namespace kestrelon {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // An error or a refusal: the user must correct something or could not have it done.
    virtual void showMessage(const QString& text) = 0;
    // What the user should know of work done well (how much an import read); a sink that
    // only records takes it as a message.
    virtual void showInformation(const QString& text) { showMessage(text); }
    // A question answered "Yes" or "No"; true on "Yes". A sink that cannot ask (one that only
    // records, as benchmarks use) takes the question as a message and answers "No".
    virtual bool askQuestion(const QString& text) {
        showMessage(text);
        return false;
    }
    // A question that may also be put off ("Да", "Нет", "Отмена"), as before closing on unsaved
    // work. A sink that cannot ask takes it as a Yes/No question.
    enum class Answer { Yes, No, Cancel };
    virtual Answer askYesNoCancel(const QString& text) {
        return askQuestion(text) ? Answer::Yes : Answer::No;
    }
};

enum class MessageKind { Error, Information, Question, QuestionWithCancel };

// The box a message or a question is shown in: the warning icon for errors, the information
// icon for work done, the question icon with "Yes" and "No" for questions (and "Отмена" for one
// that may be put off), and never so narrow that its title is cut.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, MessageKind kind, const QString& text);

// Shows each message and question in a modal message box over the active window.
class MessageBoxSink : public MessageSink {
public:
    void showMessage(const QString& text) override;
    void showInformation(const QString& text) override;
    bool askQuestion(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
};

} // namespace kestrelon
