// The УПД of a report: the tax service's schema accepts every document the program writes, the
// file is named by its ИдФайл, and a document an operator would refuse is not written at all.

#include "exchange/upd_file.h"
#include "schema_validation.h"
#include "store/cp1251.h"
#include "support/temp_folder.h"
#include "upd_samples.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>

namespace kestrelon {
namespace {

using test::sampleUpdInput;
using test::sampleUpdSettings;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

using test::joined;

TEST(UpdFile, OneReportGivesTheGoldenFileByteForByte) {
    const UpdFile file = prepareUpdFile(sampleUpdInput(), sampleUpdSettings());
    ASSERT_TRUE(file.ok()) << joined(file.problems);
    const std::string golden = test::exchangeDataPath("upd_march_2013.xml");
    if (std::getenv("KESTRELON_WRITE_GOLDEN") != nullptr) {
        std::ofstream(golden, std::ios::binary) << file.bytes;
    }
    EXPECT_EQ(file.bytes, readFile(golden));
    EXPECT_EQ(test::updSchemaErrors(file.bytes), "");

    // The schema does judge: the same file claiming another version of the format fails.
    std::string otherVersion = file.bytes;
    otherVersion.replace(otherVersion.find("5.03"), 4, "5.02");
    EXPECT_NE(test::updSchemaErrors(otherVersion), "");
}

struct Variant {
    const char* what;
    std::function<void(DocumentInput&, UpdSettings&)> change;
    const char* expected; // a piece of the file, UTF-8
};

TEST(UpdFile, EveryVariantOfTheDataValidatesAgainstTheSchema) {
    const std::string longest(128, static_cast<char>(0xDF)); // 128 × «я», the longest stored name
    const std::vector<Variant> variants = {
        {"a report of 2026",
         [](DocumentInput& in, UpdSettings& s) {
             in.period = Period{10, 16};
             in.actDate = "30.11.2026";
             s.today = CalendarDay{2026, 12, 9};
         },
         "ДатаНачПер=\"01.11.2026\" ДатаОконПер=\"30.11.2026\""},
        {"an entrepreneur for an agent",
         [](DocumentInput& in, UpdSettings&) {
             in.agent->name = "Индивидуальный предприниматель Петров Петр Петрович"_cp;
             in.agent->inn = "500100732259";
             in.agent->kpp.clear();
         },
         "<СвИП ИННФЛ=\"500100732259\">"},
        {"an agent without KPP", [](DocumentInput& in, UpdSettings&) { in.agent->kpp.clear(); },
         "ИННЮЛ=\"7701234560\"/>"},
        {"names with quotes, guillemets and ampersands",
         [](DocumentInput& in, UpdSettings&) {
             in.agent->name = "ООО «Агент & Сын» 'Восток' <Связь>"_cp;
             in.agent->bankName = "Банк \"Кредит & Ко\""_cp;
         },
         "НаимОрг=\"ООО «Агент &amp; Сын» &apos;Восток&apos; &lt;Связь&gt;\""},
        {"the longest stored names",
         [&](DocumentInput& in, UpdSettings& s) {
             in.agent->name = longest;
             in.principal->name = longest;
             in.agent->bankName = longest;
             in.contractNo = "12345678";
             s.contractNo = "123456789012";
             in.director = std::string(36, static_cast<char>(0xDF));
             s.signer = PersonName{std::string(60, static_cast<char>(0xDF)),
                                   std::string(60, static_cast<char>(0xDF)),
                                   std::string(60, static_cast<char>(0xDF))};
         },
         "РеквНомерДок=\"12345678\""},
        {"an act number other than the offset act's",
         [](DocumentInput& in, UpdSettings&) {
             in.actNo = "207";
             in.offsetActNo = "5";
         },
         "НомерДок=\"207\""},
        {"a director whose contract text is his full name",
         [](DocumentInput& in, UpdSettings& s) {
             in.director = "Сидоров Семен"_cp;
             s.signer.reset();
         },
         "<ФИО Фамилия=\"Сидоров\" Имя=\"Семен\"/>"},
    };
    for (const Variant& v : variants) {
        DocumentInput in = sampleUpdInput();
        UpdSettings settings = sampleUpdSettings();
        v.change(in, settings);
        const UpdFile file = prepareUpdFile(in, settings);
        ASSERT_TRUE(file.ok()) << v.what << ":\n" << joined(file.problems);
        EXPECT_EQ(test::updSchemaErrors(file.bytes), "") << v.what;
        EXPECT_NE(cp1251ToUtf8(file.bytes).find(v.expected), std::string::npos)
            << v.what << ":\n"
            << cp1251ToUtf8(file.bytes);
    }
}

TEST(UpdFile, IsNamedByItsFileIdAsTheFormatPrescribes) {
    test::TempFolder folder;
    const UpdFile file = prepareUpdFile(sampleUpdInput(), sampleUpdSettings());
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.name, "ON_NSCHFDOPPR_2BM-7712345671-771201001-000000000000002_"
                         "2BE-7701234560-770101001-000000000000001_20130402_"
                         "8c107c03-38d3-4969-ac34-ff5a0047720c_0_0_0_0_0_00.xml");
    saveUpdFile(folder.path(), file);
    const std::string written = folder.readFile(file.name);
    const std::smatch id = [&] {
        std::smatch m;
        std::regex_search(written, m, std::regex("ИдФайл=\"([^\"]*)\""_cp));
        return m;
    }();
    ASSERT_EQ(id.size(), 2u);
    EXPECT_EQ(id[1].str() + ".xml", file.name);

