#pragma once
// Shared by the store tests: stored Russian text shown readably in failure messages,
// and data files built byte by byte the way the program lays them out.

#include "store/cp1251.h"
#include "store/data_store.h"
#include "store/io_error.h"
#include "store/short_str.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace kestrelon {

// Found by GoogleTest through argument-dependent lookup: a field prints as UTF-8 text.
template <std::size_t N> void PrintTo(const ShortStr<N>& s, std::ostream* os) {
    *os << '"' << cp1251ToUtf8(s.view()) << "\" (length byte " << static_cast<int>(s.length) << ')';
}

} // namespace kestrelon

namespace kestrelon::test {

// Record sizes inside the slot-table files.
inline constexpr std::size_t kFirmBytes = 2966;
inline constexpr std::size_t kClientBytes = 170;
inline constexpr std::size_t kFunctionBytes = 92;

template <std::size_t N> std::string utf8(const ShortStr<N>& s) {
    return cp1251ToUtf8(s.view());
}

// A string field as a file holds it: the length byte, then the cp1251 text.
inline std::string field(std::string_view cp1251) {
    return static_cast<char>(cp1251.size()) + std::string(cp1251);
}

inline std::string le16(std::uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

inline void put(std::string& image, std::size_t offset, std::string_view bytes) {
    image.replace(offset, bytes.size(), bytes);
}

// Reproducible bytes in 1..255: every length byte is non-zero (all slots present) and
// every 16-bit width is at least 0x0101, so loading changes nothing.
inline std::string nonZeroBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(1 + random() % 255);
    }
    return bytes;
}

template <typename T> std::string bytesOf(const T& value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof(T));
}

template <typename T> bool allZero(const T& value) {
    const std::string bytes = bytesOf(value);
    return std::all_of(bytes.begin(), bytes.end(), [](char b) { return b == 0; });
}

// The store is far too large for a test's stack.
inline std::unique_ptr<DataStore> storeIn(const TempFolder& folder) {
    auto store = std::make_unique<DataStore>();
    store->DataFolder = folder.path();
    return store;
}

inline std::vector<std::string> folderEntries(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The IoError an action throws, or nothing when it succeeds.
template <typename Action> std::optional<IoError> ioErrorFrom(Action&& action) {
    try {
        action();
    } catch (const IoError& error) {
        return error;
    }
    return std::nullopt;
}

// Root ignores file permissions, so permission failures cannot be produced for it.
inline bool permissionsApply() {
    return ::geteuid() != 0;
}

} // namespace kestrelon::test
