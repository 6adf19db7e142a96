// The price-list tool's files: "Open" reads a price-list text or image, "Save" writes the page
// on view as text, or the marked-up table as a price-list image.

#include "memo_text.h"
#include "price_grid.h"
#include "tariff/price_files.h"
#include "tform1.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/qt_text.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>

namespace kestrelon {
namespace {

std::string systemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

void TForm1::SpeedButton1Click() {
    const QString path = chooseFile_ ? chooseFile_(this, FileQuestion::Open) : QString();
    if (!path.isEmpty()) {
        openFile(path);
    }
}

void TForm1::openFile(const QString& path) {
    ensureBuilt();
    switch (tariff::priceFileKind(systemPath(path))) {
    case tariff::PriceFileKind::Text:
        openText(path);
        break;
    case tariff::PriceFileKind::Image:
        openImage(path);
        break;
    case tariff::PriceFileKind::Other:
        break; // not a price list
    }
}

void TForm1::openText(const QString& path) {
    std::string bytes;
    try {
        bytes = tariff::readWholeFile(systemPath(path));
    } catch (const IoError& error) {
        showFileError(context_, error);
        return;
    }
    const tariff::FileText text = tariff::decodeTextFile(bytes);
    textFormat_ = text.format;
    memo_->setPlainText(
        QString::fromUtf8(text.utf8.data(), static_cast<qsizetype>(text.utf8.size())));
    memo_->document()->setModified(false);
    openedBytes_ = std::move(bytes);
    // The table is empty until the text is read on the "Edit" page.
    list_.clear();
    editGrid_->priceModel()->showLines();
    memoChanged_ = true;
    buttons_[2]->setEnabled(false);
    edit1_->clear();
    setWindowTitle(QFileInfo(path).absoluteFilePath());
    showPage(FilePage);
}

void TForm1::openImage(const QString& path) {
    tariff::PriceImageRead read;
    try {
        read = tariff::readPriceImage(systemPath(path));
    } catch (const IoError& error) {
        showFileError(context_, error);
        return;
    }
    if (!read.table) {
        context_.messages.showMessage(fromCp1251(read.refusal));
        return;
    }
    memo_->clear();
    openedBytes_.reset();
    memoChanged_ = false;
    // Output written from an image is a new text.
    textFormat_ = tariff::TextFormat{};
    list_.adopt(std::move(read.table));
    showLines();
    setWindowTitle(QFileInfo(path).absoluteFilePath());
    showPage(EditPage);
}

void TForm1::SpeedButton2Click() {
    switch (pageControl_->currentIndex()) {
    case FilePage:
        if (openedBytes_ && !memo_->document()->isModified()) {
            saveText(*openedBytes_);
        } else {
            saveText(tariff::encodeTextFile(exactPlainText(*memo_).toStdString(), textFormat_));
        }
        break;
    case EditPage:
        saveImage();
        break;
    case OutputPage:
        if (list_.count() > 0) {
            saveText(tariff::encodeLines(list_.outputLines(), textFormat_));
        }
        break;
    case CopyPage:
        if (list_.copyCount() > 0) {
            saveText(tariff::encodeLines(list_.copyLines(), textFormat_));
        }
        break;
    default:
        break;
    }
}

void TForm1::saveText(const std::string& bytes) {
    saveAs(FileQuestion::SaveText,
           [&bytes](const std::string& path) { tariff::writeWholeFile(path, bytes); });
}

void TForm1::saveImage() {
    saveAs(FileQuestion::SavePriceImage,
           [this](const std::string& path) { tariff::savePriceImage(path, list_.table()); });
}

void TForm1::saveAs(FileQuestion question,
                    const std::function<void(const std::string& path)>& write) {
    const QString path = chooseFile_ ? chooseFile_(this, question) : QString();
    if (path.isEmpty()) {
        return;
    }
    try {
        write(systemPath(path));
    } catch (const IoError& error) {
        showFileError(context_, error);
    }
}

} // namespace kestrelon
