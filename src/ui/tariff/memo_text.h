#pragma once
// The text of a multi-line editor as a file holds it. Qt's plain text turns every no-break
// space into a plain one and a line separator (U+2028) into a line break, which changes a
// price («1 234,50» with a no-break space is no price, with a plain space it is one) and
// the file saved again; here only the ends of the editor's paragraphs become '\n'.

#include <QString>

class QPlainTextEdit;

namespace kestrelon {

QString exactPlainText(const QPlainTextEdit& memo);

} // namespace kestrelon
