#pragma once
// The tariff function editor, list and delete question, wired as at start-up over a private
// data folder, with the editor shown and active so that fields can be clicked into.

#include "store/startup_load.h"
#include "tariff/function_samples.h"
#include "ui/support/active_window.h"
#include "ui/support/firm_windows.h"
#include "ui/tariff/tform2.h"
#include "ui/tariff/tform_del_func.h"
#include "ui/tariff/tform_func.h"
#include "ui/widgets/system_locale.h"

#include <QComboBox>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <string>

namespace kestrelon::test {

class FunctionWindowsTest : public ::testing::Test {
protected:
    FunctionWindowsTest() {
        store->DataFolder = folder.path();
        LoadFunctionTable(*store); // the working copy's start values
    }

    // A stored function with rates r and the start thresholds (0, 1.00 ... 7.00).
    void storeFunction(const char* name, const std::array<std::uint16_t, 8>& r) {
        TariffFunction& slot = store->Functions[store->FunctionCount++];
        slot = tariff::withRates(r);
        slot.Name = name;
        slot.CreatedTime = "10:00:00";
    }

    // Creates the three windows in start-up order, after the test has filled the tables.
    void createWindows() {
        editor = std::make_unique<TForm2>(context, nullptr);
        list = std::make_unique<TFormFunc>(context, nullptr);
        deleteDialog = std::make_unique<TFormDelFunc>(context, nullptr);
        editor->setFunctionList(list.get());
        list->setDialogs(deleteDialog.get(), editor.get());
        // What their first showing does: the controls and the creation work.
        editor->ensureBuilt();
        list->ensureBuilt();
    }

    void showEditor() {
        editor->show();
        editor->activateWindow();
        ASSERT_TRUE(test::waitActive(editor.get()));
    }

    QLineEdit* field(int number) const { return edit(*editor, number); }
    QComboBox* combo() const { return child<QComboBox>(*editor, QStringLiteral("ComboBox1")); }
    QTimer* timer(const char* name) const {
        return editor->findChild<QTimer*>(QString::fromLatin1(name));
    }
    QAbstractButton* button(const QWidget& window, const char* name) const {
        return child<QAbstractButton>(window, QString::fromLatin1(name));
    }

    // Clicks into a field, as the user moves to it.
    void enter(int number) {
        // A click gives the focus only in the active window; a modal dialog just opened
        // becomes active a moment later, later still on a busy machine.
        if (!editor->isActiveWindow()) {
            editor->activateWindow();
            ASSERT_TRUE(test::waitActive(editor.get()));
        }
        QTest::mouseClick(field(number), Qt::LeftButton);
        ASSERT_TRUE(field(number)->hasFocus()) << number;
    }
    // Clicks into a field, empties it and types the text key by key.
    void typeIn(int number, const QString& text) {
        enter(number);
        field(number)->clear();
        QTest::keyClicks(field(number), text);
    }

    QStringList fieldTexts(int first, int last) const {
        QStringList texts;
        for (int n = first; n <= last; ++n) {
            texts.append(field(n)->text());
        }
        return texts;
    }
    // "5.01" with the system's decimal separator.
    static QString amount(const char* text) {
        return QString::fromLatin1(text).replace(QLatin1Char('.'),
                                                 QLatin1Char(systemDecimalSeparator()));
    }

    std::array<std::uint32_t, 8> thresholds() const {
        return tariff::thresholds(store->EditedFunction);
    }
    std::array<unsigned, 8> rates() const { return tariff::rates(store->EditedFunction); }

    // Names of the slots of "Function" as written, up to the first empty one.
    std::vector<std::string> savedNames() const {
        const std::string bytes = folder.readFile("Function");
        std::vector<std::string> names;
        if (bytes.size() != sizeof(FunctionTable)) {
            names.push_back("<file of " + std::to_string(bytes.size()) + " bytes>");
            return names;
        }
        for (std::size_t slot = 0; slot < 16; ++slot) {
            const auto length = static_cast<unsigned char>(bytes[slot * sizeof(TariffFunction)]);
            if (length == 0) {
                break;
            }
            names.push_back(bytes.substr(slot * sizeof(TariffFunction) + 1, length));
        }
        return names;
    }

    TempFolder folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    RecordingSink sink;
    AppContext context{*store, sink};
    std::unique_ptr<TForm2> editor;
    std::unique_ptr<TFormFunc> list;
    std::unique_ptr<TFormDelFunc> deleteDialog;
};

} // namespace kestrelon::test
