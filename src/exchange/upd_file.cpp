#include "upd_file.h"

#include "store/image_file.h"
#include "upd_rules.h"
#include "upd_xml.h"

namespace kestrelon {

UpdFile prepareUpdFile(const DocumentInput& input, const UpdSettings& settings) {
    UpdBuild build = buildUpd(input, settings);
    UpdFile file;
    file.name = build.document.fileId + ".xml";
    file.problems = std::move(build.problems);
    if (file.problems.empty()) {
        // The rules bear on a complete document: a missing part has been named already.
        for (std::string& broken : updRuleProblems(build.document, file.name)) {
            file.problems.push_back(std::move(broken));
        }
    }
    XmlBytes xml = writeXmlCp1251(updXml(build.document));
    for (std::string& refused : xml.problems) {
        file.problems.push_back(std::move(refused));
    }
    if (file.ok()) {
        file.bytes = std::move(xml.bytes);
    }
    return file;
}

UpdSettings updSettingsFromData(const DocumentInput& input, const DataStore& store,
                                const EdoBook& book) {
    UpdSettings settings;
    if (input.agent) {
        settings.senderId = book.participantId(input.agent->inn);
    }
    if (input.principal) {
        settings.recipientId = book.participantId(input.principal->inn);
    }
    settings.signer = book.signerFor(input.director);
    settings.contractNo = store.Agent.ContractNo.str();
    settings.contractDate = store.Agent.ContractDate.str();
    const LocalMoment now = localMomentNow();
    settings.today = now.day;
    settings.hour = now.hour;
    settings.minute = now.minute;
    settings.second = now.second;
    settings.guid = newGuid();
    settings.programVersion = programNameAndVersion();
    return settings;
}

void saveUpdFile(const std::string& folder, const UpdFile& file) {
    const std::string dir = folder.empty() || folder.back() == '/' ? folder : folder + '/';
    saveImageBytes(dir, file.name, file.bytes.data(), file.bytes.size());
}

} // namespace kestrelon
