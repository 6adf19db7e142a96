#include "biff_strings.h"

#include "store/cp1251.h"

#include <algorithm>
#include <array>
#include <limits>

namespace kestrelon::biff {
namespace {

constexpr std::uint8_t kTwoByteCharacters = 0x01;
constexpr std::uint8_t kPhoneticData = 0x04;
constexpr std::uint8_t kRichText = 0x08;

// Code points of the bytes 0x80..0x9F of code page 1252; 0xA0..0xFF are U+00A0..U+00FF.
constexpr std::array<char16_t, 32> kCp1252Controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// A character of the Basic Multilingual Plane as cp1251.
void appendCharacter(std::string& out, char16_t c) {
    if (c >= 0xD800 && c <= 0xDFFF) {
        // Half of a character beyond U+FFFF, which cp1251 has not: one '?' for the pair.
        out += c < 0xDC00 ? "?" : "";
    } else {
        out += cp1251Of(c);
    }
}

} // namespace

ContinuedBytes::ContinuedBytes(std::uint16_t id, std::string_view body, RecordReader* more)
    : id_(id), here_(body), more_(more) {}

bool ContinuedBytes::nextFragment() {
    if (more_ == nullptr || more_->peekId() != record::kContinue) {
        return false;
    }
    here_ = more_->next().body;
    at_ = 0;
    return true;
}

bool ContinuedBytes::atEnd() const {
    return at_ == here_.size() && (more_ == nullptr || more_->peekId() != record::kContinue);
}

std::uint8_t ContinuedBytes::byte() {
    while (at_ == here_.size()) {
        if (!nextFragment()) {
            need({}, 1, id_);
        }
    }
    return biff::u8(here_, at_++);
}

std::uint16_t ContinuedBytes::u16() {
    const std::uint8_t low = byte();
    return static_cast<std::uint16_t>(low | byte() << 8);
}

std::uint32_t ContinuedBytes::u32() {
    const std::uint16_t low = u16();
    return low | static_cast<std::uint32_t>(u16()) << 16;
}

void ContinuedBytes::skip(std::size_t count) {
    while (count > 0) {
        const std::size_t taken = std::min(count, here_.size() - at_);
        at_ += taken;
        count -= taken;
        if (count > 0 && !nextFragment()) {
            need({}, 1, id_);
        }
    }
}

void ContinuedBytes::unicodeString(std::size_t countBytes, std::string& out) {
    const std::size_t count = countBytes == 1 ? byte() : u16();
    const std::uint8_t flags = byte();
    const std::size_t runs = flags & kRichText ? u16() : 0;
    const std::size_t phonetic = flags & kPhoneticData ? u32() : 0;
    characters(count, flags & kTwoByteCharacters, out);
    skip(runs * 4);
    skip(phonetic);
}

void ContinuedBytes::characters(std::size_t count, bool twoBytes, std::string& out) {
    out.reserve(out.size() + count);
    while (count > 0) {
        const std::string_view here = here_.substr(at_);
        if (here.empty()) {
            if (!nextFragment()) {
                need({}, 1, id_);
            }
            twoBytes = byte() & kTwoByteCharacters;
            continue;
        }
        const std::size_t width = twoBytes ? 2 : 1;
        const std::size_t taken = std::min(count, here.size() / width);
        if (taken == 0) {
            throw Damaged("символ строки разорван между записями"_cp);
        }
        for (std::size_t i = 0; i < taken; ++i) {
            appendCharacter(out, twoBytes ? biff::u16(here, 2 * i) : biff::u8(here, i));
        }
        at_ += taken * width;
        count -= taken;
    }
}

std::string byteString(std::string_view bytes, unsigned codePage) {
    constexpr unsigned kCyrillic = 1251;
    constexpr unsigned kWestern = 1252;
    constexpr unsigned kWesternOldNumber = 0x8001; // 1252 as Excel 2 and 3 number it
    if (codePage == kCyrillic) {
        return std::string(bytes);
    }
    const bool western = codePage == kWestern || codePage == kWesternOldNumber;
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<std::uint8_t>(byte);
        if (b < 0x80) {
            text += byte;
        } else if (!western) {
            text += '?';
        } else {
            appendCharacter(text, b < 0xA0 ? kCp1252Controls[b - 0x80] : char16_t{b});
        }
    }
    return text;
}

void SharedStrings::read(ContinuedBytes& bytes) {
    bytes.u32(); // the number of cells that use the table: nothing to check it against
    const std::uint32_t unique = bytes.u32();
    // The count is the writer's word only: the strings themselves end the table as well.
    for (std::uint32_t i = 0; i < unique && !bytes.atEnd(); ++i) {
        bytes.unicodeString(2, texts_);
        if (texts_.size() > std::numeric_limits<std::uint32_t>::max()) {
            throw Damaged("таблица строк слишком велика"_cp);
        }
        ends_.push_back(static_cast<std::uint32_t>(texts_.size()));
    }
}

std::optional<std::string_view> SharedStrings::text(std::uint32_t index) const {
    if (index >= ends_.size()) {
        return std::nullopt;
    }
    const std::uint32_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(texts_).substr(begin, ends_[index] - begin);
}

} // namespace kestrelon::biff
