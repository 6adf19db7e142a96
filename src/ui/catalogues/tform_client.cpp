#include "tform_client.h"

#include "tform_add_client.h"
#include "tform_del_firm.h"
#include "ui/widgets/catalogue_grid.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/enter_moves_on.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/grid_find_field.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/window_size.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

constexpr int kActiveColumn = 5;
constexpr std::size_t kMaxContracts = 64;

} // namespace

TFormClient::TFormClient(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("FormClient"));
    setWindowTitle(QStringLiteral("Клиенты"));
    resize(kDesignedSize);

    speedButton1_ = makeSpeedButton(this, QStringLiteral("New"), QStringLiteral("Новый клиент"),
                                    "SpeedButton1");
    speedButton2_ = makeSpeedButton(this, QStringLiteral("Edit"), QStringLiteral("Редактировать"),
                                    "SpeedButton2");
    speedButton3_ =
        makeSpeedButton(this, QStringLiteral("Del"), QStringLiteral("Удалить"), "SpeedButton3");
    connect(speedButton1_, &QToolButton::clicked, this, &TFormClient::SpeedButton1Click);
    connect(speedButton2_, &QToolButton::clicked, this, &TFormClient::SpeedButton2Click);
    connect(speedButton3_, &QToolButton::clicked, this, &TFormClient::SpeedButton3Click);
    QHBoxLayout* toolbar = toolbarRow({speedButton1_, speedButton2_, speedButton3_});

    grid_ = new CatalogueGrid(context_, GridBlock::ClientContracts,
                              {QStringLiteral("Договор"), QStringLiteral("Организация"),
                               QStringLiteral("Телефон"), QStringLiteral("E-Mail"),
                               QStringLiteral("Дата"), QStringLiteral("Актив.")},
                              this);
    grid_->setDesignedWidths({80, 210, 110, 120, 80, 56});
    grid_->setAccessibleName(QStringLiteral("Договоры клиентов"));
    // Space on the "Актив." cell flips the mark as a click does.
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::cellClicked, this, &TFormClient::StringGrid1Click);
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row) { StringGrid1SelectCell(row); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            [this](int row) { StringGrid1DblClick(row); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(toolbar);
    find_ = new GridFindField(
        *grid_, [this](int row) { return findText(row); }, QStringLiteral("Найти договор"), this);
    find_->setPlaceholderText(
        QStringLiteral("Найти (Ctrl+F): часть номера договора, названия или ИНН"));
    find_->onFiltered = [this] { updateButtons(); };
    layout->addWidget(find_);
    layout->addWidget(grid_, 1);
    moveOnWithEnter(*this);

    // Creation work, done once per run.
    applyStoredSize(*this, context_.store.FormW.size(SizedWindow::ClientContracts));
    context_.store.rebuildClientFirmNames();
    context_.catalogues.clients.SelectedClient = 0;
    showContracts();
    updateButtons();
}

void TFormClient::setDialogs(TFormAddClient* card, TFormDelFirm* deleteDialog) {
    card_ = card;
    deleteDialog_ = deleteDialog;
}

void TFormClient::showContracts() {
    const DataStore& store = context_.store;
    std::vector<QStringList> rows;
    for (std::size_t k = 0; k < store.ClientCount; ++k) {
        QStringList row;
        for (const std::string& text : clientGridRow(store, k)) {
            row.append(fromCp1251(text));
        }
        rows.push_back(row);
    }
    {
        // Refilling the grid moves its current cell about; the selection is not the user's
        // doing.
        const QSignalBlocker blocker(grid_);
        const int column = std::max(grid_->currentColumn(), 0);
        grid_->showRows(rows);
        if (!rows.empty()) {
            grid_->setCurrentCell(context_.catalogues.clients.SelectedClient, column);
        }
    }
    // A contract the typed text hides gives way to the first one shown, as a selection.
    find_->refilter();
}

QString TFormClient::findText(int row) const {
    const DataStore& store = context_.store;
    if (row < 0 || static_cast<std::size_t>(row) >= store.ClientCount) {
        return {};
    }
    QString text;
    for (const std::string& cell : clientGridRow(store, static_cast<std::size_t>(row))) {
        text += fromCp1251(cell) + u' ';
    }
    return text + fromCp1251(store.Clients[static_cast<std::size_t>(row)].FirmInn.view());
}

void TFormClient::updateButtons() {
    const std::size_t count = context_.store.ClientCount;
    speedButton1_->setEnabled(count < kMaxContracts);
    const bool rowShown = count > 0 && find_->shownRows() > 0;
    speedButton2_->setEnabled(rowShown);
    speedButton3_->setEnabled(rowShown);
}

void TFormClient::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFormClient::FormShow() {
    // After a failed save the old snapshot stays, so that the next closing tries again.
    if (!marksUnsaved_) {
        snapshot_.take(context_.store);
    }
}

void TFormClient::done(int result) {
    if (isVisible()) {
        FormClose();
    }
    QDialog::done(result);
}

void TFormClient::FormClose() {
    // The active marks are written once, on closing, and only when one of them changed.
    if (!snapshot_.changed(context_.store)) {
        return;
    }
    try {
        context_.store.SaveFileClient();
        marksUnsaved_ = false;
    } catch (const IoError& error) {
        marksUnsaved_ = true;
        showFileError(context_, error);
    }
}

bool TFormClient::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            StringGrid1KeyPress();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormClient::StringGrid1KeyPress() {
    if (grid_->showsData() && grid_->currentRow() >= 0) {
        StringGrid1Click(grid_->currentRow(), grid_->currentColumn());
    }
}

void TFormClient::StringGrid1Click(int row, int column) {
    context_.catalogues.clients.SelectedClient = static_cast<std::int16_t>(row);
    if (column == kActiveColumn && grid_->showsData() && row >= 0 &&
        static_cast<std::size_t>(row) < context_.store.ClientCount) {
        toggleActive(context_.store, static_cast<std::size_t>(row));
        showContracts();
    }
}

void TFormClient::StringGrid1SelectCell(int row) {
    if (grid_->showsData() && row >= 0) {
        context_.catalogues.clients.SelectedClient = static_cast<std::int16_t>(row);
    }
}

void TFormClient::StringGrid1DblClick(int row) {
    if (grid_->showsData() && row >= 0 &&
        static_cast<std::size_t>(row) < context_.store.ClientCount) {
        SpeedButton2Click();
    }
}

void TFormClient::SpeedButton1Click() {
    if (card_ == nullptr || context_.store.ClientCount >= kMaxContracts) {
        return;
    }
    // The card stored and saved the contract and selected it.
    afterChange(card_->openCard(CardMode::New));
}

void TFormClient::SpeedButton2Click() {
    if (card_ == nullptr || context_.store.ClientCount == 0) {
        return;
    }
    afterChange(card_->openCard(CardMode::Edit));
}

void TFormClient::SpeedButton3Click() {
    if (deleteDialog_ == nullptr || context_.store.ClientCount == 0) {
        return;
    }
    // "Yes" removes the contract, rebuilds the names and saves.
    afterChange(deleteDialog_->askClientContract());
}

void TFormClient::afterChange(ClientsChange change) {
    if (change == ClientsChange::None) {
        return;
    }
    // "Clients" now holds every mark as it is in memory: closing compares with these. After a
    // failed save the old snapshot stays, so that closing still finds the difference.
    if (change == ClientsChange::Saved) {
        snapshot_.take(context_.store);
        marksUnsaved_ = false;
    }
    showContracts();
    updateButtons();
}

} // namespace kestrelon
