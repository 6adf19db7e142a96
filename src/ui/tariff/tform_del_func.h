#pragma once
// "Удаление": asks before a tariff function is deleted; "Yes" removes it.

#include "ui/widgets/app_context.h"
#include "ui/widgets/yes_no_dialog.h"

class QLabel;

namespace kestrelon {

class TFormDelFunc : public YesNoDialog {
public:
    static constexpr QSize kDesignedSize{377, 127};

    TFormDelFunc(AppContext& context, QWidget* parent);

    // Asks about function SelectedFunction, showing its name; on "Yes" removes it from the
    // table (slots after it move down, the selection follows) and returns true. The caller
    // shows the change and saves the table.
    bool askDelete();

private:
    AppContext& context_;
    QLabel* panel1_ = nullptr;
};

} // namespace kestrelon
