#pragma once
// A find field over a catalogue grid: typing part of what a row is found by (its name, its
// INN) narrows the grid to the rows that hold it, whatever the letters' case. Ctrl+F in the
// window moves to the field; Escape there empties it (and closes the window when it is empty
// already); Down moves into the grid. The current row is kept while it still shows, else the
// first row shown becomes current.

#include <QLineEdit>
#include <functional>

namespace kestrelon {

class CatalogueGrid;

class GridFindField : public QLineEdit {
public:
    // `rowText(row)` is what data row `row` is found by. `accessibleName` is what a screen
    // reader says of the field.
    GridFindField(CatalogueGrid& grid, std::function<QString(int row)> rowText,
                  const QString& accessibleName, QWidget* window);

    // Applies the typed text again, after the grid was given other rows.
    void refilter();
    // The rows the typed text leaves: all of them with nothing typed.
    int shownRows() const { return shown_; }

    // Called after each narrowing, so that the window can enable what acts on a row.
    std::function<void()> onFiltered;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CatalogueGrid& grid_;
    std::function<QString(int row)> rowText_;
    int shown_ = 0;
};

} // namespace kestrelon
