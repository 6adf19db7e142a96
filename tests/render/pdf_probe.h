#pragma once
// Looking into a PDF with poppler's command-line tools: where its words lie and what its
// pages look like, in millimetres from the paper's top-left edge.

#include <QImage>
#include <QString>
#include <optional>
#include <vector>

namespace kestrelon::test {

struct PdfWord {
    QString text;
    int page = 0;                                    // 0-based
    double left = 0, top = 0, right = 0, bottom = 0; // millimetres from the paper's edge
};

struct PdfText {
    double pageWidth = 0, pageHeight = 0; // millimetres
    std::vector<PdfWord> words;

    // The occurrences of a word, topmost first (then leftmost).
    std::vector<PdfWord> find(const QString& text) const;
    int pageCount = 0;
};

bool havePdfTools();

// pdftotext -bbox; nothing when the tool fails.
std::optional<PdfText> readPdfText(const QString& pdf);

// One page rendered in grey by pdftoppm at `dpi`; a null image when the tool fails.
QImage renderPdfPage(const QString& pdf, int page, int dpi);

// A vertical line drawn on a page, in millimetres from the paper's edge.
struct PdfVerticalLine {
    double x = 0, top = 0, bottom = 0;
};

// The vertical lines of a rendered page at least `minLengthMm` long, one per column of dark
// pixels they cover: the column rules of its tables (no stroke of a letter is that long).
std::vector<PdfVerticalLine> verticalLines(const QImage& page, int dpi, double minLengthMm);

} // namespace kestrelon::test
