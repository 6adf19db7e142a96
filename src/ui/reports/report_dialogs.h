#pragma once
// What the report window asks of the user through the desktop's own dialogs: a file to write,
// a folder, the details of an exchange file, the printer; and the folder it shows. The window
// holds one; tests put in their own answers.

#include "edo_details_dialog.h"
#include "payment_details_dialog.h"
#include "store/folder_choice.h"

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace kestrelon {

class ReportDialogs {
public:
    virtual ~ReportDialogs() = default;

    // A file to write a document (FolderKind::Pdf), a payment order (FolderKind::Payment) or
    // the year's summary (FolderKind::Summary) to, given the suggested path. Empty when the
    // user gave up.
    virtual QString chooseFile(QWidget* parent, FolderKind kind, const QString& suggested) = 0;
    // A folder for the mail's documents (FolderKind::Mail) or the EDO files (FolderKind::Edo),
    // starting in `start`. Empty when the user gave up.
    virtual QString chooseFolder(QWidget* parent, FolderKind kind, const QString& start) = 0;
    // The participant ids and the signer's name the data folder lacks; nothing when given up.
    virtual std::optional<EdoDetails> askEdoDetails(QWidget* parent,
                                                    const EdoDetailsRequest& request) = 0;
    // The payment order's number and date, given the proposed ones; nothing when given up.
    virtual std::optional<PaymentDetails> askPaymentDetails(QWidget* parent,
                                                            const PaymentDetails& proposed) = 0;
    // The printer, the copies and the sheets of a document of `sheets` sheets, on a printer set
    // up for it on the default printer. False when the user gave up.
    virtual bool askPrinter(QWidget* parent, QPrinter& printer, int sheets) = 0;
    // Shows the folder with the documents (when the mail program cannot take them).
    virtual void showFolder(const QString& folder) = 0;
};

// The desktop's dialogs.
class QtReportDialogs : public ReportDialogs {
public:
    QString chooseFile(QWidget* parent, FolderKind kind, const QString& suggested) override;
    QString chooseFolder(QWidget* parent, FolderKind kind, const QString& start) override;
    std::optional<EdoDetails> askEdoDetails(QWidget* parent,
                                            const EdoDetailsRequest& request) override;
    std::optional<PaymentDetails> askPaymentDetails(QWidget* parent,
                                                    const PaymentDetails& proposed) override;
    bool askPrinter(QWidget* parent, QPrinter& printer, int sheets) override;
    void showFolder(const QString& folder) override;
};

} // namespace kestrelon
