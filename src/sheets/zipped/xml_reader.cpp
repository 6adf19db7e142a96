#include "xml_reader.h"

#include "store/cp1251.h"
#include "xml_library.h"
#include "zip_archive.h"

#include <climits>
#include <new>

namespace kestrelon {
namespace {

std::string_view view(const xmlChar* text) {
    return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

// The first error is the one told; libxml2 ends its messages with a line break.
void keepFirstError(void* kept, xmlErrorPtr error) {
    auto& message = *static_cast<std::string*>(kept);
    if (!message.empty() || error == nullptr || error->level < XML_ERR_ERROR) {
        return;
    }
    std::string_view text = error->message ? error->message : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.remove_suffix(1);
    }
    message = "строка "_cp + std::to_string(error->line) + ": " + utf8ToCp1251(text);
}

} // namespace

XmlReader::XmlReader(std::string_view xml, std::string_view part) : part_(part) {
    if (xml.size() > INT_MAX) {
        throw DamagedFile("часть «"_cp + utf8ToCp1251(part_) + "» слишком велика"_cp);
    }
    // Neither XML_PARSE_NOENT nor XML_PARSE_DTDLOAD: entities stay references and no DTD
    // is fetched; a workbook's parts have no use for either.
    reader_ = libxml2().xmlReaderForMemory(xml.data(), static_cast<int>(xml.size()), nullptr,
                                           nullptr, XML_PARSE_NONET);
    if (reader_ == nullptr) {
        throw std::bad_alloc();
    }
    libxml2().xmlTextReaderSetStructuredErrorHandler(reader_, keepFirstError, &error_);
}

XmlReader::~XmlReader() {
    libxml2().xmlFreeTextReader(reader_);
}

bool XmlReader::read() {
    const int result = libxml2().xmlTextReaderRead(reader_);
    if (result < 0 || !error_.empty()) {
        throw DamagedFile("часть «"_cp + utf8ToCp1251(part_) + "», "_cp +
                          (error_.empty() ? "XML не читается"_cp : error_));
    }
    return result == 1;
}

XmlReader::Node XmlReader::node() const {
    switch (libxml2().xmlTextReaderNodeType(reader_)) {
    case XML_READER_TYPE_ELEMENT:
        return Node::Start;
    case XML_READER_TYPE_END_ELEMENT:
        return Node::End;
    case XML_READER_TYPE_TEXT:
    case XML_READER_TYPE_CDATA:
    case XML_READER_TYPE_WHITESPACE:
    case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
        return Node::Text;
    default:
        return Node::Other;
    }
}

bool XmlReader::emptyElement() const {
    return libxml2().xmlTextReaderIsEmptyElement(reader_) == 1;
}

int XmlReader::depth() const {
    return libxml2().xmlTextReaderDepth(reader_);
}

std::string_view XmlReader::localName() const {
    return view(libxml2().xmlTextReaderConstLocalName(reader_));
}

std::string_view XmlReader::namespaceUri() const {
    return view(libxml2().xmlTextReaderConstNamespaceUri(reader_));
}

std::string_view XmlReader::value() const {
    return view(libxml2().xmlTextReaderConstValue(reader_));
}

std::optional<std::string> XmlReader::attribute(std::string_view localName,
                                                std::string_view namespaceUri) {
    std::optional<std::string> found;
    for (int more = libxml2().xmlTextReaderMoveToFirstAttribute(reader_); more == 1 && !found;
         more = libxml2().xmlTextReaderMoveToNextAttribute(reader_)) {
        if (this->localName() == localName && this->namespaceUri() == namespaceUri) {
            found = std::string(value());
        }
    }
    libxml2().xmlTextReaderMoveToElement(reader_);
    return found;
}

std::string XmlReader::elementText() {
    std::string text;
    if (emptyElement()) {
        return text;
    }
    const int start = depth();
    while (read() && !(node() == Node::End && depth() == start)) {
        if (node() == Node::Text) {
            text += value();
        }
    }
    return text;
}

void XmlReader::skipElement() {
    if (emptyElement()) {
        return;
    }
    const int start = depth();
    while (read() && !(node() == Node::End && depth() == start)) {
    }
}

} // namespace kestrelon
