#pragma once
// Sending a report's three documents: the desktop's mail program (xdg-email) gets a subject
// and the PDFs as attachments, and the user picks the recipient there. Where it cannot be
// started or fails, the user is told where the PDFs are, to attach them by hand.

#include "document_input.h"
#include "program_failure.h"

#include <string>
#include <vector>

namespace kestrelon {

inline constexpr const char* kMailProgram = "xdg-email";

// «Отчет агента за Март 2013, акт зачета № 5» (UTF-8). A part whose value is missing is left
// out rather than shown empty.
std::string mailSubject(const DocumentInput& input);

// The letter to the principal (UTF-8): the month and the agent contract, the three documents
// with their numbers and dates, the sum due to the principal and the agent's name. A line
// whose value is missing is left out rather than shown empty.
std::string mailBody(const DocumentInput& input);

// The mail program's arguments, in its order: "--utf8", the subject, the body when there is
// one, one "--attach" per file, and last the recipients' addresses (UTF-8), where the mail
// program takes them.
std::vector<std::string> mailArguments(const std::string& subject, const std::string& body,
                                       const std::vector<std::string>& attachments,
                                       const std::vector<std::string>& recipients = {});

// The principal's e-mail as its card in the catalogue gives it (cp1251), empty when it has none
// or there is no principal's card.
std::string principalEmail(const DataStore& store);

// The addresses in a card's e-mail (cp1251), UTF-8: several may be written apart by commas,
// semicolons or blanks, an address may stand in "<...>" or after "mailto:". What does not read
// as one address (no "@" inside, a leading "-" the mail program would take for an option, a
// character that would add to the message's headers) is left out.
std::vector<std::string> mailRecipients(const std::string& cardEmail);

using MailFailure = ProgramFailure;

// What the report window says (UTF-8): what went wrong and the folder that holds the PDFs.
std::string mailFailureMessage(const MailFailure& failure, const std::string& folder);

// What the command line says (UTF-8), in English as its other messages are.
std::string mailFailureReason(const MailFailure& failure, const std::string& folder);

} // namespace kestrelon
