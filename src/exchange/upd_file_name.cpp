#include "upd_file_name.h"

#include <array>
#include <cstdio>
#include <random>

namespace kestrelon {

std::string updFileId(std::string_view recipientId, std::string_view senderId, CalendarDay day,
                      std::string_view guid) {
    char date[40];
    std::snprintf(date, sizeof date, "%04d%02d%02d", day.year, day.month, day.day);
    return "ON_NSCHFDOPPR_" + std::string(recipientId) + "_" + std::string(senderId) + "_" + date +
           "_" + std::string(guid) + "_0_0_0_0_0_00";
}

std::string newGuid() {
    std::random_device entropy;
    std::array<unsigned char, 16> bytes{};
    for (unsigned char& b : bytes) {
        b = static_cast<unsigned char>(entropy() & 0xFFu);
    }
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0Fu) | 0x40u); // version 4
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3Fu) | 0x80u); // RFC 4122 variant
    std::string text;
    char hex[3];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) {
            text += '-';
        }
        std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
        text += hex;
    }
    return text;
}

} // namespace kestrelon
