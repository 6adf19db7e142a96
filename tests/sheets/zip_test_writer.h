#pragma once
// Zip files written byte by byte for the tests of the zip and workbook readers, with the faults
// that damaged or hand-made files have.

#include <zlib.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrelon::test {

struct ZipPart {
    ZipPart(std::string name, std::string data) : name(std::move(name)), data(std::move(data)) {}

    // What the headers say instead of the truth.
    ZipPart stored() const {
        return with([](ZipPart& p) { p.deflate = false; });
    }
    ZipPart directoryStates(std::uint64_t size) const {
        return with([&](ZipPart& p) { p.directorySize = size; });
    }
    ZipPart localHeaderStates(std::uint64_t size) const {
        return with([&](ZipPart& p) { p.localSize = size; });
    }
    ZipPart bothState(std::uint64_t size) const {
        return directoryStates(size).localHeaderStates(size);
    }
    ZipPart crcStated(std::uint32_t crc) const {
        return with([&](ZipPart& p) { p.crc = crc; });
    }
    ZipPart packedSizeStated(std::uint64_t size) const {
        return with([&](ZipPart& p) { p.packedSize = size; });
    }
    ZipPart methodStated(std::uint16_t method) const {
        return with([&](ZipPart& p) { p.method = method; });
    }
    ZipPart flagged(std::uint16_t flags) const {
        return with([&](ZipPart& p) { p.flags = flags; });
    }
    // Sizes and CRC after the data, zero in the local header, as streaming writers do.
    ZipPart withDataDescriptor() const {
        return with([](ZipPart& p) { p.dataDescriptor = true; });
    }

    std::string name;
    std::string data;
    bool deflate = true;
    std::optional<std::uint64_t> directorySize;
    std::optional<std::uint64_t> localSize;
    std::optional<std::uint32_t> crc;
    std::optional<std::uint64_t> packedSize;
    std::optional<std::uint16_t> method;
    std::uint16_t flags = 0;
    bool dataDescriptor = false;

private:
    template <typename Change> ZipPart with(Change change) const {
        ZipPart part = *this;
        change(part);
        return part;
    }
};

struct ZipOptions {
    bool zip64 = false; // every size and offset in zip64 fields, as large archives have them
    std::string comment;
    std::optional<std::uint32_t> directoryOffset;
};

inline void putLe(std::string& out, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) {
        out += static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

inline std::string rawDeflate(std::string_view data) {
    z_stream z{};
    deflateInit2(&z, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, static_cast<uLong>(data.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

inline std::string zipOf(const std::vector<ZipPart>& parts,
                         const ZipOptions& options = ZipOptions()) {
    std::string file;
    std::string directory;
    constexpr std::uint32_t kSaturated = 0xFFFFFFFF;
    for (const ZipPart& part : parts) {
        const std::string packed = part.deflate ? rawDeflate(part.data) : part.data;
        const std::uint32_t crc = part.crc.value_or(
            static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(part.data.data()),
                                             static_cast<uInt>(part.data.size()))));
        const std::uint16_t method = part.method.value_or(part.deflate ? 8 : 0);
        const std::uint16_t flags = part.flags | (part.dataDescriptor ? 8 : 0);
        const std::uint64_t packedSize = part.packedSize.value_or(packed.size());
        const std::uint64_t offset = file.size();
        const auto header = [&](std::uint64_t size, bool local) {
            std::string h;
            putLe(h, 20, 2); // version needed
            putLe(h, flags, 2);
            putLe(h, method, 2);
            putLe(h, 0, 4); // time and date
            const bool hidden = local && part.dataDescriptor;
            putLe(h, hidden ? 0 : crc, 4);
            putLe(h, hidden ? 0 : options.zip64 ? kSaturated : packedSize, 4);
            putLe(h, hidden ? 0 : options.zip64 ? kSaturated : size, 4);
            putLe(h, part.name.size(), 2);
            return h;
        };
        std::string extra; // zip64: both sizes, and in the directory the offset
        if (options.zip64) {
            putLe(extra, 1, 2);
            putLe(extra, 16, 2);
            putLe(extra, part.localSize.value_or(part.data.size()), 8);
            putLe(extra, packedSize, 8);
        }
        putLe(file, 0x04034b50, 4);
        file += header(part.localSize.value_or(part.data.size()), true);
        putLe(file, extra.size(), 2);
        file += part.name + extra + packed;
        if (part.dataDescriptor) {
            putLe(file, 0x08074b50, 4);
            putLe(file, crc, 4);
            putLe(file, packedSize, 4);
            putLe(file, part.data.size(), 4);
        }
        std::string directoryExtra;
        if (options.zip64) {
            putLe(directoryExtra, 1, 2);
            putLe(directoryExtra, 24, 2);
            putLe(directoryExtra, part.directorySize.value_or(part.data.size()), 8);
            putLe(directoryExtra, packedSize, 8);
            putLe(directoryExtra, offset, 8);
        }
        putLe(directory, 0x02014b50, 4);
        putLe(directory, 20, 2); // version made by
        directory += header(part.directorySize.value_or(part.data.size()), false);
        putLe(directory, directoryExtra.size(), 2);
        putLe(directory, 0, 2); // comment
        putLe(directory, 0, 2); // disk
        putLe(directory, 0, 2); // internal attributes
        putLe(directory, 0, 4); // external attributes
        putLe(directory, options.zip64 ? kSaturated : offset, 4);
        directory += part.name + directoryExtra;
    }
    const std::uint64_t directoryOffset = options.directoryOffset.value_or(file.size());
    file += directory;
    if (options.zip64) {
        const std::uint64_t end64 = file.size();
        putLe(file, 0x06064b50, 4);
        putLe(file, 44, 8);
        putLe(file, 45, 2);
        putLe(file, 45, 2);
        putLe(file, 0, 4);
        putLe(file, 0, 4);
        putLe(file, parts.size(), 8);
        putLe(file, parts.size(), 8);
        putLe(file, directory.size(), 8);
        putLe(file, directoryOffset, 8);
        putLe(file, 0x07064b50, 4);
        putLe(file, 0, 4);
        putLe(file, end64, 8);
        putLe(file, 1, 4);
    }
    putLe(file, 0x06054b50, 4);
    putLe(file, 0, 4); // disks
    putLe(file, options.zip64 ? 0xFFFF : parts.size(), 2);
    putLe(file, options.zip64 ? 0xFFFF : parts.size(), 2);
    putLe(file, options.zip64 ? kSaturated : directory.size(), 4);
    putLe(file, options.zip64 ? kSaturated : directoryOffset, 4);
    putLe(file, options.comment.size(), 2);
    return file + options.comment;
}

} // namespace kestrelon::test
