#pragma once
// The report window's dialogs with a test's answers: each answer that a test sets replaces the
// desktop's dialog of its kind; one it leaves unset opens the real dialog, for a test to drive.

#include "ui/reports/report_dialogs.h"
#include "ui/reports/tform_report.h"

#include <functional>
#include <memory>

namespace kestrelon::test {

class ScriptedReportDialogs : public QtReportDialogs {
public:
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    using FolderChooser = std::function<QString(QWidget* parent, const QString& start)>;
    using EdoDetailsAsker =
        std::function<std::optional<EdoDetails>(QWidget* parent, const EdoDetailsRequest&)>;
    using PaymentDetailsAsker =
        std::function<std::optional<PaymentDetails>(QWidget* parent, const PaymentDetails&)>;
    using PrinterChooser = std::function<bool(QWidget* parent, QPrinter& printer, int sheets)>;
    using FolderShower = std::function<void(const QString& folder)>;

    void setPdfFileChooser(FileChooser chooser) { pdfFile_ = std::move(chooser); }
    void setPaymentFileChooser(FileChooser chooser) { paymentFile_ = std::move(chooser); }
    void setSummaryFileChooser(FileChooser chooser) { summaryFile_ = std::move(chooser); }
    void setMailFolderChooser(FolderChooser chooser) { mailFolder_ = std::move(chooser); }
    void setEdoFolderChooser(FolderChooser chooser) { edoFolder_ = std::move(chooser); }
    void setEdoDetailsAsker(EdoDetailsAsker asker) { edoDetails_ = std::move(asker); }
    void setPaymentDetailsAsker(PaymentDetailsAsker asker) { paymentDetails_ = std::move(asker); }
    void setPrinterChooser(PrinterChooser chooser) { printer_ = std::move(chooser); }
    void setFolderShower(FolderShower shower) { folderShown_ = std::move(shower); }

    QString chooseFile(QWidget* parent, FolderKind kind, const QString& suggested) override {
        const FileChooser& scripted = kind == FolderKind::Payment   ? paymentFile_
                                      : kind == FolderKind::Summary ? summaryFile_
                                                                    : pdfFile_;
        return scripted ? scripted(parent, suggested)
                        : QtReportDialogs::chooseFile(parent, kind, suggested);
    }
    QString chooseFolder(QWidget* parent, FolderKind kind, const QString& start) override {
        const FolderChooser& scripted = kind == FolderKind::Edo ? edoFolder_ : mailFolder_;
        return scripted ? scripted(parent, start)
                        : QtReportDialogs::chooseFolder(parent, kind, start);
    }
    std::optional<EdoDetails> askEdoDetails(QWidget* parent,
                                            const EdoDetailsRequest& request) override {
        return edoDetails_ ? edoDetails_(parent, request)
                           : QtReportDialogs::askEdoDetails(parent, request);
    }
    std::optional<PaymentDetails> askPaymentDetails(QWidget* parent,
                                                    const PaymentDetails& proposed) override {
        return paymentDetails_ ? paymentDetails_(parent, proposed)
                               : QtReportDialogs::askPaymentDetails(parent, proposed);
    }
    bool askPrinter(QWidget* parent, QPrinter& printer, int sheets) override {
        return printer_ ? printer_(parent, printer, sheets)
                        : QtReportDialogs::askPrinter(parent, printer, sheets);
    }
    void showFolder(const QString& folder) override {
        if (folderShown_) {
            folderShown_(folder);
        } else {
            QtReportDialogs::showFolder(folder);
        }
    }

private:
    FileChooser pdfFile_;
    FileChooser paymentFile_;
    FileChooser summaryFile_;
    FolderChooser mailFolder_;
    FolderChooser edoFolder_;
    EdoDetailsAsker edoDetails_;
    PaymentDetailsAsker paymentDetails_;
    PrinterChooser printer_;
    FolderShower folderShown_;
};

// The window's scripted dialogs, put in on first use.
inline ScriptedReportDialogs& scriptedDialogs(TFormReport& report) {
    if (auto* scripted = dynamic_cast<ScriptedReportDialogs*>(&report.reportDialogs())) {
        return *scripted;
    }
    auto owned = std::make_unique<ScriptedReportDialogs>();
    ScriptedReportDialogs& scripted = *owned;
    report.setReportDialogs(std::move(owned));
    return scripted;
}

} // namespace kestrelon::test
