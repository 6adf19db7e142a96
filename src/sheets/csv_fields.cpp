#include "csv_fields.h"

#include "store/cp1251.h"

#include <algorithm>
#include <string>

namespace kestrelon {
namespace {

class FieldReader {
public:
    FieldReader(std::string_view text, char separator, const CsvFieldSink& field)
        : text_(text), separator_(separator), field_(field),
          fieldEnds_(std::string(1, separator) + "\r\n") {}

    void read() {
        while (pos_ < text_.size()) {
            if (text_[pos_] == '"') {
                quotedField();
            } else {
                const std::size_t end =
                    std::min(text_.find_first_of(fieldEnds_, pos_), text_.size());
                field_(row_, column_, text_.substr(pos_, end - pos_));
                pos_ = end;
            }
            if (pos_ == text_.size()) {
                break;
            }
            if (text_[pos_] == separator_) {
                ++column_;
                if (++pos_ == text_.size()) {
                    field_(row_, column_, {}); // the line's last field is empty
                }
            } else {
                skipLineEnd();
                ++row_;
                column_ = 1;
            }
        }
    }

private:
    void skipLineEnd() {
        pos_ += text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n' ? 2 : 1;
        ++line_;
    }

    void quotedField() {
        const std::size_t firstLine = line_;
        std::string value;
        for (++pos_;; ++pos_) {
            if (pos_ == text_.size()) {
                throw CsvSyntaxError("строка "_cp + std::to_string(firstLine) +
                                     ": кавычка поля не закрыта до конца текста"_cp);
            }
            const char c = text_[pos_];
            if (c == '"' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                value += '"';
                ++pos_;
            } else if (c == '"') {
                ++pos_;
                break;
            } else {
                line_ += c == '\n' || (c == '\r' &&
                                       (pos_ + 1 == text_.size() || text_[pos_ + 1] != '\n'))
                             ? 1
                             : 0;
                value += c;
            }
        }
        if (pos_ < text_.size() && text_[pos_] != separator_ && text_[pos_] != '\n' &&
            text_[pos_] != '\r') {
            throw CsvSyntaxError("строка "_cp + std::to_string(line_) +
                                 ": после закрывающей кавычки поля идет текст"_cp);
        }
        field_(row_, column_, value);
    }

    std::string_view text_;
    char separator_;
    const CsvFieldSink& field_;
    std::size_t pos_ = 0;
    std::size_t row_ = 1;
    std::size_t column_ = 1;
    std::size_t line_ = 1;
    std::string fieldEnds_; // what ends an unquoted field
};

} // namespace

void readCsvFields(std::string_view text, char separator, const CsvFieldSink& field) {
    FieldReader(text, separator, field).read();
}

} // namespace kestrelon
