#include "full_data_folder.h"

#include "store/cp1251.h"
#include "store/data_store.h"
#include "store/image_file.h"

#include <filesystem>
#include <memory>

namespace kestrelon::bench {

void writeFullDataFolder(const std::string& folder, const std::string& installFolder) {
    auto store = std::make_unique<DataStore>();
    store->DataFolder = folder;
    for (int k = 0; k < 64; ++k) {
        const std::string n = std::to_string(k);
        FirmRecord& firm = store->Firms[k];
        firm.Name = "ООО \"Организация "_cp + n + "\"";
        firm.Inn = std::to_string(7700000000LL + k);
        firm.LegalAddress = "г. Москва, ул. Тверская, д. "_cp + n;
        for (auto& bank : firm.Banks) {
            bank.Bik = "044525225";
            bank.BankShortName = "ПАО Сбербанк"_cp;
        }
        store->FirmsDel[k] = firm;
        ClientRecord& client = store->Clients[k];
        client.ContractNo = "Д-" + n;
        client.ContractDate = "01.02.2026";
        client.FirmInn = firm.Inn;
        store->ClientsDel[k] = client;
    }
    for (int f = 0; f < 16; ++f) {
        store->Functions[f].Name = "Функция "_cp + std::to_string(f);
    }
    store->Agent.AgentInn = store->Firms[3].Inn;
    store->FormW.setSize(SizedWindow::Organizations, {600, 400});
    store->SaveFileFirm();
    store->SaveFileFirmDel();
    store->SaveFileClient();
    store->SaveFileClientDel();
    store->SaveFileAgent();
    store->SaveFileForm();
    store->SaveFileCol();
    store->SaveFileFunc();
    for (const char* name : {files::kLogo, files::kGlobe}) {
        std::error_code ec;
        std::filesystem::copy_file(installFolder + name, folder + name,
                                   std::filesystem::copy_options::overwrite_existing, ec);
    }
}

} // namespace kestrelon::bench
