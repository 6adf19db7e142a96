#include "message_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace kestrelon {

void MessageBoxSink::showMessage(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Kestrelon"), text);
}

} // namespace kestrelon
