#pragma once
// What the zip archive's reading and unpacking share: the entry flags and methods, and how a
// damaged entry is said.

#include "zip_archive.h"

#include <cstdint>
#include <string_view>

namespace kestrelon::zip_format {

inline constexpr std::uint16_t kEncrypted = 1;
inline constexpr std::uint16_t kStored = 0;
inline constexpr std::uint16_t kDeflated = 8;
// Deflate packs at most about 1032 bytes into one; a larger stated ratio is not believed when
// memory is set aside for the unpacked bytes.
inline constexpr std::uint64_t kMaxDeflateRatio = 1032;

} // namespace kestrelon::zip_format

namespace kestrelon {

// "часть «name» " and what is wrong with it (cp1251).
DamagedFile damagedEntry(const ZipEntry& entry, std::string_view what);

} // namespace kestrelon
