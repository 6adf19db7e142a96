// Price-list images (".trf"): a file shorter than the image or with a count beyond the table
// is refused, and an image taken is saved back byte for byte. The first byte says whether
// the rest is filled up with zeros to a whole image.
#include "fuzz_check.h"
#include "tariff/price_files.h"

using namespace kestrelon::tariff;
using kestrelon::fuzz::require;

namespace {

std::string path(const char* name) {
    return kestrelon::fuzz::scratchFolder() + name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::string bytes(kestrelon::fuzz::bytes(data + 1, size - 1));
    if (data[0] & 1) {
        bytes.resize(std::max(bytes.size(), kPriceImageSize), '\0');
    }
    writeWholeFile(path("in.trf"), bytes);
    const PriceImageRead read = readPriceImage(path("in.trf"));
    if (bytes.size() < kPriceImageSize) {
        require(!read.table && !read.refusal.empty(), "a short file is refused");
        return 0;
    }
    if (!read.table) {
        require(!read.refusal.empty(), "a refusal says why");
        return 0;
    }
    require(read.table->Count.get() <= kMaxPriceLines, "a taken image keeps to the table");
    savePriceImage(path("out.trf"), *read.table);
    require(readWholeFile(path("out.trf")) == bytes.substr(0, kPriceImageSize),
            "a taken image is saved back byte for byte");
    return 0;
}
