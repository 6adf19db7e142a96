// The report window and a principal that cannot be found: said when the window opens, and no
// report is computed, saved or turned into documents on a name the program would make up.

#include "catalogues/contract_parties.h"
#include "tform_report.h"
#include "ui/widgets/qt_text.h"

namespace kestrelon {

QString TFormReport::missingPrincipal() const {
    // A stored report prints the principal it stored.
    if (context_.reports.StoredReportOpen) {
        return {};
    }
    return fromCp1251(missingPrincipalProblem(context_.store));
}

bool TFormReport::refusedWithoutPrincipal() {
    const QString problem = missingPrincipal();
    if (problem.isEmpty()) {
        return false;
    }
    context_.messages.showMessage(problem);
    return true;
}

} // namespace kestrelon
