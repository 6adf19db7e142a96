#include "zip_archive.h"
#include "zip_format.h"

#include "store/cp1251.h"

#include <algorithm>
#include <initializer_list>
#include <new>

namespace kestrelon {
namespace {

using namespace zip_format;

constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kEnd64LocatorSignature = 0x07064b50;
constexpr std::uint32_t kEnd64Signature = 0x06064b50;
constexpr std::uint32_t kDirectorySignature = 0x02014b50;
constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kEnd64LocatorSize = 20;
constexpr std::size_t kEnd64Size = 56;
constexpr std::size_t kDirectoryEntrySize = 46;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::uint32_t kSaturated32 = 0xFFFFFFFF;
constexpr std::uint16_t kSaturated16 = 0xFFFF;
constexpr std::uint16_t kDataDescriptor = 8;
constexpr std::uint16_t kZip64Extra = 0x0001;

// Little-endian fields; every caller has checked that the bytes are there.
std::uint64_t le(std::string_view bytes, std::size_t at, int size) {
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}
std::uint16_t le16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(le(bytes, at, 2));
}
std::uint32_t le32(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(le(bytes, at, 4));
}
std::uint64_t le64(std::string_view bytes, std::size_t at) {
    return le(bytes, at, 8);
}

// Whether `size` bytes from `at` lie inside the first `limit` bytes, without overflow.
bool inside(std::uint64_t at, std::uint64_t size, std::uint64_t limit) {
    return at <= limit && size <= limit - at;
}

DamagedFile damaged(std::string_view what) {
    return DamagedFile(std::string(what));
}

DamagedFile unlikeDirectory(const ZipEntry& entry) {
    return damagedEntry(entry, "не совпадает с оглавлением архива"_cp);
}

// The zip64 extra field holds the 64-bit values of the fields whose 32-bit value is saturated,
// in this order.
void readZip64Extra(std::string_view extra, std::initializer_list<std::uint64_t*> saturated) {
    for (std::size_t at = 0; inside(at, 4, extra.size());) {
        const std::uint16_t id = le16(extra, at);
        const std::uint16_t size = le16(extra, at + 2);
        if (!inside(at + 4, size, extra.size())) {
            break;
        }
        if (id == kZip64Extra) {
            std::size_t field = at + 4;
            for (std::uint64_t* value : saturated) {
                if (*value == kSaturated32) {
                    if (!inside(field, 8, at + 4 + size)) {
                        throw damaged("запись оглавления архива zip повреждена"_cp);
                    }
                    *value = le64(extra, field);
                    field += 8;
                }
            }
            return;
        }
        at += 4 + size;
    }
}

struct EndOfDirectory {
    std::uint64_t entries = 0;
    std::uint64_t size = 0;
    std::uint64_t offset = 0;
    std::uint64_t end = 0; // where the directory must end: the records that follow it
};

// The end-of-central-directory record is the last thing in the file but for a comment of at
// most 65535 bytes; the comment's length must lead exactly to the end.
std::size_t findEndRecord(std::string_view bytes) {
    if (bytes.size() >= kEndSize) {
        const std::size_t last = bytes.size() - kEndSize;
        const std::size_t first = last > 0xFFFF ? last - 0xFFFF : 0;
        for (std::size_t at = last + 1; at-- > first;) {
            if (le32(bytes, at) == kEndSignature &&
                at + kEndSize + le16(bytes, at + 20) == bytes.size()) {
                return at;
            }
        }
    }
    throw damaged("нет оглавления архива zip"_cp);
}

EndOfDirectory readEnd64(std::string_view bytes, std::size_t endRecord) {
    const std::size_t locator = endRecord - kEnd64LocatorSize;
    if (endRecord < kEnd64LocatorSize || le32(bytes, locator) != kEnd64LocatorSignature) {
        throw damaged("нет оглавления архива zip64"_cp);
    }
    const std::uint64_t at = le64(bytes, locator + 8);
    if (!inside(at, kEnd64Size, locator) || le32(bytes, at) != kEnd64Signature) {
        throw damaged("нет оглавления архива zip64"_cp);
    }
    if (le32(bytes, at + 16) != 0 || le32(bytes, at + 20) != 0) {
        throw damaged("архив zip из нескольких томов"_cp);
    }
    return {le64(bytes, at + 32), le64(bytes, at + 40), le64(bytes, at + 48), at};
}

EndOfDirectory readEnd(std::string_view bytes) {
    const std::size_t at = findEndRecord(bytes);
    EndOfDirectory end{le16(bytes, at + 10), le32(bytes, at + 12), le32(bytes, at + 16), at};
    if (end.entries == kSaturated16 || end.size == kSaturated32 || end.offset == kSaturated32) {
        end = readEnd64(bytes, at);
    } else if (le16(bytes, at + 4) != 0 || le16(bytes, at + 6) != 0) {
        throw damaged("архив zip из нескольких томов"_cp);
    }
    if (!inside(end.offset, end.size, end.end)) {
        throw damaged("оглавление архива zip выходит за конец файла"_cp);
    }
    if (end.entries > end.size / kDirectoryEntrySize) {
        throw damaged("оглавление архива zip повреждено"_cp);
    }
    return end;
}

// One entry of the central directory at `at`; `at` moves past it.
ZipEntry readDirectoryEntry(std::string_view directory, std::size_t& at) {
    if (!inside(at, kDirectoryEntrySize, directory.size()) ||
        le32(directory, at) != kDirectorySignature) {
        throw damaged("оглавление архива zip повреждено"_cp);
    }
    const std::size_t nameSize = le16(directory, at + 28);
    const std::size_t extraSize = le16(directory, at + 30);
    const std::size_t commentSize = le16(directory, at + 32);
    const std::size_t name = at + kDirectoryEntrySize;
    if (!inside(name, nameSize + extraSize + commentSize, directory.size())) {
        throw damaged("оглавление архива zip повреждено"_cp);
    }
    ZipEntry entry;
    entry.name = std::string(directory.substr(name, nameSize));
    entry.flags = le16(directory, at + 8);
    entry.method = le16(directory, at + 10);
    entry.crc = le32(directory, at + 16);
    entry.packedSize = le32(directory, at + 20);
    entry.size = le32(directory, at + 24);
    entry.localHeader = le32(directory, at + 42);
    readZip64Extra(directory.substr(name + nameSize, extraSize),
                   {&entry.size, &entry.packedSize, &entry.localHeader});
    at = name + nameSize + extraSize + commentSize;
    return entry;
}

// What an entry's local header repeats of the directory must agree with it: a reader that
// goes by the local header would otherwise read something else than this one checked.
void checkLocalHeader(std::string_view header, std::string_view extra, const ZipEntry& entry) {
    const std::uint16_t flags = le16(header, 6);
    if (le16(header, 8) != entry.method || (flags & kEncrypted) != (entry.flags & kEncrypted)) {
        throw unlikeDirectory(entry);
    }
    if ((flags & kDataDescriptor) != 0) {
        return; // the sizes and CRC follow the data; the directory's are the ones that count
    }
    std::uint64_t size = le32(header, 22);
    std::uint64_t packedSize = le32(header, 18);
    if (size == kSaturated32 || packedSize == kSaturated32) {
        // A local header's zip64 field holds both sizes once either needs it.
        size = packedSize = kSaturated32;
        readZip64Extra(extra, {&size, &packedSize});
    }
    if (le32(header, 14) != entry.crc || size != entry.size || packedSize != entry.packedSize) {
        throw unlikeDirectory(entry);
    }
}

} // namespace