    const std::string guid = newGuid();
    EXPECT_TRUE(std::regex_match(
        guid, std::regex("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}")))
        << guid;
    EXPECT_NE(guid, newGuid());
}

struct Refusal {
    const char* what;
    std::function<void(DocumentInput&, UpdSettings&)> change;
    std::vector<const char*> expected; // pieces of the message, UTF-8
};

TEST(UpdFile, ADocumentAnOperatorWouldRefuseIsNotWrittenAndTheMessageNamesWhy) {
    const std::vector<Refusal> refusals = {
        {"the made-up principal INN",
         [](DocumentInput& in, UpdSettings&) { in.principal->inn = "7712345670"; },
         {"Организация принципала «Публичное акционерное общество \"Связь\"»: ИНН 7712345670",
          "контрольная цифра не сходится"}},
        {"no participant ids",
         [](DocumentInput&, UpdSettings& s) {
             s.senderId.clear();
             s.recipientId = "2BM_1";
         },
         {"Не указан идентификатор участника ЭДО организации агента",
          "Идентификатор участника ЭДО организации принципала «2BM_1»"}},
        {"no principal at all",
         [](DocumentInput& in, UpdSettings&) { in.principal.reset(); },
         {"Не выбрана организация принципала", "«Организация принципала»"}},
        {"initials only",
         [](DocumentInput&, UpdSettings& s) { s.signer.reset(); },
         {"Не указаны полностью фамилия, имя и отчество руководителя «Иванов И.И.»"}},
        {"no director",
         [](DocumentInput& in, UpdSettings&) { in.director.clear(); },
         {"«Руководитель предприятия»"}},
        {"a date that is no day",
         [](DocumentInput& in, UpdSettings&) { in.actDate = "31.02.2013"; },
         {"Дата акта «31.02.2013»", "«Дата акта»"}},
        {"no act number",
         [](DocumentInput& in, UpdSettings&) { in.actNo.clear(); },
         {"Не указан номер акта"}},
        {"no remuneration",
         [](DocumentInput& in, UpdSettings&) { in.remuneration.clear(); },
         {"Не указано вознаграждение агента"}},
        {"another contract in the card",
         [](DocumentInput&, UpdSettings& s) { s.contractNo = "Б-2"_cp; },
         {"Договор агента отчета № А-17 не тот, что в карточке договора агента (№ Б-2)"}},
        {"a contract date that is free text",
         [](DocumentInput&, UpdSettings& s) { s.contractDate = "февраль"_cp; },
         {"Дата договора агента «февраль»"}},
        {"a bad account key and KPP",
         [](DocumentInput& in, UpdSettings&) {
             in.agent->settlementAccount = "40602810700000000026";
             in.agent->kpp = "77010100A";
         },
         {"текущий банковский счет", "40602810700000000026", "КПП 77010100A"}},
        {"an entrepreneur named by initials",
         [](DocumentInput& in, UpdSettings&) {
             in.agent->name = "ИП Петров П.П."_cp;
             in.agent->inn = "500100732259";
         },
         {"фамилию и имя (и отчество, если оно есть)"}},
        // A 12-digit INN is an entrepreneur's: «ООО» in the name is an organization's form.
        {"an organization's name with an entrepreneur's INN",
         [](DocumentInput& in, UpdSettings&) {
             in.agent->name = "ООО \"Ромашка\""_cp;
             in.agent->inn = "500100732259";
         },
         {"в названии форма организации «ООО»"}},
        // The byte windows-1251 leaves undefined: no parser would read the file.
        {"a name holding the byte 0x98",
         [](DocumentInput& in, UpdSettings&) { in.principal->name += "\x98"; },
         {"Организация принципала", "в поле «Название» знак с кодом 0x98"}},
        {"a control character in an address",
         [](DocumentInput& in, UpdSettings&) { in.agent->address += "\x01"; },
         {"Организация агента", "в поле «Адрес» управляющий знак с кодом 0x01"}},
    };
    for (const Refusal& r : refusals) {
        DocumentInput in = sampleUpdInput();
        UpdSettings settings = sampleUpdSettings();
        r.change(in, settings);
        const UpdFile file = prepareUpdFile(in, settings);
        EXPECT_FALSE(file.ok()) << r.what;
        EXPECT_TRUE(file.bytes.empty()) << r.what;
        for (const char* piece : r.expected) {
            EXPECT_NE(joined(file.problems).find(piece), std::string::npos)
                << r.what << ": " << piece << "\n"
                << joined(file.problems);
        }
    }
}

// The patronymic is optional in the format: a name of two words makes a valid entrepreneur.
TEST(UpdFile, AnEntrepreneurWithoutAPatronymicIsWritten) {
    DocumentInput in = sampleUpdInput();
    in.agent->name = "Индивидуальный предприниматель Петров Петр"_cp;
    in.agent->inn = "500100732259";
    const UpdFile file = prepareUpdFile(in, sampleUpdSettings());
    ASSERT_TRUE(file.ok()) << joined(file.problems);
    EXPECT_EQ(test::updSchemaErrors(file.bytes), "");
    EXPECT_NE(file.bytes.find("Фамилия=\"Петров\" Имя=\"Петр\""_cp), std::string::npos);
}

TEST(UpdFile, EveryProblemIsNamedAtOnce) {
    DocumentInput in = sampleUpdInput();
    UpdSettings settings = sampleUpdSettings();
    in.principal->inn = "7712345670";
    in.actNo.clear();
    settings.senderId.clear();
    settings.recipientId.clear();
    const UpdFile file = prepareUpdFile(in, settings);
    EXPECT_EQ(file.problems.size(), 4u) << joined(file.problems);
}

TEST(UpdFile, TheDataFolderGivesTheIdsTheSignerAndTheContract) {
    DataStore store;
    store.Agent.ContractNo = "А-17"_cp;
    store.Agent.ContractDate = "1.02.2012";
    EdoBook book;
    book.setParticipantId("7701234560", "2BE-agent");
    book.setParticipantId("7712345671", "2BM-principal");
    book.setSigner("Иванов И.И."_cp, PersonName{"Иванов"_cp, "Иван"_cp, "Иванович"_cp});
    const UpdSettings s = updSettingsFromData(sampleUpdInput(), store, book);
    EXPECT_EQ(s.senderId, "2BE-agent");
    EXPECT_EQ(s.recipientId, "2BM-principal");
    EXPECT_EQ(s.signer, (PersonName{"Иванов"_cp, "Иван"_cp, "Иванович"_cp}));
    EXPECT_EQ(s.contractDate, "1.02.2012");
    EXPECT_GE(s.today.year, 2026);
    EXPECT_EQ(s.programVersion.rfind("Kestrelon ", 0), 0u);
    const UpdFile file = prepareUpdFile(sampleUpdInput(), s);
    EXPECT_TRUE(file.ok()) << joined(file.problems);
    EXPECT_EQ(test::updSchemaErrors(file.bytes), "");
}

} // namespace
} // namespace kestrelon
