#include "flow_layout.h"

#include <QWidget>
#include <algorithm>

namespace kestrelon {

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent), spacing_(spacing) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) {
        delete item;
    }
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
    gaps_.append(0);
}

void FlowLayout::addGapAfterLast(int gap) {
    if (!gaps_.isEmpty()) {
        gaps_.back() += gap;
    }
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_[index] : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    if (index < 0 || index >= items_.size()) {
        return nullptr;
    }
    gaps_.removeAt(index);
    return items_.takeAt(index);
}

int FlowLayout::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const {
    // The widest item alone on a line.
    QSize size;
    for (const QLayoutItem* item : items_) {
        size = size.expandedTo(item->minimumSize());
    }
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const {
    // Everything on one line.
    int width = 0;
    int height = 0;
    for (int i = 0; i < items_.size(); ++i) {
        const QSize hint = items_[i]->sizeHint();
        width += hint.width() + (i > 0 ? spacing_ + gaps_[i - 1] : 0);
        height = std::max(height, hint.height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    int x = area.x();
    int y = area.y();
    int lineHeight = 0;
    for (int i = 0; i < items_.size(); ++i) {
        QLayoutItem* item = items_[i];
        if (item->isEmpty()) {
            continue;
        }
        const QSize hint = item->sizeHint();
        const int gap = i > 0 ? spacing_ + gaps_[i - 1] : 0;
        int left = x == area.x() ? x : x + gap;
        if (left + hint.width() > area.right() + 1 && x > area.x()) {
            // On to the next line.
            y += lineHeight + spacing_;
            left = area.x();
            lineHeight = 0;
        }
        if (apply) {
            item->setGeometry(QRect(QPoint(left, y), hint));
        }
        x = left + hint.width();
        lineHeight = std::max(lineHeight, hint.height());
    }
    const QMargins m = contentsMargins();
    return y + lineHeight - rect.y() + m.bottom();
}

} // namespace kestrelon
