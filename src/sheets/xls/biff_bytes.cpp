#include "biff_bytes.h"

#include "store/cp1251.h"

#include <cstdio>

namespace kestrelon::biff {

std::string recordName(std::uint16_t id) {
    char name[8];
    std::snprintf(name, sizeof name, "0x%04X", static_cast<unsigned>(id));
    return name;
}

void need(std::string_view bytes, std::size_t size, std::uint16_t what) {
    if (bytes.size() < size) {
        throw Damaged("запись "_cp + recordName(what) + " короче, чем нужно"_cp);
    }
}

std::optional<std::uint16_t> RecordReader::peekId() const {
    if (atEnd()) {
        return std::nullopt;
    }
    return u16(stream_, position_);
}

Record RecordReader::next() {
    if (atEnd()) {
        throw Damaged("поток книги обрывается"_cp);
    }
    Record record;
    record.id = u16(stream_, position_);
    record.offset = position_;
    const std::size_t size = u16(stream_, position_ + 2);
    if (stream_.size() - position_ - 4 < size) {
        throw Damaged("запись "_cp + recordName(record.id) + " обрывается"_cp);
    }
    record.body = stream_.substr(position_ + 4, size);
    position_ += 4 + size;
    return record;
}

} // namespace kestrelon::biff
