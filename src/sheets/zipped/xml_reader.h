#pragma once
// The XML parts of a workbook read node by node with libxml2, from memory: no network, no DTD
// loaded, no entity expanded, so a hostile part can neither reach out nor grow without bound.
// Only this file's source and xml_library.h know the library, loaded at the first use.

#include <optional>
#include <string>
#include <string_view>

struct _xmlTextReader;

namespace kestrelon {

class XmlReader {
public:
    enum class Node { Start, End, Text, Other };

    // `xml` must outlive the reader; `part` names it in messages (the entry's name, UTF-8).
    // Throws MissingLibrary when libxml2 cannot be loaded.
    XmlReader(std::string_view xml, std::string_view part);
    ~XmlReader();
    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;

    // The next node; false after the last. DamagedFile when the part is not well-formed XML.
    bool read();

    Node node() const;
    // Of an element's start: whether it is written <x/> and so has no end of its own.
    bool emptyElement() const;
    int depth() const;
    std::string_view localName() const;
    std::string_view namespaceUri() const; // empty for none
    // Of a text node: its text, UTF-8.
    std::string_view value() const;

    // Of an element's start: its attribute of that name and namespace (none by default).
    std::optional<std::string> attribute(std::string_view localName,
                                         std::string_view namespaceUri = {});

    // From an element's start: the text inside it, the reader then on its end.
    std::string elementText();
    // From an element's start: on to its end, past whatever it holds.
    void skipElement();

private:
    _xmlTextReader* reader_ = nullptr;
    std::string part_;
    std::string error_;
};

} // namespace kestrelon
