#include "edo_command.h"

#include "command_options.h"
#include "export_command.h"
#include "render/edo_files.h"
#include "report_file.h"
#include "store/image_file.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>
#include <memory>
#include <optional>

namespace kestrelon {
namespace {

struct EdoArguments {
    std::string report, outFolder;
    std::optional<std::string> dataFolder;
    std::optional<Utf8Text> senderId, recipientId, signer;
};

std::optional<EdoArguments> parse(const std::vector<std::string>& args, std::ostream& err) {
    const auto options =
        parseCommandOptions(args, {"--data-folder", "--sender-id", "--recipient-id", "--signer"}, 2,
                            "--edo expects a report file and an output folder", err);
    if (!options) {
        return std::nullopt;
    }
    return EdoArguments{options->positional[0],          options->positional[1],
                        options->value("--data-folder"), options->text("--sender-id"),
                        options->text("--recipient-id"), options->text("--signer")};
}

} // namespace

int runEdoExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<EdoArguments> parsed = parse(args, err);
    if (!parsed) {
        return kExportUsage;
    }
    const std::unique_ptr<ReportRecord> record = readReportOrSay(parsed->report, err);
    if (!record) {
        return kExportFailed;
    }
    const DocumentInput input = documentInputFromReport(*record);
    const std::string dataFolder = dataFolderFor(parsed->dataFolder, parsed->report);
    auto store = std::make_unique<DataStore>();
    EdoBook book;
    // The contract's number and date come from "Agent": without it every check would speak of
    // a contract, not of the folder that lacks it.
    std::error_code ec;
    if (!std::filesystem::is_directory(dataFolder, ec)) {
        err << "kestrelon-export: the data folder " << dataFolder
            << (std::filesystem::exists(std::filesystem::path(dataFolder).parent_path(), ec)
                    ? " is not a folder"
                    : " does not exist")
            << "; give --data-folder the folder the program keeps its data in\n";
        return kExportFailed;
    }
    try {
        if (!loadImage(dataFolder, files::kAgent, store->Agent)) {
            err << "kestrelon-export: the data folder " << dataFolder
                << " has no \"Agent\" (the agent contract, with its number and date); give "
                   "--data-folder the folder the program keeps its data in\n";
            return kExportFailed;
        }
        book = loadEdoBook(dataFolder);
    } catch (const IoError& error) {
        err << "kestrelon-export: " << error.path() << ": " << error.message() << "\n";
        return kExportFailed;
    }
    UpdSettings settings = updSettingsFromData(input, *store, book);
    if (parsed->senderId) {
        settings.senderId = parsed->senderId->toCp1251();
    }
    if (parsed->recipientId) {
        settings.recipientId = parsed->recipientId->toCp1251();
    }
    if (parsed->signer) {
        settings.signer = fullNameFromText(parsed->signer->toCp1251());
        if (!settings.signer) {
            err << "kestrelon-export: --signer needs the surname, name and patronymic written "
                   "out, as \"Иванов Иван Иванович\"\n";
            return kExportUsage;
        }
    }
    const UpdFile upd = prepareUpdFile(input, settings);
    if (!upd.ok()) {
        err << "kestrelon-export: the documents for EDO are not written:\n";
        for (const std::string& problem : upd.problems) {
            err << "  " << problem << "\n";
        }
        return kExportFailed;
    }
    ec.clear();
    std::filesystem::create_directories(parsed->outFolder, ec);
    const QString folder =
        QDir::cleanPath(QDir(QString::fromStdString(parsed->outFolder)).absolutePath());
    if (ec || !QFileInfo(folder).isDir()) {
        err << "kestrelon-export: cannot create the folder " << parsed->outFolder << "\n";
        return kExportFailed;
    }
    const WrittenPdfs written = writeEdoFiles(input, upd, folder);
    if (!written.ok()) {
        err << "kestrelon-export: " << written.failedPath.toStdString() << ": "
            << written.result.error.toStdString() << "\n";
        return kExportFailed;
    }
    for (const QString& path : written.paths) {
        out << path.toStdString() << "\n";
    }
    return kExportOk;
}

} // namespace kestrelon
