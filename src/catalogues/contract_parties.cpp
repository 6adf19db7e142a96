#include "contract_parties.h"

#include "store/cp1251.h"

namespace kestrelon {
namespace {

const std::string& whereThePrincipalIsChosen() {
    static const std::string where =
        "главное окно, кнопка «Agent», затем «Edit», вкладка «Тарвел», "
        "список «Организация принципала»"_cp;
    return where;
}

bool innSharedWithAnother(const DataStore& store, std::size_t slot) {
    for (std::size_t k = 0; k < store.FirmCount; ++k) {
        if (k != slot && store.Firms[k].Inn == store.Firms[slot].Inn) {
            return true;
        }
    }
    return false;
}

bool names(std::int32_t index, std::size_t slot) {
    return index >= 0 && static_cast<std::size_t>(index) == slot;
}

} // namespace

PartiesFollowed followInnChange(DataStore& store, std::size_t slot, const ShortStr<12>& innBefore) {
    PartiesFollowed followed;
    if (slot >= store.FirmCount) {
        return followed;
    }
    const ShortStr<12>& innAfter = store.Firms[slot].Inn;
    if (innAfter == innBefore || innAfter.empty()) {
        return followed;
    }
    if (names(store.PrincipalFirmIndex, slot)) {
        store.PrincipalChoice = innAfter;
        followed.principal = true;
    }
    if (names(store.AgentFirmIndex, slot) && store.Agent.AgentInn == innBefore) {
        store.Agent.AgentInn = innAfter;
        followed.agent = true;
    }
    return followed;
}

std::string partyDeletionQuestion(const DataStore& store, std::size_t slot) {
    if (slot >= store.FirmCount || innSharedWithAnother(store, slot)) {
        return {};
    }
    const std::string name = "«"_cp + store.Firms[slot].Name.str() + "»"_cp;
    if (names(store.PrincipalFirmIndex, slot)) {
        if (store.PrincipalChoice.empty()) {
            return name + " — организация принципала. Без нее в документах месяца не будет "
                          "реквизитов принципала. Все равно удалить?"_cp;
        }
        return name +
               " — организация принципала в агентском договоре. Пока принципал не "
               "выбран снова ("_cp +
               whereThePrincipalIsChosen() +
               ") или организация не восстановлена, отчет месяца не будет посчитан и "
               "сохранен, а документы не будут сделаны. Все равно удалить?"_cp;
    }
    if (names(store.AgentFirmIndex, slot)) {
        return name + " — организация агента в агентском договоре. Без нее в документах "
                      "месяца не будет реквизитов агента, пока в карточке агентского договора "
                      "не выбрана другая. Все равно удалить?"_cp;
    }
    return {};
}

std::string missingPrincipalProblem(const DataStore& store) {
    if (store.PrincipalChoice.empty() || store.findFirmByInn(store.PrincipalChoice.view()) >= 0) {
        return {};
    }
    return "Организация принципала не найдена: в агентском договоре принципал — организация "
           "с ИНН "_cp +
           store.PrincipalChoice.str() +
           ", а среди организаций такой нет. Документы с выдуманным принципалом не "
           "делаются. Выберите организацию принципала ("_cp +
           whereThePrincipalIsChosen() + ") или верните организацию с этим ИНН в «Firms»."_cp;
}

} // namespace kestrelon
