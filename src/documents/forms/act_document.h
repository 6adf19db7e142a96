#pragma once
// The act of services ("АКТ"): one A4 page.

#include "documents/input/document_input.h"
#include "documents/page/document_text.h"
#include "documents/page/page_geometry.h"
#include "documents/page/placed_document.h"
#include "documents/words/text_metrics.h"

namespace kestrelon {

inline constexpr std::size_t kActTexts = 36; // items 0..28 are used

DocumentText FillActSt(const DocumentInput& input);

PlacedDocument FillActXY(const DocumentText& texts, const PageGeometry& geometry,
                         const TextMetrics& metrics);

} // namespace kestrelon
