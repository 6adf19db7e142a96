#pragma once
// The records of an Excel 95-2003 workbook stream (BIFF5 and BIFF8): each is a 2-byte type, a
// 2-byte length and that many bytes, little-endian. The stream may come from any file, so
// every length is checked against the bytes that are left before anything is read.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kestrelon::biff {

namespace record {
inline constexpr std::uint16_t kFormula = 0x0006;
inline constexpr std::uint16_t kEof = 0x000A;
inline constexpr std::uint16_t kDateMode = 0x0022;
inline constexpr std::uint16_t kFilePass = 0x002F;
inline constexpr std::uint16_t kContinue = 0x003C;
inline constexpr std::uint16_t kCodePage = 0x0042;
inline constexpr std::uint16_t kBoundSheet = 0x0085;
inline constexpr std::uint16_t kMulRk = 0x00BD;
inline constexpr std::uint16_t kRString = 0x00D6;
inline constexpr std::uint16_t kXf = 0x00E0;
inline constexpr std::uint16_t kSst = 0x00FC;
inline constexpr std::uint16_t kLabelSst = 0x00FD;
inline constexpr std::uint16_t kRecalcId = 0x01C1;
inline constexpr std::uint16_t kDimensions = 0x0200;
inline constexpr std::uint16_t kNumber = 0x0203;
inline constexpr std::uint16_t kLabel = 0x0204;
inline constexpr std::uint16_t kBoolErr = 0x0205;
inline constexpr std::uint16_t kString = 0x0207;
inline constexpr std::uint16_t kArray = 0x0221;
inline constexpr std::uint16_t kTable = 0x0236;
inline constexpr std::uint16_t kRk = 0x027E;
inline constexpr std::uint16_t kFormat = 0x041E;
inline constexpr std::uint16_t kSharedFormula = 0x04BC;
inline constexpr std::uint16_t kBof = 0x0809;
} // namespace record

// A stream that breaks the format: the reason, cp1251, is what the user is told in brackets.
class Damaged : public std::runtime_error {
public:
    explicit Damaged(const std::string& reason) : std::runtime_error(reason) {}
};

// The record type as the format's documentation writes it: "0x00FC".
std::string recordName(std::uint16_t id);

// Throws Damaged unless `bytes` holds at least `size` bytes; `what` names the record.
void need(std::string_view bytes, std::size_t size, std::uint16_t what);

// Fields at a place the caller has checked lies inside the bytes.
inline std::uint8_t u8(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]);
}
inline std::uint16_t u16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(u8(bytes, at) | u8(bytes, at + 1) << 8);
}
inline std::uint32_t u32(std::string_view bytes, std::size_t at) {
    return u16(bytes, at) | static_cast<std::uint32_t>(u16(bytes, at + 2)) << 16;
}
inline double f64(std::string_view bytes, std::size_t at) {
    const std::uint64_t bits = u32(bytes, at) | static_cast<std::uint64_t>(u32(bytes, at + 4))
                                                    << 32;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct Record {
    std::uint16_t id = 0;
    std::size_t offset = 0; // of its type field in the stream, as BOUNDSHEET gives a sheet's
    std::string_view body;
};

class RecordReader {
public:
    explicit RecordReader(std::string_view stream) : stream_(stream) {}

    // Fewer bytes left than a record's type and length take: what follows the last record
    // is padding some writers add.
    bool atEnd() const { return stream_.size() - position_ < 4; }
    // The next record's type, or nothing at the end.
    std::optional<std::uint16_t> peekId() const;
    // Throws Damaged when the record runs past the stream's end.
    Record next();

private:
    std::string_view stream_;
    std::size_t position_ = 0;
};

} // namespace kestrelon::biff
