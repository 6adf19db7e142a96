// The report window's zoom of its document tabs: one zoom for the three pages, chosen in the
// list, stepped with Ctrl+plus and Ctrl+minus or Ctrl and the wheel, Ctrl+0 for real size.

#include "document_view.h"
#include "named_list.h"
#include "tform_report.h"

#include <QShortcut>
#include <cmath>

namespace kestrelon {
namespace {

// The list's entries, in its order: the two fits, then the percentages.
constexpr int kFitWidthEntry = 0;
constexpr int kFitPageEntry = 1;

DocumentZoom zoomOfEntry(int entry) {
    if (entry == kFitWidthEntry) {
        return {DocumentZoom::Fit::Width, 100};
    }
    if (entry == kFitPageEntry) {
        return {DocumentZoom::Fit::Page, 100};
    }
    const auto percent = static_cast<std::size_t>(std::max(entry - 2, 0));
    return {DocumentZoom::Fit::None, kZoomPercents[std::min(percent, kZoomPercents.size() - 1)]};
}

int entryOfZoom(const DocumentZoom& zoom) {
    switch (zoom.fit) {
    case DocumentZoom::Fit::Width:
        return kFitWidthEntry;
    case DocumentZoom::Fit::Page:
        return kFitPageEntry;
    case DocumentZoom::Fit::None:
        break;
    }
    const auto* at = std::find(kZoomPercents.begin(), kZoomPercents.end(), zoom.percent);
    return at == kZoomPercents.end() ? -1 : 2 + static_cast<int>(at - kZoomPercents.begin());
}

} // namespace

QComboBox* TFormReport::buildZoomList() {
    zoomList_ = new NamedList(QStringLiteral("Масштаб"), this);
    zoomList_->setObjectName(QStringLiteral("ZoomList"));
    zoomList_->setToolTip(
        QStringLiteral("Масштаб страницы: Ctrl+плюс, Ctrl+минус, Ctrl+0 — 100 %, Ctrl и колесо"));
    zoomList_->addItem(QStringLiteral("По ширине"));
    zoomList_->addItem(QStringLiteral("Вся страница"));
    for (const int percent : kZoomPercents) {
        zoomList_->addItem(QStringLiteral("%1 %").arg(percent));
    }
    zoomList_->setCurrentIndex(entryOfZoom(zoom_));
    connect(zoomList_, &QComboBox::activated, this,
            [this](int entry) { setZoom(zoomOfEntry(entry)); });

    const std::array<std::pair<QKeySequence, int>, 4> keys = {{
        {QKeySequence::ZoomIn, 1},
        {QKeySequence(QStringLiteral("Ctrl+=")), 1},
        {QKeySequence::ZoomOut, -1},
        {QKeySequence(QStringLiteral("Ctrl+0")), 0},
    }};
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { zoomStep(step); });
    }
    for (DocumentView* view : documents_) {
        view->onZoomStep = [this](int step) { zoomStep(step); };
    }
    return zoomList_;
}

void TFormReport::zoomStep(int step) {
    if (step == 0) {
        setZoom({DocumentZoom::Fit::None, 100});
        return;
    }
    const DocumentView* view = documents_[std::max(tabs_->currentIndex() - 1, 0)];
    setZoom({DocumentZoom::Fit::None, nextZoomPercent(view->scale() * 100.0, step)});
}

void TFormReport::setZoom(const DocumentZoom& zoom) {
    zoom_ = zoom;
    for (DocumentView* view : documents_) {
        view->setZoom(zoom);
    }
    zoomList_->setCurrentIndex(entryOfZoom(zoom));
}

} // namespace kestrelon
