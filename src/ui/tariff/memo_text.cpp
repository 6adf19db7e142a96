#include "memo_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace kestrelon {

QString exactPlainText(const QPlainTextEdit& memo) {
    QString text = memo.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace kestrelon
