#pragma once
// The function editor's sixteen fields: the "From" row (field 0 always 0, read-only) above
// the "%" row, each "%" field under the "From" field of its range. Only digits, "," and "."
// can be typed, six characters in a "From" field and four in a "%" field; what the program
// shows is never cut, however long. What a key press or entering a field means is the
// editor's business.

#include "tariff/function_fields.h"

#include <QWidget>
#include <array>
#include <functional>

class QKeyEvent;
class QLineEdit;

namespace kestrelon {

class FunctionFieldRows : public QWidget {
public:
    // Wide enough for eight digits and a separator in the fields' font: the longest amount
    // that typing six characters can lead to, once the ranges after it are pushed up
    // (999999.06).
    static constexpr int kFieldWidth = 72;
    static constexpr int kFieldPitch = 76;
    static constexpr int kFieldFontPixels = 13;
    static constexpr int kFromLength = 6;
    static constexpr int kRateLength = 4;

    explicit FunctionFieldRows(QWidget* parent);

    QLineEdit* field(int number) const { return fields_.at(static_cast<std::size_t>(number)); }
    // Field texts in cp1251.
    tariff::FieldTexts texts() const;
    // Shows fields 1..15; field 0 keeps its 0.
    void showTexts(const tariff::FieldTexts& texts);
    // True when the user has typed in the field since the program last showed a text there.
    bool typedIn(int number) const;

    // Every key press in a field, before the filter drops it or not.
    std::function<void(int field)> keyPressed;
    // Enter pressed in a field.
    std::function<void(int field)> returnPressed;
    // The user moved into a field (not a window coming back to the front).
    std::function<void(int field)> entered;

    // The keys a field admits: digits, "," and ".", Backspace and Enter, and the keys that
    // type nothing (moving the cursor, Tab, Delete, Esc, select all, copy).
    static bool admitted(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int numberOf(const QObject* watched) const;
    // A character key that would make the field longer than typing may.
    bool beyondLength(int number, const QKeyEvent& event) const;

    std::array<QLineEdit*, tariff::kFieldCount> fields_{};
};

} // namespace kestrelon
