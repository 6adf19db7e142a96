// The report window's document tabs: building the invoice, the act and the act of mutual
// offset for the screen, printing the open one on the printer chosen in the print dialog and
// saving it as PDF in the folder last chosen for that.

#include "document_view.h"
#include "documents/input/document_file_name.h"
#include "render/pdf_export.h"
#include "render/printing.h"
#include "render/qt_text_metrics.h"
#include "tform_report.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

namespace kestrelon {

DocumentKind TFormReport::currentDocument() const {
    switch (pageControl_->currentIndex()) {
    case ActTab:
        return DocumentKind::Act;
    case OffsetActTab:
        return DocumentKind::OffsetAct;
    default:
        return DocumentKind::Invoice;
    }
}

DocumentInput TFormReport::currentDocumentInput() const {
    const ReportWorkspace& reports = context_.reports;
    // Rows of a set not computed since "New" belong to an earlier report: they are not shown.
    return documentInput(documentSource(reports.StoredReportOpen), *reports.record, values(),
                         context_.store, reports.sets.documentRows(mode_));
}

void TFormReport::buildDocument(Tab tab) {
    DocumentView* view = documents_[static_cast<std::size_t>(tab) - 1];
    if (refusedWithoutPrincipal()) {
        // No page at all rather than one with a principal the program made up.
        texts_ = {};
        view->showDocument({});
        return;
    }
    const DocumentKind kind = currentDocument();
    texts_ = buildDocumentTexts(kind, currentDocumentInput(), screen_, *screenMetrics_);
    view->showDocument(layoutDocument(kind, texts_, screen_, *screenMetrics_));
}

void TFormReport::PageControl1Change(int tab) {
    const bool document = tab != ReportTab;
    speedButton7_->setEnabled(document);
    speedButton10_->setEnabled(document);
    speedButton11_->setEnabled(document);
    speedButton12_->setEnabled(document);
    speedButton13_->setEnabled(document);
    if (!document) {
        if (QWidget* focused = focusWidget()) {
            focused->clearFocus();
        }
        return;
    }
    buildDocument(static_cast<Tab>(tab));
}

bool TFormReport::askPrinter(QWidget* parent, QPrinter& printer, int sheets) {
    if (printer.printerName().isEmpty()) {
        // No printer at all: nothing to choose from, and printing says so. "PDF" saves a file.
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Печать"));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, std::max(1, sheets));
    return dialog.exec() == QDialog::Accepted;
}

void TFormReport::SpeedButton7Click() {
    if (pageControl_->currentIndex() == ReportTab || !choosePrinter_ || refusedWithoutPrincipal()) {
        return;
    }
    const DocumentKind kind = currentDocument();
    // The queue shows the job as the document calls itself: «Акт зачета 5 за Март 2013».
    const QString job = QString::fromStdString(documentName(kind, currentDocumentInput()));
    const OutputResult result =
        printDocument(kind, texts_, job, [this](QPrinter& printer, int sheets) {
            return choosePrinter_(this, printer, sheets);
        });
    if (!result.ok()) {
        context_.messages.showMessage(result.error);
    }
}

QString TFormReport::documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

QString TFormReport::pdfFailureText(const QString& path, const OutputResult& result) {
    return QStringLiteral("Не удалось сохранить документ в PDF:\n%1\n%2").arg(path, result.error);
}

QString TFormReport::askPdfFileName(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить в PDF"), suggested,
                                        QStringLiteral("PDF (*.pdf)"));
}

void TFormReport::SpeedButton10Click() {
    if (pageControl_->currentIndex() == ReportTab || refusedWithoutPrincipal()) {
        return;
    }
    const DocumentKind kind = currentDocument();
    const DocumentInput input = currentDocumentInput();
    const QString suggested = QString::fromStdString(documentFileName(kind, input));
    QString path =
        choosePdfFile_
            ? choosePdfFile_(this, QDir(folderStart(FolderKind::Pdf)).filePath(suggested))
            : QString();
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    if (refusedAsProtected(path)) {
        return;
    }
    rememberFolder(FolderKind::Pdf, QFileInfo(path).absolutePath());
    const OutputResult result = exportPdf(kind, input, path);
    if (!result.ok()) {
        context_.messages.showMessage(pdfFailureText(path, result));
    }
}

} // namespace kestrelon
