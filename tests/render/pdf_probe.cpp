#include "pdf_probe.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

namespace kestrelon::test {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

std::optional<QByteArray> run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

QString unescape(QString text) {
    return text.replace("&quot;", "\"")
        .replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&apos;", "'")
        .replace("&amp;", "&");
}

} // namespace

std::vector<PdfWord> PdfText::find(const QString& text) const {
    std::vector<PdfWord> found;
    std::copy_if(words.begin(), words.end(), std::back_inserter(found),
                 [&](const PdfWord& w) { return w.text == text; });
    std::sort(found.begin(), found.end(), [](const PdfWord& a, const PdfWord& b) {
        return std::tie(a.page, a.top, a.left) < std::tie(b.page, b.top, b.left);
    });
    return found;
}

bool havePdfTools() {
    return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
           !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

std::optional<PdfText> readPdfText(const QString& pdf) {
    const auto html = run("pdftotext", {"-bbox", pdf, "-"});
    if (!html) {
        return std::nullopt;
    }
    static const QRegularExpression pageTag(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    static const QRegularExpression wordTag(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    PdfText text;
    for (const QString& line : QString::fromUtf8(*html).split('\n')) {
        if (const auto m = pageTag.match(line); m.hasMatch()) {
            text.pageWidth = m.captured(1).toDouble() * kMmPerPoint;
            text.pageHeight = m.captured(2).toDouble() * kMmPerPoint;
            ++text.pageCount;
        } else if (const auto w = wordTag.match(line); w.hasMatch()) {
            text.words.push_back(
                {unescape(w.captured(5)), text.pageCount - 1,
                 w.captured(1).toDouble() * kMmPerPoint, w.captured(2).toDouble() * kMmPerPoint,
                 w.captured(3).toDouble() * kMmPerPoint, w.captured(4).toDouble() * kMmPerPoint});
        }
    }
    return text;
}

QImage renderPdfPage(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString stem = QDir(dir.path()).filePath("page");
    const QString number = QString::number(page + 1);
    if (!run("pdftoppm", {"-gray", "-r", QString::number(dpi), "-f", number, "-l", number,
                          "-singlefile", pdf, stem})) {
        return {};
    }
    return QImage(stem + ".pgm");
}

std::vector<PdfVerticalLine> verticalLines(const QImage& page, int dpi, double minLengthMm) {
    const double mmPerPixel = 25.4 / dpi;
    const int minPixels = static_cast<int>(minLengthMm / mmPerPixel);
    std::vector<PdfVerticalLine> lines;
    for (int x = 0; x < page.width(); ++x) {
        int runStart = -1;
        for (int y = 0; y <= page.height(); ++y) {
            const bool dark = y < page.height() && qGray(page.pixel(x, y)) < 128;
            if (dark && runStart < 0) {
                runStart = y;
            } else if (!dark && runStart >= 0) {
                if (y - runStart >= minPixels) {
                    lines.push_back(
                        {(x + 0.5) * mmPerPixel, runStart * mmPerPixel, y * mmPerPixel});
                }
                runStart = -1;
            }
        }
    }
    return lines;
}

} // namespace kestrelon::test
