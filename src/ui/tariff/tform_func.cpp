#include "tform_func.h"

#include "tform2.h"
#include "tform_del_func.h"
#include "ui/widgets/catalogue_grid.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/qt_text.h"

#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace kestrelon {

TFormFunc::TFormFunc(AppContext& context, QWidget* parent) : LazyDialog(parent), context_(context) {
    setObjectName(QStringLiteral("FormFunc"));
    setWindowTitle(QStringLiteral("Функции"));
}

void TFormFunc::build() {

    speedButton1_ = makeSpeedButton(this, QStringLiteral("Edit"), QStringLiteral("Редактировать"),
                                    "SpeedButton1");
    speedButton2_ = makeSpeedButton(this, QStringLiteral("Del"), QString(), "SpeedButton2");
    connect(speedButton1_, &QToolButton::clicked, this, &TFormFunc::SpeedButton1Click);
    connect(speedButton2_, &QToolButton::clicked, this, &TFormFunc::SpeedButton2Click);

    // The widths a user drags here are not kept: no block of "ArCol.ats".
    grid_ = new CatalogueGrid(context_, std::nullopt,
                              {QStringLiteral("Name"), QStringLiteral("Date.")}, this);
    grid_->setDesignedWidths({381, 82});
    grid_->setAccessibleName(QStringLiteral("Функции"));
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row) { StringGrid1Click(row); });
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row) { StringGrid1Click(row); });
    // Double click, and Enter on a row, pick the function as "Edit" does.
    connect(grid_, &QTableWidget::cellActivated, this,
            [this](int row) { StringGrid1DblClick(row); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(toolbarRow({speedButton1_, speedButton2_}));
    layout->addWidget(grid_, 1);
    setFixedSize(kDesignedSize);

    // Creation work, done once per run.
    showFunctions(0);
}

void TFormFunc::setDialogs(TFormDelFunc* deleteDialog, TForm2* editor) {
    deleteDialog_ = deleteDialog;
    editor_ = editor;
}

void TFormFunc::showFunctions(int current) {
    ensureBuilt();
    const DataStore& store = context_.store;
    std::vector<QStringList> rows;
    for (std::size_t i = 0; i < store.FunctionCount; ++i) {
        rows.push_back({fromCp1251(store.Functions[i].Name.view()),
                        fromCp1251(store.Functions[i].CreatedTime.view())});
    }
    {
        // Refilling moves the current cell; that is no choice of the user's.
        const QSignalBlocker blocker(grid_);
        grid_->showRows(rows);
        grid_->setCurrentDataRow(rows.empty() ? 0 : current);
    }
    speedButton1_->setEnabled(!rows.empty());
    speedButton2_->setEnabled(!rows.empty());
}

void TFormFunc::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFormFunc::FormShow() {
    // The function chosen in the editor's combo box since is the one "Del" would remove:
    // the list shows it as the current row.
    const std::int16_t selected = context_.tariff.SelectedFunction;
    if (grid_->showsData() && selected >= 0 && selected < grid_->rowCount()) {
        const QSignalBlocker blocker(grid_);
        grid_->setCurrentDataRow(selected);
    }
}

void TFormFunc::StringGrid1Click(int row) {
    if (grid_->showsData() && row >= 0 &&
        static_cast<std::size_t>(row) < context_.store.FunctionCount) {
        context_.tariff.SelectedFunction = static_cast<std::int16_t>(row);
    }
}

void TFormFunc::StringGrid1DblClick(int row) {
    StringGrid1Click(row);
    SpeedButton1Click();
}

void TFormFunc::SpeedButton1Click() {
    const std::int16_t selected = context_.tariff.SelectedFunction;
    if (editor_ == nullptr || selected < 0 ||
        static_cast<std::size_t>(selected) >= context_.store.FunctionCount) {
        return;
    }
    editor_->chooseFunction(selected);
    accept();
}

void TFormFunc::SpeedButton2Click() {
    if (deleteDialog_ == nullptr || context_.store.FunctionCount == 0) {
        return;
    }
    // "Yes" removes the function and moves the selection.
    if (!deleteDialog_->askDelete()) {
        return;
    }
    const bool remain = context_.store.FunctionCount > 0;
    showFunctions(context_.tariff.SelectedFunction);
    if (editor_ != nullptr) {
        // The working copy stays as it is; only the names are shown again.
        editor_->showStoredFunctions(remain ? 0 : -1);
    }
    try {
        context_.store.SaveFileFunc();
    } catch (const IoError& error) {
        showFileError(context_, error);
    }
}

} // namespace kestrelon
