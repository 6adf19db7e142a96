#include "tform_del_func.h"

#include "tariff/function_table.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/qt_text.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kestrelon {

TFormDelFunc::TFormDelFunc(AppContext& context, QWidget* parent)
    : YesNoDialog(parent, QStringLiteral("FormDelFunc"), QStringLiteral("Удаление")),
      context_(context) {
    auto* label1 = new QLabel(QStringLiteral("Удалить функцию ?"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    panel1_ = makeSunkenPanel(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(panel1_);
    layout->addLayout(takeButtonRow());
    setFixedSize(kDesignedSize);
}

bool TFormDelFunc::askDelete() {
    DataStore& store = context_.store;
    std::int16_t& selected = context_.tariff.SelectedFunction;
    const bool known = selected >= 0 && static_cast<std::size_t>(selected) < store.FunctionCount;
    panel1_->setText(
        known ? fromCp1251(store.Functions[static_cast<std::size_t>(selected)].Name.view())
              : QString());
    if (!known || !askModal()) {
        return false;
    }
    return tariff::DeleteFunction(store, selected);
}

} // namespace kestrelon
