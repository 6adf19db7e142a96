// "Платежка": the month's payment to the principal, the balance of the act of mutual offset, as
// the file a bank's client program imports («1CClientBankExchange»). The number is proposed and
// remembered, the date proposed as today; an order a bank would bounce is not written.

#include "exchange/payment_file.h"
#include "exchange/payment_number.h"
#include "render/cp1251_qstring.h"
#include "store/file_set.h"
#include "tform_report.h"
#include "ui/widgets/file_error.h"

#include <QDir>
#include <QFileInfo>
#include <QTabWidget>

namespace kestrelon {

void TFormReport::paymentClicked() {
    if (!onDocumentTab() || refusedWithoutPrincipal()) {
        return;
    }
    PaymentDetails proposed{QStringLiteral("1"),
                            context_.today().toString(QStringLiteral("dd.MM.yyyy"))};
    try {
        proposed.number = QString::fromStdString(nextPaymentNumber(context_.store.DataFolder));
    } catch (const IoError&) {
        // A damaged number costs the user one figure to type: propose the first.
    }
    const std::optional<PaymentDetails> details = dialogs_->askPaymentDetails(this, proposed);
    if (!details) {
        return;
    }
    const DocumentInput input = session_.documentInput();
    const PaymentFile file = preparePaymentFile(input, toCp1251(details->number),
                                                toCp1251(details->date), bankExchangeHeaderNow());
    if (!file.ok()) {
        QString text = QStringLiteral("Платежное поручение не записано. Исправьте:");
        for (const std::string& problem : file.problems) {
            text += QStringLiteral("\n• ") + QString::fromStdString(problem);
        }
        context_.messages.showMessage(text);
        return;
    }
    const QString suggested =
        QDir(folderStart(FolderKind::Payment))
            .filePath(QString::fromStdString(paymentFileName(file.order.number, input.period)));
    const QString chosen = dialogs_->chooseFile(this, FolderKind::Payment, suggested);
    if (chosen.isEmpty()) {
        return;
    }
    if (refusedAsProtected(chosen)) {
        return;
    }
    const QFileInfo target(chosen);
    const QString folder = QDir::cleanPath(target.absolutePath());
    try {
        saveFilesTogether({{target.absoluteFilePath().toStdString(), file.bytes}});
    } catch (const IoError& error) {
        context_.messages.showMessage(
            QStringLiteral("Не удалось записать платежное поручение:\n%1\n%2")
                .arg(target.absoluteFilePath(), QString::fromStdString(error.message())));
        return;
    }
    rememberFolder(FolderKind::Payment, folder);
    try {
        rememberPaymentNumber(context_.store.DataFolder, file.order.number);
    } catch (const IoError& error) {
        showFileError(context_, error);
    }
    QString said =
        QStringLiteral("Платежное поручение № %1 на сумму %2 руб. записано в файл\n%3\n\n"
                       "Загрузите его в программе банка: «Импорт» или «Загрузить из 1С», "
                       "формат 1CClientBankExchange. Проверьте и подпишите поручение там.")
            .arg(fromCp1251(file.order.number), fromCp1251(file.order.amount),
                 target.absoluteFilePath());
    for (const std::string& note : file.notes) {
        said += QStringLiteral("\n\n") + QString::fromStdString(note);
    }
    context_.messages.showInformation(said);
}

} // namespace kestrelon
