#pragma once
// Zip archives, the container of .xlsx and .ods workbooks, read from memory. Every entry read is
// checked against the archive's central directory, so that a file cut short or patched by hand
// is told as damaged instead of giving part of a register.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kestrelon {

// No part of a register's workbook comes near this; an entry that says it is larger is refused
// before a byte of it is inflated.
inline constexpr std::uint64_t kMaxZipEntryBytes = 256ull * 1024 * 1024;

// A file that cannot be read as it says it is: what() is cp1251 and says what is wrong, for
// damagedFileProblem.
class DamagedFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ZipEntry {
    std::string name; // as stored: the bytes of the path, "/" between folders
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint32_t crc = 0;
    std::uint64_t packedSize = 0;
    std::uint64_t size = 0;
    std::uint64_t localHeader = 0; // offset of the entry's local header
};

class ZipArchive {
public:
    // Reads the central directory; DamagedFile when there is none or it runs outside the
    // file. `bytes` must outlive the archive.
    explicit ZipArchive(std::string_view bytes);

    const std::vector<ZipEntry>& entries() const { return entries_; }
    const ZipEntry* find(std::string_view name) const;

    // The entry's bytes, checked against the central directory: DamagedFile when they are not
    // what it says or the entry is larger than kMaxZipEntryBytes.
    std::string read(const ZipEntry& entry) const;
    // nullopt when the archive has no such entry.
    std::optional<std::string> read(std::string_view name) const;

    // Every entry checked as read() checks it, without keeping its bytes: for a reader that
    // takes the archive apart by itself.
    void checkEveryEntry() const;

private:
    std::string_view packedData(const ZipEntry& entry) const;
    template <typename Sink> void unpack(const ZipEntry& entry, Sink&& sink) const;

    std::string_view bytes_;
    std::uint64_t directoryStart_ = 0;
    std::vector<ZipEntry> entries_;
    std::unordered_map<std::string, std::size_t> byName_;
};

} // namespace kestrelon
