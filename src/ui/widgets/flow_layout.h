#pragma once
// Controls in a row that wraps: as many on a line as the width takes, the rest on the next
// lines, in their order. A toolbar or a row of groups so stays in view on a narrow window
// (a small screen, a desktop scaled 150-200 %) instead of running off to the right.

#include <QLayout>
#include <QList>

namespace kestrelon {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 4);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    // Extra room between two items, after the item at `index` (a gap in a toolbar).
    void addGapAfterLast(int gap);

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Lays the items out in `rect` (moving them when `apply`); the height it takes.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
    QList<int> gaps_; // after each item
    int spacing_;
};

} // namespace kestrelon
