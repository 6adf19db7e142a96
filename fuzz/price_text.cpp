// Price-list texts: any file decodes, its text written back in the format it was read in
// decodes to the same text, and its lines read into the table within the table's limits.
// The first byte chooses the percentage and separator; the rest is the file.
#include "fuzz_check.h"
#include "store/cp1251.h"
#include "tariff/price_parse.h"
#include "tariff/price_text_codec.h"

#include <memory>

using namespace kestrelon;
using namespace kestrelon::tariff;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static const auto table = std::make_unique<PriceTable>();
    const unsigned percent = data[0] % (kMaxPercent + 1);
    const char separator = (data[0] & 1) ? ' ' : '\t';
    const FileText file = decodeTextFile(fuzz::bytes(data + 1, size - 1));
    require(file.utf8.find('\r') == std::string::npos, "line breaks read as newlines");
    const FileText again = decodeTextFile(encodeTextFile(file.utf8, file.format));
    require(again.utf8 == file.utf8, "a text written back reads the same");

    *table = PriceTable{};
    const ParseOutcome outcome =
        parsePriceText(utf8ToCp1251(file.utf8), percent, separator, *table);
    require(outcome.count == table->count() && outcome.count <= kMaxPriceLines,
            "the table holds the lines read");
    for (std::size_t i = 0; i < outcome.count; ++i) {
        const PriceEntry& line = table->Lines[i];
        require(line.BasePrice.get() <= kMaxBasePrice, "no price above the dearest");
        require(line.Percent.get() == percent && line.Individual == 0,
                "a read line has the list's percentage");
    }
    require(outcome.leftOut() == 0 || !leftOutMessage(outcome, separator).empty(),
            "lines left out are told");
    return 0;
}
