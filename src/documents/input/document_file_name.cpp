#include "document_file_name.h"

#include "store/cp1251.h"

namespace kestrelon {
namespace {

std::string documentWord(DocumentKind kind) {
    switch (kind) {
    case DocumentKind::Invoice:
        return "Счет"_cp;
    case DocumentKind::Act:
        return "Акт"_cp;
    case DocumentKind::OffsetAct:
        return "Акт зачета"_cp;
    }
    return {};
}

const std::string& documentNumber(DocumentKind kind, const DocumentInput& input) {
    switch (kind) {
    case DocumentKind::Invoice:
        return input.invoiceNo;
    case DocumentKind::Act:
        return input.actNo;
    case DocumentKind::OffsetAct:
        break;
    }
    return input.offsetActNo;
}

bool isBlank(char c) {
    // The cp1251 no-break space counts too: a number pasted from a spreadsheet may carry one.
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\xA0';
}

std::string trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// The name in cp1251, every character as it was typed.
std::string nameOf(DocumentKind kind, const DocumentInput& input) {
    std::string name = documentWord(kind);
    const std::string number = trimmed(documentNumber(kind, input));
    if (!number.empty()) {
        name += ' ' + number;
    }
    const std::string month = monthName(input.period.month);
    const std::string year = yearText(input.period.year);
    if (!month.empty() && !year.empty()) {
        name += " за "_cp + month + ' ' + year;
    }
    return name;
}

} // namespace

std::string documentName(DocumentKind kind, const DocumentInput& input) {
    std::string name = nameOf(kind, input);
    // A print queue shows the name on one line.
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 32 || c == '\x7F') {
            c = ' ';
        }
    }
    return cp1251ToUtf8(name);
}

std::string documentFileName(DocumentKind kind, const DocumentInput& input) {
    std::string name = nameOf(kind, input);
    // Numbers are typed by hand or read from a file: nothing in them may leave the chosen
    // folder or trouble a file system.
    static constexpr std::string_view kUnsafe = "/\\:*?\"<>|";
    for (char& c : name) {
        if (kUnsafe.find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 32) {
            c = '_';
        }
    }
    return cp1251ToUtf8(name) + ".pdf";
}

std::array<std::string, 3> documentFileNames(const DocumentInput& input) {
    std::array<std::string, 3> names;
    for (std::size_t d = 0; d < names.size(); ++d) {
        names[d] = documentFileName(kAllDocuments[d], input);
    }
    return names;
}

} // namespace kestrelon
