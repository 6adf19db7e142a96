#include "edo_command.h"

#include "documents/render/edo_files.h"
#include "export_command.h"
#include "report_file.h"
#include "store/cp1251.h"
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
    std::optional<std::string> dataFolder, senderId, recipientId, signer;
};

// Options may stand anywhere; each takes the next argument.
std::optional<EdoArguments> parse(const std::vector<std::string>& args, std::ostream& err) {
    EdoArguments parsed;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string>* option = nullptr;
        if (arg == "--data-folder") {
            option = &parsed.dataFolder;
        } else if (arg == "--sender-id") {
            option = &parsed.senderId;
        } else if (arg == "--recipient-id") {
            option = &parsed.recipientId;
        } else if (arg == "--signer") {
            option = &parsed.signer;
        } else if (arg.rfind("--", 0) == 0) {
            err << "kestrelon-export: unknown option " << arg << "\n";
            return std::nullopt;
        } else {
            positional.push_back(arg);
            continue;
        }
        if (i + 1 == args.size()) {
            err << "kestrelon-export: " << arg << " needs a value\n";
            return std::nullopt;
        }
        *option = args[++i];
    }
    if (positional.size() != 2) {
        err << "kestrelon-export: --edo expects a report file and an output folder\n";
        return std::nullopt;
    }
    parsed.report = positional[0];
    parsed.outFolder = positional[1];
    return parsed;
}

// The data folder: the one given, else the report's own folder, where the program saves it.
std::string dataFolderOf(const EdoArguments& args) {
    const std::filesystem::path folder = args.dataFolder
                                             ? std::filesystem::path(*args.dataFolder)
                                             : std::filesystem::absolute(args.report).parent_path();
    std::string path = folder.string();
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path;
}

} // namespace

int runEdoExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<EdoArguments> parsed = parse(args, err);
    if (!parsed) {
        err << "Run kestrelon-export --help for the usage.\n";
        return kExportUsage;
    }
    auto record = std::make_unique<ReportRecord>();
    if (const auto problem = readReportFile(parsed->report, *record)) {
        err << "kestrelon-export: " << *problem << "\n";
        return kExportFailed;
    }
    const DocumentInput input = documentInputFromReport(*record);
    const std::string dataFolder = dataFolderOf(*parsed);
    auto store = std::make_unique<DataStore>();
    EdoBook book;
    try {
        loadImage(dataFolder, files::kAgent, store->Agent);
        book = loadEdoBook(dataFolder);
    } catch (const IoError& error) {
        err << "kestrelon-export: " << dataFolder << ": " << error.message() << "\n";
        return kExportFailed;
    }
    UpdSettings settings = updSettingsFromData(input, *store, book);
    if (parsed->senderId) {
        settings.senderId = *parsed->senderId;
    }
    if (parsed->recipientId) {
        settings.recipientId = *parsed->recipientId;
    }
    if (parsed->signer) {
        settings.signer = fullNameFromText(utf8ToCp1251(*parsed->signer));
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
    std::error_code ec;
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
