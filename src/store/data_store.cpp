#include "data_store.h"

#include "image_file.h"

namespace kestrelon {

void DataStore::SaveFileFirm() const {
    saveImage(DataFolder, files::kFirms, Firms);
}
void DataStore::SaveFileFirmDel() const {
    saveImage(DataFolder, files::kFirmsDeleted, FirmsDel);
}
void DataStore::SaveFileClient() const {
    saveImage(DataFolder, files::kClients, Clients);
}
void DataStore::SaveFileClientDel() const {
    saveImage(DataFolder, files::kClientsDeleted, ClientsDel);
}
void DataStore::SaveFileAgent() const {
    saveImage(DataFolder, files::kAgent, Agent);
}
void DataStore::SaveFilePrincipal() const {
    saveImage(DataFolder, files::kPrincipal, PrincipalChoice);
}
void DataStore::SaveFileForm() const {
    saveImage(DataFolder, files::kWindowState, FormW);
}
void DataStore::SaveFileCol() const {
    saveImage(DataFolder, files::kColumnWidths, ArCol);
}
void DataStore::SaveFileFunc() const {
    saveImage(DataFolder, files::kFunctions, Functions);
}

int DataStore::findFirmByInn(std::string_view inn) const {
    for (int k = 0; k < FirmCount && k < static_cast<int>(Firms.size()); ++k) {
        if (Firms[k].Inn == inn) {
            return k;
        }
    }
    return -1;
}

void DataStore::refreshFirmIndexes() {
    PrincipalFirmIndex = findFirmByInn(principalInn());
    // An agent contract without an INN names no organization, not one whose INN is empty.
    AgentFirmIndex = Agent.AgentInn.empty() ? -1 : findFirmByInn(Agent.AgentInn.view());
}

void DataStore::rebuildClientFirmNames() {
    for (std::size_t k = 0; k < ClientFirmNames.size(); ++k) {
        const ClientRecord& contract = Clients[k];
        ShortStr<128>& name = ClientFirmNames[k];
        if (k >= ClientCount) {
            name.clear();
            continue;
        }
        name.assign(contract.FirmInn.view());
        for (std::size_t f = 0; f < FirmCount && f < Firms.size(); ++f) {
            if (Firms[f].Inn == contract.FirmInn) {
                name = Firms[f].Name;
            }
        }
    }
}

} // namespace kestrelon
