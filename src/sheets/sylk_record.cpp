#include "sylk_record.h"

#include <algorithm>

namespace kestrelon {
namespace {

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::string field;
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        if (line[pos] != ';') {
            field += line[pos];
        } else if (pos + 1 < line.size() && line[pos + 1] == ';') {
            field += ';';
            ++pos;
        } else if (!field.empty()) {
            fields.push_back(std::move(field));
            field.clear();
        }
    }
    if (!field.empty()) {
        fields.push_back(std::move(field));
    }
    return fields;
}

} // namespace

std::vector<SylkRecord> sylkRecords(std::string_view text) {
    std::vector<SylkRecord> records;
    std::size_t pos = 0;
    for (std::size_t line = 1; pos < text.size(); ++line) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        std::vector<std::string> fields = splitFields(text.substr(pos, end - pos));
        if (!fields.empty()) {
            records.push_back({line, std::move(fields)});
        }
        pos = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return records;
}

} // namespace kestrelon
