#include "export_command.h"

#include "command_options.h"
#include "edo_command.h"
#include "payment_command.h"
#include "year_command.h"

#include "documents/input/report_mail.h"
#include "render/mail_program.h"
#include "render/report_pdfs.h"
#include "report_file.h"
#include "store/image_file.h"
#include "store/io_error.h"
#include "store/slot_table.h"

#include <QDir>
#include <filesystem>
#include <memory>

namespace kestrelon {

namespace {

constexpr const char* kUsage =
    R"(Usage: kestrelon-export REPORT.rep OUT_FOLDER
       kestrelon-export --mail REPORT.rep OUT_FOLDER [--data-folder DIR]
       kestrelon-export --edo REPORT.rep OUT_FOLDER [--data-folder DIR]
                        [--sender-id ID] [--recipient-id ID] [--signer "SURNAME NAME PATRONYMIC"]
       kestrelon-export --payment REPORT.rep OUT_FILE [--number N] [--date DD.MM.YYYY]
       kestrelon-export --year YYYY DATA_FOLDER OUT.xlsx|OUT.csv|OUT.pdf
       kestrelon-export --help

Writes the three documents of a stored Kestrelon agent report as A4 PDF files,
laid out at real size exactly as they are printed:

  OUT_FOLDER/invoice.pdf      the invoice for the agent's remuneration
  OUT_FOLDER/act.pdf          the act of services
  OUT_FOLDER/offset-act.pdf   the act of mutual offset (as many pages as its rows need)

REPORT.rep is a report file as the program saves it beside its executable
(exactly 55176 bytes). OUT_FOLDER is created when it is missing; files of these
names in it are replaced. The three are written under temporary names, every
byte checked, and renamed only when all are complete: a full disk or a file-size
limit leaves the old files (or none), never a cut one, and exits 1. A symbolic
link, FIFO or folder at an output name is refused, as is an output that is the
report given, any *.rep or a table of the report's folder.

With --mail the three files are named as the report window names them, e.g.
"Счет 12 за Март 2013.pdf", "Акт 13 за Март 2013.pdf" and
"Акт зачета 5 за Март 2013.pdf", and the desktop's mail program is then opened
with them attached to a new message, as the report window's "Отправить" does:

