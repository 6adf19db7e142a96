#include "report_dialogs.h"

#include "render/printing.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>
#include <algorithm>

namespace kestrelon {

QString QtReportDialogs::chooseFile(QWidget* parent, FolderKind kind, const QString& suggested) {
    if (kind == FolderKind::Summary) {
        return QFileDialog::getSaveFileName(
            parent, QStringLiteral("Сохранить итоги года"), suggested,
            QStringLiteral("Книга Excel (*.xlsx);;Текст CSV для любой программы (*.csv)"));
    }
    if (kind == FolderKind::Payment) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить платежное поручение"),
                                            suggested, QStringLiteral("Файл для банка (*.txt)"));
    }
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить в PDF"), suggested,
                                        QStringLiteral("PDF (*.pdf)"));
}

QString QtReportDialogs::chooseFolder(QWidget* parent, FolderKind kind, const QString& start) {
    const bool edo = kind == FolderKind::Edo;
    QFileDialog dialog(parent,
                       edo ? QStringLiteral("Папка для документов ЭДО")
                           : QStringLiteral("Папка для документов"),
                       start);
    dialog.setObjectName(edo ? QStringLiteral("EdoFolderDialog")
                             : QStringLiteral("MailFolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<EdoDetails> QtReportDialogs::askEdoDetails(QWidget* parent,
                                                         const EdoDetailsRequest& request) {
    EdoDetailsDialog dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.details();
}

std::optional<PaymentDetails> QtReportDialogs::askPaymentDetails(QWidget* parent,
                                                                 const PaymentDetails& proposed) {
    PaymentDetailsDialog dialog(proposed, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.details();
}

bool QtReportDialogs::askPrinter(QWidget* parent, QPrinter& printer, int sheets) {
    return choosePrinterInDialog(parent, printer, sheets);
}

void QtReportDialogs::showFolder(const QString& folder) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace kestrelon
