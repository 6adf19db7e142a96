// The report window's document tabs: building the invoice, the act and the act of mutual
// offset for the screen, printing the open one and saving it as PDF.

#include "document_view.h"
#include "documents/document_file_name.h"
#include "documents/render/pdf_export.h"
#include "documents/render/printing.h"
#include "documents/render/qt_text_metrics.h"
#include "tform_report.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>

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
    const DocumentKind kind = currentDocument();
    texts_ = buildDocumentTexts(kind, currentDocumentInput(), screen_, *screenMetrics_);
    documents_[static_cast<std::size_t>(tab) - 1]->showDocument(
        layoutDocument(kind, texts_, screen_, *screenMetrics_));
}

void TFormReport::PageControl1Change(int tab) {
    const bool document = tab != ReportTab;
    speedButton7_->setEnabled(document);
    speedButton10_->setEnabled(document);
    speedButton11_->setEnabled(document);
    if (!document) {
        if (QWidget* focused = focusWidget()) {
            focused->clearFocus();
        }
        return;
    }
    buildDocument(static_cast<Tab>(tab));
}

void TFormReport::SpeedButton7Click() {
    if (pageControl_->currentIndex() == ReportTab) {
        return;
    }
    const OutputResult result = printDocument(currentDocument(), texts_);
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
    if (pageControl_->currentIndex() == ReportTab) {
        return;
    }
    const DocumentKind kind = currentDocument();
    const DocumentInput input = currentDocumentInput();
    const QString suggested = QString::fromStdString(documentFileName(kind, input));
    QString path = choosePdfFile_
                       ? choosePdfFile_(this, QDir(documentsFolder()).filePath(suggested))
                       : QString();
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    const OutputResult result = exportPdf(kind, input, path);
    if (!result.ok()) {
        context_.messages.showMessage(pdfFailureText(path, result));
    }
}

} // namespace kestrelon
