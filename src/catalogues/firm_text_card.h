#pragma once
// The requisites text card: 17 lines built from the card as it stands on screen, written
// to a text file or printed as plain text.

#include "firm_catalogue.h"

#include <string>
#include <vector>

namespace kestrelon {

// The card's bank group as shown (Edit12..Edit16).
struct ShownBank {
    std::string SettlementAccount, CorrAccount, Bik, BankShortName, BankFullName;
};

std::vector<std::string> firmTextCardLines(const FirmCardFields& card, const ShownBank& bank);

// The file name for a chosen name: ".txt" is added unless the name already ends in it
// (in any letter case), so "card.txt" stays "card.txt".
std::string textCardFileName(const std::string& chosen);

// The file's bytes: the lines in cp1251, each ended by CR LF.
std::string textCardFileBytes(const std::vector<std::string>& lines);

// The printed lines: four empty lines, then each line cut to 255 characters, indented by six
// spaces and cut to 255 again.
std::vector<std::string> textCardPrintLines(const std::vector<std::string>& lines);

} // namespace kestrelon
