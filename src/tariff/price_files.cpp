#include "price_files.h"

#include "store/cp1251.h"
#include "store/file_set.h"
#include "store/image_file.h"

#include <cctype>
#include <cerrno>
#include <filesystem>

namespace kestrelon::tariff {
namespace {

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// The size of the file, or IoError with the system's message.
std::uintmax_t fileSize(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        throw IoError::fromErrno(error.value(), path);
    }
    return size;
}

// The image functions take a folder and a name; a full path is a name in no folder.
void readBytes(const std::string& path, void* bytes, std::size_t size) {
    if (!loadImageBytes(std::string(), path, bytes, size)) {
        throw IoError::fromErrno(ENOENT, path);
    }
}

} // namespace

PriceFileKind priceFileKind(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return PriceFileKind::Other;
    }
    const std::string_view extension = path.substr(dot);
    if (sameLetters(extension, ".txt")) {
        return PriceFileKind::Text;
    }
    return sameLetters(extension, ".trf") ? PriceFileKind::Image : PriceFileKind::Other;
}

std::string readWholeFile(const std::string& path) {
    std::string bytes(static_cast<std::size_t>(fileSize(path)), '\0');
    readBytes(path, bytes.data(), bytes.size());
    return bytes;
}

void writeWholeFile(const std::string& path, std::string_view bytes) {
    saveFilesTogether({{path, std::string(bytes)}});
}

PriceImageRead readPriceImage(const std::string& path) {
    PriceImageRead read;
    if (fileSize(path) < kPriceImageSize) {
        read.refusal =
            "Это не прайс-лист: файл короче "_cp + std::to_string(kPriceImageSize) + " байт."_cp;
        return read;
    }
    auto table = std::make_unique<PriceTable>();
    readBytes(path, table.get(), sizeof(PriceTable));
    if (table->Count.get() > kMaxPriceLines) {
        read.refusal = "Прайс-лист поврежден: в нем указано строк "_cp +
                       std::to_string(table->Count.get()) + ", а помещается не больше "_cp +
                       std::to_string(kMaxPriceLines) + ".";
        return read;
    }
    read.table = std::move(table);
    return read;
}

void savePriceImage(const std::string& path, const PriceTable& table) {
    saveImage(std::string(), path, table);
}

} // namespace kestrelon::tariff
