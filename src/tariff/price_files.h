#pragma once
// The files of the mark-up tool: price-list texts (".txt") and price-list images (".trf").
// Paths are the system's file names; every write goes to a temporary file first and is
// renamed over the old one, so a failed save leaves the previous file intact.

#include "price_table.h"

#include <memory>
#include <string>
#include <string_view>

namespace kestrelon::tariff {

enum class PriceFileKind { Text, Image, Other };

// By the extension, in any letter case: lists copied from Windows often read ".TXT".
PriceFileKind priceFileKind(std::string_view path);

// The whole file. Throws IoError.
std::string readWholeFile(const std::string& path);
// Replaces the file by these bytes. Throws IoError.
void writeWholeFile(const std::string& path, std::string_view bytes);

struct PriceImageRead {
    std::unique_ptr<PriceTable> table; // set when the image can be used
    std::string refusal;               // why not (cp1251)
};

// The first 376832 bytes of the file; the bytes of a longer file after the image are
// ignored. A shorter file or a count above 2047 is refused: neither is a price list this
// program wrote, and taking it would show lines that are not there. Throws IoError.
PriceImageRead readPriceImage(const std::string& path);

// Writes the 376832-byte image, the count included. Throws IoError.
void savePriceImage(const std::string& path, const PriceTable& table);

} // namespace kestrelon::tariff