  xdg-email --utf8 --subject "Отчет агента за Март 2013, акт зачета № 5"
            --body LETTER --attach FILE1 --attach FILE2 --attach FILE3 [ADDRESS]

The LETTER names the month, the three documents with their numbers and dates,
the sum due to the principal and the agent.

The ADDRESS is the E-mail of the principal's organization card in the data
folder (the one given with --data-folder, else the report's own folder), as
the window passes it; without one the recipient is chosen in the mail
program. When xdg-email is missing or fails,
the reason and the folder are written to standard error; the files stay there,
to be attached by hand.

With --edo the files an EDO operator (Диадок, СБИС and the like) takes are
written, as the report window's "ЭДО" writes them: the act of services as the
tax service's УПД exchange file (format 5.03, function ДОП, windows-1251),
named ON_NSCHFDOPPR_<recipient id>_<sender id>_<date>_<GUID>_0_0_0_0_0_00.xml,
and beside it the invoice and the act of mutual offset as PDF under the names
above. The EDO participant ids of the agent (sender) and the principal
(recipient), the director's full name and the agent contract's date are read
from the data folder ("Edo" and "Agent"): the one given with --data-folder,
else the report's own folder. --sender-id, --recipient-id and --signer give
them on the command line instead. When the document would not pass the
format's checks or a requisite does not check out, nothing is written and
every reason is listed on standard error (exit status 1); the names of the
written files go to standard output.

With --payment the month's payment order to the principal (the balance of the
act of mutual offset, from the agent's current bank account to the
principal's) is written as OUT_FILE in the exchange format bank client
programs import ("1CClientBankExchange", version 1.03, windows-1251). The
number defaults to the one after the last kept in the report's folder
("PaymentNo"; the command does not change it), the date to today. When a
requisite of either side is missing or does not check out, nothing is written
and every reason is listed on standard error (exit status 1).

With --year the summary of the year's reports of DATA_FOLDER (every *.rep file
in it, not only the 64 the report list shows): a line per month with the number
of reports, the gross with VAT, the VAT, the remuneration and the sum due to the
principal, a line after each quarter and the year's total, exact to the kopeck.
OUT.xlsx is a workbook whose amounts are number cells (format #,##0.00) and
whose quarter and year lines are formulas with their values; OUT.csv uses ";"
between cells and a decimal comma, in UTF-8 with a byte order mark; OUT.pdf is
one A4 page. A file that cannot be counted is named on standard error with the
reason; a year without any report writes nothing and exits 1.

Exit status: 0 when every file was written (and, with --mail, the mail
program took them); 1 when the report cannot be used (missing, wrong size,
unreadable or damaged), a document would be refused (--edo, --payment) or a
file cannot be written, with the reason on standard error; 2 for wrong
arguments; 3 when, with --mail, xdg-email is missing or
failed.
)";

const std::array<QString, 3> kOutputNames = {
    QStringLiteral("invoice.pdf"), QStringLiteral("act.pdf"), QStringLiteral("offset-act.pdf")};

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

// The addresses the window's "Отправить" passes: the principal's card's e-mail in the data
// folder. A catalogue that cannot be read leaves the recipient to the mail program, said.
std::vector<std::string> principalRecipients(const std::string& dataFolder, std::ostream& err) {
    auto store = std::make_unique<DataStore>();
    store->DataFolder = dataFolder;
    try {
        loadImage(dataFolder, files::kFirms, store->Firms);
        store->FirmCount = countSlots(store->Firms);
        loadImage(dataFolder, files::kPrincipal, store->PrincipalChoice);
    } catch (const IoError& error) {
        err << "kestrelon-export: " << dataFolder << ": " << error.message()
            << "; the recipient is left to the mail program\n";
        return {};
    }
    store->refreshFirmIndexes();
    return mailRecipients(principalEmail(*store));
}

int mailDocuments(const DocumentInput& input, const WrittenPdfs& written, const QString& folder,
                  const std::vector<std::string>& recipients, std::ostream& err) {
    std::vector<std::string> files;
    for (const QString& path : written.paths) {
        files.push_back(path.toStdString());
    }
    const MailOutcome outcome =
        runMailProgram(mailArguments(mailSubject(input), mailBody(input), files, recipients));
    if (outcome) {
        err << "kestrelon-export: " << mailFailureReason(*outcome, folder.toStdString()) << "\n";
        return kExportMailFailed;
    }
    return kExportOk;
}

} // namespace

int runExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && isHelp(args[0])) {
        out << kUsage;
        return kExportOk;
    }
    if (!args.empty() && args[0] == "--payment") {
        return runPaymentExport(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
    if (!args.empty() && args[0] == "--year") {
        return runYearExport(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
    if (!args.empty() && args[0] == "--edo") {
        return runEdoExport(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
    const bool mail = !args.empty() && args[0] == "--mail";
    std::vector<std::string> positional = args;
    std::optional<std::string> dataFolder;
    if (mail) {
        const auto options = parseCommandOptions(
            std::vector<std::string>(args.begin() + 1, args.end()), {"--data-folder"}, 2,
            "--mail expects a report file and an output folder", err);
        if (!options) {
            return kExportUsage;
        }
        positional = options->positional;
        dataFolder = options->value("--data-folder");
    } else if (args.size() != 2) {
        err << "kestrelon-export: expected a report file and an output folder\n\n" << kUsage;
        return kExportUsage;
    }
    auto record = std::make_unique<ReportRecord>();
    if (const auto problem = readReportFile(positional[0], *record)) {
        err << "kestrelon-export: " << *problem << "\n";
        return kExportFailed;
    }
    const std::filesystem::path folder(positional[1]);
    if (!makeFolder(folder, err)) {
        return kExportFailed;
    }
    const DocumentInput input = documentInputFromReport(*record);
    const QString outFolder =
        QDir::cleanPath(QDir(QString::fromStdString(folder.string())).absolutePath());
    const std::array<QString, 3> names = mail ? suggestedPdfNames(input) : kOutputNames;
    std::vector<std::string> outputs;
    for (const QString& name : names) {
        outputs.push_back(QDir(outFolder).filePath(name).toStdString());
    }
    if (refusedAsProtected(outputs, dataFolderFor(dataFolder, positional[0]), positional[0], err)) {
        return kExportFailed;
    }
    const WrittenPdfs written = writeReportPdfs(input, outFolder, names);
    if (!written.ok()) {
        err << "kestrelon-export: " << written.result.error.toStdString() << "\n";
        return kExportFailed;
    }
    if (!mail) {
        return kExportOk;
    }
    const std::vector<std::string> recipients =
        principalRecipients(dataFolderFor(dataFolder, positional[0]), err);
    return mailDocuments(input, written, outFolder, recipients, err);
}

} // namespace kestrelon
