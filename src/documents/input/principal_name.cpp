#include "principal_name.h"

#include "documents/words/legal_form.h"
#include "store/cp1251.h"
#include "store/data_store.h"

namespace kestrelon {

std::string fixedPrincipalName() {
    return "ООО \"Тарвел\""_cp;
}

std::string principalShortName(const std::optional<DocumentFirm>& principal) {
    if (!principal || principal->inn.empty() || principal->inn == PrincipalInn) {
        return fixedPrincipalName();
    }
    return shortLegalForm(principal->name);
}

} // namespace kestrelon
