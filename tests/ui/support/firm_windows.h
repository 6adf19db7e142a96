#pragma once
// The organizations window with its card, bank window, text card and delete dialogs, wired
// as at start-up over a private data folder, and a driver for the modal dialogs they open.

#include "recording_sink.h"
#include "store/cp1251.h"
#include "support/temp_folder.h"
#include "ui/catalogues/tform_bank.h"
#include "ui/catalogues/tform_del_firm.h"
#include "ui/catalogues/tform_del_firm1.h"
#include "ui/catalogues/tform_firm.h"
#include "ui/catalogues/tform_rekvizit.h"
#include "ui/catalogues/tform_save.h"
#include "ui/widgets/catalogue_grid.h"
#include "ui/widgets/find_named.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace kestrelon::test {

// Runs a step on the modal dialog named `name` once it is the active modal window. A dialog
// that does not appear within two seconds fails the test, and whatever modal window is open
// then is closed so that the test ends instead of hanging.
inline void whenModal(const QString& name, std::function<void(QDialog&)> step) {
    auto* poll = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->objectName() == name && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            step(*dialog);
            return;
        }
        if (++*ticks > 400) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << name.toStdString() << " did not open";
            if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                open->reject();
            }
        }
    });
    poll->start(5);
}

template <typename T = QWidget> T* child(const QWidget& window, const QString& name) {
    T* found = findNamed<T>(window, name);
    EXPECT_TRUE(found) << name.toStdString();
    return found;
}

inline QLineEdit* edit(const QWidget& window, int number) {
    return child<QLineEdit>(window, QStringLiteral("Edit%1").arg(number));
}

inline void click(const QWidget& window, const QString& name) {
    if (auto* button = child<QAbstractButton>(window, name)) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

// Replaces a field's text by typing it key by key (Cyrillic letters included).
inline void type(const QWidget& window, int number, const QString& text) {
    if (QLineEdit* field = edit(window, number)) {
        field->clear();
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

class FirmWindowsTest : public ::testing::Test {
protected:
    FirmWindowsTest() { store->DataFolder = folder.path(); }

    // Creates the windows in start-up order, after the test has filled the tables.
    void createWindows() {
        firm = std::make_unique<TFormFirm>(context, nullptr);
        card = std::make_unique<TFormRekvizit>(context, nullptr);
        bank = std::make_unique<TFormBank>(context, nullptr);
        deleteDialog = std::make_unique<TFormDelFirm>(context, nullptr);
        textCard = std::make_unique<TFormSave>(context, nullptr);
        contractDialog = std::make_unique<TFormDelFirm1>(context, nullptr);
        firm->setDialogs(card.get(), deleteDialog.get(), contractDialog.get());
        card->setDialogs(bank.get(), textCard.get());
    }

    void addFirm(const char* name, const char* inn) {
        FirmRecord& slot = store->Firms[store->FirmCount++];
        slot.Name = utf8ToCp1251(name);
        slot.Inn = inn;
    }
    void addClient(const char* contractNo, const char* inn) {
        ClientRecord& slot = store->Clients[store->ClientCount++];
        slot.ContractNo = contractNo;
        slot.FirmInn = inn;
    }

    // The Name field of a slot of "Firms" or "FirmsDel" as written to the file.
    QString savedName(const char* file, std::size_t slot) const {
        const std::string bytes = folder.readFile(file);
        if (bytes.size() != sizeof(FirmTable)) {
            return QStringLiteral("<file of %1 bytes>").arg(bytes.size());
        }
        const std::size_t at = slot * sizeof(FirmRecord);
        const auto length = static_cast<unsigned char>(bytes[at]);
        return QString::fromStdString(cp1251ToUtf8(bytes.substr(at + 1, length)));
    }

    TempFolder folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    RecordingSink sink;
    AppContext context{*store, sink};
    std::unique_ptr<TFormFirm> firm;
    std::unique_ptr<TFormRekvizit> card;
    std::unique_ptr<TFormBank> bank;
    std::unique_ptr<TFormDelFirm> deleteDialog;
    std::unique_ptr<TFormSave> textCard;
    std::unique_ptr<TFormDelFirm1> contractDialog;
};

} // namespace kestrelon::test