DamagedFile damagedEntry(const ZipEntry& entry, std::string_view what) {
    return DamagedFile("часть «"_cp + utf8ToCp1251(entry.name) + "» "_cp + std::string(what));
}

ZipArchive::ZipArchive(std::string_view bytes) : bytes_(bytes) {
    const EndOfDirectory end = readEnd(bytes);
    directoryStart_ = end.offset;
    const std::string_view directory = bytes.substr(end.offset, end.size);
    entries_.reserve(end.entries);
    std::size_t at = 0;
    for (std::uint64_t i = 0; i < end.entries; ++i) {
        entries_.push_back(readDirectoryEntry(directory, at));
        // Two entries of one name could be read differently by two readers.
        if (!byName_.emplace(entries_.back().name, i).second) {
            throw damagedEntry(entries_.back(), "записана в архиве дважды"_cp);
        }
    }
}

const ZipEntry* ZipArchive::find(std::string_view name) const {
    const auto found = byName_.find(std::string(name));
    return found == byName_.end() ? nullptr : &entries_[found->second];
}

std::string_view ZipArchive::packedData(const ZipEntry& entry) const {
    if (!inside(entry.localHeader, kLocalHeaderSize, directoryStart_) ||
        le32(bytes_, entry.localHeader) != kLocalSignature) {
        throw damagedEntry(entry, "не найдена там, где ее указывает оглавление архива"_cp);
    }
    const std::string_view header = bytes_.substr(entry.localHeader, kLocalHeaderSize);
    const std::uint64_t name = entry.localHeader + kLocalHeaderSize;
    const std::uint64_t nameSize = le16(header, 26);
    const std::uint64_t extraSize = le16(header, 28);
    const std::uint64_t data = name + nameSize + extraSize;
    if (!inside(name, nameSize + extraSize, directoryStart_) ||
        !inside(data, entry.packedSize, directoryStart_)) {
        throw damagedEntry(entry, "выходит за конец архива"_cp);
    }
    if (bytes_.substr(name, nameSize) != entry.name) {
        throw unlikeDirectory(entry);
    }
    checkLocalHeader(header, bytes_.substr(name + nameSize, extraSize), entry);
    return bytes_.substr(data, entry.packedSize);
}

} // namespace kestrelon
