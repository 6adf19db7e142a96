#pragma once
// A small XML tree written as windows-1251 bytes, as the tax service's exchange files are:
// the declaration, tab-indented elements, CRLF line ends. Texts are UTF-8 going in; a
// character windows-1251 cannot hold, or one XML 1.0 does not allow, is refused by name,
// never turned into "?".

#include <string>
#include <utility>
#include <vector>

namespace kestrelon {

struct XmlElement {
    std::string name;
    // Written in this order; an attribute with an empty value is left out.
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<XmlElement> children;
    std::string text; // for an element without children

    XmlElement& attribute(std::string attributeName, std::string value) {
        attributes.emplace_back(std::move(attributeName), std::move(value));
        return *this;
    }
    XmlElement& child(XmlElement element) {
        children.push_back(std::move(element));
        return children.back();
    }
};

struct XmlBytes {
    std::string bytes;                 // the whole file, windows-1251; empty when refused
    std::vector<std::string> problems; // UTF-8, one per refused character
    bool ok() const { return problems.empty(); }
};

XmlBytes writeXmlCp1251(const XmlElement& root);

// Escapes a UTF-8 text for an attribute value or element text: & < > " ' and the blanks an
// attribute value would lose (tab, line feed, carriage return) become references.
std::string escapeXml(std::string_view text);

} // namespace kestrelon
