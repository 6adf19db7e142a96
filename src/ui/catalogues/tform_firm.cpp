#include "tform_firm.h"

#include "catalogues/contract_parties.h"
#include "tform_del_firm.h"
#include "tform_del_firm1.h"
#include "tform_rekvizit.h"
#include "ui/widgets/catalogue_grid.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/enter_moves_on.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/grid_find_field.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/window_size.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

struct ButtonText {
    const char16_t* caption;
    const char16_t* hint;
};

const std::array<ButtonText, 5> kButtons = {{
    {u"New", u"Новая организация"},
    {u"Edit", u"Редактировать"},
    {u"Del", u"Удалить организацию"},
    {u"Deleted", u"Удаленные организации"},
    {u"Restore", u"Восстановить удаленную организацию"},
}};

// The name, the phone and the address the documents print (the postal one, else the legal
// one): two organizations of one long name are told apart by the rest.
std::vector<QStringList> firmRows(const FirmTable& table, std::size_t count) {
    std::vector<QStringList> rows;
    for (std::size_t slot = 0; slot < count; ++slot) {
        const FirmRecord& firm = table[slot];
        const auto address = firm.PostalAddress.view().empty() ? firm.LegalAddress.view()
                                                               : firm.PostalAddress.view();
        rows.push_back(
            {fromCp1251(firm.Name.view()), fromCp1251(firm.Phone.view()), fromCp1251(address)});
    }
    return rows;
}

} // namespace

TFormFirm::TFormFirm(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("FormFirm"));
    setWindowTitle(QStringLiteral("Организации"));

    auto* toolbar = new QHBoxLayout;
    toolbar->setSpacing(2);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        QToolButton* button = makeSpeedButton(this, QString::fromUtf16(kButtons[i].caption),
                                              QString::fromUtf16(kButtons[i].hint),
                                              QStringLiteral("SpeedButton%1").arg(i + 1));
        toolbar->addWidget(button);
        buttons_[i] = button;
    }
    toolbar->addStretch(1);
    buttons_[3]->setCheckable(true);
    connect(buttons_[0], &QToolButton::clicked, this, &TFormFirm::SpeedButton1Click);
    connect(buttons_[1], &QToolButton::clicked, this, &TFormFirm::SpeedButton2Click);
    connect(buttons_[2], &QToolButton::clicked, this, &TFormFirm::SpeedButton3Click);
    connect(buttons_[3], &QToolButton::clicked, this, &TFormFirm::SpeedButton4Click);
    connect(buttons_[4], &QToolButton::clicked, this, &TFormFirm::SpeedButton5Click);

    grid_ = new CatalogueGrid(
        context_, GridBlock::Organizations,
        {QStringLiteral("Name"), QStringLiteral("Tel."), QStringLiteral("Address")}, this);
    grid_->setDesignedWidths({250, 110, 140});
    // Keyboard moves select a row just as clicks do.
    connect(grid_, &QTableWidget::cellClicked, this, &TFormFirm::StringGrid1Click);
    connect(grid_, &QTableWidget::currentCellChanged, this, &TFormFirm::StringGrid1Click);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &TFormFirm::StringGrid1DblClick);

    find_ = new GridFindField(
        *grid_, [this](int row) { return findText(row); }, QStringLiteral("Найти организацию"),
        this);
    find_->onFiltered = [this] { enableRowButtons(); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(toolbar);
    layout->addWidget(find_);
    layout->addWidget(grid_, 1);
    moveOnWithEnter(*this);

    resize(520, 360);
    applyStoredSize(*this, context_.store.FormW.size(SizedWindow::Organizations));
    FormCreate();
}

void TFormFirm::setDialogs(TFormRekvizit* card, TFormDelFirm* deleteDialog,
                           TFormDelFirm1* contractDialog) {
    card_ = card;
    deleteDialog_ = deleteDialog;
    contractDialog_ = contractDialog;
}

void TFormFirm::FormCreate() {
    showList();
}

void TFormFirm::showList() {
    const DataStore& store = context_.store;
    const FirmSelection& selection = context_.catalogues.firms;
    const bool deleted = buttons_[3]->isChecked();
    const bool full = store.FirmCount >= store.Firms.size();
    const std::size_t count = deleted ? store.DeletedFirmCount : store.FirmCount;

    listMode_ = count == 0 ? ListMode::Nothing : deleted ? ListMode::Deleted : ListMode::Active;
    setWindowTitle(deleted ? QStringLiteral("Удаленные организации")
                           : QStringLiteral("Организации"));
    // A screen reader names the grid by the list it shows.
    grid_->setAccessibleName(windowTitle());
    buttons_[0]->setEnabled(!deleted && !full);

    refreshing_ = true;
    const FirmTable& table = deleted ? store.FirmsDel : store.Firms;
    grid_->setDataTextColour(deleted ? Qt::red : Qt::black);
    grid_->showRows(firmRows(table, count));
    // The whole name (cut in its column) and the INN, on pointing at a row.
    for (std::size_t slot = 0; slot < count && listMode_ != ListMode::Nothing; ++slot) {
        const QString tip =
            QStringLiteral("%1\nИНН %2")
                .arg(fromCp1251(table[slot].Name.view()), fromCp1251(table[slot].Inn.view()));
        for (int column = 0; column < grid_->columnCount(); ++column) {
            grid_->item(static_cast<int>(slot), column)->setToolTip(tip);
        }
    }
    grid_->setCurrentDataRow(deleted ? selection.SelectedDeletedFirm : selection.SelectedFirm);
    refreshing_ = false;
    find_->refilter();
}

