#pragma once
// Text measurement on the device a document is laid out for. The layouts depend on it;
// the Qt side measures on a real paint device, tests use a fixed fake.

#include <string>

namespace kestrelon {

struct FontSpec {
    std::string family;  // "Arial" or "Times New Roman"
    int pixelHeight = 0; // height of the character cell in device pixels
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

inline const char* const kArial = "Arial";
inline const char* const kTimes = "Times New Roman";

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // Width and height in device pixels of a cp1251 text drawn in the font.
    virtual int width(const std::string& text, const FontSpec& font) const = 0;
    virtual int height(const std::string& text, const FontSpec& font) const = 0;
};

} // namespace kestrelon
