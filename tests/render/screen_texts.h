#pragma once
// Texts of a document as a 96-dpi screen wraps them: what a document tab hands to printing.

#include "render/document_texts.h"

#include <QImage>

namespace kestrelon::test {

inline constexpr double kScreenPixelsPerMm = 96.0 / 25.4;

// A blank device of the screen's resolution.
QImage screenImage(int width = 1, int height = 1);

PageGeometry screenGeometry();

DocumentTexts screenTexts(DocumentKind kind, const DocumentInput& input);

} // namespace kestrelon::test
