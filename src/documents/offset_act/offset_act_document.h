#pragma once
// The act of mutual offset: fixed texts, a first table with the agent's invoice, a second
// table with every principal invoice of the report over as many pages as it needs, and the
// closing clauses with the signatures.

#include "documents/input/document_input.h"
#include "documents/page/document_text.h"
#include "documents/page/page_geometry.h"
#include "documents/page/placed_document.h"
#include "documents/words/text_metrics.h"

#include <array>
#include <string>
#include <vector>

namespace kestrelon {

inline constexpr std::size_t kOffsetActTexts = 64; // items 0..62 are used

struct OffsetActText {
    DocumentText items; // 64 texts; wrapped blocks top-aligned in their four items
    // Second table: invoice number, date, sum with VAT, VAT; one empty row when there is none.
    std::vector<std::array<std::string, 4>> cells;
    // Wrapped line counts (1..4) of the preamble and clauses 1 to 5.
    std::array<int, 6> lineCounts{1, 1, 1, 1, 1, 1};
    // The signatures of items 56..61, each wrapped in its party's column: the principal's
    // name, post and signature line, then the agent's.
    std::array<std::vector<std::string>, 6> signatures;
};

// Texts and wrapping, measured with `metrics` on `geometry`. Every line count the pages
// depend on is decided here, so texts wrapped once lay out on any device with the same page
// breaks.
OffsetActText FillActZSt(const DocumentInput& input, const PageGeometry& geometry,
                         const TextMetrics& metrics);

// Every page of the act on a device, with as many pages as the rows need.
PlacedDocument FillActZXY(const OffsetActText& texts, const PageGeometry& geometry,
                          const TextMetrics& metrics);

// Tail codes: which closing blocks a page carries.
enum class TailCode {
    None = 0,
    Block3 = 33,
    Blocks34 = 34,
    Blocks345 = 35,
    Blocks45 = 45,
    Block5 = 55
};

} // namespace kestrelon
