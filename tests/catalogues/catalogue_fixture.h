#pragma once
// Shared by the catalogue tests: a data store in a private folder, organizations and
// contracts put into it the way the windows do, and the tables read back from disk.

#include "catalogues/client_catalogue.h"
#include "catalogues/firm_catalogue.h"
#include "store/cp1251.h"
#include "store/image_file.h"
#include "store/slot_table.h"
#include "store/store_test_util.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kestrelon::test {

class CatalogueTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::unique_ptr<DataStore> store = storeIn(folder);
    FirmSelection firmSel;
    ClientSelection clientSel;

    // "New" in the organizations window with a card holding a name and an INN.
    void addFirm(const std::string& name, const std::string& inn) {
        FirmRecord* slot = clearNewFirmSlot(*store);
        ASSERT_NE(slot, nullptr);
        FirmCardFields card;
        card.Name = name;
        card.Inn = inn;
        writeFirmCard(*slot, card);
        commitNewFirm(*store, firmSel);
    }

    void addContract(int firm, const std::string& number) {
        ClientCardFields card;
        card.ContractNo = number;
        addClient(*store, clientSel, firm, card);
    }

    void deleteFirmAt(int slot) {
        firmSel.SelectedFirm = static_cast<std::int16_t>(slot);
        deleteFirm(*store, firmSel);
    }

    std::vector<std::string> names(const FirmTable& table, std::size_t count) const {
        std::vector<std::string> out;
        for (std::size_t k = 0; k < count; ++k) {
            out.push_back(table[k].Name.str());
        }
        return out;
    }
    std::vector<std::string> activeNames() const { return names(store->Firms, store->FirmCount); }
    std::vector<std::string> deletedNames() const {
        return names(store->FirmsDel, store->DeletedFirmCount);
    }

    // The organizations that a later start-up would find in a file.
    std::vector<std::string> namesOnDisk(const char* file) const {
        auto table = std::make_unique<FirmTable>();
        if (!loadImage(folder.path(), file, *table)) {
            return {};
        }
        return names(*table, countSlots(*table));
    }
};

} // namespace kestrelon::test
