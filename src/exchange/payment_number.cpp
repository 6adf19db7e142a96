#include "payment_number.h"

#include "store/data_store.h"
#include "store/image_file.h"
#include "store/le.h"

namespace kestrelon {

std::string nextPaymentNumber(const std::string& dataFolder) {
    LeU32 last{};
    loadImage(dataFolder, files::kPaymentNumber, last);
    const std::uint32_t n = last.get();
    return std::to_string(n >= 999999 ? 1 : n + 1);
}

void rememberPaymentNumber(const std::string& dataFolder, const std::string& number) {
    LeU32 last{};
    last = static_cast<std::uint32_t>(std::stoul(number));
    saveImage(dataFolder, files::kPaymentNumber, last);
}

} // namespace kestrelon
