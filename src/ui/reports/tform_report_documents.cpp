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
#include <QFileInfo>
#include <QTabWidget>
#include <QToolButton>

namespace kestrelon {

bool TFormReport::onDocumentTab() const {
    return tabs_->currentIndex() != ReportTab;
}

DocumentKind TFormReport::currentDocument() const {
    switch (tabs_->currentIndex()) {
    case ActTab:
        return DocumentKind::Act;
    case OffsetActTab:
        return DocumentKind::OffsetAct;
    default:
        return DocumentKind::Invoice;
    }
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
    texts_ = buildDocumentTexts(kind, session_.documentInput(), screen_, *screenMetrics_);
    view->showDocument(layoutDocument(kind, texts_, screen_, *screenMetrics_));
}

void TFormReport::tabChanged(int tab) {
    const bool document = tab != ReportTab;
    for (QWidget* control : std::initializer_list<QWidget*>{
             printButton_, pdfButton_, mailButton_, edoButton_, paymentButton_, zoomList_}) {
        control->setEnabled(document);
    }
    if (!document) {
        if (QWidget* focused = focusWidget()) {
            focused->clearFocus();
        }
        return;
    }
    buildDocument(static_cast<Tab>(tab));
}

void TFormReport::printClicked() {
    if (!onDocumentTab() || refusedWithoutPrincipal()) {
        return;
    }
    const DocumentKind kind = currentDocument();
    // The queue shows the job as the document calls itself: «Акт зачета 5 за Март 2013».
    const QString job = QString::fromStdString(documentName(kind, session_.documentInput()));
    const OutputResult result =
        printDocument(kind, texts_, job, [this](QPrinter& printer, int sheets) {
            return dialogs_->askPrinter(this, printer, sheets);
        });
    if (!result.ok()) {
        context_.messages.showMessage(result.error);
    }
}

QString TFormReport::pdfFailureText(const QString& path, const OutputResult& result) {
    return QStringLiteral("Не удалось сохранить документ в PDF:\n%1\n%2").arg(path, result.error);
}

void TFormReport::pdfClicked() {
    if (!onDocumentTab() || refusedWithoutPrincipal()) {
        return;
    }
    const DocumentKind kind = currentDocument();
    const DocumentInput input = session_.documentInput();
    const QString suggested = QString::fromStdString(documentFileName(kind, input));
    QString path = dialogs_->chooseFile(this, FolderKind::Pdf,
                                        QDir(folderStart(FolderKind::Pdf)).filePath(suggested));
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
