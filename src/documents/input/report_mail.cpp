#include "report_mail.h"

#include "documents/words/numeric_date.h"
#include "documents/words/word_list.h"
#include "reports/values/money.h"
#include "store/cp1251.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace kestrelon {

namespace {

// The subject goes into a mail header: no line break or other control character may split it.
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 32 || c == '\x7F') {
            c = ' ';
        }
    }
    return text;
}

std::string withoutBlanksAround(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t\xA0");
    if (begin == std::string::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t\xA0") - begin + 1);
}

std::string withSeparatorsAsBlanks(std::string text) {
    for (char& c : text) {
        if (c == ',' || c == ';' || c == '\xA0') {
            c = ' ';
        }
    }
    return text;
}

// "<a@b.ru>" and "mailto:a@b.ru" name the address inside.
std::string withoutWrapping(std::string word) {
    static const std::string kScheme = "mailto:";
    if (word.size() > kScheme.size() &&
        std::equal(kScheme.begin(), kScheme.end(), word.begin(), [](char a, char b) {
            return a == std::tolower(static_cast<unsigned char>(b));
        })) {
        word.erase(0, kScheme.size());
    }
    if (word.size() > 2 && word.front() == '<' && word.back() == '>') {
        word = word.substr(1, word.size() - 2);
    }
    return word;
}

// One "@" with something on either side; nothing the mail program would take for an option,
// and nothing that would end the address in a mailto link and add a header or a recipient.
bool readsAsAddress(const std::string& word) {
    static constexpr std::string_view kForbidden = "?&<>\"'()[]\\:,;";
    const auto at = word.find('@');
    if (at == std::string::npos || at == 0 || at + 1 == word.size() ||
        word.find('@', at + 1) != std::string::npos || word.front() == '-') {
        return false;
    }
    return std::none_of(word.begin(), word.end(), [](char c) {
        return static_cast<unsigned char>(c) < 32 || c == '\x7F' ||
               kForbidden.find(c) != std::string_view::npos;
    });
}

// «счет № 5 от 31.03.2013» (cp1251), or nothing without a number.
std::string documentLine(const char* kind, const std::string& number, const std::string& date) {
    const std::string no = withoutBlanksAround(oneLine(number));
    if (no.empty()) {
        return {};
    }
    std::string line = "— "_cp + utf8ToCp1251(kind) + " № "_cp + no;
    const std::string day = numericDate(withoutBlanksAround(date));
    if (!day.empty()) {
        line += " от "_cp + day;
    }
    return line;
}

} // namespace

std::string mailBody(const DocumentInput& input) {
    std::string body = "Добрый день!\n\nНаправляем отчет агента и документы"_cp;
    const std::string month = monthName(input.period.month);
    const std::string year = yearText(input.period.year);
    if (!month.empty() && !year.empty()) {
        body += " за "_cp + month + ' ' + year;
    }
    const std::string contract = withoutBlanksAround(oneLine(input.contractNo));
    if (!contract.empty()) {
        body += " по агентскому договору № "_cp + contract;
    }
    body += ":\n";
    for (const std::string& line :
         {documentLine("счет", input.invoiceNo, input.invoiceDate),
          documentLine("акт", input.actNo, input.actDate),
          documentLine("акт зачета", input.offsetActNo, input.offsetActDate)}) {
        if (!line.empty()) {
            body += line + '\n';
        }
    }
    const std::string due = withoutBlanksAround(oneLine(input.toPrincipal));
    if (!due.empty()) {
        // What is not an amount is written as it stands.
        const KopecksOrError amount = parseAmount(due);
        body += "\nСумма к перечислению принципалу по акту зачета: "_cp +
                (amount.ok() ? groupedAmount(amount.kopecks) : due) + " руб.\n"_cp;
    }
    body += "\nДокументы — во вложении, в формате PDF.\n\nС уважением,\n"_cp;
    if (input.agent && !input.agent->name.empty()) {
        body += oneLine(input.agent->name) + '\n';
    }
    return cp1251ToUtf8(body);
}

std::string mailSubject(const DocumentInput& input) {
    std::string subject = "Отчет агента"_cp;
    const std::string month = monthName(input.period.month);
    const std::string year = yearText(input.period.year);
    if (!month.empty() && !year.empty()) {
        subject += " за "_cp + month + ' ' + year;
    }
    const std::string number = withoutBlanksAround(oneLine(input.offsetActNo));
    if (!number.empty()) {
        subject += ", акт зачета № "_cp + number;
    }
    return cp1251ToUtf8(oneLine(subject));
}

std::vector<std::string> mailArguments(const std::string& subject, const std::string& body,
                                       const std::vector<std::string>& attachments,
                                       const std::vector<std::string>& recipients) {
    // The subject is UTF-8 whatever the locale; without --utf8 xdg-email would read it in the
    // locale's encoding and garble it under the C locale.
    std::vector<std::string> arguments = {"--utf8", "--subject", subject};
    if (!body.empty()) {
        arguments.push_back("--body");
        arguments.push_back(body);
    }
    for (const std::string& file : attachments) {
        arguments.push_back("--attach");
        arguments.push_back(file);
    }
    arguments.insert(arguments.end(), recipients.begin(), recipients.end());
    return arguments;
}

std::string principalEmail(const DataStore& store) {
    const std::int32_t index = store.PrincipalFirmIndex;
    if (index < 0 || index >= store.FirmCount) {
        return {};
    }
    return store.Firms[static_cast<std::size_t>(index)].Email.str();
}

std::vector<std::string> mailRecipients(const std::string& cardEmail) {
    std::vector<std::string> addresses;
    for (std::string word : SplitWordsWhole(withSeparatorsAsBlanks(cardEmail))) {
        word = withoutWrapping(word);
        if (readsAsAddress(word)) {
            addresses.push_back(cp1251ToUtf8(word));
        }
    }
    return addresses;
}

std::string mailFailureMessage(const MailFailure& failure, const std::string& folder) {
    std::string what;
    switch (failure.kind) {
    case MailFailure::Kind::Missing:
        what = "Почтовая программа не найдена (нет программы xdg-email).";
        break;
    case MailFailure::Kind::NotStarted:
        what = "Почтовая программа не запустилась (xdg-email).";
        break;
    case MailFailure::Kind::ExitStatus:
        what = "Почтовая программа не открылась (xdg-email завершилась с кодом " +
               std::to_string(failure.exitStatus) + ").";
        break;
    case MailFailure::Kind::Crashed:
        what = "Почтовая программа не открылась (xdg-email завершилась аварийно).";
        break;
    }
    return what + "\nДокументы сохранены в папке:\n" + folder + "\nПриложите их к письму вручную.";
}

std::string mailFailureReason(const MailFailure& failure, const std::string& folder) {
    std::string what;
    switch (failure.kind) {
    case MailFailure::Kind::Missing:
        what = "xdg-email was not found on PATH";
        break;
    case MailFailure::Kind::NotStarted:
        what = "xdg-email could not be started";
        break;
    case MailFailure::Kind::ExitStatus:
        what = "xdg-email failed with exit status " + std::to_string(failure.exitStatus);
        break;
    case MailFailure::Kind::Crashed:
        what = "xdg-email crashed";
        break;
    }
    return what + "; the documents are in " + folder + ", attach them by hand";
}

} // namespace kestrelon
