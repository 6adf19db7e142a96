// The report and tariff windows, like the catalogue windows, give every control a user can
// reach a name that a screen reader reads out.

#include "store/startup_load.h"
#include "ui/reports/report_windows.h"
#include "ui/reports/tform23.h"
#include "ui/reports/tform_change_rep.h"
#include "ui/reports/tform_del_rep.h"
#include "ui/reports/tform_err_nds.h"
#include "ui/reports/tform_report_list.h"
#include "ui/reports/tform_slk.h"
#include "ui/tariff/tform1.h"
#include "ui/tariff/tform2.h"
#include "ui/tariff/tform_del_func.h"
#include "ui/tariff/tform_func.h"

#include <QAccessible>

namespace kestrelon {
namespace {

class ReportAndTariffAccessTest : public test::ReportWindowsTest {};

TEST_F(ReportAndTariffAccessTest, EveryControlAUserCanReachHasANameAScreenReaderReads) {
    LoadFunctionTable(*store);
    createWindows();
    ProgramWindows& w = *windows;
    w.FormReportList->ensureBuilt();
    w.Form23->ensureBuilt();
    w.Form1->ensureBuilt();
    w.Form2->ensureBuilt();
    w.FormFunc->ensureBuilt();
    const std::vector<QWidget*> all = {
        w.FormReport, w.FormSlk, w.FormReportList, w.FormChangeRep, w.FormDelRep, w.FormErrNDS,
        w.Form23,     w.Form1,   w.Form2,          w.FormFunc,      w.FormDelFunc};
    for (QWidget* window : all) {
        SCOPED_TRACE(window->objectName().toStdString());
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || control->window() != window) {
                continue;
            }
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            EXPECT_FALSE(face == nullptr || face->text(QAccessible::Name).isEmpty())
                << control->metaObject()->className() << " " << control->objectName().toStdString()
                << " in " << control->parentWidget()->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace kestrelon
