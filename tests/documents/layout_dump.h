#pragma once
// A readable dump of a laid-out document (positions in millimetres, texts in UTF-8) and its
// comparison with a checked-in file of the golden/ folder beside this header. Running the
// tests with KESTRELON_UPDATE_GOLDEN=1 rewrites the files instead; read them before keeping.

#include "documents/page/page_geometry.h"
#include "documents/page/placed_document.h"
#include "store/cp1251.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iomanip>
#include <sstream>
#include <string>

namespace kestrelon {

inline std::string dumpLayout(const PlacedDocument& doc, const PageScale& scale) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(2);
    out << "page " << doc.pageWidth / scale.sx << " x " << doc.pageHeight / scale.sy << "\n";
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const PlacedPage& page = doc.pages[p];
        // A one-page document reads as it always has; further pages say where they begin.
        if (p > 0) {
            out << "sheet " << p + 1 << "\n";
        }
        for (const PlacedLine& l : page.lines) {
            out << "line (" << l.x1 / scale.sx << ", " << l.y1 / scale.sy << ") - ("
                << l.x2 / scale.sx << ", " << l.y2 / scale.sy << ") pen " << l.penWidth << "\n";
        }
        for (std::size_t i = 0; i < page.texts.size(); ++i) {
            const TextItem& t = page.texts[i];
            out << "text " << i << " (" << t.x / scale.sx << ", " << t.y / scale.sy << ") "
                << t.font.family << " " << t.font.pixelHeight / scale.sy
                << (t.font.bold ? " bold" : "") << " \"" << cp1251ToUtf8(t.text) << "\"\n";
        }
    }
    return out.str();
}

inline void expectGolden(const std::string& actual, const std::string& name) {
    // The folder is given by the build, so that the check does not depend on how the compiler
    // was handed this file's path.
    const std::filesystem::path file = std::filesystem::path(KESTRELON_GOLDEN_DIR) / name;
    if (std::getenv("KESTRELON_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(file, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << file;
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual, expected.str()) << "layout differs from " << file;
}

} // namespace kestrelon