void TFormFirm::enableRowButtons() {
    const bool full = context_.store.FirmCount >= context_.store.Firms.size();
    const bool rowShown = find_->shownRows() > 0;
    buttons_[1]->setEnabled(listMode_ == ListMode::Active && rowShown);
    buttons_[2]->setEnabled(listMode_ == ListMode::Active && rowShown);
    buttons_[4]->setEnabled(listMode_ == ListMode::Deleted && !full && rowShown);
}

QString TFormFirm::findText(int row) const {
    const DataStore& store = context_.store;
    const FirmTable& table = listMode_ == ListMode::Deleted ? store.FirmsDel : store.Firms;
    if (row < 0 || static_cast<std::size_t>(row) >= table.size()) {
        return {};
    }
    const FirmRecord& firm = table[static_cast<std::size_t>(row)];
    return fromCp1251(firm.Name.view()) + u' ' + fromCp1251(firm.Inn.view());
}

template <typename Change> void TFormFirm::change(Change&& operation) {
    try {
        operation();
    } catch (const IoError& error) {
        showList();
        showFileError(context_, error);
        return;
    }
    showList();
}

void TFormFirm::StringGrid1Click() {
    const int row = grid_->currentDataRow();
    if (refreshing_ || row < 0 || listMode_ == ListMode::Nothing) {
        return;
    }
    FirmSelection& selection = context_.catalogues.firms;
    (listMode_ == ListMode::Deleted ? selection.SelectedDeletedFirm : selection.SelectedFirm) =
        static_cast<std::int16_t>(row);
}

void TFormFirm::StringGrid1DblClick(int row) {
    if (listMode_ != ListMode::Active || !card_ || row < 0 || row >= context_.store.FirmCount) {
        return;
    }
    context_.catalogues.firms.SelectedFirm = static_cast<std::int16_t>(row);
    card_->openCard(CardMode::View);
}

void TFormFirm::SpeedButton1Click() {
    if (!card_) {
        return;
    }
    card_->setWindowTitle(QStringLiteral("Новая организация"));
    if (card_->openCard(CardMode::New)) {
        change([this] { commitNewFirm(context_.store, context_.catalogues.firms); });
    }
}

void TFormFirm::SpeedButton2Click() {
    if (!card_ || listMode_ != ListMode::Active) {
        return;
    }
    const auto slot = static_cast<std::size_t>(context_.catalogues.firms.SelectedFirm);
    if (slot >= context_.store.FirmCount) {
        return;
    }
    const ShortStr<12> innBefore = context_.store.Firms[slot].Inn;
    card_->setWindowTitle(QStringLiteral("Редактирование"));
    if (card_->openCard(CardMode::Edit)) {
        change([&] { commitEditedFirm(context_.store, slot, innBefore); });
    }
}

void TFormFirm::SpeedButton3Click() {
    DataStore& store = context_.store;
    FirmSelection& selection = context_.catalogues.firms;
    const auto slot = static_cast<std::size_t>(selection.SelectedFirm);
    if (!deleteDialog_ || !contractDialog_ || listMode_ != ListMode::Active ||
        slot >= store.FirmCount) {
        return;
    }
    const QString name = fromCp1251(store.Firms[slot].Name.view());
    if (!deleteDialog_->askOrganization(name)) {
        return;
    }
    if (const auto contract = firstContractReferring(store, slot)) {
        if (!contractDialog_->askDespiteContract(name, fromCp1251(*contract))) {
            return;
        }
    }
    // The agent contract names its two organizations by INN: losing one changes the documents.
    if (const std::string question = partyDeletionQuestion(store, slot); !question.empty()) {
        if (!context_.messages.askQuestion(fromCp1251(question))) {
            return;
        }
    }
    change([&] { deleteFirm(store, selection); });
}

void TFormFirm::SpeedButton4Click() {
    showList();
}

void TFormFirm::SpeedButton5Click() {
    if (listMode_ != ListMode::Deleted) {
        return;
    }
    change([this] { restoreFirm(context_.store, context_.catalogues.firms); });
}

} // namespace kestrelon
