#include "export_command.h"

#include "documents/render/pdf_export.h"
#include "report_file.h"

#include <filesystem>
#include <memory>

namespace kestrelon {

namespace {

constexpr const char* kUsage =
    R"(Usage: kestrelon-export REPORT.rep OUT_FOLDER
       kestrelon-export --help

Writes the three documents of a stored Kestrelon agent report as A4 PDF files,
laid out at real size exactly as they are printed:

  OUT_FOLDER/invoice.pdf      the invoice for the agent's remuneration
  OUT_FOLDER/act.pdf          the act of services
  OUT_FOLDER/offset-act.pdf   the act of mutual offset (as many pages as its rows need)

REPORT.rep is a report file as the program saves it beside its executable
(exactly 55176 bytes). OUT_FOLDER is created when it is missing; files of these
names in it are replaced. A file is written under a temporary name and renamed
when complete, so a failure never leaves a half-written PDF behind.

Exit status: 0 when all three files were written; 1 when the report cannot be
used (missing, wrong size, unreadable or damaged) or a file cannot be written,
with the reason on standard error; 2 for wrong arguments.
)";

struct OutputFile {
    DocumentKind kind;
    const char* name;
};

constexpr OutputFile kOutputs[] = {
    {DocumentKind::Invoice, "invoice.pdf"},
    {DocumentKind::Act, "act.pdf"},
    {DocumentKind::OffsetAct, "offset-act.pdf"},
};

bool isHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

bool makeFolder(const std::filesystem::path& folder, std::ostream& err) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !std::filesystem::is_directory(folder)) {
        err << "kestrelon-export: cannot create the folder " << folder.string() << ": "
            << (ec ? ec.message() : std::string("a file of that name is in the way")) << "\n";
        return false;
    }
    return true;
}

} // namespace

int runExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && isHelp(args[0])) {
        out << kUsage;
        return kExportOk;
    }
    if (args.size() != 2) {
        err << "kestrelon-export: expected a report file and an output folder\n\n" << kUsage;
        return kExportUsage;
    }
    auto record = std::make_unique<ReportRecord>();
    if (const auto problem = readReportFile(args[0], *record)) {
        err << "kestrelon-export: " << *problem << "\n";
        return kExportFailed;
    }
    const std::filesystem::path folder(args[1]);
    if (!makeFolder(folder, err)) {
        return kExportFailed;
    }
    const DocumentInput input = documentInputFromReport(*record);
    for (const OutputFile& output : kOutputs) {
        const QString path = QString::fromStdString((folder / output.name).string());
        const OutputResult result = exportPdf(output.kind, input, path);
        if (!result.ok()) {
            err << "kestrelon-export: " << result.error.toStdString() << "\n";
            return kExportFailed;
        }
    }
    return kExportOk;
}

} // namespace kestrelon
