#pragma once
// A text measurement that tests can work out by hand: every character (one cp1251 byte) is
// round(0.5 × pixel height) pixels wide, one pixel wider when bold, and every text is as high
// as its font's pixel height. At 4 pixels per millimetre the 4 mm Arial of the invoice and
// the act is 16 pixels high, 8 pixels a character, 9 in bold.

#include "documents/page/page_geometry.h"
#include "documents/words/text_metrics.h"

#include <string>

namespace kestrelon {

class FakeMetrics : public TextMetrics {
public:
    static int charWidth(const FontSpec& font) {
        return roundHalfEven(0.5 * font.pixelHeight) + (font.bold ? 1 : 0);
    }
    int width(const std::string& text, const FontSpec& font) const override {
        return static_cast<int>(text.size()) * charWidth(font);
    }
    int height(const std::string&, const FontSpec& font) const override { return font.pixelHeight; }
};

} // namespace kestrelon
