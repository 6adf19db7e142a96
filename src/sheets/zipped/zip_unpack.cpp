// Unpacking an entry of the zip archive: stored or deflated, checked against the size and the
// checksum the directory gives, never more than the directory says.

#include "store/cp1251.h"
#include "zip_archive.h"
#include "zip_format.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <new>

namespace kestrelon {
namespace {

using namespace zip_format;

class Inflater {
public:
    Inflater() {
        if (inflateInit2(&stream_, -MAX_WBITS) != Z_OK) {
            throw std::bad_alloc();
        }
    }
    ~Inflater() { inflateEnd(&stream_); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    z_stream& stream() { return stream_; }

private:
    z_stream stream_{};
};

} // namespace

template <typename Sink> void ZipArchive::unpack(const ZipEntry& entry, Sink&& sink) const {
    if ((entry.flags & kEncrypted) != 0) {
        throw damagedEntry(entry, "зашифрована"_cp);
    }
    if (entry.size > kMaxZipEntryBytes) {
        throw damagedEntry(entry, "больше 256 МБ"_cp);
    }
    if (entry.method != kStored && entry.method != kDeflated) {
        throw damagedEntry(entry,
                           "сжата неизвестным способом ("_cp + std::to_string(entry.method) + ")");
    }
    const std::string_view packed = packedData(entry);
    uLong crc = crc32(0, nullptr, 0);
    std::uint64_t produced = 0;
    const auto take = [&](const char* bytes, std::size_t size) {
        if (size > entry.size - produced) {
            throw damagedEntry(entry, "длиннее, чем сказано в оглавлении архива"_cp);
        }
        produced += size;
        crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes), static_cast<uInt>(size));
        sink(bytes, size);
    };
    constexpr std::size_t kChunk = 64 * 1024;
    if (entry.method == kStored) {
        for (std::size_t at = 0; at < packed.size(); at += kChunk) {
            take(packed.data() + at, std::min(kChunk, packed.size() - at));
        }
    } else {
        Inflater inflater;
        z_stream& z = inflater.stream();
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
        std::size_t fed = 0;
        std::array<char, kChunk> out;
        for (int result = Z_OK; result != Z_STREAM_END;) {
            if (z.avail_in == 0) {
                z.avail_in =
                    static_cast<uInt>(std::min<std::size_t>(packed.size() - fed, 1u << 30));
                fed += z.avail_in;
            }
            z.next_out = reinterpret_cast<Bytef*>(out.data());
            z.avail_out = static_cast<uInt>(out.size());
            result = inflate(&z, Z_NO_FLUSH);
            const std::size_t made = out.size() - z.avail_out;
            if (result == Z_BUF_ERROR && made == 0) {
                throw damagedEntry(entry, "обрывается"_cp); // all of it read, and no end
            }
            if (result == Z_DATA_ERROR || result == Z_NEED_DICT || result == Z_MEM_ERROR) {
                throw damagedEntry(entry, "повреждена"_cp);
            }
            take(out.data(), made);
        }
    }
    if (produced != entry.size) {
        throw damagedEntry(entry, "короче, чем сказано в оглавлении архива"_cp);
    }
    if (crc != entry.crc) {
        throw damagedEntry(entry, "не сходится с контрольной суммой"_cp);
    }
}

std::string ZipArchive::read(const ZipEntry& entry) const {
    std::string bytes;
    if (entry.size <= kMaxZipEntryBytes) {
        const std::uint64_t packed = std::min<std::uint64_t>(entry.packedSize, bytes_.size());
        bytes.reserve(std::min(entry.size, packed * kMaxDeflateRatio + 1024));
    }
    unpack(entry, [&](const char* data, std::size_t size) { bytes.append(data, size); });
    return bytes;
}

std::optional<std::string> ZipArchive::read(std::string_view name) const {
    const ZipEntry* entry = find(name);
    return entry ? std::optional(read(*entry)) : std::nullopt;
}

void ZipArchive::checkEveryEntry() const {
    for (const ZipEntry& entry : entries_) {
        unpack(entry, [](const char*, std::size_t) {});
    }
}

} // namespace kestrelon
