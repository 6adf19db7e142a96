#include "payment_command.h"

#include "command_options.h"
#include "exchange/payment_file.h"
#include "exchange/payment_number.h"
#include "export_command.h"
#include "report_file.h"
#include "store/file_set.h"

#include <filesystem>
#include <memory>
#include <optional>

namespace kestrelon {
namespace {

struct PaymentArguments {
    std::string report, outFile;
    std::optional<Utf8Text> number, date;
};

std::optional<PaymentArguments> parse(const std::vector<std::string>& args, std::ostream& err) {
    const auto options = parseCommandOptions(
        args, {"--number", "--date"}, 2, "--payment expects a report file and an output file", err);
    if (!options) {
        return std::nullopt;
    }
    return PaymentArguments{options->positional[0], options->positional[1],
                            options->text("--number"), options->text("--date")};
}

} // namespace

int runPaymentExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<PaymentArguments> parsed = parse(args, err);
    if (!parsed) {
        return kExportUsage;
    }
    const std::unique_ptr<ReportRecord> record = readReportOrSay(parsed->report, err);
    if (!record) {
        return kExportFailed;
    }
    // Checked first: a slip of the arguments must not cost the report.
    const std::filesystem::path target = std::filesystem::absolute(parsed->outFile);
    if (refusedAsProtected({target.string()}, dataFolderFor(std::nullopt, parsed->report),
                           parsed->report, err)) {
        return kExportFailed;
    }
    // The number the program would propose, from the report's data folder; it is not kept.
    std::string number = "1";
    if (parsed->number) {
        number = parsed->number->toCp1251();
    } else {
        try {
            const std::filesystem::path folder =
                std::filesystem::absolute(parsed->report).parent_path();
            number = nextPaymentNumber(folder.string() + "/");
        } catch (const IoError&) {
        }
    }
    const PaymentFile file = preparePaymentFile(
        documentInputFromReport(*record), number,
        parsed->date.value_or(Utf8Text::fromUtf8(todayText())).toCp1251(), bankExchangeHeaderNow());
    if (!file.ok()) {
        err << "kestrelon-export: the payment order is not written:\n";
        for (const std::string& problem : file.problems) {
            err << "  " << problem << "\n";
        }
        return kExportFailed;
    }
    try {
        saveFilesTogether({{target.string(), file.bytes}});
    } catch (const IoError& error) {
        err << "kestrelon-export: " << target.string() << ": " << error.message() << "\n";
        return kExportFailed;
    }
    for (const std::string& note : file.notes) {
        err << "kestrelon-export: note: " << note << "\n";
    }
    out << target.string() << "\n";
    return kExportOk;
}

} // namespace kestrelon
